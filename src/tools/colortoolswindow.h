#pragma once

#include "core/colorvalue.h"
#include "tools/toolwindow.h"

#include <functional>
#include <optional>

class QTabWidget;

namespace Tintora {

class ContrastSection;
class HarmoniesSection;
class VisionSection;

// What the colour tools need of the program around them.
struct ColorToolsLinks
{
    // Shows a colour in the open panel (ColorTransfer::giveColor).
    std::function<void(ColorValue)> giveColor;
    // Picks a colour from the screen for a function (ColorTransfer::pickFromScreen).
    std::function<void(std::function<void(ColorValue)>)> pickFromScreen;
    // Empty where the screen can be picked from; else why not.
    QString pickRefusal;
};

// View > Colour Tools: three tabs around the open panel's colour. Contrast measures it as text on
// any background, with the nearest colours that pass; Tints and Harmonies offers colours made from
// it; Colour Vision shows it, and the Web Browser panel's sample, as people with a colour-vision
// deficiency see them.
class ColorToolsWindow : public ToolWindow
{
    Q_OBJECT

public:
    ColorToolsWindow(const ColorToolsLinks &links, QWidget *mainWindow);

    // The open panel's colour; none while no colour panel is open.
    void showColor(std::optional<Tintora::ColorValue> color);
    // The Web Browser panel's sample colours.
    void showSampleColors(Tintora::ColorValue text, Tintora::ColorValue back);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Only the tab in view works its colours out, and none while the window is closed: a panel's
    // scroll bar changes the colour many times a second.
    void showCurrentTab();

    std::optional<ColorValue> m_color;
    ColorValue m_sampleText = kBlack;
    ColorValue m_sampleBack = kWhite;
    QTabWidget *m_tabs;
    ContrastSection *m_contrast;
    HarmoniesSection *m_harmonies;
    VisionSection *m_vision;
};

} // namespace Tintora
