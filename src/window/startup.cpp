// Start-up: the main window's load handling.

#include "window/mainwindow.h"

#include "core/catalogloader.h"
#include "core/colorvalue.h"
#include "core/helptexts.h"
#include "core/programfolder.h"
#include "panels/browserpanel.h"
#include "panels/helppanel.h"
#include "panels/hexpanel.h"
#include "panels/pantonepanel.h"
#include "panels/qbpanel.h"
#include "panels/rgbpanel.h"
#include "panels/swatchpanel.h"
#include "widgets/browserhost.h"
#include "widgets/controls.h"
#include "window/splashwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>

namespace Tintora {

bool MainWindow::Form_Load()
{
    m_state.intMissingFiles = 0;
    splash().show();

    m_state.strWebPage = previewPagePath(m_setup.programFolder, m_setup.dataFolder);
    m_browser->brwVRN->navigate(m_state.strWebPage);
    m_state.varDecimal = 0;
    if (!LoadPantoneFiles())
        return false;

    m_state.FillHexTable();
    m_state.cboHtml.setCurrentIndex(0);
    m_qb->vsQB->setValue(0);
    m_qb->QBScroller();

    splash().setWindowTitle(tr("Not much longer now!"));
    for (int number = 0; number < 256; ++number)
        m_state.cboNumList.addItem(QString::number(number));

    setStartValues();
    m_state.blnMouseUp = true;
    m_help->selectTopic(kContactTopic);
    setOuterHeight(1695);
    splash().close();
    return true;
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

// The start values that start-up writes and reset writes again, in this order: sample colours,
// the six component bars, the read-outs, the colour boxes and the colour chips.
void MainWindow::setStartValues()
{
    setForeColor(m_browser->txtWebSample, kBlack);
    setBackColor(m_browser->txtWebSample, kWhite);
    for (QScrollBar *bar : {m_rgb->hsRed, m_rgb->hsGreen, m_rgb->hsBlue, m_hex->hsHexRed,
                            m_hex->hsHexGreen, m_hex->hsHexBlue})
        bar->setValue(0);

    m_rgb->txtRGBnum->setText(rgbPlaceholder());
    m_rgb->txtDecimal->setText(decimalPlaceholder());
    m_swatches->txtColorDecimal->setText(decimalPlaceholder());
    m_hex->txtHexNum->setText(htmlPlaceholder());
    m_qb->txtRGBqb->setText(rgbPlaceholder());
    m_pantone->txtRgbPantone->setText(rgbPlaceholder());
    m_hex->txtHexDex->setText(decimalPlaceholder());
    m_hex->txtHexRGB->setText(rgbPlaceholder());
    m_rgb->txtHTML->setText(htmlPlaceholder());
    m_pantone->txtHtmlPantone->setText(htmlPlaceholder());
    m_qb->txtHTMLqb->setText(htmlPlaceholder());
    m_swatches->txtColorRgb->setText(rgbPlaceholder());
    m_swatches->txtColorHtml->setText(htmlPlaceholder());
    m_swatches->txtColorDecimal->setText(QString::number(kBlack));

    for (QLineEdit *box : {m_rgb->txtRGB, m_swatches->txtColor, m_hex->txtHex, m_qb->txtQB})
        setBackColor(box, kBlack);
    for (QLabel *chip : {m_browser->lblWebHtml, m_browser->lblWebPantone, m_browser->lblWebQB,
                         m_browser->lblWebRGB, m_browser->lblWebSwatch})
        setBackColor(chip, kBlack);
}

SplashWindow &MainWindow::splash()
{
    if (!m_splash)
        m_splash = std::make_unique<SplashWindow>();
    return *m_splash;
}

} // namespace Tintora
