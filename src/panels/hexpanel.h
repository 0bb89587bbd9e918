#pragma once

#include "panels/panelinterface.h"

#include <QGroupBox>

class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "HTML Colors": composes a web colour from three scroll bars and leads with its HTML Number.
class HexPanel : public QGroupBox, public PanelInterface
{
    Q_OBJECT

public:
    HexPanel(FormState &state, QWidget *parent = nullptr);

    // Sets the colour box first, then writes the RGB, HTML and Decimal Numbers, all derived from
    // the colour box's back colour.
    void HexScroller();

    QWidget *widget() override { return this; }
    int openHeight() const override { return 2115; }
    QWidget *focusControl() const override;
    void setStartValues() override;
    QWidget *colorBox() const override;
    bool takeColor(ColorValue color) override;

private:
    FormState &m_state;
    QScrollBar *hsHexRed;
    QScrollBar *hsHexGreen;
    QScrollBar *hsHexBlue;
    QLineEdit *txtHex;
    QLineEdit *txtHexNum;
    QLineEdit *txtHexRGB;
    QLineEdit *txtHexDex;
};

} // namespace Tintora
