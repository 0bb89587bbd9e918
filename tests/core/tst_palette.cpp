#include "core/colorhistory.h"
#include "core/coloritem.h"
#include "core/colormime.h"
#include "core/palettefile.h"
#include "core/palettemodel.h"
#include "core/palettestore.h"

#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <functional>

using namespace Tintora;
using namespace Qt::StringLiterals;

using Edit = std::function<bool(PaletteModel &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

const Palette kSample {u"Brand"_s,
                       {{u"Steel Blue"_s, colorValue(70, 130, 180)},
                        {u"Café ☕ 𝄞"_s, colorValue(255, 0, 0)},
                        {QString(), colorValue(0, 0, 0)},
                        {u"steel_blue"_s, colorValue(255, 255, 255)},
                        {u"2nd -- X!"_s, colorValue(1, 0, 0)}}};

template<typename T>
QByteArray be(T value)
{
    const T bigEndian = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&bigEndian), sizeof bigEndian);
}

// An ASE block: type, length, data.
QByteArray aseBlock(quint16 type, const QByteArray &data)
{
    return be<quint16>(type) + be<quint32>(quint32(data.size())) + data;
}

QByteArray aseName(const QString &name)
{
    QByteArray units = be<quint16>(quint16(name.size() + 1));
    for (const QChar c : name)
        units += be<quint16>(c.unicode());
    return units + be<quint16>(0);
}

QByteArray aseColor(const QString &name, const char *model, QList<float> values)
{
    QByteArray data = aseName(name) + QByteArray(model, 4);
    for (const float value : values)
        data += be<quint32>(std::bit_cast<quint32>(value));
    return aseBlock(1, data + be<quint16>(2));
}

QByteArray aseFile(quint32 count, const QByteArray &blocks)
{
    return "ASEF" + be<quint16>(1) + be<quint16>(0) + be<quint32>(count) + blocks;
}

QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("Cannot write %s", qPrintable(path));
    return path;
}

