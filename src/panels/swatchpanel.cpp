#include "panels/swatchpanel.h"

#include "core/formstate.h"
#include "core/numericvalue.h"
#include "widgets/colorentry.h"
#include "widgets/controls.h"
#include "widgets/swatchpicture.h"

#include <QLabel>

namespace Tintora {

SwatchPanel::SwatchPanel(FormState &state, QWidget *parent)
    : QGroupBox(tr("Color Swatches"), parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("fraSwatches"));
    placePanel(this);

    picTintora = new SwatchPicture(QStringLiteral("picTintora"),
                                   QImage(QStringLiteral(":/pictures/swatch-colors.png")), this);
    picTintora->setGeometry(twipsRect(120, 240, 2415, 1695));
    picTintora->setAccessibleName(tr("Color spectrum"));
    picBwBox = new SwatchPicture(QStringLiteral("picBwBox"),
                                 QImage(QStringLiteral(":/pictures/swatch-greys.png")), this);
    picBwBox->setGeometry(twipsRect(120, 2040, 2415, 1455));
    picBwBox->setAccessibleName(tr("Gray ramp"));

    QLabel *decimalLabel = makeLabel(this, QStringLiteral("Label13"), tr("Decimal Number"),
                                     twipsRect(2640, 240, 735, 375));
    decimalLabel->setFont(defaultFont(8.25, true));
    decimalLabel->setWordWrap(true);
    txtColorDecimal = makeReadOnlyBox(this, QStringLiteral("txtColorDecimal"),
                                      twipsRect(3600, 240, 2055, 375), decimalLabel);
    txtColorDecimal->setFont(defaultFont(8.25, true));
    txtColorHtml
        = makeReadOnlyBox(this, QStringLiteral("txtColorHtml"), twipsRect(3840, 960, 1815, 405),
                          makeLabel(this, QStringLiteral("Label11"), tr("HTML Number"),
                                    twipsRect(2640, 1080, 1095, 255)));
    txtColorRgb
        = makeReadOnlyBox(this, QStringLiteral("txtColorRgb"), twipsRect(3840, 1560, 1815, 375),
                          makeLabel(this, QStringLiteral("Label7"), tr("RGB Number"),
                                    twipsRect(2640, 1680, 1095, 255)));
    txtColor = makeColorBox(this, QStringLiteral("txtColor"), twipsRect(2760, 2040, 2895, 1455),
                            tr("Swatch color patch"));

    connectPicture(picTintora);
    connectPicture(picBwBox);
    for (auto [box, notation] : {std::pair {txtColorDecimal, Notation::Decimal},
                                 {txtColorHtml, Notation::Html},
                                 {txtColorRgb, Notation::Rgb}})
        attachColorEntry(box, notation, [this](ColorValue color) { takeColor(color); });
}

void SwatchPanel::connectPicture(SwatchPicture *picture)
{
    picture->setToolTip(tr("Click Down and Move Mouse"));
    connect(picture, &SwatchPicture::mouseDown, this, [this, picture](QPoint point) {
        m_state.blnMouseUp = false;
        pick(picture, point);
    });
    connect(picture, &SwatchPicture::mouseMove, this, [this, picture](QPoint point) {
        if (!m_state.blnMouseUp)
            pick(picture, point);
    });
    connect(picture, &SwatchPicture::mouseUp, this, [this, picture] {
        m_state.blnMouseUp = true;
        picture->setCursor(Qt::ArrowCursor);
    });
}

void SwatchPanel::pick(SwatchPicture *picture, QPoint point)
{
    picture->setCursor(Qt::CrossCursor);
    showDecimal(QString::number(picture->colorAt(point)));
}

bool SwatchPanel::takeColor(ColorValue color)
{
    showDecimal(QString::number(color));
    return true;
}

void SwatchPanel::showDecimal(const QString &decimal)
{
    txtColorDecimal->setText(decimal);
    // No colour outside the picture: show black.
    if (leadingNumber(txtColorDecimal->text()) == -1)
        txtColorDecimal->setText(QStringLiteral("0"));
    setBackColor(txtColor, numericInt32(txtColorDecimal->text()).value_or(0));
    m_state.varDecimal = backColor(txtColor);
    m_state.DecimalToRGB();
    txtColorRgb->setText(rgbNumber(m_state.intRed, m_state.intGreen, m_state.intBlue));
    txtColorHtml->setText(m_state.strHexColor);
}

QWidget *SwatchPanel::focusControl() const
{
    return picTintora;
}

QWidget *SwatchPanel::colorBox() const
{
    return txtColor;
}

void SwatchPanel::setStartValues()
{
    txtColorDecimal->setText(decimalPlaceholder());
    txtColorRgb->setText(rgbPlaceholder());
    txtColorHtml->setText(htmlPlaceholder());
    setBackColor(txtColor, kBlack);
}

} // namespace Tintora
