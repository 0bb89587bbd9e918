#include "preview/pagetext.h"

#include <QTest>

using namespace Tintora;

namespace {

PageStyle styleOf(bool bold, bool italic, bool underline)
{
    PageStyle style;
    style.bold = bold;
    style.italic = italic;
    style.underline = underline;
    return style;
}

const QByteArray kHead = "<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD>";
const QByteArray kFooter = "Tintora Systems 2003 by Ilse Varga<br>email: support@tintora.example";

} // namespace

class TestPageText : public QObject
{
    Q_OBJECT

private slots:
    void pageText_data();
    void pageText();
    void escapeSampleText_data();
    void escapeSampleText();
    void makerFooter();
    void pageFileContent_data();
    void pageFileContent();
    void fileContentIsAscii_data();
    void fileContentIsAscii();
};

void TestPageText::pageText_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("fore");
    QTest::addColumn<QString>("back");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("black Hi on white, bold")
        << QStringLiteral("Hi") << QStringLiteral("000000") << QStringLiteral("FFFFFF") << true
        << false << false
        << QByteArray("<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD>"
                      "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
                      "<b>Hi</b></font></body></HTML>");
    QTest::newRow("no styles: no tags") << QStringLiteral("Hi") << QStringLiteral("000000")
                                        << QStringLiteral("FFFFFF") << false << false << false
                                        << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>Hi"
              "</font></body></HTML>";
    QTest::newRow("fore and back kept apart") << QStringLiteral("Hi") << QStringLiteral("FF0000")
                                              << QStringLiteral("0000FF") << false << false << false
                                              << kHead
            + "<BODY BGCOLOR=0000FF FGCOLOR=FF0000><font color=FF0000 size=2 name=Arial>Hi"
              "</font></body></HTML>";
    QTest::newRow("italic only") << QStringLiteral("Hi") << QStringLiteral("000000")
                                 << QStringLiteral("FFFFFF") << false << true << false
                                 << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
              "<I>Hi</I></font></body></HTML>";
    QTest::newRow("underline only") << QStringLiteral("Hi") << QStringLiteral("000000")
                                    << QStringLiteral("FFFFFF") << false << false << true
                                    << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
              "<U>Hi</U></font></body></HTML>";
    QTest::newRow("all styles: bold, underline, italic, closed in reverse")
        << QStringLiteral("Hi") << QStringLiteral("000000") << QStringLiteral("FFFFFF") << true
        << true << true
        << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
              "<b><U><I>Hi</I></U></b></font></body></HTML>";
    QTest::newRow("empty sample: footer in the back colour")
        << QString() << QStringLiteral("000000") << QStringLiteral("FFFFFF") << false << false
        << false
        << kHead + "<BODY BGCOLOR=FFFFFF FGCOLOR=FFFFFF><font color=FFFFFF size=2 name=Arial>"
            + kFooter + "</font></body></HTML>";
    QTest::newRow("empty sample: footer inside the style tags")
        << QString() << QStringLiteral("123456") << QStringLiteral("ABCDEF") << true << true << true
        << kHead
            + "<BODY BGCOLOR=ABCDEF FGCOLOR=ABCDEF><font color=ABCDEF size=2 name=Arial>"
              "<b><U><I>"
            + kFooter + "</I></U></b></font></body></HTML>";
    QTest::newRow("blank sample is not empty: no footer")
        << QStringLiteral(" ") << QStringLiteral("000000") << QStringLiteral("FFFFFF") << false
        << false << false
        << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial> "
              "</font></body></HTML>";
    QTest::newRow("script markup shown, not run")
        << QStringLiteral("<script>alert(1)</script>") << QStringLiteral("000000")
        << QStringLiteral("FFFFFF") << false << false << false
        << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
              "&lt;script&gt;alert(1)&lt;/script&gt;</font></body></HTML>";
    QTest::newRow("quote does not end the file's quotes")
        << QStringLiteral("say \"hi\"") << QStringLiteral("000000") << QStringLiteral("FFFFFF")
        << false << false << false
        << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
              "say &quot;hi&quot;</font></body></HTML>";
    QTest::newRow("non-ASCII as references")
        << QStringLiteral("caf\u00E9 \u20AC") << QStringLiteral("000000")
        << QStringLiteral("FFFFFF") << false << false << false
        << kHead
            + "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
              "caf&#233; &#8364;</font></body></HTML>";
}

