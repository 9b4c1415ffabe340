#include "JamSteps.h"

#include "PitchValue.h"

#include <algorithm>
#include <cmath>

namespace jamplay {

namespace {

// 12 · log2(factor): the semitones of a pitch ratio, 0 for a ratio that is
// no positive number (its logarithm would reach the chain as NaN).
float semitonesOf(float factor)
{
    if (!(factor > 0.0f) || !std::isfinite(factor))
        return 0.0f;
    return float(pitchvalue::semitonesOfRatio(double(factor)));
}

const RiffSource* riffAt(const Riffs& riffs, int riff)
{
    return (riff >= 0 && riff < riffCount) ? riffs[size_t(riff)] : nullptr;
}

SongSlot usedSlot(const SongSource* song, const Riffs& riffs, int slot)
{
    const int riff = riffOfSlot(song, riffs, slot);
    return riff >= 0 ? SongSlot{slot, riff, false} : SongSlot{};
}

} // namespace

StepWindow stepWindow(const BeatGrid& grid, int beat)
{
    if (grid.beats == nullptr || beat < 0 || beat + 1 >= grid.count)
        return StepWindow{}; // holds nothing: the stepping moves on
    StepWindow window;
    window.first = jumpTarget(grid, beat);
    window.end = std::min(base::heardFrame(grid.beats[beat + 1]), grid.frames);
    return window;
}

int jumpTarget(const BeatGrid& grid, int beat)
{
    return base::heardFrame(grid.at(beat));
}

StepPitch combinePitch(float stepFactor, float basePitch)
{
    StepPitch pitch;
    pitch.semitones = semitonesOf(stepFactor);
    const float base = semitonesOf(basePitch);
    pitch.factor = pitchvalue::ratioOfSemitonesSingleTwelfth(base + pitch.semitones);
    return pitch;
}

int riffOfSlot(const SongSource* song, const Riffs& riffs, int slot)
{
    if (song == nullptr || slot < 0 || slot >= SongSource::slotCount)
        return -1;
    const int riff = song->riffAt(slot);
    return riffAt(riffs, riff) != nullptr ? riff : -1;
}

SongSlot firstUsedSlotFrom(const SongSource* song, const Riffs& riffs, int slot)
{
    const int from = (slot >= 0 && slot < SongSource::slotCount) ? slot : 0;
    for (int n = 0; n < SongSource::slotCount; ++n) {
        const SongSlot used = usedSlot(song, riffs, (from + n) % SongSource::slotCount);
        if (used.slot >= 0)
            return used;
    }
    return SongSlot{};
}

SongSlot highestUsedSlot(const SongSource* song, const Riffs& riffs)
{
    for (int t = SongSource::slotCount - 1; t >= 0; --t) {
        const SongSlot used = usedSlot(song, riffs, t);
        if (used.slot >= 0)
            return used;
    }
    return SongSlot{};
}

SongSlot nextUsedSlot(const SongSource* song, const Riffs& riffs, int slot)
{
    for (int t = std::max(slot + 1, 0); t < SongSource::slotCount; ++t) {
        const SongSlot used = usedSlot(song, riffs, t);
        if (used.slot >= 0)
            return used;
    }
    SongSlot first = firstUsedSlotFrom(song, riffs, 0);
    first.wrapped = first.slot >= 0;
    return first;
}

StepCheck checkRiffStep(const RiffSource* riff, const BeatGrid& grid, int step, int position)
{
    StepCheck check;
    check.step = step;
    check.riff = -1; // the caller knows which riff it is
    if (riff == nullptr || !grid.playable())
        return check;

    // 1. Still inside the playing step.
    const int beat = riff->beatIndex(step);
    check.window = stepWindow(grid, beat);
    if (check.window.contains(position))
        return check;

    // 2. The next step of the loop; after the last (or a step the user
    //    cut from the loop meanwhile) step 0.
    const bool wrapped = !(step < riff->getLoopLength());
    const int next = wrapped ? 0 : step + 1;
    const int nextBeat = riff->beatIndex(next);
    check.kind = StepCheck::Kind::Step;
    check.step = next;
    check.stepFactor = riff->stepPitch(next);
    check.wrapped = wrapped;
    // 3. Steps on consecutive beats play on without a jump.
    check.jumpTo = nextBeat != beat + 1 ? jumpTarget(grid, nextBeat) : -1;
    check.window = stepWindow(grid, nextBeat);
    return check;
}

StepCheck checkSongStep(const Riffs& riffs, const SongSource* song, const BeatGrid& grid, int slot, int step,
                        int position)
{
    StepCheck check;
    check.step = step;
    check.slot = slot;

    // 1. The playing slot was emptied: the highest used slot takes over.
    SongSlot playing = usedSlot(song, riffs, slot);
    if (playing.slot < 0) {
        playing = highestUsedSlot(song, riffs);
        if (playing.slot < 0) {
            check.kind = StepCheck::Kind::Stop;
            check.riff = -1;
            return check;
        }
        check.slotChanged = true;
    }
    check.slot = playing.slot;
    check.riff = playing.riff;
    if (!grid.playable())
        return check;

    // 2. Still inside the playing step.
    const RiffSource* riff = riffs[size_t(playing.riff)];
    const int beat = riff->beatIndex(step);
    check.window = stepWindow(grid, beat);
    if (check.window.contains(position))
        return check;

    // 3. The next step of the riff, or step 0 of the next used slot.
    SongSlot nextSlot = playing;
    int next = step + 1;
    if (!(step < riff->getLoopLength())) {
        next = 0;
        nextSlot = nextUsedSlot(song, riffs, playing.slot);
        if (nextSlot.slot < 0) {
            check.kind = StepCheck::Kind::Stop;
            check.riff = -1;
            return check;
        }
    }
    const RiffSource* nextRiff = riffs[size_t(nextSlot.riff)];
    const int nextBeat = nextRiff->beatIndex(next);
    check.kind = StepCheck::Kind::Step;
    check.step = next;
    check.slot = nextSlot.slot;
    check.riff = nextSlot.riff;
    check.stepFactor = nextRiff->stepPitch(next);
    check.wrapped = nextSlot.wrapped;
    check.slotChanged = nextSlot.slot != slot;
    // 4. A step on the beat after the last plays on without a jump, also
    //    across slots.
    check.jumpTo = nextBeat != beat + 1 ? jumpTarget(grid, nextBeat) : -1;
    check.window = stepWindow(grid, nextBeat);
    return check;
}

std::optional<StepStart> riffStart(const RiffSource* riff, const BeatGrid& grid)
{
    if (riff == nullptr || !grid.playable())
        return std::nullopt;
    StepStart start;
    start.position = jumpTarget(grid, riff->beatIndex(0));
    start.riff = -1; // the caller knows which riff it is
    start.stepFactor = riff->stepPitch(0);
    return start;
}

std::optional<StepStart> songStart(const Riffs& riffs, const SongSource* song, const BeatGrid& grid, int fromSlot)
{
    if (!grid.playable())
        return std::nullopt;
    const SongSlot first = firstUsedSlotFrom(song, riffs, fromSlot);
    if (first.slot < 0)
        return std::nullopt;
    const RiffSource* riff = riffs[size_t(first.riff)];
    StepStart start;
    start.position = jumpTarget(grid, riff->beatIndex(0));
    start.slot = first.slot;
    start.riff = first.riff;
    start.stepFactor = riff->stepPitch(0);
    return start;
}

} // namespace jamplay
