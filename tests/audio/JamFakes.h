// Riffs, songs and beat grids for the riff and song playback tests,
// without the jam tab's widgets: a riff is a list of beats with a loop
// length and pitches, a song a list of slots.
#pragma once

#include "JamSteps.h"
#include "RiffSource.h"

#include <algorithm>
#include <atomic>
#include <initializer_list>
#include <vector>

namespace jamplay_test {

// Steps on the given beats; the loop plays all of them unless told
// otherwise. Beats are kept within 0 … n − 2 as the real riff does.
class FakeRiff final : public RiffSource
{
public:
    FakeRiff() = default;
    FakeRiff(std::initializer_list<int> beats, std::initializer_list<float> pitches = {})
    {
        setBeats(beats);
        int s = 0;
        for (const float p : pitches)
            pitch_[s++].store(p);
    }

    void setBeats(std::initializer_list<int> beats)
    {
        int s = 0;
        for (const int b : beats)
            beat_[s++].store(b);
        loop_.store(s - 1 >= 0 ? s - 1 : -2);
    }
    void setBeat(int step, int b) { beat_[step].store(b); }
    void setLoopLength(int last) { loop_.store(last); }
    void setPitch(int step, float p) { pitch_[step].store(p); }
    // The grid's beat count, for the clamp of beatIndex.
    void setBeatCount(int n) { beatCount_.store(n); }

    int beatIndex(int step) const override
    {
        if (step < 0 || step >= stepCount)
            return 0;
        const int n = beatCount_.load();
        return n < 2 ? 0 : std::clamp(beat_[step].load(), 0, n - 2);
    }
    int getLoopLength() const override { return loop_.load(); }
    float stepPitch(int step) const override { return step >= 0 && step < stepCount ? pitch_[step].load() : 1.0f; }
    void repositionBeats() override { ++repositioned; }

    int repositioned = 0;

private:
    std::atomic<int> beat_[stepCount] = {};
    std::atomic<float> pitch_[stepCount] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::atomic<int> loop_{-2};
    std::atomic<int> beatCount_{1 << 30};
};

// Sixteen slots, empty unless given.
class FakeSong final : public SongSource
{
public:
    FakeSong(std::initializer_list<int> slotRiffs = {})
    {
        for (auto& s : slot_)
            s.store(emptySlot);
        int t = 0;
        for (const int r : slotRiffs)
            slot_[t++].store(r);
    }
    void setSlot(int t, int riff) { slot_[t].store(riff); }
    int riffAt(int t) const override { return t >= 0 && t < slotCount ? slot_[t].load() : emptySlot; }

private:
    std::atomic<int> slot_[slotCount];
};

// Beat b at first + b × spacing frames.
inline std::vector<float> evenBeatList(int count, float first, float spacing)
{
    std::vector<float> beats;
    beats.reserve(size_t(std::max(count, 0)));
    for (int b = 0; b < count; ++b)
        beats.push_back(first + spacing * float(b));
    return beats;
}

inline jamplay::BeatGrid gridOf(const std::vector<float>& beats, int frames)
{
    return jamplay::BeatGrid{beats.data(), int(beats.size()), frames};
}

// Six riffs A … F.
struct RiffSet
{
    FakeRiff riff[jamplay::riffCount];
    jamplay::Riffs pointers() const
    {
        jamplay::Riffs all{};
        for (int r = 0; r < jamplay::riffCount; ++r)
            all[size_t(r)] = &riff[r];
        return all;
    }
};

} // namespace jamplay_test
