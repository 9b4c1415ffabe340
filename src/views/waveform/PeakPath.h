// The waveform's summary of a recording and the pictures drawn from it.
//
// Peak path: the recording cut into 64 blocks per pixel of view width; each
// block gives two points, (start, block maximum) and (start + 1, block
// minimum), of the mono mix v = (left + right) · 0.7 · 0.5. A mono
// recording is read from its left array alone, as left + left, so it is
// drawn as its stereo copy would be. Maxima are never below 0 and minima never above 0, so the
// path alternates upper and lower outline. About 2 · 64 · w points,
// whatever the length of the recording.
//
// Level pictures: for each zoom level, the path rendered across the
// level's canvas width W as two pictures of W / 2 columns (a picture of the
// whole width could exceed what a pixmap may hold). Each column takes the
// extreme of the path points that fall into it, once for the upper and once
// for the lower outline, and draws a one-pixel stroke from it to the
// centre row. The right picture starts with full-width column W / 2 − 1,
// the column that ends the left one.
#pragma once

#include "ZoomLevel.h"

#include <QImage>
#include <QPointF>
#include <QVector>

#include <cstdint>
#include <functional>

namespace peakpath {

constexpr int blocksPerPixel = 64;

// Called with each whole percent 1 … 99 once, as the path grows. Returning
// false stops the build at once (the caller's arrays may be gone).
using Progress = std::function<bool(float percent)>;

// Fills path (emptied first, its capacity kept) from frames samples of left
// and right (not read for a mono recording; may then be null) for a view
// viewWidth pixels wide. Returns false when progress
// stopped it. A view of no width or an empty recording gives no points.
bool build(const float* left, const float* right, int64_t frames, bool stereo, int viewWidth,
           QVector<QPointF>& path, const Progress& progress);

struct LevelPictures
{
    QImage left;
    QImage right;
};

// Geometry of the pictures: the view's width and height and the canvas's
// height. Pictures are W / 2 × (canvasHeight + 9), transparent where
// nothing is drawn; the outline's centre is at viewHeight / 2 and full
// scale spans viewHeight − 1 pixels.
struct PictureGeometry
{
    int viewWidth = 0;
    int viewHeight = 0;
    int canvasHeight = 0;
};

LevelPictures render(const QVector<QPointF>& path, const PictureGeometry& geometry, ZoomLevel level);

} // namespace peakpath
