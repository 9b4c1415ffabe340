// The splash screen and the application icon (also the desktop's).
#include "PictureSet.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

QPainterPath waveform(double left, double right, double mid, double amplitude, double cycles)
{
    QPainterPath wave;
    wave.moveTo(left, mid);
    for (double x = left; x <= right; x += 0.5) {
        const double t = (x - left) / (right - left);
        const double envelope = 0.3 + 0.7 * std::fabs(std::sin(t * 9.0));
        const double y = std::sin(t * cycles) * std::sin(t * 23.0) * amplitude * envelope;
        wave.lineTo(x, mid + y);
    }
    return wave;
}

QImage splash()
{
    const int width = 480, height = 300;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    look::brushed(image, image.rect(), QColor(40, 40, 43), 51);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(255, 255, 255, 16));
    shade.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(image.rect(), shade);

    // A waveform window with a looped selection and a strip of chords.
    const QRectF window(30, 150, 420, 96);
    look::well(p, window, 8, QColor(12, 12, 13));
    p.fillRect(QRectF(190, 152, 120, 92), QColor(214, 100, 35, 40));
    p.setPen(QPen(QColor(214, 100, 35, 160), 1));
    p.drawLine(QPointF(190.5, 152), QPointF(190.5, 244));
    p.drawLine(QPointF(309.5, 152), QPointF(309.5, 244));
    p.setPen(QPen(look::orange, 1.4));
    p.setBrush(Qt::NoBrush);
    p.setClipRect(window.adjusted(2, 2, -2, -2));
    p.drawPath(waveform(32, 448, 190, 30, 180));
    p.setClipping(false);
    const char* chords[5] = {"Am", "F", "C", "G", "Em"};
    for (int i = 0; i < 5; ++i) {
        const QRectF tag(40 + i * 82, 224, 70, 16);
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        p.setBrush(QColor(50, 50, 54));
        p.drawRoundedRect(tag, 6, 6);
        look::text(p, tag, chords[i], look::font(10, true), look::label);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(look::orange);
    p.drawRoundedRect(QRectF(94, 52, 6, 44), 3, 3);
    QFont title = look::font(46, true, 1.5);
    look::text(p, QRectF(112, 38, 340, 70).translated(0, 2), "Tonbrook", title, QColor(0, 0, 0, 150),
               Qt::AlignLeft | Qt::AlignVCenter);
    look::text(p, QRectF(112, 38, 340, 70), "Tonbrook", title, QColor(232, 232, 232),
               Qt::AlignLeft | Qt::AlignVCenter);
    look::text(p, QRectF(114, 102, 340, 22), "practise along with any recording", look::font(13, false),
               look::orangeText, Qt::AlignLeft | Qt::AlignVCenter);

    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    return image;
}

// Drawn on a 64-unit grid and scaled, so every size is sharp.
QImage icon(int size)
{
    QImage image = look::strip(size, size, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(2, 2, 60, 60), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(QRectF(2, 3.5, 60, 60), 13, 13);
    QLinearGradient body(0, 2, 0, 62);
    body.setColorAt(0, QColor(70, 70, 74));
    body.setColorAt(1, QColor(26, 26, 28));
    p.setBrush(body);
    p.drawPath(shape);
    p.setClipPath(shape);
    p.setPen(QPen(look::orangeBright, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(waveform(6, 58, 36, 15, 60));
    p.setClipping(false);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.drawRoundedRect(QRectF(2.5, 2.5, 59, 59), 12.5, 12.5);
    look::text(p, QRectF(0, 4, 64, 20), "T", look::font(16, true), look::label);
    return image;
}

} // namespace

void drawSplash(PictureSet& set)
{
    set.save("splashscreen.png", splash());
    set.save("icon_64.png", icon(64));
    // The desktop's copies, installed into the icon theme, not compiled in.
    for (int size : {64, 128, 256})
        set.saveFile(QString("icons/hicolor/%1x%1/apps/tonbrook.png").arg(size), icon(size));
}
