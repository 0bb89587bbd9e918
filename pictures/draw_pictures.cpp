#include "drawing.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

// Writes every picture of the program as a PNG file into the given folder.
int main(int argc, char **argv)
{
    // Text is rasterised the same way with or without a display, so the files match the tests.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw_pictures <folder>\n");
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists()) {
        std::fprintf(stderr, "draw_pictures: no folder %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (const QString &name : Tintora::pictureFileNames()) {
        // Quality 0 asks for the strongest compression; PNG stays lossless.
        if (!Tintora::drawPicture(name).save(folder.filePath(name), "PNG", 0)) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n",
                         qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
