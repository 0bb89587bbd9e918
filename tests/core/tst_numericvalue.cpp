#include "core/numericvalue.h"

#include <QTest>

#include <QtNumeric>

using namespace Tintora;

namespace {

// An absent result as an invalid variant, so that rows can hold "no result" beside numbers.
template<typename Int>
QVariant toVariant(std::optional<Int> value)
{
    return value ? QVariant(qint64(*value)) : QVariant();
}

} // namespace

class TestNumericValue : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void toInteger_data();
    void toInteger();
};

void TestNumericValue::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("minus sign after blanks") << "  -3" << -3.0;
    QTest::newRow("fraction without whole part") << "-.5" << -0.5;
    QTest::newRow("comma is no decimal point") << "1,5" << 1.0;
    QTest::newRow("catalogue name") << "Yellow C" << 0.0;
    QTest::newRow("two signs") << "+-5" << 0.0;
    QTest::newRow("non-ASCII digit") << "\u0663" << 0.0;
    QTest::newRow("huge digit string") << u'-' + QString(400, u'9') << -qInf();
    // A fraction below the smallest double once came back as infinity.
    QTest::newRow("tiny fraction") << QStringLiteral("0.") + QString(400, u'0') + u'1' << 0.0;
}

void TestNumericValue::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    QCOMPARE(Tintora::leadingNumber(text), expected);
}

// Rounded half to even, then fitted into 16 and 32 bits, or reported as out of range.
void TestNumericValue::toInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<QVariant>("int16");
    QTest::addColumn<QVariant>("int32");

    const QVariant none;
    QTest::newRow("12.5") << 12.5 << 12.0 << QVariant(12) << QVariant(12);
    QTest::newRow("13.5") << 13.5 << 14.0 << QVariant(14) << QVariant(14);
    // Adding a half and flooring gets these two wrong.
    QTest::newRow("just below half") << 0.49999999999999994 << 0.0 << QVariant(0) << QVariant(0);
    QTest::newRow("beyond fraction precision")
        << 4503599627370497.0 << 4503599627370497.0 << none << none;
    QTest::newRow("half above 16 bits") << 32767.5 << 32768.0 << none << QVariant(32768);
    // Casting would wrap these to small numbers.
    QTest::newRow("65536") << 65536.0 << 65536.0 << none << QVariant(65536);
    QTest::newRow("half above 32 bits") << 2147483647.5 << 2147483648.0 << none << none;
    QTest::newRow("half below 32 bits")
        << -2147483648.5 << -2147483648.0 << none << QVariant(-2147483648LL);
    QTest::newRow("not a number") << qQNaN() << qQNaN() << none << none;
}

void TestNumericValue::toInteger()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QFETCH(QVariant, int16);
    QFETCH(QVariant, int32);

    QCOMPARE(roundHalfToEven(value), rounded);
    QCOMPARE(toVariant(toInt16(value)), int16);
    QCOMPARE(toVariant(toInt32(value)), int32);
}

QTEST_GUILESS_MAIN(TestNumericValue)
#include "tst_numericvalue.moc"
