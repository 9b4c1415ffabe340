// The jam tab's rows of sixteen 30-pixel steps, the loop-length ruler, the
// riff letters and their menu, the cell outline and the step's pitch panel.
#include "PictureSet.h"
#include "Style.h"

#include <QPainterPath>

namespace {

const int cell = 30;
const int cells = 16;
const char* const riffLetters[6] = {"A", "B", "C", "D", "E", "F"};

// One resting cell; bars of four steps alternate their shade a little.
void plainCell(QPainter& p, int k)
{
    const QRectF r(k * cell + 1, 1, cell - 2, cell - 2);
    const bool evenBar = (k / 4) % 2 == 0;
    look::plate(p, r, 4, evenBar ? QColor(70, 70, 74) : QColor(60, 60, 64),
                evenBar ? QColor(38, 38, 41) : QColor(32, 32, 35));
}

void playingCell(QPainter& p, int k)
{
    const QRectF r(k * cell + 1, 1, cell - 2, cell - 2);
    look::plate(p, r, 4, QColor(240, 130, 56), QColor(160, 70, 22));
}

void stepNumber(QPainter& p, int k, const QColor& colour)
{
    look::text(p, QRectF(k * cell, 0, cell, cell), QString::number(k + 1), look::font(11, true), colour);
}

// Frame k: the row with step k playing; numbers dim (white ones are copied
// over the steps inside the loop).
QImage stepRow(bool numbers)
{
    QImage image = look::strip(cell * cells, cell, cells);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < cells; ++frame) {
        p.save();
        p.translate(0, frame * cell);
        for (int k = 0; k < cells; ++k) {
            if (k == frame)
                playingCell(p, k);
            else
                plainCell(p, k);
            if (numbers)
                stepNumber(p, k, k == frame ? QColor(255, 255, 255) : QColor(104, 104, 108));
        }
        p.restore();
    }
    return image;
}

QImage whiteNumbers()
{
    QImage image = look::strip(cell * cells, cell, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < cells; ++k) {
        plainCell(p, k);
        stepNumber(p, k, QColor(245, 245, 245));
    }
    return image;
}

// Frame k marks the armed cell k; it blinks, so it is bold and translucent.
QImage armedMarks()
{
    QImage image = look::strip(cell * cells, cell, cells);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < cells; ++k) {
        const QRectF r(k * cell + 1.5, k * cell + 1.5, cell - 3, cell - 3);
        p.setPen(QPen(QColor(255, 70, 40, 230), 2));
        p.setBrush(QColor(255, 70, 40, 70));
        p.drawRoundedRect(r, 4, 4);
    }
    return image;
}

// Frame v: the loop runs over steps 0 … v.
QImage loopLength()
{
    const int h = 5;
    QImage image = look::strip(cell * cells, h, cells);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int v = 0; v < cells; ++v) {
        p.save();
        p.translate(0, v * h);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(12, 12, 13));
        p.drawRoundedRect(QRectF(0, 0.5, cell * cells, h - 1), 2, 2);
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, look::orangeBright);
        g.setColorAt(1, look::orange.darker(140));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(1, 0.5, cell * (v + 1) - 6, h - 1), 2, 2);
        p.restore();
    }
    return image;
}

// Frame v: the ball at the end of step v, over the ruler's end.
QImage loopBall()
{
    const int h = 10;
    QImage image = look::strip(cell * cells, h, cells);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int v = 0; v < cells; ++v) {
        const QPointF c(cell * (v + 1) - 5.5, v * h + 5);
        p.setPen(QPen(QColor(0, 0, 0, 180), 1));
        QRadialGradient g(c - QPointF(1.2, 1.5), 5);
        g.setColorAt(0, QColor(255, 230, 200));
        g.setColorAt(0.5, look::orangeBright);
        g.setColorAt(1, look::orange.darker(130));
        p.setBrush(g);
        p.drawEllipse(c, 4.3, 4.3);
    }
    return image;
}

