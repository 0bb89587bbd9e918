#include "core/gplformat.h"

#include "core/palettetext.h"

#include <QStringDecoder>

namespace Tintora {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedLine(QByteArrayView line)
{
    while (!line.isEmpty() && (isBlank(line.front()) || line.front() == '\r'))
        line = line.sliced(1);
    while (!line.isEmpty() && (isBlank(line.back()) || line.back() == '\r'))
        line.chop(1);
    return line;
}

// Reads a component 0 to 255 with the blanks before it, moving line past it.
std::optional<int> takeComponent(QByteArrayView &line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    int value = 0;
    qsizetype digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
        value = value * 10 + (line[digits] - '0');
        if (value > 255)
            return std::nullopt;
        ++digits;
    }
    // A component ends at a blank or the end of the line.
    if (digits == 0 || (digits < line.size() && !isBlank(line[digits])))
        return std::nullopt;
    line = line.sliced(digits);
    return value;
}

} // namespace

PaletteRead readGpl(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    const bool utf8 = data.isValidUtf8();
    // A byte order mark within a line is a character: QString::fromUtf8 would drop one that
    // starts a name.
    QStringDecoder fromUtf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless
                                | QStringDecoder::Flag::ConvertInitialBom);
    const auto text = [&](QByteArrayView bytes) -> QString {
        return utf8 ? fromUtf8.decode(bytes) : QString::fromLatin1(bytes);
    };
    // Names as the writer gives them back: on one line, no blanks around them.
    const auto name = [&](QByteArrayView bytes) {
        return singleLine(text(bytes)).trimmed();
    };

    PaletteRead read;
    qsizetype lineNumber = 0;
    while (!data.isEmpty()) {
        const qsizetype end = data.indexOf('\n');
        const QByteArrayView line = trimmedLine(end < 0 ? data : data.first(end));
        data = end < 0 ? QByteArrayView() : data.sliced(end + 1);
        if (++lineNumber == 1) {
            if (line != "GIMP Palette")
                return paletteFault(QStringLiteral("it does not start with \"GIMP Palette\""));
            continue;
        }
        if (line.isEmpty() || line.startsWith('#') || line.startsWith("Columns:"))
            continue;
        if (line.startsWith("Name:")) {
            read.palette.name = name(line.sliced(5));
            continue;
        }
        QByteArrayView rest = line;
        const auto red = takeComponent(rest);
        const auto green = red ? takeComponent(rest) : std::nullopt;
        const auto blue = green ? takeComponent(rest) : std::nullopt;
        if (!blue) {
            return paletteFault(QStringLiteral("line %1 is not a colour, \"R G B Name\" with "
                                               "each number 0 to 255: %2")
                                    .arg(lineNumber)
                                    .arg(quotedExcerpt(text(line))));
        }
        if (read.palette.entries.size() == kMaxPaletteEntries)
            return tooManyColors();
        read.palette.entries.append({name(rest), colorValue(*red, *green, *blue)});
    }
    if (lineNumber == 0)
        return paletteFault(QStringLiteral("it is empty"));
    return read;
}

QByteArray writeGpl(const Palette &palette)
{
    QByteArray out = "GIMP Palette\n";
    if (!palette.name.isEmpty())
        out += "Name: " + singleLine(palette.name).toUtf8() + '\n';
    out += "#\n";
    out.reserve(out.size() + palette.entries.size() * 24);
    for (const PaletteEntry &entry : palette.entries) {
        const Rgb8 c = rgb8(entry.color);
        char numbers[16];
        const int length
            = std::snprintf(numbers, sizeof numbers, "%3d %3d %3d", c.red, c.green, c.blue);
        out.append(numbers, length);
        if (!entry.name.isEmpty())
            out += '\t' + singleLine(entry.name).toUtf8();
        out += '\n';
    }
    return out;
}

} // namespace Tintora