void TestPageText::pageText()
{
    QFETCH(QString, sample);
    QFETCH(QString, fore);
    QFETCH(QString, back);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(QByteArray, expected);

    QCOMPARE(Tintora::pageText(sample, fore, back, styleOf(bold, italic, underline)), expected);
}

void TestPageText::escapeSampleText_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain ASCII unchanged") << QStringLiteral("Hello, World! 'x' = 1 + 2; #FF")
                                           << QByteArray("Hello, World! 'x' = 1 + 2; #FF");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ampersand") << QStringLiteral("A & B") << QByteArray("A &amp; B");
    QTest::newRow("existing reference escaped again")
        << QStringLiteral("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("angle brackets") << QStringLiteral("<b>") << QByteArray("&lt;b&gt;");
    QTest::newRow("script") << QStringLiteral("<script>alert(1)</script>")
                            << QByteArray("&lt;script&gt;alert(1)&lt;/script&gt;");
    QTest::newRow("double quote") << QStringLiteral("\"") << QByteArray("&quot;");
    QTest::newRow("last ASCII character kept") << QStringLiteral("\u007F") << QByteArray("\x7F");
    QTest::newRow("first non-ASCII character") << QStringLiteral("\u0080") << QByteArray("&#128;");
    QTest::newRow("e acute, not its UTF-8 bytes")
        << QStringLiteral("\u00E9") << QByteArray("&#233;");
    QTest::newRow("euro, not a code page byte")
        << QStringLiteral("\u20AC") << QByteArray("&#8364;");
    QTest::newRow("emoji: one reference for the surrogate pair")
        << QString::fromUcs4(U"\U0001F600") << QByteArray("&#128512;");
    QTest::newRow("emoji between letters")
        << QString::fromUcs4(U"a\U0001F600b") << QByteArray("a&#128512;b");
    QTest::newRow("lone high surrogate")
        << QString(QChar(0xD83D)) + QLatin1Char('x') << QByteArray("&#65533;x");
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << QByteArray("&#65533;");
    QTest::newRow("high surrogate at the end")
        << QLatin1String("x") + QChar(0xD83D) << QByteArray("x&#65533;");
}

void TestPageText::escapeSampleText()
{
    QFETCH(QString, sample);
    QFETCH(QByteArray, expected);

    QCOMPARE(Tintora::escapeSampleText(sample), expected);
}

void TestPageText::makerFooter()
{
    QCOMPARE(Tintora::makerFooter(), kFooter);
}

void TestPageText::pageFileContent_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("example page") << QByteArray("<HTML><b>Hi</b></HTML>")
                                  << QByteArray("\"<HTML><b>Hi</b></HTML>\"\r\n");
    QTest::newRow("empty page") << QByteArray() << QByteArray("\"\"\r\n");
}

void TestPageText::pageFileContent()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, expected);

    QCOMPARE(Tintora::pageFileContent(page), expected);
}

void TestPageText::fileContentIsAscii_data()
{
    QTest::addColumn<QString>("sample");

    QTest::newRow("empty") << QString();
    QTest::newRow("accents") << QStringLiteral("\u00C0 la fa\u00E7on de Z\u00FCrich");
    QTest::newRow("Latin-1 top") << QStringLiteral("\u00FF\u00A0");
    QTest::newRow("CJK") << QStringLiteral("\u8272\u5F69");
    QTest::newRow("emoji") << QString::fromUcs4(U"\U0001F3A8\U0001F308");
    QTest::newRow("broken surrogate") << QString(QChar(0xDBFF));
}

void TestPageText::fileContentIsAscii()
{
    QFETCH(QString, sample);

    const QByteArray content = Tintora::pageFileContent(Tintora::pageText(
        sample, QStringLiteral("000000"), QStringLiteral("FFFFFF"), styleOf(true, true, true)));
    for (const char byte : content)
        QVERIFY2(static_cast<unsigned char>(byte) < 0x80, content.constData());
    // Only the two framing quotes: a quote inside would cut the line short.
    QCOMPARE(content.count('"'), 2);
    QVERIFY(content.endsWith("\"\r\n"));
}

QTEST_GUILESS_MAIN(TestPageText)
#include "tst_pagetext.moc"
