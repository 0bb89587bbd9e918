#include "window/commandline.h"
#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The organisation and application names place the user's data folder; the desktop file name
    // lets the desktop match the window to the launcher and its icon.
    QCoreApplication::setOrganizationName(QStringLiteral("Tintora Systems"));
    QCoreApplication::setApplicationName(QStringLiteral("Tintora Conversions"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TINTORA_VERSION));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const Tintora::CommandLine commandLine = Tintora::parseCommandLine(arguments);
    // Help, version and conversions are for terminals and scripts, where there may be no display:
    // they load no platform plug-in.
    if (commandLine.windowless) {
        QCoreApplication app(argc, argv);
        return Tintora::answerCommandLine(QCoreApplication::arguments());
    }

    QApplication app(argc, argv);
    Tintora::setVerbose(commandLine.verbose);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tintora.Conversions"));

    Tintora::MainWindow window(Tintora::ProgramSetup::installed());
    if (window.startUp()) {
        window.show();
        window.preloadBrowser();
    }
    return QApplication::exec();
}
