#include "panels/mixerpanel.h"

#include "widgets/controls.h"

#include <QScopedValueRollback>
#include <QScrollBar>

namespace Tintora {

namespace {

constexpr const char *kBarTexts[] = {QT_TRANSLATE_NOOP("Tintora::MixerPanel", "RED"),
                                     QT_TRANSLATE_NOOP("Tintora::MixerPanel", "GREEN"),
                                     QT_TRANSLATE_NOOP("Tintora::MixerPanel", "BLUE")};
constexpr const char *kBarDescriptions[] = {QT_TRANSLATE_NOOP("Tintora::MixerPanel", "Red"),
                                            QT_TRANSLATE_NOOP("Tintora::MixerPanel", "Green"),
                                            QT_TRANSLATE_NOOP("Tintora::MixerPanel", "Blue")};

} // namespace

const MixerLayout kRgbMixer {
    "fraRGB",
    QT_TRANSLATE_NOOP("Tintora::MixerPanel", "RGB Colors"),
    {{{"lblRed", {480, 240, 495, 255}, colorValue(255, 0, 0)},
      {"lblGreen", {240, 840, 855, 255}, colorValue(0, 192, 0)},
      {"lblBlue", {480, 1440, 615, 255}, colorValue(0, 0, 192)}}},
    {"hsRed", "hsGreen", "hsBlue"},
    "txtRGB",
    {1440, 240, 855, 1695},
    QT_TRANSLATE_NOOP("Tintora::MixerPanel", "RGB color patch"),
    {{{Notation::Rgb,
       {"Label6", {2400, 360, 1335, 255}, "txtRGBnum", {3600, 240, 2055, 375}, true}},
      {Notation::Html, {"Label8", {2400, 960, 1095, 255}, "txtHTML", {3840, 840, 1815, 375}}},
      {Notation::Decimal,
       {"Label10", {2520, 1440, 615, 375}, "txtDecimal", {3600, 1440, 2055, 375}, false, true}}}},
};

const MixerLayout kHexMixer {
    "fraHtml",
    QT_TRANSLATE_NOOP("Tintora::MixerPanel", "HTML Colors"),
    {{{"Label9", {360, 240, 735, 255}, colorValue(255, 0, 0)},
      {"Label12", {360, 840, 735, 255}, colorValue(0, 128, 0)},
      {"Label14", {360, 1440, 735, 255}, colorValue(0, 0, 192)}}},
    {"hsHexRed", "hsHexGreen", "hsHexBlue"},
    "txtHex",
    {1440, 240, 975, 1695},
    QT_TRANSLATE_NOOP("Tintora::MixerPanel", "HTML color patch"),
    {{{Notation::Html,
       {"Label15", {2640, 480, 1335, 255}, "txtHexNum", {3960, 360, 1695, 375}, true}},
      {Notation::Rgb, {"Label16", {2640, 1080, 1095, 255}, "txtHexRGB", {3960, 960, 1695, 375}}},
      {Notation::Decimal,
       {"Label17", {2640, 1680, 1215, 255}, "txtHexDex", {3960, 1560, 1695, 375}}}}},
};

MixerPanel::MixerPanel(const MixerLayout &layout, QWidget *parent)
    : ColorPanel(QLatin1StringView(layout.name), tr(layout.caption), 2115, parent)
{
    for (int i = 0; i < 3; ++i) {
        const MixerLayout::BarCaption &caption = layout.barCaptions.at(i);
        makeColorCaption(this, QLatin1StringView(caption.name), tr(kBarTexts[i]), caption.color,
                         caption.place);
        m_bars.at(i) = makeScrollBar(this, QLatin1StringView(layout.barNames.at(i)), Qt::Horizontal,
                                     255, {240, 480 + 600 * i, 975, 255}, tr(kBarDescriptions[i]));
        // valueChanged comes for every change, each thumb position of a drag included, so the
        // read-outs follow the thumb.
        connect(m_bars.at(i), &QScrollBar::valueChanged, this, &MixerPanel::showBars);
    }
    addColorBox(layout.colorBoxName, layout.colorBox, tr(layout.colorBoxDescription));
    for (const MixerLayout::ReadOut &readOut : layout.readOuts)
        addReadOut(readOut.notation, readOut.place);
    setFocusControl(m_bars.at(0));
}

void MixerPanel::showBars()
{
    if (!m_movingBars)
        showColor(colorValue(m_bars[0]->value(), m_bars[1]->value(), m_bars[2]->value()));
}

bool MixerPanel::takeColor(ColorValue color)
{
    const Components components = splitColorValue(color);
    {
        // The user sees the colour once, not each bar on its way there.
        const QScopedValueRollback moving(m_movingBars, true);
        m_bars[0]->setValue(components.red);
        m_bars[1]->setValue(components.green);
        m_bars[2]->setValue(components.blue);
    }
    showBars();
    return true;
}

void MixerPanel::reset()
{
    for (QScrollBar *bar : m_bars)
        bar->setValue(0);
    showPlaceholders();
}

} // namespace Tintora
