#include "testsupport.h"

#include "help/helppanel.h"
#include "help/helptexts.h"
#include "preview/browserpanel.h"
#include "selectors/hexpanel.h"
#include "selectors/pantonepanel.h"
#include "selectors/qbpanel.h"
#include "selectors/rgbpanel.h"
#include "selectors/swatchpanel.h"
#include "selectors/swatchpicture.h"
#include "window/controls.h"
#include "window/paneltoolbar.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

using namespace Tintora;
using TestSupport::child;

namespace {

const QString kPage = QStringLiteral("Webdask/WebDask.html");
const QString kTypedSample = QStringLiteral("Typed & kept");
constexpr ColorValue kRed = 255;
// The client area of the closed window: menu bar and borders are not part of it.
const int kClosedClientHeight = pixels(1695 - 690);

QByteArray plainPage(const QByteArray &body)
{
    return "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY "
           "BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
        + body + "</font></body></HTML>\"\r\n";
}

QString fontText(const QFont &font)
{
    return QStringLiteral("bold %1 italic %2 underline %3")
        .arg(font.bold())
        .arg(font.italic())
        .arg(font.underline());
}

// Every value that start-up gives a control and reset gives it again, one line per value,
// sorted, with the toolbar, the menu item and the panels. The sample's text is left out: reset
// keeps what the user typed.
QStringList startValueLines(MainWindow &window)
{
    QStringList lines;
    const auto add = [&lines](const QString &name, const char *what, const QString &value) {
        lines.append(name + u'.' + QLatin1String(what) + QStringLiteral(" = ") + value);
    };
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            if (edit != window.browserPanel()->txtWebSample)
                add(name, "text", edit->text());
            add(name, "back", QString::number(backColor(edit)));
            add(name, "fore", QString::number(foreColor(edit)));
            add(name, "font", fontText(edit->font()));
        } else if (auto *bar = qobject_cast<QScrollBar *>(widget)) {
            add(name, "value", QString::number(bar->value()));
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            add(name, "checked", QString::number(button->isChecked()));
            add(name, "enabled", QString::number(button->isEnabled()));
        } else if (auto *label = qobject_cast<QLabel *>(widget);
                   label && name.startsWith(QLatin1String("lblWeb"))) {
            add(name, "back", QString::number(backColor(label)));
        } else if (auto *text = qobject_cast<QPlainTextEdit *>(widget)) {
            add(name, "text", text->toPlainText());
        } else if (qobject_cast<QGroupBox *>(widget) || qobject_cast<HelpPanel *>(widget)) {
            add(name, "visible", QString::number(widget->isVisible()));
        }
    }
    FormState &state = window.state();
    for (HiddenList *list : {&state.cboPantoneList, &state.cboPantoneRGBred,
                             &state.cboPantoneRGBgreen, &state.cboPantoneRGBblue})
        add(list->objectName(), "index", QString::number(list->currentIndex()));
    add(QStringLiteral("blnMouseUp"), "value", QString::number(state.blnMouseUp));
    add(QStringLiteral("mnuFileReset"), "enabled",
        QString::number(child<QAction>(&window, QStringLiteral("mnuFileReset"))->isEnabled()));
    add(QStringLiteral("client"), "height", QString::number(window.centralWidget()->height()));
    lines.sort();
    return lines;
}

// The form variables that reset sets and the page writer then overwrites.
QStringList formVariableLines(MainWindow &window)
{
    const FormState &state = window.state();
    return {
        QStringLiteral("varWebColor %1")
            .arg(state.varWebColor ? QString::number(*state.varWebColor) : QStringLiteral("empty")),
        QStringLiteral("varDecimal %1").arg(state.varDecimal),
        QStringLiteral("components %1 %2 %3")
            .arg(state.intRed)
            .arg(state.intGreen)
            .arg(state.intBlue),
        QStringLiteral("strHexColor %1").arg(state.strHexColor),
        QStringLiteral("cboHtml %1").arg(state.cboHtml.currentIndex())};
}

QStringList withoutLines(const QStringList &lines, const QStringList &removed)
{
    QStringList kept;
    std::copy_if(lines.cbegin(), lines.cend(), std::back_inserter(kept),
                 [&removed](const QString &line) { return !removed.contains(line); });
    return kept;
}

} // namespace

class TestReset : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void restoresStartValues();
    void twiceGivesSameStateAndRewritesPage();
    void pageFailureReportedAfterEveryOtherStep();
    void colourBoxAfterResetGivesBlack_data();
    void colourBoxAfterResetGivesBlack();
    void raisesDownButtonWithoutToolbarHandling_data();
    void raisesDownButtonWithoutToolbarHandling();

