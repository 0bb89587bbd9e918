#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;

namespace Tintora {

class MainWindow;
class ToolWindow;

// The View menu: one entry for each tool window. A tool window is built when its entry is first
// chosen, so that start-up pays nothing for it, and shown again after that.
class ToolWindows : public QObject
{
    Q_OBJECT

public:
    explicit ToolWindows(MainWindow &window);

    using Factory = std::function<ToolWindow *()>;
    // Adds an entry, named name, that shows the window factory builds (a child of the main window).
    QAction *add(const char *name, const QString &text, const QKeySequence &keys, Factory factory);

private:
    QMenu *m_menu;
};

} // namespace Tintora
