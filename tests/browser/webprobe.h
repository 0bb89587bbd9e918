#pragma once

#include <QString>
#include <QVariant>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace Tintora {

// Reads a preview page back for tst_webpreview. It lives in a plug-in so that the test program
// itself does not link Qt WebEngine and can tell when the browser plug-in brings it in.
class PageProbe
{
public:
    virtual ~PageProbe() = default;
    // Runs script on the page that view (a QWebEngineView) shows, in a script world of its own,
    // which runs even with the page's JavaScript off; done receives the script's value.
    virtual void evaluate(QWidget *view, const QString &script,
                          const std::function<void(const QVariant &)> &done)
        = 0;
};

} // namespace Tintora

#define TintoraPageProbe_iid "org.tintora.test.PageProbe/1.0"
Q_DECLARE_INTERFACE(Tintora::PageProbe, TintoraPageProbe_iid)
