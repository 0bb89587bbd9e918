#pragma once

#include "core/colorvalue.h"

#include <QModelIndexList>
#include <QVariant>

#include <memory>

class QMimeData;

namespace Tintora {

// The role under which the palette's and the history's items give their colour value.
enum ColorItemRole { ColorRole = Qt::UserRole + 1 };

// What a list item showing a colour gives for a role: its name for display and editing (for
// display its value, "#4682B4", when it has none), the colour as a QColor for decoration, what a
// screen reader says ("Steel Blue, #4682B4") as tool tip and accessible text, the colour value
// for ColorRole.
QVariant colorItemData(const QString &name, ColorValue color, int role);

// Drag data of the first of the items (a drag carries one colour); none without items.
std::unique_ptr<QMimeData> colorItemMimeData(const QModelIndexList &indexes);

} // namespace Tintora
