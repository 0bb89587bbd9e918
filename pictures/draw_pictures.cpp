#include "drawing.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

// Writes every picture of the program as a PNG file into the given folder, and the scalable icon
// as an SVG file.
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
    for (const QString &name : Tintora::pictureFileNames() + Tintora::desktopIconFileNames()) {
        // Quality 0 asks for the strongest compression; PNG stays lossless.
        if (!Tintora::drawPicture(name).save(folder.filePath(name), "PNG", 0)) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n",
                         qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    QFile svg(folder.filePath(QStringLiteral("icon.svg")));
    const QByteArray text = Tintora::drawIconSvg();
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(text) != text.size()) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
