#pragma once

#include "core/colorvalue.h"

#include <QtCore/qnamespace.h>

#include <functional>

class QWidget;

namespace Tintora {

// Drags a colour out of source, with the drag data of core/colormime.h and a swatch of the colour
// under the pointer. Gives what the drop target did.
Qt::DropAction dragColor(QWidget *source, ColorValue color, Qt::DropActions actions,
                         Qt::DropAction defaultAction = Qt::CopyAction);

// Makes a widget a source of colour drags: a press of the left button and a move past the
// desktop's drag distance drag the colour that color gives. A click, or a press with a smaller
// move, is left to the widget.
void makeColorDragSource(QWidget *widget, std::function<ColorValue()> color);

// Makes a widget take dropped colours: drag data that holds one (core/colormime.h, either type)
// is taken as a copy and handed to take. Other data is refused, so that a box that takes typing
// never inserts a dropped text into what it shows, and so is a drag that started inside the
// widget: dropped where it came from, it is no new colour.
void makeColorDropTarget(QWidget *widget, std::function<void(ColorValue)> take);

} // namespace Tintora
