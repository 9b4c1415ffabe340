// The picture-strip controls: knobs, slider, power switches, two-half
// switches, the minus/plus value boxes, zoom buttons, progress strip and the
// tab buttons.
#include "PictureSet.h"
#include "Style.h"

#include <QPainterPath>
#include <cmath>

namespace {

QImage knobStrip(int size, int frames)
{
    QImage image = look::strip(size, size, frames);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    for (int k = 0; k < frames; ++k) {
        p.save();
        p.translate(0, k * size);
        look::knob(p, centre, size / 2.0 - 1.0, double(k) / (frames - 1));
        p.restore();
    }
    return image;
}

// The azimuth slider: value v puts the thumb at x = 23 + v × 3.0345, the
// inverse of the widget's pointer mapping.
QImage sliderStrip()
{
    const int w = 350, h = 24, frames = 100;
    QImage image = look::strip(w, h, frames);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    auto xFor = [](double v) { return 23.0 + v * 350 * 0.867 / 100.0; };
    const double centreX = xFor(49.5);
    for (int v = 0; v < frames; ++v) {
        p.save();
        p.translate(0, v * h);
        look::well(p, QRectF(16, 10, 318, 5), 2.5);
        for (int i = 0; i <= 10; ++i) {
            const double x = xFor(i * 9.9);
            const bool major = i == 0 || i == 5 || i == 10;
            p.setPen(QPen(QColor(150, 150, 150, major ? 210 : 110), 1));
            p.drawLine(QPointF(x, major ? 1 : 3), QPointF(x, 6));
            p.drawLine(QPointF(x, 19), QPointF(x, major ? 23 : 21));
        }
        const double x = xFor(v);
        QLinearGradient fill(0, 10, 0, 15);
        fill.setColorAt(0, look::orangeBright);
        fill.setColorAt(1, look::orange.darker(130));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(std::min(x, centreX), 10.5, std::fabs(x - centreX), 4), 2, 2);
        // Thumb.
        const QRectF thumb(x - 6, 2, 12, 20);
        look::plate(p, thumb, 3, QColor(118, 118, 122), QColor(46, 46, 50));
        p.setPen(QPen(look::orangeBright, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 6), QPointF(x, 17));
        p.restore();
    }
    return image;
}

void powerSymbol(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 55 * 16, -290 * 16);
    p.drawLine(c - QPointF(0, r * 1.15), c - QPointF(0, r * 0.15));
}

