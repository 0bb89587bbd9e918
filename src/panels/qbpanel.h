#pragma once

#include "panels/panelinterface.h"

#include <QGroupBox>

class QLineEdit;
class QScrollBar;

namespace Tintora {

class FormState;

// "QB Colors": one scroll bar over the sixteen QB colours.
class QbPanel : public QGroupBox, public PanelInterface
{
    Q_OBJECT

public:
    QbPanel(FormState &state, QWidget *parent = nullptr);

    // Shows the QB colour chosen by the scroll bar with its number, RGB and HTML Numbers.
    void QBScroller();
    // Puts the bar on colour 0 and shows it, whether or not the bar was there already.
    void showFirstColor();

    QWidget *widget() override { return this; }
    int openHeight() const override { return 1755; }
    QWidget *focusControl() const override;
    void setStartValues() override;
    void reset() override;
    QWidget *colorBox() const override;
    // The nearest QB colour; the QB Number box says when it is not the same colour.
    bool takeColor(ColorValue color) override;

private:
    void showColorNumber(int number);
    void setMatchNote(const QString &note);

    FormState &m_state;
    QScrollBar *vsQB;
    QLineEdit *txtQB;
    QLineEdit *txtQBnum;
    QLineEdit *txtRGBqb;
    QLineEdit *txtHTMLqb;
};

} // namespace Tintora
