#include "testsupport.h"

#include "core/formstate.h"
#include "panels/pantonepanel.h"
#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace Tintora;

// How a test moves the bar by one entry.
enum class Step { SetValue, Arrow, Key, PageKey };

class TestPantonePanel : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void stepShowsEntry_data();
    void stepShowsEntry();
    void dragShowsEveryPosition();
    void fractionalComponents();
    void numberListChangeMovesBar();
    void openingFocusesBar();

private:
    void start(bool openPanel = true);
    void verifyShows(const QStringList &texts, int patch);

    PantonePanel *panel() const { return (*m_window)->pantonePanel(); }
    QScrollBar *bar() const { return panel()->vsPantone; }
    FormState &state() const { return (*m_window)->state(); }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

// Loads the shipped catalogue and shows the window.
void TestPantonePanel::start(bool openPanel)
{
    m_window.reset();
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY(m_window->loadAndShow());
    if (openPanel)
        QTest::mouseClick((*m_window)->tlbFirst()->button(2), Qt::LeftButton);
}

// The Pantone Number, the RGB Number and the HTML Number, and the patch's colour.
void TestPantonePanel::verifyShows(const QStringList &texts, int patch)
{
    QCOMPARE(panel()->txtPantoneNum->text(), texts[0]);
    QCOMPARE(panel()->txtRgbPantone->text(), texts[1]);
    QCOMPARE(panel()->txtHtmlPantone->text(), texts[2]);
    QCOMPARE(backColor(panel()->txtPantone), patch);
    // A name too long for its box shows its beginning, not its end ("cess Blue C").
    QCOMPARE(panel()->txtPantoneNum->cursorPosition(), 0);
    // The hex table is left on the blue component.
    QCOMPARE(state().cboHtml.currentIndex(), patch / 65536);
}

// The first name, "Yellow C", has no leading number: the bar stays on 0, which raises no change.
void TestPantonePanel::startState()
{
    start();
    QCOMPARE(bar()->minimum(), 0);
    QCOMPARE(bar()->maximum(), 940);
    QCOMPARE(bar()->value(), 0);
    QCOMPARE(panel()->txtPantoneNum->text(), QStringLiteral("0"));
}

void TestPantonePanel::stepShowsEntry_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("patch");

    const std::pair<Step, const char *> steps[] = {{Step::SetValue, "set"},
                                                   {Step::Arrow, "arrow"},
                                                   {Step::Key, "key"},
                                                   {Step::PageKey, "page"}};
    const auto addRows = [&steps](int from, int to, const QStringList &texts, int patch) {
        for (const auto &[step, how] : steps)
            QTest::addRow("%d to %d, %s", from, to, how) << step << from << to << texts << patch;
    };
    // As the shipped catalogue holds them.
    addRows(1, 0, {"Yellow C", "RGB(255,221,0)", "FFDD00"}, 56831);
    addRows(0, 1, {"Orange 021 C", "RGB(255,80,0)", "FF5000"}, 20735);
    addRows(939, 940, {"2225 C", "RGB(112,211,225)", "70D3E1"}, 14799728);
    addRows(9, 10, {"Process Blue C", "RGB(0,129,201)", "0081C9"}, 13205760);
}

void TestPantonePanel::stepShowsEntry()
{
    QFETCH(Step, step);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, texts);
    QFETCH(int, patch);
    start();
    bar()->setValue(from);
    const bool down = to > from;
    if (step == Step::SetValue)
        bar()->setValue(to);
    else if (step == Step::Arrow)
        TestSupport::clickArrow(bar(), down);
    else if (step == Step::Key)
        QTest::keyClick(bar(), down ? Qt::Key_Down : Qt::Key_Up);
    else
        QTest::keyClick(bar(), down ? Qt::Key_PageDown : Qt::Key_PageUp);
    QCOMPARE(bar()->value(), to);
    verifyShows(texts, patch);
}

// Every position the thumb passes shows its entry of the loaded catalogue.
void TestPantonePanel::dragShowsEveryPosition()
{
    start();
    bar()->setValue(200);
    QSet<int> positions;
    TestSupport::dragThumb(bar(), 30, 15, [&] {
        const int entry = bar()->value();
        positions.insert(entry);
        QVERIFY(bar()->isSliderDown());
        QCOMPARE(panel()->txtPantoneNum->text(), state().cboPantoneList.item(entry));
        QCOMPARE(panel()->txtRgbPantone->text(),
                 QStringLiteral("RGB(%1,%2,%3)")
                     .arg(state().cboPantoneRGBred.item(entry),
                          state().cboPantoneRGBgreen.item(entry),
                          state().cboPantoneRGBblue.item(entry)));
    });
    QVERIFY2(positions.size() >= 5, "the thumb should pass several entries while dragged");
}

// The RGB Number shows the stored texts; the patch and the HTML Number use them rounded.
void TestPantonePanel::fractionalComponents()
{
    start();
    const QStringList components {"12.5", "13.5", "254.5"};
    HiddenList *lists[]
        = {&state().cboPantoneRGBred, &state().cboPantoneRGBgreen, &state().cboPantoneRGBblue};
    for (int i = 0; i < 3; ++i) {
        QStringList items = lists[i]->items();
        items[5] = components[i];
        lists[i]->setItems(items);
    }
    bar()->setValue(5);
    verifyShows({"Rhodamine Red C", "RGB(12.5,13.5,254.5)", "0C0EFE"}, 12 + 256 * 14 + 65536 * 254);
}

void TestPantonePanel::numberListChangeMovesBar()
{
    start();
    QVERIFY(state().cboPantoneList.setCurrentIndex(940));
    QCOMPARE(bar()->value(), 940);
    QCOMPARE(state().cboPantoneRGBred.currentIndex(), 940);
    verifyShows({"2225 C", "RGB(112,211,225)", "70D3E1"}, 14799728);
}

void TestPantonePanel::openingFocusesBar()
{
    start(false);
    QVERIFY(QApplication::focusWidget() != bar());
    QTest::mouseClick((*m_window)->tlbFirst()->button(2), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), bar());
    // The keyboard now moves the catalogue.
    QTest::keyClick((*m_window)->windowHandle(), Qt::Key_Down);
    QCOMPARE(bar()->value(), 1);
}

QTEST_MAIN(TestPantonePanel)
#include "tst_pantonepanel.moc"
