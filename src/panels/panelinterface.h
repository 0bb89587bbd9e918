#pragma once

#include "core/colorvalue.h"

class QWidget;

namespace Tintora {

// What the main window knows of each of its seven panels. The window opens and closes them from
// the toolbar, and at start-up and on Reset asks each for its part, in toolbar order.
class PanelInterface
{
public:
    virtual ~PanelInterface() = default;

    virtual QWidget *widget() = 0;

    // The panel's height when open, in twips; the window grows to it plus the room above.
    virtual int openHeight() const = 0;
    // The control that takes the keyboard focus when the panel opens; none leaves it where it is.
    virtual QWidget *focusControl() const { return nullptr; }
    // Runs each time the panel has opened.
    virtual void opened() { }

    // The values that start-up gives the panel's controls and that Reset gives them again. Where
    // a value changes, the control's own handling runs, as for a user's change.
    virtual void setStartValues() { }
    // The panel's own steps of Reset, before its start values are written again.
    virtual void reset() { }

    // The colour box whose colour the Web Browser panel's assignment button takes; none for the
    // panels that pick no colour.
    virtual QWidget *colorBox() const { return nullptr; }

    // Shows a colour given from outside the panel (typed, pasted or picked from the screen) as
    // the panel's own controls would show it. False for the panels that take no colours.
    virtual bool takeColor(ColorValue) { return false; }
};

} // namespace Tintora
