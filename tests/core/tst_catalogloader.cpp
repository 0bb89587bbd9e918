#include "core/catalogloader.h"

#include "testsupport.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

const QString kRed = u"Pantone/redlist.dat"_s;
const QString kGreen = u"Pantone/greenlist.dat"_s;
const QString kBlue = u"Pantone/bluelist.dat"_s;
const QString kNames = u"Pantone/pantonelist.dat"_s;

// The first count lines of a shipped catalogue file, one of them replaced, in an encoding with its
// byte order mark; a count past the file's last line break adds an entry.
QByteArray shipped(const QString &file, int count, int index = -1, const QByteArray &text = {},
                   QStringConverter::Encoding encoding = QStringConverter::Utf8)
{
    QList<QByteArray> lines = TestSupport::ProgramFolder().read(file).split('\n').first(count);
    if (index >= 0)
        lines[index] = text;
    return QStringEncoder(encoding,
                          QStringEncoder::Flag::WriteBom)(QString::fromUtf8(lines.join('\n')));
}

enum class Put { Content, Fifo, LinkToDevZero, FolderNameNotUtf8, Folder };

// Loads a program folder holding the shipped preview page and catalogue, with one file in it
// rewritten (removed, for null content) or replaced.
CatalogLoadResult load(const QString &changed, Put put, const QByteArray &content)
{
    const TestSupport::ProgramFolder dir;
    const QByteArray name = QFile::encodeName(dir.filePath(changed));
    if (!changed.isEmpty())
        dir.remove(changed);
    if (put == Put::Content && !content.isNull())
        dir.write(changed, content);
    if ((put == Put::Fifo && ::mkfifo(name.constData(), 0644) != 0)
        || (put == Put::LinkToDevZero && ::symlink("/dev/zero", name.constData()) != 0)
        || (put == Put::Folder && ::mkdir(name.constData(), 0755) != 0))
        qFatal("Cannot change %s", qPrintable(changed));
    const QString badName = QFile::decodeName(QFile::encodeName(dir.path()) + "/bad\xFF\xFEname");
    return loadCatalog(put == Put::FolderNameNotUtf8 ? badName : dir.path(),
                       dir.filePath(u"Webdask/WebDask.html"_s));
}

} // namespace

class TestCatalogLoader : public QObject
{
    Q_OBJECT

private slots:
    void faults_data()
    {
        QTest::addColumn<QString>("file"); // below the program folder
        QTest::addColumn<Put>("put");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<CatalogFailure>("failure");
        QTest::addColumn<QString>("fault"); // in the message besides the file's name

        const auto row
            = [](const char *name, const QString &file, const QByteArray &content,
                 CatalogFailure failure, const QString &fault = {}, Put put = Put::Content) {
                  QTest::newRow(name) << file << put << content << failure << fault;
              };
        const auto damaged = CatalogFailure::Damaged;
        // The page is looked for before any file is read.
        row("preview page", u"Webdask/WebDask.html"_s, {}, CatalogFailure::MissingPage);
        row("regression: a folder passed for the page", u"Webdask/WebDask.html"_s, {},
            CatalogFailure::MissingPage, {}, Put::Folder);
        // Read without end, it took all memory; opened for reading, a FIFO blocked start-up for
        // good.
        row("link to /dev/zero", kRed, {}, CatalogFailure::MissingFile, {}, Put::LinkToDevZero);
        row("FIFO", kGreen, {}, CatalogFailure::MissingFile, {}, Put::Fifo);
        // Qt cannot name a folder whose name is not UTF-8: the user is told so, not that a file is
        // missing.
        row("folder name not UTF-8", {}, {}, CatalogFailure::UnusableFolder, u"UTF-8"_s,
            Put::FolderNameNotUtf8);
        // Kept whole, a large file held a gigabyte for the whole session.
        row("past the size limit", kBlue, "1\n"_ba.repeated(kMaxCatalogFileSize / 2 + 1), damaged,
            u"larger than"_s);
        row("NUL byte", kNames, shipped(kNames, 941, 2, "Red\0"_ba), damaged, u"NUL"_s);

        row("short names", kNames, shipped(kNames, 940), damaged, u"holds 940 entries"_s);
        row("255.5 rounds to 256", kBlue, shipped(kBlue, 941, 940, "255.5"), damaged,
            u"entry 941 (\"255.5\")"_s);
        // Wrapped into 16 bits, 65536 would pass as 0; the item's percent sign stays in the
        // message.
        row("65536, percent sign kept", kRed, shipped(kRed, 941, 3, "65536%1"), damaged,
            u"entry 4 (\"65536%1\")"_s);
        // Read as Latin-1, UTF-16 and UTF-32 gave numbers hidden behind NULs: every colour black.
        row("UTF-16LE, 300", kRed, shipped(kRed, 941, 0, "300", QStringConverter::Utf16LE), damaged,
            u"entry 1 (\"300\")"_s);
        row("UTF-32BE, -1", kGreen, shipped(kGreen, 941, 17, "-1", QStringConverter::Utf32BE),
            damaged, u"entry 18 (\"-1\")"_s);
        row("12.5, one more", kRed, shipped(kRed, 941, 0, "12.5") + "\n300", CatalogFailure::None);
        row("300 as a name", kNames, shipped(kNames, 941, 7, "300"), CatalogFailure::None);
    }

    void faults()
    {
        QFETCH(QString, file);
        QFETCH(Put, put);
        QFETCH(QByteArray, content);
        QFETCH(CatalogFailure, failure);
        QFETCH(QString, fault);

        const CatalogLoadResult result = load(file, put, content);
        QVERIFY2(result.failure == failure, qPrintable(result.message));
        if (failure == CatalogFailure::None)
            return;
        const QString named = file.section(u'/', -1); // none for the folder
        QCOMPARE(result.fileName, named);
        QVERIFY2(result.message.contains(named) && result.message.contains(fault),
                 qPrintable(result.message));
    }
};

QTEST_GUILESS_MAIN(TestCatalogLoader)
#include "tst_catalogloader.moc"
