#pragma once

#include "panels/panelinterface.h"

#include <QFrame>

class QButtonGroup;
class QLabel;
class QPlainTextEdit;

namespace Tintora {

// The help panel: eight topics chosen with option buttons, the chosen topic's text below a title.
class HelpPanel : public QFrame, public PanelInterface
{
    Q_OBJECT

public:
    explicit HelpPanel(QWidget *parent = nullptr);

    // Puts the window caption and what the program is into the title.
    void ShowAboutTitle();

    // Selects a topic as a click on its option would; nothing happens when it is chosen already.
    void selectTopic(int index);

    QWidget *widget() override { return this; }
    int openHeight() const override { return 3855; }
    void opened() override;
    void setStartValues() override;

private:
    QLabel *lblHelpTitle;
    QButtonGroup *optHelp; // option buttons with ids 0 to 7, named optHelp0 to optHelp7
    QPlainTextEdit *txtHelpOutput;

    void optHelp_Click();
};

} // namespace Tintora
