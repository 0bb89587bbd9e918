// The exit routine: the one way the program ends.

#include "window/mainwindow.h"

#include "window/splashwindow.h"

namespace Tintora {

void MainWindow::mnuFileExit_Click()
{
    m_ending = true;
    SplashWindow &farewell = splash();
    farewell.setWindowTitle(m_state.intMissingFiles == 1
                                ? tr("MISSING FOLDER OR FILES!!")
                                : tr("Thank you for usimg the Tintora Utility"));
    hide();
    farewell.showPainted();
    m_setup.endProcess(m_state.intMissingFiles == 1 ? EXIT_FAILURE : EXIT_SUCCESS);
}

} // namespace Tintora
