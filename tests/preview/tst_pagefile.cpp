#include "preview/pagefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Tintora;

namespace {

const QString kPageName = QStringLiteral("WebDask.html");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList entriesOf(const QString &folder)
{
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                 | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

mode_t modeOf(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return static_cast<mode_t>(-1);
    return status.st_mode & 07777;
}

qsizetype openDescriptorCount()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System).size();
}

// A tiny file system of its own, so the disk can be filled or made read-only without touching
// the machine's; unmounted again however the test ends.
class TmpfsMount
{
public:
    TmpfsMount()
    {
        if (!m_folder.isValid()) {
            m_error = QStringLiteral("no temporary folder");
            return;
        }
        if (::mount("tmpfs", path().constData(), "tmpfs", 0, "size=12k") != 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~TmpfsMount()
    {
        if (m_mounted && ::umount(path().constData()) != 0)
            ::umount2(path().constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool isMounted() const { return m_mounted; }
    QString error() const { return m_error; }
    QString folder() const { return m_folder.path(); }

    bool makeReadOnly()
    {
        return ::mount("tmpfs", path().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=12k")
            == 0;
    }

private:
    QByteArray path() const { return QFile::encodeName(m_folder.path()); }

    QTemporaryDir m_folder;
    bool m_mounted = false;
    QString m_error;
};

// Fills the file system holding folder until a write is refused.
bool fillDisk(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) { }
    return true;
}

} // namespace

enum class Setup {
    NoFolder,
    FolderIsAFile,
    ReadOnlyPage,
    PageWithoutPermissions,
    PageIsAFolder,
};
Q_DECLARE_METATYPE(Setup)

class TestPageFile : public QObject
{
    Q_OBJECT

private slots:
    void replacesContent_data();
    void replacesContent();
    void keepsPermissions_data();
    void keepsPermissions();
    void newFileFollowsUmask();
    void keepsOwner();
    void writesThroughLink();
    void refuses_data();
    void refuses();
    void emptyPath();
    void diskFull();
    void readOnlyFileSystem();
};

void TestPageFile::replacesContent_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("oldContent");
    QTest::addColumn<QByteArray>("newContent");

    QTest::newRow("replaces the page")
        << true << QByteArray("\"PLACEHOLDER\"\r\n") << QByteArray("\"<HTML>Hi</HTML>\"\r\n");
    QTest::newRow("shorter content leaves no tail of the old")
        << true << QByteArray(5000, 'o') << QByteArray("\"x\"\r\n");
    QTest::newRow("longer content") << true << QByteArray("old") << QByteArray(100000, 'n');
    QTest::newRow("empty content") << true << QByteArray("old") << QByteArray();
    QTest::newRow("CR LF and binary bytes kept as they are")
        << true << QByteArray("old") << QByteArray("a\r\nb\0c\xff", 8);
    QTest::newRow("creates a missing page") << false << QByteArray() << QByteArray("\"new\"\r\n");
}

void TestPageFile::replacesContent()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, oldContent);
    QFETCH(QByteArray, newContent);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString page = folder.filePath(kPageName);
    if (exists)
        QVERIFY(writeFile(page, oldContent));
    const qsizetype descriptors = openDescriptorCount();

    QCOMPARE(replaceFile(page, newContent), int(NoFileError));
    QCOMPARE(readAll(page), newContent);
    QCOMPARE(entriesOf(folder.path()), QStringList {kPageName});
    QCOMPARE(openDescriptorCount(), descriptors);
}

void TestPageFile::keepsPermissions_data()
{
    QTest::addColumn<int>("mode");

    QTest::newRow("0600") << 0600;
    QTest::newRow("0640") << 0640;
    QTest::newRow("0664") << 0664;
    QTest::newRow("0200 write-only") << 0200;
    QTest::newRow("0020 writable by group only") << 0020;
}

void TestPageFile::keepsPermissions()
{
    QFETCH(int, mode);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString page = folder.filePath(kPageName);
    QVERIFY(writeFile(page, "old"));
    QCOMPARE(::chmod(QFile::encodeName(page).constData(), static_cast<mode_t>(mode)), 0);

    QCOMPARE(replaceFile(page, "new"), int(NoFileError));
    QCOMPARE(int(modeOf(page)), mode);
}

void TestPageFile::newFileFollowsUmask()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString page = folder.filePath(kPageName);

    const mode_t previous = ::umask(027);
    const int result = replaceFile(page, "new");
    ::umask(previous);

    QCOMPARE(result, int(NoFileError));
    QCOMPARE(int(modeOf(page)), 0640);
}

void TestPageFile::keepsOwner()
{
    if (::geteuid() != 0)
        QSKIP("Only root can give a file to another owner.");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString page = folder.filePath(kPageName);
    QVERIFY(writeFile(page, "old"));
    QCOMPARE(::chown(QFile::encodeName(page).constData(), 1234, 5678), 0);

    QCOMPARE(replaceFile(page, "new"), int(NoFileError));
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(page).constData(), &status), 0);
    QCOMPARE(status.st_uid, uid_t(1234));
    QCOMPARE(status.st_gid, gid_t(5678));
}