QImage powerButton(int size, bool on)
{
    QImage image = look::strip(size, size, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    const qreal r = size / 2.0 - 1.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(c + QPointF(0, 0.6), r + 0.6, r + 0.6);
    QLinearGradient ring(c - QPointF(0, r), c + QPointF(0, r));
    ring.setColorAt(0, on ? look::orangeBright : QColor(110, 110, 114));
    ring.setColorAt(1, on ? look::orangeDark : QColor(30, 30, 32));
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    QLinearGradient body(c - QPointF(0, r), c + QPointF(0, r));
    body.setColorAt(0, on ? QColor(70, 46, 34) : QColor(66, 66, 70));
    body.setColorAt(1, on ? QColor(34, 24, 20) : QColor(32, 32, 35));
    p.setBrush(body);
    p.drawEllipse(c, r - 1.6, r - 1.6);
    if (on) {
        QRadialGradient glow(c, r);
        glow.setColorAt(0, QColor(255, 150, 60, 90));
        glow.setColorAt(1, QColor(255, 150, 60, 0));
        p.setBrush(glow);
        p.drawEllipse(c, r - 1.6, r - 1.6);
    }
    powerSymbol(p, c, r * 0.48, on ? look::orangeBright : QColor(150, 150, 150), std::max(1.4, size / 13.0));
    return image;
}

// Two halves side by side; frame 0 lights the right half, frame 1 the left
// (the switch shows its state true as the lower frame).
QImage twoHalves(const QString& left, const QString& right)
{
    const int w = 43, h = 18;
    QImage image = look::strip(w, h, 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < 2; ++frame) {
        p.save();
        p.translate(0, frame * h);
        const bool leftLit = frame == 1;
        look::well(p, QRectF(0, 0, w, h - 1), 4);
        const QRectF halves[2] = {QRectF(1.5, 1.5, 19.5, h - 4), QRectF(22, 1.5, 19.5, h - 4)};
        for (int i = 0; i < 2; ++i) {
            const bool lit = (i == 0) == leftLit;
            if (lit)
                look::plate(p, halves[i], 3, look::orangeBright.darker(105), look::orange.darker(140));
            // Narrowed so that four capitals fit a 20-pixel half.
            const qreal squeeze = 0.74;
            p.save();
            p.translate(halves[i].center());
            p.scale(squeeze, 1);
            const QRectF r(-halves[i].width() / squeeze / 2, -halves[i].height() / 2 + 0.5,
                           halves[i].width() / squeeze, halves[i].height());
            look::text(p, r, i == 0 ? left : right, look::font(8, true), lit ? QColor(30, 16, 8) : look::labelDim);
            p.restore();
        }
        p.restore();
    }
    return image;
}

enum class BoxState { Rest, MinusDown, PlusDown, Inactive };

// The 93 × 20 minus/plus box: minus end x < 24, plus end x ≥ 69, and a plain
// display between them where the value is written (or the fine-tune track).
QImage plusMinus(BoxState state, bool fineTune)
{
    const int w = 93, h = 20;
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool inactive = state == BoxState::Inactive;
    auto end = [&](const QRectF& r, bool down, bool plus) {
        if (down)
            look::plate(p, r, 4, QColor(60, 38, 26), QColor(34, 24, 18));
        else
            look::plate(p, r, 4, QColor(92, 92, 96), QColor(44, 44, 48));
        const QColor sign = inactive ? QColor(80, 80, 80) : down ? look::orangeBright : look::label;
        p.setPen(QPen(sign, 2, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = r.center() + QPointF(0, down ? 0.5 : 0);
        p.drawLine(c - QPointF(4, 0), c + QPointF(4, 0));
        if (plus)
            p.drawLine(c - QPointF(0, 4), c + QPointF(0, 4));
    };
    end(QRectF(0.5, 0.5, 22.5, h - 1), state == BoxState::MinusDown, false);
    end(QRectF(69.5, 0.5, 22.5, h - 1), state == BoxState::PlusDown, true);
    look::well(p, QRectF(24.5, 0.5, 44, h - 1), 3, QColor(16, 16, 18));
    if (fineTune) {
        p.setPen(QPen(QColor(70, 70, 74), 1));
        p.drawLine(QPointF(26, 10), QPointF(67, 10));
        for (int x : {26, 48, 67})
            p.drawLine(QPointF(x + 0.5, x == 48 ? 5 : 7), QPointF(x + 0.5, x == 48 ? 15 : 13));
    }
    if (inactive) {
        p.setPen(QPen(QColor(70, 70, 74), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(40, 10), QPointF(44, 10));
        p.drawLine(QPointF(49, 10), QPointF(53, 10));
    }
    return image;
}

QImage fineTuneMarker()
{
    QImage image = look::strip(5, 20, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(QRectF(0, 2, 5, 16), 2, 2);
    QLinearGradient g(0, 0, 5, 0);
    g.setColorAt(0, look::orangeBright);
    g.setColorAt(1, look::orange.darker(120));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 3, 3, 14), 1.5, 1.5);
    return image;
}

enum class ZoomState { Rest, MinusDown, PlusDown };

void magnifier(QPainter& p, QPointF c, bool plus, const QColor& colour)
{
    p.setPen(QPen(colour, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 4.2, 4.2);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(3.2, 3.2), c + QPointF(6, 6));
    p.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - QPointF(2.2, 0), c + QPointF(2.2, 0));
    if (plus)
        p.drawLine(c - QPointF(0, 2.2), c + QPointF(0, 2.2));
}

QImage zoom(ZoomState state)
{
    const int w = 43, h = 18;
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF halves[2] = {QRectF(0.5, 0.5, 20.5, h - 1), QRectF(22, 0.5, 20.5, h - 1)};
    for (int i = 0; i < 2; ++i) {
        const bool down = (i == 0 && state == ZoomState::MinusDown) || (i == 1 && state == ZoomState::PlusDown);
        if (down)
            look::plate(p, halves[i], 4, QColor(60, 38, 26), QColor(34, 24, 18));
        else
            look::plate(p, halves[i], 4, QColor(84, 84, 88), QColor(40, 40, 44));
        magnifier(p, halves[i].center() - QPointF(1.2, 1.2), i == 1, down ? look::orangeBright : look::label);
    }
    return image;
}

// The filled bar shows its rightmost columns as it grows, so its leading
// (right) end is the bright head.
QImage progressBar()
{
    const int w = 400, h = 12;
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient along(0, 0, w, 0);
    along.setColorAt(0, look::orangeDark);
    along.setColorAt(0.85, look::orange);
    along.setColorAt(1, look::orangeBright);
    p.setPen(Qt::NoPen);
    p.setBrush(along);
    p.drawRoundedRect(QRectF(1, 1.5, w - 2, h - 3), 4, 4);
    QLinearGradient gloss(0, 1, 0, h - 1);
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 10));
    gloss.setColorAt(1, QColor(0, 0, 0, 50));
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(1, 1.5, w - 2, h - 3), 4, 4);
    return image;
}

