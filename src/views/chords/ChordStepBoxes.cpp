#include "ChordStepBoxes.h"

#include "TempoRange.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr float keyShiftLimit = 12.0f;
// Far above any tempo; keeps the conversions of the range defined.
constexpr float tempoCeiling = 100000.0f;
constexpr int syncUp = 1;
constexpr int syncDown = -1;
constexpr int syncReset = 0;
constexpr int syncNothing = 2;
} // namespace

// ---- KeyShiftWidget -----------------------------------------------------------

KeyShiftWidget::KeyShiftWidget(QWidget* parent) : StepBox(parent, Pictures::plain()) { }

int KeyShiftWidget::step(int direction)
{
    if (direction < 0 && keyShift > -keyShiftLimit) {
        keyShift = std::max(keyShift - 1.0f, -keyShiftLimit);
        return syncDown;
    }
    if (direction > 0 && keyShift < keyShiftLimit) {
        keyShift = std::min(keyShift + 1.0f, keyShiftLimit);
        return syncUp;
    }
    return syncNothing;
}

void KeyShiftWidget::announce(int syncValue)
{
    emit setSyncValueSignal(objectName(), syncValue);
    emit shiftKey(keyShift);
}

void KeyShiftWidget::stepPressed(Area area)
{
    const int direction = area == Area::Minus ? -1 : area == Area::Plus ? 1 : 0;
    announce(step(direction));
}

void KeyShiftWidget::wheelStep(int delta)
{
    // A small downward turn (down to -12) steps nothing.
    const int direction = delta < -12 ? -1 : delta > 0 ? 1 : 0;
    announce(step(direction));
}

void KeyShiftWidget::resetGesture()
{
    keyShift = 0.0f;
    emit resetFineTune();
    announce(syncReset);
}

void KeyShiftWidget::reset()
{
    keyShift = 0.0f;
    emit shiftKey(keyShift);
    update();
}

void KeyShiftWidget::updateKeyShift(float value)
{
    keyShift = value;
    emit shiftKey(value);
    update();
}

QString KeyShiftWidget::shownText() const
{
    return valueText(keyShift);
}

void KeyShiftWidget::paintValue(QPainter& painter)
{
    drawCentredText(painter, shownText());
}

// ---- CapoWidget ------------------------------------------------------------------

CapoWidget::CapoWidget(QWidget* parent) : StepBox(parent, Pictures::plain()) { }

void CapoWidget::step(int direction)
{
    if (direction < 0 && capo > 0)
        --capo;
    else if (direction > 0 && capo < highestFret)
        ++capo;
}

void CapoWidget::stepPressed(Area area)
{
    if (area == Area::Middle)
        return;
    step(area == Area::Minus ? -1 : 1);
    emit shiftFret(float(capo));
}

void CapoWidget::wheelStep(int delta)
{
    step(wheelDirection(delta));
    emit shiftFret(float(capo));
}

void CapoWidget::resetGesture()
{
    reset();
}

void CapoWidget::reset()
{
    capo = 0;
    emit shiftFret(0.0f);
    update();
}

void CapoWidget::initFromSession(int fret)
{
    reset();
    // Sessions are read unchecked.
    capo = std::clamp(fret, 0, highestFret);
    emit shiftFret(float(capo));
    update();
}

void CapoWidget::updateFretShift(float fret)
{
    capo = std::isfinite(fret) ? int(std::clamp(fret, 0.0f, float(highestFret))) : 0;
    update();
}

QString CapoWidget::shownText() const
{
    return QString::number(capo);
}

void CapoWidget::paintValue(QPainter& painter)
{
    drawCentredText(painter, shownText());
}

// ---- TempoWidget -----------------------------------------------------------------

TempoWidget::TempoWidget(QWidget* parent) : StepBox(parent, Pictures::plain())
{
    setCoverShown(true);
}

void TempoWidget::step(int direction)
{
    // From a knob's tempo between whole BPM, to the next whole one, as the
    // tools tab's box steps.
    if (direction < 0 && bpm > minBpm)
        bpm = std::max(std::ceil(bpm) - 1.0f, minBpm);
    else if (direction > 0 && bpm < maxBpm)
        bpm = std::min(std::floor(bpm) + 1.0f, maxBpm);
}

void TempoWidget::stepPressed(Area area)
{
    // The cover keeps real presses away; this keeps away any other.
    if (!isActive() || area == Area::Middle)
        return;
    step(area == Area::Minus ? -1 : 1);
    emit tempoChanged(bpm);
}

void TempoWidget::wheelStep(int delta)
{
    if (!isActive())
        return;
    step(wheelDirection(delta));
    emit tempoChanged(bpm);
}

void TempoWidget::resetGesture()
{
    if (!isActive())
        return;
    bpm = originalBpm;
    update();
    emit tempoChanged(bpm);
}

void TempoWidget::reset()
{
    maxBpm = 0.0f;
    minBpm = 0.0f;
    bpm = 0.0f;
    originalBpm = 0.0f;
    setCoverShown(true);
    emit tempoChanged(-1.0f);
    update();
}

void TempoWidget::initTempo(float newBpm, float originalBPM)
{
    if (!std::isfinite(originalBPM) || originalBPM <= 0.0f || !std::isfinite(newBpm))
        return;
    const float original = std::min(originalBPM, tempoCeiling);
    // The tools tab's box's range, so the two show the same tempo at the
    // knob's ends and at their own.
    const int whole = int(original);
    maxBpm = float(temporange::highest(whole));
    minBpm = float(temporange::lowest(whole));
    originalBpm = original;
    bpm = newBpm;
    setCoverShown(false);
    update();
}

void TempoWidget::updateTempo(float newBpm)
{
    // At the knob's ends the tempo lies past the range: the nearest end is
    // shown, never the tempo before.
    if (!isActive() || !std::isfinite(newBpm))
        return;
    bpm = std::clamp(newBpm, minBpm, maxBpm);
    update();
}

QString TempoWidget::shownText() const
{
    return valueText(bpm);
}

void TempoWidget::paintValue(QPainter& painter)
{
    drawCentredText(painter, shownText());
}
