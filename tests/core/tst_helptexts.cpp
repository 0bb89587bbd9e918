#include "core/helptexts.h"

#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

// The help texts by their edge cases and a few quoted fragments.
class TestHelpTexts : public QObject
{
    Q_OBJECT

private slots:
    void topic_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("lines"); // when split at CR LF
        QTest::addColumn<QString>("fragment");
        QTest::newRow("How it works: sentences run together")
            << 0 << 16 << u"scroll through the colors.The Tintora in each"_s;
        QTest::newRow("How it works: no break after the last line")
            << 0 << 16
            << u"\r\nA copy of the DecimalToRGB formula, is available for only $5000 "
               u"Australian."_s;
        QTest::newRow("Pantone: the catalogue page joined in")
            << 2 << 3
            << u"The numbers used here are from https://en.wikipedia.org/wiki/Pantone. The"_s;
        QTest::newRow("RGB: two blanks") << 3 << 3 << u"RGB:  R is Red."_s;
        QTest::newRow("Swatches: one line, trailing blank")
            << 5 << 1 << u"Black/White swatch to evaluate a color. "_s;
        QTest::newRow("Contact: ends with a break")
            << 7 << 4 << u"support@tintora.example\r\nCopyright \u00A9 Tintora Systems"_s;
    }

    // Lines are separated by CR LF pairs only, and "How it works" has one empty line, the ninth.
    void topic()
    {
        QFETCH(int, index);
        QFETCH(int, lines);
        QFETCH(QString, fragment);
        const QString text = helpTopicText(index);
        QVERIFY2(text.contains(fragment), qPrintable(text));
        const QStringList split = text.split(u"\r\n"_s);
        QCOMPARE(split.size(), lines);
        QCOMPARE(text.count(u'\n'), lines - 1);
        QCOMPARE(text.count(u'\r'), lines - 1);
        QCOMPARE(split.indexOf(QString()), index == 0 ? 8 : index == 7 ? 3 : -1);
        if (index == 0)
            QVERIFY(text.endsWith(u"Australian."_s));
    }
};

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
