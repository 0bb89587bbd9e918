#include "core/aseformat.h"

#include "core/colorspaces.h"
#include "core/palettetext.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <variant>

namespace Tintora {

namespace {

constexpr quint16 kColorBlock = 0x0001;
constexpr quint16 kNormalColor = 2;
// A name's length is a 16-bit count that includes the closing zero.
constexpr qsizetype kMaxNameUnits = 0xFFFF - 1;

// Reads big-endian numbers off the front of some bytes; nothing once they run out.
class Cursor
{
public:
    explicit Cursor(QByteArrayView data)
        : m_data(data)
    { }

    bool atEnd() const { return m_data.isEmpty(); }

    std::optional<QByteArrayView> take(qsizetype size)
    {
        if (size > m_data.size())
            return std::nullopt;
        const QByteArrayView taken = m_data.first(size);
        m_data = m_data.sliced(size);
        return taken;
    }

    template<typename T>
    std::optional<T> number()
    {
        const auto bytes = take(sizeof(T));
        if (!bytes)
            return std::nullopt;
        return qFromBigEndian<T>(bytes->data());
    }

    std::optional<float> real()
    {
        const auto bits = number<quint32>();
        return bits ? std::optional(std::bit_cast<float>(*bits)) : std::nullopt;
    }

private:
    QByteArrayView m_data;
};

// UTF-16BE up to the first zero; nothing when a surrogate stands alone.
std::optional<QString> nameFrom(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size() / 2);
    for (qsizetype at = 0; at + 1 < bytes.size(); at += 2) {
        const char16_t unit = qFromBigEndian<quint16>(bytes.data() + at);
        if (unit == 0)
            break;
        name.append(QChar(unit));
    }
    for (qsizetype at = 0; at < name.size(); ++at) {
        const bool pair = name.at(at).isHighSurrogate() && at + 1 < name.size()
            && name.at(at + 1).isLowSurrogate();
        if (pair)
            ++at;
        else if (name.at(at).isSurrogate())
            return std::nullopt;
    }
    return name;
}

int byteOf(double fraction)
{
    return int(std::lround(std::clamp(fraction, 0.0, 1.0) * 255));
}

struct Model
{
    QByteArrayView name;
    int components;
};

constexpr Model kModels[] = {{"RGB ", 3}, {"CMYK", 4}, {"LAB ", 3}, {"Gray", 1}};

ColorValue colorOf(QByteArrayView model, const float *v)
{
    if (model == kModels[0].name)
        return colorValue(byteOf(v[0]), byteOf(v[1]), byteOf(v[2]));
    if (model == kModels[1].name) {
        const double white = 1 - std::clamp(double(v[3]), 0.0, 1.0);
        return colorValue(byteOf((1 - v[0]) * white), byteOf((1 - v[1]) * white),
                          byteOf((1 - v[2]) * white));
    }
    if (model == kModels[2].name) {
        // Some programs write L as 0 to 100 rather than as a fraction. Far beyond the usual
        // ranges the conversion's sums could overflow, so the values are kept within them.
        const double lightness = std::clamp(v[0] > 1 ? v[0] : v[0] * 100.0, 0.0, 100.0);
        return toColorValue(labD50ToRgb({lightness, std::clamp(double(v[1]), -200.0, 200.0),
                                         std::clamp(double(v[2]), -200.0, 200.0)}));
    }
    const int grey = byteOf(v[0]);
    return colorValue(grey, grey, grey);
}

// One colour block's data, the colour's number counted from 1 for messages.
std::variant<PaletteEntry, QString> readColor(QByteArrayView data, qsizetype number)
{
    Cursor block(data);
    const auto units = block.number<quint16>();
    const auto nameBytes = units ? block.take(2 * qsizetype(*units)) : std::nullopt;
    if (!nameBytes)
        return QStringLiteral("the name of colour %1 runs past its block").arg(number);
    const std::optional<QString> name = nameFrom(*nameBytes);
    if (!name)
        return QStringLiteral("the name of colour %1 is not valid UTF-16").arg(number);
    const auto modelName = block.take(4);
    const auto model = std::find_if(std::begin(kModels), std::end(kModels),
                                    [&](const Model &m) { return modelName == m.name; });
    if (model == std::end(kModels)) {
        return QStringLiteral("colour %1 has an unknown colour model %2")
            .arg(number)
            .arg(quotedExcerpt(QString::fromLatin1(modelName.value_or(QByteArrayView()))));
    }
    float values[4] = {};
    for (int i = 0; i < model->components; ++i) {
        const auto value = block.real();
        if (!value)
            return QStringLiteral("colour %1 is cut short").arg(number);
        if (!std::isfinite(*value))
            return QStringLiteral("colour %1 has a component that is no number").arg(number);
        values[i] = *value;
    }
    // The colour type that follows tells only how a layout program links the colour.
    return PaletteEntry {*name, colorOf(model->name, values)};
}

void appendNumber(QByteArray &out, auto value)
{
    const auto bigEndian = qToBigEndian(value);
    out.append(reinterpret_cast<const char *>(&bigEndian), sizeof bigEndian);
}

} // namespace

