#pragma once

#include <QToolBar>

#include <vector>

class QToolButton;

namespace Tintora {

// The toolbar of seven toggle picture buttons, addressed by index 1 to 7. A disabled button
// shows the grey version of its picture.
class PanelToolbar : public QToolBar
{
    Q_OBJECT

public:
    explicit PanelToolbar(QWidget *parent = nullptr);

    int buttonCount() const { return int(m_buttons.size()); }
    QToolButton *button(int index) const { return m_buttons.at(index - 1); }

signals:
    // A click has toggled the button at index; its new state is the button's checked state.
    void buttonClick(int index);

private:
    std::vector<QToolButton *> m_buttons;
};

} // namespace Tintora
