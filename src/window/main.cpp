#include "window/commandline.h"
#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Tintora::setVerbose(Tintora::parseCommandLine(QApplication::arguments()).verbose);
    // The organisation and application names place the user's data folder; the desktop file name
    // lets the desktop match the window to the launcher and its icon.
    QApplication::setOrganizationName(QStringLiteral("Tintora Systems"));
    QApplication::setApplicationName(QStringLiteral("Tintora Conversions"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tintora.Conversions"));

    Tintora::MainWindow window(Tintora::ProgramSetup::installed());
    if (window.startUp()) {
        window.show();
        window.preloadBrowser();
    }
    return QApplication::exec();
}
