#include "window/mainwindow.h"

#include "browser/browserhost.h"
#include "core/programfolder.h"
#include "panels/browserpanel.h"
#include "panels/helppanel.h"
#include "panels/mixerpanel.h"
#include "panels/pantonepanel.h"
#include "panels/qbpanel.h"
#include "panels/swatchpanel.h"
#include "widgets/controls.h"
#include "window/colortoolsmenu.h"
#include "window/colortransfer.h"
#include "window/notationmenus.h"
#include "window/palettekeeper.h"
#include "window/paneltoolbar.h"
#include "window/splashwindow.h"
#include "window/toolwindows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QToolButton>

#include <algorithm>

namespace Tintora {

namespace {

// Room above an open panel: the outer height of an open window is the panel's height plus this.
constexpr int kOpenExtraHeight = 2000;
// Title bar, menu bar and borders: the window system draws the title bar and the borders, and
// the menu bar lies inside the window, so the client area gets the rest.
constexpr int kFrameHeight = 690;
constexpr int kClientWidth = 6045;

} // namespace

ProgramSetup ProgramSetup::installed()
{
    const QString folder = programFolderPath();
    // Ended at once, as the exit routine asks and as Qt WebEngine needs (see endProcessAtOnce).
    return {folder, folder + QStringLiteral("/tintora_webview"),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), endProcessAtOnce};
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
    m_toolbar->setGeometry(twipsRect({0, 0, kClientWidth, 465}));
    connect(m_toolbar, &PanelToolbar::buttonClick, this, &MainWindow::togglePanel);

    QLabel *banner = makeLabel(client, QStringLiteral("Image1"), QString(), {120, 480, 5895, 495});
    // The picture drawn for the screen's scale (banner@2x.png at 200 %), stretched to the label.
    banner->setPixmap(QPixmap(
        qt_findAtNxFile(QStringLiteral(":/pictures/banner.png"), qGuiApp->devicePixelRatio())));
    banner->setAccessibleName(tr("Tintora Systems Management"));
    banner->setScaledContents(true);

    buildPanels(client);

    resize(pixels(kClientWidth), height());
    setOuterHeight(kClosedHeight);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_resetAction = file->addAction(tr("&Reset"), this, &MainWindow::reset);
    m_resetAction->setObjectName(QStringLiteral("mnuFileReset"));
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileDash"));
    QAction *exit = file->addAction(tr("E&xit"), this, &MainWindow::exitProgram);
    exit->setObjectName(QStringLiteral("mnuFileExit"));
}

void MainWindow::buildPanels(QWidget *client)
{
    auto *qb = new QbPanel(client);
    m_pantone = new PantonePanel(client);
    auto *rgb = new MixerPanel(kRgbMixer, client);
    auto *hex = new MixerPanel(kHexMixer, client);
    auto *swatches = new SwatchPanel(client);
    m_browser
        = new BrowserPanel({m_pantone, qb, rgb, hex, swatches}, m_setup.browserPluginPath, client);
    m_panels = {qb, m_pantone, rgb, hex, swatches, m_browser, new HelpPanel(client)};
    ColorPanel *const colorPanels[] = {qb, m_pantone, rgb, hex, swatches};
    for (ColorPanel *panel : colorPanels)
        connect(panel, &ColorPanel::colorChanged, this, &MainWindow::updateCurrentColor);
    // A pasted colour suits the Hex panel, a picked one the Swatches panel.
    m_transfer = new ColorTransfer(*this, *m_browser, *hex, *swatches);
    // A colour dropped on a panel comes in as every colour given from outside does.
    for (ColorPanel *panel : colorPanels) {
        connect(panel, &ColorPanel::colorDropped, m_transfer,
                [this, panel](ColorValue color) { m_transfer->giveColor(color, *panel); });
    }
    m_toolWindows = new ToolWindows(*this);
    addNotationMenus(*this, [this] { return m_pantone->nearestCatalog(); });
    addColorTools(*this, *hex, *m_browser);
    // The palette and the history, read on first use. With no panel open, their colours go into
    // the Hex panel, as a pasted one does.
    new PaletteKeeper(*this, m_setup.dataFolder, colorPanels, *hex);
}

Panel *MainWindow::openPanel() const
{
    for (int index = 1; index <= m_toolbar->buttonCount(); ++index) {
        if (m_toolbar->button(index)->isChecked())
            return m_panels.at(index - 1);
    }
    return nullptr;
}

void MainWindow::openInPlace(Panel &panel)
{
    for (int index = 1; index <= m_toolbar->buttonCount(); ++index) {
        if (m_toolbar->button(index)->isChecked())
            m_toolbar->button(index)->click();
    }
    const auto index = std::find(m_panels.begin(), m_panels.end(), &panel) - m_panels.begin();
    m_toolbar->button(int(index) + 1)->click();
}

void MainWindow::updateCurrentColor()
{
    const auto *panel = qobject_cast<const ColorPanel *>(openPanel());
    const std::optional<ColorValue> color = panel ? std::optional(panel->color()) : std::nullopt;
    if (color == m_currentColor)
        return;
    m_currentColor = color;
    emit currentColorChanged(color);
}

void MainWindow::setOuterHeight(int twips)
{
    const int client = pixels(twips - kFrameHeight);
    resize(width(), menuBar()->sizeHint().height() + client);
}

void MainWindow::togglePanel(int index)
{
    Panel &panel = *m_panels.at(index - 1);
    if (!m_toolbar->button(index)->isChecked()) {
        for (int i = 1; i <= m_toolbar->buttonCount(); ++i)
            m_toolbar->button(i)->setEnabled(true);
        m_resetAction->setEnabled(true);
        panel.resize(panel.width(), 0);
        panel.hide();
        setOuterHeight(kClosedHeight);
    } else {
        for (int i = 1; i <= m_toolbar->buttonCount(); ++i) {
            if (!m_toolbar->button(i)->isChecked())
                m_toolbar->button(i)->setEnabled(false);
        }
        m_resetAction->setEnabled(false);
        panel.resize(panel.width(), pixels(panel.openHeight()));
        panel.show();
        setOuterHeight(twips(panel.height()) + kOpenExtraHeight);
        if (QWidget *focus = panel.focusControl())
            focus->setFocus(Qt::OtherFocusReason);
        panel.opened();
    }
    updateCurrentColor();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the program the same way as File > Exit.
    if (!m_ending)
        exitProgram();
    event->accept();
}

} // namespace Tintora
