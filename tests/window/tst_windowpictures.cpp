#include "testsupport.h"

#include <QApplication>
#include <QTest>

// The window right after start-up, closed and with each panel open, against committed pictures:
// every control's place, size, caption, font and colour, every start value, the window's height
// and the grey buttons of a locked toolbar. TINTORA_UPDATE_PICTURES=1 writes the pictures anew
// when the window is meant to change.
class TestWindowPictures : public QObject
{
    Q_OBJECT

private slots:
    void afterStartUp_data()
    {
        QTest::addColumn<int>("index");
        const char *const names[]
            = {"closed", "qb", "pantone", "rgb", "hex", "swatches", "browser", "help"};
        for (int index = 0; index < 8; ++index)
            QTest::newRow(names[index]) << index;
    }

    void afterStartUp()
    {
        QFETCH(int, index);
        QApplication::setCursorFlashTime(0);
        const TestSupport::ProgramFolder folder;
        const TestSupport::TestWindow window(folder.path());
        QVERIFY(window.loadAndShow());
        const QImage picture = TestSupport::windowPicture(*window, index);

        const QString file = QStringLiteral(TINTORA_SOURCE_DIR "/tests/window/pictures/%1.png")
                                 .arg(QLatin1String(QTest::currentDataTag()));
        if (qEnvironmentVariableIsSet("TINTORA_UPDATE_PICTURES"))
            QVERIFY(picture.save(file));
        const QString difference = TestSupport::pictureDifference(picture, QImage(file));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(TestWindowPictures)
#include "tst_windowpictures.moc"
