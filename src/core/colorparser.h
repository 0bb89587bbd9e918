#pragma once

#include "core/colorvalue.h"

#include <QStringView>

#include <optional>

namespace Tintora {

// The notation of the box a colour is typed into; the box reads its own notation first.
enum class Notation {
    Html, // the HTML Number box: six hexadecimal digits, "3399CC" (even "123456" is hex)
    Rgb, // the RGB Number box: three components without "rgb", "51,153,204" or "51 153 204"
    Decimal, // the Decimal Number box: a colour value 0 to 16777215, "13408563"
    Unambiguous, // only the unambiguous forms: a box whose own number is no colour (QB, catalogue)
    Any, // text from the clipboard: after the unambiguous forms, the three above in this order
};

// Texts longer than this, blanks around them not counted, are no colour.
constexpr qsizetype kMaxColorTextLength = 256;

// Reads a colour the way a user may hold it. Every box accepts the unambiguous forms:
//   #RRGGBB and #RGB        hexadecimal, "#3399CC", "#39C" (each digit doubled)
//   rgb(r, g, b)            each component a whole number 0 to 255 or a percentage 0% to 100%
//                           (fractions allowed, p% is p * 255 / 100 rounded, halves up), the
//                           components separated by commas or by blanks alone
//   hsl(h, s%, l%)          hue in degrees, any number, taken modulo 360; saturation and
//                           lightness percentages 0% to 100%; converted as style sheets do, each
//                           component rounded halves up
//   a named colour          the 148 named colours of web style sheets, "steelblue"
// plus the box's own bare form (see Notation). Blanks (any white space) around the text are
// ignored; inside, blanks may stand between the parts of rgb() and hsl(), and anywhere in the
// other forms ("# 33 99 CC", "Steel Blue", "16 777 215"). Letters may be in any case. Anything
// else, out-of-range components included, is no colour.
std::optional<ColorValue> parseColor(QStringView text, Notation preferred);

} // namespace Tintora
