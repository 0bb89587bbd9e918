#include "testsupport.h"

#include "panels/browserpanel.h"
#include "panels/swatchpanel.h"
#include "widgets/controls.h"
#include "widgets/swatchpicture.h"
#include "window/paneltoolbar.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;

namespace {

const QByteArray kTypedPage
    = "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY BGCOLOR=FFFFFF "
      "FGCOLOR=000000><font color=000000 size=2 name=Arial>Text Sample, typed &amp; kept</font>"
      "</body></HTML>\"\r\n"_ba;

// The values that start-up gives and reset gives again, one line per control, sorted: boxes'
// colours, font and text, bars, buttons, chips, help text and hidden lists. The sample's text is
// left out: reset keeps what the user typed. The closed window's own (panels, toolbar, menu item,
// height) are left to raisesDownButtonWithoutToolbarHandling.
QStringList startValues(MainWindow &window)
{
    QStringList lines;
    for (QWidget *widget : window.findChildren<QWidget *>(QRegularExpression(u"^(?!qt_)."_s))) {
        const QString name = widget->objectName();
        if (qobject_cast<QLineEdit *>(widget) || name.startsWith(u"lblWeb"_s)) {
            const QFont font = widget->font();
            lines.append(name
                         + QString::asprintf(" = %d on %d, %d%d%d ", foreColor(widget),
                                             backColor(widget), font.bold(), font.italic(),
                                             font.underline()));
            if (widget != window.browserPanel()->txtWebSample)
                lines.last() += widget->property("text").toString();
        } else if (auto *bar = qobject_cast<QScrollBar *>(widget)) {
            lines.append(name + u" = "_s + QString::number(bar->value()));
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            lines.append(name + u" = "_s + QString::number(button->isChecked()));
        } else if (auto *text = qobject_cast<QPlainTextEdit *>(widget)) {
            lines.append(name + u" = "_s + text->toPlainText());
        }
    }
    FormState &state = window.state();
    for (HiddenList *list : {&state.cboPantoneList, &state.cboPantoneRGBred,
                             &state.cboPantoneRGBgreen, &state.cboPantoneRGBblue})
        lines.append(list->objectName() + u" = "_s + QString::number(list->currentIndex()));
    lines.append(u"blnMouseUp = "_s + QString::number(state.blnMouseUp));
    lines.sort();
    return lines;
}

} // namespace

class TestReset : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void restoresStartValuesOnceAndAgain();
    void raisesDownButtonWithoutToolbarHandling_data();
    void raisesDownButtonWithoutToolbarHandling();

private:
    MainWindow &window() const { return **m_window; }
    QToolButton *button(int index) const { return window().tlbFirst()->button(index); }
    QAction *resetAction() const { return child<QAction>(&window(), u"mnuFileReset"_s); }
    void clickToolbar(int index) { QTest::mouseClick(button(index), Qt::LeftButton); }
    // A user's session that moves every start value away from where start-up put it.
    void changeEverything();

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
    QStringList m_startValues;
    bool m_spectrumHeld = false;
};

void TestReset::init()
{
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY(window().Form_Load());
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    m_startValues = startValues(window());
}

void TestReset::cleanup()
{
    if (m_spectrumHeld)
        QTest::mouseRelease(window().swatchPanel()->picTintora, Qt::LeftButton, {}, QPoint(40, 40));
    m_spectrumHeld = false;
    m_window.reset();
    m_folder.reset();
}

void TestReset::changeEverything()
{
    for (const char *bar :
         {"hsRed", "hsGreen", "hsBlue", "hsHexRed", "hsHexGreen", "hsHexBlue", "vsQB", "vsPantone"})
        child<QScrollBar>(&window(), QLatin1String(bar))->setValue(5);
    // The button stays held on the spectrum, as only a held button clears blnMouseUp; the toolbar
    // button is clicked without the mouse, which is still down.
    clickToolbar(5);
    QTest::mousePress(window().swatchPanel()->picTintora, Qt::LeftButton, {}, QPoint(40, 40));
    m_spectrumHeld = true;
    button(5)->click();

    // Opening the panel gives the chips the colour boxes' colours, then one is assigned.
    clickToolbar(6);
    BrowserPanel *browser = window().browserPanel();
    QTest::mouseClick(browser->cmdRGB, Qt::LeftButton);
    for (QCheckBox *box : {browser->chkFG, browser->chkBG, browser->chkBold, browser->chkItalics,
                           browser->chkUnderline})
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QTest::keyClicks(browser->txtWebSample, u", typed & kept"_s);
    clickToolbar(6);

    clickToolbar(7);
    QTest::mouseClick(child<QWidget>(&window(), u"optHelp3"_s), Qt::LeftButton, {}, QPoint(5, 5));
    clickToolbar(7);
}

void TestReset::restoresStartValuesOnceAndAgain()
{
    changeEverything();
    // The session must have moved every start value, or reset would have nothing to restore;
    // only buttons may stay as they were.
    const QStringList session = startValues(window());
    const QRegularExpression button(u"^(cmd|tlbFirstButton|optHelp)"_s);
    for (const QString &line : std::as_const(m_startValues))
        QVERIFY2(!session.contains(line) || button.match(line).hasMatch(), qPrintable(line));

    resetAction()->trigger();

    QCOMPARE(startValues(window()), m_startValues);
    QVERIFY(!window().browserPanel()->txtWebSample->font().bold());
    QCOMPARE(m_folder->read(u"Webdask/WebDask.html"_s), kTypedPage);

    // Again: the same state, and the page written anew.
    m_folder->write(u"Webdask/WebDask.html"_s, "\"changed by hand\"\r\n");
    resetAction()->trigger();
    QCOMPARE(startValues(window()), m_startValues);
    QCOMPARE(m_folder->read(u"Webdask/WebDask.html"_s), kTypedPage);
}

void TestReset::raisesDownButtonWithoutToolbarHandling_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("disabledFirst");
    for (int index = 1; index <= 7; ++index)
        QTest::newRow(qPrintable(u"button %1"_s.arg(index))) << index << false;
    QTest::newRow("a down button that is disabled is enabled too") << 3 << true;
}

void TestReset::raisesDownButtonWithoutToolbarHandling()
{
    QFETCH(int, index);
    QFETCH(bool, disabledFirst);
    clickToolbar(index);
    // The menu item is locked while a panel is open, and a disabled action ignores a trigger:
    // the handler is called the way the item would call it.
    button(index)->setEnabled(!disabledFirst);

    window().mnuFileReset_Click();

    // The toolbar's handling would close the panel and unlock the other buttons and the menu.
    QVERIFY(!button(index)->isChecked() && button(index)->isEnabled());
    for (int other = 1; other <= 7; ++other)
        QCOMPARE(button(other)->isEnabled(), other == index);
    QVERIFY(!resetAction()->isEnabled());
    // The client area of the closed window: menu bar and borders are not part of it.
    QCOMPARE(window().centralWidget()->height(), pixels(1695 - 690));
}

QTEST_MAIN(TestReset)
#include "tst_reset.moc"
