#include "testsupport.h"

#include "core/colordifference.h"
#include "core/contrast.h"
#include "panels/mixerpanel.h"
#include "widgets/controls.h"
#include "widgets/screenpicker.h"
#include "widgets/swatchpicture.h"
#include "window/paneltoolbar.h"
#include "window/splashwindow.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <xcb/xcb.h>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;
using TestSupport::textColor;

namespace {

enum class Way { Click, Key, Toggle }; // how a toolbar button is worked

} // namespace

// The window on a copy of the shipped data: its pictures after start-up and after Reset, the
// toolbar, start-up and the ways out.
class TestMainWindow : public TestSupport::WindowTest
{
    Q_OBJECT

private slots:
    // After a session that changed every start value, Reset shows the window as start-up did, keeps
    // the typed sample and writes it; twice gives the same.
    void picturesAfterStartUpAndReset()
    {
        verifyPictures();
        for (const QString &bar : {u"hsRed"_s, u"hsGreen"_s, u"hsBlue"_s, u"hsHexRed"_s,
                                   u"hsHexGreen"_s, u"hsHexBlue"_s, u"vsQB"_s, u"vsPantone"_s})
            find<QScrollBar>(bar)->setValue(5);
        clickButton(5);
        clickControl(u"picTintora"_s);
        clickButton(5);
        clickButton(6);
        for (const QString &name : {u"cmdRGB"_s, u"chkFG"_s, u"chkBG"_s, u"chkBold"_s,
                                    u"chkItalics"_s, u"chkUnderline"_s})
            clickControl(name);
        auto *sample = find<QLineEdit>(u"txtWebSample"_s);
        QTest::keyClicks(sample, u" & kept"_s);
        clickButton(6);
        clickButton(7);
        clickControl(u"optHelp3"_s);
        clickButton(7);

        for (int time = 0; time < 2; ++time) {
            find<QAction>(u"mnuFileReset"_s)->trigger();
            QCOMPARE(
                m_folder->read(u"Webdask/WebDask.html"_s),
                "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY "
                "BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>Text Sample "
                "&amp; kept</font></body></HTML>\"\r\n"_ba);
            QCOMPARE(sample->text(), u"Text Sample & kept"_s);
            // The pictures show the sample as start-up left it.
            sample->setText(u"Text Sample"_s);
            verifyPictures();
            sample->setText(u"Text Sample & kept"_s);
            find<QScrollBar>(u"hsRed"_s)->setValue(9);
        }
        // The colour assigned before is forgotten: "Text Color" gives black.
        clickButton(6);
        clickControl(u"chkFG"_s);
        QCOMPARE(textColor(sample), kBlack);
    }
    void openAndClosePanel_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("focus"); // empty: the focus stays where it was
        QTest::newRow("QB Colors") << 1 << Way::Click << u"fraQBcolors"_s << u"vsQB"_s;
        QTest::newRow("Pantone") << 2 << Way::Click << u"fraPantone"_s << u"vsPantone"_s;
        QTest::newRow("RGB") << 3 << Way::Click << u"fraRGB"_s << u"hsRed"_s;
        QTest::newRow("Hex by Alt+4") << 4 << Way::Key << u"fraHtml"_s << u"hsHexRed"_s;
        QTest::newRow("Swatches") << 5 << Way::Click << u"fraSwatches"_s << u"picTintora"_s;
        QTest::newRow("Web Browser") << 6 << Way::Click << u"FraBrowser"_s << QString();
        QTest::newRow("regression: Help by an assistive tool's toggle")
            << 7 << Way::Toggle << u"fraTextHelp"_s << QString();
    }
    void openAndClosePanel()
    {
        QFETCH(int, index);
        QFETCH(Way, way);
        QFETCH(QString, panel);
        QFETCH(QString, focus);
        auto *reset = find<QAction>(u"mnuFileReset"_s);
        const int closedHeight = (*m_window)->height();
        QWidget *before = find(u"txtWebSample"_s);
        before->setFocus();
        const auto work = [&] {
            if (way == Way::Key)
                QTest::keyClick((*m_window)->windowHandle(), Qt::Key(Qt::Key_0 + index),
                                Qt::AltModifier);
            else if (way == Way::Toggle)
                button(index)->toggle();
            else
                clickButton(index);
        };

        work();
        QTRY_VERIFY(find(panel)->isVisible());
        QVERIFY((*m_window)->height() > closedHeight);
        // A locked button names the one that unlocks it, with its key.
        const QString unlock = u"press %1 (Alt+%2) again"_s.arg(button(index)->accessibleName());
        for (int other = 1; other <= 7; ++other)
            QVERIFY(button(other)->isEnabled() == (other == index)
                    && button(other)->toolTip().contains(unlock.arg(index)) == (other != index));
        QVERIFY(!reset->isEnabled());
        QCOMPARE(QApplication::focusWidget(), focus.isEmpty() ? before : find(focus));
        // Without the browser plug-in the Web Browser panel says so, once it has painted.
        const auto fallback = [this] {
            return find(u"brwVRN"_s)->findChild<QLabel *>();
        };
        QTRY_VERIFY(index != 6
                    || (fallback() && fallback()->text().startsWith(u"No web browser"_s)));
        // A locked button's key does nothing.
        QTest::keyClick((*m_window)->windowHandle(), Qt::Key(Qt::Key_1 + index % 7),
                        Qt::AltModifier);
        QVERIFY(!button(index % 7 + 1)->isChecked());

        work();
        QTRY_VERIFY(!find(panel)->isVisible());
        QCOMPARE(find(panel)->height(), 0);
        QCOMPARE((*m_window)->height(), closedHeight);
        for (int other = 1; other <= 7; ++other)
            QVERIFY(button(other)->isEnabled()
                    && button(other)->toolTip() == button(other)->accessibleName());
        QVERIFY(reset->isEnabled());
    }
    void farewell_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("File > Exit") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("File > Exit with a panel open") << 2;
    }
    void farewell()
    {
        QFETCH(int, way);
        if (way == 2)
            clickButton(5);
        if (way == 1)
            (*m_window)->close();
        else
            find<QAction>(u"mnuFileExit"_s)->trigger();
        QCOMPARE(m_window->exitCode->value_or(-1), 0);
        SplashWindow *splash = (*m_window)->splashWindow();
        QCOMPARE(splash->windowTitle(), u"Thank you for usimg the Tintora Utility"_s);
        QVERIFY(splash->windowHandle() && splash->windowHandle()->isExposed());
        QVERIFY(!(*m_window)->isVisible());
    }
    // Start-up leaves the splash on its second caption, closed; a first number entry of 100 starts
    // the catalogue there. The RGB Number shows the catalogue's texts as they stand; the patch and
    // the HTML Number use them rounded, halves to even.
    void startUp()
    {
        const std::tuple<const char *, int, QByteArray> changes[] = {{"pantonelist", 0, "100"},
                                                                     {"redlist", 100, "12.5"},
                                                                     {"greenlist", 100, "13.5"},
                                                                     {"bluelist", 100, "254.5"}};
        for (const auto &[file, line, text] : changes) {
            const QString name = u"Pantone/%1.dat"_s.arg(QLatin1StringView(file));
            QList<QByteArray> lines = m_folder->read(name).split('\n');
            lines[line] = text;
            m_folder->write(name, lines.join('\n'));
        }
        TestSupport::TestWindow window(m_folder->path());
        QVERIFY(window->startUp());
        QCOMPARE(window->splashWindow()->windowTitle(), u"Not much longer now!"_s);
        QVERIFY(!window->splashWindow()->isVisible());
        auto *bar = child<QScrollBar>(window.window.get(), u"vsPantone"_s);
        const auto text = [&](const QString &box) {
            return child<QLineEdit>(window.window.get(), box)->text();
        };
        auto *patch = child<QWidget>(window.window.get(), u"txtPantone"_s);
        QCOMPARE(bar->value(), 100);
        QCOMPARE(text(u"txtPantoneNum"_s), u"100"_s);
        QCOMPARE(backColor(patch), 100);
        bar->setValue(99);
        bar->setValue(100);
        QCOMPARE(text(u"txtRgbPantone"_s) + text(u"txtHtmlPantone"_s),
                 u"RGB(12.5,13.5,254.5)0C0EFE"_s);
        QCOMPARE(backColor(patch), colorValue(12, 14, 254));
    }
    // A catalogue that cannot be loaded is reported, then the exit routine ends the program with
    // status 1 and its own farewell; the main window never shows.
    void failedStartUp()
    {
        m_folder->remove(u"Pantone/bluelist.dat"_s);
        TestSupport::TestWindow window(m_folder->path());
        TestSupport::MessageBoxWatcher watcher;
        QVERIFY(!window->startUp());
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages().first().title, u"Missing File"_s);
        QCOMPARE(watcher.messages().first().icon, QMessageBox::Critical);
        QCOMPARE(window.exitCode->value_or(-1), 1);
        QCOMPARE(window->splashWindow()->windowTitle(), u"MISSING FOLDER OR FILES!!"_s);
        QVERIFY(window->splashWindow()->windowHandle()->isExposed());
        QVERIFY(!window->isVisible());
    }
    void typeOrPaste_data()
    {
        QTest::addColumn<int>("panel"); // toolbar button; 0: none open
        // empty: pasted with Ctrl+V; "pick": picked; "cmd...": the button clicked
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        // "name=value": a box's text or a bar's value; "name~text": in the box's tool tip;
        // "name>text": the text on the clipboard after the copy entry or the keys ("Ctrl+C>text");
        // "!name": the entry is disabled; "*name": the box's text selected.
        QTest::addColumn<QString>("expected"); // separated by ";"
        const QString hex = u"hsHexRed=51;hsHexGreen=153;hsHexBlue=204"_s;
        QTest::newRow("html number") << 4 << u"txtHexNum"_s << u"#3399CC"_s
                                     << hex
                + u";txtHexRGB=RGB(51,153,204);txtHexDex=13408563;txtHexNum=3399CC;"
                  "mnuEditCopy>3399CC;mnuEditCopyHash>#3399CC;"
                  "mnuEditCopyCss>rgb(51, 153, 204);mnuEditCopyRgb>RGB(51,153,204);"
                  "mnuEditCopyDecimal>13408563"_s;
        QTest::newRow("pasted name") << 3 << QString() << u"steelblue"_s
                                     << u"hsRed=70;hsGreen=130;hsBlue=180;Ctrl+C>4682B4"_s;
        QTest::newRow("pasted, none open") << 0 << QString() << u"rgb(20%, 60%, 80%)"_s << hex;
        QTest::newRow("bars in place")
            << 3 << u"txtDecimal"_s << u"black"_s << u"txtHTML=000000;txtDecimal=0"_s;
        QTest::newRow("catalog name")
            << 2 << u"txtPantoneNum"_s << u"485"_s << u"txtPantoneNum=485 C"_s;
        QTest::newRow("alpha dropped, mapped into sRGB")
            << 3 << u"txtHTML"_s << u"oklch(70% 0.4 150 / 50%)"_s
            << u"txtHTML~transparency;txtHTML~outside sRGB"_s;
        QTest::newRow("regression: QB number box kept no note of the alpha")
            << 1 << u"txtQBnum"_s << u"#0000FE80"_s
            << u"txtQBnum~not the same;txtQBnum~transparency"_s;
        QTest::newRow("regression: catalog number box kept no note of the mapping")
            << 2 << u"txtPantoneNum"_s << u"oklch(70% 0.4 150)"_s
            << u"txtPantoneNum~ΔE;txtPantoneNum~outside sRGB"_s;
        QTest::newRow("regression: pasted without a note of the alpha")
            << 4 << QString() << u"rgb(51 153 204 / 50%)"_s << u"txtHexNum~transparency"_s;
        QTest::newRow("regression: picked with the Web Browser panel open")
            << 6 << u"pick"_s << u"13408563"_s << u"txtColorDecimal=13408563;mnuEditCopy>3399CC"_s;
        QTest::newRow("no colour in help")
            << 7 << QString() << u"red"_s << u"!mnuEditCopy;!mnuEditPaste"_s;
        QTest::newRow("regression: Ctrl+C with the caret in a read-out copied nothing")
            << 3 << u"txtRGBnum"_s << u"#3399CC"_s << u"Ctrl+C>3399CC"_s;
        QTest::newRow("a selection in a read-out copies as text")
            << 3 << u"txtRGBnum"_s << u"#3399CC"_s << u"*txtRGBnum;Ctrl+C>RGB(51,153,204)"_s;
        QTest::newRow("regression: Copy and Copy As were off on the Web Browser panel")
            << 6 << u"cmdRGB"_s << u"#3399CC"_s << u"mnuEditCopy>000000;mnuEditCopyAsHex>#000000"_s;
    }
    void typeOrPaste()
    {
        QFETCH(int, panel);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        if (panel)
            clickButton(panel);
        QGuiApplication::clipboard()->setText(text);
        if (box.isEmpty()) {
            QTest::keySequence((*m_window)->windowHandle(), QKeySequence::Paste);
        } else if (box == u"pick") {
            emit m_window->window->findChild<ScreenPicker *>()->picked(text.toInt());
        } else if (box.startsWith(u"cmd")) {
            clickControl(box);
        } else {
            type(box, text);
        }
        for (const QString &check : expected.split(u';')) {
            const QStringList part = check.split(QRegularExpression(u"[=~>!]"_s));
            if (check.startsWith(u'!')) {
                QVERIFY(!find<QAction>(part[1])->isEnabled());
            } else if (check.startsWith(u'*')) {
                find<QLineEdit>(check.mid(1))->selectAll();
            } else if (check.contains(u'~')) {
                QVERIFY2(find<QLineEdit>(part[0])->toolTip().contains(part[1]), qPrintable(check));
            } else if (check.contains(u'>')) {
                if (auto *action = m_window->window->findChild<QAction *>(part[0]))
                    action->trigger();
                else
                    QTest::keySequence((*m_window)->windowHandle(), QKeySequence(part[0]));
                QCOMPARE(QGuiApplication::clipboard()->text(), part[1]);
            } else if (auto *bar = m_window->window->findChild<QScrollBar *>(part[0])) {
                QCOMPARE(bar->value(), part[1].toInt());
            } else {
                QCOMPARE(find<QLineEdit>(part[0])->text(), part[1]);
            }
        }
    }

    void typoAndNearestCatalogEntry()
    {
        clickButton(2);
        auto *number = find<QLineEdit>(u"txtPantoneNum"_s);
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
        type(u"txtHtmlPantone"_s, find<QLineEdit>(u"txtHtmlPantone"_s)->text());
        QCOMPARE(number->toolTip(), u"Exact match"_s);
    }

    // On a screen at 200 % (tst_mainwindow_200): the toolbar's badges, grey and not, and the banner
    // from their pictures drawn for that scale; a press on any screen pixel of the spectrum picks
    // what that pixel shows, which is the picture pixel in its 2 × 2 block, unblended.
    void highDpi()
    {
        if ((*m_window)->devicePixelRatio() != 2)
            QSKIP("Needs a screen at 200 %");
        const QString file = TINTORA_SOURCE_DIR u"/tests/window/pictures/top@2x.png"_s;
        const QImage top = TestSupport::windowPicture(**m_window, 5).copy(0, 0, 806, 170);
        QVERIFY2(TestSupport::pictureDifference(top, QImage(file)).isEmpty(), qPrintable(file));
        clickButton(5);
        auto *spectrum = find<SwatchPicture>(u"picTintora"_s);
        const QImage shown = spectrum->grab().toImage();
        const QPoint inner = spectrum->contentsRect().topLeft();
        for (int d = 0; d < 40; ++d) {
            const QPointF at = inner + QPointF(d, d) / 2;
            QMouseEvent press(QEvent::MouseButtonPress, at, spectrum->mapToGlobal(at),
                              Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(spectrum, &press);
            const QRgb pixel = shown.pixel(inner * 2 + QPoint(d, d));
            QCOMPARE(pixel, spectrum->image().pixel(d / 2, d / 2));
            QCOMPARE(backColor(find(u"txtColor"_s)),
                     colorValue(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    // Every control the keyboard reaches looks otherwise with the focus than without, once the
    // keyboard has moved the focus: a panel's key (Alt+1) does, a click does not (the pictures).
    void focusShows()
    {
        for (int index = 1; index <= 7; ++index) {
            QTest::keyClick((*m_window)->windowHandle(), Qt::Key(Qt::Key_0 + index),
                            Qt::AltModifier);
            QTRY_VERIFY(button(index)->isChecked());
            const QList<QWidget *> controls = (*m_window)->findChildren<QWidget *>();
            for (QWidget *control : QList {QApplication::focusWidget()} + controls) {
                if (control && control->isVisible() && control->isEnabled()
                    && (control->focusPolicy() & Qt::TabFocus)) {
                    control->setFocus(Qt::OtherFocusReason);
                    const QImage focused = control->grab().toImage();
                    control->clearFocus();
                    QVERIFY2(control->grab().toImage() != focused,
                             qPrintable(control->objectName()));
                }
            }
            clickButton(index);
        }
    }
    void colorSchemes_data()
    {
        QTest::addColumn<QList<QColor>>("scheme"); // window, text, base
        QTest::newRow("Fusion's dark") << QList<QColor> {0x353535, Qt::white, 0x2a2a2a};
        QTest::newRow("white on black") << QList<QColor> {Qt::black, Qt::white, Qt::black};
        QTest::newRow("black on white") << QList<QColor> {Qt::white, Qt::black, Qt::white};
    }
    // Under each scheme, with each panel open: every text of the window reads at 4.5:1 or more on
    // its back, but the sample's, whose colours the user chooses; every colour box and chip has an
    // edge that stands out 3:1 from the panel, a box of the panel's own colour too.
    void colorSchemes()
    {
        QFETCH(QList<QColor>, scheme);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        const QColor window = scheme[0], text = scheme[1];
        QApplication::setPalette(QPalette(text, window, window.lighter(), window.darker(), window,
                                          text, text, scheme[2], window));
        find<MixerPanel>(u"fraHtml"_s)->takeColor(toColorValue(window));
        // The contrast of a colour with what a widget shows behind it: its own back colour, or
        // where it writes in the window's text colour without filling its back, what is behind
        // that.
        const auto ratio = [](const QWidget *widget, const QColor &color) {
            while (widget->foregroundRole() == QPalette::WindowText && !widget->autoFillBackground()
                   && !widget->isWindow())
                widget = widget->parentWidget();
            const QColor back = widget->palette().color(widget->backgroundRole());
            return contrastOf(toColorValue(color), toColorValue(back)).ratio;
        };
        for (int index = 1; index <= 7; ++index) {
            clickButton(index);
            const QImage shown = (*m_window)->grab().toImage();
            const QList<QWidget *> widgets = (*m_window)->findChildren<QWidget *>();
            for (const QWidget *widget : widgets) {
                const QString name = widget->objectName();
                const auto *area = qobject_cast<const QAbstractScrollArea *>(widget);
                const QWidget *on = area ? area->viewport() : widget;
                const QString texts = widget->property("text").toString()
                    + widget->property("title").toString()
                    + widget->property("plainText").toString();
                if (!widget->isVisible() || name == u"txtWebSample")
                    continue;
                QVERIFY2(texts.isEmpty()
                             || ratio(on, on->palette().color(on->foregroundRole())) >= 4.5,
                         qPrintable(name));
                // The chips are labels without text, in a frame.
                const auto *chip = qobject_cast<const QLabel *>(widget);
                if (widget->inherits("Tintora::ColorBox")
                    || (chip && chip->text().isEmpty() && chip->frameShape() == QFrame::Box)) {
                    const QPoint edge = widget->mapTo(m_window->window.get(), QPoint(0, 5));
                    QVERIFY2(ratio(widget->parentWidget(), shown.pixelColor(edge)) >= 3,
                             qPrintable(name));
                }
            }
            clickButton(index);
        }
    }
    void pickFromScreen_data()
    {
        QTest::addColumn<QString>("held"); // by another program: "pointer" or "keyboard"
        QTest::addColumn<QString>("user"); // xdotool's arguments
        QTest::addColumn<QString>("decimal"); // the Swatches panel's, which opens for a pick
        // At double scale, on a desktop striped #3399CC at even device pixels and white at odd.
        QTest::newRow("regression: an odd pixel at double scale read its neighbour")
            << QString() << u"mousemove 1001 801 click 1"_s << u"16777215"_s;
        QTest::newRow("regression: a shortcut acted during a pick, then escape")
            << QString() << u"key alt+6 key Escape"_s << u"0"_s;
        QTest::newRow("regression: pointer held elsewhere")
            << u"pointer"_s << u"mousemove 1000 800"_s << u"0"_s;
        QTest::newRow("keyboard held elsewhere") << u"keyboard"_s << u"key Escape"_s << u"0"_s;
        QTest::newRow("Enter picks under the pointer")
            << QString() << u"mousemove 1000 800 key Return"_s << u"13408563"_s;
        QTest::newRow("regression: an arrow key moved a logical pixel at double scale")
            << QString() << u"mousemove 1000 800 key Right key Return"_s << u"16777215"_s;
    }
    void pickFromScreen()
    {
        QFETCH(QString, held);
        QFETCH(QString, user);
        QFETCH(QString, decimal);
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("Needs an X server");
        // Another program's grab, on a connection of its own, until the pick is over.
        xcb_connection_t *other = xcb_connect(nullptr, nullptr);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
        if (held == u"pointer")
            xcb_grab_pointer(other, 0, root, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, 0, 0, 0);
        else if (held == u"keyboard")
            xcb_grab_keyboard(other, 0, root, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        std::free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr));
        TestSupport::MessageBoxWatcher watcher;
        auto *pick = find<QAction>(u"mnuEditPick"_s);
        QVERIFY2(pick->isEnabled(), qPrintable(pick->toolTip()));
        pick->trigger();
        QTRY_VERIFY(QWidget::mouseGrabber() || !watcher.messages().isEmpty());
        QCOMPARE(QProcess::execute(u"xdotool"_s, user.split(u' ')), 0);
        QTRY_VERIFY(!QWidget::mouseGrabber());
        xcb_disconnect(other);
        // A refusal says what another program holds, and leaves nothing armed.
        QCOMPARE(watcher.messages().size(), int(!held.isEmpty()));
        QVERIFY(watcher.messages().value(0).text.contains(held));
        // A button's key holds it down at once and clicks it a moment later.
        for (int index = 1; index <= 7; ++index)
            QCOMPARE(button(index)->isChecked() || button(index)->isDown(),
                     index == 5 && decimal != u"0");
        QCOMPARE(find<QLineEdit>(u"txtColorDecimal"_s)->text(), decimal);
    }

    // The loupe beside the pointer, at the corners too, wholly on the screen and clear of the
    // pixels it shows, tells the pointer's device pixel on the striped desktop.
    void magnifier_data()
    {
        QTest::addColumn<QPoint>("pointer"); // in device pixels
        QTest::newRow("middle") << QPoint(640, 512);
        QTest::newRow("bottom left corner, odd pixel") << QPoint(1, 1023);
        QTest::newRow("top right corner") << QPoint(1278, 0);
        QTest::newRow("bottom right corner") << QPoint(1278, 1023);
        QTest::newRow("right edge, odd pixel") << QPoint(1279, 500);
    }
    void magnifier()
    {
        QFETCH(QPoint, pointer);
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("Needs an X server");
        const QStringList move {u"mousemove"_s, QString::number(pointer.x()),
                                QString::number(pointer.y())};
        QCOMPARE(QProcess::execute(u"xdotool"_s, move), 0);
        find<QAction>(u"mnuEditPick"_s)->trigger();
        auto *loupe = find(u"frmLoupe"_s);
        QTRY_VERIFY(loupe->isVisible());
        QCOMPARE(loupe->accessibleDescription(), pointer.x() % 2 ? u"#FFFFFF"_s : u"#3399CC"_s);
        const qreal scale = loupe->devicePixelRatio();
        const QRectF shown(QPointF(pointer) / scale - QPointF(8, 8), QSizeF(16, 16));
        QVERIFY(loupe->screen()->geometry().contains(loupe->frameGeometry()));
        QVERIFY(!shown.intersects(loupe->frameGeometry()));
        QCOMPARE(QProcess::execute(u"xdotool"_s, {u"key"_s, u"Escape"_s}), 0);
        QTRY_VERIFY(!loupe->isVisible());
    }

private:
    QToolButton *button(int index) const { return (*m_window)->toolbar()->button(index); }
    void verifyPictures() const;
};

// The window closed and with each panel open against committed pictures: every control's place,
// size, caption, font and colour, every start value, the window's heights and the grey buttons of
// a locked toolbar. TINTORA_UPDATE_PICTURES=1 writes them anew when the window is meant to change.
void TestMainWindow::verifyPictures() const
{
    const char *const names[]
        = {"closed", "qb", "pantone", "rgb", "hex", "swatches", "browser", "help"};
    for (int index = 0; index < 8; ++index) {
        const QImage picture = TestSupport::windowPicture(**m_window, index);
        const QString file = QStringLiteral(TINTORA_SOURCE_DIR "/tests/window/pictures/%1.png")
                                 .arg(QLatin1String(names[index]));
        if (qEnvironmentVariableIsSet("TINTORA_UPDATE_PICTURES"))
            QVERIFY(picture.save(file));
        const QString difference = TestSupport::pictureDifference(picture, QImage(file));
        QVERIFY2(difference.isEmpty(), qPrintable(file + u": "_s + difference));
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
