#include "testsupport.h"

#include "color/formstate.h"
#include "selectors/swatchpanel.h"
#include "selectors/swatchpicture.h"
#include "window/controls.h"
#include "window/paneltoolbar.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cstdlib>

using namespace Tintora;
using TestSupport::child;

namespace {

// How the mouse events reach the pictures: straight to the pressed picture, or through the
// window, where Qt's implicit grab picks the receiver as the window system would.
enum class Route { Widget, Window };

} // namespace

Q_DECLARE_METATYPE(Route)

class TestSwatchPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pressPicksPixel_data();
    void pressPicksPixel();
    void greyRampTopLeft();
    void greyRampShowsUpperLeftOnly();
    void shownColorIsPicked_data();
    void shownColorIsPicked();
    void dragOutsideShowsBlack_data();
    void dragOutsideShowsBlack();
    void pressedPictureKeepsMoves_data();
    void pressedPictureKeepsMoves();
    void idleMovesChangeNothing_data();
    void idleMovesChangeNothing();
    void releaseEndsPickingWhileAnotherButtonHeld_data();
    void releaseEndsPickingWhileAnotherButtonHeld();
    void anyButtonPicks_data();
    void anyButtonPicks();
    void trackingStateAndCursor_data();
    void trackingStateAndCursor();
    void toolTips_data();
    void toolTips();
    void toolbarGivesSpectrumFocus();

private:
    SwatchPanel *panel() const { return (*m_window)->swatchPanel(); }
    SwatchPicture *picture(const QString &name) const
    {
        return child<SwatchPicture>(panel(), name);
    }
    static QPoint widgetPoint(const SwatchPicture *picture, QPoint inner)
    {
        return inner + picture->contentsRect().topLeft();
    }

    void press(SwatchPicture *picture, QPoint inner, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(SwatchPicture *over, QPoint inner);
    void release(SwatchPicture *over, QPoint inner, Qt::MouseButton button = Qt::NoButton);
    void hover(SwatchPicture *picture, QPoint inner);

    ColorValue pixel(const SwatchPicture *picture, QPoint inner) const;
    void verifyShows(ColorValue color);

    Route m_route = Route::Widget;
    SwatchPicture *m_pressed = nullptr;
    QList<Qt::MouseButton> m_held; // in the order pressed
    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestSwatchPanel::init()
{
    m_route = Route::Widget;
    m_pressed = nullptr;
    m_held.clear();
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY((*m_window)->Form_Load());
    (*m_window)->show();
    (*m_window)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window->window.get()));
    QTest::mouseClick((*m_window)->tlbFirst()->button(5), Qt::LeftButton);
    QVERIFY(panel()->isVisible());
}

void TestSwatchPanel::cleanup()
{
    // A failed check may leave a button held; later tests must start with none.
    while (!m_held.isEmpty())
        release(m_pressed, {});
    m_window.reset();
    m_folder.reset();
}

void TestSwatchPanel::press(SwatchPicture *picture, QPoint inner, Qt::MouseButton button)
{
    // The picture that took the first press keeps the mouse until every button is up.
    if (m_held.isEmpty())
        m_pressed = picture;
    m_held.append(button);
    const QPoint point = widgetPoint(picture, inner);
    if (m_route == Route::Widget)
        QTest::mousePress(picture, button, {}, point);
    else
        QTest::mousePress((*m_window)->windowHandle(), button, {},
                          picture->mapTo(m_window->window.get(), point));
}

// A move while the button is held: the pressed picture receives it, wherever the pointer is.
void TestSwatchPanel::moveTo(SwatchPicture *over, QPoint inner)
{
    QVERIFY(m_pressed);
    const QPoint point = widgetPoint(over, inner);
    if (m_route == Route::Widget)
        QTest::mouseMove(m_pressed, m_pressed->mapFrom(panel(), over->mapTo(panel(), point)));
    else
        QTest::mouseMove((*m_window)->windowHandle(), over->mapTo(m_window->window.get(), point));
}

