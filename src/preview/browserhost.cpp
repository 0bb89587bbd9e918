#include "browserhost.h"

#include "previewbrowser.h"

#include <QDir>
#include <QLabel>
#include <QPluginLoader>
#include <QStackedLayout>

namespace Tintora {

namespace {

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

void BrowserHost::activate()
{
    if (m_activated)
        return;
    m_activated = true;

    // A plug-in that fails to load, for instance because Qt WebEngine is not installed, gives no
    // instance. One that loads but is not ours stays loaded: unloading a library that may have
    // pulled in Qt WebEngine is not safe.
    QPluginLoader loader(m_pluginPath);
    if (auto *factory = qobject_cast<PreviewBrowserFactory *>(loader.instance()))
        m_browser = factory->createBrowser(this);

    if (m_browser) {
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

} // namespace Tintora
