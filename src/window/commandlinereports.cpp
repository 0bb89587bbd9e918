#include "window/commandlinereports.h"

#include "core/apca.h"
#include "core/catalog.h"
#include "core/cmykconverter.h"
#include "core/colordifference.h"
#include "core/contrast.h"
#include "core/notations.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace Tintora {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Tintora::CommandLine", text);
}

// The JSON key of each notation: scripts read these, so they never change.
QString notationKey(ColorNotation notation)
{
    switch (notation) {
    case ColorNotation::Hex:
        return QStringLiteral("hex");
    case ColorNotation::Rgb:
        return QStringLiteral("rgb");
    case ColorNotation::Hsl:
        return QStringLiteral("hsl");
    case ColorNotation::Hwb:
        return QStringLiteral("hwb");
    case ColorNotation::Hsv:
        return QStringLiteral("hsv");
    case ColorNotation::Lab:
        return QStringLiteral("lab");
    case ColorNotation::Lch:
        return QStringLiteral("lch");
    case ColorNotation::Oklab:
        return QStringLiteral("oklab");
    case ColorNotation::Oklch:
        return QStringLiteral("oklch");
    case ColorNotation::Cmyk:
        return QStringLiteral("cmyk");
    case ColorNotation::Decimal:
        return QStringLiteral("decimal");
    case ColorNotation::ColorRef:
        return QStringLiteral("colorref");
    case ColorNotation::CssName:
        return QStringLiteral("cssName");
    case ColorNotation::Catalog:
        return QStringLiteral("catalog");
    }
    return {};
}

QString hashNumber(ColorValue color)
{
    return QLatin1Char('#') + htmlNumber(color);
}

ReportLine cmykLine(const NotationRow &row, ColorValue color, const CmykConverter &converter)
{
    const std::optional<CmykValue> inks = converter.convert(color);
    if (!inks)
        return {notationKey(row.notation), row.label, QString(), QJsonValue(), converter.problem()};
    // Whole percentages, as inks are given to a press.
    const QString text = QStringLiteral("%1%, %2%, %3%, %4%")
                             .arg(qRound(inks->cyan))
                             .arg(qRound(inks->magenta))
                             .arg(qRound(inks->yellow))
                             .arg(qRound(inks->black));
    const QString note = inks->outOfGamut
        ? tr("out of gamut: printed ΔE %1").arg(inks->roundTripDeltaE, 0, 'f', 1)
        : QString();
    return {notationKey(row.notation), row.label, text, text, note};
}

// A ratio or a difference as a JSON number with the decimals it is shown with.
QJsonValue shownNumber(const QString &text)
{
    return text.toDouble();
}

} // namespace

QString reportText(const Report &report)
{
    QString text;
    for (const ReportLine &line : report) {
        text += line.label + u'\t' + line.text;
        if (!line.note.isEmpty())
            text += u'\t' + line.note;
        text += u'\n';
    }
    return text;
}

QByteArray reportJson(const Report &report)
{
    QJsonObject object;
    QJsonObject notes;
    for (const ReportLine &line : report) {
        object.insert(line.key, line.value);
        if (!line.note.isEmpty())
            notes.insert(line.key, line.note);
    }
    if (!notes.isEmpty())
        object.insert(QStringLiteral("notes"), notes);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

Report conversionReport(const ParsedColor &color, const CatalogNames &catalog,
                        const CmykConverter &converter)
{
    Report report;
    for (const NotationRow &row : notationRows(color.color, catalog)) {
        if (row.notation == ColorNotation::Cmyk)
            report.append(cmykLine(row, color.color, converter));
        else
            report.append({notationKey(row.notation), row.label, row.text, row.text, row.note});
    }
    QStringList taken;
    if (color.alphaDropped)
        taken.append(tr("taken without its transparency"));
    if (color.gamutMapped)
        taken.append(tr("taken as the nearest sRGB colour"));
    report.first().note = taken.join(QStringLiteral("; "));
    return report;
}

Report nearestReport(ColorValue color, const Catalog &catalog, const NearestColorSearch &search)
{
    const NearestColor nearest = search.nearest(color);
    const QString name = catalog.names.value(nearest.index);
    const QString entry = hashNumber(catalog.color(nearest.index));
    const QString deltaE = QString::number(nearest.deltaE, 'f', 2);
    return {{QStringLiteral("name"), tr("Catalog"), name, name},
            {QStringLiteral("hex"), tr("Hex"), entry, entry},
            {QStringLiteral("deltaE"), tr("ΔE"), deltaE, shownNumber(deltaE),
             nearest.exact ? tr("exact match") : QString()}};
}

Report contrastReport(ColorValue text, ColorValue back)
{
    const Contrast contrast = contrastOf(text, back);
    const QString ratio = ratioText(contrast.ratio);
    const QString lc = QString::number(apcaContrast(text, back), 'f', 1);
    const auto verdict = [](const char *key, const char *label, bool passed) {
        return ReportLine {QLatin1StringView(key), tr(label), passed ? tr("pass") : tr("fail"),
                           passed};
    };
    return {
        {QStringLiteral("foreground"), tr("Foreground"), hashNumber(text), hashNumber(text)},
        {QStringLiteral("background"), tr("Background"), hashNumber(back), hashNumber(back)},
        {QStringLiteral("ratio"), tr("Contrast"), ratio, shownNumber(ratio.section(u':', 0, 0))},
        verdict("aaNormal", "AA, normal text", contrast.aaNormal),
        verdict("aaLarge", "AA, large text", contrast.aaLarge),
        verdict("aaaNormal", "AAA, normal text", contrast.aaaNormal),
        verdict("aaaLarge", "AAA, large text", contrast.aaaLarge),
        {QStringLiteral("apcaLc"), tr("APCA Lc"), lc, shownNumber(lc)}};
}

} // namespace Tintora
