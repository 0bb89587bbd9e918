#include "panels/swatchpanel.h"

#include "widgets/controls.h"
#include "widgets/swatchpicture.h"

namespace Tintora {

SwatchPanel::SwatchPanel(QWidget *parent)
    : ColorPanel(QStringLiteral("fraSwatches"), tr("Color Swatches"), 3615, parent)
{
    setFocusControl(addPicture("picTintora", ":/pictures/swatch-colors.png", {120, 240, 2415, 1695},
                               tr("Color spectrum")));
    addPicture("picBwBox", ":/pictures/swatch-greys.png", {120, 2040, 2415, 1455}, tr("Gray ramp"));
    addReadOut(
        Notation::Decimal,
        {"Label13", {2640, 240, 735, 375}, "txtColorDecimal", {3600, 240, 2055, 375}, true, true});
    addReadOut(Notation::Html,
               {"Label11", {2640, 1080, 1095, 255}, "txtColorHtml", {3840, 960, 1815, 405}});
    addReadOut(Notation::Rgb,
               {"Label7", {2640, 1680, 1095, 255}, "txtColorRgb", {3840, 1560, 1815, 375}});
    addColorBox("txtColor", {2760, 2040, 2895, 1455}, tr("Swatch color patch"));
}

SwatchPicture *SwatchPanel::addPicture(const char *name, const char *file, QRect twips,
                                       const QString &accessibleName)
{
    auto *picture
        = new SwatchPicture(QLatin1StringView(name), QImage(QLatin1StringView(file)), this);
    picture->setGeometry(twipsRect(twips));
    picture->setAccessibleName(accessibleName);
    picture->setToolTip(tr("Click Down and Move Mouse"));
    connect(picture, &SwatchPicture::mouseDown, this, [this, picture](QPoint point) {
        m_buttonHeld = true;
        pick(picture, point);
    });
    connect(picture, &SwatchPicture::mouseMove, this, [this, picture](QPoint point) {
        if (m_buttonHeld)
            pick(picture, point);
    });
    connect(picture, &SwatchPicture::mouseUp, this, [this, picture] {
        m_buttonHeld = false;
        picture->setCursor(Qt::ArrowCursor);
    });
    return picture;
}

void SwatchPanel::pick(SwatchPicture *picture, QPoint point)
{
    picture->setCursor(Qt::CrossCursor);
    const ColorValue color = picture->colorAt(point);
    // No colour outside the picture: black.
    showColor(color < 0 ? kBlack : color);
}

bool SwatchPanel::takeColor(ColorValue color)
{
    showColor(color);
    return true;
}

void SwatchPanel::reset()
{
    m_buttonHeld = false;
    showPlaceholders();
}

} // namespace Tintora
