#pragma once

#include "panels/panelinterface.h"

#include <QGroupBox>

#include <memory>

class QLineEdit;
class QStringListModel;
class QScrollBar;

namespace Tintora {

class FormState;
class NearestColorSearch;

// "Pantone Colors": one scroll bar over the catalogue loaded at start-up.
class PantonePanel : public QGroupBox, public PanelInterface
{
    Q_OBJECT

public:
    PantonePanel(FormState &state, QWidget *parent = nullptr);
    ~PantonePanel() override;

    // Shows the catalogue entry at the scroll bar's value: the patch, the catalogue number, the
    // RGB Number from the stored component texts and the HTML Number through the hex table.
    void PantoneScroller();

    // Selects the first entry of every catalogue list and puts the scroll bar on the number that
    // the first entry's text starts with. False when a list is empty or that number lies outside
    // the scroll bar's range; the steps after the failing one are not run.
    bool showFirstEntry();

    QWidget *widget() override { return this; }
    int openHeight() const override { return 1755; }
    QWidget *focusControl() const override;
    void setStartValues() override;
    void reset() override;
    QWidget *colorBox() const override;
    // The entry nearest to the colour by CIEDE2000, its ΔE in the patch's and number's tool tips.
    bool takeColor(ColorValue color) override;

private:
    void cboPantoneList_Change();
    void showEntry(int entry);
    void setMatchNote(const QString &note);

    FormState &m_state;
    QScrollBar *vsPantone;
    QLineEdit *txtPantone;
    QLineEdit *txtPantoneNum;
    QLineEdit *txtRgbPantone;
    QLineEdit *txtHtmlPantone;
    QStringListModel *m_names; // the catalogue's names, once loaded
    std::unique_ptr<NearestColorSearch> m_nearest; // over the loaded catalogue, on first use
};

} // namespace Tintora
