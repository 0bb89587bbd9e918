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
    QTest::newRow("LF, CR LF and CR, final break")
        << "1\n2\r\n3\r4\r"_ba << QStringList {"1", "2", "3", "4"};
    QTest::newRow("blank lines and leading blanks skipped, inner ones kept")
        << "\n  255\r\n\r\n \t \n\t Warm Gray 3 C\n\n\n"_ba << QStringList {"255", "Warm Gray 3 C"};
    QTest::newRow("100,101 is two entries; blanks after a comma; empty items")
        << "100,101,  2, ,\r\n4,"_ba << QStringList {"100", "101", "2", "", "", "4", ""};
    QTest::newRow("quoted comma, blanks and breaks")
        << "\"100, 101\"\n  \" a\nb \",\"\"\n"_ba << QStringList {"100, 101", " a\nb ", ""};
    QTest::newRow("text after closing quote ignored, quote inside an item kept")
        << "\"a\"xyz,b\n\"c\" \"d\ne\nab\"c\",d"_ba
        << QStringList {"a", "b", "c", "e", "ab\"c\"", "d"};
    QTest::newRow("unterminated quote runs to the end")
        << "1\n\"abc,2\n3\n"_ba << QStringList {"1", "abc,2\n3\n"};
    // An editor's byte order mark would otherwise hide the first number.
    QTest::newRow("UTF-8, byte order mark skipped") << "\xEF\xBB\xBF"_ba
            + "255\nGr\xC3\xBCn \xE2\x82\xAC" << QStringList {"255", "Gr\u00FCn \u20AC"};
    // One byte that is not UTF-8 makes the whole file Latin-1.
    QTest::newRow("Latin-1 byte decides the file")
        << "Gr\xC3\xBCn\n\xE9"_ba << QStringList {"Gr\u00C3\u00BCn", "\u00E9"};
    // Found by fuzzing: decoding item by item dropped this character at the start of an item.
    QTest::newRow("byte order mark inside kept") << "1\n\xEF\xBB\xBF"_ba + "2\n"
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
