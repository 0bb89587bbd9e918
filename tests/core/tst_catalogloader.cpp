#include "core/catalogloader.h"
#include "core/formstate.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <sys/stat.h>
#include <unistd.h>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

const QString kRed = u"redlist.dat"_s;
const QString kGreen = u"greenlist.dat"_s;
const QString kBlue = u"bluelist.dat"_s;
const QString kNames = u"pantonelist.dat"_s;

// The first count lines of a shipped catalogue file, one of them replaced; a count past the
// file's last line break adds an entry.
QByteArray shipped(const QString &file, int count, int index = -1, const QByteArray &text = {})
{
    QFile data(QStringLiteral(TINTORA_SOURCE_DIR "/data/Pantone/") + file);
    if (!data.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(file));
    QList<QByteArray> lines = data.readAll().split('\n').first(count);
    if (index >= 0)
        lines[index] = text;
    return lines.join('\n');
}

QByteArray withMark(QStringConverter::Encoding encoding, const QByteArray &utf8)
{
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(QString::fromUtf8(utf8));
}

std::array<HiddenList *, 4> lists(FormState &state)
{
    return {&state.cboPantoneRGBred, &state.cboPantoneRGBgreen, &state.cboPantoneRGBblue,
            &state.cboPantoneList};
}

enum class Put { Nothing, Content, Fifo, LinkToDevZero };

// Loads a program folder holding the shipped preview page and catalogue, with one path below it
// removed, rewritten or replaced, into a state whose lists hold something beforehand.
CatalogLoadResult load(FormState &state, const QString &changed = {}, Put put = Put::Nothing,
                       const QByteArray &content = {})
{
    QTemporaryDir dir;
    for (const QString &folder : {u"Pantone"_s, u"Webdask"_s}) {
        QDir(dir.path()).mkpath(folder);
        const QDir from(QStringLiteral(TINTORA_SOURCE_DIR "/data/") + folder);
        for (const QString &file : from.entryList(QDir::Files))
            QFile::copy(from.filePath(file), dir.filePath(folder + u'/' + file));
    }
    if (!changed.isEmpty()) {
        QFile file(dir.filePath(changed));
        const QByteArray name = QFile::encodeName(file.fileName());
        if (!QDir(file.fileName()).removeRecursively() || (file.exists() && !file.remove())
            || (put == Put::Content
                && (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()))
            || (put == Put::Fifo && ::mkfifo(name.constData(), 0644) != 0)
            || (put == Put::LinkToDevZero && ::symlink("/dev/zero", name.constData()) != 0))
            qFatal("Cannot change %s", qPrintable(changed));
    }
    state.strWebPage = dir.filePath(u"Webdask/WebDask.html"_s);
    for (HiddenList *list : lists(state))
        list->setItems({u"junk"_s});
    return readCatalogFiles(dir.path(), state);
}

} // namespace

class TestCatalogLoader : public QObject
{
    Q_OBJECT

private slots:
    void shippedCatalogue();
    void refused_data();
    void refused();
    void entries_data();
    void entries();
    void folderNameNotText();
};

void TestCatalogLoader::shippedCatalogue()
{
    FormState state;
    QVERIFY(load(state).ok());
    for (const HiddenList *list : lists(state))
        QCOMPARE(list->count(), kCatalogSize);
    // Each list from its own file.
    QCOMPARE((QStringList {state.cboPantoneRGBred.item(0), state.cboPantoneRGBgreen.item(0),
                           state.cboPantoneRGBblue.item(0), state.cboPantoneList.item(0)}),
             (QStringList {"255", "221", "0", "Yellow C"}));
}

void TestCatalogLoader::refused_data()
{
    QTest::addColumn<QString>("path"); // below the program folder
    QTest::addColumn<Put>("put");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<CatalogFailure>("failure");
    QTest::addColumn<QString>("named");
    QTest::addColumn<int>("listsRead");

    const auto missing = CatalogFailure::MissingFile;
    const auto damaged = CatalogFailure::Damaged;
    const QString pantone = u"Pantone/"_s;
    // The page is looked for before any file is read.
    QTest::newRow("preview page") << u"Webdask"_s << Put::Nothing << QByteArray()
                                  << CatalogFailure::MissingPage << u"WebDask.html"_s << 0;
    // Read without end, it took all memory.
    QTest::newRow("link to /dev/zero")
        << pantone + kRed << Put::LinkToDevZero << QByteArray() << missing << kRed << 0;
    // Opened for reading, it blocked start-up for good.
    QTest::newRow("FIFO") << pantone + kGreen << Put::Fifo << QByteArray() << missing << kGreen
                          << 1;
    // Kept whole, a large file held a gigabyte for the whole session.
    QTest::newRow("past the size limit")
        << pantone + kNames << Put::Content << "1\n"_ba.repeated(kMaxCatalogFileSize / 2 + 1)
        << damaged << kNames << 3;
    QTest::newRow("NUL byte") << pantone + kNames << Put::Content
                              << shipped(kNames, 941, 2, "Red\0"_ba) << damaged << kNames << 3;
}

