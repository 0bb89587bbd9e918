// Feeds arbitrary bytes to the catalogue reader and every item it yields to the numeric reading,
// checking what must hold for any input.

#include "core/catalogreader.h"
#include "core/numericvalue.h"

#include <algorithm>
#include <cmath>

using namespace Tintora;

namespace {

void require(bool condition, const char *what)
{
    if (!condition)
        qFatal("invariant broken: %s", what);
}

// Without quotes the rules are plain: the file decoded whole (its first byte order mark
// dropped), lines of blanks dropped (a CR LF read as two breaks only adds one), the other lines
// split at commas, blanks before items skipped.
QStringList itemsWithoutQuotes(QByteArrayView data)
{
    const auto isBlank = [](QChar c) {
        return c == u' ' || c == u'\t';
    };
    QString text = data.isValidUtf8() ? QString::fromUtf8(data) : QString::fromLatin1(data);
    QStringList items;
    for (const QString &line : text.replace(u'\r', u'\n').split(u'\n')) {
        if (std::all_of(line.cbegin(), line.cend(), isBlank))
            continue;
        for (const QString &part : line.split(u','))
            items.append(
                part.sliced(std::find_if_not(part.cbegin(), part.cend(), isBlank) - part.cbegin()));
    }
    return items;
}

void checkNumber(const QString &text)
{
    const double value = leadingNumber(text);
    require(!std::isnan(value), "a leading number is never NaN");
    require(leadingNumber(u' ' + text) == value, "a blank before the text changes nothing");
    if (!text.isEmpty() && (text.front() == u'.' || (text.front() >= u'0' && text.front() <= u'9')))
        require(leadingNumber(u'-' + text) == -value, "a minus sign negates");

    const double rounded = roundHalfToEven(value);
    if (std::isfinite(value))
        require(rounded == std::floor(rounded) && std::fabs(rounded - value) <= 0.5,
                "rounding gives a nearest whole number");
    const bool fits32 = std::isfinite(value) && rounded >= INT32_MIN && rounded <= INT32_MAX;
    const auto int32 = toInt32(value);
    require(int32 == (fits32 ? std::optional<qint32>(qint32(rounded)) : std::nullopt),
            "the 32-bit result is the rounded value, when that fits");
    const bool fits16 = int32 && *int32 >= INT16_MIN && *int32 <= INT16_MAX;
    require(toInt16(value) == (fits16 ? std::optional<qint16>(qint16(*int32)) : std::nullopt),
            "the 16-bit result is the 32-bit one, when that fits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QStringList items = readCatalogItems(bytes);

    const auto separators = std::count_if(
        bytes.begin(), bytes.end(), [](char c) { return c == ',' || c == '\n' || c == '\r'; });
    require(items.size() <= separators + 1, "each item but the last ends at a separator");
    for (const QString &item : items)
        checkNumber(item);
    if (!bytes.contains('"'))
        require(items == itemsWithoutQuotes(bytes), "quote-free files split by lines and commas");
    return 0;
}
