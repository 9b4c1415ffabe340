// The player's tool slots: tempo, pitch and vocoder mode (the bypass
// logic is ToolSwitches), and the isolation controls with the mappings of
// their knobs and sliders.
#include "AudioPlayer.h"

#include "ChainControls.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t minimumPlotScale = 1000;
constexpr std::int64_t maximumPlotScale = 2000000000;

} // namespace

// ---------------------------------------------------------------------------
// Tempo, pitch and mode.

void AudioPlayer::setHop(float hopFactor)
{
    tools.setFactor(ToolSwitches::Tool::Tempo, hopFactor);
}

void AudioPlayer::activateTempo(bool activate)
{
    tools.bypass(ToolSwitches::Tool::Tempo, activate);
}

void AudioPlayer::resetHopFactor()
{
    tools.reset(ToolSwitches::Tool::Tempo);
}

// Held throughout: while a riff or the song plays, the controls' factor
// alone reaches the chain before the step's pitch goes back on top of it,
// and no block may be made in between.
void AudioPlayer::setInterp(float interpFactor)
{
    PlaybackHold hold(*this);
    feed.basePitch.store(interpFactor);
    tools.setFactor(ToolSwitches::Tool::Pitch, interpFactor);
    reapplyStepPitch();
}

void AudioPlayer::activatePitch(bool activate)
{
    PlaybackHold hold(*this); // as setInterp
    tools.bypass(ToolSwitches::Tool::Pitch, activate);
    reapplyStepPitch();
}

void AudioPlayer::changeMode(int mode)
{
    if (const auto flags = chain::vocoderModeFlagsFor(mode))
        chain::vocoderModeFlags.store(*flags);
}

// ---------------------------------------------------------------------------
// Isolation

void AudioPlayer::activateSSS(bool activate)
{
    chain::ADRessEnabled.store(!activate);
}

void AudioPlayer::setWidth(int width)
{
    chain::rangeValue.store(float((double(width) + 0.001) / 100.0));
}

void AudioPlayer::setSeparation(int separation)
{
    chain::bleedThresholdValue.store(100.0f - float(separation));
}

// Slider 0 … 99 to the signed side gain: 50 is the centre (1.0), the ends
// come close to 0 (-0.0002 at 0, 0.0202 at 99) without reaching it.
void AudioPlayer::setAzimuth(int azimuth)
{
    // Outside the slider's range the mapping would change side.
    const int v = std::clamp(azimuth, 0, 99);
    float x = float(v - 50);
    if (v >= 51)
        x = float((100.01 - double(x)) / 50.0 - 1.0);
    if (x < 0.0f)
        x = float((double(x) + 100.01) / -50.0 + 1.0);
    chain::azimuthValue.store(x == 0.0f ? 1.0f : x);
}

void AudioPlayer::setInverted(bool inverted)
{
    chain::invert.store(inverted);
}

void AudioPlayer::setFilterKnob(int filterValue)
{
    chain::cutFrequencyValue.store(float(filterValue));
}

void AudioPlayer::setFilter(bool filter)
{
    chain::hipass.store(filter);
}

// 0 resets; a negative wheel step multiplies the divisor by 1.1, a positive
// one by 0.9, kept within bounds so the curve never becomes infinite and
// the divisor never leaves the int range.
void AudioPlayer::setPScale(int plotScale)
{
    if (plotScale == 0) {
        chain::plotscale.store(chain::defaultPlotScale);
        return;
    }
    const double factor = plotScale < 0 ? 1.1 : 0.9;
    const double scaled = std::trunc(std::fabs(double(chain::plotscale.load()) * factor));
    const double kept = std::clamp(scaled, double(minimumPlotScale), double(maximumPlotScale));
    chain::plotscale.store(int(kept));
}

QVector<QPointF> AudioPlayer::getSSSCurve() const
{
    QVector<QPointF> curve;
    if (!chain::ADRessEnabled.load())
        return curve;
    curve.reserve(chain::isolationCurveLength);
    const std::atomic<float>* values = feed.curve();
    for (int i = 0; i < chain::isolationCurveLength; ++i)
        curve.append(QPointF(i, double(values[i].load(std::memory_order_relaxed))));
    return curve;
}
