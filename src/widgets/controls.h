#pragma once

#include "core/colorvalue.h"

#include <QLineEdit>
#include <QRect>

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
QRect twipsRect(int left, int top, int width, int height);

// The window's default font: "MS Sans Serif" 8.25 pt, or the closest sans-serif at hand.
QFont defaultFont(qreal pointSize = 8.25, bool bold = false);

// Back and text colours of the colour boxes, read-outs, chips and the sample text, spoken in
// colour values. A text box's back colour is its base; a label's is its window colour.
void setBackColor(QWidget *widget, ColorValue color);
ColorValue backColor(const QWidget *widget);
void setForeColor(QWidget *widget, ColorValue color);
ColorValue foreColor(const QWidget *widget);

// Control factories: each places the control in its parent at a position given in twips.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QRect twipsGeometry);
// A bold, centred caption in a colour of its own, as over the component scroll bars.
QLabel *makeColorCaption(QWidget *parent, const QString &name, const QString &text,
                         ColorValue color, QRect twipsGeometry);
// The caption beside the box names it for a screen reader, as the box's buddy.
QLineEdit *makeReadOnlyBox(QWidget *parent, const QString &name, QRect twipsGeometry,
                           QLabel *caption);
// Sets a box's text with the cursor at its start, so that a text too long for the box shows its
// beginning rather than its last letters.
void setTextFromStart(QLineEdit *box, const QString &text);
// A box without text whose back colour shows a colour; it takes no focus and no typing. A screen
// reader speaks the accessible name, which says what colour the box shows.
QLineEdit *makeColorBox(QWidget *parent, const QString &name, QRect twipsGeometry,
                        const QString &accessibleName);
// Shows a note as the control's tool tip and tells it to a screen reader as its description.
void setNote(QWidget *control, const QString &note);
// Moves a bar as the user would, so that its change handling runs. False when it was there
// already and no handling ran.
bool moveBarTo(QAbstractSlider *bar, int value);
// Moves three component bars to a colour's red, green and blue as the user would, so that their
// change handling shows it. False when the bars were there already and no handling ran.
bool moveBarsTo(QScrollBar *red, QScrollBar *green, QScrollBar *blue, ColorValue color);
// Puts a panel at its place below the banner, closed: hidden and without height.
void placePanel(QWidget *panel, int topTwips = 960);
// Without an accessible name a screen reader would call the bar after its frame.
QScrollBar *makeScrollBar(QWidget *parent, const QString &name, Qt::Orientation orientation,
                          int maximum, QRect twipsGeometry, const QString &accessibleName);

} // namespace Tintora
