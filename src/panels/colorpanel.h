#pragma once

#include "core/colorparser.h"
#include "core/colorvalue.h"
#include "panels/panel.h"

#include <QRect>

#include <functional>
#include <optional>
#include <vector>

class QCompleter;
class QLineEdit;

namespace Tintora {

class ColorEntry;

// Where a read-out stands on its panel, in twips: its caption and its box.
struct ReadOutPlace
{
    const char *captionName;
    QRect caption;
    const char *boxName;
    QRect box;
    bool lead = false; // the panel's leading notation: caption and box in bold
    bool wrapped = false; // the caption is too narrow for one line and wraps onto two
};

// A panel that shows one colour: a colour box and read-outs of the colour's notations, beside
// the panel's own controls that choose it. The colour is a value the panel holds; the box and the
// read-outs only show it. Every read-out also takes a colour typed into it (see ColorEntry).
class ColorPanel : public Panel
{
    Q_OBJECT

public:
    // The colour the colour box shows: what the Web Browser panel's assignment button assigns
    // and Edit > Copy copies. While the read-outs show their placeholders, the box's start colour:
    // black, or on the catalogue panel the colour value of its start number.
    ColorValue color() const { return m_color.value_or(m_startColor); }

    // Shows a colour given from outside the panel (typed, pasted, picked from the screen) as the
    // panel's own controls would show it, or the nearest colour the panel has. False when it has
    // none to show.
    virtual bool takeColor(ColorValue color) = 0;
    // Says in the read-outs' tool tips that the colour just taken from a text is not quite the
    // one it gave (see ColorEntry::noteTaken).
    void noteTaken(const ParsedColor &parsed);

signals:
    // The colour box shows another colour, color(): once for each change the user sees.
    void colorChanged(Tintora::ColorValue color);
    // A colour typed into a read-out or the number box was taken.
    void colorTyped(Tintora::ColorValue color);
    // A colour was dropped on the panel or one of its boxes; it is the window's to give.
    void colorDropped(Tintora::ColorValue color);

protected:
    using Panel::Panel;

    // The box whose back colour shows the panel's colour; a colour is dragged out of it, and the
    // whole panel takes dropped colours.
    QLineEdit *addColorBox(const char *name, QRect twips, const QString &accessibleName);
    // A read-out of a notation beside its caption ("RGB Number", ...).
    void addReadOut(Notation notation, const ReadOutPlace &place);
    // The box of the panel's own number (the QB Number, the Pantone Number) beside its caption,
    // both bold. Enter hands what was typed to showNumber; a text it does not show is read as a
    // colour for takeColor. accepted names what the box takes besides colours, for its tool tip.
    QLineEdit *addNumberBox(const QString &caption, const ReadOutPlace &place,
                            const QString &accepted,
                            std::function<bool(const QString &text)> showNumber,
                            QCompleter *completer = nullptr);

    // Shows a colour in the box and the read-outs, in its notations or in the given ones.
    void showColor(ColorValue color);
    void showColor(ColorValue color, const ColorNumbers &notations);
    // The placeholders in the read-outs, the start colour in the box.
    void showPlaceholders(ColorValue startColor = kBlack);

private:
    struct ReadOut
    {
        const QString ColorNumbers::*text;
        QLineEdit *box;
        ColorEntry *entry;
    };

    void showNotations(std::optional<ColorValue> color, ColorValue startColor,
                       const ColorNumbers &notations);
    bool takeTyped(ColorValue color);
    void takeDrops(QWidget *widget);

    QLineEdit *m_colorBox = nullptr;
    std::vector<ReadOut> m_readOuts;
    std::optional<ColorValue> m_color; // none while the read-outs show their placeholders
    ColorValue m_startColor = kBlack;
};

} // namespace Tintora
