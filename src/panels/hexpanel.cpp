#include "panels/hexpanel.h"

#include "core/formstate.h"
#include "widgets/colorentry.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QScrollBar>

namespace Tintora {

HexPanel::HexPanel(FormState &state, QWidget *parent)
    : QGroupBox(tr("HTML Colors"), parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("fraHtml"));
    placePanel(this);

    makeColorCaption(this, QStringLiteral("Label9"), tr("RED"), colorValue(255, 0, 0),
                     twipsRect(360, 240, 735, 255));
    hsHexRed = makeScrollBar(this, QStringLiteral("hsHexRed"), Qt::Horizontal, 255,
                             twipsRect(240, 480, 975, 255), tr("Red"));
    makeColorCaption(this, QStringLiteral("Label12"), tr("GREEN"), colorValue(0, 128, 0),
                     twipsRect(360, 840, 735, 255));
    hsHexGreen = makeScrollBar(this, QStringLiteral("hsHexGreen"), Qt::Horizontal, 255,
                               twipsRect(240, 1080, 975, 255), tr("Green"));
    makeColorCaption(this, QStringLiteral("Label14"), tr("BLUE"), colorValue(0, 0, 192),
                     twipsRect(360, 1440, 735, 255));
    hsHexBlue = makeScrollBar(this, QStringLiteral("hsHexBlue"), Qt::Horizontal, 255,
                              twipsRect(240, 1680, 975, 255), tr("Blue"));

    txtHex = makeColorBox(this, QStringLiteral("txtHex"), twipsRect(1440, 240, 975, 1695),
                          tr("HTML color patch"));

    QLabel *numberCaption = makeLabel(this, QStringLiteral("Label15"), tr("HTML Number"),
                                      twipsRect(2640, 480, 1335, 255));
    numberCaption->setFont(defaultFont(8.25, true));
    txtHexNum = makeReadOnlyBox(this, QStringLiteral("txtHexNum"), twipsRect(3960, 360, 1695, 375),
                                numberCaption);
    txtHexNum->setFont(defaultFont(8.25, true));
    txtHexRGB = makeReadOnlyBox(this, QStringLiteral("txtHexRGB"), twipsRect(3960, 960, 1695, 375),
                                makeLabel(this, QStringLiteral("Label16"), tr("RGB Number"),
                                          twipsRect(2640, 1080, 1095, 255)));
    txtHexDex = makeReadOnlyBox(this, QStringLiteral("txtHexDex"), twipsRect(3960, 1560, 1695, 375),
                                makeLabel(this, QStringLiteral("Label17"), tr("Decimal Number"),
                                          twipsRect(2640, 1680, 1215, 255)));

    // valueChanged also comes for each thumb position of a drag.
    for (QScrollBar *bar : {hsHexRed, hsHexGreen, hsHexBlue})
        connect(bar, &QScrollBar::valueChanged, this, &HexPanel::HexScroller);
    attachColorEntry(txtHexNum, Notation::Html, [this](ColorValue color) { takeColor(color); });
    attachColorEntry(txtHexRGB, Notation::Rgb, [this](ColorValue color) { takeColor(color); });
    attachColorEntry(txtHexDex, Notation::Decimal, [this](ColorValue color) { takeColor(color); });
}

void HexPanel::HexScroller()
{
    setBackColor(txtHex, colorValue(hsHexRed->value(), hsHexGreen->value(), hsHexBlue->value()));
    m_state.varDecimal = backColor(txtHex);
    m_state.DecimalToRGB();
    txtHexRGB->setText(rgbNumber(m_state.intRed, m_state.intGreen, m_state.intBlue));
    txtHexNum->setText(m_state.strHexColor);
    txtHexDex->setText(QString::number(backColor(txtHex)));
}

QWidget *HexPanel::focusControl() const
{
    return hsHexRed;
}

QWidget *HexPanel::colorBox() const
{
    return txtHex;
}

// Bars already in place still show the colour, over whatever was typed.
bool HexPanel::takeColor(ColorValue color)
{
    if (!moveBarsTo(hsHexRed, hsHexGreen, hsHexBlue, color))
        HexScroller();
    return true;
}

void HexPanel::setStartValues()
{
    for (QScrollBar *bar : {hsHexRed, hsHexGreen, hsHexBlue})
        bar->setValue(0);
    txtHexNum->setText(htmlPlaceholder());
    txtHexDex->setText(decimalPlaceholder());
    txtHexRGB->setText(rgbPlaceholder());
    setBackColor(txtHex, kBlack);
}

} // namespace Tintora
