#include "color/numericvalue.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// An absent result as an invalid variant, so that rows can hold "no result" beside numbers.
template<typename Int>
QVariant toVariant(std::optional<Int> value)
{
    return value ? QVariant(qint64(*value)) : QVariant();
}

QVariant none()
{
    return QVariant();
}

QVariant some(qint64 value)
{
    return QVariant(value);
}

QString tinyFraction()
{
    return QStringLiteral("0.") + QString(400, u'0') + u'1';
}

QString hugeNumber()
{
    return QString(400, u'9');
}

} // namespace

class TestNumericValue : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void roundHalfToEven_data();
    void roundHalfToEven();
    void toInt16_data();
    void toInt16();
    void toInt32_data();
    void toInt32();
    void numericText_data();
    void numericText();
};

void TestNumericValue::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << u"255"_s << 255.0;
    QTest::newRow("zero") << u"0"_s << 0.0;
    QTest::newRow("leading zeros") << u"007"_s << 7.0;
    QTest::newRow("blanks before") << u"  \t42"_s << 42.0;
    QTest::newRow("plus sign") << u"+12"_s << 12.0;
    QTest::newRow("minus sign") << u"-12"_s << -12.0;
    QTest::newRow("blanks before sign") << u"  -3"_s << -3.0;
    QTest::newRow("fraction") << u"12.5"_s << 12.5;
    QTest::newRow("negative fraction") << u"-3.25"_s << -3.25;
    QTest::newRow("point without fraction") << u"7."_s << 7.0;
    QTest::newRow("fraction without whole part") << u".5"_s << 0.5;
    QTest::newRow("negative fraction without whole part") << u"-.5"_s << -0.5;
    QTest::newRow("text after number") << u"12abc"_s << 12.0;
    QTest::newRow("blank ends number") << u"12 34"_s << 12.0;
    QTest::newRow("second point ends number") << u"1.2.3"_s << 1.2;
    QTest::newRow("comma is no decimal point") << u"1,5"_s << 1.0;
    QTest::newRow("exponent not read") << u"  -3.5e2"_s << -3.5;
    QTest::newRow("catalogue number") << u"100 C"_s << 100.0;
    QTest::newRow("catalogue name") << u"Yellow C"_s << 0.0;
    QTest::newRow("name with number inside") << u"Warm Gray 3 C"_s << 0.0;
    QTest::newRow("no number") << u"abc"_s << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("only blanks") << u"  \t "_s << 0.0;
    QTest::newRow("sign only") << u"-"_s << 0.0;
    QTest::newRow("sign then letter") << u"-x"_s << 0.0;
    QTest::newRow("two signs") << u"+-5"_s << 0.0;
    QTest::newRow("point only") << u"."_s << 0.0;
    QTest::newRow("sign and point only") << u"-."_s << 0.0;
    QTest::newRow("non-ASCII digit") << u"\u0663"_s << 0.0;
    QTest::newRow("fullwidth digit") << u"\uFF15"_s << 0.0;
    QTest::newRow("many leading zeros") << QString(10000, u'0') + u"1.5"_s << 1.5;
    QTest::newRow("largest power of ten") << u'1' + QString(308, u'0') << 1e308;
    QTest::newRow("huge digit string") << hugeNumber() << kInfinity;
    QTest::newRow("huge negative digit string") << u'-' + hugeNumber() << -kInfinity;
    // A fraction below the smallest double once came back as infinity.
    QTest::newRow("tiny fraction is zero") << tinyFraction() << 0.0;
    QTest::newRow("tiny negative fraction is zero") << u'-' + tinyFraction() << 0.0;
    QTest::newRow("huge whole part with tiny fraction")
        << hugeNumber() + u'.' + QString(400, u'0') + u'1' << kInfinity;
}

void TestNumericValue::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    QCOMPARE(Tintora::leadingNumber(text), expected);
}

void TestNumericValue::roundHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("0.5 to even 0") << 0.5 << 0.0;
    QTest::newRow("1.5 to even 2") << 1.5 << 2.0;
    QTest::newRow("2.5 to even 2") << 2.5 << 2.0;
    QTest::newRow("3.5 to even 4") << 3.5 << 4.0;
    QTest::newRow("12.5 to even 12") << 12.5 << 12.0;
    QTest::newRow("13.5 to even 14") << 13.5 << 14.0;
    QTest::newRow("255.5 to even 256") << 255.5 << 256.0;
    QTest::newRow("-0.5 to even 0") << -0.5 << 0.0;
    QTest::newRow("-1.5 to even -2") << -1.5 << -2.0;
    QTest::newRow("-2.5 to even -2") << -2.5 << -2.0;
    QTest::newRow("-3.5 to even -4") << -3.5 << -4.0;
    QTest::newRow("below half") << 2.4 << 2.0;
    QTest::newRow("above half") << 2.6 << 3.0;
    QTest::newRow("negative below half") << -2.4 << -2.0;
    QTest::newRow("negative above half") << -2.6 << -3.0;
    QTest::newRow("just below half") << 0.49999999999999994 << 0.0;
    QTest::newRow("just above half") << 2.5000000000000004 << 3.0;
    QTest::newRow("negative just below half") << -2.4999999999999996 << -2.0;
    QTest::newRow("negative just above half") << -0.5000000000000001 << -1.0;
    QTest::newRow("tiny negative") << -1e-300 << 0.0;
    QTest::newRow("whole number") << 7.0 << 7.0;
    QTest::newRow("beyond fraction precision") << 4503599627370497.0 << 4503599627370497.0;
    QTest::newRow("large") << 1e300 << 1e300;
}

