#include "testsupport.h"

#include "core/formstate.h"
#include "widgets/controls.h"
#include "widgets/swatchpicture.h"
#include "window/paneltoolbar.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace Tintora;
using TestSupport::child;

namespace {

// How a row drives its control, as a user would.
enum class Input { Set, Key, Press };

} // namespace

// The five selectors on a started window, each driven through its own controls; the read-outs
// and the colour box must show the colour. Checks are "box=text" for a read-out's text and
// "box:value" for a colour box's colour value.
class TestSelectors : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestSupport::ProgramFolder>();
        m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
        QVERIFY(m_window->loadAndShow());
    }
    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    void showsColour_data();
    void showsColour();
    void dragUpdatesAtEveryPosition();
    void pantoneRoundsOnlyPatchAndHex();
    void swatchDragOutsideShowsBlack_data();
    void swatchDragOutsideShowsBlack();

private:
    QWidget *find(const QString &name) const
    {
        return child<QWidget>(m_window->window.get(), name);
    }
    QPoint at(const QString &picture, QPoint inner) const
    {
        auto *target = child<SwatchPicture>(m_window->window.get(), picture);
        return target->mapTo(m_window->window.get(), target->contentsRect().topLeft() + inner);
    }
    void open(int index) const
    {
        QTest::mouseClick((*m_window)->tlbFirst()->button(index), Qt::LeftButton);
        // The window grows through the window system: mouse events go to its new area after.
        QCoreApplication::processEvents();
    }
    void verifyChecks(const QString &checks) const;
    // Mouse events go to the window as the window system delivers them, to the control under
    // the pointer; sent to a widget they would stay with it.
    QWindow *screen() const { return (*m_window)->windowHandle(); }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestSelectors::verifyChecks(const QString &checks) const
{
    const QStringList list = checks.split(u';');
    for (const QString &check : list) {
        const qsizetype text = check.indexOf(u'=');
        if (text > 0) {
            QCOMPARE(child<QLineEdit>(m_window->window.get(), check.left(text))->text(),
                     check.mid(text + 1));
        } else {
            const QStringList color = check.split(u':');
            QCOMPARE(backColor(find(color.at(0))), color.at(1).toInt());
        }
    }
}

void TestSelectors::showsColour_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<Input>("input");
    QTest::addColumn<QList<int>>("values"); // values, keys, or the point pressed
    QTest::addColumn<QString>("checks");
    const QStringList rgb {"hsRed", "hsGreen", "hsBlue"};
    const QStringList hex {"hsHexRed", "hsHexGreen", "hsHexBlue"};

    QTest::newRow("RGB red") << 3 << rgb << Input::Set << QList {255, 0, 0}
                             << "txtRGBnum=RGB(255,0,0);txtHTML=FF0000;txtDecimal=255;txtRGB:255";
    QTest::newRow("RGB back to black drops the blanks")
        << 3 << QStringList {"hsGreen", "hsGreen"} << Input::Set << QList {7, 0}
        << "txtRGBnum=RGB(0,0,0);txtHTML=000000;txtDecimal=0";
    QTest::newRow("regression: the right arrow key moved a bar to the left")
        << 3 << QStringList {"hsRed", "hsRed"} << Input::Key
        << QList {+Qt::Key_Right, +Qt::Key_Right} << "txtRGBnum=RGB(2,0,0);txtDecimal=2";
    QTest::newRow("hex orange") << 4 << hex << Input::Set << QList {255, 128, 0}
                                << "txtHexNum=FF8000;txtHexRGB=RGB(255,128,0);txtHexDex=33023";
    QTest::newRow("hex keeps leading zeros") << 4 << hex << Input::Set << QList {16, 15, 10}
                                             << "txtHexNum=100F0A;txtHexDex=659216;txtHex:659216";
    QTest::newRow("QB dark red by key")
        << 1 << QStringList {"vsQB", "vsQB", "vsQB", "vsQB"} << Input::Key
        << QList {+Qt::Key_Down, +Qt::Key_Down, +Qt::Key_PageDown, +Qt::Key_Down}
        << "txtQBnum=4;txtRGBqb=RGB(128,0,0);txtHTMLqb=800000;txtQB:128";
    QTest::newRow("QB bright white")
        << 1 << QStringList {"vsQB"} << Input::Set << QList {15} << "txtQBnum=15;txtHTMLqb=FFFFFF";
    QTest::newRow("Pantone first entry")
        << 2 << QStringList {"vsPantone", "vsPantone"} << Input::Set << QList {1, 0}
        << "txtPantoneNum=Yellow C;txtRgbPantone=RGB(255,221,0);txtHtmlPantone=FFDD00;"
           "txtPantone:56831";
    QTest::newRow("Pantone last entry")
        << 2 << QStringList {"vsPantone", "vsPantone"} << Input::Set << QList {939, 940}
        << "txtPantoneNum=2225 C;txtRgbPantone=RGB(112,211,225);txtHtmlPantone=70D3E1";
    QTest::newRow("Pantone page key") << 2 << QStringList {"vsPantone"} << Input::Key
                                      << QList {+Qt::Key_PageDown} << "txtPantoneNum=Orange 021 C";
    QTest::newRow("grey ramp top left")
        << 5 << QStringList {"picBwBox"} << Input::Press << QList {0, 0}
        << "txtColorDecimal=16580348;txtColorRgb=RGB(252,254,252);txtColorHtml=FCFEFC";
    QTest::newRow("spectrum sample")
        << 5 << QStringList {"picTintora"} << Input::Press << QList {30, 0}
        << "txtColorDecimal=325348;txtColorRgb=RGB(228,246,4);txtColorHtml=E4F604;"
           "txtColor:325348";
}

