#include "core/colortext.h"

#include <array>

namespace Tintora {

namespace {

int hexDigit(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    const char16_t lower = asciiLower(c);
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

// Up to eight hexadecimal digits as one number; nothing for any other character.
std::optional<quint32> hexNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | quint32(digit);
    }
    return value;
}

} // namespace

bool equalsAscii(QStringView text, QLatin1StringView lowerWord)
{
    if (text.size() != lowerWord.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (asciiLower(text[i]) != char16_t(lowerWord[i].unicode()))
            return false;
    }
    return true;
}

QString withoutBlanks(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            result.append(c);
    }
    return result;
}

std::optional<int> wholeNumber(QStringView digits, int maximum)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > maximum)
            return std::nullopt;
    }
    return int(value);
}

std::optional<double> plainNumber(QStringView text, bool signAllowed)
{
    qsizetype start = 0;
    if (signAllowed && !text.isEmpty() && (text[0] == u'+' || text[0] == u'-'))
        start = 1;
    qsizetype digits = 0;
    bool point = false;
    for (QChar c : text.sliced(start)) {
        if (isDigit(c))
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> percentage(QStringView text)
{
    if (!text.endsWith(u'%'))
        return std::nullopt;
    const std::optional<double> value = plainNumber(text.chopped(1), false);
    return value && *value <= 100 ? value : std::nullopt;
}

std::optional<ParsedColor> hashColor(QStringView digits)
{
    const qsizetype size = digits.size();
    const std::optional<quint32> value = hexNumber(digits);
    if (!value || (size != 3 && size != 4 && size != 6 && size != 8))
        return std::nullopt;
    // Short forms stand for each digit twice: #39C is #3399CC.
    const bool shortForm = size <= 4;
    const int bits = shortForm ? 4 : 8;
    const bool alpha = size == 4 || size == 8;
    std::array<int, 4> parts {0, 0, 0, 255};
    for (int i = alpha ? 3 : 2, shift = 0; i >= 0; --i, shift += bits) {
        const int part = int(*value >> shift) & ((1 << bits) - 1);
        parts[std::size_t(i)] = shortForm ? part * 17 : part;
    }
    return ParsedColor {colorValue(parts[0], parts[1], parts[2]), parts[3] < 255, false};
}

std::optional<ParsedColor> codeColor(QStringView digits)
{
    const std::optional<quint32> value = hexNumber(digits);
    if (!value || (digits.size() == 8 ? *value > quint32(kWhite) : digits.size() != 6))
        return std::nullopt;
    if (digits.size() == 8)
        return ParsedColor {ColorValue(*value)};
    return ParsedColor {colorValue(int(*value >> 16), int(*value >> 8 & 0xFF), int(*value & 0xFF))};
}

} // namespace Tintora
