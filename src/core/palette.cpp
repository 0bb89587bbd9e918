#include "core/palette.h"

namespace Tintora {

QString hashColor(ColorValue color, bool lowerCase)
{
    static constexpr char kUpper[] = "0123456789ABCDEF";
    static constexpr char kLower[] = "0123456789abcdef";
    const char *digits = lowerCase ? kLower : kUpper;
    const Rgb8 c = rgb8(color);
    QString text(7, u'#');
    int at = 1;
    for (int component : {c.red, c.green, c.blue}) {
        text[at++] = QLatin1Char(digits[component >> 4]);
        text[at++] = QLatin1Char(digits[component & 0xF]);
    }
    return text;
}

QString accessibleColorText(const QString &name, ColorValue color)
{
    const QString value = hashColor(color);
    const QString shown = name.trimmed();
    if (shown.isEmpty() || shown.compare(value, Qt::CaseInsensitive) == 0)
        return value;
    return shown + QStringLiteral(", ") + value;
}

} // namespace Tintora