private:
    MainWindow &window() const { return **m_window; }
    BrowserPanel &browser() const { return *window().browserPanel(); }
    QToolButton *button(int index) const { return window().tlbFirst()->button(index); }
    QAction *resetAction() const
    {
        return child<QAction>(&window(), QStringLiteral("mnuFileReset"));
    }

    void clickToolbar(int index);
    void clickBox(QCheckBox *box);
    // A user's session that moves every start value away from where start-up put it. It ends
    // with a mouse button held on the spectrum, as only a held button clears blnMouseUp.
    void changeEverything();
    void releaseSwatchButton();

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
    QStringList m_startValues;
    bool m_swatchButtonHeld = false;
};

void TestReset::init()
{
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY(window().Form_Load());
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    m_startValues = startValueLines(window());
}

void TestReset::cleanup()
{
    releaseSwatchButton();
    m_window.reset();
    m_folder.reset();
}

void TestReset::clickToolbar(int index)
{
    QTest::mouseClick(button(index), Qt::LeftButton);
}

void TestReset::clickBox(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator
        = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    const bool before = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    QVERIFY(box->isChecked() != before);
}

void TestReset::releaseSwatchButton()
{
    if (!m_swatchButtonHeld)
        return;
    m_swatchButtonHeld = false;
    QTest::mouseRelease(window().swatchPanel()->picTintora, Qt::LeftButton, {}, QPoint(40, 40));
}

