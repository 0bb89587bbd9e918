#pragma once

#include "core/colorvalue.h"

#include <QDBusConnection>
#include <QImage>
#include <QPointF>
#include <QString>
#include <qwindowdefs.h>

#include <optional>

namespace Tintora {

// How this desktop lets the program take a colour from the screen.
enum class ScreenPickMethod {
    Read, // read the pixel under a click through the toolkit (X11): screenColorAt
    Portal, // ask the desktop, which lets the user pick (Wayland): PortalColorPicker
    None, // not at all; ScreenPickSupport::reason says why
};

struct ScreenPickSupport
{
    ScreenPickMethod method = ScreenPickMethod::None;
    QString reason; // for None: a sentence for the disabled menu entry's tool tip
};

// The method for the running program: its platform plug-in, whether the session is a Wayland
// one, and the session bus.
ScreenPickSupport screenPickSupport();

// The same for a given platform plug-in name ("xcb", "wayland", ...). An X11 program in a
// Wayland session sees only the other X11 programs' windows, so there the portal is preferred
// when the desktop offers one.
ScreenPickSupport screenPickSupport(QStringView platformName, bool waylandSession,
                                    const QDBusConnection &bus);

// The colour of the screen's pixel under a position in global (device-independent) coordinates,
// as exact as the pointer's (a mouse event's globalPosition), or none where no screen is or the
// screen cannot be read. The pixel is the device pixel under the position, also where a logical
// pixel covers several of them.
std::optional<ColorValue> screenColorAt(QPointF globalPosition);

// The square of device pixels centred on the one screenColorAt reads, radius pixels each way
// beyond it, so 2 * radius + 1 wide; pixels off the screen are transparent. A null image where no
// screen is or the screen cannot be read.
QImage screenAreaAt(QPointF globalPosition, int radius);

// Where the pointer is, in global (device-independent) coordinates, as exact as the X server has
// it, which at a scale above 1 is finer than a whole logical pixel; none but on X11.
std::optional<QPointF> pointerPosition();

// Moves the pointer by a number of device pixels (X11), as the user would.
void movePointerBy(QPoint devicePixels);

// Empty when the program may take the pointer and the keyboard for a pick over its window;
// otherwise a sentence saying that another program holds one of them (X11).
QString inputGrabRefusal(WId window);

} // namespace Tintora
