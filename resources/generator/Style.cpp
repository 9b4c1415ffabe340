#include "Style.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

namespace look {

QFont font(qreal pixelSize, bool bold, qreal letterSpacing)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return f;
}

void brushed(QImage& image, const QRect& area, const QColor& base, uint32_t seed, float amplitude)
{
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty())
        return;
    Random random(seed);
    const int w = r.width();
    std::vector<float> row(size_t(w) + 64);
    std::vector<float> streak(size_t(w), 0.0f);
    const int window = 48; // streak length in pixels
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (float& v : row)
            v = random.next();
        // A running mean along x turns white noise into horizontal streaks.
        float sum = 0;
        for (int i = 0; i < window; ++i)
            sum += row[size_t(i)];
        for (int x = 0; x < w; ++x) {
            streak[size_t(x)] = sum / std::sqrt(float(window));
            sum += row[size_t(x + window) % row.size()] - row[size_t(x)];
        }
        const float rowShade = random.next() * 0.35f;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float d = amplitude * (0.55f * streak[size_t(x)] + rowShade) + 1.2f * random.next();
            auto c = [d](int v) { return std::clamp(int(std::lround(v + d)), 0, 255); };
            line[r.left() + x] = qRgba(c(base.red()), c(base.green()), c(base.blue()), 255);
        }
    }
}

void well(QPainter& p, const QRectF& r, qreal radius, const QColor& fill)
{
    p.save();
    p.setPen(Qt::NoPen);
    // The light catches the lower lip, the shadow falls from the upper one.
    p.setBrush(edgeLight);
    p.drawRoundedRect(r.adjusted(0, 1, 0, 1), radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, fill.darker(135));
    g.setColorAt(0.25, fill);
    g.setColorAt(1, fill.lighter(112));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 170), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void plate(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r.adjusted(0, 1, 0, 1), radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0, 0, 0, -1), radius, radius);
    p.setBrush(Qt::NoBrush);
    QLinearGradient rim(r.topLeft(), r.bottomLeft());
    rim.setColorAt(0, QColor(255, 255, 255, 60));
    rim.setColorAt(0.5, QColor(255, 255, 255, 10));
    rim.setColorAt(1, QColor(0, 0, 0, 80));
    p.setPen(QPen(QBrush(rim), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -1.5), radius, radius);
    p.restore();
}

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c, Qt::Alignment align)
{
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, int(align), s);
    p.restore();
}

void caption(QPainter& p, const QRectF& r, const QString& s, qreal pixelSize, Qt::Alignment align, const QColor& c)
{
    const QFont f = font(pixelSize, true, pixelSize * 0.12);
    text(p, r.translated(0, 1), s, f, QColor(0, 0, 0, 160), align);
    text(p, r, s, f, c, align);
}

void light(QPainter& p, QPointF centre, qreal r, const QColor& colour, bool lit)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (lit) {
        QRadialGradient glow(centre, r * 1.9);
        QColor halo = colour;
        halo.setAlpha(110);
        glow.setColorAt(0, halo);
        glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        p.setBrush(glow);
        p.drawEllipse(centre, r * 1.9, r * 1.9);
    }
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawEllipse(centre, r + 0.8, r + 0.8);
    QRadialGradient body(centre - QPointF(r * 0.35, r * 0.4), r * 1.3);
    if (lit) {
        body.setColorAt(0, colour.lighter(170));
        body.setColorAt(0.5, colour);
        body.setColorAt(1, colour.darker(160));
    } else {
        body.setColorAt(0, colour.darker(260));
        body.setColorAt(1, colour.darker(520));
    }
    p.setBrush(body);
    p.drawEllipse(centre, r, r);
    p.setBrush(QColor(255, 255, 255, lit ? 120 : 40));
    p.drawEllipse(centre - QPointF(r * 0.3, r * 0.38), r * 0.32, r * 0.24);
    p.restore();
}

