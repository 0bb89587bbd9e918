#include "widgets/controls.h"

#include "widgets/focusframe.h"
#include "widgets/readablecolors.h"

#include <QLabel>

namespace Tintora {

QRect twipsRect(QRect twips)
{
    return QRect(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                 pixels(twips.height()));
}

QFont defaultFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

namespace {

QPalette::ColorRole backRole(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) ? QPalette::Base : QPalette::Window;
}

QPalette::ColorRole textRole(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) ? QPalette::Text : QPalette::WindowText;
}

void setRoleColor(QWidget *widget, QPalette::ColorRole role, ColorValue color)
{
    const QColor qcolor = toQColor(color);
    QPalette palette = widget->palette();
    if (palette.color(role) == qcolor)
        return;
    // Disabled and inactive states show the same colour: a colour box is a colour, not a state.
    palette.setColor(role, qcolor);
    widget->setPalette(palette);
}

} // namespace

void setBackColor(QWidget *widget, ColorValue color)
{
    setRoleColor(widget, backRole(widget), color);
}

ColorValue backColor(const QWidget *widget)
{
    return toColorValue(widget->palette().color(backRole(widget)));
}

void setForeColor(QWidget *widget, ColorValue color)
{
    setRoleColor(widget, textRole(widget), color);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QRect twips)
{
    return placeControl<QLabel>(parent, name, twips, text);
}

QLabel *makeColorCaption(QWidget *parent, const QString &name, const QString &text,
                         ColorValue color, QRect twips)
{
    QLabel *label = makeLabel(parent, name, text, twips);
    label->setFont(defaultFont(8.25, true));
    label->setAlignment(Qt::AlignCenter);
    keepTextReadable(label, color);
    return label;
}

QLineEdit *makeReadOnlyBox(QWidget *parent, const QString &name, QRect twips, QLabel *caption)
{
    auto *box = placeControl<QLineEdit>(parent, name, twips);
    caption->setBuddy(box);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QLineEdit *makeColorBox(QWidget *parent, const QString &name, QRect twips,
                        const QString &accessibleName)
{
    auto *box = placeControl<ColorBox>(parent, name, twips);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAutoFillBackground(true);
    return box;
}

QScrollBar *makeScrollBar(QWidget *parent, const QString &name, Qt::Orientation orientation,
                          int maximum, QRect twips, const QString &accessibleName)
{
    // Fusion shows no focus on a scroll bar; this one does.
    auto *bar = placeControl<FocusScrollBar>(parent, name, twips, orientation);
    bar->setAccessibleName(accessibleName);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setFocusPolicy(Qt::StrongFocus);
    // QScrollBar inverts its keys, which suits a vertical list (Down moves down the list) but makes
    // the right arrow key move a horizontal bar to the left.
    bar->setInvertedControls(orientation == Qt::Vertical);
    return bar;
}

void setNote(QWidget *control, const QString &note)
{
    control->setToolTip(note);
    control->setAccessibleDescription(note);
}

bool moveBarTo(QAbstractSlider *bar, int value)
{
    const bool moves = bar->value() != value;
    bar->setValue(value);
    return moves;
}

void setTextFromStart(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace Tintora
