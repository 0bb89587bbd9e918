#include "core/pagetext.h"

#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

QByteArray page(const QByteArray &back, const QByteArray &fore, const QByteArray &body)
{
    return "<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY BGCOLOR="
        + back + " FGCOLOR=" + fore + "><font color=" + fore + " size=2 name=Arial>" + body
        + "</font></body></HTML>";
}

} // namespace

class TestPageText : public QObject
{
    Q_OBJECT

private slots:
    void pageText_data();
    void pageText();
};

void TestPageText::pageText_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("fore");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("styles"); // b: bold, i: italic, u: underline
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("black Hi on white, bold")
        << u"Hi"_s << u"000000"_s << u"FFFFFF"_s << u"b"_s
        << "<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY "
           "BGCOLOR=FFFFFF "
           "FGCOLOR=000000><font color=000000 size=2 name=Arial><b>Hi</b></font></body></HTML>"_ba;
    QTest::newRow("fore and back apart, all styles: bold, underline, italic")
        << u"Hi"_s << u"FF0000"_s << u"0000FF"_s << u"biu"_s
        << page("0000FF", "FF0000", "<b><U><I>Hi</I></U></b>");
    QTest::newRow("empty sample: footer in the back colour, inside the style tags")
        << QString() << u"123456"_s << u"ABCDEF"_s << u"i"_s
        << page("ABCDEF", "ABCDEF",
                "<I>Tintora Systems 2003 by Ilse Varga<br>email: support@tintora.example</I>");
    const auto escaped = [](const char *name, const QString &sample, const QByteArray &body) {
        QTest::newRow(name) << sample << u"000000"_s << u"FFFFFF"_s << QString()
                            << page("FFFFFF", "000000", body);
    };
    escaped("blank sample is not empty", u" "_s, " ");
    // The euro sign is no code page byte; an emoji gets one reference for its surrogate pair.
    escaped("markup, a reference, euro and emoji escaped, other ASCII kept",
            u"'x' = 1 + 2; #<\"&amp;>\u20AC\U0001F600"_s,
            "'x' = 1 + 2; #&lt;&quot;&amp;amp;&gt;&#8364;&#128512;");
    // Raw, they were bytes the page must not hold; as references from 128 to 159, browsers show
    // them as Windows-1252 characters.
    escaped("controls but tab, DEL and C1 replaced",
            u"\u0000\u0001\u0007\t\u000B\u000C\r\n\u001B\u001F \u007E\u007F\u0080\u009F\u00A0"_s,
            "&#65533;&#65533;&#65533;\t&#65533;&#65533;&#65533;&#65533;&#65533;&#65533; ~&#65533;"
            "&#65533;&#65533;&#160;");
    escaped("lone low, lone high surrogate, high surrogate at the end", u"\xDE00\xD83Dx\xD83D"_s,
            "&#65533;&#65533;x&#65533;");
}

void TestPageText::pageText()
{
    QFETCH(QString, sample);
    QFETCH(QString, fore);
    QFETCH(QString, back);
    QFETCH(QString, styles);
    QFETCH(QByteArray, expected);

    const PageStyle style {styles.contains(u'b'), styles.contains(u'i'), styles.contains(u'u')};
    // The file: the page text in double quotes, then CR LF.
    QCOMPARE(pageFileContent(Tintora::pageText(sample, fore, back, style)),
             '"' + expected + "\"\r\n");
}

QTEST_GUILESS_MAIN(TestPageText)
#include "tst_pagetext.moc"
