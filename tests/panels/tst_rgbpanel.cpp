#include "testsupport.h"

#include "core/formstate.h"
#include "panels/rgbpanel.h"
#include "widgets/controls.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Tintora;

class TestRgbPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mixesColor_data();
    void mixesColor();
    void backToBlackLosesTheBlanks();
    void arrowClicksAndKeys(); // regression: the right arrow key moved a bar to the left
    void dragUpdatesAtEveryPosition();

private:
    void verifyShows(int red, int green, int blue);

    std::unique_ptr<FormState> m_state;
    std::unique_ptr<RgbPanel> m_panel;
};

void TestRgbPanel::init()
{
    m_state = std::make_unique<FormState>();
    m_state->FillHexTable();
    m_panel = std::make_unique<RgbPanel>(*m_state);
    m_panel->resize(pixels(5775), pixels(2115));
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void TestRgbPanel::cleanup()
{
    m_panel.reset();
    m_state.reset();
}

void TestRgbPanel::verifyShows(int red, int green, int blue)
{
    const ColorValue value = colorValue(red, green, blue);
    QCOMPARE(m_panel->txtRGBnum->text(),
             QStringLiteral("RGB(%1,%2,%3)").arg(red).arg(green).arg(blue));
    QCOMPARE(m_panel->txtHTML->text(),
             QStringLiteral("%1%2%3")
                 .arg(red, 2, 16, QLatin1Char('0'))
                 .arg(green, 2, 16, QLatin1Char('0'))
                 .arg(blue, 2, 16, QLatin1Char('0'))
                 .toUpper());
    QCOMPARE(m_panel->txtDecimal->text(), QString::number(value));
    QCOMPARE(backColor(m_panel->txtRGB), value);
    QCOMPARE(m_state->varDecimal, value);
}

void TestRgbPanel::mixesColor_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("red") << 255 << 0 << 0 << "FF0000"
                         << "255";
    QTest::newRow("blue") << 0 << 0 << 255 << "0000FF"
                          << "16711680";
    QTest::newRow("white") << 255 << 255 << 255 << "FFFFFF"
                           << "16777215";
    QTest::newRow("orange, leading zero kept") << 255 << 128 << 0 << "FF8000"
                                               << "33023";
    QTest::newRow("small components") << 1 << 2 << 3 << "010203"
                                      << "197121";
}

void TestRgbPanel::mixesColor()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, html);
    QFETCH(QString, decimal);
    m_panel->hsRed->setValue(red);
    m_panel->hsGreen->setValue(green);
    m_panel->hsBlue->setValue(blue);
    QCOMPARE(m_panel->txtHTML->text(), html);
    QCOMPARE(m_panel->txtDecimal->text(), decimal);
    verifyShows(red, green, blue);
}

void TestRgbPanel::backToBlackLosesTheBlanks()
{
    m_panel->txtRGBnum->setText(rgbPlaceholder());
    m_panel->hsGreen->setValue(7);
    m_panel->hsGreen->setValue(0);
    QCOMPARE(m_panel->txtRGBnum->text(), QStringLiteral("RGB(0,0,0)"));
    QCOMPARE(m_panel->txtHTML->text(), QStringLiteral("000000"));
    QCOMPARE(m_panel->txtDecimal->text(), QStringLiteral("0"));
}

void TestRgbPanel::arrowClicksAndKeys()
{
    TestSupport::clickArrow(m_panel->hsBlue, true);
    QCOMPARE(m_panel->hsBlue->value(), 1);
    verifyShows(0, 0, 1);

    m_panel->hsRed->setFocus();
    QTest::keyClick(m_panel->hsRed, Qt::Key_PageUp);
    QTest::keyClick(m_panel->hsRed, Qt::Key_Right);
    QCOMPARE(m_panel->hsRed->value(), 2);
    verifyShows(2, 0, 1);
    QTest::keyClick(m_panel->hsRed, Qt::Key_Left);
    verifyShows(1, 0, 1);
    TestSupport::clickArrow(m_panel->hsRed, false);
    verifyShows(0, 0, 1);
}

void TestRgbPanel::dragUpdatesAtEveryPosition()
{
    m_panel->hsBlue->setValue(9);
    int positions = 0;
    int last = m_panel->hsGreen->value();
    TestSupport::dragThumb(m_panel->hsGreen, 20, 20, [&] {
        const int now = m_panel->hsGreen->value();
        if (now != last)
            ++positions;
        last = now;
        verifyShows(0, now, 9);
    });
    QVERIFY2(positions >= 5, "the thumb should pass several values while dragged");
    verifyShows(0, m_panel->hsGreen->value(), 9);
}

QTEST_MAIN(TestRgbPanel)
#include "tst_rgbpanel.moc"
