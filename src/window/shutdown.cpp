// The exit routine: the one way the program ends.

#include "window/mainwindow.h"

#include "window/splashwindow.h"

#include <cstdlib>

namespace Tintora {

void MainWindow::exitProgram()
{
    m_ending = true;
    emit ending();
    SplashWindow &farewell = splash();
    farewell.setWindowTitle(m_catalogMissing ? tr("MISSING FOLDER OR FILES!!")
                                             : tr("Thank you for usimg the Tintora Utility"));
    hide();
    farewell.showPainted();
    m_setup.endProcess(m_catalogMissing ? EXIT_FAILURE : EXIT_SUCCESS);
}

} // namespace Tintora
