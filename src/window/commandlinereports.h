#pragma once

#include "core/colorparser.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace Tintora {

struct Catalog;
struct CatalogNames;
class CmykConverter;
class NearestColorSearch;

// One line of what the command line prints. As plain text: the label, a tab and the text, then
// another tab and the note where there is one. As JSON: the value under the key, and the note
// under the same key in the object "notes".
struct ReportLine
{
    QString key;
    QString label;
    QString text;
    QJsonValue value; // null where there is none to give; the note says why
    QString note = {};
};
using Report = QList<ReportLine>;

QString reportText(const Report &report);
QByteArray reportJson(const Report &report);

// A colour in every notation the program knows (notationRows), the CMYK inks through the
// converter or, without a profile, the converter's problem as the note. What reading the colour
// dropped or changed is noted on the first line.
Report conversionReport(const ParsedColor &color, const CatalogNames &catalog,
                        const CmykConverter &converter);
// The catalogue entry nearest to a colour by CIEDE2000: its name, its colour and the ΔE.
Report nearestReport(ColorValue color, const Catalog &catalog, const NearestColorSearch &search);
// The WCAG 2 contrast ratio of a text colour on a back colour, the verdicts of levels AA and AAA
// for normal and large text, and the APCA lightness contrast.
Report contrastReport(ColorValue text, ColorValue back);

} // namespace Tintora
