#pragma once

#include "core/colorvalue.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;

namespace Tintora {

class BrowserPanel;
struct CatalogLoadResult;
class ColorPanel;
class ColorTransfer;
class Panel;
class PanelToolbar;
class PantonePanel;
class SplashWindow;
class ToolWindows;

// Where the program finds its files, and how it ends the process.
struct ProgramSetup
{
    QString programFolder; // holds Pantone/ and Webdask/
    QString browserPluginPath; // the embedded browser's plug-in
    QString dataFolder; // the user's own data, for a preview page the program folder can't take
    std::function<void(int exitCode)> endProcess;

    // The running program: its folder is the executable's, its data folder the user's application
    // data folder, and ending ends the process at once.
    static ProgramSetup installed();
};

// The outer height of the window with no panel open, in twips: menu bar, toolbar and banner.
constexpr int kClosedHeight = 1695;

// frmDaskTime: menu, toolbar, banner and the seven panels below it, one of them open at a time.
// The window builds and wires them, starts the program, resets it and ends it; the Edit menu is
// the colour transfer's.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(ProgramSetup setup);
    ~MainWindow() override;

    // Start-up: loads the catalogue, brings every panel to its start values. Runs once, before
    // the window is shown. False when loading failed and the program has ended.
    bool startUp();
    // After start-up, once the window is shown: prepares the Web Browser panel's first opening in
    // the background.
    void preloadBrowser();
    // File > Reset: every panel back to its start values, the window closed, the page rewritten.
    void reset();
    // The exit routine: shows the farewell caption on the splash window and ends the process.
    void exitProgram();

    // The open panel; none while all are closed.
    Panel *openPanel() const;
    // Opens a panel through its toolbar button, after closing the open one through its own.
    void openInPlace(Panel &panel);
    // The colour of the open panel, color() of a colour panel; none while no colour panel is
    // open.
    std::optional<ColorValue> currentColor() const { return m_currentColor; }

    ColorTransfer &colorTransfer() const { return *m_transfer; }
    ToolWindows &toolWindows() const { return *m_toolWindows; }
    PanelToolbar *toolbar() const { return m_toolbar; }
    SplashWindow *splashWindow() const { return m_splash.get(); }

signals:
    // currentColor() has changed: a colour panel opened or closed, or the open one's colour
    // changed.
    void currentColorChanged(std::optional<Tintora::ColorValue> color);
    // The program is about to end: what it keeps between runs is to be saved now.
    void ending();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildPanels(QWidget *client);
    void togglePanel(int index);
    void updateCurrentColor();
    // Tells why the catalogue could not be loaded, then ends the program.
    void reportCatalogFailure(const CatalogLoadResult &loaded);
    // The window height as the program sets it: the outer height in twips, of which the title
    // bar, the menu bar and the borders take 690.
    void setOuterHeight(int twips);
    SplashWindow &splash();

    ProgramSetup m_setup;
    std::unique_ptr<SplashWindow> m_splash;
    bool m_catalogMissing = false; // the catalogue failed to load: the farewell says so
    bool m_ending = false;
    std::optional<ColorValue> m_currentColor;

    QAction *m_resetAction = nullptr;
    PanelToolbar *m_toolbar = nullptr;
    PantonePanel *m_pantone = nullptr;
    BrowserPanel *m_browser = nullptr;
    std::vector<Panel *> m_panels; // in toolbar order; Qt's parent owns them
    ColorTransfer *m_transfer = nullptr;
    ToolWindows *m_toolWindows = nullptr;
};

} // namespace Tintora
