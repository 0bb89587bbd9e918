// Start-up: the main window's load handling.

#include "window/mainwindow.h"

#include "core/catalogloader.h"
#include "core/programfolder.h"
#include "panels/browserpanel.h"
#include "panels/pantonepanel.h"
#include "window/splashwindow.h"

#include <QMessageBox>
#include <QTimer>

#include <chrono>

namespace Tintora {

bool MainWindow::startUp()
{
    splash().show();
    const QString page = previewPagePath(m_setup.programFolder, m_setup.dataFolder);
    m_browser->setPage(page);
    const CatalogLoadResult loaded = loadCatalog(m_setup.programFolder, page);
    if (!loaded.ok() || !m_pantone->setCatalog(loaded.catalog)) {
        reportCatalogFailure(loaded);
        return false;
    }
    splash().setWindowTitle(tr("Not much longer now!"));
    for (Panel *panel : m_panels)
        panel->reset();
    setOuterHeight(kClosedHeight);
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

void MainWindow::reportCatalogFailure(const CatalogLoadResult &loaded)
{
    m_catalogMissing = true;
    if (loaded.failure == CatalogFailure::Damaged) {
        QMessageBox::critical(nullptr, tr("Damaged File"), loaded.message);
    } else if (loaded.failure == CatalogFailure::UnusableFolder) {
        QMessageBox::critical(nullptr, tr("Unusable Folder Name"), loaded.message);
    } else {
        QMessageBox::critical(nullptr, tr("Missing File"),
                              tr("A file is missing. Make sure all Folders and their respective "
                                 "files are in place."));
    }
    exitProgram();
}

SplashWindow &MainWindow::splash()
{
    if (!m_splash)
        m_splash = std::make_unique<SplashWindow>();
    return *m_splash;
}

} // namespace Tintora
