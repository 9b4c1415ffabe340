// One PNG showing every picture the generator drew, with its path and size,
// on a checkerboard so transparent areas show. Strips show a sample of their
// frames side by side; chord sheets wrap their cells into rows; and every
// neck is shown under a few chord cells at full and at grid size.
#include "PictureSet.h"
#include "Style.h"

#include <QFileInfo>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

const int sheetWidth = 2200;
const int gap = 14;

void checker(QPainter& p, const QRect& r)
{
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += 8)
        for (int x = r.left(); x <= r.right(); x += 8)
            p.fillRect(x, y, 8, 8,
                       ((x - r.left()) / 8 + (y - r.top()) / 8) % 2 ? QColor(92, 92, 96) : QColor(70, 70, 74));
    p.restore();
}

QImage preview(const QImage& image, QSize frame)
{
    QVector<QImage> parts;
    int perRow = 0;
    if (frame.isValid() && frame.height() < image.height()) {
        const int n = image.height() / frame.height();
        const int shown = std::min(n, 12);
        for (int i = 0; i < shown; ++i) {
            const int k = shown == 1 ? 0 : int(std::lround(double(i) * (n - 1) / (shown - 1)));
            parts << image.copy(0, k * frame.height(), image.width(), frame.height());
        }
        perRow = image.width() > 400 ? 4 : shown;
    } else if (frame.isValid() && frame.width() < image.width()) {
        for (int x = 0; x + frame.width() <= image.width(); x += frame.width())
            parts << image.copy(x, 0, frame.width(), image.height());
        perRow = 14;
    } else {
        return image;
    }
    const int w = parts[0].width(), h = parts[0].height();
    const int rows = (parts.size() + perRow - 1) / perRow;
    QImage out(std::min(perRow, parts.size()) * (w + 4) - 4, rows * (h + 4) - 4,
               QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int i = 0; i < parts.size(); ++i)
        p.drawImage((i % perRow) * (w + 4), (i / perRow) * (h + 4), parts[i]);
    return out;
}

// Chord cells over each neck, at full size and at the grid's 47 × 105.
QImage necksWithChords(const QString& dir)
{
    const QImage sheet(dir + "/images/chords/chords.png");
    const QImage power(dir + "/images/chords/power_chords.png");
    const char* necks[4] = {"wire", "ebony", "alder", "maple"};
    const int cells[5] = {3, 81, 61, 35, 40}; // C, F#m7, Bbmaj7, Ab7, C#sus4
    const int blockWidth = 6 * 130 + 6 * 51 + 30;
    QImage out(2 * blockWidth, 2 * 272, QImage::Format_ARGB32_Premultiplied);
    out.fill(QColor(34, 34, 37));
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int n = 0; n < 4; ++n) {
        const int x = (n % 2) * blockWidth;
        const int y = (n / 2) * 272;
        const QImage neck(dir + "/images/chords/" + necks[n] + ".png");
        for (int i = 0; i < 6; ++i) {
            const QImage cell = i < 5 ? sheet.copy(126 * cells[i], 0, 126, 264) : power.copy(126 * 7, 0, 126, 264);
            p.drawImage(QRect(x + i * 130, y, 126, 264), neck);
            p.drawImage(QRect(x + i * 130, y, 126, 264), cell);
            const QRect small(x + 6 * 130 + i * 51, y, 47, 105);
            p.drawImage(small, neck);
            p.drawImage(small, cell);
        }
    }
    return out;
}

