#include "core/contrast.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

// What a colour value must split into, by range: exact bytes for a valid colour, saturation
// above it, and for negative values red 0 with blue and green taken from the magnitude.
Components expectedComponents(qint64 value)
{
    if (value > 16777215)
        return {255, 255, 255};
    if (value >= 0)
        return {qint16(value % 256), qint16(value / 256 % 256), qint16(value / 65536)};
    const qint16 blue = qint16(std::min<qint64>(255, -value / 65536));
    return {0, blue >= 1 ? qint16(255) : qint16(-value / 256), blue};
}

} // namespace

class TestColorValue : public QObject
{
    Q_OBJECT

private slots:
    // Each range (valid colours, above white, negative, small negative) against its closed form.
    void notationsMatchClosedForm()
    {
        using Limits = std::numeric_limits<qint32>;
        const std::pair<qint64, qint64> ranges[]
            = {{0, 16777215}, {16777216, Limits::max()}, {Limits::min(), -1}, {-70000, -1}};
        for (const auto &[from, to] : ranges) {
            // The range ends, the worked examples where they fall in the range (1193046 reads
            // 563412, the bytes in the opposite order) and a fixed-seed sample of the values
            // between.
            QRandomGenerator random(1193046);
            QList<qint64> values = {from, from + 1, to - 1, to, 1193046, -2147483640, -65536};
            for (int i = 0; i < 200000; ++i)
                values.append(from + qint64(random.bounded(quint64(to - from + 1))));
            for (const qint64 value : values) {
                if (value < from || value > to)
                    continue;
                const Components e = expectedComponents(value);
                const ColorNumbers expected {
                    QString::number(value),
                    QString::asprintf("RGB(%d,%d,%d)", e.red, e.green, e.blue),
                    QString::asprintf("%02X%02X%02X", e.red, e.green, e.blue)};
                const ColorNumbers actual = colorNumbers(qint32(value));
                if (actual != expected)
                    QFAIL(qPrintable(u"%1 gives %2 %3"_s.arg(value).arg(actual.rgb, actual.html)));
            }
        }
    }

    // The ratio's text, then whether it passes AA normal, AA large, AAA normal, AAA large.
    void contrast()
    {
        const auto grey = [](int level) {
            return colorValue(level, level, level);
        };
        // Red is the low byte: blue would give 8.59:1. Just under a threshold, rounding must not
        // show a pass the verdict denies.
        // clang-format off
        const std::tuple<ColorValue, ColorValue, const char *> cases[] = {
            {kBlack, kWhite, "21:1 1111"}, {kWhite, kBlack, "21:1 1111"},
            {grey(0x77), kWhite, "4.48:1 0100"}, {grey(0x76), kWhite, "4.54:1 1101"},
            {0x123456, 0x123456, "1:1 0000"}, {colorValue(255, 0, 0), kWhite, "4:1 0100"},
            {grey(0x59), kWhite, "7:1 1111"}, {grey(0x95), kWhite, "2.99:1 0000"},
            {colorValue(169, 104, 0), kWhite, "4.49:1 0100"},
            {colorValue(177, 24, 0), kWhite, "6.99:1 1101"}};
        // clang-format on
        for (const auto &[text, back, expected] : cases) {
            const Contrast c = contrastOf(text, back);
            QCOMPARE(ratioText(c.ratio)
                         + QString::asprintf(" %d%d%d%d", c.aaNormal, c.aaLarge, c.aaaNormal,
                                             c.aaaLarge),
                     QString::fromLatin1(expected));
        }
    }
};

QTEST_APPLESS_MAIN(TestColorValue)
#include "tst_colorvalue.moc"
