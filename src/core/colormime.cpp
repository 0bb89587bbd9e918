#include "core/colormime.h"

#include "core/colorparser.h"
#include "core/palette.h"

#include <QMimeData>

#include <array>
#include <cstring>

namespace Tintora {

namespace {

const QString kColorType = QStringLiteral("application/x-color");
const QString kTextType = QStringLiteral("text/plain");

// The X11 form: red, green, blue and alpha as 16-bit numbers in the sender's byte order, which
// for a drop from another program on the same display is this one's.
std::optional<ColorValue> fromComponentBytes(const QByteArray &bytes)
{
    std::array<quint16, 4> components {};
    if (bytes.size() != qsizetype(sizeof components))
        return std::nullopt;
    std::memcpy(components.data(), bytes.constData(), sizeof components);
    return colorValue(components[0] >> 8, components[1] >> 8, components[2] >> 8);
}

} // namespace

QStringList colorMimeTypes()
{
    return {kColorType, kTextType};
}

void setColorMimeData(QMimeData &data, ColorValue color)
{
    data.setColorData(toQColor(color));
    data.setText(hashColor(color));
}

std::unique_ptr<QMimeData> colorMimeData(ColorValue color)
{
    auto data = std::make_unique<QMimeData>();
    setColorMimeData(*data, color);
    return data;
}

std::optional<ColorValue> colorFromMimeData(const QMimeData &data)
{
    if (data.hasColor()) {
        const QColor color = qvariant_cast<QColor>(data.colorData());
        if (color.isValid())
            return toColorValue(color.toRgb());
        if (const auto components = fromComponentBytes(data.data(kColorType)))
            return components;
    }
    if (data.hasText())
        return parseColor(data.text(), Notation::Any);
    return std::nullopt;
}

} // namespace Tintora
