#pragma once

#include "core/formstate.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;

namespace Tintora {

class BrowserPanel;
class HelpPanel;
class HexPanel;
class PanelToolbar;
class PantonePanel;
class QbPanel;
class RgbPanel;
class SplashWindow;
class SwatchPanel;

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

    // The exit routine: shows the farewell caption on the splash window and ends the process.
    void mnuFileExit_Click();
    // Returns every value to its start value and rewrites the preview page.
    void mnuFileReset_Click();

    // The window height as the program sets it: the outer height in twips, of which the title
    // bar, the menu bar and the borders take 690.
    void setOuterHeight(int twips);
    int clientHeightPixels() const;

    FormState &state() { return m_state; }
    PanelToolbar *tlbFirst() const { return m_toolbar; }
    SplashWindow *frmLoading() const { return m_splash.get(); }
    QbPanel *qbPanel() const { return m_qb; }
    PantonePanel *pantonePanel() const { return m_pantone; }
    RgbPanel *rgbPanel() const { return m_rgb; }
    HexPanel *hexPanel() const { return m_hex; }
    SwatchPanel *swatchPanel() const { return m_swatches; }
    BrowserPanel *browserPanel() const { return m_browser; }
    HelpPanel *helpPanel() const { return m_help; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct PanelSlot
    {
        QWidget *panel;
        int openHeight; // twips
        QWidget *focus;
        std::function<void()> beforeShow;
        std::function<void()> afterOpen;
    };

    void buildMenu();
    void buildPanels(QWidget *client);
    void tlbFirst_ButtonClick(int index);
    bool LoadPantoneFiles();
    void setStartValues();
    SplashWindow &splash();

    ProgramSetup m_setup;
    FormState m_state {this};
    std::unique_ptr<SplashWindow> m_splash;
    bool m_ending = false;

    QAction *m_mnuFileReset = nullptr;
    PanelToolbar *m_toolbar = nullptr;
    QLabel *m_banner = nullptr;
    QbPanel *m_qb = nullptr;
    PantonePanel *m_pantone = nullptr;
    RgbPanel *m_rgb = nullptr;
    HexPanel *m_hex = nullptr;
    SwatchPanel *m_swatches = nullptr;
    BrowserPanel *m_browser = nullptr;
    HelpPanel *m_help = nullptr;
    std::vector<PanelSlot> m_slots; // by toolbar index - 1
};

} // namespace Tintora
