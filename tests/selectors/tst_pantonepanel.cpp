#include "testsupport.h"

#include "color/formstate.h"
#include "selectors/pantonepanel.h"
#include "window/controls.h"
#include "window/paneltoolbar.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>

using namespace Tintora;

namespace {

// One catalogue colour as its four files store it.
struct Entry
{
    QString name;
    QString red;
    QString green;
    QString blue;
};

// The catalogue files of a program folder, one entry per line as the shipped files have them.
class Catalogue
{
public:
    explicit Catalogue(const TestSupport::ProgramFolder &folder)
        : m_names(lines(folder.read(QStringLiteral("Pantone/pantonelist.dat"))))
        , m_reds(lines(folder.read(QStringLiteral("Pantone/redlist.dat"))))
        , m_greens(lines(folder.read(QStringLiteral("Pantone/greenlist.dat"))))
        , m_blues(lines(folder.read(QStringLiteral("Pantone/bluelist.dat"))))
    { }

    qsizetype size() const { return m_names.size(); }
    Entry at(int index) const
    {
        return {m_names.value(index), m_reds.value(index), m_greens.value(index),
                m_blues.value(index)};
    }
    void set(int index, const Entry &entry)
    {
        m_names[index] = entry.name;
        m_reds[index] = entry.red;
        m_greens[index] = entry.green;
        m_blues[index] = entry.blue;
    }
    void writeTo(const TestSupport::ProgramFolder &folder) const
    {
        folder.write(QStringLiteral("Pantone/pantonelist.dat"), joined(m_names));
        folder.write(QStringLiteral("Pantone/redlist.dat"), joined(m_reds));
        folder.write(QStringLiteral("Pantone/greenlist.dat"), joined(m_greens));
        folder.write(QStringLiteral("Pantone/bluelist.dat"), joined(m_blues));
    }

private:
    static QStringList lines(const QByteArray &content)
    {
        QString text = QString::fromUtf8(content);
        if (text.endsWith(u'\n'))
            text.chop(1);
        return text.split(u'\n');
    }
    static QByteArray joined(const QStringList &items) { return items.join(u'\n').toUtf8() + '\n'; }

    QStringList m_names, m_reds, m_greens, m_blues;
};

QString hexText(int red, int green, int blue)
{
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QRect trackRect(QScrollBar *bar, QStyle::SubControl control)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
}

// How a test moves the bar by one step.
enum class Step {
    ArrowDown,
    ArrowUp,
    KeyDown,
    KeyUp,
    KeyPageDown,
    KeyPageUp,
    TrackBelow,
    TrackAbove
};

} // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Step)

class TestPantonePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void firstEntryNumberSetsStartValue();
    void setValueShowsEntry_data();
    void setValueShowsEntry();
    void stepMovesOneEntry_data();
    void stepMovesOneEntry();
    void dragShowsEveryPosition();
    void fractionalComponents_data();
    void fractionalComponents();
    void hexTableLeftOnBlue_data();
    void hexTableLeftOnBlue();
    void numberListChangeMovesBar_data();
    void numberListChangeMovesBar();
    void toolbarGivesBarFocus();

private:
    void start();
    void openPanel();
    void verifyShows(const Entry &entry, int red, int green, int blue);
    void verifyShowsEntry(int index);

    PantonePanel *panel() const { return (*m_window)->pantonePanel(); }
    QScrollBar *bar() const { return panel()->vsPantone; }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<Catalogue> m_catalogue;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestPantonePanel::init()
{
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_catalogue = std::make_unique<Catalogue>(*m_folder);
    QCOMPARE(m_catalogue->size(), 941);
}

void TestPantonePanel::cleanup()
{
    m_window.reset();
    m_catalogue.reset();
    m_folder.reset();
}

// Loads the program folder's catalogue as it is now and shows the window.
void TestPantonePanel::start()
{
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY((*m_window)->Form_Load());
    QVERIFY(!m_window->exitCode->has_value());
    (*m_window)->show();
    (*m_window)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window->window.get()));
}

void TestPantonePanel::openPanel()
{
    QTest::mouseClick((*m_window)->tlbFirst()->button(2), Qt::LeftButton);
    QVERIFY(panel()->isVisible());
}

