#include "SilentDevice.h"

#include "AudioOutput.h"
#include "StreamMixer.h"

#include <algorithm>
#include <chrono>

namespace {
// A sound card's period: short enough that the player, which tops up every
// 10 ms, sees the queue fall smoothly.
constexpr auto kRealTimePeriod = std::chrono::milliseconds(5);
} // namespace

SilentDevice::SilentDevice(StreamMixer& mixer, int sampleRateHz, ManualClock* clock)
    : mixer_(mixer), clock_(clock), rateHz_(sampleRateHz)
{
    if (clock_)
        clock_->device_.store(this);
}

SilentDevice::~SilentDevice()
{
    stop();
    if (clock_) {
        clock_->device_.store(nullptr);
        // An advance() that already picked up this device finishes first.
        while (clock_->advancing_.load() != 0)
            std::this_thread::yield();
    }
}

void SilentDevice::setSampleRateHz(int sampleRateHz)
{
    rateHz_.store(sampleRateHz);
}

int SilentDevice::sampleRateHz() const
{
    return rateHz_.load();
}

bool SilentDevice::isRunning() const
{
    return running_.load();
}

void SilentDevice::setPeriodFrames(std::int64_t frames)
{
    periodFrames_.store(std::max<std::int64_t>(frames, 0));
}

double SilentDevice::drainPeriodMs() const
{
    const std::int64_t period = periodFrames_.load();
    if (period == 0)
        return double(kRealTimePeriod.count());
    return 1000.0 * double(period) / double(rateHz_.load());
}

std::int64_t SilentDevice::takenBy(std::int64_t elapsed) const
{
    const std::int64_t period = periodFrames_.load();
    if (period == 0 || elapsed <= 0)
        return std::max<std::int64_t>(elapsed, 0);
    return (elapsed + period - 1) / period * period;
}

bool SilentDevice::start()
{
    if (running_.load())
        return true;
    manualElapsed_ = 0;
    manualTaken_ = 0;
    running_.store(true);
    if (!clock_)
        thread_ = std::thread(&SilentDevice::runRealTime, this);
    return true;
}

void SilentDevice::stop()
{
    running_.store(false);
    if (thread_.joinable())
        thread_.join();
    // Sequentially consistent with advance(): once running_ is false here,
    // an advance that has not counted itself in yet will see it false.
    while (rendering_.load() != 0)
        std::this_thread::yield();
}

void SilentDevice::advance(std::int64_t numFrames, std::vector<float>* rendered)
{
    rendering_.fetch_add(1);
    if (running_.load()) {
        manualElapsed_ += numFrames;
        const std::int64_t due = takenBy(manualElapsed_);
        render(due - manualTaken_, rendered);
        manualTaken_ = due;
    }
    rendering_.fetch_sub(1);
}

void SilentDevice::runRealTime()
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point origin = Clock::now();
    const std::int64_t rate = rateHz_.load();
    std::int64_t renderedFrames = 0;
    while (running_.load(std::memory_order_acquire)) {
        std::this_thread::sleep_for(kRealTimePeriod);
        const auto elapsedNs = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - origin).count();
        const std::int64_t due = takenBy(elapsedNs * rate / 1000000000);
        render(due - renderedFrames, nullptr);
        renderedFrames = due;
    }
}

void SilentDevice::render(std::int64_t numFrames, std::vector<float>* rendered)
{
    while (numFrames > 0) {
        const int n = static_cast<int>(std::min<std::int64_t>(numFrames, kChunkFrames));
        mixer_.render(chunk_, n);
        if (rendered)
            rendered->insert(rendered->end(), chunk_, chunk_ + 2 * n);
        numFrames -= n;
    }
}

void ManualClock::advanceFrames(std::int64_t numFrames, std::vector<float>* rendered)
{
    advancing_.fetch_add(1);
    if (SilentDevice* device = device_.load())
        device->advance(numFrames, rendered);
    advancing_.fetch_sub(1);
}

void ManualClock::advanceMs(double ms, std::vector<float>* rendered)
{
    advancing_.fetch_add(1);
    if (SilentDevice* device = device_.load()) {
        pendingFrames_ += ms * device->sampleRateHz() / 1000.0;
        const auto whole = static_cast<std::int64_t>(pendingFrames_);
        pendingFrames_ -= static_cast<double>(whole);
        device->advance(whole, rendered);
    }
    advancing_.fetch_sub(1);
}
