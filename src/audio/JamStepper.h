// Where riff and song playback stands: the riffs and the song it reads,
// the active riff, the playing step and slot, the two flash toggles, and
// the notices for the jam tab that the playback thread leaves for the GUI
// thread. The rules themselves are in JamSteps.h.
//
// Threads.
// - Set-up (addRiff, setSong): GUI thread, before playback starts; the
//   pointers are atomics all the same, so a late call is safe.
// - setActiveRiff: GUI thread at any time. The playback thread writes the
//   active riff too, while the song plays (it follows the song); the last
//   write wins, each is a lone value.
// - start*: GUI thread while playback is held (no step runs).
// - step*, the flashes and publish(): one thread at a time, the playback
//   thread while playing, the GUI thread during a render.
// - drain(): GUI thread (the position tick).
// Every field both threads touch is a lone lock-free atomic (relaxed: none
// announces other data). The notices go through a single-producer ring:
// pushing never waits or allocates; when the GUI thread falls behind by a
// whole ring, the oldest notices it missed are replaced by one notice of
// the latest state. Each notice carries the output frame where its step
// is heard; the GUI thread keeps it until the device has played that far.
#pragma once

#include "JamSteps.h"
#include "SpscRing.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// What the jam tab is told after a step, in the order the signals go out.
struct StepNotice
{
    // The frame of the output stream where the step is heard; -1: at once.
    std::int64_t frame = -1;
    bool song = false; // the song plays (flashSongPlay), else a riff (flashRiffPlay)
    bool pitchShown = false;
    float semitones = 0.0f; // changeBeatPitch
    bool slotShown = false;
    int riff = 0; // songRiffChanged
    int slot = 0; // setCurrentSongStep
    bool stepShown = false;
    int step = 0; // setCurrentBeatStep
    bool flashed = false;
    bool flash = false;
};

class JamStepper
{
public:
    static constexpr int riffCount = jamplay::riffCount;

    JamStepper();

    // Set-up, in the order "A" … "F": false for null or a seventh riff.
    bool addRiff(RiffSource* source);
    void setSong(const SongSource* source);
    jamplay::Riffs riffs() const;
    // GUI thread: riff 0 … 5 for changes (repositionBeats), null for none.
    RiffSource* riff(int index) const;
    const SongSource* song() const { return songSource_.load(std::memory_order_acquire); }

    // The riff riff playback uses; a value outside 0 … 5 means riff 0.
    void setActiveRiff(int index);
    int activeRiff() const { return currentRiff_.load(std::memory_order_relaxed); }
    int riffStep() const { return currentStep_.load(std::memory_order_relaxed); }
    int songSlot() const { return currentSlot_.load(std::memory_order_relaxed); }

    // Playback starts at step 0: of the active riff, or of the first used
    // slot at or after `fromSlot` (the song). The state moves there;
    // nothing happens when nothing can play.
    std::optional<jamplay::StepStart> startRiff(const jamplay::BeatGrid& grid);
    std::optional<jamplay::StepStart> startSong(const jamplay::BeatGrid& grid, int fromSlot);

    // One stepping check at the position heard; the state follows it.
    jamplay::StepCheck stepRiff(const jamplay::BeatGrid& grid, int position);
    jamplay::StepCheck stepSong(const jamplay::BeatGrid& grid, int position);
    // The check a stepping at `position` would make, the state left alone.
    jamplay::StepCheck peek(const jamplay::BeatGrid& grid, bool song, int position) const;
    // The frames of the step playing (riff playback's, or the song's).
    jamplay::StepWindow playingWindow(const jamplay::BeatGrid& grid) const;

    // The toggles flipped at every riff step and every song step.
    bool flipFlash(bool forSong);
    void clearFlashes();

    // Playback thread: leaves a notice for the GUI thread. Never waits.
    void publish(const StepNotice& notice);
    // GUI thread: hands the notices left since the last call whose frame
    // the device has played (playedFrame, in the stream's frames) to emit,
    // in order; later ones wait for a later call. Returns how many it
    // handed.
    template <class Emit>
    int drain(Emit&& emit, std::int64_t playedFrame);
    // GUI thread, with playback held: drops the notices not handed yet
    // (playback stopped; they would tell of a step no longer playing).
    void discardNotices();

private:
    static constexpr int noticeCapacity = 64;

    std::atomic<RiffSource*> riffSources_[riffCount];
    std::atomic<const SongSource*> songSource_{nullptr};
    std::atomic<int> currentRiff_{0};
    std::atomic<int> currentStep_{0};
    std::atomic<int> currentSlot_{0};
    std::atomic<bool> riffFlash_{false};
    std::atomic<bool> songFlash_{false};
    // The last notice published; the GUI thread rebuilds it after a loss.
    std::atomic<bool> noticesLost_{false};
    std::atomic<bool> lastSong_{false};
    std::atomic<float> lastSemitones_{0.0f};

    base::SpscRing<StepNotice> notices_{noticeCapacity};
    // GUI thread: notices taken from the ring, not heard yet.
    std::vector<StepNotice> waiting_;

    static_assert(std::atomic<RiffSource*>::is_always_lock_free);
    static_assert(std::atomic<int>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<float>::is_always_lock_free);
};

template <class Emit>
int JamStepper::drain(Emit&& emit, std::int64_t playedFrame)
{
    StepNotice notice;
    while (notices_.pop(notice))
        waiting_.push_back(notice);
    int handed = 0;
    size_t heard = 0;
    while (heard < waiting_.size() && waiting_[heard].frame <= playedFrame) {
        emit(waiting_[heard]);
        ++heard;
        ++handed;
    }
    waiting_.erase(waiting_.begin(), waiting_.begin() + std::ptrdiff_t(heard));
    // Acquire pairs with the release in publish(): the notices left before
    // the loss were popped above. The latest state is told at once.
    if (noticesLost_.exchange(false, std::memory_order_acquire)) {
        waiting_.clear();
        StepNotice latest;
        latest.song = lastSong_.load(std::memory_order_relaxed);
        latest.pitchShown = true;
        latest.semitones = lastSemitones_.load(std::memory_order_relaxed);
        latest.slotShown = latest.song;
        latest.riff = activeRiff();
        latest.slot = songSlot();
        latest.stepShown = true;
        latest.step = riffStep();
        emit(latest);
        ++handed;
    }
    return handed;
}
