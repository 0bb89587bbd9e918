#include "tools/harmoniessection.h"

#include "core/harmonies.h"
#include "core/palette.h"
#include "tools/swatchbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Tintora {

namespace {

// One row for each kind of variation, then the harmonies in two rows of five.
std::vector<QList<Swatch>> swatchRows(ColorValue color)
{
    std::vector<QList<Swatch>> rows;
    for (const Variation variation : kVariations)
        rows.push_back(variationsOf(color, variation));
    rows.push_back(harmonyOf(color, Harmony::Complementary) + harmonyOf(color, Harmony::Analogous)
                   + harmonyOf(color, Harmony::Triadic));
    rows.push_back(harmonyOf(color, Harmony::SplitComplementary)
                   + harmonyOf(color, Harmony::Tetradic));
    return rows;
}

} // namespace

HarmoniesSection::HarmoniesSection(std::function<void(ColorValue)> giveColor, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraHarmonies"));
    auto *layout = new QVBoxLayout(this);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblHarmoniesNote"));
    layout->addWidget(m_note);
    m_swatches = new QWidget(this);
    auto *rows = new QVBoxLayout(m_swatches);
    rows->setContentsMargins({});
    layout->addWidget(m_swatches);
    layout->addStretch();
    for (const QList<Swatch> &row : swatchRows(kBlack)) {
        auto *line = new QHBoxLayout;
        rows->addLayout(line);
        for (qsizetype i = 0; i < row.size(); ++i) {
            auto *button = new SwatchButton(m_swatches);
            button->setObjectName(QStringLiteral("cmdSwatch%1").arg(m_buttons.size()));
            connect(button, &SwatchButton::chosen, this, giveColor);
            line->addWidget(button);
            m_buttons.push_back(button);
        }
        line->addStretch();
    }
    showColor(std::nullopt);
}

void HarmoniesSection::showColor(std::optional<ColorValue> color)
{
    m_swatches->setVisible(color.has_value());
    m_note->setText(color ? tr("Made from %1 in OKLCH. Click one, or press Enter, to use it; "
                               "drag it to the palette or another program.")
                                .arg(hashColor(*color))
                          : tr("No colour panel is open."));
    if (!color)
        return;
    auto button = m_buttons.begin();
    for (const QList<Swatch> &row : swatchRows(*color)) {
        for (const Swatch &swatch : row)
            (*button++)->setSwatch(swatch);
    }
}

} // namespace Tintora
