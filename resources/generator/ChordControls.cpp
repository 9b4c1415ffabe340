// The small pictures of the chords tab and of the chord editing popups:
// the open/power pair, scroll arrows, finder rolls and their drop-down panes,
// the drag handles of a chord edit, the edit popup and the chord filter with
// their buttons and dots.
#include "PictureSet.h"
#include "Style.h"

#include <QPainterPath>

namespace {

const char* const modeNames[7] = {"major", "minor", "7", "sus4", "sus2", "maj7", "m7"};
const char* const keyNames[12] = {"A", "Bb", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"};

// A two-frame text button: frame 0 up (or lit), frame 1 down (or unlit).
QImage textButton(int w, int h, const QString& label, bool firstLit)
{
    QImage image = look::strip(w, h, 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < 2; ++frame) {
        p.save();
        p.translate(0, frame * h);
        const QRectF r(0.5, 0.5, w - 1, h - 1.5);
        const bool orangeFrame = firstLit ? frame == 0 : frame == 1;
        if (orangeFrame) {
            look::plate(p, r, 4, QColor(236, 122, 48), QColor(150, 66, 20));
            look::text(p, r, label, look::font(h > 17 ? 9 : 8.5, true, 0.6), QColor(34, 18, 8));
        } else {
            look::plate(p, r, 4, QColor(84, 84, 88), QColor(40, 40, 44));
            look::caption(p, r, label, h > 17 ? 9 : 8.5, Qt::AlignCenter, firstLit ? look::labelDim : look::label);
        }
        p.restore();
    }
    return image;
}

// The chords tab's opener of the chord filter, 74 × 17 a frame (up, then
// pressed): a funnel at the left, the rest of the plate left for the
// translated text the button writes over it.
QImage filterOpener()
{
    const int w = 74, h = 17;
    QImage image = look::strip(w, h, 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < 2; ++frame) {
        p.save();
        p.translate(0, frame * h);
        const bool pressed = frame == 1;
        const QRectF r(0.5, 0.5, w - 1, h - 1.5);
        if (pressed)
            look::plate(p, r, 4, QColor(236, 122, 48), QColor(150, 66, 20));
        else
            look::plate(p, r, 4, QColor(84, 84, 88), QColor(40, 40, 44));
        QPainterPath funnel;
        funnel.moveTo(5.5, 4.5);
        funnel.lineTo(14.5, 4.5);
        funnel.lineTo(11, 9);
        funnel.lineTo(11, 12.5);
        funnel.lineTo(9, 13.5);
        funnel.lineTo(9, 9);
        funnel.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(pressed ? QColor(34, 18, 8) : look::orangeBright);
        p.drawPath(funnel);
        p.restore();
    }
    return image;
}

// 70 × 24: the rest frame above the pressed one.
QImage arrow(bool up)
{
    const int w = 70, h = 12;
    QImage image = look::strip(w, h, 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < 2; ++frame) {
        p.save();
        p.translate(0, frame * h);
        const bool pressed = frame == 1;
        look::plate(p, QRectF(0.5, 0.5, w - 1, h - 1), 4, pressed ? QColor(60, 38, 26) : QColor(80, 80, 84),
                    pressed ? QColor(34, 24, 18) : QColor(40, 40, 44));
        QPainterPath path;
        const qreal cx = w / 2.0, cy = h / 2.0;
        if (up) {
            path.moveTo(cx - 6, cy + 2.5);
            path.lineTo(cx, cy - 3);
            path.lineTo(cx + 6, cy + 2.5);
        } else {
            path.moveTo(cx - 6, cy - 2.5);
            path.lineTo(cx, cy + 3);
            path.lineTo(cx + 6, cy - 2.5);
        }
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(pressed ? look::orangeBright : look::label);
        p.drawPath(path);
        p.restore();
    }
    return image;
}

void smallDownArrow(QPainter& p, QPointF c, const QColor& colour)
{
    QPainterPath path;
    path.moveTo(c + QPointF(-3, -1.5));
    path.lineTo(c + QPointF(3, -1.5));
    path.lineTo(c + QPointF(0, 2));
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

// A roll: one entry every 18 rows, shown through an 18-pixel window.
QImage roll(int w, const char* const* names, int count)
{
    QImage image = look::strip(w, 18, count);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(0, i * 18);
        look::well(p, QRectF(0.5, 0.5, w - 1, 17), 4, QColor(16, 16, 18));
        look::text(p, QRectF(2, 0, w - 12, 18), names[i], look::font(11, true), look::orangeBright);
        smallDownArrow(p, QPointF(w - 6.5, 9), look::labelDim);
        p.restore();
    }
    return image;
}

// A drop-down pane: entries in rows 18 apart from `top`, text centred over
// the highlight's span (x from highlightX, highlightWidth wide).
QImage pane(int w, int h, const char* const* names, int count, int top, int highlightX, int highlightWidth)
{
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(QRectF(1, 2, w - 2, h - 2), 6, 6);
    look::plate(p, QRectF(0.5, 0.5, w - 1, h - 2), 6, QColor(58, 58, 62), QColor(34, 34, 37));
    for (int i = 0; i < count; ++i) {
        const QRectF row(highlightX, top + 18 * i, highlightWidth, 18);
        if (i > 0) {
            p.setPen(QPen(QColor(0, 0, 0, 60), 1));
            p.drawLine(QPointF(row.left() + 4, row.top() + 0.5), QPointF(row.right() - 4, row.top() + 0.5));
        }
        look::text(p, row, names[i], look::font(11, true), look::label);
    }
    return image;
}

QImage highlight(int w, int h)
{
    QImage image = look::strip(w, h, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 150, 60, 200), 1));
    p.setBrush(QColor(214, 100, 35, 80));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
    return image;
}

