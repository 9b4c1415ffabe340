#include "ChainControls.h"

ReadPosition currentposition{0};
std::atomic<float> hopfactor{1.0f};
std::atomic<float> interpfactor{1.0f};
std::atomic<float> previousHopFactor{1.0f};
std::atomic<float> previousInterpFactor{1.0f};
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
std::atomic<int> plotscale{50000000};
std::atomic<bool> playBeep{false};

void ReadPosition::store(int frames) noexcept
{
    uint64_t seen = word_.load(std::memory_order_relaxed);
    while (!word_.compare_exchange_weak(seen, pack(frames, uint32_t(seen >> 32) + 1u),
                                        std::memory_order_relaxed)) {
    }
}

bool ReadPosition::advanceFrom(uint64_t seenWord, int frames) noexcept
{
    return word_.compare_exchange_strong(seenWord, pack(frames, uint32_t(seenWord >> 32) + 1u),
                                         std::memory_order_relaxed);
}

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

// Two slots: a writer fills the one not published, so a reader never sees a
// slot being filled unless two recordings are set during one snapshot.
struct RecordingSlot
{
    std::atomic<const float*> leftArray{nullptr};
    std::atomic<const float*> rightArray{nullptr};
    std::atomic<int> filelength{0};
};

RecordingSlot recordingSlots[2];
std::atomic<RecordingSlot*> publishedRecording{&recordingSlots[0]};
static_assert(std::atomic<RecordingSlot*>::is_always_lock_free);

} // namespace

void setRecording(const float* leftArray, const float* rightArray, int filelength)
{
    RecordingSlot* current = publishedRecording.load(std::memory_order_relaxed);
    RecordingSlot* next = current == &recordingSlots[0] ? &recordingSlots[1] : &recordingSlots[0];
    const bool usable = leftArray != nullptr && filelength > 0;
    next->leftArray.store(usable ? leftArray : nullptr, std::memory_order_relaxed);
    next->rightArray.store(usable ? (rightArray ? rightArray : leftArray) : nullptr,
                           std::memory_order_relaxed);
    next->filelength.store(usable ? filelength : 0, std::memory_order_relaxed);
    publishedRecording.store(next, std::memory_order_release);
}

Recording loadRecording()
{
    const RecordingSlot* slot = publishedRecording.load(std::memory_order_acquire);
    Recording recording;
    recording.leftArray = slot->leftArray.load(std::memory_order_relaxed);
    recording.rightArray = slot->rightArray.load(std::memory_order_relaxed);
    recording.filelength = slot->filelength.load(std::memory_order_relaxed);
    return recording;
}