void TestPantonePanel::verifyShows(const Entry &entry, int red, int green, int blue)
{
    QCOMPARE(backColor(panel()->txtPantone), red + 256 * green + 65536 * blue);
    QCOMPARE(panel()->txtPantoneNum->text(), entry.name);
    QCOMPARE(panel()->txtRgbPantone->text(),
             QStringLiteral("RGB(%1,%2,%3)").arg(entry.red, entry.green, entry.blue));
    QCOMPARE(panel()->txtHtmlPantone->text(), hexText(red, green, blue));
}

// The shipped catalogue holds whole numbers only.
void TestPantonePanel::verifyShowsEntry(int index)
{
    const Entry entry = m_catalogue->at(index);
    verifyShows(entry, entry.red.toInt(), entry.green.toInt(), entry.blue.toInt());
}

void TestPantonePanel::startState()
{
    QCOMPARE(m_catalogue->at(0).name, QStringLiteral("Yellow C"));
    start();
    QCOMPARE(bar()->minimum(), 0);
    QCOMPARE(bar()->maximum(), 940);
    QCOMPARE(bar()->value(), 0);
    // The first name has no leading number: the bar stays on 0, which raises no change, so the
    // panel shows the start values rather than "Yellow C".
    QCOMPARE(backColor(panel()->txtPantone), kBlack);
    QCOMPARE(panel()->txtPantoneNum->text(), QStringLiteral("0"));
    QCOMPARE(panel()->txtRgbPantone->text(), QStringLiteral("RGB(0, 0, 0)"));
    QCOMPARE(panel()->txtHtmlPantone->text(), QStringLiteral("000000"));
}

void TestPantonePanel::firstEntryNumberSetsStartValue()
{
    Entry first = m_catalogue->at(0);
    first.name = QStringLiteral("100");
    m_catalogue->set(0, first);
    m_catalogue->writeTo(*m_folder);
    const Entry hundred = m_catalogue->at(100);

    // Start-up overwrites the texts afterwards, so watch what the bar's change handling showed.
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QStringList numbers, rgbTexts, hexTexts;
    PantonePanel *pantone = panel();
    connect(pantone->txtPantoneNum, &QLineEdit::textChanged, this,
            [&numbers](const QString &text) { numbers.append(text); });
    connect(pantone->txtRgbPantone, &QLineEdit::textChanged, this,
            [&rgbTexts](const QString &text) { rgbTexts.append(text); });
    connect(pantone->txtHtmlPantone, &QLineEdit::textChanged, this,
            [&hexTexts](const QString &text) { hexTexts.append(text); });
    QVERIFY((*m_window)->Form_Load());
    disconnect(pantone->txtPantoneNum, nullptr, this, nullptr);
    disconnect(pantone->txtRgbPantone, nullptr, this, nullptr);
    disconnect(pantone->txtHtmlPantone, nullptr, this, nullptr);

    QCOMPARE(bar()->value(), 100);
    // Selecting the first entry raises the number list's change handling, moving the bar to 100
    // raises the bar's, and loading ends by writing the bar's value.
    QCOMPARE(numbers, QStringList({QStringLiteral("100"), hundred.name, QStringLiteral("100")}));
    QCOMPARE(
        rgbTexts,
        QStringList({QStringLiteral("RGB(%1,%2,%3)").arg(hundred.red, hundred.green, hundred.blue),
                     QStringLiteral("RGB(0, 0, 0)")}));
    // The hex table is still empty while the catalogue loads, so the HTML Number stays empty until
    // start-up writes its placeholder.
    QCOMPARE(hexTexts, QStringList({QStringLiteral("000000")}));
    for (const HiddenList *list :
         {&(*m_window)->state().cboPantoneList, &(*m_window)->state().cboPantoneRGBred,
          &(*m_window)->state().cboPantoneRGBgreen, &(*m_window)->state().cboPantoneRGBblue})
        QCOMPARE(list->currentIndex(), 100);
    // Loading then puts the bar's value itself into the patch and the number box.
    QCOMPARE(backColor(pantone->txtPantone), 100);
    QCOMPARE(pantone->txtPantoneNum->text(), QStringLiteral("100"));
}

