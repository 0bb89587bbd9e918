#include "core/pagetext.h"

#include "core/maker.h"

namespace Tintora {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Control characters other than tab: raw they would be bytes a page must not hold, and a reference
// to one of U+0080 to U+009F is read by browsers as a Windows-1252 character instead.
bool isControl(char16_t c)
{
    return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F);
}

void appendCharacterReference(QByteArray &out, char32_t codePoint)
{
    out += "&#";
    out += QByteArray::number(static_cast<uint>(codePoint));
    out += ';';
}

} // namespace

QByteArray escapeSampleText(const QString &sample)
{
    QByteArray out;
    out.reserve(sample.size());
    for (qsizetype i = 0; i < sample.size(); ++i) {
        const QChar c = sample.at(i);
        switch (c.unicode()) {
        case u'&':
            out += "&amp;";
            continue;
        case u'<':
            out += "&lt;";
            continue;
        case u'>':
            out += "&gt;";
            continue;
        case u'"':
            out += "&quot;";
            continue;
        default:
            break;
        }
        if (isControl(c.unicode())) {
            appendCharacterReference(out, kReplacementCharacter);
        } else if (c.unicode() < 0x80) {
            out += static_cast<char>(c.unicode());
        } else if (c.isHighSurrogate() && i + 1 < sample.size()
                   && sample.at(i + 1).isLowSurrogate()) {
            appendCharacterReference(out, QChar::surrogateToUcs4(c, sample.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            // Half a pair names no character, and a reference to it is not valid HTML.
            appendCharacterReference(out, kReplacementCharacter);
        } else {
            appendCharacterReference(out, c.unicode());
        }
    }
    return out;
}

QByteArray makerFooter()
{
    // Escaped like the sample, so the file stays ASCII whatever the maker's details hold.
    return escapeSampleText(makerName() + QStringLiteral(" 2003 by ") + makerAuthor()) + "<br>"
        + "email: " + escapeSampleText(makerEmail());
}

QByteArray pageText(const QString &sample, const QString &foreHex, const QString &backHex,
                    PageStyle style)
{
    const QByteArray back = backHex.toLatin1();
    // The footer of an empty sample is written in the back colour, so it does not stand out.
    const QByteArray fore = sample.isEmpty() ? back : foreHex.toLatin1();

    QByteArray page = "<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD>";
    page += "<BODY BGCOLOR=" + back + " FGCOLOR=" + fore + ">";
    page += "<font color=" + fore + " size=2 name=Arial>";
    if (style.bold)
        page += "<b>";
    if (style.underline)
        page += "<U>";
    if (style.italic)
        page += "<I>";
    page += sample.isEmpty() ? makerFooter() : escapeSampleText(sample);
    if (style.italic)
        page += "</I>";
    if (style.underline)
        page += "</U>";
    if (style.bold)
        page += "</b>";
    page += "</font></body></HTML>";
    return page;
}

QByteArray pageFileContent(const QByteArray &pageText)
{
    return '"' + pageText + "\"\r\n";
}

} // namespace Tintora
