#include "PictureSet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

void drawSplash(PictureSet& set)
{
    const int width = 480;
    const int height = 300;
    QImage image = blankImage(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient panel(0, 0, 0, height);
    panel.setColorAt(0, QColor(52, 52, 56));
    panel.setColorAt(1, QColor(22, 22, 25));
    p.fillRect(image.rect(), panel);

    // A stylised waveform across the lower half.
    QPainterPath wave;
    const double mid = height * 0.68;
    wave.moveTo(0, mid);
    for (int x = 0; x <= width; ++x) {
        const double t = x / double(width);
        const double envelope = 0.35 + 0.65 * std::fabs(std::sin(t * 9.0));
        const double y = std::sin(t * 180.0) * std::sin(t * 23.0) * 34.0 * envelope;
        wave.lineTo(x, mid + y);
    }
    p.setPen(QPen(QColor(214, 100, 35), 1.6));
    p.drawPath(wave);

    // Beat ticks under the waveform.
    p.setPen(QPen(QColor(214, 100, 35, 110), 1));
    for (int x = 20; x < width; x += 40)
        p.drawLine(x, height - 28, x, height - 18);

    QFont title("DejaVu Sans", 40, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(228, 228, 228));
    p.drawText(QRect(0, 40, width, 70), Qt::AlignCenter, "Tonbrook");

    QFont subtitle("DejaVu Sans", 12);
    p.setFont(subtitle);
    p.setPen(QColor(200, 100, 35));
    p.drawText(QRect(0, 110, width, 24), Qt::AlignCenter, "practise along with any recording");

    p.setPen(QColor(255, 255, 255, 40));
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    p.end();

    set.save("splashscreen.png", image);
}
