#include "testsupport.h"

#include "core/pagetext.h"
#include "widgets/controls.h"
#include "widgets/swatchpicture.h"
#include "window/paneltoolbar.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;
using TestSupport::textColor;

// The panels of a started window, driven through their own controls as a user does.
class TestPanels : public TestSupport::WindowTest
{
    Q_OBJECT

private slots:
    void selectorShowsColour_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("checks");
        QTest::newRow("RGB red")
            << 3 << u"hsRed=255"_s
            << u"txtRGBnum=RGB(255,0,0);txtHTML=FF0000;txtDecimal=255;txtRGB:255"_s;
        QTest::newRow("RGB back to black drops the blanks")
            << 3 << u"hsGreen=7 hsGreen=0"_s
            << u"txtRGBnum=RGB(0,0,0);txtHTML=000000;txtDecimal=0"_s;
        QTest::newRow("regression: the right arrow key moved a bar to the left")
            << 3 << u"hsBlue>Right hsBlue>Right"_s << u"txtRGBnum=RGB(0,0,2);txtDecimal=131072"_s;
        QTest::newRow("hex keeps leading zeros")
            << 4 << u"hsHexRed=16 hsHexGreen=15 hsHexBlue=10"_s
            << u"txtHexNum=100F0A;txtHexDex=659216;txtHex:659216"_s;
        QTest::newRow("QB dark red by keys")
            << 1 << u"vsQB>Down vsQB>Down vsQB>PgDown vsQB>Down"_s
            << u"txtQBnum=4;txtRGBqb=RGB(128,0,0);txtHTMLqb=800000;"
               u"txtQB:128"_s;
        QTest::newRow("Pantone first entry")
            << 2 << u"vsPantone=1 vsPantone=0"_s
            << u"txtPantoneNum=Yellow C;txtRgbPantone=RGB(255,221,0);txtHtmlPantone=FFDD00;"
               u"txtPantone:56831"_s;
        QTest::newRow("Pantone last entry")
            << 2 << u"vsPantone=940"_s
            << u"txtPantoneNum=2225 C;txtRgbPantone=RGB(112,211,225);txtHtmlPantone=70D3E1"_s;
        QTest::newRow("grey ramp top left")
            << 5 << u"picBwBox@0,0"_s
            << u"txtColorDecimal=16580348;txtColorRgb=RGB(252,254,252);txtColorHtml=FCFEFC"_s;
        QTest::newRow("spectrum, dragged back from the grey ramp")
            << 5 << u"picTintora@10,10 picBwBox~10,10 picTintora~30,0"_s
            << u"txtColorDecimal=325348;txtColorRgb=RGB(228,246,4);txtColorHtml=E4F604;"
               u"txtColor:325348"_s;
        const QString black = u"txtColorDecimal=0;txtColorRgb=RGB(0,0,0);txtColorHtml=000000"_s;
        QTest::newRow("spectrum's sunken edge: black")
            << 5 << u"picTintora@10,10 picTintora~-1,10"_s << black;
        QTest::newRow("spectrum's clipped last column: black")
            << 5 << u"picTintora@10,10 picTintora~157,0"_s << black;
        QTest::newRow("moves after the release pick nothing")
            << 5 << u"picBwBox@0,0 ^ picBwBox~40,40"_s << u"txtColorDecimal=16580348"_s;
        QTest::newRow("QB Number box takes the last number, 15")
            << 1 << u"txtQBnum:15"_s << u"txtRGBqb=RGB(255,255,255);txtQBnum~"_s;
        QTest::newRow("nearest QB colour noted")
            << 1 << u"txtHTMLqb:#3399CC"_s << u"txtQBnum=3;txtQBnum~not the same"_s;
        QTest::newRow("the QB note goes when the bar moves on")
            << 1 << u"txtHTMLqb:#3399CC vsQB>Down"_s << u"txtQBnum=4;txtQBnum~"_s;
        QTest::newRow("leaving a read-out puts back what a typo replaced")
            << 3 << u"hsGreen=1 txtHTML:#3399CG txtHTML>Tab"_s << u"txtHTML=000100"_s;
    }
    void selectorShowsColour()
    {
        QFETCH(int, panel);
        QFETCH(QString, steps);
        QFETCH(QString, checks);
        clickButton(panel);
        perform(steps);
        verifyChecks(checks);
        if (!m_held.isEmpty())
            QTest::mouseRelease(screen(), Qt::LeftButton);
        m_held.clear();
    }
    // The read-outs follow the thumb while it is dragged, not only when it is let go.
    void dragUpdatesAtEveryPosition()
    {
        clickButton(3);
        auto *bar = find<QScrollBar>(u"hsGreen"_s);
        bar->setSliderDown(true);
        for (int position : {3, 9, 27}) {
            bar->setSliderPosition(position);
            verifyChecks(u"txtRGBnum=RGB(0,%1,0)"_s.arg(position));
        }
        bar->setSliderDown(false);
    }
    // "485" offers "485 C", not "1485 C".
    void completionOffersNamesStartingWithTheText()
    {
        clickButton(2);
        auto *box = find<QLineEdit>(u"txtPantoneNum"_s);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, u"485"_s);
        const QAbstractItemModel *offered = box->completer()->completionModel();
        QCOMPARE(offered->rowCount(), 1);
        QCOMPARE(offered->index(0, 0).data().toString(), u"485 C"_s);
    }
    // Opening the Web Browser panel gives each chip its panel's colour, and its button assigns
    // that colour, which the sample takes once "Text Color" is ticked again.
    void assignmentButtonTakesItsPanelsColour()
    {
        const QString sources[][5]
            = {{u"2"_s, u"vsPantone=3"_s, u"txtPantone"_s, u"cmdPantone"_s, u"lblWebPantone"_s},
               {u"1"_s, u"vsQB=4"_s, u"txtQB"_s, u"cmdQB"_s, u"lblWebQB"_s},
               {u"3"_s, u"hsBlue=1"_s, u"txtRGB"_s, u"cmdRGB"_s, u"lblWebRGB"_s},
               {u"4"_s, u"hsHexGreen=2"_s, u"txtHex"_s, u"cmdWebHtml"_s, u"lblWebHtml"_s},
               {u"5"_s, u"picTintora@30,0 ^"_s, u"txtColor"_s, u"cmdSwatch"_s, u"lblWebSwatch"_s}};
        auto *sample = find(u"txtWebSample"_s);
        clickButton(6);
        clickControl(u"chkFG"_s);
        clickButton(6);
        ColorValue previous = kBlack;
        for (const auto &[panel, steps, box, button, chip] : sources) {
            clickButton(panel.toInt());
            perform(steps);
            clickButton(panel.toInt());
            const ColorValue color = backColor(find(box));
            QVERIFY(color != previous);
            clickButton(6);
            QCOMPARE(backColor(find(chip)), color);
            QTest::mouseClick(find(button), Qt::LeftButton);
            QCOMPARE(textColor(sample), previous);
            clickControl(u"chkFG"_s);
            clickControl(u"chkFG"_s);
            QCOMPARE(textColor(sample), previous = color);
            clickButton(6);
        }
    }
    void checkBoxesStyleTheSample()
    {
        perform(u"hsRed=255"_s);
        clickButton(6);
        auto *sample = find<QLineEdit>(u"txtWebSample"_s);
        const auto look = [sample] {
            const QFont font = sample->font();
            return QString::asprintf("fore %d back %d style %d%d%d", textColor(sample),
                                     backColor(sample), font.bold(), font.italic(),
                                     font.underline());
        };
        // Before any assignment the colour boxes apply black.
        clickControl(u"chkBG"_s);
        QCOMPARE(look(), u"fore 0 back 0 style 000"_s);
        clickControl(u"chkBG"_s);
        QTest::mouseClick(find(u"cmdRGB"_s), Qt::LeftButton);
        for (const QString &box : {u"chkFG"_s, u"chkBG"_s, u"chkBold"_s, u"chkItalics"_s})
            clickControl(box);
        QCOMPARE(look(), u"fore 255 back 255 style 110"_s);
        // Bold twice is plain again; unticking the colours gives black on white.
        for (const QString &box : {u"chkFG"_s, u"chkBG"_s, u"chkBold"_s, u"chkUnderline"_s})
            clickControl(box);
        QCOMPARE(look(), u"fore 0 back 16777215 style 011"_s);
    }
    // A failed write says its number without an icon, keeps the old page and leaves Refresh off
    // until a write succeeds; the page is written with the sample's colours as HTML Numbers and
    // the tags of the ticked styles.
    void writesPageOrReportsFailure()
    {
        perform(u"hsHexRed=86 hsHexGreen=52 hsHexBlue=18"_s);
        clickButton(6);
        const QString page = u"Webdask/WebDask.html"_s;
        const QByteArray oldPage = m_folder->read(page);
        QTest::mouseClick(find(u"cmdWebHtml"_s), Qt::LeftButton);
        for (const QString &box : {u"chkFG"_s, u"chkBold"_s, u"chkItalics"_s})
            clickControl(box);
        QVERIFY(QFile::setPermissions(m_folder->filePath(page), QFile::ReadOwner));

        TestSupport::MessageBoxWatcher watcher;
        QTest::mouseClick(find(u"cmdWriteWeb"_s), Qt::LeftButton);
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages().first().title, u"Tintora Conversions"_s);
        QCOMPARE(watcher.messages().first().text, u"70"_s);
        QCOMPARE(watcher.messages().first().icon, QMessageBox::NoIcon);
        QVERIFY(!find(u"cmdRefresh"_s)->isEnabled());
        QCOMPARE(m_folder->read(page), oldPage);

        QVERIFY(
            QFile::setPermissions(m_folder->filePath(page), QFile::ReadOwner | QFile::WriteOwner));
        QTest::mouseClick(find(u"cmdWriteWeb"_s), Qt::LeftButton);
        QCOMPARE(watcher.messages().size(), 1);
        QVERIFY(find(u"cmdRefresh"_s)->isEnabled());
        QCOMPARE(m_folder->read(page),
                 "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY "
                 "BGCOLOR=FFFFFF FGCOLOR=563412><font color=563412 size=2 name=Arial><b><I>Text "
                 "Sample</I></b></font></body></HTML>\"\r\n"_ba);
    }
    // A long sample is taken and written whole, up to the limit; past it a paste or a key is
    // refused whole, with a note, and the page still holds exactly what the box holds.
    void longSample()
    {
        clickButton(6);
        auto *sample = find<QLineEdit>(u"txtWebSample"_s);
        const QString longest(kMaxSampleLength, u'\u00e9');
        QGuiApplication::clipboard()->setText(longest);
        sample->setFocus();
        sample->selectAll();
        QTest::keySequence(sample, QKeySequence::Paste);
        QGuiApplication::clipboard()->setText(u"xy"_s);
        QTest::keySequence(sample, QKeySequence::Paste);
        QTest::keyClick(sample, Qt::Key_Z);
        QVERIFY(sample->text() == longest && QToolTip::text().contains(u"at most"_s));
        clickControl(u"cmdWriteWeb"_s);
        QCOMPARE(m_folder->read(u"Webdask/WebDask.html"_s).count("&#233;"), kMaxSampleLength);
    }
    // The contrast read-out follows the colours the page is written with, and a screen reader reads
    // the ratio with its verdicts.
    void contrastFollowsTheSample()
    {
        perform(u"hsRed=119 hsGreen=119 hsBlue=119"_s);
        clickButton(6);
        auto *label = find<QLabel>(u"lblContrast"_s);
        QAccessibleInterface *readout = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(readout->text(QAccessible::Name), u"Contrast of the sample text"_s);
        QCOMPARE(label->text(), u"Contrast 21:1\nAA pass · AAA pass"_s);
        QTest::mouseClick(find(u"cmdRGB"_s), Qt::LeftButton);
        clickControl(u"chkFG"_s);
        QCOMPARE(label->text(), u"Contrast 4.48:1\nAA large only · AAA fail"_s);
        QCOMPARE(readout->text(QAccessible::Description),
                 u"4.48:1. Level AA: normal text fails, large text passes. "
                 "Level AAA: normal text fails, large text fails."_s);
        clickControl(u"chkBG"_s);
        QCOMPARE(label->text(), u"Contrast 1:1\nAA fail · AAA fail"_s);
        (*m_window)->reset();
        QCOMPARE(label->text(), u"Contrast 21:1\nAA pass · AAA pass"_s);
    }

