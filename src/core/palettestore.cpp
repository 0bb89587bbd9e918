#include "core/palettestore.h"

#include "core/palettefile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace Tintora {

namespace {

const QString kPaletteFile = QStringLiteral("palette.gpl");
const QString kHistoryFile = QStringLiteral("history.gpl");

} // namespace

PaletteStore::PaletteStore(QString folder)
    : m_folder(std::move(folder))
{ }

QString PaletteStore::palettePath() const
{
    return QDir(m_folder).filePath(kPaletteFile);
}

QString PaletteStore::historyPath() const
{
    return QDir(m_folder).filePath(kHistoryFile);
}

PaletteStore::Contents PaletteStore::load()
{
    Contents contents;
    for (const QString &name : {kPaletteFile, kHistoryFile}) {
        PaletteLoad load = loadFile(name);
        if (!load.ok())
            contents.problems.append(load.error);
        else if (name == kPaletteFile)
            contents.palette = std::move(load.palette);
        else {
            QList<ColorValue> colors;
            for (const PaletteEntry &entry : std::as_const(load.palette.entries))
                colors.append(entry.color);
            contents.history = ColorHistory(colors);
        }
    }
    return contents;
}

PaletteLoad PaletteStore::loadFile(const QString &name)
{
    QDir folder(m_folder);
    if (!QFileInfo::exists(folder.filePath(name)) && !QFileInfo(folder.filePath(name)).isSymLink())
        return {};
    PaletteLoad load = readPaletteFile(folder.filePath(name));
    if (load.ok())
        return load;

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = name + QStringLiteral(".damaged-") + stamp;
    for (int number = 2; QFileInfo::exists(folder.filePath(aside)); ++number)
        aside = name + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(number);
    if (folder.rename(name, aside)) {
        load.error += QStringLiteral(" It was kept as \"%1\", and the program starts without it.")
                          .arg(aside);
    } else {
        m_keptInPlace.insert(name);
        load.error += QStringLiteral(" It could not be renamed, so the program will not save "
                                     "over it: move it away yourself.");
    }
    return load;
}

QString PaletteStore::savePalette(const Palette &palette)
{
    return save(kPaletteFile, palette);
}

QString PaletteStore::saveHistory(const ColorHistory &history)
{
    Palette palette {QStringLiteral("History"), {}};
    for (const ColorValue color : history.colors())
        palette.entries.append({QString(), color});
    return save(kHistoryFile, palette);
}

QString PaletteStore::save(const QString &name, const Palette &palette) const
{
    if (m_keptInPlace.contains(name)) {
        return QStringLiteral("The palette was not saved as \"%1\": the damaged file of that name "
                              "is still there.")
            .arg(name);
    }
    QDir().mkpath(m_folder);
    return writePaletteFile(QDir(m_folder).filePath(name), palette, PaletteFormat::Gpl);
}

} // namespace Tintora
