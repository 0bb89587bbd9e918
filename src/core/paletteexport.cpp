#include "core/paletteexport.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace Tintora {

namespace {

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

QString identifierOf(const QString &name, ColorValue color)
{
    // Decomposed, an accented letter is its base letter and a mark, which is dropped.
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString identifier;
    bool apart = false;
    for (const QChar c : decomposed) {
        if (isAsciiLetterOrDigit(c)) {
            if (apart && !identifier.isEmpty())
                identifier += u'-';
            identifier += c.toLower();
            apart = false;
        } else if (c.category() != QChar::Mark_NonSpacing) {
            apart = true;
        }
    }
    if (identifier.isEmpty())
        return QStringLiteral("color-") + hashColor(color, true).sliced(1);
    if (identifier.front().isDigit())
        identifier.prepend(QStringLiteral("color-"));
    return identifier;
}

// One "<before><identifier>: #rrggbb;" line per colour.
QByteArray declarations(const Palette &palette, const QByteArray &before)
{
    const QStringList identifiers = colorIdentifiers(palette.entries);
    QByteArray out;
    for (qsizetype i = 0; i < identifiers.size(); ++i) {
        out += before + identifiers.at(i).toLatin1() + ": "
            + hashColor(palette.entries.at(i).color, true).toLatin1() + ";\n";
    }
    return out;
}

} // namespace

QStringList colorIdentifiers(const QList<PaletteEntry> &entries)
{
    QStringList identifiers;
    QSet<QString> given;
    // The next number to try for each identifier taken, so that a name used again and again
    // costs no search from 2 each time.
    QHash<QString, int> nextNumber;
    for (const PaletteEntry &entry : entries) {
        const QString base = identifierOf(entry.name, entry.color);
        QString identifier = base;
        if (given.contains(base)) {
            int &number = nextNumber[base];
            number = std::max(number, 2);
            do
                identifier = base + u'-' + QString::number(number++);
            while (given.contains(identifier));
        }
        given.insert(identifier);
        identifiers.append(identifier);
    }
    return identifiers;
}

QByteArray writeCss(const Palette &palette)
{
    return ":root {\n" + declarations(palette, "  --") + "}\n";
}

QByteArray writeScss(const Palette &palette)
{
    return declarations(palette, "$");
}

QByteArray writeHexList(const Palette &palette)
{
    QByteArray out;
    for (const PaletteEntry &entry : palette.entries)
        out += hashColor(entry.color).toLatin1() + '\n';
    return out;
}

} // namespace Tintora
