// Draws every picture of the application into the build tree, with the
// .qrc that compiles them in. Run by the build; needs no display.
//   picture_generator OUTPUT_DIR [--contact-sheet FILE.png]
#include "PictureSet.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool sheet = argc == 4 && std::strcmp(argv[2], "--contact-sheet") == 0;
    if (argc != 2 && !sheet) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [--contact-sheet FILE.png]\n", argv[0]);
        return 2;
    }

    PictureSet set(QString::fromLocal8Bit(argv[1]));
    drawSplash(set);
    drawControls(set);
    drawTransport(set);
    drawBackgrounds(set);
    drawChordControls(set);
    drawChordSheets(set);
    drawJam(set);
    drawFlags(set);

    if (!set.ok() || !set.writeQrc("tonbrook.qrc")) {
        std::fprintf(stderr, "picture generation failed\n");
        return 1;
    }
    if (sheet && !writeContactSheet(set, QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write the contact sheet %s\n", argv[3]);
        return 1;
    }
    return 0;
}
