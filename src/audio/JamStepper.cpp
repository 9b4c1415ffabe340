#include "JamStepper.h"

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

} // namespace

JamStepper::JamStepper()
{
    for (auto& source : riffSources_)
        source.store(nullptr, relaxed);
    waiting_.reserve(noticeCapacity);
}

bool JamStepper::addRiff(RiffSource* source)
{
    if (source == nullptr)
        return false;
    for (auto& slot : riffSources_) {
        if (slot.load(std::memory_order_acquire) == nullptr) {
            slot.store(source, std::memory_order_release);
            return true;
        }
    }
    return false;
}

void JamStepper::setSong(const SongSource* source)
{
    songSource_.store(source, std::memory_order_release);
}

jamplay::Riffs JamStepper::riffs() const
{
    jamplay::Riffs all{};
    for (int r = 0; r < riffCount; ++r)
        all[size_t(r)] = riffSources_[r].load(std::memory_order_acquire);
    return all;
}

RiffSource* JamStepper::riff(int index) const
{
    return index >= 0 && index < riffCount ? riffSources_[index].load(std::memory_order_acquire) : nullptr;
}

void JamStepper::setActiveRiff(int index)
{
    currentRiff_.store(index >= 0 && index < riffCount ? index : 0, relaxed);
}

std::optional<jamplay::StepStart> JamStepper::startRiff(const jamplay::BeatGrid& grid)
{
    const int active = activeRiff();
    std::optional<jamplay::StepStart> start = jamplay::riffStart(riffs()[size_t(active)], grid);
    if (!start)
        return start;
    start->riff = active;
    currentStep_.store(0, relaxed);
    return start;
}

std::optional<jamplay::StepStart> JamStepper::startSong(const jamplay::BeatGrid& grid, int fromSlot)
{
    const std::optional<jamplay::StepStart> start = jamplay::songStart(riffs(), song(), grid, fromSlot);
    if (!start)
        return start;
    currentSlot_.store(start->slot, relaxed);
    currentRiff_.store(start->riff, relaxed);
    currentStep_.store(0, relaxed);
    return start;
}

jamplay::StepCheck JamStepper::stepRiff(const jamplay::BeatGrid& grid, int position)
{
    const int active = activeRiff();
    jamplay::StepCheck check = jamplay::checkRiffStep(riffs()[size_t(active)], grid, riffStep(), position);
    check.riff = active;
    if (check.kind == jamplay::StepCheck::Kind::Step)
        currentStep_.store(check.step, relaxed);
    return check;
}

jamplay::StepCheck JamStepper::stepSong(const jamplay::BeatGrid& grid, int position)
{
    const jamplay::StepCheck check =
        jamplay::checkSongStep(riffs(), song(), grid, songSlot(), riffStep(), position);
    if (check.kind == jamplay::StepCheck::Kind::Stop)
        return check;
    currentSlot_.store(check.slot, relaxed);
    currentRiff_.store(check.riff, relaxed);
    currentStep_.store(check.step, relaxed);
    return check;
}

jamplay::StepCheck JamStepper::peek(const jamplay::BeatGrid& grid, bool song, int position) const
{
    if (song)
        return jamplay::checkSongStep(riffs(), this->song(), grid, songSlot(), riffStep(), position);
    return jamplay::checkRiffStep(riffs()[size_t(activeRiff())], grid, riffStep(), position);
}

jamplay::StepWindow JamStepper::playingWindow(const jamplay::BeatGrid& grid) const
{
    // The active riff follows the song while it plays.
    const RiffSource* riff = riffs()[size_t(activeRiff())];
    if (riff == nullptr || !grid.playable())
        return jamplay::StepWindow{};
    return jamplay::stepWindow(grid, riff->beatIndex(riffStep()));
}

bool JamStepper::flipFlash(bool forSong)
{
    std::atomic<bool>& flash = forSong ? songFlash_ : riffFlash_;
    const bool flipped = !flash.load(relaxed);
    flash.store(flipped, relaxed);
    return flipped;
}

void JamStepper::clearFlashes()
{
    riffFlash_.store(false, relaxed);
    songFlash_.store(false, relaxed);
}

void JamStepper::publish(const StepNotice& notice)
{
    lastSong_.store(notice.song, relaxed);
    if (notice.pitchShown)
        lastSemitones_.store(notice.semitones, relaxed);
    if (!notices_.push(notice))
        noticesLost_.store(true, std::memory_order_release);
}

void JamStepper::discardNotices()
{
    notices_.discardUpTo(notices_.writeCount());
    noticesLost_.store(false, relaxed);
    waiting_.clear();
}
