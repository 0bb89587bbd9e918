#include "widgets/colordrag.h"

#include "core/colormime.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <optional>

namespace Tintora {

namespace {

class ColorDragSource : public QObject
{
public:
    ColorDragSource(QWidget *widget, std::function<ColorValue()> color)
        : QObject(widget)
        , m_widget(widget)
        , m_color(std::move(color))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *press = static_cast<QMouseEvent *>(event);
            if (press->button() == Qt::LeftButton)
                m_pressedAt = press->position().toPoint();
        } else if (event->type() == QEvent::MouseMove && m_pressedAt) {
            const auto *move = static_cast<QMouseEvent *>(event);
            if ((move->position().toPoint() - *m_pressedAt).manhattanLength()
                >= QApplication::startDragDistance()) {
                m_pressedAt.reset();
                dragColor(m_widget, m_color(), Qt::CopyAction);
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_pressedAt.reset();
        }
        return false;
    }

private:
    QWidget *m_widget;
    std::function<ColorValue()> m_color;
    std::optional<QPoint> m_pressedAt; // while the left button is down
};

class ColorDropTarget : public QObject
{
public:
    ColorDropTarget(QWidget *widget, std::function<void(ColorValue)> take)
        : QObject(widget)
        , m_widget(widget)
        , m_take(std::move(take))
    {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto *drop = static_cast<QDropEvent *>(event);
        const auto *source = qobject_cast<const QWidget *>(drop->source());
        const bool inside = source && (source == m_widget || m_widget->isAncestorOf(source));
        const std::optional<ColorValue> color
            = inside ? std::nullopt : colorFromMimeData(*drop->mimeData());
        // Refused here, the drag goes on to the widget's parent, which may take it.
        drop->setAccepted(color.has_value());
        if (color) {
            drop->setDropAction(Qt::CopyAction);
            if (type == QEvent::Drop)
                m_take(*color);
        }
        return true;
    }

private:
    QWidget *m_widget;
    std::function<void(ColorValue)> m_take;
};

} // namespace

Qt::DropAction dragColor(QWidget *source, ColorValue color, Qt::DropActions actions,
                         Qt::DropAction defaultAction)
{
    QPixmap swatch(24, 24);
    swatch.fill(toQColor(color));
    QPainter(&swatch).drawRect(0, 0, 23, 23);
    auto *drag = new QDrag(source);
    drag->setMimeData(colorMimeData(color).release());
    drag->setPixmap(swatch);
    return drag->exec(actions, defaultAction);
}

void makeColorDragSource(QWidget *widget, std::function<ColorValue()> color)
{
    new ColorDragSource(widget, std::move(color));
}

void makeColorDropTarget(QWidget *widget, std::function<void(ColorValue)> take)
{
    new ColorDropTarget(widget, std::move(take));
}

} // namespace Tintora