void TestCatalogLoader::refused()
{
    QFETCH(QString, path);
    QFETCH(Put, put);
    QFETCH(QByteArray, content);
    QFETCH(CatalogFailure, failure);
    QFETCH(QString, named);
    QFETCH(int, listsRead);

    FormState state;
    const CatalogLoadResult result = load(state, path, put, content);
    QCOMPARE(result.failure, failure);
    QCOMPARE(result.fileName, named);
    QVERIFY2(result.message.contains(named), qPrintable(result.message));
    // Lists read before stay filled, the rest are empty; the number list is not emptied first.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(lists(state)[i]->count(), i < listsRead ? kCatalogSize : 0);
    QCOMPARE(state.cboPantoneList.items(), QStringList {u"junk"_s});
}

void TestCatalogLoader::entries_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("fault"); // empty: the catalogue is accepted

    QTest::newRow("empty") << kRed << QByteArray("") << u"holds 0 entries"_s;
    QTest::newRow("short names") << kNames << shipped(kNames, 940) << u"holds 940 entries"_s;
    QTest::newRow("255.5 rounds to 256")
        << kBlue << shipped(kBlue, 941, 940, "255.5") << u"entry 941 (\"255.5\")"_s;
    // Wrapped into 16 bits, 65536 would pass as 0.
    QTest::newRow("65536") << kRed << shipped(kRed, 941, 3, "65536") << u"entry 4 (\"65536\")"_s;
    QTest::newRow("percent sign kept")
        << kBlue << shipped(kBlue, 941, 9, "300%1") << u"entry 10 (\"300%1\")"_s;
    QTest::newRow("12.5") << kRed << shipped(kRed, 941, 0, "12.5") << QString();
    QTest::newRow("text without a number") << kGreen << shipped(kGreen, 941, 3, "abc") << QString();
    QTest::newRow("300 past the end") << kRed << shipped(kRed, 942, 941, "300") << QString();
    QTest::newRow("300 as a name") << kNames << shipped(kNames, 941, 7, "300") << QString();
    // Read as Latin-1, UTF-16 and UTF-32 gave numbers hidden behind NULs: every colour black.
    QTest::newRow("UTF-16LE, 300")
        << kRed << withMark(QStringConverter::Utf16LE, shipped(kRed, 941, 0, "300"))
        << u"entry 1 (\"300\")"_s;
    QTest::newRow("UTF-32BE, -1") << kGreen
                                  << withMark(QStringConverter::Utf32BE,
                                              shipped(kGreen, 941, 17, "-1"))
                                  << u"entry 18 (\"-1\")"_s;
}

void TestCatalogLoader::entries()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, fault);

    FormState state;
    const CatalogLoadResult result = load(state, u"Pantone/"_s + file, Put::Content, content);
    if (fault.isEmpty()) {
        QVERIFY2(result.ok(), qPrintable(result.message));
        return;
    }
    QCOMPARE(result.failure, CatalogFailure::Damaged);
    QCOMPARE(result.fileName, file);
    QVERIFY2(result.message.contains(u'"' + file + u'"') && result.message.contains(fault),
             qPrintable(result.message));
    // All four files were read before the lists were checked.
    QVERIFY(state.cboPantoneList.item(0) != u"junk"_s);
}

// Qt cannot name a folder whose name is not UTF-8; the user is told so, not that a file is missing.
void TestCatalogLoader::folderNameNotText()
{
    FormState state;
    const QString folder = QFile::decodeName("/tmp/bad\xFF\xFEname");
    state.strWebPage = folder + u"/Webdask/WebDask.html"_s;
    const CatalogLoadResult result = readCatalogFiles(folder, state);
    QCOMPARE(result.failure, CatalogFailure::UnusableFolder);
    QVERIFY2(result.message.contains(folder) && result.message.contains(u"UTF-8"_s),
             qPrintable(result.message));
}

QTEST_GUILESS_MAIN(TestCatalogLoader)
#include "tst_catalogloader.moc"
