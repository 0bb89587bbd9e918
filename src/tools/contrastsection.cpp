#include "tools/contrastsection.h"

#include "core/apca.h"
#include "core/palette.h"
#include "core/passingcolor.h"
#include "tools/swatchbutton.h"
#include "widgets/colordrag.h"
#include "widgets/colorentry.h"
#include "widgets/contrastreadout.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Tintora {

namespace {

// The lightness contrast and what text it suits, by the levels APCA's guide gives for text.
QString apcaText(double lc)
{
    const std::pair<double, QString> uses[] = {
        {90, ContrastSection::tr("enough for any text")},
        {75, ContrastSection::tr("enough for body text")},
        {60, ContrastSection::tr("enough for text other than body text")},
        {45, ContrastSection::tr("enough for large text and headlines")},
        {30, ContrastSection::tr("enough for short spot text only")},
        {15, ContrastSection::tr("enough for no text, only for shapes")},
    };
    const auto use = std::find_if(std::begin(uses), std::end(uses),
                                  [lc](const auto &use) { return std::abs(lc) >= use.first; });
    // A true minus sign, which a screen reader says.
    return ContrastSection::tr("APCA Lc %1 (second opinion): %2")
        .arg(QString::number(lc, 'f', 1).replace(u'-', u'\u2212'),
             use == std::end(uses) ? ContrastSection::tr("too low to read") : use->second);
}

} // namespace

