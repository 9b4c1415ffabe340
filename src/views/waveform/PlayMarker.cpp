#include "PlayMarker.h"

#include "ZoomLevel.h"

#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace {
const int markerTickMs = 10;
// Each repaint covers a band this wide around the old and the new x.
const int bandWidth = 100;
// setSmallPos reports the position on a strip of the view's width.
const float smallStripWidth = 884.0f;
} // namespace

PlayMarker::PlayMarker(QWidget* parent) : QWidget(parent)
{
    markerTimer = new QTimer(this);
    markerTimer->setInterval(markerTickMs);
    connect(markerTimer, &QTimer::timeout, this, &PlayMarker::setPos);
}

void PlayMarker::initSampleIndex(const std::atomic<float>* index)
{
    sampleIndex = index;
    markerTimer->start();
}

void PlayMarker::setSampleCount(int frames)
{
    sampleCount = float(frames);
    sampleCountSet = true;
}

float PlayMarker::readPosition() const
{
    return sampleIndex != nullptr ? sampleIndex->load(std::memory_order_relaxed) : 0.0f;
}

void PlayMarker::setPos()
{
    if (!sampleCountSet)
        return;
    const float position = readPosition();

    // The line's x follows the exact canvas position e, carrying the
    // previous tick's fraction: always floor(e) or floor(e) + 1.
    const FrameScale scale{int64_t(sampleCount), width()};
    const float e = scale.pixelOf(position);
    const float newX = float(saturatingInt(std::floor(double(carryFraction) + double(e))));
    carryFraction = e - std::floor(e);

    const FrameScale strip{int64_t(sampleCount), int(smallStripWidth)};
    emit setSmallPos(strip.roundedPixelOf(position));

    const float oldX = playPos;
    playPos = newX;
    if (newX != oldX) {
        update(saturatingInt(double(oldX) - bandWidth / 2), 0, bandWidth, height());
        update(saturatingInt(double(newX) - bandWidth / 2), 0, bandWidth, height());
    }
}

void PlayMarker::showPlaymarker(bool showMarker)
{
    setVisible(showMarker);
}

void PlayMarker::setLineVisible(bool visible)
{
    if (visible == lineVisible)
        return;
    lineVisible = visible;
    update(saturatingInt(double(playPos) - bandWidth / 2), 0, bandWidth, height());
}

void PlayMarker::paintEvent(QPaintEvent*)
{
    if (!lineVisible)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(180, 180, 180), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int x = saturatingInt(playPos);
    painter.drawLine(x, 0, x, height());
}

void PlayMarker::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}
