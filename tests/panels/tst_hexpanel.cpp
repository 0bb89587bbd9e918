#include "testsupport.h"

#include "core/formstate.h"
#include "panels/hexpanel.h"
#include "widgets/controls.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Tintora;

class TestHexPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void composesColor_data();
    void composesColor();
    void readOutsFollowTheColorBox();
    void dragUpdatesAtEveryPosition();

private:
    std::unique_ptr<FormState> m_state;
    std::unique_ptr<HexPanel> m_panel;
};

void TestHexPanel::init()
{
    m_state = std::make_unique<FormState>();
    m_state->FillHexTable();
    m_panel = std::make_unique<HexPanel>(*m_state);
    m_panel->resize(pixels(5775), pixels(2115));
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void TestHexPanel::cleanup()
{
    m_panel.reset();
    m_state.reset();
}

void TestHexPanel::composesColor_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("orange") << 255 << 128 << 0 << "FF8000"
                            << "RGB(255,128,0)"
                            << "33023";
    QTest::newRow("blue 1") << 0 << 0 << 1 << "000001"
                            << "RGB(0,0,1)"
                            << "65536";
    QTest::newRow("two digits each") << 16 << 15 << 10 << "100F0A"
                                     << "RGB(16,15,10)"
                                     << "659216";
    QTest::newRow("white") << 255 << 255 << 255 << "FFFFFF"
                           << "RGB(255,255,255)"
                           << "16777215";
}

void TestHexPanel::composesColor()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, html);
    QFETCH(QString, rgb);
    QFETCH(QString, decimal);
    m_panel->hsHexRed->setValue(red);
    m_panel->hsHexGreen->setValue(green);
    m_panel->hsHexBlue->setValue(blue);
    QCOMPARE(m_panel->txtHexNum->text(), html);
    QCOMPARE(m_panel->txtHexRGB->text(), rgb);
    QCOMPARE(m_panel->txtHexDex->text(), decimal);
    QCOMPARE(backColor(m_panel->txtHex), colorValue(red, green, blue));
    QCOMPARE(m_state->strHexColor, html);
}

void TestHexPanel::readOutsFollowTheColorBox()
{
    // The read-outs are written after the colour box, RGB Number first.
    QStringList order;
    for (QLineEdit *box : {m_panel->txtHexNum, m_panel->txtHexRGB, m_panel->txtHexDex})
        connect(box, &QLineEdit::textChanged, this,
                [&order, box] { order.append(box->objectName()); });
    m_panel->hsHexRed->setValue(3);
    QCOMPARE(order, QStringList({"txtHexRGB", "txtHexNum", "txtHexDex"}));
}

void TestHexPanel::dragUpdatesAtEveryPosition()
{
    TestSupport::dragThumb(m_panel->hsHexRed, 12, 6, [&] {
        const int red = m_panel->hsHexRed->value();
        QCOMPARE(m_panel->txtHexDex->text(), QString::number(red));
        QCOMPARE(m_panel->txtHexRGB->text(), QStringLiteral("RGB(%1,0,0)").arg(red));
    });
    QVERIFY(m_panel->hsHexRed->value() > 0);
}

QTEST_MAIN(TestHexPanel)
#include "tst_hexpanel.moc"
