// What every palette reader's fuzzer checks: arbitrary bytes are a palette or a fault, never
// both; a palette the program writes back reads back with the same colours, and a second pass
// changes nothing (names are cleaned up once, on the first: blanks around them, line breaks).

#pragma once

#include "core/palette.h"

#include "require.h"

#include <QByteArray>

#include <cstdint>

namespace PaletteFuzz {

inline QList<Tintora::ColorValue> colorsOf(const Tintora::Palette &palette)
{
    QList<Tintora::ColorValue> colors;
    for (const Tintora::PaletteEntry &entry : palette.entries)
        colors.append(entry.color);
    return colors;
}

template<typename Read, typename Write>
int check(const std::uint8_t *data, std::size_t size, Read read, Write write)
{
    const Tintora::PaletteRead first = read(QByteArrayView(data, qsizetype(size)));
    if (!first.ok()) {
        require(first.palette.entries.isEmpty(), "a fault comes without colours");
        return 0;
    }
    require(first.palette.entries.size() <= Tintora::kMaxPaletteEntries, "the colours are bounded");
    const Tintora::PaletteRead second = read(write(first.palette));
    require(second.ok() && colorsOf(second.palette) == colorsOf(first.palette),
            "what is written reads back with the same colours");
    require(read(write(second.palette)).palette.entries == second.palette.entries,
            "a second pass changes nothing");
    return 0;
}

} // namespace PaletteFuzz
