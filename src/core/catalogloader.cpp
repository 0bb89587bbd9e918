#include "core/catalogloader.h"

#include "core/catalogreader.h"
#include "core/formstate.h"
#include "core/numericvalue.h"
#include "core/programfolder.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace Tintora {

namespace {

struct CatalogFile
{
    QString name;
    HiddenList *list;
    bool components; // entries are colour components 0 to 255
};

// An entry's text in a message: long texts are cut so that the message box stays readable.
QString quotedEntry(const QString &text)
{
    constexpr qsizetype kShown = 40;
    if (text.size() <= kShown)
        return u'"' + text + u'"';
    return u'"' + text.left(kShown) + QStringLiteral("\u2026\"");
}

bool isComponent(const QString &text)
{
    const auto value = numericInt16(text);
    return value && *value >= 0 && *value <= 255;
}

// The first fault of a list that was read completely, or no failure.
CatalogLoadResult checkList(const CatalogFile &file)
{
    const QStringList &items = file.list->items();
    if (items.size() < kCatalogSize) {
        const QString held = items.size() == 1 ? QStringLiteral("1 entry")
                                               : QStringLiteral("%1 entries").arg(items.size());
        return CatalogLoadResult {
            CatalogFailure::Damaged, file.name,
            QStringLiteral("The file \"%1\" is damaged: it holds %2, and the catalogue "
                           "needs %3.")
                .arg(file.name, held, QString::number(kCatalogSize))};
    }
    if (file.components) {
        for (qsizetype i = 0; i < kCatalogSize; ++i) {
            if (!isComponent(items.at(i))) {
                return CatalogLoadResult {
                    CatalogFailure::Damaged, file.name,
                    QStringLiteral("The file \"%1\" is damaged: entry %2 (%3) is not a "
                                   "colour component from 0 to 255.")
                        .arg(file.name, QString::number(i + 1), quotedEntry(items.at(i)))};
            }
        }
    }
    return {};
}

} // namespace

CatalogLoadResult readCatalogFiles(const QString &programFolder, FormState &state)
{
    state.cboPantoneRGBred.clear();
    state.cboPantoneRGBgreen.clear();
    state.cboPantoneRGBblue.clear();

    if (!QFileInfo::exists(state.strWebPage)) {
        const QString page = QFileInfo(state.strWebPage).fileName();
        return CatalogLoadResult {
            CatalogFailure::MissingPage, page,
            QStringLiteral("The preview page \"%1\" is missing.").arg(state.strWebPage)};
    }

    const std::array<CatalogFile, 4> files {{
        {QStringLiteral("redlist.dat"), &state.cboPantoneRGBred, true},
        {QStringLiteral("greenlist.dat"), &state.cboPantoneRGBgreen, true},
        {QStringLiteral("bluelist.dat"), &state.cboPantoneRGBblue, true},
        {QStringLiteral("pantonelist.dat"), &state.cboPantoneList, false},
    }};

    for (const CatalogFile &file : files) {
        // QFile refuses to open a directory, so a folder in place of the file fails here too.
        QFile data(resolveBelow(programFolder, QStringLiteral("Pantone/") + file.name));
        QByteArray bytes;
        if (data.open(QIODevice::ReadOnly))
            bytes = data.readAll();
        if (data.error() != QFileDevice::NoError) {
            return CatalogLoadResult {
                CatalogFailure::MissingFile, file.name,
                QStringLiteral("The file \"%1\" in the folder \"Pantone\" is missing or "
                               "cannot be read.")
                    .arg(file.name)};
        }
        file.list->setItems(readCatalogItems(bytes));
    }

    for (const CatalogFile &file : files) {
        if (CatalogLoadResult result = checkList(file); !result.ok())
            return result;
    }
    return {};
}

} // namespace Tintora
