// File > Reset: back to the start values without restarting.

#include "window/mainwindow.h"

#include "panels/browserpanel.h"
#include "window/paneltoolbar.h"

#include <QToolButton>

namespace Tintora {

void MainWindow::reset()
{
    // The catalogue stays loaded and the browser on its page: each panel undoes its own choices.
    for (Panel *panel : m_panels)
        panel->reset();
    setOuterHeight(kClosedHeight);

    // Raising a button here must not run the toolbar's handling: no panel opens or closes.
    for (int index = 1; index <= m_toolbar->buttonCount(); ++index) {
        QToolButton *button = m_toolbar->button(index);
        if (button->isChecked()) {
            button->setEnabled(true);
            m_toolbar->raiseButton(index);
        }
    }
    updateCurrentColor();
    m_browser->writePage();
}

} // namespace Tintora
