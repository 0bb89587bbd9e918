#include "panels/pantonepanel.h"

#include "core/catalogsearch.h"
#include "core/colordifference.h"
#include "core/numericvalue.h"
#include "widgets/controls.h"

#include <QCompleter>
#include <QScrollBar>
#include <QStringListModel>

namespace Tintora {

PantonePanel::PantonePanel(QWidget *parent)
    : ColorPanel(QStringLiteral("fraPantone"), tr("Pantone Colors"), 1755, parent)
{
    m_bar = makeScrollBar(this, QStringLiteral("vsPantone"), Qt::Vertical, kCatalogSize - 1,
                          {120, 360, 735, 1215}, tr("Catalog entry"));
    m_patch = addColorBox("txtPantone", {960, 240, 1335, 1365}, tr("Pantone color patch"));

    // The number box finds an entry by its name, completing what is typed, else the entry
    // nearest to a colour.
    m_names = new QStringListModel(this);
    auto *completer = new QCompleter(m_names, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    m_numberBox = addNumberBox(
        tr("Pantone Number"),
        {"lblNum", {2400, 360, 1455, 255}, "txtPantoneNum", {3960, 240, 1095, 405}},
        tr("a catalog name (485 C), "),
        [this](const QString &text) {
            const std::optional<int> entry = findCatalogEntry(text, m_catalog.names);
            if (entry)
                goToEntry(*entry);
            return entry.has_value();
        },
        completer);
    addReadOut(Notation::Rgb,
               {"Label1", {2400, 840, 975, 255}, "txtRgbPantone", {3960, 720, 1695, 375}});
    addReadOut(Notation::Html,
               {"Label2", {2400, 1320, 1095, 255}, "txtHtmlPantone", {3960, 1200, 1695, 375}});
    setFocusControl(m_bar);
    connect(m_bar, &QScrollBar::valueChanged, this, &PantonePanel::showEntry);
}

PantonePanel::~PantonePanel() = default;

bool PantonePanel::setCatalog(Catalog catalog)
{
    const std::optional<qint16> start = numericInt16(catalog.names.value(0));
    if (!start || *start < m_bar->minimum() || *start > m_bar->maximum())
        return false;
    m_startNumber = *start;
    m_catalog = std::move(catalog);
    m_names->setStringList(m_catalog.names);
    m_nearest.reset();
    return true;
}

void PantonePanel::showEntry(int entry)
{
    setMatchNote(QString());
    setTextFromStart(m_numberBox, m_catalog.names.at(entry));
    // The patch and the HTML Number take the components rounded; the RGB Number shows them as
    // the catalogue writes them.
    const ColorValue color = m_catalog.color(entry);
    ColorNumbers notations = colorNumbers(color);
    notations.rgb = m_catalog.rgbText(entry);
    showColor(color, notations);
}

void PantonePanel::goToEntry(int entry)
{
    if (!moveBarTo(m_bar, entry))
        showEntry(entry);
}

CatalogNames PantonePanel::nearestCatalog()
{
    if (!m_nearest)
        m_nearest = std::make_unique<NearestColorSearch>(m_catalog.colors());
    return {m_nearest.get(), &m_catalog.names};
}

bool PantonePanel::takeColor(ColorValue color)
{
    const NearestColor nearest = nearestCatalog().search->nearest(color);
    if (nearest.index < 0)
        return false;
    goToEntry(nearest.index);
    setMatchNote(nearest.exact
                     ? tr("Exact match")
                     : tr("ΔE %1 from the colour you gave").arg(nearest.deltaE, 0, 'f', 1));
    return true;
}

void PantonePanel::setMatchNote(const QString &note)
{
    setNote(m_patch, note);
    setNote(m_numberBox, note);
}

void PantonePanel::reset()
{
    setMatchNote(QString());
    m_bar->setValue(m_startNumber);
    setTextFromStart(m_numberBox, QString::number(m_startNumber));
    showPlaceholders(m_startNumber);
}

} // namespace Tintora
