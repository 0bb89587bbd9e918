#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "RGB Colors": mixes a colour from three scroll bars and shows it with its three notations.
class RgbPanel : public QGroupBox
{
    Q_OBJECT

public:
    RgbPanel(FormState &state, QWidget *parent = nullptr);

    // Shows the colour of the three bars: the RGB Number from the bar values, the HTML and
    // Decimal Numbers from the colour box's back colour.
    void RGBScroller();

    QScrollBar *hsRed;
    QScrollBar *hsGreen;
    QScrollBar *hsBlue;
    QLineEdit *txtRGB;
    QLineEdit *txtRGBnum;
    QLineEdit *txtHTML;
    QLineEdit *txtDecimal;

private:
    FormState &m_state;
};

} // namespace Tintora
