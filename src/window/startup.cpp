// Start-up: the main window's load handling.

#include "window/mainwindow.h"

#include "core/catalogloader.h"
#include "core/programfolder.h"
#include "panels/browserpanel.h"
#include "panels/pantonepanel.h"
#include "panels/qbpanel.h"
#include "window/splashwindow.h"

#include <QMessageBox>
#include <QTimer>

#include <chrono>

namespace Tintora {

bool MainWindow::Form_Load()
{
    m_state.intMissingFiles = 0;
    splash().show();

    m_state.strWebPage = previewPagePath(m_setup.programFolder, m_setup.dataFolder);
    m_browser->navigate(m_state.strWebPage);
    m_state.varDecimal = 0;
    if (!LoadPantoneFiles())
        return false;

    m_state.FillHexTable();
    m_state.cboHtml.setCurrentIndex(0);
    m_qb->showFirstColor();

    splash().setWindowTitle(tr("Not much longer now!"));
    for (int number = 0; number < 256; ++number)
        m_state.cboNumList.addItem(QString::number(number));

    setStartValues();
    splash().close();
    return true;
}

void MainWindow::preloadBrowser()
{
    // Loading Qt WebEngine's libraries is the longest step of the Web Browser panel's first
    // opening. They load on a thread of their own once the window has had the time to show and
    // paint itself; the panel waits for a load still under way.
    using namespace std::chrono_literals;
    QTimer::singleShot(300ms, m_browser, &BrowserPanel::preloadBrowser);
}

bool MainWindow::LoadPantoneFiles()
{
    const CatalogLoadResult result = readCatalogFiles(m_setup.programFolder, m_state);
    if (result.ok() && m_pantone->showFirstEntry())
        return true;

    m_state.intMissingFiles = 1;
    if (result.failure == CatalogFailure::Damaged) {
        QMessageBox::critical(nullptr, tr("Damaged File"), result.message);
    } else if (result.failure == CatalogFailure::UnusableFolder) {
        QMessageBox::critical(nullptr, tr("Unusable Folder Name"), result.message);
    } else {
        QMessageBox::critical(nullptr, tr("Missing File"),
                              tr("A file is missing. Make sure all Folders and their respective "
                                 "files are in place."));
    }
    mnuFileExit_Click();
    return false;
}

void MainWindow::setStartValues()
{
    for (PanelInterface *panel : m_panels)
        panel->setStartValues();
    m_state.blnMouseUp = true;
    setOuterHeight(kClosedHeight);
}

SplashWindow &MainWindow::splash()
{
    if (!m_splash)
        m_splash = std::make_unique<SplashWindow>();
    return *m_splash;
}

} // namespace Tintora
