#include "widgets/focusframe.h"

#include <QPainter>

namespace Tintora {

void drawFocusFrame(QWidget *control)
{
    if (!control->hasFocus() || !control->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(control);
    // Two pixels inside the control's edge: a thin bar keeps its arrows and its thumb in view.
    QPen pen(control->palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(control->rect()).adjusted(1, 1, -1, -1));
}

void FocusScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    drawFocusFrame(this);
}

} // namespace Tintora
