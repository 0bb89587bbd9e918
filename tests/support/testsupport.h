#pragma once

#include "window/mainwindow.h"

#include <QMessageBox>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <optional>

namespace TestSupport {

// A program folder in a temporary directory, holding copies of the shipped Pantone and Webdask
// folders, which a test may then change.
class ProgramFolder
{
public:
    ProgramFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }
    QByteArray read(const QString &relative) const;
    void write(const QString &relative, const QByteArray &content) const;
    void remove(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

// A main window on a program folder whose exit routine records the exit code instead of ending
// the test process. The browser plug-in is left out unless asked for: the panel then shows its
// fallback view.
struct TestWindow
{
    explicit TestWindow(const QString &programFolder, const QString &pluginPath = {});

    // Runs start-up, then shows the window and waits until it is the active one.
    bool loadAndShow() const;

    Tintora::MainWindow &operator*() const { return *window; }
    Tintora::MainWindow *operator->() const { return window.get(); }

    std::shared_ptr<std::optional<int>> exitCode = std::make_shared<std::optional<int>>();
    std::unique_ptr<Tintora::MainWindow> window;
};

// The window as the user sees it with the panel of toolbar button index open (0: none open). The
// panel is closed again afterwards. The browser's place is blanked, since without the browser it
// names the temporary program folder.
QImage windowPicture(Tintora::MainWindow &window, int index);

// Empty when two pictures match up to a little antialiasing, else what differs.
QString pictureDifference(const QImage &actual, const QImage &expected);

// A test whose every function gets its own program folder and a started, shown window.
class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

protected:
    template<typename T = QWidget>
    T *find(const QString &name) const;
    // Clicks toolbar button index, and lets the window grow before further mouse events.
    void clickButton(int index) const;
    // Clicks a control near its left end, where a check box has its box.
    void clickControl(const QString &name) const;
    // Types a text over a box's text, then Enter.
    void type(const QString &name, const QString &text) const;

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<TestWindow> m_window;
};

// The colour a text box writes its text in.
Tintora::ColorValue textColor(const QWidget *box);

// Answers every modal message box as it appears with OK, and keeps what it said.
class MessageBoxWatcher : public QObject
{
    Q_OBJECT

public:
    struct Message
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    MessageBoxWatcher();
    const QList<Message> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    void poll();

    QTimer m_timer;
    QList<Message> m_messages;
};

// A tiny disk (a 12 KiB tmpfs) mounted on an existing folder, so that a test can fill it without
// touching the machine's disks; unmounted again however the test ends. Mounting needs root.
class TinyDisk
{
public:
    explicit TinyDisk(const QString &folder);
    ~TinyDisk();
    Q_DISABLE_COPY_MOVE(TinyDisk)

    bool isMounted() const { return m_mounted; }
    QString error() const { return m_error; }
    // Writes a file until the disk refuses, so that no further block can be had.
    bool fill() const;

private:
    QString m_folder;
    bool m_mounted = false;
    QString m_error;
};

// Finds a named child and fails the test when it is missing.
template<typename T>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("No child named %s", qPrintable(name));
    return found;
}

template<typename T>
T *WindowTest::find(const QString &name) const
{
    return child<T>(m_window->window.get(), name);
}

} // namespace TestSupport
