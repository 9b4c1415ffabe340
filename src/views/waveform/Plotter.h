// The zoomable waveform of the open recording.
//
// At each file open it reduces the two channels to a peak path (PeakPath.h)
// and renders it once into pictures at the eight zoom levels; from then on
// zooming and scrolling only move the canvas that shows the current level's
// pictures and switch stack pages. It owns everything that lies over the
// waveform and slides with it: the play line, a stack with the loop
// selection (page 0) and the six riff overlays (page 1), the chord strip,
// the chord edit popup, the processing notice and the centre line. It keeps
// the overview strip informed through signals and follows the play
// position while auto-scroll is on.
//
// Units (ZoomLevel.h): zoomCentre and the selection's x values are
// unzoomed view pixels; every child that slides uses canvas pixels.
//
// Stacking, bottom to top: chord strip (lowered after every layout),
// canvas, play line, selection stack, processing notice, centre line, chord
// edit popup. The selection stack takes the mouse over the waveform; the
// play line passes the wheel on to the view; the centre line lets the mouse
// through.
//
// GUI thread only.
#pragma once

#include "BeatSelection.h"
#include "ZoomLevel.h"

#include <QPointF>
#include <QStackedWidget>
#include <QStringList>
#include <QVector>
#include <QWheelEvent> // complete for the signals that carry it
#include <QWidget>

#include <cstdint>

class CentreLine;
class ChordLabel;
class ChordsStrip;
class MetaData;
class PlayMarker;
class PlotCanvas;
class PlotSelection;
class ProcessingLabel;
class QTimer;
class SingleChordEditWidget;

class Plotter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int riffCount = 6;

    explicit Plotter(QWidget* parent);

    // Once, after construction: handed on to the selection, the chord strip
    // and the chord edit popup.
    void initMetaData(MetaData* model);
    // The file-open entry: the decoded channels (owned by the caller, read
    // only during this call), the frame count and the stereo flag. Runs
    // pending events at each percent through updateProgressBar; a nested
    // call from there wins and this one returns without touching its arrays
    // again. Leaves the view at level 4 at the recording's start.
    void initPlotter(const float* left, const float* right, int frames, bool stereo);
    // Renders the eight levels' pictures from the peak path.
    void calcBigPixmaps();
    // Places the chord edit popup beside its chord tag.
    void repositionChordEdit();
    // Session restore: [0] the centre, [1] the zoom factor (snapped to the
    // nearest level; a centre that is not a finite number reads 0).
    void setSessionPlotSettings(QStringList settings);

    float zoomFactor() const { return zoom.factor(); }
    ZoomLevel zoomLevel() const { return zoom; }
    const QVector<QPointF>& peaks() const { return peakPath; }

    // Unzoomed view x shown at the middle of the view. Read and written by
    // the main window (sessions).
    float zoomCentre = 0.0f;

    // Children the main window reaches directly.
    PlotCanvas* plotCanvas = nullptr;
    PlayMarker* playMarker = nullptr;
    QStackedWidget* selectionStack = nullptr;
    PlotSelection* plotSelection = nullptr;
    QStackedWidget* beatSelectionStack = nullptr;
    BeatSelection* beatSelections[riffCount] = {};
    ChordsStrip* chordsStrip = nullptr;
    ProcessingLabel* processingLabel = nullptr;
    SingleChordEditWidget* singleChordEdit = nullptr;
    CentreLine* centreLine = nullptr;

public slots:
    void updateWaveform();
    // Zoom buttons: zoomPlot takes the step (+ in, − out, 0 nothing),
    // updateZoom applies it (its argument is not read).
    void zoomPlot(int wheelValue);
    void updateZoom(int = 0);
    // Wheel zoom: the first step in from the whole view centres on the
    // pointer.
    void setZoomFactor(QWheelEvent* event);
    void scrollPlot(QWheelEvent* event);
    // Keyboard shortcuts: at most one step per 100 ms.
    void zoomIn();
    void zoomOut();
    void setCentreZoomPos(float centre);
    // From the auto-scroll button, which reports the state it leaves: true
    // switches auto-scroll off, false on.
    void setScrolling(bool off);
    void playbackScroll();
    void riffSongPlayback(bool playingRiffSong);
    void switchSelectionWidget(int index);
    // true: the loop selection; false: the riff overlays.
    void activateBeatSelecitionWidget(bool activate);
    // Shows riff 0 … 5 and centres the view on its first step; any other
    // value changes nothing.
    void setActiveRiff(int riff);
    void showChordEdit(QString chordText, int num, ChordLabel* chordLabel);

signals:
    void showSmallPlotPlayMarker();
    void setSmallPlotPixmap(QPixmap pixmap, float zoomFactor, int centre);
    void setSmallPlotZoomCentre(int x);
    void setSmallPlotZoomFactor(float zoomFactor);
    void setSmallPlotSampleCount(int sampleCount);
    // Whole percents 1 … 99 while the peak path grows.
    void updateProgressBar(float pc);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Canvas rectangle for the current zoom and centre: x0, W.
    int canvasOffset() const;
    void stepIn();
    void stepOut();
    void lowerChordStrip();
    void repositionChordEditIfVisible();
    void showLevel();
    QPixmap overviewPixmap() const;
    int canvasHeight() const;

    const float* leftData = nullptr;
    const float* rightData = nullptr;
    int64_t sampleCount = 0;
    QVector<QPointF> peakPath;
    bool pixmapsReady = false;
    ZoomLevel zoom;
    MetaData* metaData = nullptr;
    QTimer* scrollTimer = nullptr;
    QTimer* zoomTimer = nullptr;
    bool autoScrollOff = false;
    bool playingRiffSong = false;
    // Counts file opens, so an open nested in the progress events is seen.
    uint64_t openCount = 0;
};
