#include "PeakPath.h"

#include <QPainter>
#include <QPen>

namespace peakpath {

bool build(const float* left, const float* right, int64_t frames, bool stereo, int viewWidth,
           QVector<QPointF>& path, const Progress& progress)
{
    path.clear(); // keeps the capacity of the previous file
    if (left == nullptr || right == nullptr || frames <= 0 || viewWidth <= 0)
        return true;

    const float step = float(frames) / float(viewWidth * blocksPerPixel);
    path.reserve(2 * (viewWidth * blocksPerPixel + 2));
    int counter = 1;
    int64_t s = 0;
    while (s <= frames) {
        float maximum = 0.0f;
        float minimum = 0.0f;
        for (int64_t j = 0; float(j) < step; ++j) {
            if (s + j >= frames)
                break;
            float v = float(double(left[s + j] + right[s + j]) * 0.7);
            if (stereo)
                v *= 0.5f;
            // Written so that a NaN sample changes nothing.
            if (v > maximum)
                maximum = v;
            if (v < minimum)
                minimum = v;
        }
        path.append(QPointF(double(s), double(maximum)));
        path.append(QPointF(double(s + 1), double(minimum)));

        const float percent = float(s) / float(frames) * 100.0f;
        if (percent > float(counter)) {
            if (progress && !progress(float(counter)))
                return false;
            ++counter;
        }
        // Far into a long recording a float step may not reach the next
        // integer; the path must still move on.
        const int64_t next = int64_t(float(s) + step);
        s = next > s ? next : s + 1;
    }
    return true;
}

namespace {

// One outline pass over the columns of one picture. Column i summarises the
// path points from f · ppc to (f + 1) · ppc (f = i + offset), shifted by
// `shift` points; the chosen point starts at the column's end and is
// replaced by any point beyond it in the wanted direction. Writes three
// polyline points per column and returns the columns written.
template <class Better>
int outlinePass(const QVector<QPointF>& path, float ppc, int offset, int columns, float shift,
                double mid, double scale, QVector<QPointF>& polyline, Better better)
{
    const int count = path.size();
    const QPointF* points = path.constData();
    for (int i = 0; i < columns; ++i) {
        const int f = i + offset;
        const float end = float(f + 1) * ppc + shift;
        if (end >= float(count))
            return i;
        const float begin = float(f) * ppc + shift;
        int chosen = int(end);
        for (float t = begin; t < end; t += 1.0f) {
            const int index = int(t);
            if (better(points[index].y(), points[chosen].y()))
                chosen = index;
        }
        const double y = (points[chosen].y() + 1.0) * scale * -0.5 + scale;
        polyline[3 * i] = QPointF(i, y);
        polyline[3 * i + 1] = QPointF(i, mid);
        polyline[3 * i + 2] = QPointF(i + 1, mid);
    }
    return columns;
}

} // namespace

LevelPictures render(const QVector<QPointF>& path, const PictureGeometry& geometry,
                     ZoomLevel level)
{
    LevelPictures pictures;
    const int w = geometry.viewWidth;
    const int h = geometry.viewHeight;
    const int pictureHeight = geometry.canvasHeight + 9;
    const int canvasWidth = level.canvasWidth(w);
    const int half = canvasWidth / 2;
    if (half <= 0 || h <= 0 || pictureHeight <= 0)
        return pictures;

    const double mid = double(h / 2);
    const double scale = double(h - 1);
    const float ppc = float(path.size()) / float(canvasWidth);
    QVector<QPointF> polyline(3 * half);
    int offset = 0;

    for (QImage* picture : {&pictures.left, &pictures.right}) {
        *picture = QImage(half, pictureHeight, QImage::Format_ARGB32_Premultiplied);
        picture->fill(Qt::transparent);
        QPainter painter(picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(214, 100, 35), 1));

        // Upper outline: the greatest y of each column. Only the columns
        // written are drawn, so a pass that ends early leaves no stray line.
        const int upper = outlinePass(path, ppc, offset, half, 0.0f, mid, scale, polyline,
                                      [](double a, double b) { return a > b; });
        if (upper > 0)
            painter.drawPolyline(polyline.constData(), 3 * upper);

        // Lower outline: the smallest y, one point later; its last column
        // repeats the one before, joining the next picture's first.
        int lower = 0;
        if (polyline.size() >= 6) {
            lower = outlinePass(path, ppc, offset, half - 1, 1.0f, mid, scale, polyline,
                                [](double a, double b) { return a < b; });
            if (lower > 0) {
                const QPointF last = polyline[3 * (lower - 1)];
                polyline[3 * lower] = QPointF(last.x() + 1, last.y());
                polyline[3 * lower + 1] = QPointF(last.x() + 1, mid);
                polyline[3 * lower + 2] = QPointF(last.x() + 2, mid);
                painter.drawPolyline(polyline.constData(), 3 * lower + 3);
            }
        }
        offset += lower;
    }
    return pictures;
}

} // namespace peakpath
