#pragma once

#include "core/colorvalue.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QLabel;

namespace Tintora {

class SwatchButton;

// Tints, shades and tones of the open panel's colour and the colours that go with it, each a
// swatch that goes into the panel when chosen and can be dragged away.
class HarmoniesSection : public QWidget
{
    Q_OBJECT

public:
    HarmoniesSection(std::function<void(ColorValue)> giveColor, QWidget *parent);

    void showColor(std::optional<ColorValue> color);

private:
    QLabel *m_note;
    QWidget *m_swatches;
    std::vector<SwatchButton *> m_buttons; // row by row, as swatchRows gives them
};

} // namespace Tintora
