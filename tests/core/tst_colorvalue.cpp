#include "core/formstate.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace Tintora;

namespace {

// What a colour value must split into, by range: exact bytes for a valid colour, saturation
// above it, and for negative values red 0 with blue and green taken from the magnitude.
Components expectedComponents(qint64 value)
{
    if (value > 16777215)
        return {255, 255, 255};
    if (value >= 0)
        return {qint16(value % 256), qint16(value / 256 % 256), qint16(value / 65536)};
    const qint64 magnitude = -value;
    const qint16 blue = qint16(std::min<qint64>(255, magnitude / 65536));
    const qint16 green = blue >= 1 ? 255 : qint16(magnitude / 256);
    return {0, green, blue};
}

QString hexOf(const Components &c)
{
    return QStringLiteral("%1%2%3")
        .arg(c.red, 2, 16, QLatin1Char('0'))
        .arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

class TestColorValue : public QObject
{
    Q_OBJECT

private slots:
    void hexTable_data();
    void hexTable();
    void hexTableRefilled();
    void decimalToRgb_data();
    void decimalToRgb();
    void decimalToRgbMatchesClosedForm_data();
    void decimalToRgbMatchesClosedForm();
    void hexTextReplacedNotAppended();
    void hexTableLeftOnBlue();
    void rgbNumberHasNoBlanks();
};

void TestColorValue::hexTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "00";
    QTest::newRow("9") << 9 << "09";
    QTest::newRow("10 is a letter, not 10") << 10 << "0A";
    QTest::newRow("15") << 15 << "0F";
    QTest::newRow("16") << 16 << "10";
    QTest::newRow("171 upper case") << 171 << "AB";
    QTest::newRow("255") << 255 << "FF";
}

void TestColorValue::hexTable()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    FormState state;
    state.FillHexTable();
    QCOMPARE(state.cboHtml.count(), 256);
    QCOMPARE(state.cboHtml.currentIndex(), 0);
    QCOMPARE(state.cboHtml.item(index), text);
}

void TestColorValue::hexTableRefilled()
{
    FormState state;
    state.FillHexTable();
    state.cboHtml.setCurrentIndex(200);
    state.FillHexTable();
    QCOMPARE(state.cboHtml.count(), 256);
    QCOMPARE(state.cboHtml.currentText(), QStringLiteral("00"));
}

void TestColorValue::decimalToRgb_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("hex");
    QTest::newRow("0x123456 reads 563412") << 1193046 << 86 << 52 << 18 << "563412";
    QTest::newRow("red") << 255 << 255 << 0 << 0 << "FF0000";
    QTest::newRow("green") << 65280 << 0 << 255 << 0 << "00FF00";
    QTest::newRow("blue") << 16711680 << 0 << 0 << 255 << "0000FF";
    QTest::newRow("grey") << 8421504 << 128 << 128 << 128 << "808080";
    QTest::newRow("black") << 0 << 0 << 0 << 0 << "000000";
    QTest::newRow("white") << 16777215 << 255 << 255 << 255 << "FFFFFF";
    QTest::newRow("one above white saturates") << 16777216 << 255 << 255 << 255 << "FFFFFF";
    QTest::newRow("largest value saturates")
        << std::numeric_limits<qint32>::max() << 255 << 255 << 255 << "FFFFFF";
    QTest::newRow("-1 gives black") << -1 << 0 << 0 << 0 << "000000";
    QTest::newRow("-2147483640") << -2147483640 << 0 << 255 << 255 << "00FFFF";
    QTest::newRow("smallest value")
        << std::numeric_limits<qint32>::min() << 0 << 255 << 255 << "00FFFF";
    QTest::newRow("-65535 has no blue") << -65535 << 0 << 255 << 0 << "00FF00";
    QTest::newRow("-65536 turns green to 255") << -65536 << 0 << 255 << 1 << "00FF01";
}

void TestColorValue::decimalToRgb()
{
    QFETCH(qint32, value);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, hex);
    FormState state;
    state.FillHexTable();
    state.varDecimal = value;
    state.DecimalToRGB();
    QCOMPARE(state.intRed, red);
    QCOMPARE(state.intGreen, green);
    QCOMPARE(state.intBlue, blue);
    QCOMPARE(state.strHexColor, hex);
}

void TestColorValue::decimalToRgbMatchesClosedForm_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::newRow("valid colours") << qint64(0) << qint64(16777215);
    QTest::newRow("above white") << qint64(16777216) << qint64(std::numeric_limits<qint32>::max());
    QTest::newRow("negative") << qint64(std::numeric_limits<qint32>::min()) << qint64(-1);
    QTest::newRow("small negative") << qint64(-70000) << qint64(-1);
}

void TestColorValue::decimalToRgbMatchesClosedForm()
{
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    FormState state;
    state.FillHexTable();
    // The range ends and a fixed-seed sample of the values between them.
    QRandomGenerator random(1193046);
    QList<qint64> values = {from, from + 1, to - 1, to};
    for (int i = 0; i < 200000; ++i)
        values.append(from + qint64(random.bounded(quint64(to - from + 1))));
    for (const qint64 value : values) {
        state.varDecimal = qint32(value);
        state.DecimalToRGB();
        const Components expected = expectedComponents(value);
        const Components actual {state.intRed, state.intGreen, state.intBlue};
        if (actual != expected || state.strHexColor != hexOf(expected))
            QFAIL(qPrintable(QStringLiteral("%1 gives %2 %3 %4 %5")
                                 .arg(value)
                                 .arg(actual.red)
                                 .arg(actual.green)
                                 .arg(actual.blue)
                                 .arg(state.strHexColor)));
    }
}

void TestColorValue::hexTextReplacedNotAppended()
{
    FormState state;
    state.FillHexTable();
    state.varDecimal = 255;
    state.DecimalToRGB();
    state.varDecimal = 16711680;
    state.DecimalToRGB();
    QCOMPARE(state.strHexColor, QStringLiteral("0000FF"));
}

void TestColorValue::hexTableLeftOnBlue()
{
    FormState state;
    state.FillHexTable();
    state.varDecimal = 1193046;
    state.DecimalToRGB();
    QCOMPARE(state.cboHtml.currentIndex(), 18);
}

void TestColorValue::rgbNumberHasNoBlanks()
{
    QCOMPARE(rgbNumber(255, 128, 0), QStringLiteral("RGB(255,128,0)"));
    QCOMPARE(rgbPlaceholder(), QStringLiteral("RGB(0, 0, 0)"));
}

QTEST_APPLESS_MAIN(TestColorValue)
#include "tst_colorvalue.moc"
