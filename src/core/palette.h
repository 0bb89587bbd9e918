#pragma once

#include "core/colorvalue.h"

#include <QList>
#include <QString>

namespace Tintora {

// A named colour of the user's palette.
struct PaletteEntry
{
    QString name;
    ColorValue color = kBlack;
    friend bool operator==(const PaletteEntry &, const PaletteEntry &) = default;
};

// A named list of colours, as palette files hold them.
struct Palette
{
    QString name;
    QList<PaletteEntry> entries;
    friend bool operator==(const Palette &, const Palette &) = default;
};

// Palette files larger than this, or with more colours, are refused: a palette of 100 000 long
// names fits in a few MiB in any format, and the limits keep a hostile file's cost bounded.
constexpr qsizetype kMaxPaletteFileSize = 16 * 1024 * 1024;
constexpr qsizetype kMaxPaletteEntries = 100'000;

// What reading a palette gave: the palette, or what is wrong with the file ("line 3 is not a
// colour"), a phrase without the file's name, which the caller adds.
struct PaletteRead
{
    Palette palette;
    QString fault;
    bool ok() const { return fault.isEmpty(); }
};

inline PaletteRead paletteFault(QString fault)
{
    return PaletteRead {{}, std::move(fault)};
}

// The three components of a colour 0 to 16777215, each 0 to 255.
struct Rgb8
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

constexpr Rgb8 rgb8(ColorValue color)
{
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

// "#4682B4"; lower-case digits where a format wants them, "#4682b4".
QString hashColor(ColorValue color, bool lowerCase = false);

// What a screen reader says for an entry: "Steel Blue, #4682B4", or only "#4682B4" for an entry
// without a name or named by its value.
QString accessibleColorText(const QString &name, ColorValue color);

} // namespace Tintora
