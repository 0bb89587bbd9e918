#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace Tintora {

// The numeric value of a text, as the program reads list entries and box texts: the leading
// number (blanks before it skipped, an optional sign, digits with an optional decimal fraction).
// A text without a leading number gives 0.
double leadingNumber(QStringView text);

// Rounds to the nearest integer, halves to the even neighbour (12.5 gives 12, 13.5 gives 14).
double roundHalfToEven(double value);

// The numeric value rounded into a 16-bit or 32-bit integer. A value that does not fit gives
// no result instead of wrapping.
std::optional<qint16> toInt16(double value);
std::optional<qint32> toInt32(double value);

inline std::optional<qint16> numericInt16(QStringView text)
{
    return toInt16(leadingNumber(text));
}
inline std::optional<qint32> numericInt32(QStringView text)
{
    return toInt32(leadingNumber(text));
}

} // namespace Tintora
