#pragma once

#include "core/palette.h"

#include <QByteArray>
#include <QStringList>

namespace Tintora {

// The entries' names as identifiers, for formats that name colours by them: ASCII letters (lower
// case, accents dropped) and digits, every other run of characters one hyphen, none at either
// end; "color-" before one that would start with a digit; "color-4682b4" for a name that leaves
// nothing; "-2", "-3"... after one already given.
QStringList colorIdentifiers(const QList<PaletteEntry> &entries);

// ":root {" then "  --steel-blue: #4682b4;" per colour, then "}".
QByteArray writeCss(const Palette &palette);
// "$steel-blue: #4682b4;" per colour.
QByteArray writeScss(const Palette &palette);
// "#4682B4" per colour.
QByteArray writeHexList(const Palette &palette);

} // namespace Tintora
