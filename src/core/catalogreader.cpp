#include "core/catalogreader.h"

#include <QStringDecoder>

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

} // namespace

QStringList readCatalogItems(QByteArrayView data)
{
    // The separators are ASCII, and in UTF-8 no byte of a multi-byte character is ASCII, so the
    // bytes are split first and each item is decoded on its own: one pass, no copy of the file.
    const bool utf8 = data.isValidUtf8();
    if (utf8 && data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3); // a byte order mark left by an editor is not part of the first item
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
    for (;;) {
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

} // namespace Tintora
