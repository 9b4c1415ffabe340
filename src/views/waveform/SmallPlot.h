// The overview strip under the waveform: a picture of the whole recording,
// darkened outside the window the waveform view shows. A press or drag
// moves the view and the play position; the wheel zooms or scrolls the
// waveform as over the view itself (the strip has the view's width and
// horizontal place, so an x means the same unzoomed view x in both).
// GUI thread only.
#pragma once

#include "ZoomLevel.h"

#include <QPixmap>
#include <QWheelEvent> // complete for the signals that carry it
#include <QWidget>

#include <atomic>

class SmallPlot : public QWidget
{
    Q_OBJECT

public:
    explicit SmallPlot(QWidget* parent);

    // x of the visible window's middle in strip pixels.
    int windowCentre() const { return centre; }
    float zoomFactor() const { return zoom.factor(); }

public slots:
    // Every file open: the whole-recording picture, the zoom and the centre.
    void setSmallPlotPixmap(QPixmap pixmap, float zoomFactor, int centre);
    void setSmallPlotZoomCentre(int x);
    // Repaints when the level changes.
    void setZoomFactor(float scaleFactor);
    // The loop selection is not drawn on the strip.
    void setSelection(float startX, float endX);

signals:
    void setCentreZoomPos(float centre);
    void setZoom(QWheelEvent* event);
    void scrollPlot(QWheelEvent* event);
    // The player moves the play position to xPos · (length / width).
    void setPlaybackPosition(int xPos, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A double click acts only through its first press.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The window's centre for a strip x: held so the window stays inside
    // the strip (within the two pixels the rule has always allowed).
    int clampedCentre(int x) const;
    void rescalePicture();

    QPixmap overviewPixmap;
    QPixmap scaledPixmap; // overviewPixmap at the strip's size
    int centre = 0;
    ZoomLevel zoom;
};

// The play line on the overview strip: a layer of the strip's size and
// place that lets the mouse through.
class SmallPlotPlayMarker : public QWidget
{
    Q_OBJECT

public:
    explicit SmallPlotPlayMarker(QWidget* parent);

    // The player's published position in frames (relaxed loads; a null
    // pointer reads 0).
    void initPos(const std::atomic<float>* position);
    int lineXPosition() const { return lineX; }

public slots:
    // Every file open, before the layer shows; reads the layer's width.
    void setSampleCount(int sampleCount);
    // Recomputes x from the position; the argument is not used.
    void updatePos(int pos);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int currentX() const;

    const std::atomic<float>* position = nullptr;
    int64_t sampleCount = 0;
    int scaleWidth = 0;
    int lineX = 0;
};