// The window as the views will lay it out (positions from their layouts), to
// judge the backgrounds with their children in place.
class Mockup
{
public:
    Mockup(const QString& folder, int page) : dir(folder), image(1000, 674, QImage::Format_ARGB32_Premultiplied)
    {
        image.fill(QColor(30, 30, 32));
        p.begin(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        waveArea();
        transport();
        const QString tabs[3] = {"real_time_tools/tool_overlay", "jam/jam_overlay", "chords/chords_overlay"};
        put(tabs[page], 0, 319);
        if (page == 0)
            tools();
        else if (page == 1)
            jam();
        else
            chords();
        put(QString("tab_buttons/button_%1").arg(page + 1), 325, 331);
        p.end();
    }
    QImage result() const { return image; }

private:
    QImage load(const QString& name) const { return QImage(dir + "/images/" + name + ".png"); }
    void put(const QString& name, int x, int y) { p.drawImage(x, y, load(name)); }
    void frame(const QString& name, int k, QSize size, int x, int y)
    {
        p.drawImage(x, y, load(name).copy(0, k * size.height(), size.width(), size.height()));
    }
    void scaled(const QImage& picture, const QRect& target) { p.drawImage(target, picture); }

    void waveArea()
    {
        p.fillRect(QRect(59, 18, 884, 156), QColor(18, 18, 20));
        p.fillRect(QRect(59, 182, 884, 28), QColor(18, 18, 20));
        p.setPen(QPen(QColor(214, 100, 35), 1));
        for (int x = 59; x < 943; ++x) {
            const double a = 50 * std::fabs(std::sin(x * 0.013) * std::sin(x * 0.31));
            p.drawLine(QPointF(x + 0.5, 96 - a), QPointF(x + 0.5, 96 + a));
            p.drawLine(QPointF(x + 0.5, 196 - a / 5), QPointF(x + 0.5, 196 + a / 5));
        }
        put("background_wave", 0, 0);
        put("real_time_tools/power_on_small", 908, 147);
        put("zoom", 60, 148);
    }
    void transport()
    {
        const int y = 228;
        put("background_transport", 0, y);
        put("transport/clock_backing", 394, y + 9);
        look::text(p, QRectF(394, y + 9, 212, 24), "0:42.125 / 3:12.5", look::font(16, true), QColor(255, 140, 0));
        put("transport/transport_backing", 371, y + 35);
        const char* buttons[5] = {"loop", "back", "play_pause", "fwd", "stop"};
        for (int i = 0; i < 5; ++i)
            frame(QString("transport/") + buttons[i], i == 2 ? 1 : 0, QSize(42, 41), 371 + 54 * i, y + 37);
        frame("transport/transport_knob", 99, QSize(50, 50), 799, y + 13);
        frame("transport/transport_knob", 30, QSize(50, 50), 159, y + 13);
        put("transport/metronome_red", 207, y + 53);
        put("transport/volume_label", 791, y + 61);
        put("transport/metronome_label", 140, y + 61);
    }
    void box(int x, int y, const QString& text, bool fine = false)
    {
        put(fine ? "real_time_tools/plus_minus_fine_tune" : "real_time_tools/plus_minus", x, y);
        if (!text.isEmpty())
            look::text(p, QRectF(x, y, 93, 20), text, look::font(14, true), QColor(170, 170, 170));
    }
    void tools()
    {
        const int y = 319;
        frame("real_time_tools/knob_large", 120, QSize(85, 85), 141, y + 94);
        frame("real_time_tools/knob_large", 99, QSize(85, 85), 782, y + 94);
        frame("real_time_tools/knob_small", 34, QSize(64, 64), 379, y + 242);
        frame("real_time_tools/knob_small", 80, QSize(64, 64), 469, y + 242);
        frame("real_time_tools/knob_small", 19, QSize(64, 64), 555, y + 242);
        frame("real_time_tools/slider", 62, QSize(350, 24), 326, y + 200);
        put("real_time_tools/power_on", 70, y + 300);
        put("real_time_tools/power_off", 701, y + 300);
        put("real_time_tools/power_on", 322, y + 300);
        frame("real_time_tools/mute_solo", 1, QSize(43, 18), 328, y + 264);
        frame("real_time_tools/hi_lo", 0, QSize(43, 18), 628, y + 264);
        box(141, y + 228, "145.2");
        box(781, y + 228, "0");
        box(781, y + 272, "", true);
        put("real_time_tools/plus_minus_fine_tune_slider", 781 + 46, y + 272);
        box(141, y + 272, "");
        p.setPen(QColor(230, 122, 15));
        p.setBrush(QColor(230, 122, 15));
        p.drawEllipse(QRectF(141 + 30, y + 281, 3, 3));
        QPainterPath curve;
        curve.moveTo(343, y + 185);
        for (int i = 0; i <= 316; ++i)
            curve.lineTo(343 + i,
                         y + 185 - 80 * std::exp(-std::pow((i - 170) / 40.0, 2))
                             - 20 * std::exp(-std::pow((i - 60) / 25.0, 2)));
        curve.lineTo(659, y + 185);
        QLinearGradient g(0, y + 84, 0, y + 235);
        g.setColorAt(0, QColor(255, 150, 60));
        g.setColorAt(1, Qt::black);
        p.setPen(QPen(QColor(175, 100, 30), 1));
        p.setBrush(g);
        p.drawPath(curve);
    }
    void jam()
    {
        const int y = 319;
        frame("jam/step_select", 2, QSize(480, 30), 261, y + 112);
        const QImage white = load("jam/white_step_numbers");
        for (int k : {0, 1, 3, 4, 5})
            p.drawImage(261 + 30 * k, y + 112, white.copy(30 * k, 0, 30, 30));
        frame("jam/loop_length", 5, QSize(480, 5), 261, y + 152);
        frame("jam/loop_length_ball", 5, QSize(480, 10), 261, y + 150);
        frame("jam/song_step", 0, QSize(480, 30), 261, y + 257);
        frame("jam/riff_id", 1, QSize(48, 18), 325, y + 79);
        frame("transport/play_pause", 1, QSize(42, 41), 182, y + 94);
        frame("transport/play_pause", 0, QSize(42, 41), 182, y + 245);
        frame("real_time_tools/knob_small", 49, QSize(64, 64), 787, y + 94);
        put("real_time_tools/power_on", 62, y + 307);
        put("jam/beat_select_outline", 255 + 30 * 7, y + 108);
        look::text(p, QRectF(713, y + 78, 28, 20), "+3", look::font(14, true), QColor(0x92, 0x92, 0x92));
        put("jam/right_click_context", 220 + 30 * 10, y + 106);
        box(220 + 30 * 10 + 10, y + 106 + 66, "+3");
    }
    void chords()
    {
        const int y = 319;
        const QImage sheet = load("chords/chords");
        auto cell = [&](int i) { return sheet.copy(126 * i, 0, 126, 264); };
        const QImage wire = load("chords/wire"), maple = load("chords/maple");
        scaled(maple, QRect(336, y + 53, 126, 264));
        scaled(cell(3), QRect(336, y + 53, 126, 264));
        scaled(maple, QRect(483, y + 62, 87, 178));
        scaled(cell(22), QRect(483, y + 62, 87, 178));
        look::text(p, QRectF(480, y + 262, 94, 25), "3", look::font(22, true), QColor(200, 100, 35));
        scaled(maple, QRect(756, y + 78, 122, 217));
        scaled(cell(0), QRect(756, y + 78, 122, 217));
        const int grid[8] = {3, 22, 8, 10, 12, 31, 5, 73};
        for (int k = 0; k < 8; ++k) {
            const QRect r(79 + (k % 4) * 56, y + 78 + (k / 4) * 107, 47, 105);
            scaled(maple, r);
            scaled(cell(grid[k]), r);
        }
        scaled(load("chords/up").copy(0, 0, 70, 12), QRect(157, y + 58, 61, 12));
        scaled(load("chords/down").copy(0, 0, 70, 12), QRect(157, y + 305, 61, 12));
        box(583, y + 81, "0");
        box(583, y + 128, "120");
        frame("chords/open", 0, QSize(45, 18), 585, y + 177);
        frame("chords/power", 1, QSize(45, 18), 629, y + 177);
        box(583, y + 225, "");
        box(583, y + 298, "0");
        frame("chords/modes_roll", 0, QSize(85, 18), 798, y + 56);
        frame("chords/12_chords_roll", 0, QSize(32, 18), 756, y + 55);
        put("chords/single_chord_edit", 300, 40);
        put("chords/orange_dot", 82 + 20 * 3 + 300, 20 + 40);
    }

    QString dir;
    QImage image;
    QPainter p;
};

} // namespace

