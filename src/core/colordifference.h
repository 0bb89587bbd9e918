#pragma once

#include "core/colorspaces.h"

#include <QList>

#include <vector>

namespace Tintora {

// The CIELAB coordinates of a colour value read as sRGB, white point D65 (white gives L 100,
// a 0, b 0). Only the low three bytes count.
Lab toLab(ColorValue color);

// The CIEDE2000 colour difference ΔE00 of two colours (Sharma, Wu and Dalal's formulation,
// kL = kC = kH = 1). About 1 is the smallest difference most people see side by side.
double ciede2000(const Lab &first, const Lab &second);

struct NearestColor
{
    int index = -1; // in the list searched; -1 for an empty list
    double deltaE = 0; // CIEDE2000 difference from the colour searched for
    bool exact = false; // the entry is that very colour value
};

// The entry of a fixed list of colours nearest to any colour by CIEDE2000; of equally near
// entries the first. The entries' CIELAB coordinates are worked out once, on construction.
class NearestColorSearch
{
public:
    explicit NearestColorSearch(QList<ColorValue> colors);

    NearestColor nearest(ColorValue color) const;
    qsizetype size() const { return m_colors.size(); }

private:
    struct Entry
    {
        Lab lab;
        double chroma; // sqrt(a² + b²), needed by every comparison
    };

    QList<ColorValue> m_colors;
    std::vector<Entry> m_entries;
};

// The QB colour nearest to a colour: its number 0 to 15 as the index.
NearestColor nearestQbColor(ColorValue color);

} // namespace Tintora
