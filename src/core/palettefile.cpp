#include "core/palettefile.h"

#include "core/aseformat.h"
#include "core/gplformat.h"
#include "core/pagefile.h"
#include "core/paletteexport.h"
#include "core/palettetext.h"
#include "core/regularfile.h"
#include "core/socformat.h"

#include <QFileInfo>

namespace Tintora {

namespace {

const QList<PaletteFileType> &fileTypes()
{
    static const QList<PaletteFileType> types {
        {PaletteFormat::Gpl, QStringLiteral("gpl"), QStringLiteral("GIMP palette (*.gpl)")},
        {PaletteFormat::Ase, QStringLiteral("ase"),
         QStringLiteral("Adobe Swatch Exchange (*.ase)")},
        {PaletteFormat::Soc, QStringLiteral("soc"),
         QStringLiteral("LibreOffice colour table (*.soc)")},
        {PaletteFormat::Css, QStringLiteral("css"),
         QStringLiteral("CSS custom properties (*.css)")},
        {PaletteFormat::Scss, QStringLiteral("scss"), QStringLiteral("SCSS variables (*.scss)")},
        {PaletteFormat::HexList, QStringLiteral("txt"),
         QStringLiteral("List of #RRGGBB values (*.txt)")},
    };
    return types;
}

bool isImportable(PaletteFormat format)
{
    return format == PaletteFormat::Gpl || format == PaletteFormat::Ase
        || format == PaletteFormat::Soc;
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString suffixList(bool forExport)
{
    QStringList suffixes;
    for (const PaletteFileType &type : paletteFileTypes(forExport))
        suffixes.append(u'.' + type.suffix);
    return suffixes.join(QStringLiteral(", "));
}

// The file read whole, or the message that says why not.
PaletteLoad readBounded(const QString &path, QByteArray &bytes)
{
    const QString name = fileName(path);
    switch (readRegularFile(path, kMaxPaletteFileSize, bytes)) {
    case FileRead::Read:
        return {};
    case FileRead::Unreadable:
        return {{},
                QStringLiteral("The palette file \"%1\" cannot be read: it is missing, it is no "
                               "regular file, or reading it failed.")
                    .arg(name)};
    case FileRead::TooLarge:
        break;
    }
    return {{},
            QStringLiteral("The palette file \"%1\" is larger than %2 MiB, far more than a "
                           "palette holds.")
                .arg(name)
                .arg(kMaxPaletteFileSize / (1024 * 1024))};
}

PaletteLoad loaded(const QString &path, PaletteRead read)
{
    if (read.ok())
        return {std::move(read.palette), {}};
    return {
        {},
        QStringLiteral("The palette file \"%1\" is damaged: %2.").arg(fileName(path), read.fault)};
}

QString writeError(const QString &path, int errorNumber)
{
    QString reason;
    switch (errorNumber) {
    case NoFileError:
        return {};
    case DiskFull:
        reason = QStringLiteral("the disk is full");
        break;
    case PermissionDenied:
        reason = QStringLiteral("the file or its folder may not be written");
        break;
    case PathNotFound:
        reason = QStringLiteral("its folder does not exist");
        break;
    default:
        reason = QStringLiteral("writing failed");
        break;
    }
    return QStringLiteral("The palette could not be saved as \"%1\": %2. A file of that name "
                          "stays as it was.")
        .arg(fileName(path), reason);
}

} // namespace

QList<PaletteFileType> paletteFileTypes(bool forExport)
{
    QList<PaletteFileType> types;
    for (const PaletteFileType &type : fileTypes()) {
        if (forExport || isImportable(type.format))
            types.append(type);
    }
    return types;
}

QString allPalettesFilter()
{
    QStringList patterns;
    for (const PaletteFileType &type : paletteFileTypes(false))
        patterns.append(QStringLiteral("*.") + type.suffix);
    return QStringLiteral("Palette files (%1)").arg(patterns.join(u' '));
}

std::optional<PaletteFormat> paletteFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const PaletteFileType &type : fileTypes()) {
        if (suffix.compare(type.suffix, Qt::CaseInsensitive) == 0)
            return type.format;
    }
    return std::nullopt;
}

PaletteLoad readPaletteFile(const QString &path)
{
    const std::optional<PaletteFormat> format = paletteFormatOf(path);
    if (!format || !isImportable(*format)) {
        return {{},
                QStringLiteral("The file \"%1\" is in no palette format the program reads: its "
                               "name ends in none of %2.")
                    .arg(fileName(path), suffixList(false))};
    }
    QByteArray bytes;
    if (PaletteLoad refused = readBounded(path, bytes); !refused.ok())
        return refused;
    switch (*format) {
    case PaletteFormat::Ase:
        return loaded(path, readAse(bytes));
    case PaletteFormat::Soc:
        return loaded(path, readSoc(bytes));
    default: // the formats written only were refused above
        return loaded(path, readGpl(bytes));
    }
}

PaletteLoad importColorsFromText(const QString &path, const ColorScanner &scan)
{
    QByteArray bytes;
    if (PaletteLoad refused = readBounded(path, bytes); !refused.ok())
        return refused;
    const QString text
        = bytes.isValidUtf8() ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    const QList<ColorValue> colors = scan(text);
    if (colors.size() > kMaxPaletteEntries)
        return loaded(path, tooManyColors());
    PaletteLoad load;
    load.palette.name = QFileInfo(path).completeBaseName();
    for (const ColorValue color : colors)
        load.palette.entries.append({QString(), color});
    return load;
}

QString writePaletteFile(const QString &path, const Palette &palette)
{
    const std::optional<PaletteFormat> format = paletteFormatOf(path);
    if (!format) {
        return QStringLiteral("The palette could not be saved as \"%1\": the name ends in none of "
                              "%2, so the format is not known.")
            .arg(fileName(path), suffixList(true));
    }
    return writePaletteFile(path, palette, *format);
}

QString writePaletteFile(const QString &path, const Palette &palette, PaletteFormat format)
{
    QByteArray content;
    switch (format) {
    case PaletteFormat::Gpl:
        content = writeGpl(palette);
        break;
    case PaletteFormat::Ase:
        content = writeAse(palette);
        break;
    case PaletteFormat::Soc:
        content = writeSoc(palette);
        break;
    case PaletteFormat::Css:
        content = writeCss(palette);
        break;
    case PaletteFormat::Scss:
        content = writeScss(palette);
        break;
    case PaletteFormat::HexList:
        content = writeHexList(palette);
        break;
    }
    return writeError(path, replaceFile(path, content));
}

} // namespace Tintora
