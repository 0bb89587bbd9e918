#include "core/catalogreader.h"

#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

class TestCatalogReader : public QObject
{
    Q_OBJECT

private slots:
    void items_data();
    void items();
};

void TestCatalogReader::items_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("LF, final break") << "1\n2\n"_ba << QStringList {"1", "2"};
    QTest::newRow("LF, no final break") << "1\n2"_ba << QStringList {"1", "2"};
    QTest::newRow("CR LF, final break") << "1\r\n2\r\n"_ba << QStringList {"1", "2"};
    QTest::newRow("CR LF, no final break") << "1\r\n2"_ba << QStringList {"1", "2"};
    QTest::newRow("CR, final break") << "1\r2\r"_ba << QStringList {"1", "2"};
    QTest::newRow("CR, no final break") << "1\r2"_ba << QStringList {"1", "2"};
    QTest::newRow("mixed line ends") << "1\n2\r\n3\r4"_ba << QStringList {"1", "2", "3", "4"};
    QTest::newRow("blank lines skipped") << "\n1\r\n\r\n \t \n2\n\n\n"_ba << QStringList {"1", "2"};
    QTest::newRow("leading blanks skipped") << "  255\n\t 7"_ba << QStringList {"255", "7"};
    QTest::newRow("inner blanks kept") << "Warm Gray 3 C\n"_ba << QStringList {"Warm Gray 3 C"};
    QTest::newRow("100,101 is two entries")
        << "100,101\n102\n"_ba << QStringList {"100", "101", "102"};
    QTest::newRow("blanks after a comma") << "1,  2\n"_ba << QStringList {"1", "2"};
    QTest::newRow("empty item between commas") << "1, ,2\n"_ba << QStringList {"1", "", "2"};
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
    QTest::newRow("Latin-1") << "Gr\xFCn\n"_ba << QStringList {"Gr\u00FCn"};
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
}

void TestCatalogReader::items()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, expected);

    QCOMPARE(readCatalogItems(data), expected);
}

QTEST_GUILESS_MAIN(TestCatalogReader)
#include "tst_catalogreader.moc"
