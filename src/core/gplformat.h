#pragma once

#include "core/palette.h"

#include <QByteArray>
#include <QByteArrayView>

namespace Tintora {

// GIMP's palette files (.gpl), which GIMP, Inkscape and Krita read: the line "GIMP Palette",
// then optional "Name:" and "Columns:" lines, comments starting with '#', blank lines, and one
// row per colour, "R G B" (decimal, 0 to 255, separated by blanks) then blanks and the name.
// Text in UTF-8 (read as Latin-1 when it is not valid UTF-8), lines ending in LF or CR LF.
PaletteRead readGpl(QByteArrayView data);

// Writes the rows as GIMP does, "R G B<tab>Name", aligned; a row without a name ends after its
// numbers. Line breaks in names become blanks.
QByteArray writeGpl(const Palette &palette);

} // namespace Tintora
