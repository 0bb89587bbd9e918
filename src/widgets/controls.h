#pragma once

#include "core/colorvalue.h"

#include <QLineEdit>
#include <QRect>

#include <utility>

class QAbstractSlider;
class QLabel;
class QScrollBar;
class QWidget;

namespace Tintora {

// Positions and sizes come in twips; 15 twips make one pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}
// A rectangle given in twips (left, top, width, height), in pixels.
QRect twipsRect(QRect twips);

// The window's default font: "MS Sans Serif" 8.25 pt, or the closest sans-serif at hand.
QFont defaultFont(qreal pointSize = 8.25, bool bold = false);

// Back and text colours of the colour boxes, read-outs, chips and the sample text, spoken in
// colour values. A text box's back colour is its base; a label's is its window colour.
void setBackColor(QWidget *widget, ColorValue color);
void setForeColor(QWidget *widget, ColorValue color);
// The back colour a widget shows where nothing covers it.
ColorValue backColor(const QWidget *widget);

// A new control of type T, made from args with its parent last, named and placed in its parent at
// a position given in twips.
template<typename T, typename... Args>
T *placeControl(QWidget *parent, const QString &name, QRect twips, Args &&...args)
{
    auto *control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    control->setGeometry(twipsRect(twips));
    return control;
}

// Control factories: each places the control in its parent at a position given in twips.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QRect twips);
// A bold, centred caption in a colour of its own, as over the component scroll bars.
QLabel *makeColorCaption(QWidget *parent, const QString &name, const QString &text,
                         ColorValue color, QRect twips);
// The caption beside the box names it for a screen reader, as the box's buddy.
QLineEdit *makeReadOnlyBox(QWidget *parent, const QString &name, QRect twips, QLabel *caption);
// Sets a box's text with the cursor at its start, so that a text too long for the box shows its
// beginning rather than its last letters.
void setTextFromStart(QLineEdit *box, const QString &text);
// A box without text whose back colour shows a colour; it takes no focus and no typing. A screen
// reader speaks the accessible name, which says what colour the box shows.
QLineEdit *makeColorBox(QWidget *parent, const QString &name, QRect twips,
                        const QString &accessibleName);
// Shows a note as the control's tool tip and tells it to a screen reader as its description.
void setNote(QWidget *control, const QString &note);
// Moves a bar as the user would, so that its change handling runs. False when it was there
// already and no handling ran.
bool moveBarTo(QAbstractSlider *bar, int value);
// Without an accessible name a screen reader would call the bar after its frame.
QScrollBar *makeScrollBar(QWidget *parent, const QString &name, Qt::Orientation orientation,
                          int maximum, QRect twips, const QString &accessibleName);

} // namespace Tintora
