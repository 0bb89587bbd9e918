#include "testsupport.h"

#include "core/formstate.h"
#include "panels/qbpanel.h"
#include "widgets/controls.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Tintora;

class TestQbPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsQbColor_data();
    void showsQbColor();
    void placeholderReplaced();
    void keysAndArrowsMoveOneColor();

private:
    std::unique_ptr<FormState> m_state;
    std::unique_ptr<QbPanel> m_panel;
};

void TestQbPanel::init()
{
    m_state = std::make_unique<FormState>();
    m_state->FillHexTable();
    m_panel = std::make_unique<QbPanel>(*m_state);
    m_panel->resize(pixels(5775), pixels(1755));
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void TestQbPanel::cleanup()
{
    m_panel.reset();
    m_state.reset();
}

void TestQbPanel::showsQbColor_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("html");
    const struct
    {
        const char *name;
        int value;
        const char *rgb;
        const char *html;
    } table[] = {
        {"black", 0, "RGB(0,0,0)", "000000"},
        {"blue", 8388608, "RGB(0,0,128)", "000080"},
        {"green", 32768, "RGB(0,128,0)", "008000"},
        {"cyan", 8421376, "RGB(0,128,128)", "008080"},
        {"red", 128, "RGB(128,0,0)", "800000"},
        {"magenta", 8388736, "RGB(128,0,128)", "800080"},
        {"yellow", 32896, "RGB(128,128,0)", "808000"},
        {"white is light grey", 12632256, "RGB(192,192,192)", "C0C0C0"},
        {"grey is darker", 8421504, "RGB(128,128,128)", "808080"},
        {"light blue", 16711680, "RGB(0,0,255)", "0000FF"},
        {"light green", 65280, "RGB(0,255,0)", "00FF00"},
        {"light cyan", 16776960, "RGB(0,255,255)", "00FFFF"},
        {"light red", 255, "RGB(255,0,0)", "FF0000"},
        {"light magenta", 16711935, "RGB(255,0,255)", "FF00FF"},
        {"light yellow", 65535, "RGB(255,255,0)", "FFFF00"},
        {"bright white", 16777215, "RGB(255,255,255)", "FFFFFF"},
    };
    int number = 0;
    for (const auto &row : table) {
        QTest::addRow("%d %s", number, row.name)
            << number << row.value << QString::fromLatin1(row.rgb) << QString::fromLatin1(row.html);
        ++number;
    }
}

void TestQbPanel::showsQbColor()
{
    QFETCH(int, number);
    QFETCH(int, value);
    QFETCH(QString, rgb);
    QFETCH(QString, html);
    // Start from another number so the change always happens.
    m_panel->vsQB->setValue(number == 15 ? 0 : 15);
    m_panel->vsQB->setValue(number);
    QCOMPARE(m_panel->txtQBnum->text(), QString::number(number));
    QCOMPARE(backColor(m_panel->txtQB), value);
    QCOMPARE(m_panel->txtRGBqb->text(), rgb);
    QCOMPARE(m_panel->txtHTMLqb->text(), html);
}

void TestQbPanel::placeholderReplaced()
{
    m_panel->txtRGBqb->setText(rgbPlaceholder());
    m_panel->vsQB->setValue(1);
    m_panel->vsQB->setValue(0);
    QCOMPARE(m_panel->txtRGBqb->text(), QStringLiteral("RGB(0,0,0)"));
}

void TestQbPanel::keysAndArrowsMoveOneColor()
{
    TestSupport::clickArrow(m_panel->vsQB, true);
    QCOMPARE(m_panel->txtQBnum->text(), QStringLiteral("1"));
    m_panel->vsQB->setFocus();
    QTest::keyClick(m_panel->vsQB, Qt::Key_PageDown);
    QTest::keyClick(m_panel->vsQB, Qt::Key_Down);
    QCOMPARE(m_panel->txtQBnum->text(), QStringLiteral("3"));
    QCOMPARE(m_panel->txtHTMLqb->text(), QStringLiteral("008080"));
    QTest::keyClick(m_panel->vsQB, Qt::Key_End);
    QCOMPARE(m_panel->txtQBnum->text(), QStringLiteral("15"));
}

QTEST_MAIN(TestQbPanel)
#include "tst_qbpanel.moc"
