// The catalogue files' items, and the numbers read from them.

#include "core/catalogreader.h"
#include "core/numericvalue.h"

#include <QTest>

#include <QtNumeric>

using namespace Tintora;
using namespace Qt::StringLiterals;

class TestCatalogReader : public QObject
{
    Q_OBJECT

private slots:
    void items()
    {
        // An editor's byte order mark would otherwise hide the first number; one byte that is not
        // UTF-8 makes the whole file Latin-1. Found by fuzzing: decoding item by item dropped a
        // byte order mark at the start of an item.
        // clang-format off
        const std::pair<QByteArray, QStringList> cases[] = {
            {{}, {}},
            {"1\n2\r\n3\r4\r"_ba, {"1", "2", "3", "4"}}, // LF, CR LF and CR, final break
            {"\n  255\r\n\r\n \t \n\t Warm Gray 3 C\n\n\n"_ba, {"255", "Warm Gray 3 C"}},
            {"100,101,  2, ,\r\n4,"_ba, {"100", "101", "2", "", "", "4", ""}},
            {"\"100, 101\"\n  \" a\nb \",\"\"\n"_ba, {"100, 101", " a\nb ", ""}},
            // Text after a closing quote is ignored, a quote inside an item kept.
            {"\"a\"xyz,b\n\"c\" \"d\ne\nab\"c\",d"_ba, {"a", "b", "c", "e", "ab\"c\"", "d"}},
            {"1\n\"abc,2\n3\n"_ba, {"1", "abc,2\n3\n"}}, // an unterminated quote runs to the end
            {"\xEF\xBB\xBF" "255\nGr\xC3\xBCn \xE2\x82\xAC"_ba, {"255", u"Gr\u00FCn \u20AC"_s}},
            {"Gr\xC3\xBCn\n\xE9"_ba, {u"Gr\u00C3\u00BCn"_s, u"\u00E9"_s}},
            {"1\n\xEF\xBB\xBF" "2\n"_ba, {"1", u"\uFEFF2"_s}}};
        // clang-format on
        for (const auto &[data, expected] : cases)
            QCOMPARE(readCatalogItems(data), expected);
    }

    // A comma is no decimal point, non-ASCII digits are no digits; a fraction below the smallest
    // double once came back as infinity.
    void leadingNumber()
    {
        const std::pair<QString, double> cases[] = {{u"  -3"_s, -3},
                                                    {u"-.5"_s, -0.5},
                                                    {u"1,5"_s, 1},
                                                    {u"Yellow C"_s, 0},
                                                    {u"+-5"_s, 0},
                                                    {u"\u0663"_s, 0},
                                                    {u'-' + QString(400, u'9'), -qInf()},
                                                    {u"0."_s + QString(400, u'0') + u'1', 0}};
        for (const auto &[text, expected] : cases)
            QCOMPARE(Tintora::leadingNumber(text), expected);
    }

    // Rounded half to even, then fitted into 16 and 32 bits or reported as out of range (-1 here).
    // Adding a half and flooring gets 0.49999999999999994 wrong; casting wraps 65536 to 0.
    void toInteger()
    {
        // clang-format off
        const std::tuple<double, double, int, qint64> cases[] = {
            {12.5, 12, 12, 12}, {13.5, 14, 14, 14}, {0.49999999999999994, 0, 0, 0},
            {4503599627370497.0, 4503599627370497.0, -1, -1}, {32767.5, 32768, -1, 32768},
            {65536, 65536, -1, 65536}, {2147483647.5, 2147483648.0, -1, -1},
            {-2147483648.5, -2147483648.0, -1, -2147483648LL}, {qQNaN(), qQNaN(), -1, -1}};
        // clang-format on
        for (const auto &[value, rounded, int16, int32] : cases) {
            QCOMPARE(roundHalfToEven(value), rounded);
            QCOMPARE(int(toInt16(value).value_or(-1)), int16);
            QCOMPARE(qint64(toInt32(value).value_or(-1)), int32);
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogReader)
#include "tst_catalogreader.moc"
