#pragma once

#include "panels/panel.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;

namespace Tintora {

// The help panel: eight topics chosen with option buttons, the chosen topic's text below a title.
// A frame without caption or border, on a pale yellow back.
class HelpPanel : public Panel
{
    Q_OBJECT

public:
    explicit HelpPanel(QWidget *parent = nullptr);

    // Puts the window caption and what the program is into the title, each time the panel opens;
    // until the first time, it says "Help Title".
    void opened() override;
    // The "Contact" topic.
    void reset() override;

protected:
    // Nothing of a group box's frame: the panel is its back colour.
    void paintEvent(QPaintEvent *) override { }

private:
    QLabel *m_title;
    QButtonGroup *m_topics; // option buttons with ids 0 to 7, named optHelp0 to optHelp7
    QPlainTextEdit *m_text;
};

} // namespace Tintora
