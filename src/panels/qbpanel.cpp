#include "panels/qbpanel.h"

#include "core/colordifference.h"
#include "core/formstate.h"
#include "core/qbcolors.h"
#include "widgets/colorentry.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QScrollBar>

namespace Tintora {

QbPanel::QbPanel(FormState &state, QWidget *parent)
    : QGroupBox(tr("QB Colors"), parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("fraQBcolors"));
    placePanel(this);

    vsQB = makeScrollBar(this, QStringLiteral("vsQB"), Qt::Vertical, int(kQbColors.size()) - 1,
                         twipsRect(120, 240, 735, 1335), tr("QB color"));
    txtQB = makeColorBox(this, QStringLiteral("txtQB"), twipsRect(960, 240, 1335, 1335),
                         tr("QB color patch"));

    QLabel *numberCaption = makeLabel(this, QStringLiteral("Label3"), tr("QB Number"),
                                      twipsRect(2640, 360, 1095, 255));
    numberCaption->setFont(defaultFont(8.25, true));
    txtQBnum = makeReadOnlyBox(this, QStringLiteral("txtQBnum"), twipsRect(3960, 240, 495, 375),
                               numberCaption);
    txtQBnum->setFont(defaultFont(9.75, true));
    txtRGBqb = makeReadOnlyBox(this, QStringLiteral("txtRGBqb"), twipsRect(3960, 720, 1695, 405),
                               makeLabel(this, QStringLiteral("Label4"), tr("RGB Number"),
                                         twipsRect(2640, 840, 1095, 255)));
    txtHTMLqb = makeReadOnlyBox(this, QStringLiteral("txtHTMLqb"), twipsRect(3960, 1200, 1695, 375),
                                makeLabel(this, QStringLiteral("Label5"), tr("HTML Number"),
                                          twipsRect(2640, 1320, 1215, 255)));

    connect(vsQB, &QScrollBar::valueChanged, this, &QbPanel::QBScroller);

    // The QB Number box takes a QB number 0 to 15 as well as a colour.
    new ColorEntry(txtQBnum, tr("a QB Number (0 to 15), ") + acceptedNotations(Notation::None),
                   [this](const QString &text) {
                       bool isNumber = false;
                       const int number = text.trimmed().toInt(&isNumber);
                       if (isNumber && number >= vsQB->minimum() && number <= vsQB->maximum()) {
                           showColorNumber(number);
                           return true;
                       }
                       const std::optional<ColorValue> color = parseColor(text, Notation::None);
                       return color && takeColor(*color);
                   });
    for (auto [box, notation] : {std::pair {txtRGBqb, Notation::Rgb}, {txtHTMLqb, Notation::Html}})
        attachColorEntry(box, notation, [this](ColorValue color) { takeColor(color); });
}

void QbPanel::QBScroller()
{
    const int number = vsQB->value();
    setMatchNote(QString());
    txtQBnum->setText(QString::number(number));
    setBackColor(txtQB, kQbColors.at(number));
    m_state.varDecimal = backColor(txtQB);
    m_state.DecimalToRGB();
    txtRGBqb->setText(rgbNumber(m_state.intRed, m_state.intGreen, m_state.intBlue));
    txtHTMLqb->setText(m_state.strHexColor);
}

bool QbPanel::takeColor(ColorValue color)
{
    const NearestColor nearest = nearestQbColor(color);
    showColorNumber(nearest.index);
    if (!nearest.exact) {
        setMatchNote(tr("The nearest QB color to %1, not the same (ΔE %2)")
                         .arg(htmlNumber(color))
                         .arg(nearest.deltaE, 0, 'f', 1));
    }
    return true;
}

void QbPanel::showColorNumber(int number)
{
    if (!moveBarTo(vsQB, number))
        QBScroller();
}

void QbPanel::setMatchNote(const QString &note)
{
    setNote(txtQBnum, note);
}

void QbPanel::showFirstColor()
{
    vsQB->setValue(0);
    QBScroller();
}

QWidget *QbPanel::focusControl() const
{
    return vsQB;
}

QWidget *QbPanel::colorBox() const
{
    return txtQB;
}

void QbPanel::setStartValues()
{
    txtRGBqb->setText(rgbPlaceholder());
    txtHTMLqb->setText(htmlPlaceholder());
    setBackColor(txtQB, kBlack);
}

void QbPanel::reset()
{
    setMatchNote(QString());
    vsQB->setValue(0);
}

} // namespace Tintora
