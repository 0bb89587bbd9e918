#pragma once

#include "panels/colorpanel.h"

#include <array>

class QScrollBar;

namespace Tintora {

// What tells the two mixers apart: names, caption, the bars' captions with their colours and
// places, the colour box, and the read-outs in their order, the first one in bold.
struct MixerLayout
{
    struct BarCaption
    {
        const char *name;
        QRect place;
        ColorValue color;
    };
    struct ReadOut
    {
        Notation notation;
        ReadOutPlace place;
    };

    const char *name;
    const char *caption; // untranslated, in the MixerPanel context
    std::array<BarCaption, 3> barCaptions; // "RED", "GREEN", "BLUE"
    std::array<const char *, 3> barNames; // red, green, blue
    const char *colorBoxName;
    QRect colorBox;
    const char *colorBoxDescription; // untranslated, in the MixerPanel context
    std::array<ReadOut, 3> readOuts;
};

// "RGB Colors", which leads with the RGB Number, and "HTML Colors", which leads with the HTML
// Number.
extern const MixerLayout kRgbMixer;
extern const MixerLayout kHexMixer;

// Mixes a colour from three component bars and shows it in the colour box and its read-outs. The
// RGB and the Hex panels are this panel, each with its own layout.
class MixerPanel : public ColorPanel
{
    Q_OBJECT

public:
    MixerPanel(const MixerLayout &layout, QWidget *parent = nullptr);

    // Moves the bars to the colour, which the panel then shows even where they were in place
    // already, over whatever was typed.
    bool takeColor(ColorValue color) override;
    void reset() override;

private:
    void showBars();

    std::array<QScrollBar *, 3> m_bars {};
    bool m_movingBars = false; // the bars go to a colour given from outside
};

} // namespace Tintora
