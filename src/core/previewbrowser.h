#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

namespace Tintora {

// The embedded browser as the program uses it: point it at a file once, reload it later.
class PreviewBrowser
{
public:
    virtual ~PreviewBrowser() = default;
    virtual QWidget *widget() = 0;
    virtual void navigate(const QString &filePath) = 0;
    virtual void reload() = 0;
};

// Implemented by the browser plug-in. The browser it creates is a child widget of parent and is
// deleted with it.
class PreviewBrowserFactory
{
public:
    virtual ~PreviewBrowserFactory() = default;
    virtual PreviewBrowser *createBrowser(QWidget *parent) = 0;
};

} // namespace Tintora

#define TintoraPreviewBrowserFactory_iid "org.tintora.PreviewBrowserFactory/1.0"
Q_DECLARE_INTERFACE(Tintora::PreviewBrowserFactory, TintoraPreviewBrowserFactory_iid)
