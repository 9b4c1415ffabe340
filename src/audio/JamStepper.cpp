#include "JamStepper.h"

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

} // namespace

JamStepper::JamStepper()
{
    for (auto& source : riffSources)
        source.store(nullptr, relaxed);
}

bool JamStepper::addRiff(RiffSource* riff)
{
    if (riff == nullptr)
        return false;
    for (auto& source : riffSources) {
        if (source.load(std::memory_order_acquire) == nullptr) {
            source.store(riff, std::memory_order_release);
            return true;
        }
    }
    return false;
}

void JamStepper::setSong(const SongSource* song)
{
    songSource.store(song, std::memory_order_release);
}

jam::Riffs JamStepper::riffs() const
{
    jam::Riffs all{};
    for (int r = 0; r < riffCount; ++r)
        all[size_t(r)] = riffSources[r].load(std::memory_order_acquire);
    return all;
}

RiffSource* JamStepper::riff(int riff) const
{
    return riff >= 0 && riff < riffCount ? riffSources[riff].load(std::memory_order_acquire) : nullptr;
}

void JamStepper::setActiveRiff(int riff)
{
    currentRiff.store(riff >= 0 && riff < riffCount ? riff : 0, relaxed);
}

std::optional<jam::StepStart> JamStepper::startRiff(const jam::BeatGrid& grid)
{
    const int riff = activeRiff();
    std::optional<jam::StepStart> start = jam::riffStart(riffs()[size_t(riff)], grid);
    if (!start)
        return start;
    start->riff = riff;
    currentStep.store(0, relaxed);
    return start;
}

std::optional<jam::StepStart> JamStepper::startSong(const jam::BeatGrid& grid, int fromSlot)
{
    const std::optional<jam::StepStart> start = jam::songStart(riffs(), song(), grid, fromSlot);
    if (!start)
        return start;
    currentSlot.store(start->slot, relaxed);
    currentRiff.store(start->riff, relaxed);
    currentStep.store(0, relaxed);
    return start;
}

jam::StepCheck JamStepper::stepRiff(const jam::BeatGrid& grid, int position)
{
    const int riff = activeRiff();
    jam::StepCheck check = jam::checkRiffStep(riffs()[size_t(riff)], grid, riffStep(), position);
    check.riff = riff;
    if (check.kind == jam::StepCheck::Kind::Step)
        currentStep.store(check.step, relaxed);
    return check;
}

jam::StepCheck JamStepper::stepSong(const jam::BeatGrid& grid, int position)
{
    const jam::StepCheck check = jam::checkSongStep(riffs(), song(), grid, songSlot(), riffStep(), position);
    if (check.kind == jam::StepCheck::Kind::Stop)
        return check;
    currentSlot.store(check.slot, relaxed);
    currentRiff.store(check.riff, relaxed);
    currentStep.store(check.step, relaxed);
    return check;
}

bool JamStepper::flipFlash(bool song)
{
    std::atomic<bool>& flash = song ? songFlash : riffFlash;
    const bool flipped = !flash.load(relaxed);
    flash.store(flipped, relaxed);
    return flipped;
}

void JamStepper::clearFlashes()
{
    riffFlash.store(false, relaxed);
    songFlash.store(false, relaxed);
}

void JamStepper::publish(const StepNotice& notice)
{
    lastSong.store(notice.song, relaxed);
    if (notice.pitchShown)
        lastSemitones.store(notice.semitones, relaxed);
    if (!notices.push(notice))
        noticesLost.store(true, std::memory_order_release);
}

void JamStepper::discardNotices()
{
    notices.discardUpTo(notices.writeCount());
    noticesLost.store(false, relaxed);
}
