#include "core/pagefile.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kOldContent(5000, 'o');
const QByteArray kNewContent = "\"new\"\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

int modeOf(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                     : -1;
}

qsizetype openDescriptorCount()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System).size();
}

} // namespace

enum class Setup { Page, NoPage, NoFolder, FolderIsAFile, FullDisk };
Q_DECLARE_METATYPE(Setup)

class TestPageFile : public QObject
{
    Q_OBJECT

private slots:
    void replaceFile_data();
    void replaceFile();
};

void TestPageFile::replaceFile_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("mode"); // the old page's permissions; 0: no old page
    QTest::addColumn<int>("expected");

    QTest::newRow("replaces a longer page, keeps its permissions")
        << Setup::Page << 0640 << int(NoFileError);
    QTest::newRow("creates a missing page") << Setup::NoPage << 0 << int(NoFileError);
    QTest::newRow("missing folder: path not found") << Setup::NoFolder << 0 << int(PathNotFound);
    QTest::newRow("folder is a file: path not found")
        << Setup::FolderIsAFile << 0 << int(PathNotFound);
    QTest::newRow("read-only page, though root may write it")
        << Setup::Page << 0444 << int(PermissionDenied);
    QTest::newRow("full disk") << Setup::FullDisk << 0644 << int(DiskFull);
}

void TestPageFile::replaceFile()
{
    QFETCH(Setup, setup);
    QFETCH(int, mode);
    QFETCH(int, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString folder = root.filePath(QStringLiteral("Webdask"));
    const QString page = folder + QStringLiteral("/WebDask.html");
    if (setup == Setup::FolderIsAFile)
        QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
    else if (setup != Setup::NoFolder)
        QVERIFY(QDir().mkdir(folder));
    std::optional<TestSupport::TinyDisk> disk;
    if (setup == Setup::FullDisk) {
        disk.emplace(folder);
        if (!disk->isMounted())
            QSKIP(qPrintable(u"Cannot mount a tiny disk (needs root): "_s + disk->error()));
    }
    if (setup == Setup::Page || setup == Setup::FullDisk) {
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kOldContent) == kOldContent.size());
        QCOMPARE(::chmod(QFile::encodeName(page).constData(), mode_t(mode)), 0);
    }
    if (disk)
        QVERIFY(disk->fill());
    const QStringList entries = entriesOf(folder);
    const qsizetype descriptors = openDescriptorCount();

    QCOMPARE(Tintora::replaceFile(page, kNewContent), expected);

    QCOMPARE(openDescriptorCount(), descriptors);
    if (expected == NoFileError) {
        QCOMPARE(readAll(page), kNewContent);
        // No temporary file left behind.
        QCOMPARE(entriesOf(folder), QStringList {QStringLiteral("WebDask.html")});
        if (mode)
            QCOMPARE(modeOf(page), mode);
    } else {
        QCOMPARE(entriesOf(folder), entries);
        if (mode)
            QCOMPARE(readAll(page), kOldContent);
    }
}

QTEST_GUILESS_MAIN(TestPageFile)
#include "tst_pagefile.moc"
