#include "core/colorvalue.h"

#include "core/numericvalue.h"

#include <cmath>

namespace Tintora {

Components splitColorValue(double value)
{
    const double q = value / 256.0;
    const double q2 = q / 256.0;

    double blue = std::fabs(std::trunc(q2));
    if (blue >= 256)
        blue = 255;

    // The remainder is formed from the clamped blue, so a value above 16777215 saturates.
    const double remainder = q - 256.0 * blue;
    double green = std::fabs(std::trunc(remainder));
    if (green >= 256)
        green = 255;

    double red = 256.0 * remainder - 256.0 * green;
    if (red >= 256)
        red = 255;
    else if (red < 0)
        red = 0;

    return {static_cast<qint16>(roundHalfToEven(red)), static_cast<qint16>(green),
            static_cast<qint16>(blue)};
}

QString htmlNumber(ColorValue color)
{
    const Components components = splitColorValue(color);
    QString text;
    for (int component : {components.red, components.green, components.blue})
        text += QStringLiteral("%1").arg(component, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

ColorNumbers colorNumbers(ColorValue color)
{
    const Components c = splitColorValue(color);
    return {QString::number(color),
            QStringLiteral("RGB(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue), htmlNumber(color)};
}

ColorNumbers placeholderNumbers()
{
    return {QStringLiteral("0"), QStringLiteral("RGB(0, 0, 0)"), QStringLiteral("000000")};
}

QColor toQColor(ColorValue value)
{
    const Components c = splitColorValue(value);
    return QColor(c.red, c.green, c.blue);
}

ColorValue toColorValue(const QColor &color)
{
    return colorValue(color.red(), color.green(), color.blue());
}

} // namespace Tintora
