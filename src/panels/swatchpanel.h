#pragma once

#include "panels/colorpanel.h"

namespace Tintora {

class SwatchPicture;

// "Color Swatches": press a mouse button on the spectrum or the grey ramp and move the mouse;
// the colour under the pointer is shown at once.
class SwatchPanel : public ColorPanel
{
    Q_OBJECT

public:
    explicit SwatchPanel(QWidget *parent = nullptr);

    // Shows the colour as a pick would.
    bool takeColor(ColorValue color) override;
    void reset() override;

private:
    SwatchPicture *addPicture(const char *name, const char *file, QRect twips,
                              const QString &accessibleName);
    void pick(SwatchPicture *picture, QPoint point);

    bool m_buttonHeld = false; // on either picture, from its press to its release
};

} // namespace Tintora
