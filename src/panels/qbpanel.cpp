#include "panels/qbpanel.h"

#include "core/colordifference.h"
#include "core/qbcolors.h"
#include "widgets/controls.h"

#include <QScrollBar>

namespace Tintora {

QbPanel::QbPanel(QWidget *parent)
    : ColorPanel(QStringLiteral("fraQBcolors"), tr("QB Colors"), 1755, parent)
{
    m_bar = makeScrollBar(this, QStringLiteral("vsQB"), Qt::Vertical, int(kQbColors.size()) - 1,
                          {120, 240, 735, 1335}, tr("QB color"));
    addColorBox("txtQB", {960, 240, 1335, 1335}, tr("QB color patch"));
    m_numberBox = addNumberBox(
        tr("QB Number"), {"Label3", {2640, 360, 1095, 255}, "txtQBnum", {3960, 240, 495, 375}},
        tr("a QB Number (0 to 15), "), [this](const QString &text) {
            bool isNumber = false;
            const int number = text.trimmed().toInt(&isNumber);
            if (!isNumber || number < m_bar->minimum() || number > m_bar->maximum())
                return false;
            goToNumber(number);
            return true;
        });
    addReadOut(Notation::Rgb,
               {"Label4", {2640, 840, 1095, 255}, "txtRGBqb", {3960, 720, 1695, 405}});
    addReadOut(Notation::Html,
               {"Label5", {2640, 1320, 1215, 255}, "txtHTMLqb", {3960, 1200, 1695, 375}});
    setFocusControl(m_bar);
    connect(m_bar, &QScrollBar::valueChanged, this, &QbPanel::showNumber);
}

void QbPanel::showNumber(int number)
{
    setNote(m_numberBox, QString());
    m_numberBox->setText(QString::number(number));
    showColor(kQbColors.at(number));
}

void QbPanel::goToNumber(int number)
{
    if (!moveBarTo(m_bar, number))
        showNumber(number);
}

bool QbPanel::takeColor(ColorValue color)
{
    const NearestColor nearest = nearestQbColor(color);
    goToNumber(nearest.index);
    if (!nearest.exact) {
        setNote(m_numberBox,
                tr("The nearest QB color to %1, not the same (ΔE %2)")
                    .arg(htmlNumber(color))
                    .arg(nearest.deltaE, 0, 'f', 1));
    }
    return true;
}

void QbPanel::reset()
{
    goToNumber(0);
    showPlaceholders();
}

} // namespace Tintora
