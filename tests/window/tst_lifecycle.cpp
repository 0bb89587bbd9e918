#include "testsupport.h"

#include "window/paneltoolbar.h"
#include "window/splashwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;

namespace {

// Records the splash window's captions while it is shown, and when it goes.
class SplashRecorder : public QObject
{
public:
    SplashRecorder() { qApp->installEventFilter(this); }
    ~SplashRecorder() override { qApp->removeEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->objectName() != "frmLoading"_L1)
            return false;
        if (event->type() == QEvent::Show
            || (event->type() == QEvent::WindowTitleChange && widget->isVisible()))
            events.append(widget->windowTitle());
        else if (event->type() == QEvent::Hide)
            events.append(u"hidden"_s);
        return false;
    }
};

} // namespace

// Start-up, the ways out, and Reset, on the whole window.
class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void startUp();
    void failedStartUp_data();
    void failedStartUp();
    void farewell_data();
    void farewell();
    void resetRestoresStartUp();
    void resetRaisesDownButtonWithoutToolbarHandling();
};

void TestLifecycle::startUp()
{
    TestSupport::ProgramFolder folder;
    // A first number entry of 100 starts the catalogue there, through the bar's own handling.
    QByteArray names = folder.read(u"Pantone/pantonelist.dat"_s);
    folder.write(u"Pantone/pantonelist.dat"_s, names.replace(0, names.indexOf('\n'), "100"));
    TestSupport::TestWindow window(folder.path());
    SplashRecorder recorder;
    QVERIFY(window->Form_Load());
    QCOMPARE(recorder.events,
             QStringList({u"Loading Tintora Utility...Please Wait"_s, u"Not much longer now!"_s,
                          u"hidden"_s}));
    QCOMPARE(child<QScrollBar>(window.window.get(), u"vsPantone"_s)->value(), 100);
    QCOMPARE(window->state().cboPantoneRGBblue.currentIndex(), 100);
    QCOMPARE(child<QLineEdit>(window.window.get(), u"txtPantoneNum"_s)->text(), u"100"_s);
    QVERIFY(!window.exitCode->has_value());
}

void TestLifecycle::failedStartUp_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // null: the file is removed
    QTest::addColumn<QString>("title");
    QTest::newRow("missing preview page")
        << u"Webdask/WebDask.html"_s << QByteArray() << u"Missing File"_s;
    QTest::newRow("missing bluelist.dat")
        << u"Pantone/bluelist.dat"_s << QByteArray() << u"Missing File"_s;
    QTest::newRow("short greenlist.dat")
        << u"Pantone/greenlist.dat"_s << QByteArray("1\n2\n") << u"Damaged File"_s;
}

// A catalogue that cannot be loaded is reported, then the exit routine ends the program with
// status 1 and its own farewell; the main window never shows.
void TestLifecycle::failedStartUp()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    TestSupport::ProgramFolder folder;
    if (content.isNull())
        folder.remove(file);
    else
        folder.write(file, content);
    TestSupport::TestWindow window(folder.path());
    TestSupport::MessageBoxWatcher watcher;
    QVERIFY(!window->Form_Load());
    QCOMPARE(watcher.messages().size(), 1);
    QCOMPARE(watcher.messages().first().title, title);
    QCOMPARE(watcher.messages().first().icon, QMessageBox::Critical);
    QCOMPARE(window.exitCode->value_or(-1), 1);
    QCOMPARE(window->frmLoading()->windowTitle(), u"MISSING FOLDER OR FILES!!"_s);
    QVERIFY(window->frmLoading()->windowHandle()->isExposed());
    QVERIFY(!window->isVisible());
}

void TestLifecycle::farewell_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("File > Exit") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("File > Exit with a panel open") << 2;
}