void TestReset::changeEverything()
{
    MainWindow &w = window();
    w.rgbPanel()->hsRed->setValue(255);
    w.hexPanel()->hsHexRed->setValue(40);
    w.hexPanel()->hsHexGreen->setValue(50);
    w.hexPanel()->hsHexBlue->setValue(60);
    w.qbPanel()->vsQB->setValue(5);
    w.pantonePanel()->vsPantone->setValue(10);

    clickToolbar(5);
    SwatchPicture *spectrum = w.swatchPanel()->picTintora;
    QTest::mouseClick(spectrum, Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(backColor(w.swatchPanel()->txtColor) != kBlack);
    clickToolbar(5);

    // Opening the panel gives the chips the colour boxes' colours, then red is assigned.
    clickToolbar(6);
    QTest::mouseClick(browser().cmdRGB, Qt::LeftButton);
    QCOMPARE(backColor(browser().lblWebRGB), kRed);
    for (QCheckBox *box : {browser().chkFG, browser().chkBG, browser().chkBold,
                           browser().chkItalics, browser().chkUnderline}) {
        clickBox(box);
        if (QTest::currentTestFailed())
            return;
    }
    QLineEdit *sample = browser().txtWebSample;
    sample->setFocus();
    QTest::keyClick(sample, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(sample, kTypedSample);
    QCOMPARE(sample->text(), kTypedSample);
    clickToolbar(6);

    w.rgbPanel()->hsGreen->setValue(20);
    w.rgbPanel()->hsBlue->setValue(30);

    clickToolbar(7);
    QTest::mouseClick(child<QRadioButton>(&w, QStringLiteral("optHelp3")), Qt::LeftButton, {},
                      QPoint(5, 5));
    QCOMPARE(w.helpPanel()->optHelp->checkedId(), 3);
    clickToolbar(7);

    // The button stays held; the toolbar closes the panel by its own click, since every mouse
    // event now goes to the spectrum.
    clickToolbar(5);
    QTest::mousePress(spectrum, Qt::LeftButton, {}, QPoint(40, 40));
    m_swatchButtonHeld = true;
    QVERIFY(!w.state().blnMouseUp);
    button(5)->click();
    QVERIFY(!w.swatchPanel()->isVisible());
    QVERIFY(resetAction()->isEnabled());
}

void TestReset::restoresStartValues()
{
    MainWindow &w = window();
    FormState &state = w.state();
    changeEverything();
    if (QTest::currentTestFailed())
        return;

    // The session must have moved every start value, or reset would have nothing to restore.
    const QStringList changed = withoutLines(m_startValues, startValueLines(w));
    const char *const moved[]
        = {"txtWebSample.fore",    "txtWebSample.back",    "txtWebSample.font",
           "hsRed.value",          "hsGreen.value",        "hsBlue.value",
           "hsHexRed.value",       "hsHexGreen.value",     "hsHexBlue.value",
           "vsQB.value",           "vsPantone.value",      "txtRGBnum.text",
           "txtDecimal.text",      "txtColorDecimal.text", "txtHexNum.text",
           "txtRGBqb.text",        "txtRgbPantone.text",   "txtHexDex.text",
           "txtHexRGB.text",       "txtHTML.text",         "txtHtmlPantone.text",
           "txtHTMLqb.text",       "txtColorRgb.text",     "txtColorHtml.text",
           "txtRGB.back",          "txtColor.back",        "txtHex.back",
           "txtQB.back",           "txtPantone.back",      "txtPantoneNum.text",
           "lblWebHtml.back",      "lblWebPantone.back",   "lblWebQB.back",
           "lblWebRGB.back",       "lblWebSwatch.back",    "chkFG.checked",
           "chkBG.checked",        "chkBold.checked",      "chkItalics.checked",
           "chkUnderline.checked", "optHelp7.checked",     "txtHelpOutput.text",
           "cboPantoneList.index", "blnMouseUp.value"};
    for (const char *item : moved) {
        const QString prefix = QLatin1String(item) + QStringLiteral(" = ");
        QVERIFY2(std::any_of(changed.cbegin(), changed.cend(),
                             [&prefix](const QString &line) { return line.startsWith(prefix); }),
                 item);
    }
    QCOMPARE(state.varWebColor, std::optional<ColorValue>(kRed));

    resetAction()->trigger();

    QCOMPARE(startValueLines(w), m_startValues);

    // The same, spelled out, so that a fault shared with start-up shows too.
    for (QLineEdit *box :
         {w.rgbPanel()->txtRGBnum, w.qbPanel()->txtRGBqb, w.pantonePanel()->txtRgbPantone,
          w.hexPanel()->txtHexRGB, w.swatchPanel()->txtColorRgb})
        QCOMPARE(box->text(), QStringLiteral("RGB(0, 0, 0)"));
    for (QLineEdit *box :
         {w.hexPanel()->txtHexNum, w.rgbPanel()->txtHTML, w.pantonePanel()->txtHtmlPantone,
          w.qbPanel()->txtHTMLqb, w.swatchPanel()->txtColorHtml})
        QCOMPARE(box->text(), QStringLiteral("000000"));
    for (QLineEdit *box : {w.rgbPanel()->txtDecimal, w.swatchPanel()->txtColorDecimal,
                           w.hexPanel()->txtHexDex, w.qbPanel()->txtQBnum})
        QCOMPARE(box->text(), QStringLiteral("0"));
    for (QWidget *box : std::initializer_list<QWidget *> {
             w.rgbPanel()->txtRGB, w.swatchPanel()->txtColor, w.hexPanel()->txtHex,
             w.qbPanel()->txtQB, w.pantonePanel()->txtPantone, browser().lblWebHtml,
             browser().lblWebPantone, browser().lblWebQB, browser().lblWebRGB,
             browser().lblWebSwatch})
        QCOMPARE(backColor(box), kBlack);
    for (QScrollBar *bar :
         {w.rgbPanel()->hsRed, w.rgbPanel()->hsGreen, w.rgbPanel()->hsBlue, w.hexPanel()->hsHexRed,
          w.hexPanel()->hsHexGreen, w.hexPanel()->hsHexBlue, w.qbPanel()->vsQB})
        QCOMPARE(bar->value(), 0);

    // The first catalogue entry, "Yellow C", starts with no number: the bar goes to 0.
    for (HiddenList *list : {&state.cboPantoneList, &state.cboPantoneRGBred,
                             &state.cboPantoneRGBgreen, &state.cboPantoneRGBblue})
        QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(w.pantonePanel()->vsPantone->value(), 0);
    QCOMPARE(w.pantonePanel()->txtPantoneNum->text(), QStringLiteral("0"));

    QLineEdit *sample = browser().txtWebSample;
    QCOMPARE(foreColor(sample), kBlack);
    QCOMPARE(backColor(sample), kWhite);
    QVERIFY(!sample->font().bold());
    QVERIFY(!sample->font().italic());
    QVERIFY(!sample->font().underline());
    for (QCheckBox *box : {browser().chkFG, browser().chkBG, browser().chkBold,
                           browser().chkItalics, browser().chkUnderline})
        QVERIFY(!box->isChecked());
    QCOMPARE(sample->text(), kTypedSample);

    QCOMPARE(w.helpPanel()->optHelp->checkedId(), kContactTopic);
    QCOMPARE(w.helpPanel()->txtHelpOutput->toPlainText(),
             helpTopicText(kContactTopic).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(w.centralWidget()->height(), kClosedClientHeight);
    QVERIFY(state.blnMouseUp);

    // Reset sets these to 0 and empty, but its last step, the page writer, converts the white
    // back colour and leaves that conversion behind, the hex table on its blue entry "FF".
    QCOMPARE(formVariableLines(w),
             (QStringList {"varWebColor 0", "varDecimal 16777215", "components 255 255 255",
                           "strHexColor FFFFFF", "cboHtml 255"}));

    QCOMPARE(m_folder->read(kPage), plainPage("Typed &amp; kept"));
    QVERIFY(browser().cmdRefresh->isEnabled());
}

void TestReset::twiceGivesSameStateAndRewritesPage()
{
    changeEverything();
    if (QTest::currentTestFailed())
        return;
    resetAction()->trigger();
    const QStringList values = startValueLines(window());
    const QStringList variables = formVariableLines(window());
    const QByteArray page = m_folder->read(kPage);
    QCOMPARE(page, plainPage("Typed &amp; kept"));

    m_folder->write(kPage, "\"changed by hand\"\r\n");
    resetAction()->trigger();

    QCOMPARE(startValueLines(window()), values);
    QCOMPARE(formVariableLines(window()), variables);
    QCOMPARE(m_folder->read(kPage), page);
}

void TestReset::pageFailureReportedAfterEveryOtherStep()
{
    window().rgbPanel()->hsRed->setValue(255);
    clickToolbar(6);
    clickBox(browser().chkBold);
    clickToolbar(6);
    m_folder->remove(QStringLiteral("Webdask"));

    // What the window shows while the failure is on screen, answered with OK.
    QStringList messages;
    QStringList shownValues;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        messages.append(box->text());
        shownValues = startValueLines(window());
        box->done(QMessageBox::Ok);
    });
    probe.start(10);
    resetAction()->trigger();
    probe.stop();

    QCOMPARE(messages, QStringList {QStringLiteral("76")});
    const QString refreshEnabled = QStringLiteral("cmdRefresh.enabled = 1");
    QVERIFY(m_startValues.contains(refreshEnabled));
    QStringList expected = m_startValues;
    expected.replace(expected.indexOf(refreshEnabled), QStringLiteral("cmdRefresh.enabled = 0"));
    QCOMPARE(shownValues, expected);
    QCOMPARE(startValueLines(window()), expected);
}

void TestReset::colourBoxAfterResetGivesBlack_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("textColor");
    QTest::newRow("Text Color") << "chkFG" << true;
    QTest::newRow("Back Color") << "chkBG" << false;
}

