// The chain with a playback thread running steps while another thread (the
// GUI, or an offline render) writes controls or runs steps itself.
#include "ChainTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

using namespace chain_test;

namespace {

class ChainThreaded : public ::testing::Test
{
protected:
    void TearDown() override { resetChain(nullptr); }
};

TEST_F(ChainThreaded, ControlsWrittenWhileStepsRunNeverBreakABlock)
{
    const StereoSignal in = transientRich(120000, 3);
    resetChain(&in);
    std::array<std::atomic<float>, chain::isolationCurveLength> graph{};
    std::atomic<bool> done{false};
    std::atomic<int> badSamples{0};

    std::thread playback([&] {
        std::vector<float> left(chain::hop), right(chain::hop);
        for (int s = 0; s < 150; ++s) {
            if (chain::currentposition.load() > in.frames() - 4 * chain::framesize)
                chain::currentposition.store(chain::hop); // loop back, as the player does
            processaudio(left.data(), right.data(), graph.data());
            for (int i = 0; i < chain::hop; ++i) {
                // Any mix of the controls below stays far under this.
                if (!std::isfinite(left[size_t(i)]) || std::fabs(left[size_t(i)]) > 10.0f
                    || !std::isfinite(right[size_t(i)]) || std::fabs(right[size_t(i)]) > 10.0f)
                    badSamples.fetch_add(1);
            }
        }
        done.store(true);
    });

    // What the GUI's slots do, in a fixed pseudo-random order.
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    float curveSum = 0.0f;
    while (!done.load()) {
        switch (rng() % 9) {
        case 0:
            setTools(rng() % 2 == 0, 0.25f + 1.74f * unit(rng), rng() % 2 == 0, 0.5f + 1.6f * unit(rng));
            break;
        case 1:
            chain::vocoderModeFlags.store(*chain::vocoderModeFlagsFor(1 + int(rng() % 4)));
            break;
        case 2:
            chain::ADRessEnabled.store(rng() % 2 == 0);
            chain::invert.store(rng() % 2 == 0);
            chain::hipass.store(rng() % 2 == 0);
            break;
        case 3:
            chain::azimuthValue.store(2.0f * unit(rng) - 1.0f);
            chain::rangeValue.store(unit(rng));
            chain::cutFrequencyValue.store(99.0f * unit(rng));
            chain::bleedThresholdValue.store(100.0f * unit(rng));
            break;
        case 4:
            chain::plotscale.store(int(rng() % 3) - 1 + (rng() % 2 == 0 ? 50000000 : 0));
            break;
        case 5:
            chain::currentposition.store(int(rng() % 100000));
            break;
        case 6:
            flushBuffers();
            break;
        case 7:
            resetPhases();
            break;
        default:
            for (const auto& point : graph)
                curveSum += point.load(std::memory_order_relaxed);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    playback.join();
    EXPECT_EQ(badSamples.load(), 0);
    EXPECT_TRUE(std::isfinite(curveSum));
}

// A seek, stop or export start stored while a step runs must survive the
// step's own advance: after it, the position is the stored one, or the
// stored one moved on by the steps that started after the store.
TEST_F(ChainThreaded, PositionStoredWhileAStepRunsIsNeverLost)
{
    const StereoSignal in = tones({{330.0, 0.3f, 1.0f, 1.0f}}, 200000);
    resetChain(&in);
    constexpr int seeks = 150;
    constexpr int ring = 256;
    std::array<std::atomic<int>, ring> positionAfter{};
    std::atomic<int> completed{0};
    std::atomic<int> acknowledged{0};
    std::atomic<bool> stop{false};

    std::thread playback([&] {
        std::vector<float> left(chain::hop), right(chain::hop);
        int n = 0;
        while (!stop.load()) {
            // Keep within the ring of what the checker has read.
            if (n - acknowledged.load() >= ring / 2) {
                std::this_thread::yield();
                continue;
            }
            if (processaudio(left.data(), right.data(), nullptr)) {
                positionAfter[size_t(n % ring)].store(chain::currentposition.load());
                completed.store(++n, std::memory_order_release);
            }
        }
    });

    int lost = 0;
    for (int k = 0; k < seeks; ++k) {
        // Two regions far apart, so a step's own advance never lands on a
        // target, and steps that ended before the store lie in the other one.
        const int target = (k % 2 == 0 ? 20000 : 120000) + 3 * (k % 7);
        const int before = completed.load(std::memory_order_acquire);
        chain::currentposition.store(target);
        const int end = completed.load(std::memory_order_acquire) + 2;
        while (completed.load(std::memory_order_acquire) < end)
            std::this_thread::yield();
        // The first step to end in the target's region: the one in flight
        // at the store (kept at the target) or the first after it (one hop
        // on). However long this thread was descheduled, never further.
        int first = -1;
        for (int j = before; j < end && first < 0; ++j) {
            const int after = positionAfter[size_t(j % ring)].load();
            if (std::abs(after - target) < 50000)
                first = after;
        }
        if (first != target && first != target + chain::hop)
            ++lost;
        acknowledged.store(end);
    }
    stop.store(true);
    playback.join();
    EXPECT_EQ(lost, 0) << "of " << seeks << " positions stored while steps ran";
}

// An offline render on the GUI thread while the playback thread has not
// yet noticed the stop: steps never overlap, so every step that ran moved
// the position exactly once.
TEST_F(ChainThreaded, StepsFromTwoThreadsNeverOverlap)
{
    resetChain(nullptr);
    constexpr int renderSteps = 60;
    std::atomic<bool> renderDone{false};
    std::atomic<int> playbackSteps{0};

    std::thread playback([&] {
        std::vector<float> left(chain::hop), right(chain::hop);
        while (!renderDone.load()) {
            if (processaudio(left.data(), right.data(), nullptr))
                playbackSteps.fetch_add(1);
            // The player sleeps between blocks too; without a gap the render
            // would only rarely find the chain free.
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    });

    std::vector<float> left(chain::hop), right(chain::hop);
    for (int s = 0; s < renderSteps; ++s) {
        // A render must have its block: it waits out a playback step.
        while (!processaudio(left.data(), right.data(), nullptr))
            std::this_thread::yield();
    }
    renderDone.store(true);
    playback.join();

    EXPECT_EQ(chain::currentposition.load(), chain::hop + (renderSteps + playbackSteps.load()) * chain::hop);
}

} // namespace
