#include "PeakPath.h"

#include <algorithm>
#include <cmath>

namespace peakpath {

bool build(const float* left, const float* right, int64_t frames, bool stereo, int viewWidth,
           QVector<QPointF>& path, const Progress& progress)
{
    path.clear(); // keeps the capacity of the previous file
    if (left == nullptr || (stereo && right == nullptr) || frames <= 0 || viewWidth <= 0)
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
            // A mono recording is drawn as its stereo copy: its right
            // array is the caller's (the decoder copies left into it).
            const float r = stereo ? right[s + j] : left[s + j];
            const float v = float(double(left[s + j] + r) * 0.7) * 0.5f;
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
// replaced by any point beyond it in the wanted direction. Writes the
// column's outline row, (y + 1) · scale · −0.5 + scale, and returns the
// columns written.
template <class Better>
int outlinePass(const QVector<QPointF>& path, float ppc, int offset, int columns, float shift, double scale,
                QVector<double>& rows, Better better)
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
        rows[i] = (points[chosen].y() + 1.0) * scale * -0.5 + scale;
    }
    return columns;
}

// The vertical stroke of one column, from its outline row to the centre
// row, both included: what a one-pixel line between the two draws. Written
// straight into the pixels; a painter's line path costs a hundred times
// more for the 46,000 columns of the eight levels.
void drawColumn(QImage& picture, int x, double row, int mid, QRgb colour)
{
    if (x < 0 || x >= picture.width())
        return;
    const int end = saturatingInt(std::floor(row + 0.5));
    const int top = std::max(std::min(end, mid), 0);
    const int bottom = std::min(std::max(end, mid), picture.height() - 1);
    for (int y = top; y <= bottom; ++y)
        reinterpret_cast<QRgb*>(picture.scanLine(y))[x] = colour;
}

} // namespace

LevelPictures render(const QVector<QPointF>& path, const PictureGeometry& geometry, ZoomLevel level)
{
    LevelPictures pictures;
    const int w = geometry.viewWidth;
    const int h = geometry.viewHeight;
    const int pictureHeight = geometry.canvasHeight + 9;
    const int canvasWidth = level.canvasWidth(w);
    const int half = canvasWidth / 2;
    if (half <= 0 || h <= 0 || pictureHeight <= 0)
        return pictures;

    const int mid = h / 2;
    const double scale = double(h - 1);
    const float ppc = float(path.size()) / float(canvasWidth);
    const QRgb colour = qPremultiply(qRgb(214, 100, 35));
    QVector<double> rows(half);
    int offset = 0;

    for (QImage* picture : {&pictures.left, &pictures.right}) {
        *picture = QImage(half, pictureHeight, QImage::Format_ARGB32_Premultiplied);
        picture->fill(Qt::transparent);

        // Upper outline: the greatest y of each column. Only the columns
        // written are drawn, so a pass that ends early draws nothing more.
        const int upper =
            outlinePass(path, ppc, offset, half, 0.0f, scale, rows, [](double a, double b) { return a > b; });
        for (int i = 0; i < upper; ++i)
            drawColumn(*picture, i, rows[i], mid, colour);

        // Lower outline: the smallest y, one point later; its last column
        // repeats the one before, joining the next picture's first.
        int lower = 0;
        if (half >= 2) {
            lower = outlinePass(path, ppc, offset, half - 1, 1.0f, scale, rows,
                                [](double a, double b) { return a < b; });
            for (int i = 0; i < lower; ++i)
                drawColumn(*picture, i, rows[i], mid, colour);
            if (lower > 0)
                drawColumn(*picture, lower, rows[lower - 1], mid, colour);
        }
        offset += lower;
    }
    return pictures;
}

} // namespace peakpath
