#include "core/catalog.h"

#include "core/numericvalue.h"

#include <algorithm>

namespace Tintora {

qsizetype Catalog::size() const
{
    return std::min({names.size(), reds.size(), greens.size(), blues.size()});
}

ColorValue Catalog::color(qsizetype entry) const
{
    const auto component = [entry](const QStringList &texts) {
        return int(numericInt16(texts.at(entry)).value_or(0));
    };
    return colorValue(component(reds), component(greens), component(blues));
}

QString Catalog::rgbText(qsizetype entry) const
{
    return QStringLiteral("RGB(%1,%2,%3)").arg(reds.at(entry), greens.at(entry), blues.at(entry));
}

QList<ColorValue> Catalog::colors() const
{
    QList<ColorValue> colors;
    colors.reserve(size());
    for (qsizetype entry = 0; entry < size(); ++entry)
        colors.append(color(entry));
    return colors;
}

} // namespace Tintora
