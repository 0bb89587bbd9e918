#pragma once

#include "core/colorvalue.h"

#include <QStringList>

#include <memory>
#include <optional>

class QMimeData;

namespace Tintora {

// The drag and drop types of a colour: "application/x-color", as Qt and KDE programs exchange
// colours, and "text/plain" as "#RRGGBB" for every other program.
QStringList colorMimeTypes();

// Puts a colour into drag data in both types.
void setColorMimeData(QMimeData &data, ColorValue color);
std::unique_ptr<QMimeData> colorMimeData(ColorValue color);

// The colour that drag data or the clipboard holds: "application/x-color" first (a colour, or
// the four 16-bit components red, green, blue and alpha that X11 programs send), else plain text
// read by the colour parser in any notation. Alpha is ignored.
std::optional<ColorValue> colorFromMimeData(const QMimeData &data);

} // namespace Tintora
