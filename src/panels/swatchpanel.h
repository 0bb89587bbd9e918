#pragma once

#include <QGroupBox>

class QLineEdit;

namespace Tintora {

class FormState;
class SwatchPicture;

// "Color Swatches": press a mouse button on the spectrum or the grey ramp and move the mouse;
// the colour under the pointer is shown at once.
class SwatchPanel : public QGroupBox
{
    Q_OBJECT

public:
    SwatchPanel(FormState &state, QWidget *parent = nullptr);

    SwatchPicture *picTintora;
    SwatchPicture *picBwBox;
    QLineEdit *txtColor;
    QLineEdit *txtColorDecimal;
    QLineEdit *txtColorHtml;
    QLineEdit *txtColorRgb;

private:
    void connectPicture(SwatchPicture *picture);
    void pick(SwatchPicture *picture, QPoint point);

    FormState &m_state;
};

} // namespace Tintora
