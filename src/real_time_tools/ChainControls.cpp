#include "ChainControls.h"

#include "LatestValue.h"

#include <algorithm>
#include <cmath>

namespace chain {

ReadPosition currentposition{0};
std::atomic<float> hopfactor{1.0f};
std::atomic<float> interpfactor{1.0f};
std::atomic<VocoderSwitches> vocoderSwitches{VocoderSwitches{}};
std::atomic<VocoderModeFlags> vocoderModeFlags{VocoderModeFlags{}};
std::atomic<int> tsm_mode{1};

std::atomic<bool> ADRessEnabled{false};
std::atomic<bool> invert{false};
std::atomic<float> azimuthValue{0.0f};
std::atomic<float> rangeValue{0.0f};
std::atomic<float> cutFrequencyValue{0.0f};
std::atomic<float> bleedThresholdValue{0.0f};
std::atomic<bool> hipass{false};
std::atomic<int> plotscale{defaultPlotScale};

std::optional<VocoderModeFlags> vocoderModeFlagsFor(int mode)
{
    switch (mode) {
    case 1:
        return VocoderModeFlags{true, true, false, false};
    case 2:
        return VocoderModeFlags{true, false, false, false};
    case 3:
        return VocoderModeFlags{false, true, false, false};
    case 4:
        return VocoderModeFlags{false, true, true, false};
    default:
        return std::nullopt;
    }
}

namespace {

base::LatestValue<Recording>& publishedRecording()
{
    static base::LatestValue<Recording> recording;
    return recording;
}

} // namespace

void setRecording(const float* leftArray, const float* rightArray, int filelength)
{
    const bool usable = leftArray != nullptr && filelength > 0;
    Recording recording;
    if (usable) {
        recording.leftArray = leftArray;
        recording.rightArray = rightArray != nullptr ? rightArray : leftArray;
        recording.filelength = filelength;
    }
    publishedRecording().publish(recording);
}

Recording loadRecording()
{
    return publishedRecording().read();
}

void resetToProgramStart()
{
    constexpr auto relaxed = std::memory_order_relaxed;
    hopfactor.store(1.0f, relaxed);
    interpfactor.store(1.0f, relaxed);
    vocoderSwitches.store(VocoderSwitches{}, relaxed);
    vocoderModeFlags.store(VocoderModeFlags{}, relaxed);
    tsm_mode.store(1, relaxed);
    ADRessEnabled.store(false, relaxed);
    invert.store(false, relaxed);
    azimuthValue.store(0.0f, relaxed);
    rangeValue.store(0.0f, relaxed);
    cutFrequencyValue.store(0.0f, relaxed);
    bleedThresholdValue.store(0.0f, relaxed);
    hipass.store(false, relaxed);
    plotscale.store(defaultPlotScale, relaxed);
    setRecording(nullptr, nullptr, 0);
    currentposition.store(0);
}

void applyLoadDefaults()
{
    constexpr auto relaxed = std::memory_order_relaxed;
    currentposition.store(hop);
    azimuthValue.store(loadAzimuthValue, relaxed);
    rangeValue.store(loadRangeValue, relaxed);
    cutFrequencyValue.store(loadCutFrequencyValue, relaxed);
    bleedThresholdValue.store(loadBleedThresholdValue, relaxed);
    vocoderModeFlags.store(*vocoderModeFlagsFor(loadVocoderMode), relaxed);
}

float sanitisedFactor(float factor)
{
    if (std::isnan(factor))
        return 1.0f;
    return std::clamp(factor, minimumFactor, maximumFactor);
}

} // namespace chain
