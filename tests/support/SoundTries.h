// Real-time sound cases on a machine that other work may load. A case
// measures in tries and each failed try is judged:
//  - the machine's: every failed check is one a stall can fail too (a gap,
//    an underrun, a switch that took long), and the try's evidence shows
//    that the machine stalled the sound on its way while the player had
//    done its part. The case tries again, at most kMostTries times in all,
//    and says why;
//  - the player's, otherwise: the case fails at once, saying why.
// Nothing is retried for a fault of the player: the pause that forgets what
// the card held fails its first try.
#pragma once

#include "CaptureAnalysis.h"
#include "ForwardingOutput.h"
#include "SoundServer.h"

#include <QString>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace sound_tries {

using Clock = std::chrono::steady_clock;

// With 16 busy processes on 8 cores, a thread that only sleeps wakes up to
// 100 ms late now and then, real-time or not (the host pauses the machine):
// most tries of the 10 ms buffer meet a stall, and three in a row often do.
// A fault of the player still fails its first try.
constexpr int kMostTries = 8;

// Whether the machine stalled the sound in a try, and what shows it (or
// why it is not shown).
struct Stall
{
    bool shown = false;
    std::string why;
};

class Try
{
public:
    // Checks made inside f are ones a stalled machine can fail too; stall
    // says whether the try's evidence shows that it did.
    template <class F>
    void stallProne(const Stall& stall, F&& f)
    {
        const int from = results_->size();
        f();
        prone_.push_back({from, results_->size(), stall});
    }
    // A fatal failure so far (set-up that did not work).
    bool failedFatally() const;

private:
    friend void runTries(const std::function<void(Try&)>& attempt);
    struct Prone
    {
        int from;
        int to;
        Stall stall;
    };
    explicit Try(const ::testing::TestPartResultArray& results) : results_(&results) { }
    const Prone* proneAt(int index) const;

    const ::testing::TestPartResultArray* results_;
    std::vector<Prone> prone_;
};

// Runs attempt until a try passes, fails of the player's kind, or has
// failed kMostTries times of the machine's kind; the failures of the last
// try are reported with their kind, each try retried in a line of its own.
void runTries(const std::function<void(Try&)>& attempt);

// Forwards to the real layer and keeps the least the player held queued
// before each push to a stream the device has started to take from. The
// queue only falls between pushes, so this is the least it held at all
// while fed: 0 when it ran empty (a stream that ran dry leaves it so), more
// when the device always found frames. Lock- and allocation-free on the
// playback thread.
class WatchedOutput final : public ForwardingOutput
{
public:
    using ForwardingOutput::ForwardingOutput;

    bool play(StreamHandle stream) override
    {
        // What is queued now counts as pushed: the device has taken nothing yet.
        pushedSincePlay_.store(std::max<std::int64_t>(queuedFrames(stream), 0), std::memory_order_relaxed);
        return ForwardingOutput::play(stream);
    }
    bool push(StreamHandle stream, const float* interleaved, std::int64_t numFrames) override
    {
        const std::int64_t queued = queuedFrames(stream);
        const std::int64_t pushed = pushedSincePlay_.load(std::memory_order_relaxed);
        const std::int64_t lowest = lowest_.load(std::memory_order_relaxed);
        if (queued >= 0 && queued < pushed && (lowest < 0 || queued < lowest))
            lowest_.store(queued, std::memory_order_relaxed);
        if (queued == 0 && pushed > 0) {
            const int n = emptyCount_.load(std::memory_order_relaxed);
            if (n < kMostEmpties) {
                emptyAt_[size_t(n)] = Clock::now();
                emptyCount_.store(n + 1, std::memory_order_release);
            }
        }
        const bool ok = ForwardingOutput::push(stream, interleaved, numFrames);
        if (ok)
            pushedSincePlay_.store(pushed + numFrames, std::memory_order_relaxed);
        return ok;
    }

    // Frames; -1 before any such push.
    std::int64_t lowestQueuedFrames() const { return lowest_.load(std::memory_order_relaxed); }
    // When a push found the queue empty (the first kMostEmpties times).
    std::vector<Clock::time_point> emptyTimes() const
    {
        return {emptyAt_.begin(), emptyAt_.begin() + emptyCount_.load(std::memory_order_acquire)};
    }

private:
    std::int64_t queuedFrames(StreamHandle stream) const
    {
        const std::int64_t bytes = queuedBytes(stream);
        return bytes < 0 ? -1 : bytes / kBytesPerStreamFrame;
    }