QList<ColorValue> colorsOf(const QAbstractItemModel &model)
{
    QList<ColorValue> colors;
    for (int row = 0; row < model.rowCount(); ++row)
        colors.append(model.index(row, 0).data(ColorRole).toInt());
    return colors;
}

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void files_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("exported"); // empty: read back
        for (const char *suffix : {"gpl", "ase", "soc", "GPL"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix) << QByteArray();
        QTest::newRow("css") << u"css"_s
                             << QByteArray(
                                    ":root {\n  --steel-blue: #4682b4;\n  --cafe: #ff0000;\n"
                                    "  --color-000000: #000000;\n  --steel-blue-2: #ffffff;\n"
                                    "  --color-2nd-x: #010000;\n}\n");
        QTest::newRow("scss") << u"scss"_s
                              << QByteArray("$steel-blue: #4682b4;\n$cafe: #ff0000;\n"
                                            "$color-000000: #000000;\n$steel-blue-2: #ffffff;\n"
                                            "$color-2nd-x: #010000;\n");
        QTest::newRow("list") << u"txt"_s
                              << QByteArray("#4682B4\n#FF0000\n#000000\n#FFFFFF\n#010000\n");
    }
    // Read back, names and colours the same, or exported with names made identifiers.
    void files()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, exported);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"palette."_s + suffix);
        QCOMPARE(writePaletteFile(path, kSample), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const PaletteLoad load = readPaletteFile(path);
        if (!exported.isEmpty()) {
            QCOMPARE(file.readAll(), exported);
        } else {
            QCOMPARE(load.error, QString());
            QCOMPARE(load.palette.entries, kSample.entries);
        }
    }

    // Files as other programs write them, built from each format's description.
    void samples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<PaletteEntry>>("expected");
        QTest::newRow("gpl") << u"a.gpl"_s
                             << QByteArray(
                                    "GIMP Palette\r\nName: Site\r\nColumns: 4\r\n# comment\r\n\r\n"
                                    "255   0   0\tRed one\r\n  0 128 255 Sky\r\n 12  34  56\r\n")
                             << QList<PaletteEntry> {{u"Red one"_s, colorValue(255, 0, 0)},
                                                     {u"Sky"_s, colorValue(0, 128, 255)},
                                                     {QString(), colorValue(12, 34, 56)}};
        QTest::newRow("ase") << u"a.ase"_s
                             << aseFile(
                                    8,
                                    aseBlock(0xC001, aseName(u"Group"_s))
                                        + aseColor(u"Cyan"_s, "CMYK", {1, 0, 0, 0})
                                        + aseColor(u"Half K"_s, "CMYK", {0, 0, 0, 0.5f})
                                        + aseColor(u"Lab red"_s, "LAB ", {0.5429f, 80.81f, 69.89f})
                                        + aseColor(u"Lab grey"_s, "LAB ", {53.59f, 0, 0})
                                        + aseColor(u"Grey"_s, "Gray", {0.2f}) + aseBlock(0xC002, {})
                                        + aseColor(u"Ç"_s, "RGB ", {0, 0.5f, 1}))
                             << QList<PaletteEntry> {{u"Cyan"_s, colorValue(0, 255, 255)},
                                                     {u"Half K"_s, colorValue(128, 128, 128)},
                                                     {u"Lab red"_s, colorValue(255, 0, 0)},
                                                     {u"Lab grey"_s, colorValue(128, 128, 128)},
                                                     {u"Grey"_s, colorValue(51, 51, 51)},
                                                     {u"Ç"_s, colorValue(0, 128, 255)}};
        QTest::newRow("soc")
            << u"a.soc"_s
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<c:color-table "
                          "xmlns:c=\"http://openoffice.org/2004/office\" xmlns:office="
                          "\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" xmlns:d="
                          "\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">"
                          "<d:color d:name=\"Gelb &amp; Co\" d:color=\"#FFCC00\"/><office:x/>"
                          "<d:color d:color=\"#00ff7f\" d:name=\"Frühling\"/></c:color-table>")
            << QList<PaletteEntry> {{u"Gelb & Co"_s, colorValue(255, 204, 0)},
                                    {u"Frühling"_s, colorValue(0, 255, 127)}};
    }
    void samples()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QList<PaletteEntry>, expected);
        const QTemporaryDir dir;
        const PaletteLoad load = readPaletteFile(written(dir, name, content));
        QCOMPARE(load.error, QString());
        QCOMPARE(load.palette.entries, expected);
    }

    void hostile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fault");
        const QByteArray red = aseColor(u"Red"_s, "RGB ", {1, 0, 0});
        const auto row = [](const char *tag, const char *name, const QByteArray &content,
                            const char *fault) {
            QTest::newRow(tag) << QString::fromLatin1(name) << content << QString::fromUtf8(fault);
        };
        row("ase cut", "x.ase", aseFile(1, red.chopped(3)), "block 1 is longer than the rest");
        row("ase 2^32 blocks", "x.ase", aseFile(0xFFFFFFFF, red), "ends after 1 of the 4294967295");
        row("ase name past block", "x.ase", aseFile(1, aseBlock(1, be<quint16>(0xFFFF) + "abc")),
            "name of colour 1 runs past its block");
        row("ase lone surrogate", "x.ase", aseFile(1, aseColor(u"a\xD800"_s, "RGB ", {1, 0, 0})),
            "name of colour 1 is not valid UTF-16");
        row("ase NaN", "x.ase", aseFile(1, aseColor(u"n"_s, "Gray", {NAN})), "no number");
        row("ase version 2", "x.ase", "ASEF" + be<quint16>(2) + be<quint16>(0) + be<quint32>(0),
            "version 2.0");
        row("random bytes", "x.ase", QByteArray("\x93\x01\xFF\x00garbage", 11), "\"ASEF\"");
        row("gpl header", "x.gpl", "GIMP\n0 0 0\n", "\"GIMP Palette\"");
        row("gpl 256", "x.gpl", "GIMP Palette\n# c\n0 0 0\n0 256 0 x\n", "line 4");
        row("gpl two numbers", "x.gpl", "GIMP Palette\n0 0\n", "line 2");
        row("gpl million lines", "x.gpl",
            "GIMP Palette\n" + QByteArray("1 2 3 n\n").repeated(1000000),
            "more than 100000 colours");
        row("soc entities", "x.soc",
            "<!DOCTYPE t [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]><t>&b;</t>",
            "document type");
        row("soc cut", "x.soc", "<c:color-table xmlns:c=\"http://openoffice.org/2004/office\">",
            "not well-formed");
        row("soc root", "x.soc", "<svg/>", "root element is \"svg\"");
        row("soc colour", "x.soc",
            "<c:color-table xmlns:c=\"http://openoffice.org/2004/office\" xmlns:d=\"urn:oasis:"
            "names:tc:opendocument:xmlns:drawing:1.0\">\n<d:color d:name=\"x\" "
            "d:color=\"#12345g\"/>",
            "line 2 has the colour \"#12345g\"");
        row("too large", "big.gpl", {}, "larger than 16 MiB");
        row("folder", "dir.gpl", {}, "cannot be read");
        row("suffix", "x.css", "", "ends in none of .gpl, .ase, .soc");
    }
    // A clear message that names the file; the caller's palette is left as it is.
    void hostile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, fault);
        const QTemporaryDir dir;
        const QString path = written(dir, name, content);
        if (name == u"big.gpl")
            QVERIFY(QFile::resize(path, kMaxPaletteFileSize + 1));
        if (name == u"dir.gpl")
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        const PaletteLoad load = readPaletteFile(path);
        QVERIFY2(load.error.contains(u'"' + name + u'"') && load.error.contains(fault),
                 qPrintable(load.error));
        QVERIFY(load.palette.entries.isEmpty());
    }

    void edits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QList<ColorValue>>("expected"); // after the edit; before it: 1, 2, 3
        QTest::addColumn<QString>("nameOf2");
        const auto row
            = [](const char *tag, Edit edit, QList<ColorValue> expected, const char *name = "two") {
                  QTest::newRow(tag) << edit << expected << QString::fromUtf8(name);
              };
        row(
            "rename",
            [](PaletteModel &m) { return m.setData(m.index(1), u" Navy "_s, Qt::EditRole); },
            {1, 2, 3}, "Navy");
        row("move first to end", [](PaletteModel &m) { return m.moveRows({}, 0, 1, {}, 3); },
            {2, 3, 1});
        row("move last to top", [](PaletteModel &m) { return m.moveRows({}, 2, 1, {}, 0); },
            {3, 1, 2});
        row("move two down", [](PaletteModel &m) { return m.moveRows({}, 0, 2, {}, 3); },
            {3, 1, 2});
        row("delete last", [](PaletteModel &m) { return m.removeRows(2, 1); }, {1, 2});
        row("delete first two", [](PaletteModel &m) { return m.removeRows(0, 2); }, {3});
        const auto drop = [](const char *type, const QByteArray &content, int at) -> Edit {
            return [=](PaletteModel &m) {
                QMimeData data;
                data.setData(QString::fromLatin1(type), content);
                return m.dropMimeData(&data, Qt::CopyAction, at, 0, {});
            };
        };
        row("drop #FF6347 text", drop("text/plain", "#FF6347", 1), {1, 0x4763FF, 2, 3});
        row("drop rgb() at end", drop("text/plain", "\n rgb(70, 130, 180)\n", -1),
            {1, 2, 3, 0xB48246});
        row("drop X11 colour",
            drop("application/x-color", QByteArray::fromHex("47474646ffff0000"), 0),
            {0xFF4647, 1, 2, 3});
        // Text with no colour in it is no drop.
        row("no colour", drop("text/plain", "000#FF6347000", 0), {});
    }
    // Each edit, undone and redone, with the views told of every change as it happens.
    void edits()
    {
        QFETCH(Edit, edit);
        QFETCH(QList<ColorValue>, expected);
        QFETCH(QString, nameOf2);
        PaletteModel model;
        const QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setPalette({{}, {{u"one"_s, 1}, {u"two"_s, 2}, {u"three"_s, 3}}});
        QCOMPARE(edit(model), !expected.isEmpty());
        QCOMPARE(model.undoStack()->count(), expected.isEmpty() ? 0 : 1);
        if (expected.isEmpty())
            return;
        QCOMPARE(colorsOf(model), expected);
        const auto named2 = model.match(model.index(0), ColorRole, 2);
        QCOMPARE(named2.isEmpty() ? QString() : named2.first().data().toString(),
                 expected.contains(2) ? nameOf2 : QString());
        model.undoStack()->undo();
        QCOMPARE(colorsOf(model), (QList<ColorValue> {1, 2, 3}));
        QCOMPARE(model.index(1).data(Qt::AccessibleTextRole).toString(), u"two, #020000"_s);
        model.undoStack()->redo();
        QCOMPARE(colorsOf(model), expected);
        QCOMPARE(model.moveRows({}, 0, 1, {}, 1), false); // a move onto itself is no step
        QCOMPARE(model.undoStack()->count(), 1);
        // A drag carries the entry's colour, as a colour and as text.
        const std::unique_ptr<QMimeData> dragged(model.mimeData({model.index(0)}));
        QCOMPARE(toColorValue(qvariant_cast<QColor>(dragged->colorData())), expected.first());
        QCOMPARE(dragged->text(), hashColor(expected.first()));
    }

    void history_data()
    {
        QTest::addColumn<QList<ColorValue>>("added");
        QTest::addColumn<QList<ColorValue>>("expected");
        QList<ColorValue> twentyFive;
        for (int i = 0; i < 25; ++i)
            twentyFive.append(i);
        QList<ColorValue> newestFirst(twentyFive.crbegin(), twentyFive.crend());
        QTest::newRow("newest first") << QList<ColorValue> {5, 0, 7} << QList<ColorValue> {7, 0, 5};
        QTest::newRow("again moves to front")
            << QList<ColorValue> {5, 0, 7, 5} << QList<ColorValue> {5, 7, 0};
        QTest::newRow("front again") << QList<ColorValue> {5, 5} << QList<ColorValue> {5};
        QTest::newRow("25th drops oldest") << twentyFive << newestFirst.first(24);
        QTest::newRow("oldest again") << twentyFive.first(24) + QList<ColorValue> {0}
                                      << QList<ColorValue> {0} + newestFirst.sliced(1, 23);
    }
    void history()
    {
        QFETCH(QList<ColorValue>, added);
        QFETCH(QList<ColorValue>, expected);
        HistoryModel model;
        const QAbstractItemModelTester tester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (const ColorValue color : added)
            model.add(color);
        QCOMPARE(colorsOf(model), expected);
        // Read from a file: the first 24 distinct colours.
        QCOMPARE(ColorHistory(expected + added).colors(), expected);
    }

    // Kept across a restart; a damaged file reported, moved aside, never overwritten.
    void store()
    {
        const QTemporaryDir dir;
        PaletteStore first(dir.filePath(u"data"_s));
        ColorHistory history;
        history.add(7);
        history.add(9);
        QCOMPARE(first.savePalette(kSample), QString());
        QCOMPARE(first.saveHistory(history), QString());
        PaletteStore::Contents contents = PaletteStore(dir.filePath(u"data"_s)).load();
        QCOMPARE(contents.problems, QStringList());
        QCOMPARE(contents.palette.entries, kSample.entries);
        QCOMPARE(contents.history, history);

        const QByteArray damage = "GIMP Palette\n1 2\n";
        written(dir, u"data/palette.gpl"_s, damage);
        PaletteStore second(dir.filePath(u"data"_s));
        contents = second.load();
        QCOMPARE(contents.problems.size(), 1);
        QVERIFY2(contents.problems.first().contains(u"\"palette.gpl\" is damaged: line 2"_s),
                 qPrintable(contents.problems.first()));
        QCOMPARE(contents.history, history);
        const QStringList aside
            = QDir(dir.filePath(u"data"_s)).entryList({u"palette.gpl.damaged-*"_s});
        QCOMPARE(aside.size(), 1);
        QVERIFY(contents.problems.first().contains(aside.first()));
        QFile kept(dir.filePath(u"data/"_s + aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), damage);
    }

    // A save on a full disk fails with a message and leaves the palette saved before whole.
    void fullDisk()
    {
        const QTemporaryDir dir;
        const TestSupport::TinyDisk disk(dir.path());
        if (!disk.isMounted())
            QSKIP(qPrintable(u"No tiny disk: "_s + disk.error()));
        PaletteStore store(dir.path());
        QCOMPARE(store.savePalette(kSample), QString());
        QVERIFY(disk.fill());
        Palette larger = kSample;
        larger.entries.append(PaletteEntry {QString(8000, u'x'), 1});
        QVERIFY(store.savePalette(larger).contains(u"\"palette.gpl\": the disk is full"_s));
        QCOMPARE(PaletteStore(dir.path()).load().palette.entries, kSample.entries);
    }
};

QTEST_GUILESS_MAIN(TestPalette)
#include "tst_palette.moc"
