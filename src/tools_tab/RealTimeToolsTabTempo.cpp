// The tools tab's tempo: the knob, the BPM box and a session's tempo.
#include "RealTimeToolsTab.h"

#include "IncrementWidget.h"
#include "Knob.h"
#include "PowerButton.h"
#include "TempoKnob.h"

#include <cmath>
#include <utility>

// ---- Tempo -------------------------------------------------------------------------------

float RealTimeToolsTab::hopFactorForKnob(int value)
{
    return tempoknob::factorAt(value);
}

float RealTimeToolsTab::hopFactorChanged(int value)
{
    return hopFactorChanged(value, true);
}

float RealTimeToolsTab::hopFactorChanged(int value, bool setBPMWidget)
{
    // The knob decides now: a session's tempo still waiting is given up.
    waitingTempo = {};
    const float h = hopFactorForKnob(value);
    // Without the recording's tempo the box keeps 0: the knob's factor
    // against no tempo is no BPM.
    if (setBPMWidget && bpmBox->tempoKnown()) {
        const float original = float(bpmBox->originalBPM());
        bpmBox->setValue(h == 1.0f ? original : h * original);
    }
    // Untruncated: the chords tab's box shows the tempo that plays.
    emit updateChordTempo(bpmBox->value());
    emit setHopFactor(h);
    return h;
}

void RealTimeToolsTab::setTempoKnobValue(int value)
{
    waitingTempo = {};
    // The knob follows the box without rewriting the box's exact value.
    disconnect(tempoKnobToHopFactor);
    if (value == -1)
        tempoKnob->reset();
    else
        tempoKnob->setValue(value);
    connectTempoKnobToHopFactor();

    // The knob's positions lie 0.75 to 1 % apart: the box's own tempo is
    // played, or whole-BPM steps would be heard off by up to 5 % and many
    // would change nothing.
    const int original = bpmBox->originalBPM();
    const float h = original > 0 ? bpmBox->value() / float(original) : hopFactorForKnob(tempoKnob->value());
    // Running before it gets the factor; a box back at the original ends
    // bypassed.
    switchTempo(h != 1.0f);
    emit updateChordTempo(bpmBox->value());
    emit setHopFactor(h);
}

void RealTimeToolsTab::switchTempo(bool on)
{
    emit activateTempo(on);
    tempoPower->setValueFromSession(on);
}

void RealTimeToolsTab::turnOnTempo(int)
{
    switchTempo(tempoKnob->value() != tempoknob::centre);
}

void RealTimeToolsTab::TSMActivated(bool active)
{
    emit activateTempo(active);
}

void RealTimeToolsTab::setBPM(float bpm)
{
    // A tempo no recording has (a damaged cache) leaves the box inactive.
    if (!(std::isfinite(bpm) && bpm > 0.0f && bpm <= IncrementWidget::maximumTempoBpm))
        return;
    // Known already: the same recording analysed again. Taking the box's
    // value as the new original would make the next step jump.
    if (bpmBox->tempoKnown())
        return;
    bpmBox->setBPMActive(true, bpm);
    const float shown = std::trunc(bpmBox->value());
    emit initChordTempo(shown, shown);
    // A session or a knob moved before the tempo was known: both BPM boxes
    // show what it plays, not the detected tempo.
    const SessionTempo waiting = std::exchange(waitingTempo, {});
    if (tempoKnob->value() != tempoknob::centre)
        hopFactorChanged(tempoKnob->value());
    if (waiting.bpm > 0.0f)
        playSessionTempo(waiting);
}

void RealTimeToolsTab::playSessionTempo(SessionTempo tempo)
{
    const float bpm = tempo.bpm;
    const int original = bpmBox->originalBPM();
    // No tempo stored (0, no number), or one outside the box's range: the
    // stored knob plays, as it does for sessions without one.
    if (!(bpm >= bpmBox->lowestBpm() && bpm <= bpmBox->highestBpm()))
        return;
    // The knob's own tempo already: it plays that. An exact tempo is the
    // box's value as it was, so a knob turn ends here with its factor.
    if (bpmBox->value() == bpm)
        return;
    // Older files hold the whole BPM only: a knob away from the tempo's
    // nearest position whose tempo cuts to it was turned, not the box set.
    if (!tempo.exact) {
        const int knob = tempoKnob->value();
        const bool knobTurn = knob != IncrementWidget::knobPositionForBpm(bpm, float(original))
            && std::trunc(hopFactorForKnob(knob) * float(original)) == bpm;
        if (knobTurn)
            return;
    }
    bpmBox->setValue(bpm);
    bpmBox->valueChanged();
}

RealTimeToolsTab::StoredTempo RealTimeToolsTab::storedTempo() const
{
    if (bpmBox->tempoKnown())
        return {bpmBox->value(), bpmBox->value()};
    return {waitingTempo.bpm, waitingTempo.exact ? waitingTempo.bpm : 0.0f};
}