void TestSelectors::showsColour()
{
    QFETCH(int, panel);
    QFETCH(QStringList, controls);
    QFETCH(Input, input);
    QFETCH(QList<int>, values);
    QFETCH(QString, checks);
    open(panel);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        auto *bar = qobject_cast<QAbstractSlider *>(find(controls.at(i)));
        if (input == Input::Set)
            bar->setValue(values.at(i));
        else if (input == Input::Key)
            QTest::keyClick(bar, Qt::Key(values.at(i)));
    }
    if (input == Input::Press) {
        const QPoint point = at(controls.first(), QPoint(values.at(0), values.at(1)));
        QTest::mousePress(screen(), Qt::RightButton, {}, point);
        QCOMPARE(find(controls.first())->cursor().shape(), Qt::CrossCursor);
        QTest::mouseRelease(screen(), Qt::RightButton, {}, point);
        QCOMPARE(find(controls.first())->cursor().shape(), Qt::ArrowCursor);
    }
    verifyChecks(checks);
}

// The read-outs follow the thumb while it is dragged, not only when it is let go.
void TestSelectors::dragUpdatesAtEveryPosition()
{
    open(3);
    auto *bar = child<QScrollBar>(m_window->window.get(), QStringLiteral("hsGreen"));
    bar->setSliderDown(true);
    for (int position : {3, 9, 27}) {
        bar->setSliderPosition(position);
        verifyChecks(QStringLiteral("txtRGBnum=RGB(0,%1,0)").arg(position));
    }
    bar->setSliderDown(false);
}

// The RGB Number shows the catalogue's texts as they stand; the patch and the HTML Number use
// them rounded, halves to even.
void TestSelectors::pantoneRoundsOnlyPatchAndHex()
{
    FormState &state = (*m_window)->state();
    const QString components[] = {"12.5", "13.5", "254.5"};
    HiddenList *lists[]
        = {&state.cboPantoneRGBred, &state.cboPantoneRGBgreen, &state.cboPantoneRGBblue};
    for (int i = 0; i < 3; ++i) {
        QStringList items = lists[i]->items();
        items[5] = components[i];
        lists[i]->setItems(items);
    }
    open(2);
    child<QScrollBar>(m_window->window.get(), QStringLiteral("vsPantone"))->setValue(5);
    verifyChecks(QStringLiteral("txtRgbPantone=RGB(12.5,13.5,254.5);txtHtmlPantone=0C0EFE;"
                                "txtPantone:%1")
                     .arg(colorValue(12, 14, 254)));
}

void TestSelectors::swatchDragOutsideShowsBlack_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("over");
    QTest::addColumn<QPoint>("inner"); // in the inner area of the picture the pointer is over
    QTest::newRow("spectrum, sunken edge") << "picTintora"
                                           << "picTintora" << QPoint(-1, 10);
    QTest::newRow("spectrum, clipped last column") << "picTintora"
                                                   << "picTintora" << QPoint(157, 0);
    QTest::newRow("grey ramp, below") << "picBwBox"
                                      << "picBwBox" << QPoint(5, 93);
    QTest::newRow("spectrum onto grey ramp") << "picTintora"
                                             << "picBwBox" << QPoint(10, 10);
}

// Outside its inner area the pressed picture has no colour: black; back inside it picks again,
// and after the release moves pick nothing.
void TestSelectors::swatchDragOutsideShowsBlack()
{
    QFETCH(QString, pressed);
    QFETCH(QString, over);
    QFETCH(QPoint, inner);
    open(5);
    QWindow *window = screen();
    QTest::mousePress(window, Qt::LeftButton, {}, at(pressed, {10, 10}));
    QTest::mouseMove(window, at(over, inner));
    verifyChecks(QStringLiteral("txtColorDecimal=0;txtColorRgb=RGB(0,0,0);txtColorHtml=000000"));
    QTest::mouseMove(window, at(pressed, {20, 30}));
    const QString picked
        = child<QLineEdit>(m_window->window.get(), QStringLiteral("txtColorDecimal"))->text();
    QVERIFY(picked != QStringLiteral("0"));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(pressed, {20, 30}));
    QTest::mouseMove(window, at(pressed, {0, 0}));
    verifyChecks(QStringLiteral("txtColorDecimal=") + picked);
}

QTEST_MAIN(TestSelectors)
#include "tst_selectors.moc"