void TestReset::colourBoxAfterResetGivesBlack()
{
    QFETCH(QString, box);
    QFETCH(bool, textColor);
    QLineEdit *sample = browser().txtWebSample;
    auto *checkBox = child<QCheckBox>(&browser(), box);

    window().rgbPanel()->hsRed->setValue(255);
    clickToolbar(6);
    QTest::mouseClick(browser().cmdRGB, Qt::LeftButton);
    clickBox(checkBox);
    QCOMPARE(textColor ? foreColor(sample) : backColor(sample), kRed);
    clickToolbar(6);

    resetAction()->trigger();
    QVERIFY(!checkBox->isChecked());
    QCOMPARE(foreColor(sample), kBlack);
    QCOMPARE(backColor(sample), kWhite);

    clickToolbar(6);
    clickBox(checkBox);
    QCOMPARE(textColor ? foreColor(sample) : backColor(sample), kBlack);
    QCOMPARE(textColor ? backColor(sample) : foreColor(sample), textColor ? kWhite : kBlack);
}

void TestReset::raisesDownButtonWithoutToolbarHandling_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("disabledFirst");
    QTest::newRow("QB Colors") << 1 << false;
    QTest::newRow("Pantone") << 2 << false;
    QTest::newRow("RGB") << 3 << false;
    QTest::newRow("Hex") << 4 << false;
    QTest::newRow("Swatches") << 5 << false;
    QTest::newRow("Web Browser") << 6 << false;
    QTest::newRow("Help") << 7 << false;
    QTest::newRow("a down button that is disabled is enabled too") << 3 << true;
}

void TestReset::raisesDownButtonWithoutToolbarHandling()
{
    QFETCH(int, index);
    QFETCH(bool, disabledFirst);
    clickToolbar(index);
    QWidget *panel = nullptr;
    const QList<QWidget *> children
        = window().centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *candidate : children) {
        if (candidate->isVisible() && candidate->height() > 0
            && (qobject_cast<QGroupBox *>(candidate) || qobject_cast<HelpPanel *>(candidate)))
            panel = candidate;
    }
    QVERIFY(panel);
    const QRect panelGeometry = panel->geometry();
    QVERIFY(window().centralWidget()->height() > kClosedClientHeight);
    // The menu item is locked while a panel is open, and a disabled action ignores a trigger:
    // the handler is called the way the item would call it.
    QVERIFY(!resetAction()->isEnabled());
    if (disabledFirst)
        button(index)->setEnabled(false);

    window().mnuFileReset_Click();

    QVERIFY(!button(index)->isChecked());
    QVERIFY(button(index)->isEnabled());
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->geometry(), panelGeometry);
    for (int other = 1; other <= window().tlbFirst()->buttonCount(); ++other) {
        if (other != index)
            QVERIFY(!button(other)->isEnabled());
    }
    QVERIFY(!resetAction()->isEnabled());
    QCOMPARE(window().centralWidget()->height(), kClosedClientHeight);
    QCOMPARE(m_folder->read(kPage), plainPage("Text Sample"));
}

QTEST_MAIN(TestReset)
#include "tst_reset.moc"
