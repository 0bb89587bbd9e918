// Feeds arbitrary bytes to the catalogue reader and every text it yields to the numeric reading,
// checking what must hold for any input.

#include "color/numericvalue.h"
#include "selectors/catalogreader.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkNumber(QStringView text)
{
    using namespace Tintora;
    const double value = leadingNumber(text);
    require(!std::isnan(value), "a leading number is never NaN");
    require(leadingNumber(QString(u' ' + text.toString())) == value,
            "a blank before the text changes nothing");
    if (!text.isEmpty() && (text.front().isDigit() || text.front() == u'.')
        && text.front().unicode() < 128) {
        require(leadingNumber(QString(u'-' + text.toString())) == -value, "a minus sign negates");
        require(leadingNumber(QString(u'+' + text.toString())) == value, "a plus sign is neutral");
    }

    const auto int16 = toInt16(value);
    const auto int32 = toInt32(value);
    if (std::isfinite(value)) {
        const double rounded = roundHalfToEven(value);
        require(rounded == std::floor(rounded), "rounding gives a whole number");
        require(std::fabs(rounded - value) <= 0.5, "rounding moves by half at most");
        require(int16.has_value() == (rounded >= -32768 && rounded <= 32767),
                "a 16-bit result exactly when the rounded value fits");
        require(int32.has_value() == (rounded >= -2147483648.0 && rounded <= 2147483647.0),
                "a 32-bit result exactly when the rounded value fits");
        require(!int32 || *int32 == rounded, "the 32-bit result is the rounded value");
    } else {
        require(!int16 && !int32, "infinity fits no integer");
    }
    require(!int16 || (int32 && *int32 == *int16), "a 16-bit result is also the 32-bit one");
}

// The whole file decoded at once; only its first byte order mark is dropped.
QString decodeWhole(QByteArrayView data)
{
    if (!data.isValidUtf8())
        return QString::fromLatin1(data);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(data);
}

// Without quotes the rules are simple enough to restate plainly: lines, then commas.
QStringList itemsWithoutQuotes(const QString &text)
{
    QString lines = text;
    lines.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QStringList items;
    for (const QString &line : lines.split(u'\n')) {
        if (std::all_of(line.cbegin(), line.cend(),
                        [](QChar c) { return c == u' ' || c == u'\t'; }))
            continue;
        for (const QString &part : line.split(u',')) {
            qsizetype start = 0;
            while (start < part.size() && (part[start] == u' ' || part[start] == u'\t'))
                ++start;
            items.append(part.mid(start));
        }
    }
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QStringList items = Tintora::readCatalogItems(bytes);

    qsizetype separators = 0;
    for (const char c : bytes)
        separators += c == ',' || c == '\n' || c == '\r';
    require(items.size() <= separators + 1, "each item but the last ends at a separator");

    const QString text = decodeWhole(bytes);
    qsizetype itemLength = 0;
    for (const QString &item : items)
        itemLength += item.size();
    require(itemLength <= text.size(), "items hold no more than the file");

    if (!bytes.contains('"'))
        require(items == itemsWithoutQuotes(text), "quote-free files split by lines and commas");

    checkNumber(text);
    for (const QString &item : items)
        checkNumber(item);
    return 0;
}
