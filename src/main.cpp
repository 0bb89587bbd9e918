#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintora Conversions"));

    Tintora::MainWindow window(Tintora::ProgramSetup::installed());
    if (window.Form_Load())
        window.show();
    return QApplication::exec();
}
