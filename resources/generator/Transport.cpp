// The transport bar's buttons, the trays behind them and the clock, the
// metronome lights and the knob captions.
#include "PictureSet.h"
#include "Style.h"

#include <QPainterPath>
#include <functional>

namespace {

using Icon = std::function<void(QPainter&, QPointF centre)>;

void triangle(QPainter& p, QPointF c, qreal w, qreal h, bool right)
{
    QPainterPath path;
    const qreal d = right ? 1 : -1;
    path.moveTo(c.x() - d * w / 2, c.y() - h / 2);
    path.lineTo(c.x() + d * w / 2, c.y());
    path.lineTo(c.x() - d * w / 2, c.y() + h / 2);
    path.closeSubpath();
    p.drawPath(path);
}

// Two frames of 42 × 41: up, then down or latched (lit).
QImage transportButton(const Icon& icon)
{
    const int w = 42, h = 41;
    QImage image = look::strip(w, h, 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < 2; ++frame) {
        const bool down = frame == 1;
        p.save();
        p.translate(0, frame * h);
        const QRectF body(2, 2, w - 4, h - 5);
        if (down) {
            look::plate(p, body.translated(0, 1), 7, QColor(58, 40, 30), QColor(30, 22, 18));
            p.setPen(QPen(QColor(255, 140, 50, 150), 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(body.translated(0, 1).adjusted(1, 1, -1, -2), 6, 6);
        } else {
            look::plate(p, body, 7, QColor(98, 98, 103), QColor(40, 40, 44));
        }
        const QColor colour = down ? look::orangeBright : look::label;
        p.setPen(Qt::NoPen);
        if (down) {
            QRadialGradient glow(body.center() + QPointF(0, 1), 14);
            glow.setColorAt(0, QColor(255, 140, 50, 70));
            glow.setColorAt(1, QColor(255, 140, 50, 0));
            p.setBrush(glow);
            p.drawEllipse(body.center() + QPointF(0, 1), 14, 14);
        }
        p.setBrush(QColor(0, 0, 0, 120));
        p.setPen(QPen(QColor(0, 0, 0, 120), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        icon(p, body.center() + QPointF(0, down ? 2 : 1));
        p.setBrush(colour);
        p.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        icon(p, body.center() + QPointF(0, down ? 1 : 0));
        p.restore();
    }
    return image;
}

void playPauseIcon(QPainter& p, QPointF c)
{
    triangle(p, c - QPointF(5, 0), 10, 13, true);
    const QBrush b = p.brush();
    p.fillRect(QRectF(c.x() + 3, c.y() - 6, 3, 12), b);
    p.fillRect(QRectF(c.x() + 8, c.y() - 6, 3, 12), b);
}

void stopIcon(QPainter& p, QPointF c)
{
    p.drawRoundedRect(QRectF(c.x() - 6, c.y() - 6, 12, 12), 1.5, 1.5);
}

void forwardIcon(QPainter& p, QPointF c)
{
    triangle(p, c - QPointF(4.5, 0), 9, 12, true);
    triangle(p, c + QPointF(4.5, 0), 9, 12, true);
}

void backIcon(QPainter& p, QPointF c)
{
    triangle(p, c - QPointF(4.5, 0), 9, 12, false);
    triangle(p, c + QPointF(4.5, 0), 9, 12, false);
}

void loopIcon(QPainter& p, QPointF c)
{
    const QBrush fill = p.brush();
    QPen pen = p.pen();
    pen.setWidthF(2.2);
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - 9, c.y() - 6, 18, 12);
    p.drawArc(box, 100 * 16, 160 * 16);
    p.drawArc(box, 280 * 16, 160 * 16);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    // Arrow heads at the ends of the two arcs.
    triangle(p, QPointF(c.x() + 1.5, c.y() - 6), 5, 7, true);
    triangle(p, QPointF(c.x() - 1.5, c.y() + 6), 5, 7, false);
}

// The tray behind the five buttons and the cover over them share the
// button row's size: five 42-pixel buttons 12 apart.
const int rowWidth = 5 * 42 + 4 * 12;
const int rowHeight = 45;

QImage backing()
{
    QImage image = look::strip(rowWidth, rowHeight, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::well(p, QRectF(0.5, 0.5, rowWidth - 1, rowHeight - 1), 9, QColor(24, 24, 27));
    return image;
}

QImage greyCover()
{
    QImage image = look::strip(rowWidth, rowHeight, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 46, 50, 190));
    p.drawRoundedRect(QRectF(0, 0, rowWidth, rowHeight), 9, 9);
    // Fine diagonal hatching says "not available" without hiding the buttons.
    p.setClipRect(QRect(0, 0, rowWidth, rowHeight));
    p.setPen(QPen(QColor(0, 0, 0, 45), 1));
    for (int x = -rowHeight; x < rowWidth; x += 6)
        p.drawLine(QPointF(x, rowHeight), QPointF(x + rowHeight, 0));
    return image;
}

QImage clockBacking()
{
    QImage image = look::strip(212, 24, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::well(p, QRectF(0.5, 0.5, 211, 23), 5, QColor(14, 12, 11));
    QLinearGradient glass(0, 1, 0, 12);
    glass.setColorAt(0, QColor(255, 255, 255, 22));
    glass.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(2, 2, 208, 10), 4, 4);
    return image;
}

QImage metronomeLight(bool lit)
{
    QImage image = look::strip(12, 12, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::light(p, QPointF(6, 6), 4.2, lit ? QColor(240, 40, 30) : QColor(150, 150, 150), lit);
    return image;
}

QImage knobCaption(int w, const QString& text)
{
    QImage image = look::strip(w, 24, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::caption(p, QRectF(0, 0, w, 24), text, 10);
    return image;
}

} // namespace

void drawTransport(PictureSet& set)
{
    const QSize frame(42, 41);
    set.save("transport/play_pause.png", transportButton(playPauseIcon), frame);
    set.save("transport/stop.png", transportButton(stopIcon), frame);
    set.save("transport/fwd.png", transportButton(forwardIcon), frame);
    set.save("transport/back.png", transportButton(backIcon), frame);
    set.save("transport/loop.png", transportButton(loopIcon), frame);
    set.save("transport/transport_backing.png", backing());
    set.save("transport/transport_grey.png", greyCover());
    set.save("transport/clock_backing.png", clockBacking());
    set.save("transport/metronome_grey.png", metronomeLight(false));
    set.save("transport/metronome_red.png", metronomeLight(true));
    set.save("transport/volume_label.png", knobCaption(64, "VOLUME"));
    set.save("transport/metronome_label.png", knobCaption(88, "METRONOME"));
}