void knob(QPainter& p, QPointF c, qreal outer, double fraction)
{
    const double pi = 3.14159265358979;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal arcR = outer * 0.86;
    const qreal arcW = std::max(2.0, outer * 0.075);
    const qreal bodyR = outer * 0.68;

    // Scale ticks around the sweep.
    const int ticks = outer > 30 ? 21 : 11;
    for (int i = 0; i < ticks; ++i) {
        const double t = (-135.0 + 270.0 * i / (ticks - 1)) * pi / 180.0;
        const QPointF dir(std::sin(t), -std::cos(t));
        const bool major = i % 5 == 0 || i == ticks - 1;
        const qreal inner = outer * (major ? 0.93 : 0.95);
        p.setPen(QPen(QColor(150, 150, 150, major ? 200 : 120), major ? 1.2 : 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + dir * inner, c + dir * (outer - 0.6));
    }

    // The value arc: a dark track, lit in orange up to the value.
    const QRectF arcBox(c.x() - arcR, c.y() - arcR, 2 * arcR, 2 * arcR);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(14, 14, 16), arcW + 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arcBox, 225 * 16, -270 * 16);
    if (fraction > 0) {
        QConicalGradient g(c, 225);
        g.setColorAt(0, orangeBright);
        g.setColorAt(0.75, orange);
        g.setColorAt(1, orangeDark);
        p.setPen(QPen(orange, arcW, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(arcBox, 225 * 16, -int(std::lround(270 * 16 * fraction)));
    }

    // Body: a dark machined cap with a bright rim and a soft drop shadow.
    p.setPen(Qt::NoPen);
    QRadialGradient shadow(c + QPointF(0, outer * 0.06), bodyR * 1.18);
    shadow.setColorAt(0.8, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, outer * 0.06), bodyR * 1.18, bodyR * 1.18);
    QLinearGradient rim(c - QPointF(0, bodyR), c + QPointF(0, bodyR));
    rim.setColorAt(0, QColor(120, 120, 124));
    rim.setColorAt(1, QColor(28, 28, 30));
    p.setBrush(rim);
    p.drawEllipse(c, bodyR, bodyR);
    QConicalGradient cap(c, 90);
    cap.setColorAt(0.00, QColor(78, 78, 82));
    cap.setColorAt(0.15, QColor(52, 52, 55));
    cap.setColorAt(0.35, QColor(86, 86, 90));
    cap.setColorAt(0.55, QColor(46, 46, 49));
    cap.setColorAt(0.75, QColor(80, 80, 84));
    cap.setColorAt(0.90, QColor(50, 50, 53));
    cap.setColorAt(1.00, QColor(78, 78, 82));
    p.setBrush(cap);
    p.drawEllipse(c, bodyR * 0.9, bodyR * 0.9);
    QRadialGradient sheen(c - QPointF(0, bodyR * 0.5), bodyR);
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawEllipse(c, bodyR * 0.9, bodyR * 0.9);

    // Pointer.
    const double t = (-135.0 + 270.0 * fraction) * pi / 180.0;
    const QPointF dir(std::sin(t), -std::cos(t));
    const qreal pw = std::max(2.0, outer * 0.07);
    p.setPen(QPen(QColor(0, 0, 0, 140), pw + 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + dir * bodyR * 0.30, c + dir * bodyR * 0.80);
    p.setPen(QPen(orangeBright, pw, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + dir * bodyR * 0.30, c + dir * bodyR * 0.80);
    p.restore();
}

QImage strip(int w, int h, int count)
{
    QImage image(w, h * count, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage popupPanel(int w, int h, uint32_t seed)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QImage brushed(w, h, QImage::Format_ARGB32_Premultiplied);
    look::brushed(brushed, brushed.rect(), QColor(40, 40, 44), seed, 5);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
    p.setClipPath(shape);
    p.drawImage(0, 0, brushed);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 150, 60, 150), 1));
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 24), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 7, 7);
    return image;
}

} // namespace look
