#pragma once

#include "core/colorvalue.h"

#include <QLineEdit>

#include <optional>

namespace Tintora {

// Whether a widget's palette is the light colour scheme that the program's own colours were
// chosen for, its style's standard one. On any other scheme, dark or high-contrast, the program
// makes every text it colours read at least 4.5:1 on its back, and gives colour boxes an edge.
bool isDesignedScheme(const QWidget *widget);

// A text colour for a back colour: the wanted one where it reads on the back at 4.5:1 or more
// (WCAG level AA for normal text), else the colour nearest to it that does.
ColorValue readableTextColor(ColorValue wanted, ColorValue back);

// Keeps the text a widget draws on its window colour readable, now and whenever the colour scheme
// changes. text: the colour the text is given, kept as it is on the designed scheme; none for the
// scheme's own text colour, for a widget whose back colour the program fixes.
void keepTextReadable(QWidget *widget, std::optional<ColorValue> text = std::nullopt);

// A colour box, a box without text whose back colour shows a colour. On a scheme other than the
// designed one it has a one-pixel edge in the window's text colour, so that a box of the panel's
// own colour, black on a dark panel, still shows where it stands.
class ColorBox : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Tintora
