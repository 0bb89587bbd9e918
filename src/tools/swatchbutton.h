#pragma once

#include "core/harmonies.h"

#include <QToolButton>

class QLabel;

namespace Tintora {

// A colour as a button: its swatch with the label and #RRGGBB under it, "Triadic +120°, #RRGGBB"
// to a screen reader. A click, Enter or Space chooses it; dragged away it gives the colour as drag
// data (application/x-color and #RRGGBB text), to the palette or another program.
class SwatchButton : public QToolButton
{
    Q_OBJECT

public:
    explicit SwatchButton(QWidget *parent = nullptr);

    void setSwatch(const Swatch &swatch);

signals:
    void chosen(Tintora::ColorValue color);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    ColorValue m_color = kBlack;
    QPoint m_pressedAt;
};

// A patch of colour (setBackColor) in a frame that shows on any back colour.
QLabel *makeColorPatch(QWidget *parent, const QString &name, const QString &accessibleName);

// A read-out that a screen reader finds with Tab and reads, with its text to copy.
QLabel *makeReadOut(QWidget *parent, const QString &name, const QString &accessibleName);

} // namespace Tintora
