// The two chord sheets (84 cells of 126 × 264 in one row) and the four
// necks they are laid over. Cells are transparent except for the chord's
// marks and its name, and share the necks' coordinate frame (ChordShapes.h),
// so any cell fits any neck; the marks are drawn bold enough to read when a
// diagram is shown at 47 × 105.
#include "ChordShapes.h"
#include "PictureSet.h"
#include "Style.h"

#include <QPainterPath>
#include <cmath>

namespace cs = chordshapes;
namespace geo = chordshapes::cell;

namespace {

enum class Wood { Wire, Ebony, Alder, Maple };

void woodGrain(QImage& image, const QRect& board, QColor base, uint32_t seed, float amplitude)
{
    // Grain runs along the neck: streaks along y, so brush a transposed copy.
    QImage transposed(board.height(), board.width(), QImage::Format_ARGB32_Premultiplied);
    look::brushed(transposed, transposed.rect(), base, seed, amplitude);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            image.setPixel(board.left() + x, board.top() + y, transposed.pixel(y, x));
}

QImage neck(Wood wood)
{
    QImage image = look::strip(geo::width, geo::height, 1);
    const QRect board(geo::boardLeft, geo::nutTop, geo::boardRight - geo::boardLeft,
                      geo::boardBottom - geo::nutTop);
    switch (wood) {
    case Wood::Ebony:
        woodGrain(image, board, QColor(34, 29, 27), 21, 6);
        break;
    case Wood::Alder:
        woodGrain(image, board, QColor(150, 98, 58), 22, 12);
        break;
    case Wood::Maple:
        woodGrain(image, board, QColor(222, 196, 146), 23, 9);
        break;
    case Wood::Wire:
        break;
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool wire = wood == Wood::Wire;
    if (wire) {
        p.fillRect(board, QColor(0, 0, 0, 90));
    } else {
        // Shade the edges so the board reads as rounded.
        QLinearGradient edge(board.left(), 0, board.right() + 1, 0);
        edge.setColorAt(0, QColor(0, 0, 0, 90));
        edge.setColorAt(0.12, QColor(0, 0, 0, 0));
        edge.setColorAt(0.88, QColor(0, 0, 0, 0));
        edge.setColorAt(1, QColor(0, 0, 0, 90));
        p.fillRect(board, edge);
    }
    p.setPen(QPen(QColor(0, 0, 0, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(board).adjusted(0.5, 0.5, -0.5, -0.5));

    // Frets.
    for (int f = 1; f <= geo::shownFrets; ++f) {
        const double y = geo::fretLineY(f);
        if (wire) {
            p.setPen(QPen(QColor(150, 150, 155), 1.5));
            p.drawLine(QPointF(board.left(), y), QPointF(board.right() + 1, y));
            continue;
        }
        p.setPen(QPen(QColor(0, 0, 0, 130), 1));
        p.drawLine(QPointF(board.left(), y + 1.6), QPointF(board.right() + 1, y + 1.6));
        QLinearGradient metal(0, y - 1.5, 0, y + 1.5);
        metal.setColorAt(0, QColor(235, 235, 240));
        metal.setColorAt(1, QColor(120, 120, 128));
        p.setPen(QPen(QBrush(metal), 3));
        p.drawLine(QPointF(board.left(), y), QPointF(board.right() + 1, y));
    }
    // Nut.
    const QRectF nut(board.left(), geo::nutTop, board.width(), geo::nutBottom - geo::nutTop);
    if (wire) {
        p.fillRect(nut, QColor(200, 200, 205));
    } else {
        QLinearGradient bone(0, nut.top(), 0, nut.bottom());
        bone.setColorAt(0, QColor(246, 240, 222));
        bone.setColorAt(1, QColor(190, 180, 160));
        p.fillRect(nut, bone);
    }
    // Strings, thick to thin.
    for (int s = 0; s < 6; ++s) {
        const double x = geo::stringX(s);
        const double width = 2.4 - 0.26 * s;
        if (!wire) {
            p.setPen(QPen(QColor(0, 0, 0, 110), width, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x + 1.2, geo::nutBottom), QPointF(x + 1.2, board.bottom() + 1));
        }
        // Light strings read on dark boards, dark ones on pale maple.
        const bool pale = wood == Wood::Maple;
        const QColor wound = pale ? QColor(112, 92, 62) : QColor(205, 190, 160);
        const QColor plain = pale ? QColor(96, 96, 104) : QColor(225, 225, 230);
        p.setPen(QPen(s < 3 ? wound : plain, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x, geo::nutTop), QPointF(x, board.bottom() + 1));
    }
    return image;
}

const QColor markFill(232, 108, 36);
const QColor markEdge(16, 12, 10);

void outlinedText(QPainter& p, const QRectF& r, const QString& text, const QFont& font, const QColor& colour,
                  Qt::Alignment align)
{
    // Text as a path: an outline first, so it reads on any wood or panel.
    QFontMetricsF metrics(font);
    const qreal w = metrics.horizontalAdvance(text);
    qreal x = r.left();
    if (align & Qt::AlignHCenter)
        x = r.center().x() - w / 2;
    else if (align & Qt::AlignRight)
        x = r.right() - w;
    const qreal y = r.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, y), font, text);
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 220), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void mark(QPainter& p, QPointF c)
{
    p.setPen(QPen(markEdge, 2));
    QRadialGradient g(c - QPointF(2, 2.5), geo::markRadius * 1.4);
    g.setColorAt(0, markFill.lighter(135));
    g.setColorAt(1, markFill.darker(115));
    p.setBrush(g);
    p.drawEllipse(c, geo::markRadius - 1, geo::markRadius - 1);
}

void drawVoicing(QPainter& p, const cs::Voicing& v, const QString& name)
{
    p.setRenderHint(QPainter::Antialiasing);
    // The name: as large as fits the column.
    QFont nameFont = look::font(25, true);
    const qreal fits = QFontMetricsF(nameFont).horizontalAdvance(name);
    if (fits > geo::width - 6)
        nameFont.setPixelSize(int(25 * (geo::width - 6) / fits));
    outlinedText(p, QRectF(0, 2, geo::width, geo::nameBottom - 6), name, nameFont, QColor(242, 242, 242),
                 Qt::AlignHCenter);

    for (int s = 0; s < 6; ++s) {
        const double x = geo::stringX(s);
        const int fret = v.frets[size_t(s)];
        if (fret == cs::muted) {
            const QPointF c(x, geo::openMarkY);
            for (const QColor& colour : {QColor(0, 0, 0, 220), QColor(215, 215, 215)}) {
                p.setPen(QPen(colour, colour.alpha() == 220 ? 4.2 : 2.0, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(c + QPointF(-3.8, -3.8), c + QPointF(3.8, 3.8));
                p.drawLine(c + QPointF(-3.8, 3.8), c + QPointF(3.8, -3.8));
            }
        } else if (fret == 0) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0, 0, 0, 220), 4.2));
            p.drawEllipse(QPointF(x, geo::openMarkY), 4.4, 4.4);
            p.setPen(QPen(QColor(225, 225, 225), 2.0));
            p.drawEllipse(QPointF(x, geo::openMarkY), 4.4, 4.4);
        }
    }
    if (v.barreFret > 0) {
        const double y = geo::markY(v.barreFret - v.baseFret + 1);
        const QRectF bar(geo::stringX(v.barreFrom) - geo::markRadius + 1, y - geo::markRadius + 1,
                         geo::stringX(5) - geo::stringX(v.barreFrom) + 2 * geo::markRadius - 2,
                         2 * geo::markRadius - 2);
        p.setPen(QPen(markEdge, 2));
        QLinearGradient g(0, bar.top(), 0, bar.bottom());
        g.setColorAt(0, markFill.lighter(130));
        g.setColorAt(1, markFill.darker(115));
        p.setBrush(g);
        p.drawRoundedRect(bar, geo::markRadius - 1, geo::markRadius - 1);
    }
    for (int s = 0; s < 6; ++s) {
        const int fret = v.frets[size_t(s)];
        if (fret <= 0 || (fret == v.barreFret && s >= v.barreFrom))
            continue;
        mark(p, QPointF(geo::stringX(s), geo::markY(fret - v.baseFret + 1)));
    }
    if (v.baseFret > 1)
        outlinedText(p, QRectF(0, geo::markY(1) - 11, geo::baseFretLabelRight, 22), QString::number(v.baseFret),
                     look::font(17, true), look::orangeBright, Qt::AlignRight);
}

QImage sheet(bool power)
{
    QImage image(geo::width * cs::chordCount, geo::height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (int i = 0; i < cs::chordCount; ++i) {
        p.save();
        p.translate(i * geo::width, 0);
        p.setClipRect(QRect(0, 0, geo::width, geo::height));
        const int root = i % cs::rootCount;
        if (power)
            drawVoicing(p, cs::powerVoicing(root), QString::fromStdString(cs::powerChordName(root)));
        else
            drawVoicing(p, cs::openVoicing(i), QString::fromStdString(cs::chordName(i)));
        p.restore();
    }
    return image;
}

} // namespace

void drawChordSheets(PictureSet& set)
{
    const QSize cellSize(geo::width, geo::height);
    set.save("chords/chords.png", sheet(false), cellSize);
    set.save("chords/power_chords.png", sheet(true), cellSize);
    set.save("chords/wire.png", neck(Wood::Wire));
    set.save("chords/ebony.png", neck(Wood::Ebony));
    set.save("chords/alder.png", neck(Wood::Alder));
    set.save("chords/maple.png", neck(Wood::Maple));
}
