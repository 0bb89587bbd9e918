#include "color/formstate.h"
#include "selectors/catalogloader.h"
#include "selectors/catalogreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

// The catalogue files in the order they are read, with the lists they fill.
const QStringList kFiles {u"redlist.dat"_s, u"greenlist.dat"_s, u"bluelist.dat"_s,
                          u"pantonelist.dat"_s};

std::array<HiddenList *, 4> catalogueLists(FormState &state)
{
    return {&state.cboPantoneRGBred, &state.cboPantoneRGBgreen, &state.cboPantoneRGBblue,
            &state.cboPantoneList};
}

// A complete catalogue of our own: distinct components per file, so that a list filled from the
// wrong file shows.
QStringList defaultEntries(const QString &file)
{
    QStringList entries;
    for (int i = 0; i < kCatalogSize; ++i) {
        if (file == u"redlist.dat")
            entries.append(QString::number(i % 256));
        else if (file == u"greenlist.dat")
            entries.append(QString::number(i * 7 % 256));
        else if (file == u"bluelist.dat")
            entries.append(QString::number(255 - i % 256));
        else
            entries.append(QStringLiteral("%1 C").arg(100 + i));
    }
    return entries;
}

QByteArray lines(const QStringList &entries, QByteArrayView lineEnd = "\n")
{
    QByteArray data;
    for (const QString &entry : entries) {
        data.append(entry.toUtf8());
        data.append(lineEnd);
    }
    return data;
}

QByteArray firstEntries(const QString &file, int count)
{
    return lines(defaultEntries(file).first(count));
}

// The default file with one entry replaced (or added, past the end).
QByteArray withEntry(const QString &file, int index, const QString &text)
{
    QStringList entries = defaultEntries(file);
    while (entries.size() <= index)
        entries.append(u"0"_s);
    entries[index] = text;
    return lines(entries);
}

bool writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), bytes.size()) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program folder of the test's own, with the preview page and a complete catalogue.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &catalogueFolder = u"Pantone"_s)
        : m_catalogueFolder(catalogueFolder)
    {
        QDir root(m_dir.path());
        m_ready = m_dir.isValid() && root.mkpath(m_catalogueFolder) && root.mkpath(u"Webdask"_s)
            && writeFile(pagePath(), "\"<p>Sample</p>\"\n");
        for (const QString &file : kFiles)
            m_ready = m_ready && write(file, lines(defaultEntries(file)));
    }

    bool isReady() const { return m_ready; }
    QString path() const { return m_dir.path(); }
    QString pagePath() const { return m_dir.path() + u"/Webdask/WebDask.html"_s; }
    QString filePath(const QString &file) const
    {
        return m_dir.path() + u'/' + m_catalogueFolder + u'/' + file;
    }

    bool write(const QString &file, QByteArrayView bytes) const
    {
        return writeFile(filePath(file), bytes);
    }

    // Copies the catalogue this program ships.
    bool writeShipped(QByteArrayView lineEnd = "\n", bool finalBreak = true) const
    {
        for (const QString &file : kFiles) {
            QByteArray bytes = readFile(QStringLiteral(TINTORA_SOURCE_DIR "/data/Pantone/") + file);
            if (bytes.isEmpty())
                return false;
            bytes.replace("\n", lineEnd);
            if (!finalBreak)
                bytes.chop(lineEnd.size());
            if (!write(file, bytes))
                return false;
        }
        return true;
    }

private:
    QTemporaryDir m_dir;
    QString m_catalogueFolder;
    bool m_ready = false;
};

void fillWithJunk(FormState &state)
{
    for (HiddenList *list : catalogueLists(state))
        list->setItems({u"junk"_s});
}

} // namespace

class TestCatalogLoader : public QObject
{
    Q_OBJECT

private slots:
    void shippedCatalogue();
    void lineEnds_data();
    void lineEnds();
    void folderNameCase_data();
    void folderNameCase();
    void missingFile_data();
    void missingFile();
    void missingPage_data();
    void missingPage();
    void damaged_data();
    void damaged();
    void accepted_data();
    void accepted();
};

