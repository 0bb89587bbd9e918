#pragma once

#include <QGroupBox>

class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "Pantone Colors": one scroll bar over the catalogue loaded at start-up.
class PantonePanel : public QGroupBox
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

    QScrollBar *vsPantone;
    QLineEdit *txtPantone;
    QLineEdit *txtPantoneNum;
    QLineEdit *txtRgbPantone;
    QLineEdit *txtHtmlPantone;

private:
    void cboPantoneList_Change();

    FormState &m_state;
};

} // namespace Tintora
