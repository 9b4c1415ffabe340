// The one model of the playback pitch shift. Four controls change it: the
// tools tab's pitch knob ("pitchKnob", position 0 … 199, 99 = none), its
// semitone box ("semitones", −12 … 12) and fine-tune box ("fineTune",
// hundredths −50 … 49), and the chords tab's key-shift box ("keyShift", a
// step: 1 up, −1 down, 0 back to none, 2 no change). Each sends its object
// name and a number; the model keeps semitones and fine tune and one pitch
// ratio (output / input frequency), 2^((semitones + fine) / 12), sends the
// ratio to the player (setInterpFactor) and tells the tools tab which
// control moved (updatePitchWidgets), so the tab can line the others up.
//
// The ratio stays within 0.5 … 2.0, except that reaching ±12 semitones from
// ±11 keeps the fine tune (up to 2^(12.49 / 12)); the chain reads outside
// the recording as silence, so a ratio slightly past 2 is safe.
// QtCore only; GUI thread.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

// A group of controls that share one value.
class GlobalWidgetSync : public QObject
{
    Q_OBJECT

public:
    explicit GlobalWidgetSync(QObject* parent = nullptr);

    // Registers a member. Nothing reads the list: every change arrives with
    // its sender's object name.
    void addWidget(QWidget* widget);
    const QList<QWidget*>& widgets() const { return members; }
    float syncValue() const { return shared; }

protected:
    float shared = 0.0f;

private:
    QList<QWidget*> members;
};

class PitchSyncWidget : public GlobalWidgetSync
{
    Q_OBJECT

public:
    explicit PitchSyncWidget(QObject* parent = nullptr);

    float interpFactor() const { return shared; }
    int semitones() const { return wholeSemitones; }
    float fine() const { return fineSemitones; }

    // Each updates semitones and fine tune and returns the ratio.
    float knobValueToInterpFactor(int knobValue);
    float semitonesValueToInterpFactor(int value, const QString& objectName);
    float fineTuneToInterpFactor(int hundredths);

    // A stored pitch in semitones: not finite reads 0; kept within
    // −12.5 … 12.49, all that the session writer can store (12.5 would
    // round to 13 whole semitones).
    static float semitonesFromSession(float semitones);

public slots:
    void setSyncValue(QString objectName, int syncValue);
    void resetPitch();
    // Clears the fine tune without recomputing the ratio: it is heard with
    // the next change that recomputes.
    void resetFineTune();
    // Restores a stored pitch to the hundredth, split as the boxes show it
    // (pitchvalue::splitStored), ratio 2^(s / 12); emits nothing (the tab
    // sends the ratio).
    void initFromSession(float semitonesValue);

signals:
    void setInterpFactor(float interpFactor);
    void updatePitchWidgets(QString objectName, float interpFactor);

private:
    float fineSemitones = 0.0f; // −0.5 up to but not including 0.5
    int wholeSemitones = 0;
};
