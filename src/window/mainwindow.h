#pragma once

#include "core/formstate.h"
#include "core/screenpicking.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;

namespace Tintora {

class BrowserPanel;
class HelpPanel;
class PanelToolbar;
class PortalColorPicker;
class ScreenPicker;
class PantonePanel;
class PanelInterface;
class QbPanel;
class SplashWindow;

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
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(ProgramSetup setup);
    ~MainWindow() override;

    // Start-up: loads the catalogue, brings every display to its start value. Runs once, before
    // the window is shown. Returns false when loading failed and the exit routine has run.
    bool Form_Load();
    // After start-up, once the window is shown: prepares the Web Browser panel's first opening in
    // the background.
    void preloadBrowser();

    // The exit routine: shows the farewell caption on the splash window and ends the process.
    void mnuFileExit_Click();
    // Returns every value to its start value and rewrites the preview page.
    void mnuFileReset_Click();

    FormState &state() { return m_state; }
    PanelToolbar *tlbFirst() const { return m_toolbar; }
    SplashWindow *frmLoading() const { return m_splash.get(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildPanels(QWidget *client);
    void buildEditMenu();
    void updateEditMenu();
    PanelInterface *openPanel() const;
    // The open panel's colour box; none when no panel is open or the open one shows no colour.
    QWidget *openColorBox() const;
    // Into the open panel; with none open, first opens the panel at suitedPanel as its button does.
    void giveColor(ColorValue color, int suitedPanel);
    void pickFromScreen();
    void tlbFirst_ButtonClick(int index);
    bool LoadPantoneFiles();
    // The last steps of start-up, which Reset repeats: every panel's start values, then the
    // window's own.
    void setStartValues();
    // The window height as the program sets it: the outer height in twips, of which the title
    // bar, the menu bar and the borders take 690.
    void setOuterHeight(int twips);
    SplashWindow &splash();

    ProgramSetup m_setup;
    FormState m_state {this};
    std::unique_ptr<SplashWindow> m_splash;
    bool m_ending = false;

    QAction *m_mnuFileReset = nullptr;
    PanelToolbar *m_toolbar = nullptr;
    std::vector<QAction *> m_copyActions;
    QAction *m_mnuEditPaste = nullptr;
    QAction *m_mnuEditPick = nullptr;
    ScreenPickMethod m_pickMethod = ScreenPickMethod::None;
    ScreenPicker *m_screenPicker = nullptr;
    PortalColorPicker *m_portalPicker = nullptr;
    QbPanel *m_qb = nullptr;
    PantonePanel *m_pantone = nullptr;
    BrowserPanel *m_browser = nullptr;
    std::vector<PanelInterface *> m_panels; // in toolbar order; Qt's parent owns them
};

} // namespace Tintora
