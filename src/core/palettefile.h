#pragma once

#include "core/palette.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace Tintora {

enum class PaletteFormat {
    Gpl, // GIMP, Inkscape, Krita
    Ase, // Adobe Swatch Exchange
    Soc, // LibreOffice
    Css, // custom properties, export only
    Scss, // variables, export only
    HexList, // "#RRGGBB" lines, export only
};

struct PaletteFileType
{
    PaletteFormat format;
    QString suffix; // "gpl", without the dot
    QString filter; // for a file dialog: "GIMP palette (*.gpl)"
};

// The formats a palette can be imported from (gpl, ase, soc) or exported to (all), in the order
// a file dialog lists them.
QList<PaletteFileType> paletteFileTypes(bool forExport);
// Every importable suffix in one filter, "Palette files (*.gpl *.ase *.soc)", first in an open
// dialog's list.
QString allPalettesFilter();

// The format a file's suffix names, letters in any case.
std::optional<PaletteFormat> paletteFormatOf(const QString &path);

// What reading a palette file gave: the palette, or a message for the user that names the file.
struct PaletteLoad
{
    Palette palette;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads a palette file in the format its suffix names, refusing anything larger than
// kMaxPaletteFileSize, anything but a regular file, and files that are damaged.
PaletteLoad readPaletteFile(const QString &path);

// Finds the colours in a text, in their order: the colour parser's scan of a whole text.
using ColorScanner = std::function<QList<ColorValue>(QStringView text)>;

// Imports every colour the scanner finds in a text file (UTF-8, or Latin-1 when it is not valid
// UTF-8), one unnamed entry per colour, within the same limits as a palette file.
PaletteLoad importColorsFromText(const QString &path, const ColorScanner &scan);

// Writes a palette to path in the format its suffix names, atomically: whatever fails, a file
// already there stays whole. Gives the message for the user, naming the file, or nothing.
QString writePaletteFile(const QString &path, const Palette &palette);
QString writePaletteFile(const QString &path, const Palette &palette, PaletteFormat format);

} // namespace Tintora
