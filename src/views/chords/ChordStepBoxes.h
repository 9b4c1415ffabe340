// The chords tab's three minus/plus boxes: key shift in semitones, capo
// fret and tempo in beats per minute. GUI thread only.
#pragma once

#include "StepBox.h"

// Key shift, -12 … 12 (fractional values arrive from the tools tab's fine
// tune). Every user step tells the pitch model what happened through
// setSyncValueSignal: +1 up, -1 down, 0 back to no shift, 2 nothing.
class KeyShiftWidget : public StepBox
{
    Q_OBJECT

public:
    explicit KeyShiftWidget(QWidget* parent);

    float value() const { return keyShift; }
    // The text written in the box.
    QString shownText() const;
    // Back to 0 for a new file, with shiftKey(0).
    void reset();

public slots:
    // From the tools tab (semitones plus fine tune): no sync value.
    void updateKeyShift(float keyShift);

signals:
    void shiftKey(float keyShift);
    void setSyncValueSignal(QString objectName, int value);
    void resetFineTune();

protected:
    void stepPressed(Area area) override;
    void wheelStep(int delta) override;
    void resetGesture() override;
    void paintValue(QPainter& painter) override;

private:
    // One semitone down (-1) or up (+1) within -12 … 12; the sync value.
    int step(int direction);
    void announce(int syncValue);

    float keyShift = 0.0f;
};

// Capo fret, 0 … 11.
class CapoWidget : public StepBox
{
    Q_OBJECT

public:
    static constexpr int highestFret = 11;

    explicit CapoWidget(QWidget* parent);

    int fret() const { return capo; }
    // The text written in the box.
    QString shownText() const;
    // Back to 0 for a new file, with shiftFret(0).
    void reset();
    // shiftFret(0) first, then the stored fret (kept within 0 … 11), so
    // the tab computes its shift afresh.
    void initFromSession(int fret);

public slots:
    // Mirrors a fret set elsewhere (truncated, within 0 … 11); no signal.
    void updateFretShift(float fret);

signals:
    void shiftFret(float fret);

protected:
    void stepPressed(Area area) override;
    void wheelStep(int delta) override;
    void resetGesture() override;
    void paintValue(QPainter& painter) override;

private:
    void step(int direction);

    int capo = 0;
};

// Tempo in BPM, within a range derived from the detected tempo; a step goes
// to the next whole BPM. Inactive (covered, deaf and silent) until
// initTempo and again after a reset.
class TempoWidget : public StepBox
{
    Q_OBJECT

public:
    explicit TempoWidget(QWidget* parent);

    float value() const { return bpm; }
    // The text written in the box.
    QString shownText() const;
    float highest() const { return maxBpm; }
    float lowest() const { return minBpm; }
    bool isActive() const { return !coverShown(); }
    // Inactive again with everything 0; tempoChanged(-1) tells the tools tab.
    void reset();

public slots:
    // The range of the tools tab's BPM box for the original truncated to
    // whole BPM (TempoRange.h); activates the box. A tempo that is not a
    // positive number changes nothing.
    void initTempo(float bpm, float originalBPM);
    // Mirrors a tempo set elsewhere, kept within the range; nothing while
    // inactive.
    void updateTempo(float bpm);

signals:
    void tempoChanged(float bpm);

protected:
    void stepPressed(Area area) override;
    void wheelStep(int delta) override;
    void resetGesture() override;
    void paintValue(QPainter& painter) override;

private:
    void step(int direction);

    float maxBpm = 0.0f;
    float minBpm = 0.0f;
    float bpm = 0.0f;
    float originalBpm = 0.0f;
};
