#pragma once

#include <QGroupBox>

class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "HTML Colors": composes a web colour from three scroll bars and leads with its HTML Number.
class HexPanel : public QGroupBox
{
    Q_OBJECT

public:
    HexPanel(FormState &state, QWidget *parent = nullptr);

    // Sets the colour box first, then writes the RGB, HTML and Decimal Numbers, all derived from
    // the colour box's back colour.
    void HexScroller();

    QScrollBar *hsHexRed;
    QScrollBar *hsHexGreen;
    QScrollBar *hsHexBlue;
    QLineEdit *txtHex;
    QLineEdit *txtHexNum;
    QLineEdit *txtHexRGB;
    QLineEdit *txtHexDex;

private:
    FormState &m_state;
};

} // namespace Tintora
