#pragma once

#include "panels/panelinterface.h"

#include <QGroupBox>

class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "RGB Colors": mixes a colour from three scroll bars and shows it with its three notations.
class RgbPanel : public QGroupBox, public PanelInterface
{
    Q_OBJECT

public:
    RgbPanel(FormState &state, QWidget *parent = nullptr);

    // Shows the colour of the three bars: the RGB Number from the bar values, the HTML and
    // Decimal Numbers from the colour box's back colour.
    void RGBScroller();

    QWidget *widget() override { return this; }
    int openHeight() const override { return 2115; }
    QWidget *focusControl() const override;
    void setStartValues() override;
    QWidget *colorBox() const override;
    bool takeColor(ColorValue color) override;

private:
    FormState &m_state;
    QScrollBar *hsRed;
    QScrollBar *hsGreen;
    QScrollBar *hsBlue;
    QLineEdit *txtRGB;
    QLineEdit *txtRGBnum;
    QLineEdit *txtHTML;
    QLineEdit *txtDecimal;
};

} // namespace Tintora
