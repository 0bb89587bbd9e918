#pragma once

#include "panels/panelinterface.h"

#include <QGroupBox>

class QLineEdit;

namespace Tintora {

class FormState;
class SwatchPicture;

// "Color Swatches": press a mouse button on the spectrum or the grey ramp and move the mouse;
// the colour under the pointer is shown at once.
class SwatchPanel : public QGroupBox, public PanelInterface
{
    Q_OBJECT

public:
    SwatchPanel(FormState &state, QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    int openHeight() const override { return 3615; }
    QWidget *focusControl() const override;
    void setStartValues() override;
    QWidget *colorBox() const override;
    bool takeColor(ColorValue color) override;

private:
    void connectPicture(SwatchPicture *picture);
    void pick(SwatchPicture *picture, QPoint point);
    // The steps of a pick after the picture's colour is read: the colour as a decimal text.
    void showDecimal(const QString &decimal);

    FormState &m_state;
    SwatchPicture *picTintora;
    SwatchPicture *picBwBox;
    QLineEdit *txtColor;
    QLineEdit *txtColorDecimal;
    QLineEdit *txtColorHtml;
    QLineEdit *txtColorRgb;
};

} // namespace Tintora
