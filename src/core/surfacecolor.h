#pragma once

#include "core/colorvalue.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace Tintora {

// The colour that a picture box shows at a point of its inner area: the image is drawn unscaled
// from the top-left corner and clipped, so the point gives the image pixel where the image lies
// and the box's back colour where it doesn't. Outside the inner area there is no colour: -1.
ColorValue surfaceColorAt(const QImage &image, QSize innerSize, ColorValue backColor, QPoint point);

} // namespace Tintora
