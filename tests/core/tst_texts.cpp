// The preview page's text, byte for byte.

#include "core/pagetext.h"

#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void pageText_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("styles"); // b: bold, i: italic, u: underline
        QTest::addColumn<QByteArray>("body");

        const auto row = [](const char *name, const QString &sample, const QByteArray &body,
                            const QString &styles = {}) {
            QTest::newRow(name) << sample << styles << body;
        };
        row("fore and back apart, all styles: bold, underline, italic", u"Hi"_s,
            "<b><U><I>Hi</I></U></b>", u"biu"_s);
        row("empty sample: footer in the back colour, inside the style tags", QString(),
            "<I>Tintora Systems 2003 by Ilse Varga<br>email: support@tintora.example</I>", u"i"_s);
        row("blank sample is not empty", u" "_s, " ");
        // The euro sign is no code page byte; an emoji gets one reference for its surrogate pair.
        row("markup, a reference, euro and emoji escaped, other ASCII kept",
            u"'x' = 1 + 2; #<\"&amp;>\u20AC\U0001F600"_s,
            "'x' = 1 + 2; #&lt;&quot;&amp;amp;&gt;&#8364;&#128512;");
        // Raw, they were bytes the page must not hold; as references from 128 to 159, browsers
        // show them as Windows-1252 characters.
        row("controls but tab, DEL and C1 replaced",
            u"\u0000\u0001\u0007\t\u000B\u000C\r\n\u001B\u001F \u007E\u007F\u0080\u009F\u00A0"_s,
            "&#65533;&#65533;&#65533;\t&#65533;&#65533;&#65533;&#65533;&#65533;&#65533; "
            "~&#65533;&#65533;&#65533;&#160;");
        row("lone low, lone high surrogate, high surrogate at the end", u"\xDE00\xD83Dx\xD83D"_s,
            "&#65533;&#65533;x&#65533;");
    }

    void pageText()
    {
        QFETCH(QString, sample);
        QFETCH(QString, styles);
        QFETCH(QByteArray, body);
        const PageStyle style {styles.contains(u'b'), styles.contains(u'i'), styles.contains(u'u')};
        // The file: the page text in double quotes, then CR LF. The footer takes the back colour.
        const QByteArray font = sample.isEmpty() ? "0000FF" : "FF0000";
        QCOMPARE(pageFileContent(Tintora::pageText(sample, u"FF0000"_s, u"0000FF"_s, style)),
                 "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY "
                 "BGCOLOR=0000FF FGCOLOR="
                     + font + "><font color=" + font + " size=2 name=Arial>" + body
                     + "</font></body></HTML>\"\r\n");
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
