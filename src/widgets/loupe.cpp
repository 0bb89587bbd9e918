#include "widgets/loupe.h"

#include "core/palette.h"
#include "core/screenpicking.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QtMath>

#include <optional>

namespace Tintora {

namespace {

// Between the pointer and the loupe, in logical pixels: more than the pixels shown each way, so
// that the loupe never stands over them, and room for the pointer's cross-hair.
constexpr int kGap = 24;
constexpr int kSide = (2 * Loupe::kRadius + 1) * Loupe::kZoom;

// Where the loupe starts along one axis of the screen, from first to last: after the pointer where
// it fits, else before it; none where it fits on neither side.
std::optional<int> besidePointer(qreal pointer, int size, int first, int last)
{
    if (const int after = qCeil(pointer) + kGap; after + size - 1 <= last)
        return after;
    if (const int before = qFloor(pointer) - kGap - size; before >= first)
        return before;
    return std::nullopt;
}

} // namespace

Loupe::Loupe(QWidget *parent)
    : QWidget(parent,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
                  | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("frmLoupe"));
    setAccessibleName(tr("Magnifier"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(kSide + 2, kSide + 2 + fontMetrics().height() + 4);
}

void Loupe::showAt(QPointF globalPosition)
{
    const QScreen *screen
        = QGuiApplication::screenAt(QPoint(qFloor(globalPosition.x()), qFloor(globalPosition.y())));
    m_area = screenAreaAt(globalPosition, kRadius);
    if (!screen || m_area.isNull()) {
        hide();
        return;
    }
    const QRect room = screen->geometry();
    const auto x = besidePointer(globalPosition.x(), width(), room.left(), room.right());
    const auto y = besidePointer(globalPosition.y(), height(), room.top(), room.bottom());
    // Clear of the pixels on one axis is clear of them: the other may then go anywhere on the
    // screen.
    if (!x && !y) {
        hide();
        return;
    }
    move(x.value_or(std::clamp(qRound(globalPosition.x()) - width() / 2, room.left(),
                               room.right() - width() + 1)),
         y.value_or(std::clamp(qRound(globalPosition.y()) - height() / 2, room.top(),
                               room.bottom() - height() + 1)));
    m_text = hashColor(toColorValue(m_area.pixelColor(kRadius, kRadius)));
    setAccessibleDescription(m_text);
    show();
    update();
}

bool Loupe::covers(QPointF globalPosition) const
{
    // They lie within kRadius logical pixels of it at any scale of 1 and above.
    return isVisible()
        && QRectF(geometry())
               .adjusted(-kRadius - 1, -kRadius - 1, kRadius + 1, kRadius + 1)
               .contains(globalPosition);
}

void Loupe::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // Without smoothing each pixel becomes a square of its own colour.
    painter.drawImage(QRect(1, 1, kSide, kSide), m_area);
    // The pointer's pixel framed in black and white, which shows on any colour.
    const QRect centre(1 + kRadius * kZoom, 1 + kRadius * kZoom, kZoom, kZoom);
    painter.setPen(Qt::black);
    painter.drawRect(centre.adjusted(-1, -1, 0, 0));
    painter.setPen(Qt::white);
    painter.drawRect(centre.adjusted(0, 0, -1, -1));
    painter.setPen(palette().windowText().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, kSide + 2, width(), height() - kSide - 2), Qt::AlignCenter, m_text);
}

} // namespace Tintora
