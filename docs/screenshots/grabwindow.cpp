// Saves what an X11 window shows, found by its id, as a PNG file.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool isNumber = false;
    const WId window = args.size() == 3 ? args.at(1).toULongLong(&isNumber, 0) : 0;
    if (!isNumber) {
        std::fprintf(stderr, "usage: grabwindow <window id> <file.png>\n");
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(args.at(2), "PNG")) {
        std::fprintf(stderr, "grabwindow: cannot save window %s as %s\n", qPrintable(args.at(1)),
                     qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
