// File > Reset: back to the start values without restarting.

#include "window/mainwindow.h"

#include "panels/browserpanel.h"
#include "window/paneltoolbar.h"

#include <QToolButton>

namespace Tintora {

void MainWindow::mnuFileReset_Click()
{
    m_state.varWebColor = kBlack;
    m_state.varDecimal = 0;
    m_state.intRed = 0;
    m_state.intGreen = 0;
    m_state.intBlue = 0;
    m_state.strHexColor.clear();

    // The catalogue stays loaded and the browser on its page: each panel undoes its own choices.
    for (PanelInterface *panel : m_panels)
        panel->reset();
    m_state.cboHtml.setCurrentIndex(0);
    setStartValues();

    // Raising a button here must not run the toolbar's handling: no panel opens or closes.
    for (int index = 1; index <= m_toolbar->buttonCount(); ++index) {
        QToolButton *button = m_toolbar->button(index);
        if (button->isChecked()) {
            button->setEnabled(true);
            m_toolbar->raiseButton(index);
        }
    }
    m_browser->cmdWriteWeb_Click();
}

} // namespace Tintora
