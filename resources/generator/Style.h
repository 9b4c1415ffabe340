// The one look every picture shares: dark brushed panels, orange accents,
// light-grey labels in DejaVu Sans. Helpers draw the recurring pieces so the
// groups of pictures stay consistent.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <cstdint>

namespace look {

const QColor orange(214, 100, 35);
const QColor orangeText(200, 100, 35); // #c86423, the orange of the views' texts
const QColor orangeBright(255, 150, 60);
const QColor orangeDark(120, 52, 16);
const QColor label(196, 196, 196);
const QColor labelDim(128, 128, 128);
const QColor panel(44, 44, 47);
const QColor panelLight(62, 62, 66);
const QColor wellFill(20, 20, 22);
const QColor edgeLight(255, 255, 255, 34);
const QColor edgeDark(0, 0, 0, 150);

// Deterministic noise, so every build draws the same pictures.
class Random
{
public:
    explicit Random(uint32_t seed) : state(seed * 2654435761u + 1u) { }
    // Uniform in [-1, 1).
    float next()
    {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1u << 23) - 1.0f;
    }

private:
    uint32_t state;
};

// DejaVu Sans at a pixel size, antialiased; letter spacing in pixels.
QFont font(qreal pixelSize, bool bold = true, qreal letterSpacing = 0);

// Fills r of a 32-bit image with base brushed horizontally (streaks along x).
void brushed(QImage& image, const QRect& r, const QColor& base, uint32_t seed, float amplitude = 7.0f);

// A recessed area: darker fill, shadow along the top, light along the bottom.
void well(QPainter& p, const QRectF& r, qreal radius, const QColor& fill = look::wellFill);

// A raised plate with a soft vertical gradient and bevelled edges.
void plate(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom);

// Text centred (or aligned) in r.
void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
          Qt::Alignment align = Qt::AlignCenter);

// A section caption: small bold capitals, light grey, with a faint shadow.
void caption(QPainter& p, const QRectF& r, const QString& s, qreal pixelSize = 10,
             Qt::Alignment align = Qt::AlignCenter, const QColor& c = look::label);

// A round light of radius r at centre; lit lights glow.
void light(QPainter& p, QPointF centre, qreal r, const QColor& colour, bool lit);

// A dial of the given outer radius: scale ring, value arc from the start to
// `fraction` of the 270° sweep, body and pointer. The pointer sweeps
// clockwise from 225° (lower left) through the top to -45° (lower right).
void knob(QPainter& p, QPointF centre, qreal outerRadius, double fraction);

// A picture strip: `count` frames of w × h stacked top to bottom.
QImage strip(int w, int h, int count);

// A floating panel: brushed, rounded, with an orange rim.
QImage popupPanel(int w, int h, uint32_t seed);

} // namespace look
