#include "core/coloritem.h"

#include "core/colormime.h"
#include "core/palette.h"

#include <QMimeData>

namespace Tintora {

QVariant colorItemData(const QString &name, ColorValue color, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return name.isEmpty() ? hashColor(color) : name;
    case Qt::EditRole:
        return name;
    case Qt::DecorationRole:
        return toQColor(color);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return accessibleColorText(name, color);
    case ColorRole:
        return color;
    default:
        return {};
    }
}

std::unique_ptr<QMimeData> colorItemMimeData(const QModelIndexList &indexes)
{
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    return colorMimeData(indexes.first().data(ColorRole).toInt());
}

} // namespace Tintora
