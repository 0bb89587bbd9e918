#include "browser/browserhost.h"

#include "browser/pluginpreload.h"
#include "core/previewbrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QStackedLayout>

#include <cstdio>
#include <cstdlib>
#include <system_error>

QT_BEGIN_NAMESPACE
// Exported by Qt GUI, declared in no public header; Qt WebEngine reaches them the same way.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace Tintora {

namespace {

void releaseBrowserShareContext()
{
    qt_gl_set_global_share_context(nullptr);
}

// Once Qt WebEngine is in the process, threads of its own run beside the program's: the loader's,
// then Chromium's, whose page renderer runs in this process. exit() would run the exit handlers
// under them, destroying what they still use. The program's exit routine never gets there, it ends
// the process at once; Qt calls exit(1) when the display goes away, and from then on that ends the
// process at once too, with the same status. Exit handlers run last registered first.
void endAtExit(int status, void *)
{
    endProcessAtOnce(status);
}

// Done once, before Qt WebEngine loads. Qt WebEngine reads the format of the application's global
// shared OpenGL context as it starts, and warns when there is none. Qt makes that context while
// the application starts when AA_ShareOpenGLContexts is set, which loads the OpenGL driver, tens of
// megabytes and tens of milliseconds, on every start. The preview draws in software (see the
// plug-in), so the context is only ever asked for its format: the program sets one here, never
// made. The application object owns it, as it owns Qt's own objects: it goes when the application
// object goes, never after Qt's clean-up.
void prepareForWebEngine()
{
    if (qt_gl_global_share_context())
        return;
    qt_gl_set_global_share_context(new QOpenGLContext(QCoreApplication::instance()));
    // Forgotten before the application object deletes it, after Qt WebEngine's own clean-up,
    // registered later.
    qAddPostRoutine(releaseBrowserShareContext);
    on_exit(endAtExit, nullptr);
}

// Only the program's own plug-in gets the shared context, and is loaded ahead of time. The
// metadata is read without loading the library.
bool isBrowserPlugin(const QPluginLoader &loader)
{
    return loader.metaData().value(QLatin1String("IID")).toString()
        == QLatin1String(TintoraPreviewBrowserFactory_iid);
}

QString fallbackText(const QString &filePath)
{
    return BrowserHost::tr("No web browser is available on this computer.\n"
                           "The preview page is still written to:\n%1")
        .arg(QDir::toNativeSeparators(filePath));
}

} // namespace

BrowserHost::BrowserHost(const QString &pluginPath, QWidget *parent)
    : QWidget(parent)
    , m_pluginPath(pluginPath)
    , m_layout(new QStackedLayout(this))
{ }

// Waits for a background load still under way.
BrowserHost::~BrowserHost() = default;

void BrowserHost::navigate(const QString &filePath)
{
    m_filePath = filePath;
    if (m_browser) {
        m_browser->navigate(filePath);
    } else if (auto *label = qobject_cast<QLabel *>(m_layout->currentWidget())) {
        label->setText(fallbackText(filePath));
    }
}

void BrowserHost::reload()
{
    // Before activation there is nothing to reload: creating the browser loads the file as it is.
    if (m_browser)
        m_browser->reload();
}

void BrowserHost::preload()
{
    if (m_activated || m_preload || !isBrowserPlugin(QPluginLoader(m_pluginPath)))
        return;
    // Qt WebEngine looks for the context as its library loads.
    prepareForWebEngine();
    try {
        m_preload = std::make_unique<PluginPreload>(m_pluginPath);
    } catch (const std::system_error &) {
        // No thread to spare: the panel loads it all when it first opens.
    }
}

void BrowserHost::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    // A background load still under way ends first.
    m_preload.reset();

    // A plug-in that fails to load, for instance because Qt WebEngine is not installed, gives no
    // instance. One that loads but is not ours stays loaded: unloading a library that may have
    // pulled in Qt WebEngine is not safe.
    QPluginLoader loader(m_pluginPath);
    if (isBrowserPlugin(loader))
        prepareForWebEngine();
    if (auto *factory = qobject_cast<PreviewBrowserFactory *>(loader.instance()))
        m_browser = factory->createBrowser(this);

    if (m_browser) {
        // Again, so that it also runs before the handlers that Qt WebEngine registered as it
        // loaded.
        on_exit(endAtExit, nullptr);
        m_layout->addWidget(m_browser->widget());
        m_layout->setCurrentWidget(m_browser->widget());
        if (!m_filePath.isEmpty())
            m_browser->navigate(m_filePath);
        return;
    }

    auto *label = new QLabel(fallbackText(m_filePath), this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_layout->addWidget(label);
    m_layout->setCurrentWidget(label);
}

void endProcessAtOnce(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace Tintora
