#include "window/mainwindow.h"

#include "core/programfolder.h"
#include "panels/browserpanel.h"
#include "panels/helppanel.h"
#include "panels/hexpanel.h"
#include "panels/pantonepanel.h"
#include "panels/qbpanel.h"
#include "panels/rgbpanel.h"
#include "panels/swatchpanel.h"
#include "widgets/controls.h"
#include "window/paneltoolbar.h"
#include "window/splashwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

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

    QLabel *banner
        = makeLabel(client, QStringLiteral("Image1"), QString(), twipsRect(120, 480, 5895, 495));
    // The picture drawn for the screen's scale (banner@2x.png at 200 %), stretched to the label.
    banner->setPixmap(QPixmap(
        qt_findAtNxFile(QStringLiteral(":/pictures/banner.png"), qGuiApp->devicePixelRatio())));
    banner->setAccessibleName(tr("Tintora Systems Management"));
    banner->setScaledContents(true);

    buildPanels(client);
    buildEditMenu();

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
    auto *rgb = new RgbPanel(m_state, client);
    auto *hex = new HexPanel(m_state, client);
    auto *swatches = new SwatchPanel(m_state, client);
    const ColorSources sources {m_pantone->colorBox(), m_qb->colorBox(), rgb->colorBox(),
                                hex->colorBox(), swatches->colorBox()};
    m_browser = new BrowserPanel(m_state, sources, m_setup.browserPluginPath, client);
    m_panels = {m_qb, m_pantone, rgb, hex, swatches, m_browser, new HelpPanel(client)};
}

void MainWindow::setOuterHeight(int twips)
{
    const int client = pixels(twips - kFrameHeight);
    resize(width(), menuBar()->sizeHint().height() + client);
}

void MainWindow::tlbFirst_ButtonClick(int index)
{
    PanelInterface &panel = *m_panels.at(index - 1);
    QWidget *frame = panel.widget();
    if (!m_toolbar->button(index)->isChecked()) {
        for (int i = 1; i <= m_toolbar->buttonCount(); ++i)
            m_toolbar->button(i)->setEnabled(true);
        m_mnuFileReset->setEnabled(true);
        frame->resize(frame->width(), 0);
        frame->hide();
        setOuterHeight(kClosedHeight);
        return;
    }
    for (int i = 1; i <= m_toolbar->buttonCount(); ++i) {
        if (!m_toolbar->button(i)->isChecked())
            m_toolbar->button(i)->setEnabled(false);
    }
    m_mnuFileReset->setEnabled(false);
    frame->resize(frame->width(), pixels(panel.openHeight()));
    frame->show();
    setOuterHeight(twips(frame->height()) + kOpenExtraHeight);
    if (QWidget *focus = panel.focusControl())
        focus->setFocus(Qt::OtherFocusReason);
    panel.opened();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the program the same way as File > Exit.
    if (!m_ending)
        mnuFileExit_Click();
    event->accept();
}

} // namespace Tintora
