#include "PitchSyncWidget.h"

#include "PitchValue.h"

#include <algorithm>
#include <cmath>

namespace {
const QString pitchKnobName = QStringLiteral("pitchKnob");
const QString semitonesName = QStringLiteral("semitones");
const QString fineTuneName = QStringLiteral("fineTune");
const QString keyShiftName = QStringLiteral("keyShift");

const int knobCentre = 99;
const int knobTop = 199;
const int octave = 12;
const float lowestRatio = 0.5f;
const float highestRatio = 2.0f;
// What the session writer can store: −12 − 0.50 … 12 + 0.49.
const float lowestStoredSemitones = -12.5f;
const float highestStoredSemitones = 12.49f;

// Key-shift steps.
const int keyShiftUnchanged = 2;
const int keyShiftClear = 0;

float ratioForSemitones(float semitones)
{
    return pitchvalue::ratioOfSemitones(double(semitones));
}
} // namespace

GlobalWidgetSync::GlobalWidgetSync(QObject* parent) : QObject(parent) { }

void GlobalWidgetSync::addWidget(QWidget* widget)
{
    members.append(widget);
}

PitchSyncWidget::PitchSyncWidget(QObject* parent) : GlobalWidgetSync(parent)
{
    shared = 1.0f;
}

float PitchSyncWidget::semitonesFromSession(float semitones)
{
    if (!std::isfinite(semitones))
        return 0.0f;
    return std::clamp(semitones, lowestStoredSemitones, highestStoredSemitones);
}

void PitchSyncWidget::setSyncValue(QString objectName, int syncValue)
{
    if (objectName == pitchKnobName)
        shared = knobValueToInterpFactor(syncValue);
    else if (objectName == semitonesName || objectName == keyShiftName)
        shared = semitonesValueToInterpFactor(syncValue, objectName);
    else if (objectName == fineTuneName)
        shared = fineTuneToInterpFactor(syncValue);
    // The tab switches the pitch tool before the player gets the ratio.
    emit updatePitchWidgets(objectName, shared);
    emit setInterpFactor(shared);
}

float PitchSyncWidget::knobValueToInterpFactor(int knobValue)
{
    const int v = std::clamp(knobValue, 0, knobTop);
    // Continuous: the knob does not snap to semitones.
    float x = 1.0f;
    if (v < knobCentre)
        x = float(v) * 0.005f + 0.5f;
    else if (v > knobCentre)
        x = float(v) * 0.01f + 0.01f;

    // Whole semitones as the boxes will show this ratio, so that a step of
    // the semitone box starts from the semitone it shows.
    const float s = float(pitchvalue::semitonesOfRatio(double(x)));
    wholeSemitones = pitchvalue::splitShown(double(s)).semitones;
    fineSemitones = s - float(wholeSemitones);

    float result = x;
    if (wholeSemitones == -octave) {
        fineSemitones = 0.0f;
        result = lowestRatio;
    } else if (wholeSemitones == octave) {
        fineSemitones = 0.0f;
        result = highestRatio;
    }
    if (v == knobCentre)
        resetPitch();
    return result;
}

float PitchSyncWidget::semitonesValueToInterpFactor(int value, const QString& objectName)
{
    const int previous = wholeSemitones;
    if (objectName == keyShiftName) {
        if (value == keyShiftUnchanged)
            return shared;
        if (value == keyShiftClear) {
            wholeSemitones = 0;
            fineSemitones = 0.0f;
        } else {
            wholeSemitones += value > 0 ? 1 : -1;
            wholeSemitones = std::clamp(wholeSemitones, -octave, octave);
        }
    } else {
        wholeSemitones = value;
    }

    const float s = float(wholeSemitones) + fineSemitones;
    float result = ratioForSemitones(s);
    // Reaching ±12 from ±11 keeps the fine tune; any other way clears it.
    if (s >= 11.5f && previous != octave - 1 && wholeSemitones == octave) {
        fineSemitones = 0.0f;
        result = highestRatio;
    } else if (s <= -11.5f && previous != -(octave - 1) && wholeSemitones == -octave) {
        fineSemitones = 0.0f;
        result = lowestRatio;
    }
    return result;
}

float PitchSyncWidget::fineTuneToInterpFactor(int hundredths)
{
    fineSemitones = float(hundredths) / 100.0f;
    const float x = ratioForSemitones(float(wholeSemitones) + fineSemitones);
    const float capped = std::min(x, highestRatio);
    if (x > highestRatio || capped <= lowestRatio)
        fineSemitones = 0.0f;
    return std::max(capped, lowestRatio);
}

void PitchSyncWidget::resetPitch()
{
    fineSemitones = 0.0f;
    wholeSemitones = 0;
    shared = 1.0f;
    emit setInterpFactor(1.0f);
    emit updatePitchWidgets(QString(), 1.0f);
}

void PitchSyncWidget::resetFineTune()
{
    fineSemitones = 0.0f;
}

void PitchSyncWidget::initFromSession(float semitonesValue)
{
    // The stored pitch is restored as it was heard, also a fine tune kept
    // at ±12: the tab sends the player 2^(s / 12) and shows the same.
    const pitchvalue::Split split = pitchvalue::splitStored(double(semitonesFromSession(semitonesValue)));
    wholeSemitones = split.semitones;
    fineSemitones = float(split.hundredths) / 100.0f;
    shared = ratioForSemitones(split.total());
}