void TestCatalogLoader::shippedCatalogue()
{
    ProgramFolder folder;
    QVERIFY(folder.isReady());
    QVERIFY(folder.writeShipped());
    FormState state;
    state.strWebPage = folder.pagePath();

    const CatalogLoadResult result = readCatalogFiles(folder.path(), state);

    QCOMPARE(result.failure, CatalogFailure::None);
    QVERIFY(result.ok());
    for (const HiddenList *list : catalogueLists(state)) {
        QCOMPARE(list->count(), kCatalogSize);
        QCOMPARE(list->currentIndex(), -1);
    }
    QCOMPARE(state.cboPantoneList.item(0), u"Yellow C"_s);
    QCOMPARE(state.cboPantoneRGBred.item(0), u"255"_s);
    QCOMPARE(state.cboPantoneRGBgreen.item(0), u"221"_s);
    QCOMPARE(state.cboPantoneRGBblue.item(0), u"0"_s);
}

void TestCatalogLoader::lineEnds_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<bool>("finalBreak");

    QTest::newRow("LF without final break") << "\n"_ba << false;
    QTest::newRow("CR LF") << "\r\n"_ba << true;
    QTest::newRow("CR LF without final break") << "\r\n"_ba << false;
    QTest::newRow("CR") << "\r"_ba << true;
    QTest::newRow("CR without final break") << "\r"_ba << false;
}

void TestCatalogLoader::lineEnds()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(bool, finalBreak);

    ProgramFolder lfFolder;
    QVERIFY(lfFolder.isReady());
    QVERIFY(lfFolder.writeShipped());
    FormState lfState;
    lfState.strWebPage = lfFolder.pagePath();
    QVERIFY(readCatalogFiles(lfFolder.path(), lfState).ok());

    ProgramFolder folder;
    QVERIFY(folder.isReady());
    QVERIFY(folder.writeShipped(lineEnd, finalBreak));
    FormState state;
    state.strWebPage = folder.pagePath();

    QVERIFY(readCatalogFiles(folder.path(), state).ok());
    const auto expected = catalogueLists(lfState);
    const auto actual = catalogueLists(state);
    for (size_t i = 0; i < actual.size(); ++i)
        QCOMPARE(actual[i]->items(), expected[i]->items());
}

void TestCatalogLoader::folderNameCase_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("upperCaseFiles");

    QTest::newRow("folder in lower case") << u"pantone"_s << false;
    QTest::newRow("folder in upper case") << u"PANTONE"_s << false;
    QTest::newRow("files in upper case") << u"Pantone"_s << true;
}

void TestCatalogLoader::folderNameCase()
{
    QFETCH(QString, folderName);
    QFETCH(bool, upperCaseFiles);

    ProgramFolder folder(folderName);
    QVERIFY(folder.isReady());
    if (upperCaseFiles) {
        for (const QString &file : kFiles)
            QVERIFY(QFile::rename(folder.filePath(file), folder.filePath(file.toUpper())));
    }
    FormState state;
    state.strWebPage = folder.pagePath();

    const CatalogLoadResult result = readCatalogFiles(folder.path(), state);

    QCOMPARE(result.failure, CatalogFailure::None);
    const auto lists = catalogueLists(state);
    for (qsizetype i = 0; i < kFiles.size(); ++i)
        QCOMPARE(lists[i]->items(), defaultEntries(kFiles[i]));
}

void TestCatalogLoader::missingFile_data()
{
    QTest::addColumn<QString>("missing"); // a path below the program folder
    QTest::addColumn<bool>("directoryInstead");
    QTest::addColumn<QString>("expectedFile");
    QTest::addColumn<int>("listsRead");

    QTest::newRow("redlist.dat missing") << u"Pantone/redlist.dat"_s << false << kFiles[0] << 0;
    QTest::newRow("greenlist.dat missing") << u"Pantone/greenlist.dat"_s << false << kFiles[1] << 1;
    QTest::newRow("bluelist.dat missing") << u"Pantone/bluelist.dat"_s << false << kFiles[2] << 2;
    QTest::newRow("pantonelist.dat missing")
        << u"Pantone/pantonelist.dat"_s << false << kFiles[3] << 3;
    QTest::newRow("redlist.dat is a folder") << u"Pantone/redlist.dat"_s << true << kFiles[0] << 0;
    QTest::newRow("bluelist.dat is a folder")
        << u"Pantone/bluelist.dat"_s << true << kFiles[2] << 2;
    QTest::newRow("pantonelist.dat is a folder")
        << u"Pantone/pantonelist.dat"_s << true << kFiles[3] << 3;
    QTest::newRow("Pantone folder missing") << u"Pantone"_s << false << kFiles[0] << 0;
}