void TestNumericValue::roundHalfToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);

    QCOMPARE(Tintora::roundHalfToEven(value), expected);
}

void TestNumericValue::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("zero") << 0.0 << some(0);
    QTest::newRow("half rounds to even") << 12.5 << some(12);
    QTest::newRow("negative half rounds to zero") << -0.5 << some(0);
    QTest::newRow("largest") << 32767.0 << some(32767);
    QTest::newRow("rounds down to largest") << 32767.4 << some(32767);
    QTest::newRow("half above largest rounds out") << 32767.5 << none();
    QTest::newRow("just above largest") << 32768.0 << none();
    QTest::newRow("smallest") << -32768.0 << some(-32768);
    QTest::newRow("half below smallest rounds in") << -32768.5 << some(-32768);
    QTest::newRow("rounds out below smallest") << -32768.6 << none();
    QTest::newRow("just below smallest") << -32769.0 << none();
    // Casting would wrap these to small numbers.
    QTest::newRow("65536 does not wrap") << 65536.0 << none();
    QTest::newRow("65791 does not wrap") << 65791.0 << none();
    QTest::newRow("huge") << 1e300 << none();
    QTest::newRow("infinity") << kInfinity << none();
    QTest::newRow("negative infinity") << -kInfinity << none();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << none();
}

void TestNumericValue::toInt16()
{
    QFETCH(double, value);
    QFETCH(QVariant, expected);

    QCOMPARE(toVariant(Tintora::toInt16(value)), expected);
}

void TestNumericValue::toInt32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("colour white") << 16777215.0 << some(16777215);
    QTest::newRow("half rounds to even") << 16777214.5 << some(16777214);
    QTest::newRow("largest") << 2147483647.0 << some(2147483647);
    QTest::newRow("half below largest rounds to even") << 2147483646.5 << some(2147483646);
    QTest::newRow("half above largest rounds out") << 2147483647.5 << none();
    QTest::newRow("just above largest") << 2147483648.0 << none();
    QTest::newRow("smallest") << -2147483648.0 << some(-2147483648LL);
    QTest::newRow("half below smallest rounds in") << -2147483648.5 << some(-2147483648LL);
    QTest::newRow("just below smallest") << -2147483649.0 << none();
    QTest::newRow("2^32 does not wrap") << 4294967296.0 << none();
    QTest::newRow("huge") << 1e300 << none();
    QTest::newRow("infinity") << kInfinity << none();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << none();
}

void TestNumericValue::toInt32()
{
    QFETCH(double, value);
    QFETCH(QVariant, expected);

    QCOMPARE(toVariant(Tintora::toInt32(value)), expected);
}

void TestNumericValue::numericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected16");
    QTest::addColumn<QVariant>("expected32");

    QTest::newRow("component") << u"255"_s << some(255) << some(255);
    QTest::newRow("component with blanks") << u"  17"_s << some(17) << some(17);
    QTest::newRow("12.5 to 12") << u"12.5"_s << some(12) << some(12);
    QTest::newRow("13.5 to 14") << u"13.5"_s << some(14) << some(14);
    QTest::newRow("255.5 to 256") << u"255.5"_s << some(256) << some(256);
    QTest::newRow("negative") << u"-1"_s << some(-1) << some(-1);
    QTest::newRow("-0.5 to 0") << u"-0.5"_s << some(0) << some(0);
    QTest::newRow("catalogue name") << u"Yellow C"_s << some(0) << some(0);
    QTest::newRow("catalogue number") << u"2225 C"_s << some(2225) << some(2225);
    QTest::newRow("colour value") << u"16777215"_s << none() << some(16777215);
    QTest::newRow("beyond 16 bits") << u"40000"_s << none() << some(40000);
    QTest::newRow("beyond 32 bits") << u"4294967296"_s << none() << none();
    QTest::newRow("huge digit string") << hugeNumber() << none() << none();
    QTest::newRow("tiny fraction") << tinyFraction() << some(0) << some(0);
}

void TestNumericValue::numericText()
{
    QFETCH(QString, text);
    QFETCH(QVariant, expected16);
    QFETCH(QVariant, expected32);

    QCOMPARE(toVariant(numericInt16(text)), expected16);
    QCOMPARE(toVariant(numericInt32(text)), expected32);
}

QTEST_GUILESS_MAIN(TestNumericValue)
#include "tst_numericvalue.moc"
