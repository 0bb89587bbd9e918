#include "core/pagefile.h"

#include "core/filedescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

// The temporary file's name while it is written, removed unless it has taken the target's place.
class TemporaryName
{
public:
    TemporaryName(int folder, QByteArray name)
        : m_folder(folder)
        , m_name(std::move(name))
    { }
    ~TemporaryName()
    {
        if (!m_name.isEmpty())
            ::unlinkat(m_folder, m_name.constData(), 0);
    }
    TemporaryName(const TemporaryName &) = delete;
    TemporaryName &operator=(const TemporaryName &) = delete;

    const char *get() const { return m_name.constData(); }
    void release() { m_name.clear(); }

private:
    int m_folder;
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

// The temporary files are named "." + the file's name + "." + up to 16 hexadecimal digits, and
// always used relative to the folder: wherever the file's own path fits, so do theirs.
constexpr qsizetype kMaxSuffixDigits = 16;

QByteArray temporaryPrefix(const QByteArray &fileName)
{
    return '.' + fileName.left(NAME_MAX - 2 - kMaxSuffixDigits) + '.';
}

bool isTemporaryName(QByteArrayView name, const QByteArray &prefix)
{
    if (!name.startsWith(prefix) || name.size() == prefix.size()
        || name.size() > prefix.size() + kMaxSuffixDigits)
        return false;
    const QByteArrayView digits = name.sliced(prefix.size());
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Removes what writes that were killed before their rename left behind: the temporary files of
// this file that no running writer holds locked (a writer holds its own from creation to
// rename). Anything not made by a writer, a link or a FIFO with such a name, is left alone.
void removeStaleTemporaries(int folder, const QByteArray &prefix)
{
    QList<QByteArray> names;
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (DIR *entries = listing >= 0 ? ::fdopendir(listing) : nullptr) {
        while (const dirent *entry = ::readdir(entries)) {
            if (isTemporaryName(entry->d_name, prefix))
                names.append(entry->d_name);
        }
        ::closedir(entries);
    } else if (listing >= 0) {
        ::close(listing);
    }
    for (const QByteArray &name : names) {
        struct stat status = {};
        if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(status.st_mode))
            continue;
        const FileDescriptor stale(
            ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (stale.isOpen() && ::flock(stale.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder, name.constData(), 0);
    }
}

// Creates a new temporary file in folder, named by prefix, and locks it; or gives -1, errno set.
int createTemporary(int folder, const QByteArray &prefix, QByteArray &name)
{
    for (;;) {
        name = prefix + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        // 0666 lets the umask decide a new file's mode, as any newly created file's.
        const int fd
            = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno == EEXIST || errno == EINTR))
            continue;
        if (fd < 0)
            return -1;
        // Another writer may have taken the file as stale in the moment before the lock; it
        // then has no name left, and a new one is made. Where the file system has no locks,
        // nobody takes it.
        while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) { }
        struct stat status = {};
        if (::fstat(fd, &status) != 0 || status.st_nlink > 0)
            return fd;
        ::close(fd);
    }
}

} // namespace

// Not QSaveFile, which writes the same way but keeps fewer of these guarantees: it opens its
// temporary file by the whole path, so a page whose path just fits the system's limit cannot be
// written; it does not lock its temporary file, so what a killed write left behind can never be
// told from a write under way and removed; it folds the system's errors into a few kinds, so a
// full disk, a refusal and a missing folder get no numbers of their own; and as root it replaces
// a page marked read-only.
int replaceFile(const QString &path, const QByteArray &content)
{
    if (path.isEmpty())
        return PathFileAccessError;

    QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    // Like a save in place, a link keeps pointing at the page and its target gets the content.
    struct stat linkStatus = {};
    char linked[PATH_MAX];
    if (::lstat(target.constData(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)
        && ::realpath(target.constData(), linked))
        target = linked;
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray fileName = target.sliced(slash + 1);

    // Everything below goes by short names relative to the folder.
    const FileDescriptor folder(::open(slash == 0 ? "/" : target.left(slash).constData(),
                                       O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return errorNumberFor(errno) == PermissionDenied ? PermissionDenied : PathNotFound;

    struct stat oldStatus = {};
    const bool exists = ::fstatat(folder.get(), fileName.constData(), &oldStatus, 0) == 0;
    if (exists) {
        if (S_ISDIR(oldStatus.st_mode))
            return PathFileAccessError;
        // A rename ignores the replaced file's own mode, and root passes every check anyway, so
        // the read-only mark is honoured here.
        if ((oldStatus.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return PermissionDenied;
    }

    const QByteArray prefix = temporaryPrefix(fileName);
    removeStaleTemporaries(folder.get(), prefix);
    QByteArray temporaryName;
    // Kept open, and so locked, until the rename; fsync has reported any failed write by then.
    const FileDescriptor file(createTemporary(folder.get(), prefix, temporaryName));
    if (!file.isOpen())
        return errorNumberFor(errno);
    TemporaryName temporary(folder.get(), temporaryName);

    if (exists) {
        if (::fchmod(file.get(), oldStatus.st_mode & 07777) != 0)
            return errorNumberFor(errno);
        // Only root may give the file away; anyone else keeps the new file as their own.
        if ((oldStatus.st_uid != ::geteuid() || oldStatus.st_gid != ::getegid())
            && ::fchown(file.get(), oldStatus.st_uid, oldStatus.st_gid) != 0 && errno != EPERM)
            return errorNumberFor(errno);
    }

    // Flushed to the disk before the rename, so the page is never seen cut short.
    if (!writeAll(file.get(), content) || ::fsync(file.get()) != 0)
        return errorNumberFor(errno);

    if (::renameat(folder.get(), temporary.get(), folder.get(), fileName.constData()) != 0)
        return errorNumberFor(errno);
    temporary.release();
    return NoFileError;
}

} // namespace Tintora
