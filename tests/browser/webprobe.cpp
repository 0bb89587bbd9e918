#include "webprobe.h"

#include <QObject>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace Tintora {

class WebPageProbe : public QObject, public PageProbe
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TintoraPageProbe_iid)
    Q_INTERFACES(Tintora::PageProbe)

public:
    void evaluate(QWidget *view, const QString &script,
                  const std::function<void(const QVariant &)> &done) override
    {
        auto *webView = qobject_cast<QWebEngineView *>(view);
        if (!webView) {
            done(QVariant());
            return;
        }
        webView->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, done);
    }
};

} // namespace Tintora

#include "webprobe.moc"
