#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace TestSupport {

namespace {

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QStringList files = QDir(from).entryList(QDir::Files);
    for (const QString &file : files) {
        if (!QFile::copy(from + u'/' + file, to + u'/' + file))
            qFatal("Cannot copy %s", qPrintable(file));
    }
}

} // namespace

ProgramFolder::ProgramFolder()
{
    if (!m_dir.isValid())
        qFatal("No temporary folder");
    copyFolder(QStringLiteral(TINTORA_SOURCE_DIR "/data/Pantone"),
               filePath(QStringLiteral("Pantone")));
    copyFolder(QStringLiteral(TINTORA_SOURCE_DIR "/data/Webdask"),
               filePath(QStringLiteral("Webdask")));
}

QByteArray ProgramFolder::read(const QString &relative) const
{
    QFile file(filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void ProgramFolder::write(const QString &relative, const QByteArray &content) const
{
    QFile file(filePath(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(content) != content.size())
        qFatal("Cannot write %s", qPrintable(relative));
}

void ProgramFolder::remove(const QString &relative) const
{
    const QString path = filePath(relative);
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

TestWindow::TestWindow(const QString &programFolder, const QString &pluginPath)
{
    Tintora::ProgramSetup setup;
    setup.programFolder = programFolder;
    setup.browserPluginPath
        = pluginPath.isEmpty() ? programFolder + QStringLiteral("/no-browser") : pluginPath;
    // Inside the temporary program folder, so no test writes to the user's real data folder.
    setup.dataFolder = programFolder + QStringLiteral("/user-data");
    setup.endProcess = [code = exitCode](int exitCode) {
        *code = exitCode;
    };
    window = std::make_unique<Tintora::MainWindow>(std::move(setup));
}

bool TestWindow::loadAndShow() const
{
    if (!window->Form_Load())
        return false;
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}

MessageBoxWatcher::MessageBoxWatcher()
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxWatcher::poll);
    m_timer.start(10);
}

void MessageBoxWatcher::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_messages.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    box->done(QMessageBox::Ok);
}

namespace {

QRect subControlRect(QScrollBar *bar, QStyle::SubControl control)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
}

} // namespace

void clickArrow(QScrollBar *bar, bool towardsMaximum)
{
    const QRect arrow = subControlRect(
        bar, towardsMaximum ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
}

void dragThumb(QScrollBar *bar, int distance, int steps, const std::function<void()> &atEachStep)
{
    QPoint position = subControlRect(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, position);
    const QPoint step = bar->orientation() == Qt::Horizontal ? QPoint(distance / steps, 0)
                                                             : QPoint(0, distance / steps);
    for (int i = 0; i < steps; ++i) {
        position += step;
        QTest::mouseMove(bar, position);
        atEachStep();
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, position);
}

TinyDisk::TinyDisk(const QString &folder)
    : m_folder(folder)
{
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=12k") == 0)
        m_mounted = true;
    else
        m_error = QString::fromLocal8Bit(std::strerror(errno));
}

TinyDisk::~TinyDisk()
{
    const QByteArray path = QFile::encodeName(m_folder);
    if (m_mounted && ::umount(path.constData()) != 0)
        ::umount2(path.constData(), MNT_DETACH);
}

bool TinyDisk::fill() const
{
    QFile filler(m_folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) { }
    return true;
}

} // namespace TestSupport
