#include "Resampler.h"

#include <algorithm>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kZeroCrossings = 24.0;
constexpr double kKaiserBeta = 8.0;
constexpr double kCutoff = 0.95; // of the lower Nyquist frequency

// Modified Bessel function of the first kind, order 0 (power series).
double besselI0(double x)
{
    double sum = 1.0;
    double term = 1.0;
    const double q = x * x / 4.0;
    for (int k = 1; k < 64; ++k) {
        term *= q / (static_cast<double>(k) * k);
        sum += term;
        if (term < sum * 1e-12)
            break;
    }
    return sum;
}

} // namespace

void Resampler::configure(int inRateHz, int outRateHz)
{
    // The player makes a stream at every start, nearly always at the same
    // rates: keep the table.
    if (inRateHz == inRateHz_ && outRateHz == outRateHz_) {
        reset();
        return;
    }
    inRateHz_ = inRateHz;
    outRateHz_ = outRateHz;
    bypass_ = inRateHz == outRateHz;
    step_ = static_cast<double>(inRateHz) / outRateHz;
    if (bypass_) {
        table_.clear();
        history_.clear();
        capacityFrames_ = 0;
        reset();
        return;
    }
    // Cutoff relative to the input Nyquist frequency: below the output's
    // when reducing the rate, so nothing aliases.
    const double fc = kCutoff * std::min(1.0, 1.0 / step_);
    halfWidth_ = kZeroCrossings / fc;
    tableScale_ = kTablePoints / halfWidth_;
    table_.assign(kTablePoints + 2, 0.0f);
    const double i0Beta = besselI0(kKaiserBeta);
    for (int i = 0; i <= kTablePoints; ++i) {
        const double u = static_cast<double>(i) / kTablePoints; // 0 .. 1 of the reach
        const double x = u * halfWidth_ * fc;
        const double sinc = x == 0.0 ? 1.0 : std::sin(kPi * x) / (kPi * x);
        const double window = besselI0(kKaiserBeta * std::sqrt(std::max(0.0, 1.0 - u * u))) / i0Beta;
        table_[i] = static_cast<float>(fc * sinc * window);
    }
    table_[kTablePoints] = 0.0f;
    // Room for the kernel's full reach on both sides plus one block pulled
    // ahead.
    capacityFrames_ = 2 * static_cast<int>(std::ceil(halfWidth_)) + 1024;
    history_.assign(2 * static_cast<size_t>(capacityFrames_), 0.0f);
    reset();
}

void Resampler::reset()
{
    if (bypass_) {
        countFrames_ = 0;
        time_ = 0.0;
        return;
    }
    // Silence before the first input frame, so the first outputs see a
    // clean start.
    const int lead = static_cast<int>(std::ceil(halfWidth_));
    std::fill(history_.begin(), history_.begin() + 2 * lead, 0.0f);
    countFrames_ = lead;
    time_ = lead;
}