void TestPageFile::writesThroughLink()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString target = folder.filePath(QStringLiteral("real.html"));
    const QString link = folder.filePath(kPageName);
    QVERIFY(writeFile(target, "old"));
    QVERIFY(QFile::link(target, link));

    QCOMPARE(replaceFile(link, "new"), int(NoFileError));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(target), QByteArray("new"));
    QCOMPARE(entriesOf(folder.path()), (QStringList {kPageName, QStringLiteral("real.html")}));
}

void TestPageFile::refuses_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("expected");

    QTest::newRow("missing folder: path not found") << Setup::NoFolder << int(PathNotFound);
    QTest::newRow("folder is a regular file: path not found")
        << Setup::FolderIsAFile << int(PathNotFound);
    QTest::newRow("read-only page 0444, though root may write it")
        << Setup::ReadOnlyPage << int(PermissionDenied);
    QTest::newRow("page with no permissions at all")
        << Setup::PageWithoutPermissions << int(PermissionDenied);
    QTest::newRow("page is a folder: access error")
        << Setup::PageIsAFolder << int(PathFileAccessError);
}

void TestPageFile::refuses()
{
    QFETCH(Setup, setup);
    QFETCH(int, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString folder = root.filePath(QStringLiteral("Webdask"));
    const QString page = folder + u'/' + kPageName;
    const QByteArray oldContent = "\"PLACEHOLDER\"\r\n";

    switch (setup) {
    case Setup::NoFolder:
        break;
    case Setup::FolderIsAFile:
        QVERIFY(writeFile(folder, oldContent));
        break;
    case Setup::ReadOnlyPage:
    case Setup::PageWithoutPermissions:
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(writeFile(page, oldContent));
        QCOMPARE(
            ::chmod(QFile::encodeName(page).constData(), setup == Setup::ReadOnlyPage ? 0444 : 0),
            0);
        break;
    case Setup::PageIsAFolder:
        QVERIFY(QDir().mkpath(page));
        break;
    }
    const QStringList rootBefore = entriesOf(root.path());
    const QStringList folderBefore = entriesOf(folder);
    const qsizetype descriptors = openDescriptorCount();

    QCOMPARE(replaceFile(page, "\"new\"\r\n"), expected);

    QCOMPARE(entriesOf(root.path()), rootBefore);
    QCOMPARE(entriesOf(folder), folderBefore);
    QCOMPARE(openDescriptorCount(), descriptors);
    if (setup == Setup::FolderIsAFile)
        QCOMPARE(readAll(folder), oldContent);
    if (setup == Setup::ReadOnlyPage || setup == Setup::PageWithoutPermissions)
        QCOMPARE(readAll(page), oldContent);
}

void TestPageFile::emptyPath()
{
    QCOMPARE(replaceFile(QString(), "x"), int(PathFileAccessError));
}

void TestPageFile::diskFull()
{
    TmpfsMount disk;
    if (!disk.isMounted())
        QSKIP(qPrintable(QStringLiteral("Cannot mount a small tmpfs to fill (needs root and "
                                        "mount rights): ")
                         + disk.error()));
    const QString page = disk.folder() + u'/' + kPageName;
    const QByteArray oldContent = "\"PLACEHOLDER\"\r\n";
    QVERIFY(writeFile(page, oldContent));
    QVERIFY(fillDisk(disk.folder()));
    const QStringList before = entriesOf(disk.folder());
    const qsizetype descriptors = openDescriptorCount();

    QCOMPARE(replaceFile(page, QByteArray(8192, 'n')), int(DiskFull));

    QCOMPARE(readAll(page), oldContent);
    QCOMPARE(entriesOf(disk.folder()), before);
    QCOMPARE(openDescriptorCount(), descriptors);
}

void TestPageFile::readOnlyFileSystem()
{
    TmpfsMount disk;
    if (!disk.isMounted())
        QSKIP(qPrintable(QStringLiteral("Cannot mount a small tmpfs to make read-only (needs root "
                                        "and mount rights): ")
                         + disk.error()));
    const QString page = disk.folder() + u'/' + kPageName;
    const QByteArray oldContent = "\"PLACEHOLDER\"\r\n";
    QVERIFY(writeFile(page, oldContent));
    QVERIFY(disk.makeReadOnly());

    // The page's own bits allow writing: the refusal comes from the system, even for root.
    QCOMPARE(replaceFile(page, "\"new\"\r\n"), int(PermissionDenied));
    QCOMPARE(readAll(page), oldContent);
    QCOMPARE(entriesOf(disk.folder()), QStringList {kPageName});
}

QTEST_GUILESS_MAIN(TestPageFile)
#include "tst_pagefile.moc"