void TestCatalogLoader::missingFile()
{
    QFETCH(QString, missing);
    QFETCH(bool, directoryInstead);
    QFETCH(QString, expectedFile);
    QFETCH(int, listsRead);

    ProgramFolder folder;
    QVERIFY(folder.isReady());
    const QString missingPath = folder.path() + u'/' + missing;
    if (QFileInfo(missingPath).isDir())
        QVERIFY(QDir(missingPath).removeRecursively());
    else
        QVERIFY(QFile::remove(missingPath));
    if (directoryInstead)
        QVERIFY(QDir().mkpath(missingPath + u"/inside"_s));
    FormState state;
    state.strWebPage = folder.pagePath();
    fillWithJunk(state);

    const CatalogLoadResult result = readCatalogFiles(folder.path(), state);

    QCOMPARE(result.failure, CatalogFailure::MissingFile);
    QCOMPARE(result.fileName, expectedFile);
    QVERIFY2(result.message.contains(expectedFile), qPrintable(result.message));
    const auto lists = catalogueLists(state);
    for (int i = 0; i < 3; ++i) {
        const QStringList expected = i < listsRead ? defaultEntries(kFiles[i]) : QStringList();
        QCOMPARE(lists[i]->items(), expected);
    }
    // The number list is neither emptied first nor reached.
    QCOMPARE(state.cboPantoneList.items(), QStringList {u"junk"_s});
}

void TestCatalogLoader::missingPage_data()
{
    QTest::addColumn<QString>("page"); // below the program folder; empty for no path at all
    QTest::addColumn<bool>("catalogueToo");

    QTest::newRow("page missing") << u"Webdask/Other.html"_s << false;
    QTest::newRow("page folder missing") << u"Elsewhere/WebDask.html"_s << false;
    QTest::newRow("no page path") << QString() << false;
    QTest::newRow("page and catalogue missing") << u"Webdask/Other.html"_s << true;
}

void TestCatalogLoader::missingPage()
{
    QFETCH(QString, page);
    QFETCH(bool, catalogueToo);

    ProgramFolder folder;
    QVERIFY(folder.isReady());
    if (catalogueToo)
        QVERIFY(QDir(folder.path() + u"/Pantone"_s).removeRecursively());
    FormState state;
    state.strWebPage = page.isEmpty() ? QString() : folder.path() + u'/' + page;
    fillWithJunk(state);

    const CatalogLoadResult result = readCatalogFiles(folder.path(), state);

    QCOMPARE(result.failure, CatalogFailure::MissingPage);
    QVERIFY(!result.ok());
    QCOMPARE(state.cboPantoneRGBred.count(), 0);
    QCOMPARE(state.cboPantoneRGBgreen.count(), 0);
    QCOMPARE(state.cboPantoneRGBblue.count(), 0);
    QCOMPARE(state.cboPantoneList.items(), QStringList {u"junk"_s});
}

void TestCatalogLoader::damaged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expectedMessage");

    const QString longNumber(100, u'9');

    QTest::newRow("empty redlist.dat")
        << kFiles[0] << QByteArray()
        << u"The file \"redlist.dat\" is damaged: it holds 0 entries, and the catalogue needs 941."_s;
    QTest::newRow("redlist.dat of blank lines")
        << kFiles[0] << "\n  \n\r\n"_ba
        << u"The file \"redlist.dat\" is damaged: it holds 0 entries, and the catalogue needs 941."_s;
    QTest::newRow("greenlist.dat with 940 entries")
        << kFiles[1] << firstEntries(kFiles[1], 940)
        << u"The file \"greenlist.dat\" is damaged: it holds 940 entries, and the catalogue needs 941."_s;
    QTest::newRow("bluelist.dat with one entry")
        << kFiles[2] << firstEntries(kFiles[2], 1)
        << u"The file \"bluelist.dat\" is damaged: it holds 1 entry, and the catalogue needs 941."_s;
    QTest::newRow("empty pantonelist.dat")
        << kFiles[3] << QByteArray()
        << u"The file \"pantonelist.dat\" is damaged: it holds 0 entries, and the catalogue needs 941."_s;
    QTest::newRow("pantonelist.dat with 940 entries")
        << kFiles[3] << firstEntries(kFiles[3], 940)
        << u"The file \"pantonelist.dat\" is damaged: it holds 940 entries, and the catalogue needs 941."_s;
    QTest::newRow("300 in redlist.dat")
        << kFiles[0] << withEntry(kFiles[0], 17, u"300"_s)
        << u"The file \"redlist.dat\" is damaged: entry 18 (\"300\") is not a colour component from 0 to 255."_s;
    QTest::newRow("-1 in greenlist.dat")
        << kFiles[1] << withEntry(kFiles[1], 0, u"-1"_s)
        << u"The file \"greenlist.dat\" is damaged: entry 1 (\"-1\") is not a colour component from 0 to 255."_s;
    QTest::newRow("-0.6 rounds to -1")
        << kFiles[1] << withEntry(kFiles[1], 5, u"-0.6"_s)
        << u"The file \"greenlist.dat\" is damaged: entry 6 (\"-0.6\") is not a colour component from 0 to 255."_s;
    QTest::newRow("255.5 rounds to 256 in the last entry")
        << kFiles[2] << withEntry(kFiles[2], 940, u"255.5"_s)
        << u"The file \"bluelist.dat\" is damaged: entry 941 (\"255.5\") is not a colour component from 0 to 255."_s;
    // Wrapped into 16 bits, 65536 would pass as 0.
    QTest::newRow("65536 does not wrap to 0")
        << kFiles[0] << withEntry(kFiles[0], 3, u"65536"_s)
        << u"The file \"redlist.dat\" is damaged: entry 4 (\"65536\") is not a colour component from 0 to 255."_s;
    QTest::newRow("percent sign in the entry kept in the message")
        << kFiles[2] << withEntry(kFiles[2], 9, u"300%1"_s)
        << u"The file \"bluelist.dat\" is damaged: entry 10 (\"300%1\") is not a colour component from 0 to 255."_s;
    QTest::newRow("long entry shortened in the message")
        << kFiles[0] << withEntry(kFiles[0], 2, longNumber)
        << u"The file \"redlist.dat\" is damaged: entry 3 (\""_s + longNumber.left(40)
            + u"\u2026\") is not a colour component from 0 to 255."_s;
}