private:
    // Mouse events go to the window, as the window system delivers them, so that they reach the
    // control under the pointer.
    QWindow *screen() const { return (*m_window)->windowHandle(); }
    QPoint at(const QString &picture, const QString &point) const
    {
        auto *target = find<SwatchPicture>(picture);
        const QStringList xy = point.split(u',');
        return target->mapTo(m_window->window.get(), target->contentsRect().topLeft())
            + QPoint(xy.at(0).toInt(), xy.at(1).toInt());
    }
    void perform(const QString &steps);
    void verifyChecks(const QString &checks) const;

    QString m_held; // the picture on which the button is held
};

// Steps: "bar=value" sets a bar as the program does, "control>Key" presses a key on it,
// "box:text" types a text into a box and Enter, "picture@x,y" presses the left button at a
// point of its inner area and "picture~x,y" moves there, "^" lets the button go.
void TestPanels::perform(const QString &steps)
{
    const QStringList list = steps.split(u' ');
    for (const QString &step : list) {
        const QString name = step.section(QRegularExpression(u"[=>:@~]"_s), 0, 0);
        const QString arg = step.mid(name.size() + 1);
        if (step == u"^"_s) {
            QTest::mouseRelease(screen(), Qt::LeftButton, {}, at(m_held, u"0,0"_s));
            QCOMPARE(find(m_held)->cursor().shape(), Qt::ArrowCursor);
            m_held.clear();
        } else if (step.at(name.size()) == u'=') {
            find<QScrollBar>(name)->setValue(arg.toInt());
        } else if (step.at(name.size()) == u'>') {
            QTest::keyClick(find(name), QKeySequence(arg)[0].key());
        } else if (step.at(name.size()) == u':') {
            type(name, arg);
        } else if (step.at(name.size()) == u'@') {
            QTest::mousePress(screen(), Qt::LeftButton, {}, at(name, arg));
            QCOMPARE(find(name)->cursor().shape(), Qt::CrossCursor);
            m_held = name;
        } else {
            QTest::mouseMove(screen(), at(name, arg));
        }
    }
}

// Checks are "box=text" for a read-out's text, "box~text" for a text in its tool tip ("box~":
// none) and "box:value" for a colour box's colour value.
void TestPanels::verifyChecks(const QString &checks) const
{
    const QStringList list = checks.split(u';');
    for (const QString &check : list) {
        const QString name = check.section(QRegularExpression(u"[=~:]"_s), 0, 0);
        const QString arg = check.mid(name.size() + 1);
        if (check.at(name.size()) == u'=') {
            QCOMPARE(find<QLineEdit>(name)->text(), arg);
        } else if (check.at(name.size()) == u'~') {
            const QString tip = find(name)->toolTip();
            QVERIFY2(arg.isEmpty() ? tip.isEmpty() : tip.contains(arg), qPrintable(tip));
        } else {
            QCOMPARE(backColor(find(name)), arg.toInt());
        }
    }
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
