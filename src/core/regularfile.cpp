#include "core/regularfile.h"

#include "core/filedescriptor.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace Tintora {

FileRead readRegularFile(const QString &path, qsizetype maxSize, QByteArray &bytes)
{
    const FileDescriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status = {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return FileRead::Unreadable;
    if (status.st_size > maxSize)
        return FileRead::TooLarge;

    bytes.resize(std::max<qsizetype>(status.st_size + 1, 4096));
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxSize)
                return FileRead::TooLarge;
            bytes.resize(std::min(2 * filled, maxSize + 1));
        }
        const ssize_t count
            = ::read(file.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return FileRead::Unreadable;
        if (count == 0)
            break;
        filled += count;
    }
    bytes.truncate(filled);
    return FileRead::Read;
}

} // namespace Tintora
