// The tools tab's minus/plus value box, one class for four values chosen at
// construction:
//   0  time-stretch mode 0 … 3, drawn as four dots; publishes modeChanged(1 … 4)
//   1  tempo in BPM, original / 4 (integer division) … 2 × original;
//      publishes the tempo-knob position nearest to the value's tempo
//      (setKnobFromBPM); the tools tab plays the value itself
//   2  semitones −12 … 12, written with the fine tune as decimals;
//      publishes setSyncValueSignal(objectName(), semitones)
//   3  fine tune 0 … 99 (50 = none), a marker; publishes
//      setSyncValueSignal(objectName(), value − 50)
// Every step, wheel turn and reset gesture publishes, also when the value
// could not move. Methods that mirror a value set elsewhere publish nothing.
#pragma once

#include "StepBox.h"
#include "TempoRange.h"

#include <QString>

class QLabel;

class IncrementWidget : public StepBox
{
    Q_OBJECT

public:
    enum Mode { TimeStretchMode = 0, Tempo = 1, Semitones = 2, FineTune = 3 };

    IncrementWidget(QWidget* parent, int mode);

    int mode() const { return boxMode; }
    float value() const { return boxValue; }
    int originalBPM() const { return originalBpm; }
    bool tempoKnown() const { return originalBpm != -1; }
    // The tempo box's range: a quarter to twice the original tempo, as the
    // chords tab's TEMPO box.
    float lowestBpm() const { return float(temporange::lowest(originalBpm)); }
    float highestBpm() const { return float(temporange::highest(originalBpm)); }
    // Left edge of the fine-tune marker (5 pixels wide, box coordinates).
    int markerX() const;
    bool markerShown() const;
    // The text drawn between the ends (tempo and semitones; else empty).
    QString shownText();
    // Fine tune: the hundredths of a semitone it publishes, its distance
    // from 50 truncated toward zero (a dragged marker lands between them).
    int fineTuneHundredths() const;

    // Tempo: active takes bpm (rounded, halves up) as the value the first
    // time and makes the value the original tempo; inactive covers the box
    // and forgets the tempo. A tempo that is not finite, not above 0 or
    // beyond any recording's leaves the box as it was.
    void setBPMActive(bool active, float bpm);
    // Time-stretch mode: shows mode and publishes modeChanged(mode + 1).
    void setCurrentMode(int mode);
    // The start value (50 for the fine tune, else 0); emits modeChanged(1)
    // in every mode. The fine-tune marker stays where it is.
    void reset();
    // Publishes the value in the form of the mode.
    void valueChanged(float unused = 0.0f);

    // Mirrors: show a value set elsewhere; nothing is published.
    void setValue(float value);
    void placeFineTune(float value, int markerLeft);

    static constexpr float maximumTempoBpm = 10000.0f;
    // The tempo-knob position whose factor lies nearest to v / o (v BPM
    // against the original tempo o): 99 only for v = o, never below 0 (the
    // lowest box value must not read as a knob reset).
    static int knobPositionForBpm(float v, float o);

public slots:
    // Step like a wheel event of delta ±1 sent to the box itself, so they
    // work while the inactive cover is shown (keyboard shortcuts).
    void increment();
    void decrement();
    // The chords tab's TEMPO box moved: the value, published. Its reset's
    // −1, and anything while no tempo is known, leaves the box as it is.
    void tempoChangedFromChords(float bpm);
    void keyShiftFromChords(float keyShift);
    // The value as an integer; the fine tune's is 50 + fineTuneHundredths(),
    // so the semitone box shows the fine tune that is heard.
    int getCurrentValue();

signals:
    void modeChanged(int index);
    void setKnobFromBPM(int value);
    void updateChordTempo(float BPMValue);
    // Query: the fine-tune box's value 0 … 99, read while painting.
    int getDecimal();
    void setSyncValueSignal(QString objectName, int value);
    void resetPitch();
    void resetFineTune();

protected:
    void stepPressed(Area area) override;
    void wheelStep(int delta) override;
    void resetGesture() override;
    void paintValue(QPainter& painter) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void stepUp();
    void stepDown();
    void moveMarker(int left);
    // After a minus or plus step of the fine tune, refused or not.
    void markerFollowsValue();

    QLabel* marker = nullptr;
    int boxMode = 0;
    float boxValue = 0.0f;
    int originalBpm = -1;
    int pressX = -1;
};
