#include "IncrementWidget.h"

#include "PictureStrip.h"
#include "PointerGesture.h"
#include "TempoKnob.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
// Fine-tune track: box x 24 … 68 holds the values 0 … 99.
const int trackStart = 24;
const int trackPixels = 44;
const int markerWidth = 5;
const int restingMarkerX = 46; // value 50
const float fineTuneCentre = 50.0f;
const float fineTuneTop = 99.0f;

// Mode dots: 3 × 3 at x = 30, 40, 50, 60, y = 9.
const int dotCount = 4;
const QColor dotOn(230, 122, 15);
const QColor dotOff(170, 170, 170);

const int semitoneLimit = 12;

int roundHalfUp(float value)
{
    return int(std::floor(value + 0.5f));
}
} // namespace

IncrementWidget::IncrementWidget(QWidget* parent, int mode)
    : StepBox(parent, mode == FineTune ? Pictures::fineTune() : Pictures::plain()), boxMode(mode)
{
    marker = new QLabel(this);
    marker->setPixmap(cachedPixmap(QStringLiteral(":/images/real_time_tools/plus_minus_fine_tune_slider.png")));
    marker->setFixedSize(markerWidth, boxHeight);
    // Drawn over the track; the pointer reaches the box through it.
    marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker->move(restingMarkerX, 0);
    marker->setVisible(mode == FineTune);
    if (mode == FineTune)
        reset();
}

int IncrementWidget::markerX() const
{
    return marker->x();
}

bool IncrementWidget::markerShown() const
{
    return !marker->isHidden();
}

// ---- Values from outside ------------------------------------------------------

void IncrementWidget::setBPMActive(bool active, float bpm)
{
    if (active) {
        if (!(std::isfinite(bpm) && bpm > 0.0f && bpm <= maximumTempoBpm))
            return;
        if (!tempoKnown())
            boxValue = float(roundHalfUp(bpm));
        setCoverShown(false);
        originalBpm = int(boxValue);
    } else {
        setCoverShown(true);
        boxValue = 0.0f;
        originalBpm = -1;
    }
    update();
}

void IncrementWidget::setCurrentMode(int mode)
{
    boxValue = float(mode);
    emit modeChanged(mode + 1);
    update();
}

void IncrementWidget::reset()
{
    boxValue = boxMode == FineTune ? fineTuneCentre : 0.0f;
    pressX = -1;
    update();
    emit modeChanged(1);
}

void IncrementWidget::setValue(float value)
{
    boxValue = value;
    update();
}

void IncrementWidget::placeFineTune(float value, int markerLeft)
{
    moveMarker(markerLeft);
    boxValue = value;
    update();
}

void IncrementWidget::tempoChangedFromChords(float bpm)
{
    // −1 comes from the chords tab's reset, not from a step: the box keeps
    // its own value (0 while no tempo is known), or a session saved before
    // the analysis ends would store −1.
    if (bpm == -1.0f || !tempoKnown())
        return;
    boxValue = bpm;
    valueChanged();
}

void IncrementWidget::keyShiftFromChords(float)
{
    // The semitones follow the key shift through the pitch model.
}

int IncrementWidget::fineTuneHundredths() const
{
    return int(boxValue - fineTuneCentre);
}

int IncrementWidget::getCurrentValue()
{
    return boxMode == FineTune ? int(fineTuneCentre) + fineTuneHundredths() : int(boxValue);
}

