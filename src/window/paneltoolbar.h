#pragma once

#include <QWidget>

#include <vector>

class QToolButton;

namespace Tintora {

// The toolbar of seven toggle picture buttons, addressed by index 1 to 7, with the keys Alt+1 to
// Alt+7. A disabled button shows the grey version of its picture, and its tool tip says which
// button unlocks it. A plain row rather than a QToolBar: the seven buttons fill the window's width
// exactly, where a QToolBar's margins would push the last one into an overflow menu.
class PanelToolbar : public QWidget
{
    Q_OBJECT

public:
    explicit PanelToolbar(QWidget *parent = nullptr);

    int buttonCount() const { return int(m_buttons.size()); }
    QToolButton *button(int index) const { return m_buttons.at(index - 1); }

    // Raises a down button without emitting buttonClick.
    void raiseButton(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The user has toggled the button at index, by a click, its key or an assistive technology's
    // action; its new state is the button's checked state.
    void buttonClick(int index);

private:
    std::vector<QToolButton *> m_buttons;
};

} // namespace Tintora
