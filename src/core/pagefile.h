#pragma once

#include <QByteArray>
#include <QString>

namespace Tintora {

// Error numbers of file operations, as the page writer reports them to the user.
enum FileErrorNumber : int {
    NoFileError = 0,
    FileNotFound = 53,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

// Replaces the file at path with content without ever leaving it empty or cut: the content is
// written to a temporary file in the same folder, which then takes the file's place. A failure
// leaves the old file as it was and gives its error number: 76 when the folder does not exist
// (or is not a folder but a file), 70 when the file is read-only (checked by its permission bits,
// so it holds for root too) or the folder refuses the write, 61 when the disk is full, 75 for any
// other failure. A replaced file keeps its permissions (and its owner, where the user may give
// it away); a new one gets the umask's.
int replaceFile(const QString &path, const QByteArray &content);

} // namespace Tintora