void IncrementWidget::increment()
{
    QWheelEvent event(QPointF(0, 0), mapToGlobal(QPoint(0, 0)), QPoint(), QPoint(0, 1), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(this, &event);
}

void IncrementWidget::decrement()
{
    QWheelEvent event(QPointF(0, 0), mapToGlobal(QPoint(0, 0)), QPoint(), QPoint(0, -1), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(this, &event);
}

// ---- Publishing --------------------------------------------------------------------

int IncrementWidget::knobPositionForBpm(float v, float o)
{
    return tempoknob::nearestPosition(v / o);
}

void IncrementWidget::valueChanged(float)
{
    switch (boxMode) {
    case TimeStretchMode:
        emit modeChanged(int(boxValue) + 1);
        break;
    case Tempo:
        // No tempo known: a tempo shortcut moves no knob and switches no tool.
        if (tempoKnown())
            emit setKnobFromBPM(knobPositionForBpm(boxValue, float(originalBpm)));
        break;
    case Semitones:
        emit setSyncValueSignal(objectName(), int(boxValue));
        break;
    case FineTune:
        emit setSyncValueSignal(objectName(), fineTuneHundredths());
        break;
    }
}

// ---- Steps ---------------------------------------------------------------------------

void IncrementWidget::stepUp()
{
    switch (boxMode) {
    case TimeStretchMode:
        if (boxValue < 3.0f)
            boxValue += 1.0f;
        else if (boxValue == 3.0f)
            boxValue = 0.0f;
        break;
    case Tempo:
        if (boxValue < highestBpm())
            boxValue = std::floor(boxValue) + 1.0f;
        break;
    case Semitones:
        if (boxValue < float(semitoneLimit))
            boxValue += 1.0f;
        break;
    case FineTune:
        if (boxValue < fineTuneTop)
            boxValue += 1.0f;
        markerFollowsValue();
        break;
    }
}

void IncrementWidget::stepDown()
{
    switch (boxMode) {
    case TimeStretchMode:
        if (boxValue >= 1.0f)
            boxValue -= 1.0f;
        else if (boxValue == 0.0f)
            boxValue = 3.0f;
        break;
    case Tempo:
        if (boxValue > lowestBpm())
            boxValue = std::ceil(boxValue) - 1.0f;
        break;
    case Semitones:
        if (boxValue > float(-semitoneLimit))
            boxValue -= 1.0f;
        break;
    case FineTune:
        if (boxValue >= 1.0f)
            boxValue -= 1.0f;
        markerFollowsValue();
        break;
    }
}

void IncrementWidget::moveMarker(int left)
{
    marker->move(left, 0);
}

void IncrementWidget::markerFollowsValue()
{
    moveMarker(trackStart + int(boxValue / 100.0f * 41.0f));
}

void IncrementWidget::stepPressed(Area area)
{
    if (area == Area::Minus) {
        stepDown();
    } else if (area == Area::Plus) {
        stepUp();
    } else {
        // The middle only places the fine tune, and stops the repeating.
        if (boxMode == FineTune) {
            const int x = cursorX();
            if (x >= 66) {
                moveMarker(64);
                boxValue = fineTuneTop;
            } else if (x <= 26) {
                moveMarker(trackStart);
                boxValue = 0.0f;
            } else {
                moveMarker(x - 2);
                boxValue = float(x - trackStart) / float(trackPixels) * 100.0f;
            }
        }
        holdStepsUntilRelease();
    }
    update();
    valueChanged();
}

void IncrementWidget::wheelStep(int delta)
{
    const int direction = wheelDirection(delta);
    if (direction > 0)
        stepUp();
    else if (direction < 0)
        stepDown();
    if (boxMode == Tempo && tempoKnown())
        emit updateChordTempo(boxValue);
    update();
    valueChanged();
}

void IncrementWidget::resetGesture()
{
    switch (boxMode) {
    case TimeStretchMode:
        boxValue = 0.0f;
        pressX = -1;
        update();
        emit modeChanged(1);
        break;
    case Tempo:
        boxValue = float(originalBpm);
        break;
    case Semitones:
        emit resetPitch();
        boxValue = 0.0f;
        break;
    case FineTune:
        emit resetFineTune();
        moveMarker(restingMarkerX);
        boxValue = fineTuneCentre;
        update();
        break;
    }
    update();
    valueChanged();
}

// ---- Mouse -----------------------------------------------------------------------------

void IncrementWidget::mousePressEvent(QMouseEvent* event)
{
    const bool reset = isResetGesture(*event);
    StepBox::mousePressEvent(event);
    if (!reset)
        pressX = event->pos().x();
}

void IncrementWidget::mouseReleaseEvent(QMouseEvent* event)
{
    StepBox::mouseReleaseEvent(event);
    pressX = -1;
}

void IncrementWidget::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging places the fine tune; the press keeps repeating meanwhile.
    if (boxMode != FineTune || !onlyLeftHeld(*event))
        return;
    const int x = qRound(event->localPos().x());
    const int t = x - trackStart;
    if (t >= 0 && t <= trackPixels - 1) {
        moveMarker(x - 2);
        boxValue = float(t) / float(trackPixels) * 100.0f;
    } else if (x >= 68) {
        if (pressX < 68)
            boxValue = fineTuneTop;
    } else if (x <= 23) {
        if (pressX >= 25)
            boxValue = 0.0f;
    }
    update();
    valueChanged();
}

// ---- Painting ------------------------------------------------------------------------------

QString IncrementWidget::shownText()
{
    if (boxMode == Tempo)
        return valueText(boxValue);
    if (boxMode == Semitones) {
        const int fine = emit getDecimal();
        return valueText(boxValue + float(fine - 50) / 100.0f);
    }
    return QString();
}

void IncrementWidget::paintValue(QPainter& painter)
{
    if (boxMode == Tempo || boxMode == Semitones) {
        drawCentredText(painter, shownText());
        return;
    }
    const int shown = int(boxValue);
    if (boxMode != TimeStretchMode || shown < 0 || shown >= dotCount)
        return;
    for (int i = 0; i < dotCount; ++i) {
        const QColor colour = i == shown ? dotOn : dotOff;
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawEllipse(QRect(30 + 10 * i, 9, 3, 3));
    }
}
