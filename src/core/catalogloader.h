#pragma once

#include "core/catalog.h"

#include <QString>

namespace Tintora {

enum class CatalogFailure {
    None,
    MissingPage, // the preview page does not exist; no catalogue file was read
    MissingFile, // a catalogue file (or the Pantone folder) is missing, unreadable or no file
    Damaged, // a file is too large or holds NUL bytes, a list holds fewer than 941 entries, or a
             // component is not within 0 to 255
    UnusableFolder, // the program folder's name could not be read as text, so nothing was read
};

// A catalogue file larger than this is refused unread: the shipped files hold about 4 KB, and
// 941 long names stay far below it even in UTF-32.
constexpr qsizetype kMaxCatalogFileSize = 1024 * 1024;

struct CatalogLoadResult
{
    CatalogFailure failure = CatalogFailure::None;
    QString fileName; // the file at fault, e.g. "bluelist.dat"
    QString message; // for Damaged and UnusableFolder: a sentence naming the fault
    Catalog catalog; // the whole catalogue, when ok()

    bool ok() const { return failure == CatalogFailure::None; }
};

// Reads the catalogue from <programFolder>/Pantone: redlist.dat, greenlist.dat, bluelist.dat and
// pantonelist.dat in this order, each list filled (with at most the 941 entries the catalogue
// uses) before the next file is opened, then checks the lists; stops at the first failure. Only
// regular files are read, links followed.
CatalogLoadResult loadCatalog(const QString &programFolder);
// Start-up's load: checks first that the preview page at pagePath is a file (a folder of that
// name is no page), then reads the catalogue as above.
CatalogLoadResult loadCatalog(const QString &programFolder, const QString &pagePath);

} // namespace Tintora
