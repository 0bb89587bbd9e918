#include "browser/webpreview.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QQuickWindow>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

#include <unistd.h>

namespace Tintora {

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// Without OpenGL, which the plug-in declines on purpose (see prepareChromium), Qt WebEngine warns
// that it found none, on X11 and on Wayland alike.
void withoutOpenGlWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtWarningMsg
        || message.trimmed() != QLatin1StringView("No suitable graphics backend found"))
        qtMessageHandler(type, context, message);
}

} // namespace

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
    prepareChromium();
    return new WebPreview(parent);
}

void WebPreviewFactory::prepareChromium()
{
    // Chromium refuses to start its sandbox as root and the whole program would go down with it.
    // The preview never leaves the local page file, so it runs without the sandbox then.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Chromium's page renderer runs as a thread of the program instead of in helper processes,
    // each of which would load and relocate Qt WebEngine's 150 MB library anew: the first page
    // shows in about half the time, with half the memory. Separate processes shield a browser
    // from hostile pages; the preview shows only the program's own page file, without scripts
    // and without anything from the network. Chromium then allows one browser per process, which
    // is all the program makes, and cannot shut down cleanly: the program never asks it to, it
    // ends its process. Flags set by the user are left as they are.
    // Chromium's log stays off, but for fatal errors, unless the user asks for Qt WebEngine's
    // notes (--verbose, or QT_LOGGING_RULES): its errors about a single process are expected.
    const bool notes = QLoggingCategory("qt.webenginecontext").isInfoEnabled();
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                notes ? "--single-process" : "--single-process --log-level=3");
    // The page is drawn in software, Chromium's part and Qt Quick's alike. With OpenGL, the view
    // would make Qt turn the main window into an OpenGL window: Qt destroys the window and makes a
    // new one, which blinks, may move, and loses what was sent to the old one (a close request).
    // A small static page gains nothing from OpenGL.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Qt WebEngine still looks for OpenGL on X11, which would load the whole graphics driver (Mesa
    // with LLVM, over 50 MiB) for nothing. The program has made no OpenGL window so far, so Qt's
    // X11 OpenGL support is not loaded yet and can be declined.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    if (!notes && !qtMessageHandler)
        qtMessageHandler = qInstallMessageHandler(withoutOpenGlWarning);
}

} // namespace Tintora
