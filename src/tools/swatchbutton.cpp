#include "tools/swatchbutton.h"

#include "core/palette.h"
#include "widgets/colordrag.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace Tintora {

namespace {

const QSize kSwatchSize(48, 24);

} // namespace

SwatchButton::SwatchButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(kSwatchSize);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::clicked, this, [this] { emit chosen(m_color); });
}

void SwatchButton::setSwatch(const Swatch &swatch)
{
    m_color = swatch.color;
    const QString hex = hashColor(swatch.color);
    QPixmap pixmap(kSwatchSize * devicePixelRatio());
    pixmap.setDevicePixelRatio(devicePixelRatio());
    pixmap.fill(toQColor(swatch.color));
    QPainter(&pixmap).drawRect(QRect(QPoint(), kSwatchSize).adjusted(0, 0, -1, -1));
    setIcon(pixmap);
    setText(swatch.label + u'\n' + hex);
    setAccessibleName(swatch.label + QStringLiteral(", ") + hex);
    setToolTip(tr("Click to use %1, or drag it to the palette or another program").arg(hex));
}

void SwatchButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void SwatchButton::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt = event->position().toPoint();
    QToolButton::mousePressEvent(event);
}

void SwatchButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)
        || (event->position().toPoint() - m_pressedAt).manhattanLength()
            < QApplication::startDragDistance()) {
        QToolButton::mouseMoveEvent(event);
        return;
    }
    // A drag is no click: the button lets go before the drag takes the mouse.
    setDown(false);
    dragColor(this, m_color, Qt::CopyAction);
}

QLabel *makeColorPatch(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *patch = new QLabel(parent);
    patch->setObjectName(name);
    patch->setAccessibleName(accessibleName);
    patch->setFrameStyle(QFrame::Box | QFrame::Plain);
    patch->setAutoFillBackground(true);
    patch->setFixedSize(kSwatchSize);
    return patch;
}

QLabel *makeReadOut(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setAccessibleName(accessibleName);
    return label;
}

} // namespace Tintora