void TestPantonePanel::setValueShowsEntry_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("patch");
    // Rows as the shipped catalogue files hold them.
    QTest::newRow("first entry") << 17 << 0 << "Yellow C"
                                 << "RGB(255,221,0)"
                                 << "FFDD00" << 56831;
    QTest::newRow("second entry") << 0 << 1 << "Orange 021 C"
                                  << "RGB(255,80,0)"
                                  << "FF5000" << 20735;
    QTest::newRow("third entry") << 0 << 2 << "Warm Red C"
                                 << "RGB(255,67,55)"
                                 << "FF4337" << 3621887;
    QTest::newRow("entry 100") << 940 << 100 << "159 C"
                               << "RGB(210,93,18)"
                               << "D25D12" << 1203666;
    QTest::newRow("middle entry") << 940 << 471 << "530 C"
                                  << "RGB(218,183,226)"
                                  << "DAB7E2" << 14858202;
    QTest::newRow("last entry") << 0 << 940 << "2225 C"
                                << "RGB(112,211,225)"
                                << "70D3E1" << 14799728;
}

void TestPantonePanel::setValueShowsEntry()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, number);
    QFETCH(QString, rgbText);
    QFETCH(QString, html);
    QFETCH(int, patch);
    start();
    bar()->setValue(from);
    bar()->setValue(to);
    QCOMPARE(bar()->value(), to);
    QCOMPARE(backColor(panel()->txtPantone), patch);
    QCOMPARE(panel()->txtPantoneNum->text(), number);
    QCOMPARE(panel()->txtRgbPantone->text(), rgbText);
    QCOMPARE(panel()->txtHtmlPantone->text(), html);
}

void TestPantonePanel::stepMovesOneEntry_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("arrow down from the top") << Step::ArrowDown << 0 << 1;
    QTest::newRow("arrow up to the top") << Step::ArrowUp << 1 << 0;
    QTest::newRow("arrow down to the bottom") << Step::ArrowDown << 939 << 940;
    QTest::newRow("key down") << Step::KeyDown << 300 << 301;
    QTest::newRow("key up") << Step::KeyUp << 300 << 299;
    QTest::newRow("key page down") << Step::KeyPageDown << 300 << 301;
    QTest::newRow("key page up") << Step::KeyPageUp << 300 << 299;
    QTest::newRow("key down at the bottom") << Step::KeyDown << 939 << 940;
    QTest::newRow("track below the thumb") << Step::TrackBelow << 300 << 301;
    QTest::newRow("track above the thumb") << Step::TrackAbove << 300 << 299;
}

void TestPantonePanel::stepMovesOneEntry()
{
    QFETCH(Step, step);
    QFETCH(int, from);
    QFETCH(int, to);
    start();
    openPanel();
    bar()->setValue(from);
    switch (step) {
    case Step::ArrowDown:
        TestSupport::clickArrow(bar(), true);
        break;
    case Step::ArrowUp:
        TestSupport::clickArrow(bar(), false);
        break;
    case Step::KeyDown:
        QTest::keyClick(bar(), Qt::Key_Down);
        break;
    case Step::KeyUp:
        QTest::keyClick(bar(), Qt::Key_Up);
        break;
    case Step::KeyPageDown:
        QTest::keyClick(bar(), Qt::Key_PageDown);
        break;
    case Step::KeyPageUp:
        QTest::keyClick(bar(), Qt::Key_PageUp);
        break;
    case Step::TrackBelow:
    case Step::TrackAbove: {
        const QRect track = trackRect(bar(),
                                      step == Step::TrackBelow ? QStyle::SC_ScrollBarAddPage
                                                               : QStyle::SC_ScrollBarSubPage);
        QVERIFY2(!track.isEmpty(), "the thumb should leave some track on both sides");
        QTest::mouseClick(bar(), Qt::LeftButton, {}, track.center());
        break;
    }
    }
    QCOMPARE(bar()->value(), to);
    verifyShowsEntry(to);
}

void TestPantonePanel::dragShowsEveryPosition()
{
    start();
    openPanel();
    bar()->setValue(200);
    int positions = 0;
    int last = bar()->value();
    TestSupport::dragThumb(bar(), 30, 15, [&] {
        const int now = bar()->value();
        if (now != last)
            ++positions;
        last = now;
        QVERIFY(bar()->isSliderDown());
        verifyShowsEntry(now);
    });
    QVERIFY2(positions >= 5, "the thumb should pass several entries while dragged");
    QVERIFY(bar()->value() > 200);
    verifyShowsEntry(bar()->value());
}

