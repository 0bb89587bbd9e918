#include "testsupport.h"

#include "core/colordifference.h"
#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;

// Colours typed into the read-outs, pasted or copied through the Edit menu, in the real window;
// picked from the screen where the test runs in an X server whose desktop xsetroot has painted
// #3399CC, with xdotool as the user.
class TestColorEntry : public QObject
{
    Q_OBJECT

    TestSupport::ProgramFolder m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;

    template<typename T = QLineEdit>
    T *find(const QString &name) const
    {
        return TestSupport::child<T>(m_window->window.get(), name);
    }
    void open(int index) const { (*m_window)->tlbFirst()->button(index)->click(); }
    void type(const QString &name, const QString &text) const
    {
        find(name)->setFocus();
        find(name)->selectAll();
        QTest::keyClicks(find(name), text);
        QTest::keyClick(find(name), Qt::Key_Return);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<TestSupport::TestWindow>(m_folder.path());
        QVERIFY(m_window->loadAndShow());
    }

    void typeOrPaste_data()
    {
        QTest::addColumn<int>("panel"); // toolbar button; 0: none open
        QTest::addColumn<QString>("box"); // empty: pasted through Edit > Paste
        QTest::addColumn<QString>("text");
        // "name=value": a box's text or a bar's value; "name~text": in the box's tool tip;
        // "name>text": the copy entry's text on the clipboard; "!name": the entry is disabled.
        QTest::addColumn<QString>("expected"); // separated by ";"
        const QString hex = u"hsHexRed=51;hsHexGreen=153;hsHexBlue=204"_s;
        QTest::newRow("html number") << 4 << u"txtHexNum"_s << u"#3399CC"_s
                                     << hex
                + u";txtHexRGB=RGB(51,153,204);txtHexDex=13408563;txtHexNum=3399CC;"
                  "mnuEditCopy>3399CC;mnuEditCopyHash>#3399CC;"
                  "mnuEditCopyCss>rgb(51, 153, 204);mnuEditCopyRgb>RGB(51,153,204);"
                  "mnuEditCopyDecimal>13408563"_s;
        QTest::newRow("pasted name")
            << 3 << QString() << u"steelblue"_s << u"hsRed=70;hsGreen=130;hsBlue=180"_s;
        QTest::newRow("pasted, none open") << 0 << QString() << u"rgb(20%, 60%, 80%)"_s << hex;
        QTest::newRow("bars in place")
            << 3 << u"txtDecimal"_s << u"black"_s << u"txtHTML=000000;txtDecimal=0"_s;
        QTest::newRow("catalog name")
            << 2 << u"txtPantoneNum"_s << u"485"_s << u"txtPantoneNum=485 C"_s;
        QTest::newRow("nearest qb color")
            << 1 << u"txtHTMLqb"_s << u"#3399CC"_s << u"txtQBnum~not the same"_s;
        QTest::newRow("no colour in help")
            << 7 << QString() << u"red"_s << u"!mnuEditCopy;!mnuEditPaste"_s;
    }
    void typeOrPaste()
    {
        QFETCH(int, panel);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        if (panel)
            open(panel);
        if (box.isEmpty()) {
            QGuiApplication::clipboard()->setText(text);
            find<QAction>(u"mnuEditPaste"_s)->trigger();
        } else {
            type(box, text);
        }
        for (const QString &check : expected.split(u';')) {
            const QStringList part = check.split(QRegularExpression(u"[=~>!]"_s));
            if (check.startsWith(u'!')) {
                QVERIFY(!find<QAction>(part[1])->isEnabled());
            } else if (check.contains(u'>')) {
                find<QAction>(part[0])->trigger();
                QCOMPARE(QGuiApplication::clipboard()->text(), part[1]);
            } else if (check.contains(u'~')) {
                QVERIFY2(find(part[0])->toolTip().contains(part[1]), qPrintable(check));
            } else if (auto *bar = m_window->window->findChild<QScrollBar *>(part[0])) {
                QCOMPARE(bar->value(), part[1].toInt());
            } else {
                QCOMPARE(find(part[0])->text(), part[1]);
            }
        }
    }

    void typoAndNearestCatalogEntry()
    {
        open(2);
        QLineEdit *number = find(u"txtPantoneNum"_s);
        const QString before = number->text();
        // A typo changes nothing: the box marks it until Escape puts back what it showed.
        type(u"txtPantoneNum"_s, u"#3399CG"_s);
        QVERIFY(number->text() == u"#3399CG"_s && !number->styleSheet().isEmpty());
        QVERIFY(number->toolTip().contains(u"rgb(r, g, b)"_s));
        QTest::keyClick(number, Qt::Key_Escape);
        QCOMPARE(number->text(), before);
        QVERIFY(number->styleSheet().isEmpty() && number->toolTip().isEmpty());

        type(u"txtPantoneNum"_s, u"#3399CC"_s);
        const QRegularExpressionMatch shown
            = QRegularExpression(u"ΔE (\\S+)"_s).match(find(u"txtPantone"_s)->toolTip());
        QVERIFY(shown.hasMatch() && number->text() != before);
        const double deltaE = ciede2000(toLab(13408563), toLab(backColor(find(u"txtPantone"_s))));
        QCOMPARE(shown.captured(1), QString::number(deltaE, 'f', 1));

        // The entry's own colour is an exact match.
        type(u"txtHtmlPantone"_s, find(u"txtHtmlPantone"_s)->text());
        QCOMPARE(number->toolTip(), u"Exact match"_s);
    }

    void pickFromScreen_data()
    {
        QTest::addColumn<QString>("user"); // xdotool's arguments
        QTest::addColumn<QString>("decimal"); // the Swatches panel's, which opens for a pick
        QTest::newRow("click on the desktop") << u"mousemove 600 440 click 1"_s << u"13408563"_s;
        QTest::newRow("escape") << u"key Escape"_s << u"0"_s;
    }
    void pickFromScreen()
    {
        QFETCH(QString, user);
        QFETCH(QString, decimal);
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("Needs an X server");
        auto *pick = find<QAction>(u"mnuEditPick"_s);
        QVERIFY2(pick->isEnabled(), qPrintable(pick->toolTip()));
        pick->trigger();
        QTRY_VERIFY(QWidget::mouseGrabber());
        QCOMPARE(QProcess::execute(u"xdotool"_s, user.split(u' ')), 0);
        QTRY_VERIFY(!QWidget::mouseGrabber());
        QCOMPARE((*m_window)->tlbFirst()->button(5)->isChecked(), decimal != u"0");
        QCOMPARE(find(u"txtColorDecimal"_s)->text(), decimal);
    }
};

QTEST_MAIN(TestColorEntry)
#include "tst_colorentry.moc"
