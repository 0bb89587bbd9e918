#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The embedded browser, loaded later from a plug-in, shares the window's OpenGL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintora Conversions"));

    Tintora::MainWindow window(Tintora::ProgramSetup::installed());
    if (window.Form_Load())
        window.show();
    return QApplication::exec();
}
