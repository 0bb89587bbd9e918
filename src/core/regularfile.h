#pragma once

#include <QByteArray>
#include <QString>

namespace Tintora {

enum class FileRead { Read, Unreadable, TooLarge };

// Reads a regular file whole, or refuses it. Opened without waiting, so that a FIFO in place of
// the file cannot block; a FIFO, a device or a folder is then refused as unreadable. The size the
// file reports is only a hint (a file may grow while it is read), so the reading stops one byte
// past maxSize whatever the file holds.
FileRead readRegularFile(const QString &path, qsizetype maxSize, QByteArray &bytes);

} // namespace Tintora
