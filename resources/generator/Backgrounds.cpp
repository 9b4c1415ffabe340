// The background pictures of the waveform band, the transport bar, the tab
// area and the three tool pages. Children sit over them at fixed places (the
// rectangles named below), so those places stay plain or, for the waveform,
// transparent.
#include "PictureSet.h"
#include "Style.h"

#include <cmath>

namespace {

QImage brushedImage(int w, int h, uint32_t seed)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    look::brushed(image, image.rect(), look::panel, seed);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A soft light from above and a rim at the edges.
    QLinearGradient shade(0, 0, 0, h);
    shade.setColorAt(0, QColor(255, 255, 255, 14));
    shade.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(image.rect(), shade);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(w, 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawLine(QPointF(0, h - 0.5), QPointF(w, h - 0.5));
    return image;
}

void screw(QPainter& p, QPointF c)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(c + QPointF(0, 0.7), 4, 4);
    QLinearGradient g(c - QPointF(0, 3.5), c + QPointF(0, 3.5));
    g.setColorAt(0, QColor(140, 140, 145));
    g.setColorAt(1, QColor(50, 50, 54));
    p.setBrush(g);
    p.drawEllipse(c, 3.5, 3.5);
    p.setPen(QPen(QColor(30, 30, 32), 1.1));
    p.drawLine(c + QPointF(-2.2, 1.2), c + QPointF(2.2, -1.2));
    p.restore();
}

// An engraved frame around a group of controls, with its title.
void section(QPainter& p, const QRectF& r, const QString& title)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 26), 1));
    p.drawRoundedRect(r.translated(0.5, 1.5), 8, 8);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.drawRoundedRect(r.translated(0.5, 0.5), 8, 8);
    if (!title.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(look::orange);
        p.drawRoundedRect(QRectF(r.left() + 12, r.top() + 11, 3, 12), 1.5, 1.5);
        look::caption(p, QRectF(r.left() + 20, r.top() + 9, 200, 16), title, 12, Qt::AlignLeft | Qt::AlignVCenter);
    }
    p.restore();
}

void captionLeftOf(QPainter& p, const QRect& child, const QString& text, int width = 90)
{
    look::caption(p, QRectF(child.left() - width - 7, child.top(), width, child.height()), text, 9.5,
                  Qt::AlignRight | Qt::AlignVCenter);
}

void captionAbove(QPainter& p, const QRect& child, const QString& text)
{
    look::caption(p, QRectF(child.left() - 40, child.top() - 15, child.width() + 80, 13), text, 10,
                  Qt::AlignHCenter | Qt::AlignBottom);
}

void captionBelow(QPainter& p, const QRect& child, const QString& text, int offset = 3)
{
    look::caption(p, QRectF(child.left() - 40, child.bottom() + 1 + offset, child.width() + 80, 13), text, 10,
                  Qt::AlignHCenter | Qt::AlignTop);
}

// A recessed bed a few pixels larger than the child that sits in it.
void bed(QPainter& p, const QRect& child, int margin = 4, qreal radius = 6)
{
    look::well(p, QRectF(child).adjusted(-margin, -margin, margin, margin), radius, QColor(26, 26, 29));
}

void tabStripBed(QPainter& p)
{
    bed(p, QRect(325, 12, 350, 25), 3, 8);
}

QImage toolsOverlay()
{
    QImage image = brushedImage(1000, 355, 11);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    tabStripBed(p);
    section(p, QRectF(34, 46, 272, 298), "TEMPO");
    section(p, QRectF(314, 46, 372, 298), "ISOLATE");
    section(p, QRectF(694, 46, 272, 298), "PITCH");

    // Tempo: knob (141, 94), BPM box (141, 228), mode box (141, 272).
    captionLeftOf(p, QRect(141, 228, 93, 20), "BPM", 70);
    captionLeftOf(p, QRect(141, 272, 93, 20), "MODE", 70);

    // Isolation: the display's screen, its slider, three knobs, two switches.
    const QRect display(343, 84, 316, 101);
    look::well(p, QRectF(display).adjusted(-5, -5, 5, 5), 6, QColor(12, 12, 13));
    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    for (int i = 1; i < 8; ++i) {
        const qreal x = display.left() + display.width() * i / 8.0;
        p.drawLine(QPointF(x, display.top() + 2), QPointF(x, display.bottom() - 1));
    }
    for (int i = 1; i < 4; ++i) {
        const qreal y = display.top() + display.height() * i / 4.0;
        p.drawLine(QPointF(display.left() + 2, y), QPointF(display.right() - 1, y));
    }
    captionBelow(p, QRect(379, 242, 64, 64), "WIDTH", 2);
    captionBelow(p, QRect(469, 242, 64, 64), "SEPARATION", 2);
    captionBelow(p, QRect(555, 242, 64, 64), "FILTER", 2);
    captionAbove(p, QRect(328, 264, 43, 18), "SOURCE");
    captionAbove(p, QRect(628, 264, 43, 18), "BAND");

    // Pitch: knob (782, 94) with its scale, semitone and fine-tune boxes.
    const QPointF pitchCentre(782 + 42.5, 94 + 42.5);
    const double pi = 3.14159265358979;
    const struct
    {
        double angle;
        const char* text;
    } marks[3] = {{-135, "-12"}, {0, "0"}, {135, "+12"}};
    for (const auto& mark : marks) {
        const double t = mark.angle * pi / 180;
        const QPointF at = pitchCentre + QPointF(std::sin(t), -std::cos(t)) * 53;
        look::caption(p, QRectF(at.x() - 15, at.y() - 7, 30, 14), mark.text, 10, Qt::AlignCenter,
                      look::labelDim.lighter(120));
    }
    captionLeftOf(p, QRect(781, 228, 93, 20), "SEMITONES", 80);
    captionLeftOf(p, QRect(781, 272, 93, 20), "FINE TUNE", 80);
    return image;
}

