// Feeds arbitrary bytes to the catalogue reader, as they are and as text in UTF-16 or UTF-32, and
// every item it yields to the numeric reading, checking what must hold for any input.

#include "core/catalogreader.h"
#include "core/numericvalue.h"

#include "require.h"

#include <QRegularExpression>
#include <QStringEncoder>

#include <algorithm>
#include <cmath>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

// Without quotes the rules are plain: the file decoded whole (its first byte order mark
// dropped), lines of blanks dropped (a CR LF read as two breaks only adds one), the other lines
// split at commas, blanks before items skipped.
QStringList itemsWithoutQuotes(QByteArrayView data)
{
    static const QRegularExpression blankLine(u"^[ \t]*$"_s);
    static const QRegularExpression leadingBlanks(u"^[ \t]+"_s);
    QString text = data.isValidUtf8() ? QString::fromUtf8(data) : QString::fromLatin1(data);
    QStringList items;
    for (const QString &line : text.replace(u'\r', u'\n').split(u'\n')) {
        if (blankLine.match(line).hasMatch())
            continue;
        for (QString part : line.split(u','))
            items.append(part.remove(leadingBlanks));
    }
    return items;
}

// The loader reads every item as a number: under the sanitizers no text may overflow on the way.
void checkNumber(const QString &text)
{
    const double value = leadingNumber(text);
    require(!std::isnan(value) && leadingNumber(u' ' + text) == value,
            "a leading number is never NaN, and a blank before the text changes nothing");
    const std::optional<qint16> rounded = toInt16(value);
    require(!rounded || std::fabs(*rounded - value) <= 0.5, "a 16-bit result is the nearest");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QStringList items = readCatalogItems(bytes);

    for (const QString &item : items)
        checkNumber(item);
    if (!bytes.contains('"') && !hasWideByteOrderMark(bytes))
        require(items == itemsWithoutQuotes(bytes), "quote-free files split by lines and commas");
    const auto limit = std::min<qsizetype>(size % 8, items.size());
    require(readCatalogItems(bytes, limit) == items.first(limit), "reading stops after the limit");

    // The same text, read from UTF-8 or from UTF-16 or UTF-32 with a byte order mark. (It starts
    // with an x: in UTF-16LE a first character NUL would make the mark UTF-32LE's.)
    const QString text = u'x' + QString::fromUtf8(bytes);
    // One of Utf16, Utf16LE, Utf16BE, Utf32, Utf32LE and Utf32BE.
    QStringEncoder withMark(QStringConverter::Encoding(QStringConverter::Utf16 + size % 6),
                            QStringEncoder::Flag::WriteBom);
    require(readCatalogItems(QByteArray(withMark(text)))
                == readCatalogItems("\xEF\xBB\xBF" + text.toUtf8()),
            "UTF-16 and UTF-32 read as UTF-8");
    return 0;
}