void TestCatalogLoader::damaged()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, expectedMessage);

    ProgramFolder folder;
    QVERIFY(folder.isReady());
    QVERIFY(folder.write(file, content));
    FormState state;
    state.strWebPage = folder.pagePath();

    const CatalogLoadResult result = readCatalogFiles(folder.path(), state);

    QCOMPARE(result.failure, CatalogFailure::Damaged);
    QCOMPARE(result.fileName, file);
    QCOMPARE(result.message, expectedMessage);
    // All four files were read before the lists were checked, and they stay as read.
    const auto lists = catalogueLists(state);
    for (qsizetype i = 0; i < kFiles.size(); ++i) {
        const QStringList expected
            = kFiles[i] == file ? readCatalogItems(content) : defaultEntries(kFiles[i]);
        QCOMPARE(lists[i]->items(), expected);
    }
}

void TestCatalogLoader::accepted_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expectedEntry");

    QTest::newRow("12.5 rounds to 12") << kFiles[0] << 0 << u"12.5"_s << u"12.5"_s;
    QTest::newRow("255.4 rounds to 255") << kFiles[1] << 17 << u"255.4"_s << u"255.4"_s;
    QTest::newRow("-0.5 rounds to 0") << kFiles[2] << 940 << u"-0.5"_s << u"-0.5"_s;
    QTest::newRow("text without number") << kFiles[0] << 3 << u"abc"_s << u"abc"_s;
    QTest::newRow("empty quoted entry") << kFiles[1] << 4 << u"\"\""_s << QString();
    QTest::newRow("blanks before the number") << kFiles[2] << 5 << u"  255"_s << u"255"_s;
    QTest::newRow("exponent not read") << kFiles[0] << 6 << u"1e5"_s << u"1e5"_s;
    QTest::newRow("300 past the catalogue's end") << kFiles[0] << 941 << u"300"_s << u"300"_s;
    QTest::newRow("300 in pantonelist.dat") << kFiles[3] << 7 << u"300"_s << u"300"_s;
    QTest::newRow("name in pantonelist.dat") << kFiles[3] << 0 << u"Yellow C"_s << u"Yellow C"_s;
}

void TestCatalogLoader::accepted()
{
    QFETCH(QString, file);
    QFETCH(int, index);
    QFETCH(QString, written);
    QFETCH(QString, expectedEntry);

    ProgramFolder folder;
    QVERIFY(folder.isReady());
    QVERIFY(folder.write(file, withEntry(file, index, written)));
    FormState state;
    state.strWebPage = folder.pagePath();

    const CatalogLoadResult result = readCatalogFiles(folder.path(), state);

    QVERIFY2(result.ok(), qPrintable(result.message));
    const HiddenList *list = catalogueLists(state)[kFiles.indexOf(file)];
    QCOMPARE(list->count(), std::max(index + 1, kCatalogSize));
    QCOMPARE(list->item(index), expectedEntry);
}

QTEST_GUILESS_MAIN(TestCatalogLoader)
#include "tst_catalogloader.moc"
