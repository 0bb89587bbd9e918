#include "testsupport.h"

#include "window/paneltoolbar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QToolButton>

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
    if (!window->startUp())
        return false;
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}

void WindowTest::init()
{
    // A cursor that blinks would make the window's pictures differ.
    QApplication::setCursorFlashTime(0);
    m_folder = std::make_unique<ProgramFolder>();
    m_window = std::make_unique<TestWindow>(m_folder->path());
    QVERIFY(m_window->loadAndShow());
}

void WindowTest::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void WindowTest::clickButton(int index) const
{
    QTest::mouseClick((*m_window)->toolbar()->button(index), Qt::LeftButton);
    QCoreApplication::processEvents();
}

void WindowTest::clickControl(const QString &name) const
{
    QTest::mouseClick(find(name), Qt::LeftButton, {}, QPoint(5, find(name)->height() / 2));
}

void WindowTest::type(const QString &name, const QString &text) const
{
    auto *box = find<QLineEdit>(name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

Tintora::ColorValue textColor(const QWidget *box)
{
    return Tintora::toColorValue(box->palette().color(QPalette::Text));
}

QImage windowPicture(Tintora::MainWindow &window, int index)
{
    QAbstractButton *button = index > 0 ? window.toolbar()->button(index) : nullptr;
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
    // Away from the toolbar, so that no button is drawn as under the mouse.
    QTest::mouseMove(&window, QPoint(window.width() - 1, window.height() - 1));
    QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *browser = window.findChild<QWidget *>(QStringLiteral("brwVRN"));
    if (browser && browser->isVisible()) {
        QPainter(&picture).fillRect(QRect(browser->mapTo(&window, QPoint()), browser->size()),
                                    Qt::magenta);
    }
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
    return picture;
}

QString pictureDifference(const QImage &actual, const QImage &expected)
{
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return QStringLiteral("the size differs");
    QStringList differing;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                    + std::abs(qBlue(p) - qBlue(q))
                > 96)
                differing.append(QStringLiteral("(%1, %2)").arg(x).arg(y));
        }
    }
    // A few pixels of antialiasing may differ; a moved or recoloured control changes many more.
    return differing.size() <= 16 ? QString() : differing.first(17).join(u' ') + u'…';
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
    m_messages.append({box->windowTitle(), box->text(), box->icon()});
    box->done(QMessageBox::Ok);
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
