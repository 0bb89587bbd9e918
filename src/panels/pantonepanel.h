#pragma once

#include "core/catalog.h"
#include "core/notations.h"
#include "panels/colorpanel.h"

#include <memory>

class QScrollBar;
class QStringListModel;

namespace Tintora {

class NearestColorSearch;

// "Pantone Colors": one scroll bar over the printing catalogue, with the chosen entry's name,
// its RGB Number as the catalogue writes its components and its HTML Number.
class PantonePanel : public ColorPanel
{
    Q_OBJECT

public:
    explicit PantonePanel(QWidget *parent = nullptr);
    ~PantonePanel() override;

    // Takes the catalogue to show, loaded at start-up. False, and nothing taken, when the number
    // that its first entry's name starts with lies outside the scroll bar: that number is where
    // the bar starts.
    bool setCatalog(Catalog catalog);

    // The catalogue's search for the nearest entry and its names, for the notations of a colour;
    // valid until the catalogue changes.
    CatalogNames nearestCatalog();

    // The entry nearest to the colour by CIEDE2000, its ΔE in the patch's and number's tool tips.
    bool takeColor(ColorValue color) override;
    // The bar on its start number, the patch in that number's colour value and the number box
    // showing the number, the other read-outs their placeholders.
    void reset() override;

private:
    // Shows a catalogue entry, as the bar's change does.
    void showEntry(int entry);
    // Moves the bar to an entry, or shows it where the bar is there already.
    void goToEntry(int entry);
    void setMatchNote(const QString &note);

    QScrollBar *m_bar;
    QLineEdit *m_patch;
    QLineEdit *m_numberBox;
    QStringListModel *m_names; // the completions of the number box
    Catalog m_catalog;
    int m_startNumber = 0;
    std::unique_ptr<NearestColorSearch> m_nearest; // over the catalogue, made on first use
};

} // namespace Tintora