void TestPantonePanel::fractionalComponents_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("rgbText");

    QTest::newRow("halves to even, blank skipped")
        << Entry {QStringLiteral("Test 5 C"), QStringLiteral("12.5"), QStringLiteral("13.5"),
                  QStringLiteral(" 7")}
        << 12 << 14 << 7 << "RGB(12.5,13.5,7)";
    QTest::newRow("halves at the ends of the range")
        << Entry {QStringLiteral("Test 6 C"), QStringLiteral("0.5"), QStringLiteral("254.5"),
                  QStringLiteral("253.5")}
        << 0 << 254 << 254 << "RGB(0.5,254.5,253.5)";
    QTest::newRow("not halves round to nearest")
        << Entry {QStringLiteral("Test 7 C"), QStringLiteral("9.51"), QStringLiteral("200.49"),
                  QStringLiteral("1.5")}
        << 10 << 200 << 2 << "RGB(9.51,200.49,1.5)";
    QTest::newRow("leading zeros kept in the text")
        << Entry {QStringLiteral("Test 8 C"), QStringLiteral("007"), QStringLiteral("010"),
                  QStringLiteral("0255")}
        << 7 << 10 << 255 << "RGB(007,010,0255)";
}

void TestPantonePanel::fractionalComponents()
{
    QFETCH(Entry, entry);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, rgbText);
    m_catalogue->set(5, entry);
    m_catalogue->writeTo(*m_folder);
    start();
    bar()->setValue(5);
    QCOMPARE(panel()->txtRgbPantone->text(), rgbText);
    QCOMPARE(backColor(panel()->txtPantone), red + 256 * green + 65536 * blue);
    QCOMPARE(panel()->txtHtmlPantone->text(), hexText(red, green, blue));
    QCOMPARE(panel()->txtPantoneNum->text(), entry.name);
    QCOMPARE((*m_window)->state().cboHtml.currentIndex(), blue);
}

void TestPantonePanel::hexTableLeftOnBlue_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("Yellow C, blue 0") << 0;
    QTest::newRow("Warm Red C") << 2;
    QTest::newRow("last entry") << 940;
}

void TestPantonePanel::hexTableLeftOnBlue()
{
    QFETCH(int, index);
    const Entry entry = m_catalogue->at(index);
    // Red, green and blue differ, so a table left on another component shows.
    QVERIFY(entry.blue != entry.red && entry.blue != entry.green);
    start();
    bar()->setValue(index == 0 ? 1 : 0);
    bar()->setValue(index);
    const HiddenList &table = (*m_window)->state().cboHtml;
    QCOMPARE(table.currentIndex(), entry.blue.toInt());
    QCOMPARE(table.currentText(), hexText(0, 0, entry.blue.toInt()).right(2));
}

void TestPantonePanel::numberListChangeMovesBar_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("second entry") << 1;
    QTest::newRow("middle entry") << 37;
    QTest::newRow("last entry") << 940;
}

void TestPantonePanel::numberListChangeMovesBar()
{
    QFETCH(int, index);
    start();
    QVERIFY((*m_window)->state().cboPantoneList.setCurrentIndex(index));
    QCOMPARE(bar()->value(), index);
    verifyShowsEntry(index);
    for (const HiddenList *list :
         {&(*m_window)->state().cboPantoneRGBred, &(*m_window)->state().cboPantoneRGBgreen,
          &(*m_window)->state().cboPantoneRGBblue})
        QCOMPARE(list->currentIndex(), index);
}

void TestPantonePanel::toolbarGivesBarFocus()
{
    start();
    QVERIFY(QApplication::focusWidget() != bar());
    openPanel();
    QCOMPARE(QApplication::focusWidget(), bar());
    // The keyboard now moves the catalogue.
    QTest::keyClick((*m_window)->windowHandle(), Qt::Key_Down);
    QCOMPARE(bar()->value(), 1);
    verifyShowsEntry(1);
}

QTEST_MAIN(TestPantonePanel)
#include "tst_pantonepanel.moc"