// A drag handle of a chord edit: a bracket that opens toward the range.
QImage dragHandle(bool left)
{
    const int s = 20;
    QImage image = look::strip(s, s, 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < 2; ++frame) {
        p.save();
        p.translate(0, frame * s);
        const bool down = frame == 1;
        look::plate(p, QRectF(2.5, 0.5, 15, 19), 4, down ? QColor(236, 122, 48) : QColor(96, 96, 100),
                    down ? QColor(150, 66, 20) : QColor(44, 44, 48));
        const QColor ink = down ? QColor(34, 18, 8) : look::label;
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath bracket;
        const qreal x0 = left ? 12.5 : 7.5, x1 = left ? 7.5 : 12.5;
        bracket.moveTo(x0, 4.5);
        bracket.lineTo(x1, 4.5);
        bracket.lineTo(x1, 15.5);
        bracket.lineTo(x0, 15.5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(bracket);
        p.drawLine(QPointF(left ? 10.5 : 9.5, 8), QPointF(left ? 10.5 : 9.5, 12));
        p.restore();
    }
    return image;
}

QImage orangeDot()
{
    QImage image = look::strip(14, 14, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::light(p, QPointF(7, 7), 4.6, look::orange, true);
    return image;
}

// The unlit socket a dot sits in.
void socket(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    p.setBrush(QColor(12, 12, 13));
    p.drawEllipse(c, 4.2, 4.2);
}

void closeMark(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(QColor(30, 30, 33));
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    p.setPen(QPen(look::label, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
    p.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
}

// 439 × 136: dots at x = 82 + 20c, y = trunc(20 + 14.85t); buttons at x 329.
QImage singleChordEdit()
{
    QImage image = look::popupPanel(439, 136, 31);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const char* roots[12] = {"A", "Bb", "B", "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab"};
    const char* rows[7] = {"major", "m", "sus2", "sus4", "7", "maj7", "m7"};
    for (int c = 0; c < 12; ++c)
        look::text(p, QRectF(82 + 20 * c - 3, 4, 20, 14), roots[c], look::font(9.5, true), look::label);
    for (int t = 0; t < 7; ++t) {
        const int y = int(20 + 14.85f * t);
        look::text(p, QRectF(20, y, 56, 14), rows[t], look::font(9.5, true), look::labelDim.lighter(125),
                   Qt::AlignRight | Qt::AlignVCenter);
        for (int c = 0; c < 12; ++c)
            socket(p, QPointF(82 + 20 * c + 7, y + 7));
    }
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawLine(QPointF(322.5, 12), QPointF(322.5, 124));
    p.setPen(QPen(QColor(255, 255, 255, 20), 1));
    p.drawLine(QPointF(323.5, 12), QPointF(323.5, 124));
    look::caption(p, QRectF(329, 64, 89, 30), "CHORD", 9, Qt::AlignCenter, look::labelDim);
    return image;
}

// The chord filter: dots in rows y = 104 + 16r at x 63 … 172, buttons at
// (198, 265) and (198, 283), close spot at (223, 10).
QImage chordFilterMenu()
{
    const int w = 250, h = 306;
    QImage image = look::popupPanel(w, h, 31);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    look::caption(p, QRectF(14, 10, 200, 20), "CHORD FILTER", 12, Qt::AlignLeft | Qt::AlignVCenter);
    look::text(p, QRectF(14, 32, 222, 30), "Mark the chords the song may use,\nthen find them again.",
               look::font(9.5, false), look::labelDim.lighter(125), Qt::AlignLeft | Qt::AlignTop);
    closeMark(p, QRectF(223, 10, 20, 20));
    const char* roots[12] = {"A", "Bb", "B", "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab"};
    const char* qualities[7] = {"major", "m", "sus2", "sus4", "7", "maj7", "m7"};
    const int xs[7] = {63, 81, 99, 118, 136, 154, 172};
    for (int c = 0; c < 7; ++c) {
        p.save();
        p.translate(xs[c] + 10, 99);
        p.rotate(-60);
        look::text(p, QRectF(0, -6, 40, 12), qualities[c], look::font(9, true), look::labelDim.lighter(125),
                   Qt::AlignLeft | Qt::AlignVCenter);
        p.restore();
    }
    for (int r = 0; r < 12; ++r) {
        const int y = 104 + 16 * r;
        look::text(p, QRectF(14, y, 40, 14), roots[r], look::font(9.5, true), look::label,
                   Qt::AlignRight | Qt::AlignVCenter);
        for (int c = 0; c < 7; ++c)
            socket(p, QPointF(xs[c] + 7, y + 7));
    }
    return image;
}

} // namespace

void drawChordControls(PictureSet& set)
{
    set.save("chords/open.png", textButton(45, 18, "OPEN", true), QSize(45, 18));
    set.save("chords/power.png", textButton(45, 18, "POWER", true), QSize(45, 18));
    set.save("chords/up.png", arrow(true), QSize(70, 12));
    set.save("chords/down.png", arrow(false), QSize(70, 12));
    set.save("chords/modes_roll.png", roll(85, modeNames, 7), QSize(85, 18));
    set.save("chords/12_chords_roll.png", roll(32, keyNames, 12), QSize(32, 18));
    set.save("chords/modes_pane.png", pane(100, 147, modeNames, 7, 4, 7, 82));
    set.save("chords/keys_pane.png", pane(63, 240, keyNames, 12, 6, 10, 36));
    set.save("chords/highlight_modes.png", highlight(82, 18));
    set.save("chords/highlight_keys.png", highlight(36, 18));
    set.save("chords/chord_drag_left.png", dragHandle(true), QSize(20, 20));
    set.save("chords/chord_drag_right.png", dragHandle(false), QSize(20, 20));
    set.save("chords/single_chord_edit.png", singleChordEdit());
    set.save("chords/cancel_button.png", textButton(89, 18, "CANCEL", false), QSize(89, 18));
    set.save("chords/replace_button.png", textButton(89, 18, "REPLACE", false), QSize(89, 18));
    set.save("chords/replace_all_button.png", textButton(89, 18, "REPLACE ALL", false), QSize(89, 18));
    set.save("chords/orange_dot.png", orangeDot());
    set.save("chords/chord_filter_menu.png", chordFilterMenu());
    set.save("chords/find_button.png", textButton(42, 16, "FIND", false), QSize(42, 16));
    set.save("chords/none_button.png", textButton(42, 16, "NONE", false), QSize(42, 16));
    set.save("chords/filter_button.png", filterOpener(), QSize(74, 17));
}
