#include "widgets/swatchpicture.h"

#include "core/surfacecolor.h"
#include "widgets/controls.h"

#include <QMouseEvent>
#include <QPainter>

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
    return event->position().toPoint() - contentsRect().topLeft();
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