void TestSwatchPanel::release(SwatchPicture *over, QPoint inner, Qt::MouseButton button)
{
    QVERIFY(m_pressed);
    if (button == Qt::NoButton)
        button = m_held.last();
    QVERIFY(m_held.removeOne(button));
    SwatchPicture *pressed = m_pressed;
    if (m_held.isEmpty())
        m_pressed = nullptr;
    const QPoint point = widgetPoint(over, inner);
    if (m_route == Route::Widget)
        QTest::mouseRelease(pressed, button, {},
                            pressed->mapFrom(panel(), over->mapTo(panel(), point)));
    else
        QTest::mouseRelease((*m_window)->windowHandle(), button, {},
                            over->mapTo(m_window->window.get(), point));
}

// A move with no button held, as the window system sends it.
void TestSwatchPanel::hover(SwatchPicture *picture, QPoint inner)
{
    QTest::mouseMove(picture, widgetPoint(picture, inner));
}

ColorValue TestSwatchPanel::pixel(const SwatchPicture *picture, QPoint inner) const
{
    const QRgb rgb = picture->image().pixel(inner);
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

void TestSwatchPanel::verifyShows(ColorValue color)
{
    const int red = color % 256;
    const int green = color / 256 % 256;
    const int blue = color / 65536;
    QCOMPARE(panel()->txtColorDecimal->text(), QString::number(color));
    QCOMPARE(panel()->txtColorRgb->text(),
             QStringLiteral("RGB(%1,%2,%3)").arg(red).arg(green).arg(blue));
    QCOMPARE(panel()->txtColorHtml->text(),
             QStringLiteral("%1%2%3")
                 .arg(red, 2, 16, QLatin1Char('0'))
                 .arg(green, 2, 16, QLatin1Char('0'))
                 .arg(blue, 2, 16, QLatin1Char('0'))
                 .toUpper());
    QCOMPARE(backColor(panel()->txtColor), color);
    QCOMPARE((*m_window)->state().varDecimal, color);
}

void TestSwatchPanel::pressPicksPixel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("inner");
    QTest::addColumn<QColor>("sample");
    // The pictures' documented samples; the dither may move a pixel a little.
    QTest::newRow("spectrum red edge") << "picTintora" << QPoint(0, 0) << QColor(236, 22, 4);
    QTest::newRow("spectrum yellow") << "picTintora" << QPoint(30, 0) << QColor(228, 246, 4);
    QTest::newRow("spectrum green") << "picTintora" << QPoint(60, 0) << QColor(4, 246, 36);
    QTest::newRow("spectrum cyan") << "picTintora" << QPoint(90, 0) << QColor(4, 246, 236);
    QTest::newRow("spectrum blue") << "picTintora" << QPoint(120, 0) << QColor(12, 6, 244);
    QTest::newRow("spectrum magenta") << "picTintora" << QPoint(150, 0) << QColor(236, 6, 244);
    QTest::newRow("spectrum middle") << "picTintora" << QPoint(79, 55) << QColor(28, 214, 148);
    QTest::newRow("spectrum bottom row") << "picTintora" << QPoint(0, 108) << QColor(156, 102, 84);
    QTest::newRow("grey ramp row 8") << "picBwBox" << QPoint(40, 8) << QColor(247, 249, 247);
    QTest::newRow("grey ramp row 24") << "picBwBox" << QPoint(100, 24) << QColor(209, 211, 209);
    QTest::newRow("grey ramp row 56") << "picBwBox" << QPoint(150, 56) << QColor(76, 78, 76);
}

void TestSwatchPanel::pressPicksPixel()
{
    QFETCH(QString, name);
    QFETCH(QPoint, inner);
    QFETCH(QColor, sample);
    SwatchPicture *target = picture(name);
    const QColor shown(target->image().pixel(inner));
    QVERIFY2(std::abs(shown.red() - sample.red()) <= 4
                 && std::abs(shown.green() - sample.green()) <= 4
                 && std::abs(shown.blue() - sample.blue()) <= 4,
             qPrintable(QStringLiteral("picture pixel %1 too far from the sample %2")
                            .arg(shown.name(), sample.name())));
    press(target, inner);
    verifyShows(pixel(target, inner));
    release(target, inner);
    verifyShows(pixel(target, inner));
}

