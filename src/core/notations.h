#pragma once

#include "core/colorvalue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Tintora {

class CmykConverter;
class NearestColorSearch;

// Every notation the program gives a colour in, in the order the rows are listed. The colour
// window, Edit > Copy As and the command line all take them from here.
enum class ColorNotation {
    Hex, // #3399CC
    Rgb, // rgb(51, 153, 204)
    Hsl, // hsl(200, 60%, 50%)
    Hwb, // hwb(200 20% 20%)
    Hsv, // 200°, 75%, 80% (no style sheet reads it)
    Lab, // lab(59.19 -16.95 -35.28), CIELAB with the D50 white as style sheets define it
    Lch, // lch(59.19 39.14 244.33)
    Oklab, // oklab(64.75% -0.06802 -0.09723)
    Oklch, // oklch(64.75% 0.11866 235.02)
    Cmyk, // 73%, 27%, 5%, 0% through a colour profile: see cmykRow
    Decimal, // 13408563, the program's Decimal Number
    ColorRef, // 0x00CC9933, the colour value as a Windows COLORREF (0x00BBGGRR)
    CssName, // the nearest CSS named colour, "steelblue", its difference in the note
    Catalog, // the nearest catalogue entry, "485 C", its difference in the note
};

struct NotationRow
{
    ColorNotation notation = ColorNotation::Hex;
    QString label; // short, beside the text: "OKLCH"
    QString text; // shown and copied; every CSS notation reads back to the same colour
    QString note; // shown after the text, never copied: "Exact match", "ΔE 2.4"; mostly empty
    QString spoken; // the sentence a screen reader speaks for the whole row
};

// The catalogue that the nearest entry is looked up in: its search and its names, in the same
// order. The rows keep neither.
struct CatalogNames
{
    const NearestColorSearch *search = nullptr;
    const QStringList *names = nullptr;
};

// One notation of a colour; as cheap as the notation itself (the nearest entry searches).
// Cmyk gives the label alone, and so does Catalog without a catalogue.
NotationRow notationRow(ColorNotation notation, ColorValue color, const CatalogNames &catalog = {});

// Every notation of a colour, in the order of ColorNotation; the Catalog row only with a
// catalogue. Pure: the same colour gives the same rows.
QList<NotationRow> notationRows(ColorValue color, const CatalogNames &catalog = {});

// The CMYK row of a colour through a converter: the inks in whole percent, the round trip's
// difference in the note, "out of gamut" where the press cannot print the colour. Without a
// profile the text is empty and the note says why.
NotationRow cmykRow(ColorValue color, const CmykConverter &converter);

} // namespace Tintora