    // Written by the control thread at play and the playback thread at a
    // push, which the player never runs at once (its step gate).
    std::atomic<std::int64_t> pushedSincePlay_{0};
    std::atomic<std::int64_t> lowest_{-1};
    static constexpr int kMostEmpties = 16;
    std::array<Clock::time_point, kMostEmpties> emptyAt_{};
    std::atomic<int> emptyCount_{0};
};

// A thread that only sleeps, a millisecond at a time, and notes each
// wake-up that came late. What keeps it from running keeps the process's
// other threads too (a machine busy past its cores, or a host that pauses
// the machine): a feed loop that came late with it came late for the
// machine, not for itself.
class StallWatch
{
public:
    StallWatch();
    ~StallWatch();
    StallWatch(const StallWatch&) = delete;
    StallWatch& operator=(const StallWatch&) = delete;

    // The longest a wake-up between from and to came late, in ms.
    double longestStallMs(Clock::time_point from, Clock::time_point to) const;

private:
    struct Late
    {
        Clock::time_point woke;
        Clock::duration late;
    };
    static constexpr int kMostLates = 4096;
    std::array<Late, kMostLates> lates_{};
    std::atomic<int> count_{0};
    std::atomic<bool> running_{true};
    std::thread thread_;
};

// What one try heard and met on the way.
struct Evidence
{
    // Silent runs inside the sound that the case does not expect (frames of
    // the capture).
    std::vector<capture::Span> gaps;
    ServerLog log;
    // The least the player held queued while the device took from its
    // stream (WatchedOutput); -1: it pushed nothing then (all was queued
    // before).
    std::int64_t lowestQueuedFrames = -1;
    // Each time a push found that queue empty: the longest the whole
    // process stalled (StallWatch) in the moments before, and whether it
    // fell on an underrun the server logged (a device that ran dry takes a
    // burst as it recovers, more than the queue holds).
    struct Empty
    {
        double stallBeforeMs;
        bool onServerUnderrun;
    };
    std::vector<Empty> empties;
    // The output layer's count: its streams ran dry, or its device did.
    std::int64_t layerUnderruns = 0;
};

// The machine stalled the sound of a try when every gap lies on an
// underrun of the client's stream that the server logged (the device's
// frames were late to the server), or on the player's queue running empty
// right after the whole process had stalled; with no gap, when the output
// layer counted underruns. A queue that ran empty with neither the process
// stalled nor the device running dry is the player's fault (its feed loop
// late, or frames lost), and so is a gap the player made: silence delivered
// in time, for which the server logs no underrun.
Stall judgeGaps(const Evidence& e);

// Evidence::empties of a try, log read from server.
std::vector<Evidence::Empty> empties(const WatchedOutput& output, const StallWatch& watch,
                                     const SoundServer& server, const ServerLog& log);

// Frames lost where the device ran dry: ALSA's recovery drops what the
// device's buffer held, so the sound goes on past them after the gap. The
// machine's when each jump comes right after a gap the machine made
// (judgeGaps), goes forward by no more than bufferFrames (what the device
// holds), and the output layer counted its device running dry.
Stall judgeSkips(const Evidence& e, const std::vector<capture::Jump>& jumps, double bufferFrames);

// A check of time failed by shortMs (a switch whose silence was too long):
// the machine's when the output path's threads (this process's and the
// server's) waited at least that long for a processor meanwhile.
Stall judgeDelay(double shortMs, double waitedMs, const std::string& what);

// The server had no stream of the client (a check found none): the
// machine's when, with the player's queue never empty, the client dropped a stream
// made at sinceS or later in an underrun and made it again (ALSA's recovery
// from the device running dry).
Stall judgeStreamGone(const Evidence& e, double sinceS = 0.0);

// How long the threads of this process and of a server waited, runnable,
// for a processor from construction on (summed over the threads; a thread
// that ends meanwhile takes its share along).
class DelayClock
{
public:
    explicit DelayClock(const SoundServer& server);
    // -1 where the system does not tell.
    double waitedMs() const;

private:
    std::map<QString, std::int64_t> runDelaysNs() const;

    const SoundServer& server_;
    std::map<QString, std::int64_t> startNs_;
};

} // namespace sound_tries
