#include "SmallPlot.h"

#include "PointerGesture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

SmallPlot::SmallPlot(QWidget* parent) : QWidget(parent)
{
    centre = width() / 2;
    setCursor(Qt::OpenHandCursor);
}

void SmallPlot::setSmallPlotPixmap(QPixmap pixmap, float zoomFactor, int zoomCentre)
{
    overviewPixmap = pixmap;
    zoom = ZoomLevel::nearest(zoomFactor);
    centre = zoomCentre;
    rescalePicture();
    update();
}

void SmallPlot::setSmallPlotZoomCentre(int x)
{
    // Auto-scroll sends the centre every 10 ms, mostly unchanged.
    const int clamped = clampedCentre(x);
    if (clamped == centre)
        return;
    centre = clamped;
    update();
}

void SmallPlot::setZoomFactor(float scaleFactor)
{
    // The lit window's width is the zoom's: a step with an unchanged centre
    // (auto-scroll off, or stopped mid-recording) must still repaint.
    const ZoomLevel level = ZoomLevel::nearest(scaleFactor);
    if (level == zoom)
        return;
    zoom = level;
    update();
}

void SmallPlot::setSelection(float, float) { }

int SmallPlot::clampedCentre(int x) const
{
    const float half = zoom.viewX(float(width() / 2));
    if (float(x) - half < -1.0f)
        return saturatingInt(half);
    if (float(x) + half > float(width()))
        return saturatingInt(float(width()) - half + 2.0f);
    return x;
}

void SmallPlot::rescalePicture()
{
    // Scaled once per picture or size, not at every repaint of the play line.
    scaledPixmap = overviewPixmap.isNull() || width() <= 0 || height() <= 0
        ? QPixmap()
        : overviewPixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void SmallPlot::resizeEvent(QResizeEvent*)
{
    rescalePicture();
}

void SmallPlot::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    if (!scaledPixmap.isNull())
        painter.drawPixmap(0, 0, scaledPixmap);

    painter.setOpacity(0.7);
    painter.setPen(QColor(200, 100, 35));
    painter.drawLine(0, h / 2, w, h / 2);
    painter.drawLine(centre, 0, centre, h);

    // Darken what the waveform view does not show.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const float half = zoom.viewX(float(w / 2));
    const int leftEnd = saturatingInt(float(centre) - half);
    const int rightStart = saturatingInt(float(centre) + half);
    if (leftEnd > 0)
        painter.drawRect(0, 0, leftEnd, h);
    if (rightStart < w)
        painter.drawRect(rightStart, 0, w - rightStart, h);
}

void SmallPlot::mousePressEvent(QMouseEvent* event)
{
    setCursor(Qt::ClosedHandCursor);
    if (!onlyLeftHeld(*event))
        return;
    const int x = saturatingInt(std::floor(event->localPos().x() + 0.5));
    centre = clampedCentre(x);
    update();
    // The view gets the pointer's own x; it holds its canvas at the ends.
    emit setCentreZoomPos(float(x));
    emit setPlaybackPosition(x, width());
}

void SmallPlot::mouseMoveEvent(QMouseEvent* event)
{
    if (!onlyLeftHeld(*event))
        return;
    const int x = saturatingInt(std::floor(event->localPos().x() + 0.5));
    if (x < 1 || x >= width())
        return;
    centre = clampedCentre(x);
    update();
    emit setCentreZoomPos(float(centre));
    emit setPlaybackPosition(x, width());
}

void SmallPlot::mouseReleaseEvent(QMouseEvent*)
{
    setCursor(Qt::OpenHandCursor);
}

void SmallPlot::mouseDoubleClickEvent(QMouseEvent*) { }

void SmallPlot::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() == Qt::ControlModifier)
        emit scrollPlot(event);
    else
        emit setZoom(event);
    update();
}

SmallPlotPlayMarker::SmallPlotPlayMarker(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SmallPlotPlayMarker::initPos(const std::atomic<float>* playPosition)
{
    position = playPosition;
}

void SmallPlotPlayMarker::setSampleCount(int frames)
{
    sampleCount = frames;
    scaleWidth = width();
}

int SmallPlotPlayMarker::currentX() const
{
    const float frame = position != nullptr ? position->load(std::memory_order_relaxed) : 0.0f;
    return saturatingInt(FrameScale(sampleCount, scaleWidth).pixelOf(frame));
}

void SmallPlotPlayMarker::updatePos(int)
{
    const int x = currentX();
    if (x == lineX)
        return;
    // Only the two columns change; the strip underneath repaints there too.
    update(lineX - 1, 0, 3, height());
    lineX = x;
    update(lineX - 1, 0, 3, height());
}

void SmallPlotPlayMarker::paintEvent(QPaintEvent*)
{
    // Drawn where updatePos last put it, the columns it invalidated.
    QPainter painter(this);
    painter.setPen(QPen(QColor(180, 180, 180), 1));
    painter.drawLine(lineX, 0, lineX, height());
}
