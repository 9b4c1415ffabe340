// One riff of the jam tab drawn over the waveform: a transparent overlay
// holding the riff's sixteen steps (BeatLabel) over the beats they play,
// the riff's step table (RiffModel) and the pitch of each step (Riff).
// The waveform view creates six, one per riff "A" … "F", as the pages of
// its riff stack; the player reads them through RiffSource.
//
// Mouse: a double click adds the next step on the beat under the pointer,
// and the armed step follows the pointer beat by beat until committed (by
// the step row, or by a double click on it).
//
// Threads: GUI thread, except the RiffSource reads (see RiffSource.h).
#pragma once

#include "RiffModel.h"
#include "RiffSource.h"

#include <QWidget>

class BeatLabel;
class MetaData;
class QTimer;
class Riff;

class BeatSelection : public QWidget, public RiffSource
{
    Q_OBJECT

public:
    static constexpr int stepCount = RiffModel::stepCount;

    explicit BeatSelection(QWidget* parent);

    // Once, before use: the analysis model (not owned). Connects
    // flashTimer, so replace that first; new results re-place the steps.
    void initMetaData(MetaData* metaData);
    // Frames of the open recording, handed on to the steps.
    void setSampleCount(int frames);
    // Clears the riff's steps (every file open, after setSampleCount).
    void resetBeatSelection();
    // Session: the highest step in use, −1 … 15.
    void setMaxLoopLength(int step);

    // RiffSource.
    int beatIndex(int step) const override;
    int getLoopLength() const override;
    float stepPitch(int step) const override;
    void repositionBeats() override;

    const RiffModel& model() const { return steps; }
    int getBeatUnderMouse() const { return beatUnderMouse; }

    // The per-step pitch factors; child, owned.
    Riff* riff = nullptr;
    // Ticks flash(). The shell replaces it by the step row's blink timer
    // before initMetaData.
    QTimer* flashTimer = nullptr;
    // beatLabels[i] is step i; children, owned.
    BeatLabel* beatLabels[stepCount] = {};

public slots:
    // The step row's short form: no beat given.
    void setArmedStep(int step);
    void setArmedStep(int step, int beat);
    void reArmStep(int step);
    void lockSelection();
    // The loop ends at step lastLoopStep (−1 … 15).
    void setLoopLength(int lastLoopStep);
    void extendLoopLength(int step);
    void scrollBeatLabel(BeatLabel* beatLabel, int xMouse, bool ctrlClick);
    void interpChanged(float interp, int step);
    // Only on the visible (active) riff: the play line runs on `step` alone;
    // a hidden riff stops any it had.
    void setAnimatedStep(int step);
    void setFirst(int step, int beat);
    void flash();

signals:
    // A step was armed from the waveform (double click): the step row
    // shows it armed.
    void setActiveStep(int step);
    void commitStep();
    // The riff's length changed.
    void checkEnableAudioExport();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initWidgets();
    void initConnections();
    // Samples per overlay pixel; 0 while there is no width or recording.
    float samplesPerPixel() const;
    // The beat under overlay x, kept when none is.
    int findBeatUnderMouse(int x);

    RiffModel steps;
    int beatUnderMouse = 0;
    MetaData* metaData = nullptr;
    int sampleCount = 0;
};