bool writeContactSheet(const PictureSet& set, const QString& path)
{
    struct Tile
    {
        QString title;
        QImage image;
    };
    QVector<Tile> tiles;
    for (const PictureSet::Entry& entry : set.entries()) {
        const QImage image(set.directory() + "/" + entry.file);
        QImage shown = preview(image, entry.frame);
        if (shown.width() > sheetWidth - 2 * gap)
            shown = shown.scaledToWidth(sheetWidth - 2 * gap, Qt::SmoothTransformation);
        QString title = QString("%1  %2 × %3").arg(entry.file.mid(7)).arg(image.width()).arg(image.height());
        if (entry.frame.isValid())
            title += QString("  (frames %1 × %2)").arg(entry.frame.width()).arg(entry.frame.height());
        tiles.append({title, shown});
    }
    tiles.append({"necks under chord cells, full size and 47 × 105", necksWithChords(set.directory())});
    const char* pages[3] = {"tools", "jam", "chords"};
    for (int page = 0; page < 3; ++page)
        tiles.append(
            {QString("mock-up: the window with the %1 page (children drawn at their places)").arg(pages[page]),
             Mockup(set.directory(), page).result()});

    // Flow the tiles into rows.
    const QFont titleFont = look::font(12, false);
    const int titleHeight = 18;
    QVector<QPoint> places;
    int x = gap, y = gap, rowHeight = 0;
    for (const Tile& tile : tiles) {
        const int w = std::max(tile.image.width(), 180);
        const int h = tile.image.height() + titleHeight;
        if (x + w > sheetWidth - gap && x > gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places.append(QPoint(x, y));
        x += w + gap;
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(sheetWidth, y + rowHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(28, 28, 30));
    QPainter p(&sheet);
    for (int i = 0; i < tiles.size(); ++i) {
        const QPoint at = places[i];
        look::text(p, QRectF(at.x(), at.y(), 2000, titleHeight - 3), tiles[i].title, titleFont, look::label,
                   Qt::AlignLeft | Qt::AlignVCenter);
        const QRect r(at + QPoint(0, titleHeight), tiles[i].image.size());
        checker(p, r);
        p.drawImage(r.topLeft(), tiles[i].image);
    }
    p.end();
    return sheet.save(path, "PNG");
}
