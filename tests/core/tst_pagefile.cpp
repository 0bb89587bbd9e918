#include "core/pagefile.h"
#include "core/programfolder.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/file.h>
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

} // namespace

enum class Setup { Plain, NoFolder, FolderIsAFile, FullDisk, Leftovers, LongPath, NotUtf8Name };
Q_DECLARE_METATYPE(Setup)

// Where the page is looked for: the program folder writable, then read-only with a read-only
// page, with a relative data folder, or with a copy of the page the user has already.
enum class Place { Writable, ReadOnlyPage, RelativeDataFolder, CopyMadeEarlier };
Q_DECLARE_METATYPE(Place)

// Which preview page the program shows, and how it rewrites it.
class TestPageFile : public QObject
{
    Q_OBJECT

private slots:
    void replaceFile_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("mode"); // the old page's permissions; 0: no old page
        QTest::addColumn<int>("expected");

        const auto row = [](const char *name, Setup setup, int mode, int expected = NoFileError) {
            QTest::newRow(name) << setup << mode << expected;
        };
        row("replaces a longer page, keeps its permissions", Setup::Plain, 0640);
        row("creates a missing page", Setup::Plain, 0);
        row("missing folder: path not found", Setup::NoFolder, 0, PathNotFound);
        row("folder is a file: path not found", Setup::FolderIsAFile, 0, PathNotFound);
        row("read-only page, though root may write it", Setup::Plain, 0444, PermissionDenied);
        row("full disk", Setup::FullDisk, 0644, DiskFull);
        // A write killed before its rename left its temporary file for good.
        row("leftovers removed, not a running write's", Setup::Leftovers, 0644);
        // The page's path fitted the system's limit, its temporary file's did not: 75.
        row("program folder of 4060 characters", Setup::LongPath, 0644);
        row("program folder name not UTF-8", Setup::NotUtf8Name, 0644);
    }

    void replaceFile()
    {
        QFETCH(Setup, setup);
        QFETCH(int, mode);
        QFETCH(int, expected);

        QTemporaryDir root;
        QString program = root.path();
        const QByteArray notUtf8 = QFile::encodeName(program) + "/bad\xFF\xFEname";
        // Renamed back, or the temporary folder could not remove it.
        const auto renameBack = qScopeGuard([&] {
            ::rename(notUtf8.constData(), QFile::encodeName(root.filePath(u"x"_s)).constData());
        });
        if (setup == Setup::NotUtf8Name) {
            QCOMPARE(::mkdir(notUtf8.constData(), 0755), 0);
            program = usableFolderPath(notUtf8);
            QVERIFY(QDir(program).exists()); // Qt's own reading of the name names no folder
        }
        while (setup == Setup::LongPath && program.size() < 4060)
            program += u'/' + QString(std::min<qsizetype>(200, 4059 - program.size()), u'd');
        const QString folder = program + u"/Webdask"_s;
        const QString page = folder + u"/WebDask.html"_s;
        if (setup == Setup::FolderIsAFile)
            QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        else if (setup != Setup::NoFolder)
            QVERIFY(QDir().mkpath(folder));
        std::optional<TestSupport::TinyDisk> disk;
        if (setup == Setup::FullDisk) {
            disk.emplace(folder);
            if (!disk->isMounted())
                QSKIP(qPrintable(u"Cannot mount a tiny disk (needs root): "_s + disk->error()));
        }
        if (mode) {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly)
                    && file.write(kOldContent) == kOldContent.size());
            QCOMPARE(::chmod(QFile::encodeName(page).constData(), mode_t(mode)), 0);
        }
        // Open on the old page: a write in place, which could leave the page cut short, would
        // show through it.
        QFile reader(page);
        QCOMPARE(reader.open(QIODevice::ReadOnly), mode != 0);
        QStringList kept; // besides the page
        QFile running(folder + u"/.WebDask.html.10c4ed"_s); // another instance's write in progress
        if (setup == Setup::Leftovers) {
            kept = {u".WebDask.html.10c4ed"_s, u".WebDask.html.notes"_s};
            for (const QString &name : kept + QStringList {u".WebDask.html.5eed"_s})
                QVERIFY(QFile(folder + u'/' + name).open(QIODevice::WriteOnly));
            QVERIFY(running.open(QIODevice::ReadOnly) && ::flock(running.handle(), LOCK_EX) == 0);
        }
        if (disk)
            QVERIFY(disk->fill());
        const QStringList entries = entriesOf(folder);
        const qsizetype descriptors = entriesOf(u"/proc/self/fd"_s).size();

        QCOMPARE(Tintora::replaceFile(page, kNewContent), expected);

        QCOMPARE(entriesOf(u"/proc/self/fd"_s).size(), descriptors);
        if (mode)
            QCOMPARE(reader.readAll(), kOldContent);
        if (expected == NoFileError) {
            QCOMPARE(readAll(page), kNewContent);
            // No temporary file left behind.
            QCOMPARE(entriesOf(folder), kept + QStringList {u"WebDask.html"_s});
            struct stat status = {};
            QVERIFY(::stat(QFile::encodeName(page).constData(), &status) == 0
                    && (!mode || int(status.st_mode & 07777) == mode));
        } else {
            QCOMPARE(entriesOf(folder), entries);
            if (mode)
                QCOMPARE(readAll(page), kOldContent);
        }
    }

    // Read-only means by the permission bits, which root honours here as the page writer does.
    void chosenPage_data()
    {
        QTest::addColumn<Place>("place");
        // The user's copy, chosen, holds this afterwards; null: the shipped page is, no copy made.
        QTest::addColumn<QByteArray>("copy");

        QTest::newRow("writable program folder: the shipped page")
            << Place::Writable << QByteArray();
        QTest::newRow("regression: a read-only shipped page gave a read-only copy")
            << Place::ReadOnlyPage << TestSupport::ProgramFolder().read(u"Webdask/WebDask.html"_s);
        QTest::newRow("relative data folder: the shipped page, nothing made in the working folder")
            << Place::RelativeDataFolder << QByteArray();
        QTest::newRow("copy made earlier: kept as the user left it")
            << Place::CopyMadeEarlier << QByteArray("the user's last page");
    }

    void chosenPage()
    {
        QFETCH(Place, place);
        QFETCH(QByteArray, copy);
        const TestSupport::ProgramFolder folder;
        const QString webdask = folder.filePath(u"Webdask"_s);
        const QString copyPath = folder.filePath(u"user-data/Webdask/WebDask.html"_s);
        QString dataFolder = folder.filePath(u"user-data"_s);
        const QString workingFolder = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            QDir::setCurrent(workingFolder);
            ::chmod(QFile::encodeName(webdask).constData(), 0755);
        });
        if (place == Place::ReadOnlyPage)
            QVERIFY(QFile::setPermissions(webdask + u"/WebDask.html"_s, QFile::ReadOwner));
        if (place == Place::RelativeDataFolder) {
            dataFolder = u"user-data"_s;
            QVERIFY(QDir::setCurrent(folder.path()));
        }
        if (place == Place::CopyMadeEarlier) {
            QVERIFY(QDir().mkpath(QFileInfo(copyPath).path()));
            folder.write(u"user-data/Webdask/WebDask.html"_s, copy);
        }
        if (place != Place::Writable)
            QCOMPARE(::chmod(QFile::encodeName(webdask).constData(), 0555), 0);

        const QString chosen = previewPagePath(folder.path(), dataFolder);
        QCOMPARE(chosen, copy.isNull() ? webdask + u"/WebDask.html"_s : copyPath);
        QCOMPARE(QFileInfo(copyPath).isFile(), !copy.isNull());
        if (copy.isNull())
            return;
        QCOMPARE(readAll(copyPath), copy);
        QVERIFY(QFile::permissions(chosen).testFlag(QFile::WriteOwner));
        QCOMPARE(entriesOf(QFileInfo(copyPath).path()), QStringList {u"WebDask.html"_s});
    }
};

QTEST_GUILESS_MAIN(TestPageFile)
#include "tst_pagefile.moc"
