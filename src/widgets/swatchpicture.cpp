#include "widgets/swatchpicture.h"

#include "core/surfacecolor.h"
#include "widgets/controls.h"
#include "widgets/focusframe.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace Tintora {

SwatchPicture::SwatchPicture(const QString &name, const QImage &image, QWidget *parent)
    : QFrame(parent)
    , m_image(image)
{
    setObjectName(name);
    // A two-pixel sunken edge around the inner area, like a classic picture box.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

ColorValue SwatchPicture::colorAt(QPoint innerPoint) const
{
    return surfaceColorAt(m_image, contentsRect().size(), backColor(this), innerPoint);
}

void SwatchPicture::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    // Unsmoothed, as QPainter draws by default: on a screen at 200 % each picture pixel covers
    // 2 × 2 of the screen's in its own colour, with no blends the picture does not hold.
    painter.drawImage(contentsRect().topLeft(), m_image);
    painter.end();
    drawFocusFrame(this);
}

// The picture pixel drawn on the screen pixel under the pointer. The position names that screen
// pixel's corner, a fraction of a pixel here at 125 % or 200 %, and the screen shows each of its
// pixels what the picture holds at its centre.
QPoint SwatchPicture::innerPoint(const QMouseEvent *event) const
{
    const QPointF centre
        = event->position() - contentsRect().topLeft() + QPointF(0.5, 0.5) / devicePixelRatio();
    return {qFloor(centre.x()), qFloor(centre.y())};
}

void SwatchPicture::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(innerPoint(event));
}

void SwatchPicture::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(innerPoint(event));
}

void SwatchPicture::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(innerPoint(event));
}

} // namespace Tintora
