#include "window/mainwindow.h"

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
#include "widgets/swatchpicture.h"
#include "window/paneltoolbar.h"
#include "window/splashwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

namespace Tintora {

namespace {

// The outer heights that the program sets, in twips.
constexpr int kClosedHeight = 1695;
constexpr int kOpenExtraHeight = 2000;
// Title bar, menu bar and borders: the window system draws the title bar and the borders, and
// the menu bar lies inside the window, so the client area gets the rest.
constexpr int kFrameHeight = 690;
constexpr int kClientWidth = 6045;

} // namespace

ProgramSetup ProgramSetup::installed()
{
    const QString folder = programFolderPath();
    return {folder, folder + QStringLiteral("/tintora_webview"),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), [](int exitCode) {
                std::fflush(nullptr);
                std::_Exit(exitCode);
            }};
}

MainWindow::MainWindow(ProgramSetup setup)
    : QMainWindow(nullptr,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint)
    , m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("frmDaskTime"));
    setWindowTitle(tr("Tintora Systems Management"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFont(defaultFont());

    buildMenu();

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);

    m_toolbar = new PanelToolbar(client);
    m_toolbar->setGeometry(twipsRect(0, 0, kClientWidth, 465));
    connect(m_toolbar, &PanelToolbar::buttonClick, this, &MainWindow::tlbFirst_ButtonClick);

    m_banner
        = makeLabel(client, QStringLiteral("Image1"), QString(), twipsRect(120, 480, 5895, 495));
    m_banner->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.png")));
    m_banner->setScaledContents(true);

    buildPanels(client);

    resize(pixels(kClientWidth), height());
    setOuterHeight(kClosedHeight);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_mnuFileReset = file->addAction(tr("&Reset"), this, &MainWindow::mnuFileReset_Click);
    m_mnuFileReset->setObjectName(QStringLiteral("mnuFileReset"));
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileDash"));
    QAction *exit = file->addAction(tr("E&xit"), this, &MainWindow::mnuFileExit_Click);
    exit->setObjectName(QStringLiteral("mnuFileExit"));
}

void MainWindow::buildPanels(QWidget *client)
{
    m_qb = new QbPanel(m_state, client);
    m_pantone = new PantonePanel(m_state, client);
    m_rgb = new RgbPanel(m_state, client);
    m_hex = new HexPanel(m_state, client);
    m_swatches = new SwatchPanel(m_state, client);
    const ColorSources sources {m_pantone->txtPantone, m_qb->txtQB, m_rgb->txtRGB, m_hex->txtHex,
                                m_swatches->txtColor};
    m_browser = new BrowserPanel(m_state, sources, m_setup.browserPluginPath, client);
    m_help = new HelpPanel(client);

    // Index 1 to 7 of the toolbar, in order.
    m_slots = {
        {m_qb, 1755, m_qb->vsQB, {}, {}},
        {m_pantone, 1755, m_pantone->vsPantone, {}, {}},
        {m_rgb, 2115, m_rgb->hsRed, {}, {}},
        {m_hex, 2115, m_hex->hsHexRed, {}, {}},
        {m_swatches, 3615, m_swatches->picTintora, {}, {}},
        {m_browser,
         5175,
         nullptr,
         {},
         [this] {
             m_browser->refreshChips();
             // Starting the browser takes a few hundred milliseconds the first time: let the
             // panel paint first.
             QMetaObject::invokeMethod(m_browser->brwVRN, &BrowserHost::activate,
                                       Qt::QueuedConnection);
         }},
        {m_help, 3855, nullptr, [this] { m_help->ShowAboutTitle(); }, {}},
    };
    for (const PanelSlot &slot : m_slots) {
        const int top = slot.panel == m_help ? 1080 : 960;
        slot.panel->setGeometry(twipsRect(120, top, 5775, 0));
        slot.panel->hide();
    }
}

void MainWindow::setOuterHeight(int twips)
{
    const int client = pixels(twips - kFrameHeight);
    resize(width(), menuBar()->sizeHint().height() + client);
}

int MainWindow::clientHeightPixels() const
{
    return height() - menuBar()->sizeHint().height();
}

void MainWindow::tlbFirst_ButtonClick(int index)
{
    if (index < 1 || index > int(m_slots.size())) {
        QMessageBox::information(this, QCoreApplication::applicationName(),
                                 tr("Tintora Systems Management"));
        return;
    }
    const PanelSlot &slot = m_slots.at(index - 1);
    if (!m_toolbar->button(index)->isChecked()) {
        for (int i = 1; i <= m_toolbar->buttonCount(); ++i)
            m_toolbar->button(i)->setEnabled(true);
        m_mnuFileReset->setEnabled(true);
        slot.panel->resize(slot.panel->width(), 0);
        slot.panel->hide();
        setOuterHeight(kClosedHeight);
        return;
    }
    for (int i = 1; i <= m_toolbar->buttonCount(); ++i) {
        if (!m_toolbar->button(i)->isChecked())
            m_toolbar->button(i)->setEnabled(false);
    }
    m_mnuFileReset->setEnabled(false);
    if (slot.beforeShow)
        slot.beforeShow();
    slot.panel->resize(slot.panel->width(), pixels(slot.openHeight));
    slot.panel->show();
    setOuterHeight(twips(slot.panel->height()) + kOpenExtraHeight);
    if (slot.focus)
        slot.focus->setFocus(Qt::OtherFocusReason);
    if (slot.afterOpen)
        slot.afterOpen();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the program the same way as File > Exit.
    if (!m_ending)
        mnuFileExit_Click();
    event->accept();
}

} // namespace Tintora
