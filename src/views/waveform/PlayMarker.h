// The play line over the zoomed waveform. Laid over the whole canvas, it
// polls the player's published play position every 10 ms and keeps the
// line's x in canvas pixels, which the chord strip and the view's
// auto-scroll read. GUI thread only.
#pragma once

#include <QWidget>

#include <atomic>

class QTimer;

class PlayMarker : public QWidget
{
    Q_OBJECT

public:
    explicit PlayMarker(QWidget* parent);

    // The player's published position in frames (relaxed loads; a null
    // pointer reads 0). Starts the 10 ms poll.
    void initSampleIndex(const std::atomic<float>* sampleIndex);
    // Every file open; until the first the marker does nothing.
    void setSampleCount(int frames);

    // The line's x in canvas pixels, a whole number; GUI thread only.
    const float* getPlayPosPtr() const { return &playPos; }
    float playPosition() const { return playPos; }

    // Auto-scroll clears it while the centre line stands in for the line.
    void setLineVisible(bool visible);
    bool isLineVisible() const { return lineVisible; }

public slots:
    void setPos();
    void showPlaymarker(bool showMarker = true);

signals:
    // The position on an 884-pixel strip, rounded.
    void setSmallPos(int smallPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Passed on to the view underneath, which zooms or scrolls.
    void wheelEvent(QWheelEvent* event) override;

private:
    float readPosition() const;

    const std::atomic<float>* sampleIndex = nullptr;
    float sampleCount = 0.0f;
    bool sampleCountSet = false;
    float playPos = 1.0f;
    float carryFraction = 0.0f;
    bool lineVisible = true;
    QTimer* markerTimer = nullptr;
};