void TestLifecycle::farewell()
{
    QFETCH(int, way);
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window.loadAndShow());
    if (way == 2)
        QTest::mouseClick(window->tlbFirst()->button(5), Qt::LeftButton);
    if (way == 1)
        window->close();
    else
        child<QAction>(window.window.get(), u"mnuFileExit"_s)->trigger();
    QCOMPARE(window.exitCode->value_or(-1), 0);
    SplashWindow *splash = window->frmLoading();
    QCOMPARE(splash->windowTitle(), u"Thank you for usimg the Tintora Utility"_s);
    QVERIFY(splash->windowHandle() && splash->windowHandle()->isExposed());
    QVERIFY(!window->isVisible());
}

// After a session that changed every start value, Reset shows every panel as start-up did,
// keeps the typed sample and writes it; twice gives the same.
void TestLifecycle::resetRestoresStartUp()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window.loadAndShow());
    QList<QImage> startUp;
    for (int index = 0; index <= 7; ++index)
        startUp.append(TestSupport::windowPicture(*window, index));

    for (const QString &bar : {u"hsRed"_s, u"hsGreen"_s, u"hsBlue"_s, u"hsHexRed"_s,
                               u"hsHexGreen"_s, u"hsHexBlue"_s, u"vsQB"_s, u"vsPantone"_s})
        child<QScrollBar>(window.window.get(), bar)->setValue(5);
    const auto click = [&](const QString &name) {
        QWidget *control = child<QWidget>(window.window.get(), name);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, control->height() / 2));
    };
    QTest::mouseClick(window->tlbFirst()->button(5), Qt::LeftButton);
    click(u"picTintora"_s);
    QTest::mouseClick(window->tlbFirst()->button(5), Qt::LeftButton);
    QTest::mouseClick(window->tlbFirst()->button(6), Qt::LeftButton);
    for (const QString &name :
         {u"cmdRGB"_s, u"chkFG"_s, u"chkBG"_s, u"chkBold"_s, u"chkItalics"_s, u"chkUnderline"_s})
        click(name);
    QTest::keyClicks(child<QWidget>(window.window.get(), u"txtWebSample"_s), u" & kept"_s);
    QTest::mouseClick(window->tlbFirst()->button(6), Qt::LeftButton);
    QTest::mouseClick(window->tlbFirst()->button(7), Qt::LeftButton);
    click(u"optHelp3"_s);
    QTest::mouseClick(window->tlbFirst()->button(7), Qt::LeftButton);

    const QByteArray page = "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD>"
                            "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 "
                            "name=Arial>Text Sample &amp; kept</font></body></HTML>\"\r\n";
    for (int time = 0; time < 2; ++time) {
        QVERIFY(TestSupport::windowPicture(*window, 3) != startUp.at(3));
        child<QAction>(window.window.get(), u"mnuFileReset"_s)->trigger();
        QCOMPARE(folder.read(u"Webdask/WebDask.html"_s), page);
        // The typed sample stays; it was last written as the start-up pictures show it.
        auto *sample = child<QLineEdit>(window.window.get(), u"txtWebSample"_s);
        QCOMPARE(sample->text(), u"Text Sample & kept"_s);
        sample->setText(u"Text Sample"_s);
        for (int index = 0; index <= 7; ++index) {
            const QString difference = TestSupport::pictureDifference(
                TestSupport::windowPicture(*window, index), startUp.at(index));
            QVERIFY2(difference.isEmpty(), qPrintable(u"panel %1: "_s.arg(index) + difference));
        }
        child<QScrollBar>(window.window.get(), u"hsRed"_s)->setValue(9);
        sample->setText(u"Text Sample & kept"_s);
    }
}

// Reset raises a down button without the toolbar's handling, so nothing else unlocks.
void TestLifecycle::resetRaisesDownButtonWithoutToolbarHandling()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window.loadAndShow());
    QToolButton *button = window->tlbFirst()->button(3);
    QTest::mouseClick(button, Qt::LeftButton);
    button->setEnabled(false);
    window->mnuFileReset_Click();
    QVERIFY(!button->isChecked() && button->isEnabled());
    QVERIFY(!window->tlbFirst()->button(4)->isEnabled());
    QVERIFY(!child<QAction>(window.window.get(), u"mnuFileReset"_s)->isEnabled());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
