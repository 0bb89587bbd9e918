#pragma once

#include <QScrollBar>

namespace Tintora {

// Frames a focused control whose style shows no focus of its own (Fusion draws none on a scroll
// bar or a picture box) in the highlight colour, as the style frames a focused text box. Like the
// style's focus marks on buttons and check boxes, the frame shows once the keyboard has moved the
// focus in the window (Tab, or a toolbar key): a click leaves the control as it looked.
void drawFocusFrame(QWidget *control);

// A scroll bar that shows its keyboard focus with drawFocusFrame.
class FocusScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Tintora
