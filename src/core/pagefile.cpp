#include "core/pagefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace Tintora {

namespace {

int errorNumberFor(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return DiskFull;
    default:
        return PathFileAccessError;
    }
}

// Owns an open descriptor and closes it on every way out.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now, because close is where some file systems report a failed write.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Removes the temporary file unless it has taken the target's place.
class TemporaryName
{
public:
    explicit TemporaryName(QByteArray name)
        : m_name(std::move(name))
    { }
    ~TemporaryName()
    {
        if (!m_name.isEmpty())
            ::unlink(m_name.constData());
    }
    TemporaryName(const TemporaryName &) = delete;
    TemporaryName &operator=(const TemporaryName &) = delete;

    const char *get() const { return m_name.constData(); }
    void release() { m_name.clear(); }

private:
    QByteArray m_name;
};

bool writeAll(int fd, const QByteArray &content)
{
    const char *data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

QByteArray uniqueSuffix()
{
    return QByteArray::number(QRandomGenerator::global()->generate64(), 16);
}

} // namespace

int replaceFile(const QString &path, const QByteArray &content)
{
    if (path.isEmpty())
        return PathFileAccessError;

    QFileInfo target(path);
    // Like a save in place, a link keeps pointing at the page and its target gets the content.
    if (target.isSymLink() && target.exists())
        target = QFileInfo(target.canonicalFilePath());

    const QByteArray folder = QFile::encodeName(target.absolutePath());
    struct stat folderStatus = {};
    if (::stat(folder.constData(), &folderStatus) != 0)
        return errorNumberFor(errno) == PermissionDenied ? PermissionDenied : PathNotFound;
    if (!S_ISDIR(folderStatus.st_mode))
        return PathNotFound;

    const QByteArray finalName = QFile::encodeName(target.absoluteFilePath());
    struct stat oldStatus = {};
    const bool exists = ::stat(finalName.constData(), &oldStatus) == 0;
    if (exists) {
        if (S_ISDIR(oldStatus.st_mode))
            return PathFileAccessError;
        // A rename ignores the replaced file's own mode, and root passes every check anyway, so
        // the read-only mark is honoured here.
        if ((oldStatus.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return PermissionDenied;
    }

    // 0666 lets the umask decide a new file's mode, as any newly created file's.
    int fd = -1;
    QByteArray temporaryName;
    do {
        temporaryName = folder + "/." + QFile::encodeName(target.fileName()) + '.' + uniqueSuffix();
        fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && (errno == EEXIST || errno == EINTR));
    if (fd < 0)
        return errorNumberFor(errno);

    FileDescriptor file(fd);
    TemporaryName temporary(temporaryName);

    if (exists) {
        if (::fchmod(file.get(), oldStatus.st_mode & 07777) != 0)
            return errorNumberFor(errno);
        // Only root may give the file away; anyone else keeps the new file as their own.
        if ((oldStatus.st_uid != ::geteuid() || oldStatus.st_gid != ::getegid())
            && ::fchown(file.get(), oldStatus.st_uid, oldStatus.st_gid) != 0 && errno != EPERM)
            return errorNumberFor(errno);
    }

    // Flushed to the disk before the rename, so the page is never seen cut short.
    if (!writeAll(file.get(), content) || ::fsync(file.get()) != 0 || file.close() != 0)
        return errorNumberFor(errno);

    if (::rename(temporary.get(), finalName.constData()) != 0)
        return errorNumberFor(errno);
    temporary.release();
    return NoFileError;
}

} // namespace Tintora
