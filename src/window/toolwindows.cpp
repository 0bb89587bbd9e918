#include "window/toolwindows.h"

#include "tools/toolwindow.h"
#include "window/mainwindow.h"

#include <QMenuBar>

namespace Tintora {

ToolWindows::ToolWindows(MainWindow &window)
    : QObject(&window)
    , m_menu(window.menuBar()->addMenu(tr("&View")))
{
    m_menu->setObjectName(QStringLiteral("mnuView"));
}

QAction *ToolWindows::add(const char *name, const QString &text, const QKeySequence &keys,
                          Factory factory)
{
    QAction *action = m_menu->addAction(
        text, keys, this, [factory = std::move(factory), built = QPointer<ToolWindow>()]() mutable {
            if (!built)
                built = factory();
            built->showBeside();
        });
    action->setObjectName(QLatin1StringView(name));
    return action;
}

} // namespace Tintora
