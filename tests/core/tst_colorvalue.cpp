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
    void decimalToRgbMatchesClosedForm_data();
    void decimalToRgbMatchesClosedForm();
};

void TestColorValue::decimalToRgbMatchesClosedForm_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::newRow("valid colours") << qint64(0) << qint64(16777215);
    QTest::newRow("above white") << qint64(16777216) << qint64(std::numeric_limits<qint32>::max());
    QTest::newRow("negative") << qint64(std::numeric_limits<qint32>::min()) << qint64(-1);
    QTest::newRow("small negative") << qint64(-70000) << qint64(-1);
}

// Each range against its closed form, one value after another through the same table, so a text
// appended to the previous one shows too.
void TestColorValue::decimalToRgbMatchesClosedForm()
{
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    FormState state;
    state.FillHexTable();
    // The range ends and a fixed-seed sample of the values between them.
    QRandomGenerator random(1193046);
    // The worked examples where they fall in the range: 1193046 reads 563412, the bytes in the
    // opposite order.
    QList<qint64> values = {from, from + 1, to - 1, to, 1193046, -2147483640, -65536};
    for (int i = 0; i < 200000; ++i)
        values.append(from + qint64(random.bounded(quint64(to - from + 1))));
    for (const qint64 value : values) {
        if (value < from || value > to)
            continue;
        state.varDecimal = qint32(value);
        state.DecimalToRGB();
        const Components expected = expectedComponents(value);
        const Components actual {state.intRed, state.intGreen, state.intBlue};
        // The hex table is left on the blue component's entry.
        if (actual != expected || state.strHexColor != hexOf(expected)
            || state.cboHtml.currentIndex() != expected.blue)
            QFAIL(qPrintable(QString::asprintf("%lld gives %d %d %d ", value, actual.red,
                                               actual.green, actual.blue)
                             + state.strHexColor));
    }
}

QTEST_APPLESS_MAIN(TestColorValue)
#include "tst_colorvalue.moc"
