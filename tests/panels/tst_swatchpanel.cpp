#include "testsupport.h"

#include "core/formstate.h"
#include "panels/swatchpanel.h"
#include "widgets/controls.h"
#include "widgets/swatchpicture.h"
#include "window/paneltoolbar.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

using namespace Tintora;

// The mouse events go through the window, where Qt's implicit grab picks the receiver as the
// window system would: the picture that took the press keeps the moves until the release.
class TestSwatchPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pickShowsColour_data();
    void pickShowsColour();
    void dragOutsideShowsBlack_data();
    void dragOutsideShowsBlack();
    void movesWithoutButtonChangeNothing();
    void toolTipsAndFocus();

private:
    SwatchPanel *panel() const { return (*m_window)->swatchPanel(); }
    FormState &state() const { return (*m_window)->state(); }
    SwatchPicture *picture(const QString &name) const
    {
        return TestSupport::child<SwatchPicture>(panel(), name);
    }
    QWindow *window() const { return (*m_window)->windowHandle(); }
    QPoint at(const SwatchPicture *picture, QPoint inner) const
    {
        return picture->mapTo(m_window->window.get(), inner + picture->contentsRect().topLeft());
    }
    static ColorValue pixel(const SwatchPicture *picture, QPoint inner)
    {
        const QRgb rgb = picture->image().pixel(inner);
        return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
    }
    void verifyShows(ColorValue colour);

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestSwatchPanel::init()
{
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY(m_window->loadAndShow());
    QVERIFY(QApplication::focusWidget() != panel()->picTintora);
    QTest::mouseClick((*m_window)->tlbFirst()->button(5), Qt::LeftButton);
}

void TestSwatchPanel::cleanup()
{
    // A failed check may leave a button held; later tests must start with none.
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mouseRelease(window(), button);
    m_window.reset();
    m_folder.reset();
}

// The decimal number, the patch and the shared value.
void TestSwatchPanel::verifyShows(ColorValue colour)
{
    QCOMPARE(panel()->txtColorDecimal->text(), QString::number(colour));
    QCOMPARE(backColor(panel()->txtColor), colour);
    QCOMPARE(state().varDecimal, colour);
}

void TestSwatchPanel::pickShowsColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("inner");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("decimal");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("html");
    QTest::newRow("grey ramp top left")
        << "picBwBox" << QPoint(0, 0) << Qt::LeftButton << 16580348 << "RGB(252,254,252)"
        << "FCFEFC";
    const std::pair<Qt::MouseButton, const char *> buttons[]
        = {{Qt::LeftButton, "left"}, {Qt::RightButton, "right"}, {Qt::MiddleButton, "middle"}};
    for (const auto &[button, which] : buttons)
        QTest::addRow("spectrum sample, %s button", which)
            << "picTintora" << QPoint(30, 0) << button << 325348 << "RGB(228,246,4)"
            << "E4F604";
}

// Any button picks; the cross-hair shows while picking, the arrow again after the release.
void TestSwatchPanel::pickShowsColour()
{
    QFETCH(QString, name);
    QFETCH(QPoint, inner);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, decimal);
    QFETCH(QString, rgb);
    QFETCH(QString, html);
    SwatchPicture *target = picture(name);
    QVERIFY(state().blnMouseUp);
    QTest::mousePress(window(), button, {}, at(target, inner));
    verifyShows(decimal);
    QCOMPARE(panel()->txtColorRgb->text(), rgb);
    QCOMPARE(panel()->txtColorHtml->text(), html);
    QVERIFY(!state().blnMouseUp);
    QCOMPARE(target->cursor().shape(), Qt::CrossCursor);
    QTest::mouseRelease(window(), button, {}, at(target, inner));
    QVERIFY(state().blnMouseUp);
    QCOMPARE(target->cursor().shape(), Qt::ArrowCursor);
    verifyShows(decimal);
}

void TestSwatchPanel::dragOutsideShowsBlack_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("over");
    QTest::addColumn<QPoint>("inner"); // in the inner area of the picture the pointer is over
    QTest::newRow("spectrum, sunken edge") << "picTintora"
                                           << "picTintora" << QPoint(-1, 10);
    QTest::newRow("spectrum, above") << "picTintora"
                                     << "picTintora" << QPoint(10, -6);
    QTest::newRow("spectrum, clipped last column") << "picTintora"
                                                   << "picTintora" << QPoint(157, 0);
    QTest::newRow("grey ramp, below") << "picBwBox"
                                      << "picBwBox" << QPoint(5, 93);
    QTest::newRow("spectrum onto grey ramp") << "picTintora"
                                             << "picBwBox" << QPoint(10, 10);
    QTest::newRow("grey ramp onto spectrum") << "picBwBox"
                                             << "picTintora" << QPoint(10, 10);
}

// Outside its inner area the pressed picture has no colour: black; back inside it picks again.
void TestSwatchPanel::dragOutsideShowsBlack()
{
    QFETCH(QString, pressed);
    QFETCH(QString, over);
    QFETCH(QPoint, inner);
    SwatchPicture *source = picture(pressed);
    QTest::mousePress(window(), Qt::LeftButton, {}, at(source, {10, 10}));
    verifyShows(pixel(source, {10, 10}));
    QTest::mouseMove(window(), at(picture(over), inner));
    verifyShows(kBlack);
    QCOMPARE(panel()->txtColorRgb->text(), QStringLiteral("RGB(0,0,0)"));
    QCOMPARE(panel()->txtColorHtml->text(), QStringLiteral("000000"));
    QCOMPARE(source->cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(window(), at(source, {20, 30}));
    verifyShows(pixel(source, {20, 30}));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, at(source, {20, 30}));
}

// A move with no button held, as a picture with mouse tracking would receive it, before any
// press and after a release.
void TestSwatchPanel::movesWithoutButtonChangeNothing()
{
    const auto hoverBoth = [this] {
        for (SwatchPicture *target : {panel()->picTintora, panel()->picBwBox}) {
            const QPointF point = target->contentsRect().center();
            QMouseEvent move(QEvent::MouseMove, point, target->mapToGlobal(point), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        }
    };
    hoverBoth();
    QCOMPARE(panel()->txtColorRgb->text(), QStringLiteral("RGB(0, 0, 0)"));
    SwatchPicture *spectrum = panel()->picTintora;
    QTest::mouseClick(window(), Qt::LeftButton, {}, at(spectrum, {50, 5}));
    hoverBoth();
    verifyShows(pixel(spectrum, {50, 5}));
    QCOMPARE(spectrum->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(state().blnMouseUp);
}

void TestSwatchPanel::toolTipsAndFocus()
{
    QCOMPARE(panel()->picTintora->toolTip(), QStringLiteral("Click Down and Move Mouse"));
    QCOMPARE(panel()->picBwBox->toolTip(), QStringLiteral("Click Down and Move Mouse"));
    // Opening the panel put the focus on the spectrum.
    QCOMPARE(QApplication::focusWidget(), panel()->picTintora);
}

QTEST_MAIN(TestSwatchPanel)
#include "tst_swatchpanel.moc"
