#include "widgets/swatchpicture.h"

#include "core/surfacecolor.h"
#include "widgets/controls.h"

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
    painter.drawImage(contentsRect().topLeft(), m_image);
}

QPoint SwatchPicture::innerPoint(const QMouseEvent *event) const
{
    // The image pixel holding the position: scaled, a position falls between whole pixels, and
    // rounding would take the next pixel for the right or lower half of one.
    const QPointF position = event->position();
    return QPoint(qFloor(position.x()), qFloor(position.y())) - contentsRect().topLeft();
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