void TestSwatchPanel::greyRampTopLeft()
{
    SwatchPicture *ramp = picture(QStringLiteral("picBwBox"));
    press(ramp, {0, 0});
    QCOMPARE(panel()->txtColorDecimal->text(), QStringLiteral("16580348"));
    QCOMPARE(panel()->txtColorRgb->text(), QStringLiteral("RGB(252,254,252)"));
    QCOMPARE(panel()->txtColorHtml->text(), QStringLiteral("FCFEFC"));
    QCOMPARE(backColor(panel()->txtColor), 16580348);
    release(ramp, {0, 0});
}

void TestSwatchPanel::greyRampShowsUpperLeftOnly()
{
    SwatchPicture *ramp = picture(QStringLiteral("picBwBox"));
    const QSize inner = ramp->contentsRect().size();
    QVERIFY(ramp->image().width() > inner.width());
    QVERIFY(ramp->image().height() > inner.height());
    const QPoint lowerRight(inner.width() - 1, inner.height() - 1);
    press(ramp, lowerRight);
    const ColorValue picked = pixel(ramp, lowerRight);
    verifyShows(picked);
    QVERIFY(picked != backColor(ramp));
    const int red = picked % 256;
    const int green = picked / 256 % 256;
    const int blue = picked / 65536;
    QCOMPARE(blue, red);
    QCOMPARE(std::abs(green - red), 2);
    // The darkest rows lie below the box.
    QVERIFY(red > qRed(ramp->image().pixel(0, ramp->image().height() - 1)));
    release(ramp, lowerRight);
}

void TestSwatchPanel::shownColorIsPicked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("inner");
    QTest::newRow("spectrum top left") << "picTintora" << QPoint(0, 0);
    QTest::newRow("spectrum middle") << "picTintora" << QPoint(79, 55);
    QTest::newRow("spectrum inner lower right") << "picTintora" << QPoint(-1, -1);
    QTest::newRow("grey ramp top left") << "picBwBox" << QPoint(0, 0);
    QTest::newRow("grey ramp inner lower right") << "picBwBox" << QPoint(-1, -1);
}

// The pick reads the colour that the box shows under the pointer.
void TestSwatchPanel::shownColorIsPicked()
{
    QFETCH(QString, name);
    QFETCH(QPoint, inner);
    SwatchPicture *target = picture(name);
    if (inner == QPoint(-1, -1))
        inner = QPoint(target->contentsRect().width() - 1, target->contentsRect().height() - 1);
    const QImage shown = target->grab().toImage();
    QCOMPARE(shown.size(), target->size());
    const QRgb rgb = shown.pixel(widgetPoint(target, inner));
    press(target, inner);
    verifyShows(qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb));
    release(target, inner);
}

void TestSwatchPanel::dragOutsideShowsBlack_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("outside");
    const struct
    {
        const char *where;
        const char *name;
        QPoint outside;
    } rows[] = {
        {"spectrum, on the sunken edge", "picTintora", {-1, 10}},
        {"spectrum, left of the box", "picTintora", {-6, 10}},
        {"spectrum, above the box", "picTintora", {10, -6}},
        {"spectrum, clipped last column", "picTintora", {157, 0}},
        {"spectrum, below the box", "picTintora", {10, 115}},
        {"grey ramp, right of the inner area", "picBwBox", {157, 5}},
        {"grey ramp, below the inner area", "picBwBox", {5, 93}},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s, widget", row.where) << Route::Widget << row.name << row.outside;
        QTest::addRow("%s, window", row.where) << Route::Window << row.name << row.outside;
    }
}

