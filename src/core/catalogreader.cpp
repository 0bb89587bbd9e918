#include "core/catalogreader.h"

#include <QStringDecoder>

#include <array>
#include <optional>

namespace Tintora {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool isSeparator(char c)
{
    return c == ',' || isLineBreak(c);
}

// Steps over the line break at pos; CR LF is one break.
const char *afterLineBreak(const char *pos, const char *end)
{
    return (*pos == '\r' && pos + 1 != end && pos[1] == '\n') ? pos + 2 : pos + 1;
}

struct WideMark
{
    QByteArrayView bytes;
    QStringConverter::Encoding encoding;
};

// UTF-32's little-endian mark first: it begins with UTF-16's.
constexpr std::array<WideMark, 4> kWideMarks {{
    {QByteArrayView("\xFF\xFE\0\0", 4), QStringConverter::Utf32LE},
    {QByteArrayView("\0\0\xFE\xFF", 4), QStringConverter::Utf32BE},
    {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE},
    {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE},
}};

std::optional<WideMark> wideMark(QByteArrayView data)
{
    for (const WideMark &mark : kWideMarks) {
        if (data.startsWith(mark.bytes))
            return mark;
    }
    return std::nullopt;
}

// The separators are ASCII, and in UTF-8 no byte of a multi-byte character is ASCII, so the
// bytes are split first and each item is decoded on its own: one pass, no copy of the file.
QStringList splitItems(QByteArrayView data, bool utf8, qsizetype maxItems)
{
    // Only the file's first byte order mark is special: QString::fromUtf8 would drop one at the
    // start of every item.
    QStringDecoder fromUtf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless
                                | QStringDecoder::Flag::ConvertInitialBom);
    const auto decode = [&](QByteArrayView bytes) -> QString {
        return utf8 ? fromUtf8.decode(bytes) : QString::fromLatin1(bytes);
    };

    QStringList items;
    const char *pos = data.data();
    const char *const end = pos + data.size();
    // After a comma an item always follows, even an empty one; at the start of a line only text
    // other than blanks makes an item.
    bool afterComma = false;
    while (items.size() < maxItems) {
        while (pos != end && isBlank(*pos))
            ++pos;
        if (!afterComma) {
            if (pos == end)
                break;
            if (isLineBreak(*pos)) {
                pos = afterLineBreak(pos, end);
                continue;
            }
        }

        if (pos != end && *pos == '"') {
            const char *const text = pos + 1;
            const char *close = text;
            while (close != end && *close != '"')
                ++close;
            // A quote that is never closed runs to the end of the file.
            items.append(decode(QByteArrayView(text, close - text)));
            pos = close == end ? end : close + 1;
            while (pos != end && !isSeparator(*pos))
                ++pos;
        } else {
            const char *const text = pos;
            while (pos != end && !isSeparator(*pos))
                ++pos;
            items.append(decode(QByteArrayView(text, pos - text)));
        }

        if (pos == end)
            break;
        afterComma = *pos == ',';
        pos = afterComma ? pos + 1 : afterLineBreak(pos, end);
    }
    return items;
}

} // namespace

QStringList readCatalogItems(QByteArrayView data, qsizetype maxItems)
{
    if (const std::optional<WideMark> mark = wideMark(data)) {
        // Converted to UTF-8 and split as such; a second byte order mark is text, as in UTF-8.
        QStringDecoder decoder(mark->encoding,
                               QStringDecoder::Flag::Stateless
                                   | QStringDecoder::Flag::ConvertInitialBom);
        const QByteArray utf8 = QString(decoder.decode(data.sliced(mark->bytes.size()))).toUtf8();
        return splitItems(utf8, true, maxItems);
    }
    const bool utf8 = data.isValidUtf8();
    if (utf8 && data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3); // a byte order mark left by an editor is not part of the first item
    return splitItems(data, utf8, maxItems);
}

bool hasWideByteOrderMark(QByteArrayView data)
{
    return wideMark(data).has_value();
}

} // namespace Tintora
