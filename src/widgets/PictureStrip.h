// A vertical strip of equally sized frames (frame k starts at row k × frame
// height), loaded once per resource path and shared by every control that
// shows it. A missing picture is a null strip: it draws nothing.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

// Loads each resource once; later calls return the same shared pixmap.
// GUI thread only (QPixmap).
QPixmap cachedPixmap(const QString& resourcePath);

class PictureStrip
{
public:
    PictureStrip() = default;
    explicit PictureStrip(const QString& resourcePath);
    explicit PictureStrip(const QPixmap& pixmap);

    const QPixmap& pixmap() const { return strip; }
    bool isNull() const { return strip.isNull(); }

    // Frame `frame` of a strip whose frames are target-sized, drawn pixel
    // for pixel into target. Frames outside the strip draw nothing.
    void drawFrame(QPainter& painter, int frame, const QRect& target) const;

    // As drawFrame, but the whole strip is first scaled so that its width
    // fits the target while keeping its aspect ratio by expanding; the
    // frame height is then the target's height in scaled pixels.
    void drawScaledFrame(QPainter& painter, int frame, const QRect& target) const;

private:
    QPixmap strip;
};
