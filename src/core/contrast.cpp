#include "core/contrast.h"

#include "core/colorspaces.h"

#include <algorithm>
#include <cmath>

namespace Tintora {

double relativeLuminance(ColorValue color)
{
    return 0.2126 * linearComponent(color & 0xFF) + 0.7152 * linearComponent((color >> 8) & 0xFF)
        + 0.0722 * linearComponent((color >> 16) & 0xFF);
}

Contrast contrastOf(ColorValue text, ColorValue back)
{
    const double a = relativeLuminance(text);
    const double b = relativeLuminance(back);
    const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    return {ratio, ratio >= kAaNormalRatio, ratio >= kAaLargeRatio, ratio >= kAaaNormalRatio,
            ratio >= kAaaLargeRatio};
}

QString ratioText(double ratio)
{
    long hundredths = std::lround(ratio * 100);
    for (const double threshold : {kAaLargeRatio, kAaNormalRatio, kAaaNormalRatio}) {
        const long reached = std::lround(threshold * 100);
        if (ratio < threshold && hundredths >= reached)
            hundredths = reached - 1;
    }
    QString text = QString::number(hundredths / 100.0, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text + QStringLiteral(":1");
}

} // namespace Tintora
