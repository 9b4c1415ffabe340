// One PNG showing every picture the generator drew, with its path and size,
// on a checkerboard so transparent areas show. Strips show a sample of their
// frames side by side; chord sheets wrap their cells into rows; and every
// neck is shown under a few chord cells at full and at grid size.
#include "PictureSet.h"
#include "Style.h"

#include <QFileInfo>
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
            p.fillRect(x, y, 8, 8, ((x - r.left()) / 8 + (y - r.top()) / 8) % 2
                                       ? QColor(92, 92, 96) : QColor(70, 70, 74));
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
            const QImage cell = i < 5 ? sheet.copy(126 * cells[i], 0, 126, 264)
                                      : power.copy(126 * 7, 0, 126, 264);
            p.drawImage(QRect(x + i * 130, y, 126, 264), neck);
            p.drawImage(QRect(x + i * 130, y, 126, 264), cell);
            const QRect small(x + 6 * 130 + i * 51, y, 47, 105);
            p.drawImage(small, neck);
            p.drawImage(small, cell);
        }
    }
    return out;
}

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
        look::text(p, QRectF(at.x(), at.y(), 2000, titleHeight - 3), tiles[i].title, titleFont,
                   look::label, Qt::AlignLeft | Qt::AlignVCenter);
        const QRect r(at + QPoint(0, titleHeight), tiles[i].image.size());
        checker(p, r);
        p.drawImage(r.topLeft(), tiles[i].image);
    }
    p.end();
    return sheet.save(path, "PNG");
}
