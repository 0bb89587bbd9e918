#pragma once

#include "panels/panelinterface.h"

#include <QGroupBox>

class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "Pantone Colors": one scroll bar over the catalogue loaded at start-up.
class PantonePanel : public QGroupBox, public PanelInterface
{
    Q_OBJECT

public:
    PantonePanel(FormState &state, QWidget *parent = nullptr);

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

private:
    void cboPantoneList_Change();

    FormState &m_state;
    QScrollBar *vsPantone;
    QLineEdit *txtPantone;
    QLineEdit *txtPantoneNum;
    QLineEdit *txtRgbPantone;
    QLineEdit *txtHtmlPantone;
};

} // namespace Tintora
