#include "core/surfacecolor.h"

namespace Tintora {

ColorValue surfaceColorAt(const QImage &image, QSize innerSize, ColorValue backColor, QPoint point)
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= innerSize.width()
        || point.y() >= innerSize.height())
        return -1;
    if (!image.valid(point))
        return backColor;
    const QRgb pixel = image.pixel(point);
    return colorValue(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace Tintora
