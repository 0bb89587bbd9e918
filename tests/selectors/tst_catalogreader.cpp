#include "selectors/catalogreader.h"

#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

class TestCatalogReader : public QObject
{
    Q_OBJECT

private slots:
    void items_data();
    void items();
    void lineEndsAgree_data();
    void lineEndsAgree();
    void encoding_data();
    void encoding();
};

void TestCatalogReader::items_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty data") << QByteArray() << QStringList();
    QTest::newRow("only blanks") << "  \t "_ba << QStringList();
    QTest::newRow("only line breaks") << "\n\r\n\r\n"_ba << QStringList();
    QTest::newRow("one item without line break") << "255"_ba << QStringList {u"255"_s};
    QTest::newRow("one item with line break") << "255\n"_ba << QStringList {u"255"_s};
    QTest::newRow("LF lines, final break")
        << "1\n2\n3\n"_ba << QStringList {u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("LF lines, no final break")
        << "1\n2\n3"_ba << QStringList {u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("CR LF lines, final break")
        << "1\r\n2\r\n3\r\n"_ba << QStringList {u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("CR LF lines, no final break")
        << "1\r\n2\r\n3"_ba << QStringList {u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("CR lines") << "1\r2\r3\r"_ba << QStringList {u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("mixed line ends")
        << "1\n2\r\n3\r4"_ba << QStringList {u"1"_s, u"2"_s, u"3"_s, u"4"_s};
    QTest::newRow("several final breaks") << "1\n2\n\n\n"_ba << QStringList {u"1"_s, u"2"_s};
    QTest::newRow("several final CR LF") << "1\r\n\r\n\r\n"_ba << QStringList {u"1"_s};
    QTest::newRow("blank line inside") << "1\n\n2\n"_ba << QStringList {u"1"_s, u"2"_s};
    QTest::newRow("line of blanks inside") << "1\n \t \n2\n"_ba << QStringList {u"1"_s, u"2"_s};
    QTest::newRow("blank lines first") << "\n\r\n  \n1"_ba << QStringList {u"1"_s};
    QTest::newRow("line feed then carriage return is two breaks")
        << "1\n\r2"_ba << QStringList {u"1"_s, u"2"_s};
    QTest::newRow("blanks before items") << "  255\n\t 7\n"_ba << QStringList {u"255"_s, u"7"_s};
    QTest::newRow("blanks inside an item kept")
        << "Warm Gray 3 C\n"_ba << QStringList {u"Warm Gray 3 C"_s};
    QTest::newRow("comma splits a line")
        << "100,101\n102\n"_ba << QStringList {u"100"_s, u"101"_s, u"102"_s};
    QTest::newRow("blanks after a comma skipped") << "1,  2\n"_ba << QStringList {u"1"_s, u"2"_s};
    QTest::newRow("empty item between commas")
        << "1,,2\n"_ba << QStringList {u"1"_s, QString(), u"2"_s};
    QTest::newRow("blank item between commas")
        << "1,  ,2\n"_ba << QStringList {u"1"_s, QString(), u"2"_s};
    QTest::newRow("comma at line end") << "1,\n2\n"_ba << QStringList {u"1"_s, QString(), u"2"_s};
    QTest::newRow("comma at line end before CR LF")
        << "1,\r\n2"_ba << QStringList {u"1"_s, QString(), u"2"_s};
    QTest::newRow("comma at end of data") << "1,"_ba << QStringList {u"1"_s, QString()};
    QTest::newRow("comma and blanks at end of data")
        << "1,  "_ba << QStringList {u"1"_s, QString()};
    QTest::newRow("comma alone") << ","_ba << QStringList {QString(), QString()};
    QTest::newRow("line starting with comma") << "  ,1"_ba << QStringList {QString(), u"1"_s};
    QTest::newRow("quoted item with comma")
        << "\"100, 101\"\n102\n"_ba << QStringList {u"100, 101"_s, u"102"_s};
    QTest::newRow("quoted item keeps its blanks")
        << "\"  Yellow C  \"\n"_ba << QStringList {u"  Yellow C  "_s};
    QTest::newRow("quoted item after blanks") << "  \"a\"\n"_ba << QStringList {u"a"_s};
    QTest::newRow("quoted item with line breaks")
        << "\"a\nb\r\nc\"\nd"_ba << QStringList {u"a\nb\r\nc"_s, u"d"_s};
    QTest::newRow("empty quoted item") << "\"\"\n1\n"_ba << QStringList {QString(), u"1"_s};
    QTest::newRow("quoted items separated by comma")
        << "\"a,b\",\"c\"\n"_ba << QStringList {u"a,b"_s, u"c"_s};
    QTest::newRow("text after closing quote ignored")
        << "\"a\"xyz,b\n"_ba << QStringList {u"a"_s, u"b"_s};
    QTest::newRow("text after closing quote ignored to line end")
        << "\"a\" \"junk\nb"_ba << QStringList {u"a"_s, u"b"_s};
    QTest::newRow("comma after quoted item at end of data")
        << "\"a\","_ba << QStringList {u"a"_s, QString()};
    QTest::newRow("quote inside an unquoted item kept")
        << "ab\"c\",d\n"_ba << QStringList {u"ab\"c\""_s, u"d"_s};
    QTest::newRow("unterminated quote runs to end of data")
        << "1\n\"abc,2\n3\n"_ba << QStringList {u"1"_s, u"abc,2\n3\n"_s};
    QTest::newRow("lone quote at end") << "1\n\""_ba << QStringList {u"1"_s, QString()};
}

void TestCatalogReader::items()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, expected);

    QCOMPARE(readCatalogItems(data), expected);
}

// The same files written with other line ends must give the same items.
void TestCatalogReader::lineEndsAgree_data()
{
    QTest::addColumn<QByteArray>("lfData");

    QTest::newRow("final break") << "255\n0\n12.5\n"_ba;
    QTest::newRow("no final break") << "255\n0\n12.5"_ba;
    QTest::newRow("blank lines") << "\n1\n\n\n2\n  \n3\n\n"_ba;
    QTest::newRow("commas") << "1,2\n,3\n4,\n5"_ba;
    QTest::newRow("quoted items") << "\"a,b\"\n\"c\" tail\n\"\"\n"_ba;
    QTest::newRow("names") << "Yellow C\nWarm Gray 3 C\n100 C\n"_ba;
}

void TestCatalogReader::lineEndsAgree()
{
    QFETCH(QByteArray, lfData);

    const QStringList expected = readCatalogItems(lfData);
    QVERIFY(!expected.isEmpty());
    QByteArray crlfData = lfData;
    crlfData.replace('\n', "\r\n");
    QByteArray crData = lfData;
    crData.replace('\n', '\r');
    QCOMPARE(readCatalogItems(crlfData), expected);
    QCOMPARE(readCatalogItems(crData), expected);
}

void TestCatalogReader::encoding_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("ASCII") << "Yellow C\n"_ba << QStringList {u"Yellow C"_s};
    QTest::newRow("UTF-8") << "Gr\xC3\xBCn\n"_ba << QStringList {u"Gr\u00FCn"_s};
    QTest::newRow("UTF-8 three-byte character")
        << "Gr\xC3\xBCn \xE2\x82\xAC,x\n"_ba << QStringList {u"Gr\u00FCn \u20AC"_s, u"x"_s};
    QTest::newRow("Latin-1") << "Gr\xFCn\n"_ba << QStringList {u"Gr\u00FCn"_s};
    // One byte that is not UTF-8 makes the whole file Latin-1, items that look like UTF-8 too.
    QTest::newRow("Latin-1 byte elsewhere decides the file")
        << "Gr\xC3\xBCn\nGr\xFCn\n"_ba << QStringList {u"Gr\u00C3\u00BCn"_s, u"Gr\u00FCn"_s};
    QTest::newRow("truncated UTF-8 sequence is Latin-1")
        << "1\n\xC3"_ba << QStringList {u"1"_s, u"\u00C3"_s};
    QTest::newRow("Latin-1 in quoted item") << "\"a,\xE9\"\n"_ba << QStringList {u"a,\u00E9"_s};
    // An editor's byte order mark would otherwise hide the first number.
    QTest::newRow("UTF-8 byte order mark skipped") << "\xEF\xBB\xBF"
                                                      "255\n0\n"_ba
                                                   << QStringList {u"255"_s, u"0"_s};
    // Found by fuzzing: decoding item by item dropped this character at the start of an item.
    QTest::newRow("byte order mark inside the file kept") << "1\n\xEF\xBB\xBF"
                                                             "2\n"_ba
                                                          << QStringList {u"1"_s, u"\uFEFF2"_s};
    QTest::newRow("byte order mark only") << "\xEF\xBB\xBF"_ba << QStringList();
}

void TestCatalogReader::encoding()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, expected);

    QCOMPARE(readCatalogItems(data), expected);
}

QTEST_GUILESS_MAIN(TestCatalogReader)
#include "tst_catalogreader.moc"
