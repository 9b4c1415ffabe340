// Draws every picture of the application into the build tree, with the
// .qrc that compiles them in. Run by the build; needs no display.
#include "PictureSet.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }

    PictureSet set(QString::fromLocal8Bit(argv[1]));
    drawSplash(set);

    if (!set.ok() || !set.writeQrc("tonbrook.qrc")) {
        std::fprintf(stderr, "picture generation failed\n");
        return 1;
    }
    return 0;
}
