#include "browser/webpreview.h"

#include <QFileInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

#include <unistd.h>

namespace Tintora {

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    info.block(!info.requestUrl().isLocalFile());
}

PreviewPage::PreviewPage(QWebEngineProfile *profile)
    : QWebEnginePage(profile)
{ }

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType, bool)
{
    // Only the page file itself: its first load, reloads and jumps to its anchors.
    return !m_filePath.isEmpty() && url.isLocalFile() && url.toLocalFile() == m_filePath;
}

QWebEnginePage *PreviewPage::createWindow(WebWindowType)
{
    return nullptr;
}

WebPreview::WebPreview(QWidget *parent)
    : QWebEngineView(parent)
    , m_interceptor(std::make_unique<LocalOnlyInterceptor>())
    , m_profile(std::make_unique<QWebEngineProfile>()) // no storage name: off the record
{
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_profile->setUrlRequestInterceptor(m_interceptor.get());

    QWebEngineSettings *settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);

    m_page = std::make_unique<PreviewPage>(m_profile.get());
    setPage(m_page.get());

    // The menu offers Back, Forward, Save and View Source, none of which fits a preview.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

// The members go in reverse order: the page first, which unhooks itself from this view.
WebPreview::~WebPreview() = default;

void WebPreview::navigate(const QString &filePath)
{
    if (filePath.isEmpty())
        return;
    const QString absolutePath = QFileInfo(filePath).absoluteFilePath();
    m_page->setPageFile(absolutePath);
    setUrl(QUrl::fromLocalFile(absolutePath));
}

void WebPreview::reload()
{
    // The file has usually just been rewritten: read it again, never from a cache.
    triggerPageAction(QWebEnginePage::ReloadAndBypassCache);
}

PreviewBrowser *WebPreviewFactory::createBrowser(QWidget *parent)
{
    // Chromium refuses to start its sandbox as root and the whole program would go down with it.
    // The preview never leaves the local page file, so it runs without the sandbox then.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return new WebPreview(parent);
}

} // namespace Tintora