// Drawn over the whole strip, filled or not: a track and a glass rim.
QImage progressBarBackground()
{
    const int w = 400, h = 12;
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5);
    QLinearGradient glass(0, 0, 0, h);
    glass.setColorAt(0, QColor(255, 255, 255, 45));
    glass.setColorAt(0.45, QColor(255, 255, 255, 0));
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h / 2.0), 4, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 4, 4);
    return image;
}

// The whole strip of three tab buttons with `selected` lit; presses split
// at x = 116 and 232.
QImage tabButtons(int selected)
{
    const int w = 350, h = 25;
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int edges[4] = {0, 116, 232, 350};
    const char* names[3] = {"REAL-TIME TOOLS", "JAM", "CHORDS"};
    look::well(p, QRectF(0, 0, w, h), 6, QColor(18, 18, 20));
    for (int i = 0; i < 3; ++i) {
        const QRectF r(edges[i] + 2, 2, edges[i + 1] - edges[i] - 4, h - 4);
        if (i == selected) {
            look::plate(p, r, 5, QColor(236, 122, 48), QColor(150, 66, 20));
            look::text(p, r, names[i], look::font(9.5, true, 0.5), QColor(34, 18, 8));
        } else {
            look::plate(p, r, 5, QColor(74, 74, 78), QColor(40, 40, 44));
            look::text(p, r.translated(0, 1), names[i], look::font(9.5, true, 0.5), QColor(0, 0, 0, 160));
            look::text(p, r, names[i], look::font(9.5, true, 0.5), look::label);
        }
    }
    return image;
}

} // namespace

void drawControls(PictureSet& set)
{
    set.save("real_time_tools/knob_large.png", knobStrip(85, 200), QSize(85, 85));
    set.save("real_time_tools/knob_small.png", knobStrip(64, 100), QSize(64, 64));
    set.save("transport/transport_knob.png", knobStrip(50, 100), QSize(50, 50));
    set.save("real_time_tools/slider.png", sliderStrip(), QSize(350, 24));

    set.save("real_time_tools/power_on.png", powerButton(25, true));
    set.save("real_time_tools/power_off.png", powerButton(25, false));
    set.save("real_time_tools/power_on_small.png", powerButton(20, true));
    set.save("real_time_tools/power_off_small.png", powerButton(20, false));

    set.save("real_time_tools/mute_solo.png", twoHalves("SOLO", "MUTE"), QSize(43, 18));
    set.save("real_time_tools/hi_lo.png", twoHalves("HI", "LO"), QSize(43, 18));

    set.save("real_time_tools/plus_minus.png", plusMinus(BoxState::Rest, false));
    set.save("real_time_tools/plus_minus_down.png", plusMinus(BoxState::MinusDown, false));
    set.save("real_time_tools/plus_minus_up.png", plusMinus(BoxState::PlusDown, false));
    set.save("real_time_tools/plus_minus_inactive.png", plusMinus(BoxState::Inactive, false));
    set.save("real_time_tools/plus_minus_fine_tune.png", plusMinus(BoxState::Rest, true));
    set.save("real_time_tools/plus_minus_fine_tune_down.png", plusMinus(BoxState::MinusDown, true));
    set.save("real_time_tools/plus_minus_fine_tune_up.png", plusMinus(BoxState::PlusDown, true));
    set.save("real_time_tools/plus_minus_fine_tune_slider.png", fineTuneMarker());

    set.save("zoom.png", zoom(ZoomState::Rest));
    set.save("zoom_minus.png", zoom(ZoomState::MinusDown));
    set.save("zoom_plus.png", zoom(ZoomState::PlusDown));

    set.save("progress_bar.png", progressBar());
    set.save("progress_bar_background.png", progressBarBackground());

    for (int i = 0; i < 3; ++i)
        set.save(QString("tab_buttons/button_%1.png").arg(i + 1), tabButtons(i));
}
