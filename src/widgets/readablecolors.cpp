#include "widgets/readablecolors.h"

#include "core/contrast.h"
#include "core/passingcolor.h"
#include "widgets/controls.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace Tintora {

namespace {

// Follows the colour scheme: every palette change, the application's included, reaches the
// widget as a PaletteChange.
class ReadableText : public QObject
{
public:
    ReadableText(QWidget *widget, std::optional<ColorValue> text)
        : QObject(widget)
        , m_widget(widget)
        , m_text(text)
    {
        widget->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    void update()
    {
        // The scheme's text colour and whether it is the designed scheme show in the parent,
        // whose palette the program leaves alone.
        const QWidget *scheme = m_widget->parentWidget() ? m_widget->parentWidget() : m_widget;
        const ColorValue wanted
            = m_text.value_or(toColorValue(scheme->palette().color(QPalette::WindowText)));
        const bool designed = m_text && isDesignedScheme(scheme);
        // Setting a colour that is there already changes nothing, so this ends the updates.
        setForeColor(m_widget, designed ? wanted : readableTextColor(wanted, backColor(m_widget)));
    }

    QWidget *m_widget;
    std::optional<ColorValue> m_text;
};

} // namespace

bool isDesignedScheme(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window)
        == widget->style()->standardPalette().color(QPalette::Window);
}

ColorValue readableTextColor(ColorValue wanted, ColorValue back)
{
    if (const std::optional<PassingColor> passing
        = nearestPassingColor(wanted, back, kAaNormalRatio))
        return passing->color;
    // Black or white reaches 4.5:1 on any back colour.
    return contrastOf(kBlack, back).ratio >= contrastOf(kWhite, back).ratio ? kBlack : kWhite;
}

void keepTextReadable(QWidget *widget, std::optional<ColorValue> text)
{
    new ReadableText(widget, text);
}

void ColorBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (isDesignedScheme(this))
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace Tintora
