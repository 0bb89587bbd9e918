#include "core/numericvalue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Tintora {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

template<typename Int>
std::optional<Int> toInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfToEven(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;

    std::string number;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    const auto digitsStart = number.size();
    while (i < text.size() && isDigit(text[i]))
        number += char(text[i++].unicode());
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < text.size() && isDigit(text[i]))
            number += char(text[i++].unicode());
    }
    // A sign or a point without any digit is no number.
    if (number.find_first_of("0123456789", digitsStart) == std::string::npos)
        return 0;

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Without an exponent, only a nonzero whole part can overflow; anything else is a fraction
        // too small for a double.
        const auto point = number.find('.');
        const auto whole
            = number.substr(digitsStart, point == std::string::npos ? point : point - digitsStart);
        const bool overflow = whole.find_first_not_of('0') != std::string::npos;
        const double magnitude = overflow ? HUGE_VAL : 0.0;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return error == std::errc() && end == number.data() + number.size() ? value : 0.0;
}

double roundHalfToEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction < 0.5)
        return floor;
    if (fraction > 0.5)
        return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<qint16> toInt16(double value)
{
    return toInteger<qint16>(value);
}

std::optional<qint32> toInt32(double value)
{
    return toInteger<qint32>(value);
}

} // namespace Tintora
