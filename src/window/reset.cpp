// File > Reset: back to the start values without restarting.

#include "window/mainwindow.h"

#include "core/helptexts.h"
#include "panels/browserpanel.h"
#include "panels/helppanel.h"
#include "panels/pantonepanel.h"
#include "panels/qbpanel.h"
#include "window/paneltoolbar.h"

#include <QCheckBox>
#include <QScrollBar>
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

    // A box that was checked runs its handling as it goes off.
    for (QCheckBox *box : {m_browser->chkFG, m_browser->chkBG, m_browser->chkBold,
                           m_browser->chkItalics, m_browser->chkUnderline})
        box->setChecked(false);

    // The catalogue stays loaded; only its first entry is selected again.
    m_pantone->showFirstEntry();
    m_state.cboHtml.setCurrentIndex(0);
    m_qb->vsQB->setValue(0);

    setStartValues();
    m_state.blnMouseUp = true;
    m_help->selectTopic(kContactTopic);
    setOuterHeight(1695);

    // Raising a button here must not run the toolbar's handling: no panel opens or closes.
    for (int index = 1; index <= m_toolbar->buttonCount(); ++index) {
        QToolButton *button = m_toolbar->button(index);
        if (button->isChecked()) {
            button->setEnabled(true);
            button->setChecked(false);
        }
    }
    m_browser->cmdWriteWeb_Click();
}

} // namespace Tintora