QImage riffId()
{
    const int w = 48, h = 18;
    QImage image = look::strip(w, h, 6);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int r = 0; r < 6; ++r) {
        p.save();
        p.translate(0, r * h);
        look::well(p, QRectF(0.5, 0.5, w - 1, h - 1), 4, QColor(16, 16, 18));
        look::text(p, QRectF(0, 0, w - 10, h), riffLetters[r], look::font(13, true), look::orangeBright);
        QPainterPath arrow;
        arrow.moveTo(w - 11, 7.5);
        arrow.lineTo(w - 5, 7.5);
        arrow.lineTo(w - 8, 11);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(look::labelDim);
        p.drawPath(arrow);
        p.restore();
    }
    return image;
}

// 45 × 132: the letters in the bands where the highlight lands (18 × r + 6).
QImage riffMenu()
{
    const int w = 45, h = 132;
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::plate(p, QRectF(0.5, 0.5, w - 1, h - 1), 6, QColor(58, 58, 62), QColor(34, 34, 37));
    for (int r = 0; r < 6; ++r)
        look::text(p, QRectF(5, 6 + 18 * r, 28, 18), riffLetters[r], look::font(12, true), look::label);
    return image;
}

QImage riffHighlight()
{
    QImage image = look::strip(28, 18, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 150, 60, 200), 1));
    p.setBrush(QColor(214, 100, 35, 90));
    p.drawRoundedRect(QRectF(0.5, 0.5, 27, 17), 4, 4);
    return image;
}

// Placed at (255 + 30k, 108) around the cell at (261 + 30k, 112).
QImage beatOutline()
{
    QImage image = look::strip(41, 37, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 3));
    p.drawRoundedRect(QRectF(4, 2, 34, 34), 6, 6);
    p.setPen(QPen(QColor(255, 160, 80, 230), 1.6));
    p.drawRoundedRect(QRectF(4, 2, 34, 34), 6, 6);
    return image;
}

// 128 × 160. Its top band (y ≤ 32) picks the step under the pointer: the
// steps there lie at x = 5 + 30j, this panel's own step at 35 … 64. The close
// spot is at (86, 41), the pitch box at (10, 66).
QImage stepContext()
{
    const int w = 128, h = 160;
    QImage image = look::popupPanel(w, h, 41);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int j = 0; j < 4; ++j) {
        const QRectF r(5 + 30 * j + 2, 5, 26, 24);
        if (j == 1)
            look::plate(p, r, 4, QColor(240, 130, 56), QColor(160, 70, 22));
        else
            look::plate(p, r, 4, QColor(66, 66, 70), QColor(36, 36, 39));
    }
    QPainterPath pointer;
    pointer.moveTo(44, 30);
    pointer.lineTo(56, 30);
    pointer.lineTo(50, 36);
    pointer.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(look::orange);
    p.drawPath(pointer);
    look::caption(p, QRectF(10, 41, 70, 20), "STEP PITCH", 9, Qt::AlignLeft | Qt::AlignVCenter);
    // The close spot.
    const QRectF close(86, 41, 20, 20);
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(QColor(30, 30, 33));
    p.drawEllipse(close.adjusted(2, 2, -2, -2));
    p.setPen(QPen(look::label, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = close.center();
    p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
    p.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
    look::well(p, QRectF(8, 64, 97, 24), 5, QColor(20, 20, 22));
    look::text(p, QRectF(10, 94, 108, 56), "semitones up or down\nfor this step", look::font(9, false),
               look::labelDim.lighter(125), Qt::AlignLeft | Qt::AlignTop);
    return image;
}

} // namespace

void drawJam(PictureSet& set)
{
    const QSize row(cell * cells, cell);
    set.save("jam/step_select.png", stepRow(true), row);
    set.save("jam/song_step.png", stepRow(false), row);
    set.save("jam/highlight_steps.png", armedMarks(), row);
    set.save("jam/white_step_numbers.png", whiteNumbers());
    set.save("jam/loop_length.png", loopLength(), QSize(cell * cells, 5));
    set.save("jam/loop_length_ball.png", loopBall(), QSize(cell * cells, 10));
    set.save("jam/riff_id.png", riffId(), QSize(48, 18));
    set.save("jam/riff_menu.png", riffMenu());
    set.save("jam/highlight_riff.png", riffHighlight());
    set.save("jam/beat_select_outline.png", beatOutline());
    set.save("jam/right_click_context.png", stepContext());
}