QImage waveBackground()
{
    QImage image = brushedImage(1000, 228, 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect wave(59, 18, 884, 156), overview(59, 182, 884, 28);
    for (const QRect& hole : {wave, overview}) {
        look::well(p, QRectF(hole).adjusted(-4, -4, 4, 4), 6, QColor(10, 10, 11));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 200), 2));
        p.drawRect(QRectF(hole).adjusted(-1, -1, 1, 1));
    }
    for (QPointF c : {QPointF(14, 14), QPointF(986, 14), QPointF(14, 214), QPointF(986, 214)})
        screw(p, c);
    // The waveform and the overview show through these holes.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(wave, Qt::transparent);
    p.fillRect(overview, Qt::transparent);
    return image;
}

QImage transportBackground()
{
    QImage image = brushedImage(1000, 91, 13);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (QPointF c : {QPointF(12, 12), QPointF(988, 12), QPointF(12, 79), QPointF(988, 79)})
        screw(p, c);
    // Engraved grooves frame the knob groups without touching their places.
    for (const QRectF& r : {QRectF(120, 6, 128, 80), QRectF(752, 6, 128, 80)}) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 22), 1));
        p.drawRoundedRect(r.translated(0.5, 1.5), 8, 8);
        p.setPen(QPen(QColor(0, 0, 0, 140), 1));
        p.drawRoundedRect(r.translated(0.5, 0.5), 8, 8);
    }
    return image;
}

QImage chordsOverlay()
{
    QImage image = brushedImage(1000, 355, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    tabStripBed(p);
    section(p, QRectF(34, 46, 284, 298), "");
    section(p, QRectF(326, 46, 360, 298), "");
    section(p, QRectF(694, 46, 272, 298), "");

    // The grid of detected chords with its scroll arrows.
    look::well(p, QRectF(72, 52, 236, 270), 6, QColor(24, 24, 27));
    // Left-aligned: the filter's opener takes the right end of the line.
    look::caption(p, QRectF(76, 326, 150, 13), "DETECTED CHORDS", 10, Qt::AlignLeft | Qt::AlignVCenter);
    // Current and next chord, the beat count.
    bed(p, QRect(336, 53, 126, 264), 3, 6);
    captionAbove(p, QRect(483, 62, 87, 178), "NEXT");
    bed(p, QRect(483, 62, 87, 178), 3, 5);
    bed(p, QRect(480, 262, 94, 25), 2, 5);
    captionBelow(p, QRect(480, 262, 94, 25), "BEATS TO GO", 4);
    // The column of boxes.
    captionAbove(p, QRect(583, 81, 93, 20), "KEY SHIFT");
    captionAbove(p, QRect(583, 128, 93, 20), "TEMPO");
    captionAbove(p, QRect(585, 177, 89, 18), "SHAPES");
    captionAbove(p, QRect(583, 225, 93, 20), "NECK");
    captionAbove(p, QRect(583, 298, 93, 20), "CAPO");
    // The chord finder: key and mode rolls over its diagram.
    bed(p, QRect(756, 78, 122, 217), 3, 6);
    bed(p, QRect(756, 55, 32, 18), 2, 4);
    bed(p, QRect(798, 56, 85, 18), 2, 4);
    captionBelow(p, QRect(756, 78, 122, 217), "CHORD FINDER", 8);
    return image;
}

QImage jamOverlay()
{
    QImage image = brushedImage(1000, 355, 15);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    tabStripBed(p);
    section(p, QRectF(34, 46, 932, 298), "JAM");

    const QRect riffId(325, 79, 48, 18), pitch(713, 78, 28, 20);
    const QRect steps(261, 112, 480, 30), ruler(261, 150, 480, 10), song(261, 257, 480, 30);
    captionLeftOf(p, riffId, "RIFF", 50);
    bed(p, riffId, 2, 4);
    captionLeftOf(p, pitch, "STEP PITCH", 90);
    bed(p, pitch, 2, 4);
    bed(p, steps, 5, 6);
    bed(p, ruler, 3, 5);
    look::caption(p, QRectF(261, 165, 200, 13), "LOOP LENGTH", 10, Qt::AlignLeft | Qt::AlignTop);
    look::caption(p, QRectF(261, 238, 200, 13), "SONG", 10, Qt::AlignLeft | Qt::AlignTop);
    bed(p, song, 5, 6);
    captionBelow(p, QRect(182, 94, 42, 41), "PLAY RIFF", 4);
    captionBelow(p, QRect(182, 245, 42, 41), "PLAY SONG", 4);
    captionBelow(p, QRect(787, 94, 64, 64), "BEAT OFFSET", 4);
    look::caption(p, QRectF(95, 307, 120, 25), "JAM MODE", 10, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

} // namespace

void drawBackgrounds(PictureSet& set)
{
    set.save("real_time_tools/tool_overlay.png", toolsOverlay());
    set.save("background_wave.png", waveBackground());
    set.save("background_transport.png", transportBackground());
    set.save("background_tabs.png", brushedImage(1000, 355, 16));
    set.save("chords/chords_overlay.png", chordsOverlay());
    set.save("jam/jam_overlay.png", jamOverlay());
}
