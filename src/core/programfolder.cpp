#include "core/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Tintora {

QString programFolderPath()
{
    // Qt's own answer has already lost the bytes of a name that is not UTF-8; the kernel's has not.
    char executable[PATH_MAX];
    const ssize_t size = ::readlink("/proc/self/exe", executable, sizeof executable);
    if (size <= 0 || size == sizeof executable)
        return QCoreApplication::applicationDirPath();
    const QByteArray path(executable, size);
    const qsizetype slash = path.lastIndexOf('/');
    return usableFolderPath(slash == 0 ? QByteArray("/") : path.left(slash));
}

QString usableFolderPath(const QByteArray &folderName)
{
    const QString name = QFile::decodeName(folderName);
    if (QFile::encodeName(name) == folderName)
        return name;
    const int folder = ::open(folderName.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const QString alias = QStringLiteral("/proc/self/fd/%1").arg(folder);
    if (folder >= 0 && QFileInfo(alias).isDir())
        return alias;
    if (folder >= 0)
        ::close(folder);
    return name;
}

QString resolveBelow(const QString &folder, const QString &relativePath)
{
    QString path = folder;
    const auto names = QStringView(relativePath).split(u'/', Qt::SkipEmptyParts);
    for (const QStringView name : names) {
        QString next = path + u'/' + name.toString();
        if (!QFileInfo::exists(next)) {
            const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden
                                                             | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (name.compare(entry, Qt::CaseInsensitive) == 0) {
                    next = path + u'/' + entry;
                    break;
                }
            }
        }
        path = next;
    }
    return path;
}

bool isWritableFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return false;
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::access(name.constData(), W_OK | X_OK) == 0;
}

QString previewPagePath(const QString &programFolder, const QString &dataFolder)
{
    const QString shipped = resolveBelow(programFolder, QStringLiteral("WebDask/WebDask.html"));
    const QFileInfo shippedInfo(shipped);
    // A missing folder is reported by start-up as a missing file, as it always was. A relative
    // data folder (from a relative XDG_DATA_HOME) would depend on the working folder.
    if (!shippedInfo.absoluteDir().exists() || isWritableFolder(shippedInfo.absolutePath())
        || !QDir::isAbsolutePath(dataFolder))
        return shipped;

    const QString copyFolder = dataFolder + QStringLiteral("/Webdask");
    const QString copy = copyFolder + u'/' + shippedInfo.fileName();
    const QFileInfo copyInfo(copy);
    if (copyInfo.exists())
        return copyInfo.isFile() ? copy : shipped;
    if (!shippedInfo.isFile() || !QDir().mkpath(copyFolder))
        return shipped;

    // Written under a temporary name and then renamed, so that a copy cut short by a full disk
    // never passes for the page. Two first starts at once each put the same page in place.
    QFile source(shipped);
    QSaveFile partial(copy);
    if (!source.open(QIODevice::ReadOnly) || !partial.open(QIODevice::WriteOnly)
        || partial.write(source.readAll()) != source.size() || !partial.commit())
        return shipped;
    // The copy is the user's own to rewrite, whatever mode the shipped file has.
    QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

} // namespace Tintora
