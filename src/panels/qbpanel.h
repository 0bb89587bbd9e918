#pragma once

#include <QGroupBox>

class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "QB Colors": one scroll bar over the sixteen QB colours.
class QbPanel : public QGroupBox
{
    Q_OBJECT

public:
    QbPanel(FormState &state, QWidget *parent = nullptr);

    // Shows the QB colour chosen by the scroll bar with its number, RGB and HTML Numbers.
    void QBScroller();

    QScrollBar *vsQB;
    QLineEdit *txtQB;
    QLineEdit *txtQBnum;
    QLineEdit *txtRGBqb;
    QLineEdit *txtHTMLqb;

private:
    FormState &m_state;
};

} // namespace Tintora
