#include "panels/rgbpanel.h"

#include "core/formstate.h"
#include "widgets/colorentry.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QScrollBar>

namespace Tintora {

RgbPanel::RgbPanel(FormState &state, QWidget *parent)
    : QGroupBox(tr("RGB Colors"), parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("fraRGB"));
    placePanel(this);

    makeColorCaption(this, QStringLiteral("lblRed"), tr("RED"), colorValue(255, 0, 0),
                     twipsRect(480, 240, 495, 255));
    hsRed = makeScrollBar(this, QStringLiteral("hsRed"), Qt::Horizontal, 255,
                          twipsRect(240, 480, 975, 255), tr("Red"));
    makeColorCaption(this, QStringLiteral("lblGreen"), tr("GREEN"), colorValue(0, 192, 0),
                     twipsRect(240, 840, 855, 255));
    hsGreen = makeScrollBar(this, QStringLiteral("hsGreen"), Qt::Horizontal, 255,
                            twipsRect(240, 1080, 975, 255), tr("Green"));
    makeColorCaption(this, QStringLiteral("lblBlue"), tr("BLUE"), colorValue(0, 0, 192),
                     twipsRect(480, 1440, 615, 255));
    hsBlue = makeScrollBar(this, QStringLiteral("hsBlue"), Qt::Horizontal, 255,
                           twipsRect(240, 1680, 975, 255), tr("Blue"));

    txtRGB = makeColorBox(this, QStringLiteral("txtRGB"), twipsRect(1440, 240, 855, 1695),
                          tr("RGB color patch"));

    QLabel *numberCaption = makeLabel(this, QStringLiteral("Label6"), tr("RGB Number"),
                                      twipsRect(2400, 360, 1335, 255));
    numberCaption->setFont(defaultFont(8.25, true));
    txtRGBnum = makeReadOnlyBox(this, QStringLiteral("txtRGBnum"), twipsRect(3600, 240, 2055, 375),
                                numberCaption);
    txtRGBnum->setFont(defaultFont(8.25, true));
    txtHTML = makeReadOnlyBox(this, QStringLiteral("txtHTML"), twipsRect(3840, 840, 1815, 375),
                              makeLabel(this, QStringLiteral("Label8"), tr("HTML Number"),
                                        twipsRect(2400, 960, 1095, 255)));
    QLabel *decimalCaption = makeLabel(this, QStringLiteral("Label10"), tr("Decimal Number"),
                                       twipsRect(2520, 1440, 615, 375));
    decimalCaption->setWordWrap(true);
    txtDecimal = makeReadOnlyBox(this, QStringLiteral("txtDecimal"),
                                 twipsRect(3600, 1440, 2055, 375), decimalCaption);

    // valueChanged comes for every change, each thumb position of a drag included, so the
    // read-outs follow the thumb.
    for (QScrollBar *bar : {hsRed, hsGreen, hsBlue})
        connect(bar, &QScrollBar::valueChanged, this, &RgbPanel::RGBScroller);
    attachColorEntry(txtRGBnum, Notation::Rgb, [this](ColorValue color) { takeColor(color); });
    attachColorEntry(txtHTML, Notation::Html, [this](ColorValue color) { takeColor(color); });
    attachColorEntry(txtDecimal, Notation::Decimal, [this](ColorValue color) { takeColor(color); });
}

void RgbPanel::RGBScroller()
{
    const int red = hsRed->value();
    const int green = hsGreen->value();
    const int blue = hsBlue->value();
    txtRGBnum->setText(rgbNumber(red, green, blue));
    setBackColor(txtRGB, colorValue(red, green, blue));
    m_state.varDecimal = backColor(txtRGB);
    m_state.DecimalToRGB();
    txtHTML->setText(m_state.strHexColor);
    txtDecimal->setText(QString::number(backColor(txtRGB)));
}

QWidget *RgbPanel::focusControl() const
{
    return hsRed;
}

QWidget *RgbPanel::colorBox() const
{
    return txtRGB;
}

// Bars already in place still show the colour, over whatever was typed.
bool RgbPanel::takeColor(ColorValue color)
{
    if (!moveBarsTo(hsRed, hsGreen, hsBlue, color))
        RGBScroller();
    return true;
}

void RgbPanel::setStartValues()
{
    for (QScrollBar *bar : {hsRed, hsGreen, hsBlue})
        bar->setValue(0);
    txtRGBnum->setText(rgbPlaceholder());
    txtDecimal->setText(decimalPlaceholder());
    txtHTML->setText(htmlPlaceholder());
    setBackColor(txtRGB, kBlack);
}

} // namespace Tintora
