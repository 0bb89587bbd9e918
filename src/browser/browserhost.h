#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QStackedLayout;

namespace Tintora {

class PluginPreload;
class PreviewBrowser;

// The embedded browser's place on the Web Browser panel (brwVRN). The browser lives in a plug-in
// that pulls in Qt WebEngine, so it is loaded only once the window is up: in the background
// (preload()) or when the panel first opens (activate()). The browser itself is created when the
// panel first opens; until then navigate() and reload() are remembered. Where the plug-in or Qt
// WebEngine is missing, a plain view says that no browser is available, and navigate() and reload()
// do nothing more.
class BrowserHost : public QWidget
{
    Q_OBJECT

public:
    // pluginPath: the plug-in's file path, with or without its suffix.
    explicit BrowserHost(const QString &pluginPath, QWidget *parent = nullptr);
    ~BrowserHost() override;

    void navigate(const QString &filePath);
    void reload();

    // Loads the plug-in and creates the browser, or the fallback view, once.
    void activate();
    // Starts loading the plug-in and Qt WebEngine in the background, so that activate() finds
    // them loaded. Does nothing once activated, or when the plug-in is not the program's.
    void preload();

    bool isActivated() const { return m_activated; }
    PreviewBrowser *browser() const { return m_browser; }

private:
    QString m_pluginPath;
    QString m_filePath;
    bool m_activated = false;
    PreviewBrowser *m_browser = nullptr; // a child widget; Qt's parent owns it
    QStackedLayout *m_layout = nullptr;
    std::unique_ptr<PluginPreload> m_preload;
};

// Ends the process at once with exitCode, once the standard streams are flushed: no destructor,
// exit handler or further event handler runs. An orderly end is not safe once Qt WebEngine is in:
// its threads, Chromium's page renderer among them, run in this process and would find what they
// use destroyed under them.
[[noreturn]] void endProcessAtOnce(int exitCode);

} // namespace Tintora
