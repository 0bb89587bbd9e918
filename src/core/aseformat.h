#pragma once

#include "core/palette.h"

#include <QByteArray>
#include <QByteArrayView>

namespace Tintora {

// Adobe Swatch Exchange files (.ase), big-endian throughout: "ASEF", version 1.0 as two 16-bit
// numbers, the 32-bit count of blocks, then the blocks, each a 16-bit type (0xC001 group start,
// 0xC002 group end, 0x0001 colour), the 32-bit length of what follows and that much data. A
// colour's data: its name's length in UTF-16 code units with the closing zero, the name in
// UTF-16BE with that zero, the colour model ("RGB ", "CMYK", "LAB " or "Gray"), its components
// as 32-bit floats (RGB, CMYK and grey 0 to 1, grey 1 being white; L 0 to 1 for 0 to 100, a and
// b as they are, white point D50) and the 16-bit colour type (global, spot or normal).
// Groups are flattened into one list, in file order; other blocks are skipped. CMYK is converted
// without a colour profile, as on screen.
PaletteRead readAse(QByteArrayView data);

// Writes every colour as a normal RGB colour, outside any group.
QByteArray writeAse(const Palette &palette);

} // namespace Tintora
