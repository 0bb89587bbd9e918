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

// A colour read from a text. The program shows opaque sRGB colours, so a colour with
// transparency loses it and one outside sRGB is brought in; the caller says so to the user.
struct ParsedColor
{
    ColorValue color = kBlack;
    bool alphaDropped = false; // the text gave an alpha below 1 (none counts as 0)
    bool gamutMapped = false; // the colour lay outside sRGB, beyond rounding to bytes
    friend bool operator==(const ParsedColor &, const ParsedColor &) = default;
};

// Reads a colour the way a user may hold it. Every box accepts the unambiguous forms:
//   #RRGGBB and #RGB        hexadecimal, "#3399CC", "#39C" (each digit doubled); with alpha
//                           #RRGGBBAA and #RGBA
//   0xRRGGBB                six hexadecimal digits in the order of the HTML Number, as code
//                           writes colours ("0x3399CC"); eight digits 0x00BBGGRR are the colour
//                           value in hexadecimal, a Windows COLORREF, as the program prints it
//                           ("0x00CC9933"). Eight digits with another first pair are refused:
//                           they may be a COLORREF's flags or an alpha, as in 0xAARRGGBB
//   rgb(r, g, b)            each component a whole number 0 to 255 or a percentage 0% to 100%
//                           (fractions allowed, p% is p * 255 / 100 rounded, halves up), the
//                           components separated by commas or by blanks alone
//   hsl(h, s%, l%)          hue an angle (below), saturation and lightness percentages 0% to
//                           100%; converted as style sheets do, each component rounded halves up
//   rgba(), hsla()          the same as rgb() and hsl()
//   hwb(h w% b%)            hue, whiteness and blackness
//   lab(L a b), lch(L C h)  CIELAB with the D50 white: L 0 to 100 (or 0% to 100%), a and b any
//                           number (100% is 125), chroma 0 or more (100% is 150)
//   oklab(L a b),           OKLab: L 0 to 1 (or 0% to 100%), a and b any number (100% is 0.4),
//   oklch(L C h)            chroma 0 or more (100% is 0.4)
//   a named colour          the 148 named colours of web style sheets, "steelblue"
// as style sheets write them: with commas, rgb() and hsl() as above and a fourth component
// alpha; or with blanks, the three components then "/ alpha" if any, where any component may be
// "none" (a missing component, taken as 0) and the saturation and lightness of hsl(), the
// whiteness and blackness of hwb() may be plain numbers 0 to 100. An alpha is 0 to 1 or 0% to
// 100%. An angle is a number of degrees, or a number with deg, rad, grad or turn, any value.
// Colours outside sRGB are brought in by the gamut mapping of style sheets.
// Then the box's own bare form (see Notation). Last, a text that is none of these as a whole,
// such as a declaration or a line of a style sheet ("color: #1e90ff;", "background: url(x)
// #fff"), gives the first colour findColors() finds in it (see colorfinder.h).
// Blanks (any white space) around the text are ignored; inside, blanks may stand between the
// parts of functions, and anywhere in the other forms ("# 33 99 CC", "Steel Blue", "16 777 215").
// Letters may be in any case, but only ASCII letters match. Anything else, out-of-range
// components included, is no colour.
std::optional<ParsedColor> parseColorText(QStringView text, Notation preferred);

// The colour alone, for callers that need not tell what was dropped.
std::optional<ColorValue> parseColor(QStringView text, Notation preferred);

} // namespace Tintora
