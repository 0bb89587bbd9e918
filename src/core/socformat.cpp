#include "core/socformat.h"

#include "core/palettetext.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace Tintora {

namespace {

const QString kDrawNamespace = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
const QString kOooNamespace = QStringLiteral("http://openoffice.org/2004/office");

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// "#rrggbb", digits in either case, as OpenDocument writes colours.
std::optional<ColorValue> hexColor(QStringView text)
{
    if (text.size() != 7 || text.front() != u'#')
        return std::nullopt;
    int rgb = 0;
    for (const QChar c : text.sliced(1)) {
        const int digit = hexDigit(c.unicode());
        if (digit < 0)
            return std::nullopt;
        rgb = rgb * 16 + digit;
    }
    return colorValue(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

PaletteRead readSoc(QByteArrayView data)
{
    QXmlStreamReader xml(QByteArray::fromRawData(data.data(), data.size()));
    PaletteRead read;
    bool rootSeen = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return paletteFault(QStringLiteral("it declares a document type, which colour "
                                               "tables do not"));
        case QXmlStreamReader::StartElement:
            if (!rootSeen) {
                if (xml.name() != u"color-table" || xml.namespaceUri() != kOooNamespace) {
                    return paletteFault(
                        QStringLiteral("it is no colour table: its root element is %1")
                            .arg(quotedExcerpt(xml.qualifiedName().toString())));
                }
                rootSeen = true;
            } else if (xml.name() == u"color" && xml.namespaceUri() == kDrawNamespace) {
                const QXmlStreamAttributes attributes = xml.attributes();
                const QStringView value = attributes.value(kDrawNamespace, QStringLiteral("color"));
                const std::optional<ColorValue> color = hexColor(value);
                if (!color) {
                    return paletteFault(QStringLiteral("line %1 has the colour %2, not #rrggbb")
                                            .arg(xml.lineNumber())
                                            .arg(quotedExcerpt(value.toString())));
                }
                if (read.palette.entries.size() == kMaxPaletteEntries)
                    return tooManyColors();
                read.palette.entries.append(
                    {attributes.value(kDrawNamespace, QStringLiteral("name")).toString().trimmed(),
                     *color});
            }
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        return paletteFault(QStringLiteral("it is not well-formed XML (line %1: %2)")
                                .arg(xml.lineNumber())
                                .arg(xml.errorString()));
    }
    return read;
}

QByteArray writeSoc(const Palette &palette)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeNamespace(QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0"),
                       QStringLiteral("office"));
    xml.writeNamespace(kDrawNamespace, QStringLiteral("draw"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("xlink"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2000/svg"), QStringLiteral("svg"));
    xml.writeNamespace(kOooNamespace, QStringLiteral("ooo"));
    xml.writeStartElement(kOooNamespace, QStringLiteral("color-table"));
    for (const PaletteEntry &entry : palette.entries) {
        xml.writeEmptyElement(kDrawNamespace, QStringLiteral("color"));
        xml.writeAttribute(kDrawNamespace, QStringLiteral("name"), singleLine(entry.name));
        xml.writeAttribute(kDrawNamespace, QStringLiteral("color"), hashColor(entry.color, true));
    }
    xml.writeEndDocument();
    return out;
}

} // namespace Tintora