ContrastSection::ContrastSection(const ColorToolsLinks &links, QWidget *parent)
    : QWidget(parent)
    , m_links(links)
    , m_passing {{{tr("AA"), kAaNormalRatio, &Contrast::aaNormal, {}, {}, {}, {}},
                  {tr("AAA"), kAaaNormalRatio, &Contrast::aaaNormal, {}, {}, {}, {}}}}
{
    setObjectName(QStringLiteral("fraContrast"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Text (the open panel's colour):"), this), 0, 0);
    m_foregroundPatch
        = makeColorPatch(this, QStringLiteral("lblContrastText"), tr("Text colour patch"));
    grid->addWidget(m_foregroundPatch, 0, 1);
    m_foregroundText = makeReadOut(this, QStringLiteral("lblContrastTextColor"), tr("Text colour"));
    grid->addWidget(m_foregroundText, 0, 2, 1, 3);

    auto *caption = new QLabel(tr("&Background:"), this);
    grid->addWidget(caption, 1, 0);
    m_backgroundPatch
        = makeColorPatch(this, QStringLiteral("lblContrastBack"), tr("Background colour patch"));
    grid->addWidget(m_backgroundPatch, 1, 1);
    m_backgroundBox = new QLineEdit(this);
    m_backgroundBox->setObjectName(QStringLiteral("txtContrastBack"));
    m_backgroundBox->setAccessibleName(tr("Background colour"));
    caption->setBuddy(m_backgroundBox);
    grid->addWidget(m_backgroundBox, 1, 2);
    new ColorEntry(m_backgroundBox, Notation::Any, [this](ColorValue color) {
        setBackground(color);
        return true;
    });
    // A colour dropped onto the section or its box is the background; text that is none is
    // refused, and so never written into the box either.
    const auto takeDropped = [this](ColorValue color) {
        setBackground(color);
    };
    makeColorDropTarget(this, takeDropped);
    makeColorDropTarget(m_backgroundBox, takeDropped);

    auto *pick = new QPushButton(tr("&Pick from Screen"), this);
    pick->setObjectName(QStringLiteral("cmdContrastPick"));
    pick->setEnabled(m_links.pickRefusal.isEmpty());
    pick->setToolTip(m_links.pickRefusal);
    grid->addWidget(pick, 1, 3);
    connect(pick, &QPushButton::clicked, this, &ContrastSection::pickBackground);
    m_swapButton = new QPushButton(tr("S&wap"), this);
    m_swapButton->setObjectName(QStringLiteral("cmdContrastSwap"));
    m_swapButton->setToolTip(
        tr("The background goes into the open panel, and the panel's colour becomes the "
           "background"));
    grid->addWidget(m_swapButton, 1, 4);
    connect(m_swapButton, &QPushButton::clicked, this, &ContrastSection::swap);

    m_results = new QWidget(this);
    auto *results = new QVBoxLayout(m_results);
    results->setContentsMargins({});
    m_ratio = new ContrastReadout(m_results);
    m_ratio->setObjectName(QStringLiteral("lblContrastRatio"));
    m_ratio->setAccessibleName(tr("Contrast of text and background"));
    results->addWidget(m_ratio);
    m_apca = makeReadOut(m_results, QStringLiteral("lblContrastApca"), tr("APCA contrast"));
    results->addWidget(m_apca);
    addPassingRow(m_passing[0], "AA");
    addPassingRow(m_passing[1], "AAA");
    grid->addWidget(m_results, 2, 0, 1, 5);
    grid->setRowStretch(3, 1);

    setBackground(kWhite);
}

void ContrastSection::addPassingRow(PassingRow &row, const char *name)
{
    auto *line = new QHBoxLayout;
    static_cast<QVBoxLayout *>(m_results->layout())->addLayout(line);
    row.patch = makeColorPatch(m_results, QStringLiteral("lblPassing") + QLatin1StringView(name),
                               tr("Patch of the nearest colour that passes %1").arg(row.level));
    line->addWidget(row.patch);
    row.text = makeReadOut(m_results, QStringLiteral("lblPassingText") + QLatin1StringView(name),
                           tr("Nearest colour that passes %1").arg(row.level));
    line->addWidget(row.text);
    row.apply = new QPushButton(tr("Apply"), m_results);
    row.apply->setObjectName(QStringLiteral("cmdApply") + QLatin1StringView(name));
    row.apply->setAccessibleName(tr("Apply the nearest colour that passes %1").arg(row.level));
    line->addWidget(row.apply);
    line->addStretch();
    connect(row.apply, &QPushButton::clicked, this, [this, &row] {
        if (row.color)
            m_links.giveColor(*row.color);
    });
}

void ContrastSection::showForeground(std::optional<ColorValue> color)
{
    m_foreground = color;
    showContrast();
}

void ContrastSection::setBackground(ColorValue color)
{
    m_background = color;
    setTextFromStart(m_backgroundBox, hashColor(color));
    setBackColor(m_backgroundPatch, color);
    showContrast();
}

void ContrastSection::pickBackground()
{
    m_links.pickFromScreen([section = QPointer(this)](ColorValue color) {
        if (section)
            section->setBackground(color);
    });
}

void ContrastSection::swap()
{
    if (!m_foreground)
        return;
    const ColorValue background = m_background;
    setBackground(*m_foreground);
    // The panel's change comes back through showForeground; a panel without the colour (the QB
    // colours, the catalogue) shows its nearest.
    m_links.giveColor(background);
}

void ContrastSection::showContrast()
{
    m_results->setVisible(m_foreground.has_value());
    m_swapButton->setEnabled(m_foreground.has_value());
    m_foregroundPatch->setVisible(m_foreground.has_value());
    if (!m_foreground) {
        m_foregroundText->setText(tr("No colour panel is open."));
        return;
    }
    setBackColor(m_foregroundPatch, *m_foreground);
    m_foregroundText->setText(hashColor(*m_foreground));
    m_ratio->showContrast(*m_foreground, m_background);
    m_apca->setText(apcaText(apcaContrast(*m_foreground, m_background)));
    const Contrast contrast = contrastOf(*m_foreground, m_background);
    for (PassingRow &row : m_passing)
        showPassing(row, contrast);
}

void ContrastSection::showPassing(PassingRow &row, const Contrast &contrast)
{
    row.color.reset();
    const bool passes = contrast.*row.passes;
    const std::optional<PassingColor> found
        = passes ? std::nullopt : nearestPassingColor(*m_foreground, m_background, row.ratio);
    row.patch->setVisible(found.has_value());
    row.apply->setVisible(found.has_value());
    if (passes) {
        row.text->setText(tr("%1: the text passes.").arg(row.level));
    } else if (!found) {
        row.text->setText(
            tr("%1: no lightness of this hue passes on this background.").arg(row.level));
    } else {
        row.color = found->color;
        setBackColor(row.patch, found->color);
        row.text->setText(tr("%1: nearest that passes %2, ΔE %3, %4")
                              .arg(row.level, hashColor(found->color),
                                   QString::number(found->deltaE, 'f', 1),
                                   ratioText(found->ratio)));
    }
}

} // namespace Tintora
