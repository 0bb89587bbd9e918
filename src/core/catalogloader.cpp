#include "core/catalogloader.h"

#include "core/catalogreader.h"
#include "core/messagetext.h"
#include "core/numericvalue.h"
#include "core/programfolder.h"
#include "core/regularfile.h"

#include <QFileInfo>

#include <array>

namespace Tintora {

namespace {

struct CatalogFile
{
    QString name;
    QStringList Catalog::*list;
    bool components; // entries are colour components 0 to 255
};

bool isComponent(const QString &text)
{
    const auto value = numericInt16(text);
    return value && *value >= 0 && *value <= 255;
}

CatalogLoadResult failed(CatalogFailure failure, const QString &file, const QString &message)
{
    CatalogLoadResult result;
    result.failure = failure;
    result.fileName = file;
    result.message = message;
    return result;
}

CatalogLoadResult damaged(const QString &file, const QString &fault)
{
    return failed(CatalogFailure::Damaged, file,
                  QStringLiteral("The file \"%1\" is damaged: %2.").arg(file, fault));
}

// The first fault of a list that was read completely, or no failure.
CatalogLoadResult checkList(const CatalogFile &file, const QStringList &items)
{
    if (items.size() < kCatalogSize) {
        const QString held = items.size() == 1 ? QStringLiteral("1 entry")
                                               : QStringLiteral("%1 entries").arg(items.size());
        return damaged(file.name,
                       QStringLiteral("it holds %1, and the catalogue needs %2")
                           .arg(held, QString::number(kCatalogSize)));
    }
    if (file.components) {
        for (qsizetype i = 0; i < kCatalogSize; ++i) {
            if (!isComponent(items.at(i))) {
                return damaged(file.name,
                               QStringLiteral("entry %1 (%2) is not a colour component from 0 "
                                              "to 255")
                                   .arg(QString::number(i + 1), quotedExcerpt(items.at(i))));
            }
        }
    }
    return {};
}

// Qt reads file names as UTF-8 and puts a replacement mark where a name is not; a folder found
// by such a name cannot be opened, and nothing in it is missing.
bool isUsableFolder(const QString &folder)
{
    return !folder.contains(QChar::ReplacementCharacter) || QFileInfo(folder).isDir();
}

} // namespace

CatalogLoadResult loadCatalog(const QString &programFolder)
{
    if (!isUsableFolder(programFolder)) {
        return failed(
            CatalogFailure::UnusableFolder, QString(),
            QStringLiteral("The program cannot open its folder \"%1\": the folder's name is not "
                           "valid UTF-8 text. Rename the folder, or move the program into "
                           "another one, and start it again.")
                .arg(programFolder));
    }

    const std::array<CatalogFile, 4> files {{
        {QStringLiteral("redlist.dat"), &Catalog::reds, true},
        {QStringLiteral("greenlist.dat"), &Catalog::greens, true},
        {QStringLiteral("bluelist.dat"), &Catalog::blues, true},
        {QStringLiteral("pantonelist.dat"), &Catalog::names, false},
    }};

    CatalogLoadResult loaded;
    for (const CatalogFile &file : files) {
        QByteArray bytes;
        switch (readRegularFile(resolveBelow(programFolder, QStringLiteral("Pantone/") + file.name),
                                kMaxCatalogFileSize, bytes)) {
        case FileRead::Read:
            break;
        case FileRead::Unreadable:
            return failed(CatalogFailure::MissingFile, file.name,
                          QStringLiteral("The file \"%1\" in the folder \"Pantone\" is missing or "
                                         "cannot be read.")
                              .arg(file.name));
        case FileRead::TooLarge:
            return damaged(file.name,
                           QStringLiteral("it is larger than %1 MiB, far more than "
                                          "a catalogue holds")
                               .arg(kMaxCatalogFileSize / (1024 * 1024)));
        }
        // Text in UTF-16 or UTF-32 is known by its byte order mark; without one, NUL bytes mean
        // the file is no text.
        if (!hasWideByteOrderMark(bytes) && bytes.contains('\0')) {
            return damaged(file.name,
                           QStringLiteral("it holds NUL bytes, so it is not text, or "
                                          "text in UTF-16 or UTF-32 saved without a "
                                          "byte order mark"));
        }
        loaded.catalog.*file.list = readCatalogItems(bytes, kCatalogSize);
    }

    for (const CatalogFile &file : files) {
        if (CatalogLoadResult fault = checkList(file, loaded.catalog.*file.list); !fault.ok())
            return fault;
    }
    return loaded;
}

CatalogLoadResult loadCatalog(const QString &programFolder, const QString &pagePath)
{
    if (isUsableFolder(programFolder) && !QFileInfo(pagePath).isFile()) {
        return failed(CatalogFailure::MissingPage, QFileInfo(pagePath).fileName(),
                      QStringLiteral("The preview page \"%1\" is missing.").arg(pagePath));
    }
    return loadCatalog(programFolder);
}

} // namespace Tintora
