// The loop selection: a transparent layer over the waveform, as wide as the
// canvas and sliding with it. A press and drag marks a range in unzoomed
// view pixels; the range becomes two sample positions, the loop points,
// which snap to beats once the analysis is there. A single click places the
// stopped play position, a double click starts playback; small labels show
// the number of beats and the first and last beat numbers.
//
// The two ends are held as frames, so every beat of a long recording can
// start or end a loop at the deepest zoom; the x values in unzoomed view
// pixels are kept beside them for the session file.
//
// Loop points: plain ints, written and read on the GUI thread only; the
// player copies them when loopPointsChanged() tells it (or at its own
// tick), so it never reads a half-changed pair. GUI thread only.
#pragma once

#include "ZoomLevel.h"

#include <QWidget>

class MetaData;
class QLabel;

class PlotSelection : public QWidget
{
    Q_OBJECT

public:
    explicit PlotSelection(QWidget* parent);

    void initMetaData(MetaData* model);
    void setSampleCount(int sampleCount);
    // The waveform view's width: the range of the stored x values.
    void setViewWidth(int width);

    // No selection: x values and beats 0, loop points recomputed.
    void resetPlotSelection();
    void setLoopPoints();
    // Session restore: x in unzoomed view pixels, kept within 0 … the view's
    // width, taken as frames at the current zoom. setStartX stores only;
    // setEndX also recomputes the loop points.
    void setStartX(float x);
    void setEndX(float x);
    // Session restore of the precise ends, kept within the recording;
    // recomputes the loop points. The x values stay as they are.
    void setFrames(int start, int end);

    // A press of the left button is held: the view must not move under it.
    bool isDragging() const { return dragging; }
    // Loop points differ: there is something to loop and to export.
    bool hasSelection() const { return loopStart != loopEnd; }

    // Press point and drag point, unzoomed view pixels, in either order.
    int startX = 0;
    int endX = 0;
    // The same two points in frames, 0 … the recording's length.
    int startFrame = 0;
    int endFrame = 0;
    // Frames; loopStart ≤ loopEnd, never negative, equal for no selection.
    int loopStart = 0;
    int loopEnd = 0;
    // Indexes into the model's beats of the two snapped ends.
    int startBeat = 0;
    int endBeat = 0;

    float zoomFactor() const { return zoom.factor(); }

public slots:
    // Snapped to the nearest of the eight levels.
    void setZoomFactor(float scaleFactor);
    // The player moved the beats; the value is not read.
    void updateSelectionFromOffset(int offset);

signals:
    void selectionSingleClick();
    void selectionDoubleClick();
    // The selection became empty (false) or not; after a press, a drag step,
    // setEndX or setFrames.
    void enableSaveSelection(bool enable);
    // Declared for the overview strip; the strip does not draw a selection.
    void setSmallPlotSelection(float start, float end);
    // loopStart or loopEnd changed.
    void loopPointsChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct BeatRange
    {
        float firstX; // canvas x of the first selected beat's left edge
        float lastX;  // and of the last one's right edge
    };

    bool analysisReady() const;
    bool validBeat(int index) const;
    // The beat nearest to a frame position (distances truncated; ties go to
    // the lower beat).
    int nearestBeat(float frame) const;
    // Beat b's left edge, the beat lead before it, in canvas pixels.
    float beatEdgeX(int beat) const;
    BeatRange beatRange() const;
    // The frame under canvas x, within the recording.
    int frameAtCanvasX(float x) const;
    // The frame of a view x at the current zoom, as the loop points of
    // stored x values were always computed.
    int frameAtViewX(int x) const;
    void assignLoopPoints(int start, int end);
    void updateLabels(int x, Qt::MouseButtons buttons);
    void hideLabels();

    int sampleCount = 0;
    int viewWidth = 884;
    bool dragging = false;
    ZoomLevel zoom;
    MetaData* metaData = nullptr;
    QLabel* countLabel = nullptr;
    QLabel* startLabel = nullptr;
    QLabel* endLabel = nullptr;
};
