#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

namespace Tintora {

// A colour as one whole number: red + 256 * green + 65536 * blue, red in the lowest byte.
// Valid colours lie in 0 to 16777215; the arithmetic below also accepts any other 32-bit value.
using ColorValue = qint32;

constexpr ColorValue kBlack = 0;
constexpr ColorValue kWhite = 16777215;

struct Components
{
    qint16 red = 0;
    qint16 green = 0;
    qint16 blue = 0;
    friend bool operator==(const Components &, const Components &) = default;
};

// Splits a colour value into its components the way the window's read-outs need it: in double
// precision, blue first, each component clamped to 0..255 before the next is formed, so that
// out-of-range values saturate instead of wrapping.
Components splitColorValue(double value);

constexpr ColorValue colorValue(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// The "HTML Number" of a colour: RRGGBB in upper-case hexadecimal digits, "3399CC". The one
// place a colour becomes hexadecimal text.
QString htmlNumber(ColorValue color);

// A colour in the three notations its read-outs show: the Decimal Number (the colour value,
// "13408563"), the RGB Number ("RGB(51,153,204)", no blanks) and the HTML Number ("3399CC"). The
// components are those of splitColorValue, so any 32-bit value has notations.
struct ColorNumbers
{
    QString decimal;
    QString rgb;
    QString html;
    friend bool operator==(const ColorNumbers &, const ColorNumbers &) = default;
};

ColorNumbers colorNumbers(ColorValue color);

// What start-up and reset write into the read-outs before a panel first shows a colour: "0",
// "RGB(0, 0, 0)" (with blanks, unlike any RGB Number) and "000000".
ColorNumbers placeholderNumbers();

// The toolkit keeps colours as QColor; the program speaks colour values.
QColor toQColor(ColorValue value);
ColorValue toColorValue(const QColor &color);

} // namespace Tintora