void TestSwatchPanel::dragOutsideShowsBlack()
{
    QFETCH(Route, route);
    QFETCH(QString, name);
    QFETCH(QPoint, outside);
    m_route = route;
    SwatchPicture *target = picture(name);
    QVERIFY(!target->contentsRect().contains(widgetPoint(target, outside)));

    press(target, {10, 10});
    verifyShows(pixel(target, {10, 10}));
    moveTo(target, outside);
    verifyShows(kBlack);
    QCOMPARE(panel()->txtColorDecimal->text(), QStringLiteral("0"));
    QCOMPARE(panel()->txtColorRgb->text(), QStringLiteral("RGB(0,0,0)"));
    QCOMPARE(panel()->txtColorHtml->text(), QStringLiteral("000000"));
    moveTo(target, {20, 30});
    verifyShows(pixel(target, {20, 30}));
    release(target, {20, 30});
}

void TestSwatchPanel::pressedPictureKeepsMoves_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("other");
    QTest::newRow("spectrum onto grey ramp, widget") << Route::Widget << "picTintora"
                                                     << "picBwBox";
    QTest::newRow("spectrum onto grey ramp, window") << Route::Window << "picTintora"
                                                     << "picBwBox";
    QTest::newRow("grey ramp onto spectrum, widget") << Route::Widget << "picBwBox"
                                                     << "picTintora";
    QTest::newRow("grey ramp onto spectrum, window") << Route::Window << "picBwBox"
                                                     << "picTintora";
}

void TestSwatchPanel::pressedPictureKeepsMoves()
{
    QFETCH(Route, route);
    QFETCH(QString, pressed);
    QFETCH(QString, other);
    m_route = route;
    SwatchPicture *source = picture(pressed);
    SwatchPicture *target = picture(other);
    const QPoint onTarget(10, 10);
    QVERIFY(pixel(target, onTarget) != kBlack);

    press(source, {30, 0});
    verifyShows(pixel(source, {30, 0}));
    moveTo(target, onTarget);
    verifyShows(kBlack);
    QCOMPARE(target->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!target->testAttribute(Qt::WA_SetCursor));
    release(target, onTarget);
    QVERIFY((*m_window)->state().blnMouseUp);
    QCOMPARE(source->cursor().shape(), Qt::ArrowCursor);
    verifyShows(kBlack);
}

void TestSwatchPanel::idleMovesChangeNothing_data()
{
    QTest::addColumn<bool>("afterRelease");
    QTest::addColumn<QString>("name");
    QTest::newRow("spectrum, before any press") << false << "picTintora";
    QTest::newRow("grey ramp, before any press") << false << "picBwBox";
    QTest::newRow("spectrum, after a release") << true << "picTintora";
    QTest::newRow("grey ramp, after a release") << true << "picBwBox";
}

void TestSwatchPanel::idleMovesChangeNothing()
{
    QFETCH(bool, afterRelease);
    QFETCH(QString, name);
    SwatchPicture *target = picture(name);
    ColorValue shown = kBlack;
    if (afterRelease) {
        press(target, {40, 40});
        moveTo(target, {50, 5});
        release(target, {50, 5});
        shown = pixel(target, {50, 5});
        verifyShows(shown);
    } else {
        QCOMPARE(panel()->txtColorRgb->text(), QStringLiteral("RGB(0, 0, 0)"));
    }
    const QString rgbText = panel()->txtColorRgb->text();
    const bool cursorSet = target->testAttribute(Qt::WA_SetCursor);
    const Qt::CursorShape cursor = target->cursor().shape();

    for (const char *over : {"picTintora", "picBwBox"}) {
        hover(picture(QLatin1String(over)), {5, 5});
        hover(picture(QLatin1String(over)), {60, 20});
        hover(picture(QLatin1String(over)), {-1, 3});
    }
    QVERIFY((*m_window)->state().blnMouseUp);
    QCOMPARE(panel()->txtColorDecimal->text(), QString::number(shown));
    QCOMPARE(panel()->txtColorRgb->text(), rgbText);
    QCOMPARE(backColor(panel()->txtColor), shown);
    QCOMPARE(target->testAttribute(Qt::WA_SetCursor), cursorSet);
    QCOMPARE(target->cursor().shape(), cursor);
}