PaletteRead readAse(QByteArrayView data)
{
    Cursor file(data);
    if (file.take(4) != QByteArrayView("ASEF"))
        return paletteFault(QStringLiteral("it does not start with \"ASEF\""));
    const auto major = file.number<quint16>();
    const auto minor = file.number<quint16>();
    const auto count = file.number<quint32>();
    if (!count)
        return paletteFault(QStringLiteral("it ends within its header"));
    if (*major != 1) {
        return paletteFault(QStringLiteral("it is of version %1.%2, and only version 1 is known")
                                .arg(*major)
                                .arg(*minor));
    }

    PaletteRead read;
    // The count is only believed as far as the file goes: each block takes six bytes at least.
    for (quint32 block = 1; block <= *count; ++block) {
        const auto type = file.number<quint16>();
        const auto length = file.number<quint32>();
        if (!length) {
            return paletteFault(QStringLiteral("it ends after %1 of the %2 blocks it announces")
                                    .arg(block - 1)
                                    .arg(*count));
        }
        const auto body = file.take(*length);
        if (!body) {
            return paletteFault(
                QStringLiteral("block %1 is longer than the rest of the file").arg(block));
        }
        if (*type != kColorBlock)
            continue;
        if (read.palette.entries.size() == kMaxPaletteEntries)
            return tooManyColors();
        auto color = readColor(*body, read.palette.entries.size() + 1);
        if (const QString *fault = std::get_if<QString>(&color))
            return paletteFault(*fault);
        read.palette.entries.append(std::get<PaletteEntry>(std::move(color)));
    }
    return read;
}

QByteArray writeAse(const Palette &palette)
{
    QByteArray out = "ASEF";
    appendNumber(out, quint16(1));
    appendNumber(out, quint16(0));
    appendNumber(out, quint32(palette.entries.size()));
    for (const PaletteEntry &entry : palette.entries) {
        QString name = entry.name.left(kMaxNameUnits);
        if (name.size() == kMaxNameUnits && name.back().isHighSurrogate())
            name.chop(1);
        const auto units = quint16(name.size() + 1);
        appendNumber(out, kColorBlock);
        appendNumber(out, quint32(2 + 2 * units + 4 + 3 * 4 + 2));
        appendNumber(out, units);
        for (const QChar c : std::as_const(name))
            appendNumber(out, quint16(c.unicode()));
        appendNumber(out, quint16(0));
        out += kModels[0].name;
        const Rgb8 c = rgb8(entry.color);
        for (const int component : {c.red, c.green, c.blue})
            appendNumber(out, std::bit_cast<quint32>(float(component) / 255.0f));
        appendNumber(out, kNormalColor);
    }
    return out;
}

} // namespace Tintora
