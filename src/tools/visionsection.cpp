#include "tools/visionsection.h"

#include "core/palette.h"
#include "tools/swatchbutton.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QLabel>

namespace Tintora {

VisionSection::VisionSection(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraVision"));
    m_rows = {{std::nullopt, tr("Normal colour vision")},
              {ColorVision::Protanopia, tr("Protanopia (no red cones)")},
              {ColorVision::Deuteranopia, tr("Deuteranopia (no green cones)")},
              {ColorVision::Tritanopia, tr("Tritanopia (no blue cones)")},
              {ColorVision::Achromatopsia, tr("Achromatopsia (no colour vision)")}};
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("The colour"), this), 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("The sample"), this), 0, 3);
    grid->addWidget(new QLabel(tr("Its contrast"), this), 0, 4);
    for (int line = 1; Row & row : m_rows) {
        grid->addWidget(new QLabel(row.name, this), line, 0);
        row.patch = makeColorPatch(this, QStringLiteral("lblVisionPatch%1").arg(line),
                                   tr("%1: colour patch").arg(row.name));
        grid->addWidget(row.patch, line, 1);
        row.color = new QLabel(this);
        row.color->setAccessibleName(tr("%1: colour").arg(row.name));
        grid->addWidget(row.color, line, 2);
        row.sample = new QLabel(tr("Text Sample"), this);
        row.sample->setObjectName(QStringLiteral("lblVisionSample%1").arg(line));
        row.sample->setAutoFillBackground(true);
        row.sample->setMargin(4);
        grid->addWidget(row.sample, line, 3);
        // One stop in the Tab order for each row, which tells all of it.
        row.ratio = makeReadOut(this, QStringLiteral("lblVisionRatio%1").arg(line), row.name);
        grid->addWidget(row.ratio, line++, 4);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    showColors(std::nullopt, kBlack, kWhite);
}

void VisionSection::showColors(std::optional<ColorValue> color, ColorValue text, ColorValue back)
{
    for (const Row &row : m_rows) {
        const auto seen = [&row](ColorValue shown) {
            return row.vision ? simulateColorVision(shown, *row.vision) : shown;
        };
        const QString ratio = ratioText(
            (row.vision ? contrastUnder(*row.vision, text, back) : contrastOf(text, back)).ratio);
        setForeColor(row.sample, seen(text));
        setBackColor(row.sample, seen(back));
        row.ratio->setText(ratio);
        row.patch->setVisible(color.has_value());
        if (color)
            setBackColor(row.patch, seen(*color));
        row.color->setText(color ? hashColor(seen(*color)) : QString());
        row.ratio->setAccessibleDescription(
            tr("%1 The sample's text looks %2 on %3, contrast %4.")
                .arg(color ? tr("The colour looks %1.").arg(hashColor(seen(*color)))
                           : tr("No colour panel is open."),
                     hashColor(seen(text)), hashColor(seen(back)), ratio));
    }
}

} // namespace Tintora
