#pragma once

#include "core/colorvalue.h"

#include <QList>
#include <QStringList>

namespace Tintora {

// Entries in each catalogue file: the catalogue scroll bar runs from 0 to 940.
constexpr int kCatalogSize = 941;

// The printing catalogue the Pantone panel shows, as its four files hold it: for each entry its
// name and the texts of its red, green and blue components, in parallel lists.
struct Catalog
{
    QStringList names;
    QStringList reds;
    QStringList greens;
    QStringList blues;

    // As many entries as the shortest list holds.
    qsizetype size() const;
    // An entry's colour: each component text's numeric value rounded, halves to even (12.5
    // gives 12); a text without a number counts as 0.
    ColorValue color(qsizetype entry) const;
    // An entry's RGB Number from the component texts as they stand: "RGB(12.5,13.5,254.5)".
    QString rgbText(qsizetype entry) const;
    // Every entry's colour, in catalogue order.
    QList<ColorValue> colors() const;
};

} // namespace Tintora
