#pragma once

#include "panels/colorpanel.h"

class QScrollBar;

namespace Tintora {

// "QB Colors": one scroll bar over the sixteen QB colours, with the QB Number, RGB and HTML
// Numbers of the chosen one.
class QbPanel : public ColorPanel
{
    Q_OBJECT

public:
    explicit QbPanel(QWidget *parent = nullptr);

    // The nearest QB colour; the QB Number box says when it is not the same colour.
    bool takeColor(ColorValue color) override;
    // QB colour 0, with the read-outs' placeholders.
    void reset() override;

private:
    // Shows the QB colour of a number, as the bar's change does.
    void showNumber(int number);
    // Moves the bar to a number, or shows it where the bar is there already.
    void goToNumber(int number);

    QScrollBar *m_bar;
    QLineEdit *m_numberBox;
};

} // namespace Tintora
