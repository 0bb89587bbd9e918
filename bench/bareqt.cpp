// The floor for start-up time and memory: the least a Qt Widgets program with a main window shows.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &window, &QMainWindow::close);
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt main window"), &window));
    window.resize(403, 90);
    window.show();
    return QApplication::exec();
}
