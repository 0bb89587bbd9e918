#pragma once

#include "core/previewbrowser.h"

#include <QObject>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <memory>

class QWebEngineProfile;

namespace Tintora {

// Lets only local files through, so a page can never reach the network.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};

// A page that stays on the one file it was pointed at: links, redirects and dropped files lead
// nowhere, and nothing opens a new window.
class PreviewPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit PreviewPage(QWebEngineProfile *profile);
    void setPageFile(const QString &filePath) { m_filePath = filePath; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    QString m_filePath;
};

// The preview browser: a web view that shows one local file, without scripts, plug-ins or
// anything kept on disk.
class WebPreview : public QWebEngineView, public PreviewBrowser
{
    Q_OBJECT

public:
    explicit WebPreview(QWidget *parent);
    ~WebPreview() override;

    QWidget *widget() override { return this; }
    void navigate(const QString &filePath) override;
    void reload() override;

private:
    // Declared in the order they must outlive each other: the page needs its profile, and the
    // profile its interceptor.
    std::unique_ptr<LocalOnlyInterceptor> m_interceptor;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<PreviewPage> m_page;
};

// The plug-in's entry point. Everything that needs Qt WebEngine lives behind it, so the program
// loads Qt WebEngine only together with this plug-in.
class WebPreviewFactory : public QObject, public PreviewBrowserFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TintoraPreviewBrowserFactory_iid)
    Q_INTERFACES(Tintora::PreviewBrowserFactory)

public:
    PreviewBrowser *createBrowser(QWidget *parent) override;

private:
    // Chooses how Chromium and Qt Quick run, before the first browser starts them.
    static void prepareChromium();
};

} // namespace Tintora