void TestSwatchPanel::releaseEndsPickingWhileAnotherButtonHeld_data()
{
    QTest::addColumn<Route>("route");
    QTest::newRow("widget") << Route::Widget;
    QTest::newRow("window") << Route::Window;
}

// Moves keep coming while any button is held, but the first release ends the picking.
void TestSwatchPanel::releaseEndsPickingWhileAnotherButtonHeld()
{
    QFETCH(Route, route);
    m_route = route;
    SwatchPicture *spectrum = picture(QStringLiteral("picTintora"));
    press(spectrum, {10, 0}, Qt::LeftButton);
    press(spectrum, {90, 0}, Qt::RightButton);
    verifyShows(pixel(spectrum, {90, 0}));
    QVERIFY(!(*m_window)->state().blnMouseUp);
    release(spectrum, {90, 0}, Qt::LeftButton);
    QVERIFY((*m_window)->state().blnMouseUp);
    QCOMPARE(spectrum->cursor().shape(), Qt::ArrowCursor);

    moveTo(spectrum, {120, 0});
    moveTo(spectrum, {-5, 0});
    verifyShows(pixel(spectrum, {90, 0}));
    QCOMPARE(spectrum->cursor().shape(), Qt::ArrowCursor);
    release(spectrum, {-5, 0}, Qt::RightButton);
    QVERIFY((*m_window)->state().blnMouseUp);
    verifyShows(pixel(spectrum, {90, 0}));
}

void TestSwatchPanel::anyButtonPicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestSwatchPanel::anyButtonPicks()
{
    QFETCH(Qt::MouseButton, button);
    SwatchPicture *spectrum = picture(QStringLiteral("picTintora"));
    press(spectrum, {60, 0}, button);
    verifyShows(pixel(spectrum, {60, 0}));
    QVERIFY(!(*m_window)->state().blnMouseUp);
    moveTo(spectrum, {120, 0});
    verifyShows(pixel(spectrum, {120, 0}));
    release(spectrum, {120, 0});
    QVERIFY((*m_window)->state().blnMouseUp);
    hover(spectrum, {30, 0});
    verifyShows(pixel(spectrum, {120, 0}));
}

void TestSwatchPanel::trackingStateAndCursor_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spectrum") << "picTintora";
    QTest::newRow("grey ramp") << "picBwBox";
}

void TestSwatchPanel::trackingStateAndCursor()
{
    QFETCH(QString, name);
    SwatchPicture *target = picture(name);
    const FormState &state = (*m_window)->state();
    QVERIFY(state.blnMouseUp);
    press(target, {5, 5});
    QVERIFY(!state.blnMouseUp);
    QCOMPARE(target->cursor().shape(), Qt::CrossCursor);
    moveTo(target, {-20, 5});
    QVERIFY(!state.blnMouseUp);
    QCOMPARE(target->cursor().shape(), Qt::CrossCursor);
    moveTo(target, {15, 7});
    QCOMPARE(target->cursor().shape(), Qt::CrossCursor);
    release(target, {15, 7});
    QVERIFY(state.blnMouseUp);
    QVERIFY(target->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(target->cursor().shape(), Qt::ArrowCursor);
}

void TestSwatchPanel::toolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spectrum") << "picTintora";
    QTest::newRow("grey ramp") << "picBwBox";
}

void TestSwatchPanel::toolTips()
{
    QFETCH(QString, name);
    QCOMPARE(picture(name)->toolTip(), QStringLiteral("Click Down and Move Mouse"));
}

void TestSwatchPanel::toolbarGivesSpectrumFocus()
{
    SwatchPicture *spectrum = picture(QStringLiteral("picTintora"));
    QToolButton *swatches = (*m_window)->tlbFirst()->button(5);
    QTest::mouseClick(swatches, Qt::LeftButton);
    QVERIFY(!panel()->isVisible());
    QVERIFY(QApplication::focusWidget() != spectrum);
    QTest::mouseClick(swatches, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), spectrum);
}

QTEST_MAIN(TestSwatchPanel)
#include "tst_swatchpanel.moc"
