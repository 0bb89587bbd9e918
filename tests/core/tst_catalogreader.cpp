#include "core/catalogreader.h"

#include <QStringEncoder>
#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

class TestCatalogReader : public QObject
{
    Q_OBJECT

private slots:
    void items_data();
    void items();
    void stopsAfterMaxItems();
};

void TestCatalogReader::items_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("LF, CR LF and CR, final break")
        << "1\n2\r\n3\r4\r"_ba << QStringList {"1", "2", "3", "4"};
    QTest::newRow("CR LF, no final break") << "1\r\n2"_ba << QStringList {"1", "2"};
    QTest::newRow("blank lines skipped") << "\n1\r\n\r\n \t \n2\n\n\n"_ba << QStringList {"1", "2"};
    QTest::newRow("leading blanks skipped") << "  255\n\t 7"_ba << QStringList {"255", "7"};
    QTest::newRow("inner blanks kept") << "Warm Gray 3 C\n"_ba << QStringList {"Warm Gray 3 C"};
    QTest::newRow("100,101 is two entries")
        << "100,101\n102\n"_ba << QStringList {"100", "101", "102"};
    QTest::newRow("blanks after a comma, empty item between commas")
        << "1,  2, ,3\n"_ba << QStringList {"1", "2", "", "3"};
    QTest::newRow("comma at line end") << "1,\r\n2"_ba << QStringList {"1", "", "2"};
    QTest::newRow("comma at end of data") << "1,"_ba << QStringList {"1", ""};
    QTest::newRow("quoted comma") << "\"100, 101\"\n102\n"_ba << QStringList {"100, 101", "102"};
    QTest::newRow("quoted blanks and breaks")
        << "  \" a\nb \",\"\"\n"_ba << QStringList {" a\nb ", ""};
    QTest::newRow("text after closing quote ignored")
        << "\"a\"xyz,b\n\"c\" \"d\ne"_ba << QStringList {"a", "b", "c", "e"};
    QTest::newRow("quote inside an item kept") << "ab\"c\",d\n"_ba << QStringList {"ab\"c\"", "d"};
    QTest::newRow("unterminated quote runs to the end")
        << "1\n\"abc,2\n3\n"_ba << QStringList {"1", "abc,2\n3\n"};
    QTest::newRow("UTF-8") << "Gr\xC3\xBCn \xE2\x82\xAC\n"_ba << QStringList {"Gr\u00FCn \u20AC"};
    // One byte that is not UTF-8 makes the whole file Latin-1.
    QTest::newRow("Latin-1 byte decides the file")
        << "Gr\xC3\xBCn\n\xE9"_ba << QStringList {"Gr\u00C3\u00BCn", "\u00E9"};
    QTest::newRow("truncated UTF-8 is Latin-1") << "1\n\xC3"_ba << QStringList {"1", "\u00C3"};
    // An editor's byte order mark would otherwise hide the first number.
    QTest::newRow("byte order mark skipped") << "\xEF\xBB\xBF"
                                                "255\n"_ba
                                             << QStringList {"255"};
    // Found by fuzzing: decoding item by item dropped this character at the start of an item.
    QTest::newRow("byte order mark inside kept") << "1\n\xEF\xBB\xBF"
                                                    "2\n"_ba
                                                 << QStringList {"1", u"\uFEFF2"_s};
    // Read as Latin-1, such a file gave NULs around every character.
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE,
                                QStringConverter::Utf32LE, QStringConverter::Utf32BE}) {
        QStringEncoder withMark(encoding, QStringEncoder::Flag::WriteBom);
        QTest::newRow(QStringConverter::nameForEncoding(encoding))
            << QByteArray(withMark(u"255,\"Gr\u00FCn, \U0001F600\"\r\n\uFEFF7"_s))
            << QStringList {"255", u"Gr\u00FCn, \U0001F600"_s, u"\uFEFF7"_s};
    }
}

void TestCatalogReader::items()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, expected);

    QCOMPARE(readCatalogItems(data), expected);
}

// Only the catalogue's entries are kept, however long the file.
void TestCatalogReader::stopsAfterMaxItems()
{
    QCOMPARE(readCatalogItems("1,2\n\"3,4\"\n5\n"_ba, 3), (QStringList {"1", "2", "3,4"}));
}

QTEST_GUILESS_MAIN(TestCatalogReader)
#include "tst_catalogreader.moc"
