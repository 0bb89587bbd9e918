#pragma once

#include <QString>

namespace Tintora {

// The program folder, the executable's, as a path the program can open: see usableFolderPath.
QString programFolderPath();

// A path for the folder whose name is the bytes folderName. Qt reads file names as UTF-8 and
// cannot hold a name that is not, so such a folder is reached through a descriptor kept open for
// the life of the process: /proc/self/fd/<n> names it within the process. When that fails too,
// the name as Qt reads it, with replacement marks in place of the bytes it lost.
QString usableFolderPath(const QByteArray &folderName);

// The path of relativePath ("Webdask/WebDask.html") below folder. Where a name does not exist
// with exactly its letter case, an entry of the folder that differs only in case takes its place,
// so "WebDask" and "Webdask" name the same folder on a case-sensitive file system too. Names
// that exist in no case are kept as given.
QString resolveBelow(const QString &folder, const QString &relativePath);

// Whether the page writer can replace files in folder: it exists, the user may create files in
// it, and its permission bits are not all cleared (root passes every access check, so a folder
// made read-only on purpose is honoured by its bits, as the writer honours a read-only page).
bool isWritableFolder(const QString &folder);

// The preview page the program shows and rewrites. Normally the shipped page in the program
// folder's Webdask. When that folder exists but the user may not write it, as in a program
// installed for all users, the page is the user's own copy in dataFolder/Webdask instead, copied
// from the shipped page the first time and kept from then on. When no copy can be made the
// shipped page is kept, and writing it reports why it failed.
QString previewPagePath(const QString &programFolder, const QString &dataFolder);

} // namespace Tintora
