#include "ReferenceChain.h"

#include <cmath>

namespace chain_test {

namespace {

constexpr int N = 4096;
constexpr int H = N / 2;
constexpr int Q = N / 4;
constexpr double chainPi = 3.14159265;
constexpr double chainTwoPi = 6.2831853;
constexpr float toTransformScale = 32767.0f;
constexpr float fromTransformScale = 3.0517578125e-5f;

float sampleAt(const float* data, long long length, long long index)
{
    return (index >= 0 && index < length) ? data[index] : 0.0f;
}

float principalAngle(float phase)
{
    const double twoPi = 2.0 * 3.14159265358979323846;
    const double value = double(phase);
    return float(value - twoPi * std::floor(value / twoPi + 0.5));
}

} // namespace

ReferenceChain::ReferenceChain(const float* left, const float* right, int frames, int position)
    : m_left(left), m_right(right), m_length(frames), m_position(position), m_fft(N)
{
    for (Buffer* b : {&m_window, &m_frameL, &m_frameR, &m_previousFrameL, &m_previousFrameR, &m_spectrumL,
                      &m_spectrumR, &m_processedL, &m_processedR})
        b->assign(N, 0.0f);
    for (Buffer* b :
         {&m_magL, &m_magR, &m_phaseL, &m_phaseR, &m_prevMagL, &m_prevMagR, &m_prevPhaseL, &m_prevPhaseR,
          &m_estimateL, &m_estimateR, &m_prevEstimateL, &m_prevEstimateR, &m_peaks, &m_part2048L, &m_part2048R})
        b->assign(H, 0.0f);
    for (Buffer* b : {&m_outputL, &m_outputR, &m_part1024L, &m_part1024R})
        b->assign(Q, 0.0f);
    m_part3072L.assign(3 * Q, 0.0f);
    m_part3072R.assign(3 * Q, 0.0f);
    m_histogram.assign(200, 0.0f);
    for (int i = 0; i < N; ++i)
        m_window[size_t(i)] = float(0.5 * (1.0 - std::cos(chainTwoPi * double(i + 1) / double(N + 1))));
}

void ReferenceChain::readPlainFrame(const float* source, Buffer& frame) const
{
    const long long first = (long long)m_position + 1;
    for (int i = 0; i < N; ++i)
        frame[size_t(i)] = sampleAt(source, m_length, first + i) * toTransformScale * m_window[size_t(i)];
}

void ReferenceChain::readResampledFrames(const float* source, float interp, Buffer& frame, Buffer& previous) const
{
    for (int i = 0; i < N; ++i) {
        const float x = float(i) * interp;
        const float whole = std::floor(x);
        const float fraction = x - whole;
        const long long j = (long long)m_position + (long long)whole;
        const float a = sampleAt(source, m_length, j);
        const float b = sampleAt(source, m_length, j + 1);
        const float c = sampleAt(source, m_length, j - Q);
        const float d = sampleAt(source, m_length, j + 1 - Q);
        frame[size_t(i)] = (a + (b - a) * fraction) * toTransformScale * m_window[size_t(i)];
        previous[size_t(i)] = (c + (d - c) * fraction) * toTransformScale * m_window[size_t(i)];
    }
}

void ReferenceChain::polar(const Buffer& spectrum, Buffer& magnitudes, Buffer& phases) const
{
    for (int k = 0; k < H; ++k) {
        const float a = spectrum[size_t(k)];
        const float b = spectrum[size_t(H + k)];
        magnitudes[size_t(k)] = std::sqrt(a * a + b * b);
        phases[size_t(k)] = float(std::atan2(-double(b), double(a)));
    }
}

void ReferenceChain::cartesian(Buffer& spectrum, const Buffer& magnitudes, const Buffer& phases) const
{
    for (int k = 0; k < H; ++k) {
        spectrum[size_t(k)] = std::cos(phases[size_t(k)]) * magnitudes[size_t(k)];
        spectrum[size_t(H + k)] = -(std::sin(phases[size_t(k)]) * magnitudes[size_t(k)]);
    }
}

void ReferenceChain::isolate(bool keepSource, const ReferenceSettings& s)
{
    const float side = std::fabs(s.azimuth);
    const float gain = (s.bleed / 100.0f) * (s.bleed / 100.0f);
    for (int k = 0; k < H; ++k) {
        const float left = m_magL[size_t(k)];
        const float right = m_magR[size_t(k)];
        const float agreement = std::cos(m_phaseL[size_t(k)] - m_phaseR[size_t(k)]);
        const float ratioLeft = std::fabs(float(double(right / left * agreement) + 1e-15));
        const float ratioRight = std::fabs(float(double(left / right * agreement) + 1e-15));
        const float distanceLeft = std::fabs(side - ratioLeft);
        const float distanceRight = std::fabs(side - ratioRight);
        if (ratioRight >= 0.0f && ratioRight <= 1.0f) {
            const int position = int(std::floor((1.0f - ratioRight) * 100.0f + 100.0f));
            if (position >= 0 && position <= 199)
                m_histogram[size_t(position)] += right;
        }
        if (ratioLeft >= 0.0f && ratioLeft <= 1.0f) {
            const int position = int(std::floor(ratioLeft * 100.0f));
            if (position <= 199)
                m_histogram[size_t(position)] += left;
        }
        if (s.azimuth == 0.0f)
            continue;
        const float bin = float(k);
        const bool inBand = s.hipass ? bin > s.cut : bin < s.cut;
        const bool near = s.azimuth < 0.0f ? s.range >= distanceLeft : s.range >= distanceRight;
        if (keepSource != (inBand && near)) {
            m_magL[size_t(k)] = left * gain;
            m_magR[size_t(k)] = right * gain;
        }
    }
    for (float& value : m_histogram)
        value = float(double(value) * 0.9);
}

void ReferenceChain::timePitch(int mode, const Buffer& phases, const Buffer& previousPhases, Buffer& estimate,
                               Buffer& previousEstimate, float interp, const Buffer& magnitudes,
                               const Buffer& previousMagnitudes, int& lastTransient)
{
    const float synthesisHop = float(Q);
    const float analysisHop = std::floor(synthesisHop / interp);
    const int lockLimit = mode == 3 ? N / 4 : N / 8;
    const int transientStart = mode == 2 ? 1500 : 200;
    const bool atRecordingStart = m_position < H;
    const double frameLength = double(float(N));
    Buffer& peaks = m_peaks;

    peaks[0] = 0.0f;
    int peakCount = 0;
    int rises = 0;
    for (int k = 0; k < H; ++k) {
        const float omega = float(double(k) * chainTwoPi / frameLength);
        const double delta = double((phases[size_t(k)] - previousPhases[size_t(k)]) - analysisHop * omega);
        const float turns = float(delta / chainTwoPi);
        const double nearest = std::floor(double(turns) + 0.5);
        const float deviation = float(double(float(nearest) * -2.0f) * chainPi + delta);
        float value = (deviation / analysisHop + omega) * synthesisHop + previousEstimate[size_t(k)];
        value = atRecordingStart ? phases[size_t(k)] : principalAngle(value);
        estimate[size_t(k)] = value;
        previousEstimate[size_t(k)] = value;
        if (k >= 3 && k < H - 3) {
            const float m = magnitudes[size_t(k)];
            if (m > magnitudes[size_t(k - 1)] && m > magnitudes[size_t(k + 1)] && m > magnitudes[size_t(k - 2)]
                && m > magnitudes[size_t(k + 2)])
                peaks[size_t(++peakCount)] = float(k);
        }
        if (magnitudes[size_t(k)] - previousMagnitudes[size_t(k)] > 0.0f)
            ++rises;
    }
    if (lockLimit >= 1 && peakCount >= 1) {
        for (int p = 1;; ++p) {
            const int peak = int(peaks[size_t(p)]);
            const float peakPhase = phases[size_t(peak)];
            const int start = p == 1
                ? 0
                : int(std::floor((peaks[size_t(p)] - peaks[size_t(p - 1)]) * 0.5f + peaks[size_t(p - 1)]));
            const int end = p == peakCount
                ? int(peaks[size_t(p)] + 3.0f)
                : int(std::floor((peaks[size_t(p + 1)] - peaks[size_t(p)]) * 0.5f + peaks[size_t(p)]));
            for (int j = start; j < end && j < H; ++j) {
                if (j == peak)
                    continue;
                estimate[size_t(j)] = estimate[size_t(peak)] - (peakPhase - phases[size_t(j)]);
                previousEstimate[size_t(j)] = estimate[size_t(j)];
            }
            if (peak >= lockLimit || p == peakCount)
                break;
        }
    }
    if (rises >= 1331 && rises > lastTransient && transientStart < H) {
        for (int j = transientStart; j < H; ++j) {
            estimate[size_t(j)] = phases[size_t(j)];
            previousEstimate[size_t(j)] = phases[size_t(j)];
        }
    }
    lastTransient = rises;
}

void ReferenceChain::crossfade(Buffer& processed, Buffer& output, Buffer& part1024, Buffer& part2048,
                               Buffer& part3072) const
{
    for (int i = 0; i < N; ++i)
        processed[size_t(i)] *= m_window[size_t(i)];
    for (int i = 0; i < Q; ++i) {
        output[size_t(i)] =
            (processed[size_t(i)] + part1024[size_t(i)] + part2048[size_t(i)] + part3072[size_t(i)]) * 0.5f;
        part1024[size_t(i)] = part2048[size_t(Q + i)];
    }
    for (int i = 0; i < H; ++i)
        part2048[size_t(i)] = part3072[size_t(Q + i)];
    for (int i = 0; i < 3 * Q; ++i)
        part3072[size_t(i)] = processed[size_t(Q + i)];
}

void ReferenceChain::step(const ReferenceSettings& s, float* outLeft, float* outRight)
{
    if (s.vocoder) {
        readResampledFrames(m_left, s.interpfactor, m_frameL, m_previousFrameL);
        readResampledFrames(m_right, s.interpfactor, m_frameR, m_previousFrameR);
    } else {
        readPlainFrame(m_left, m_frameL);
        readPlainFrame(m_right, m_frameR);
    }
    m_fft.do_fft(m_spectrumL.data(), m_frameL.data());
    polar(m_spectrumL, m_magL, m_phaseL);
    m_fft.do_fft(m_spectrumR.data(), m_frameR.data());
    polar(m_spectrumR, m_magR, m_phaseR);
    if (s.vocoder) {
        m_fft.do_fft(m_spectrumL.data(), m_previousFrameL.data());
        polar(m_spectrumL, m_prevMagL, m_prevPhaseL);
        m_fft.do_fft(m_spectrumR.data(), m_previousFrameR.data());
        polar(m_spectrumR, m_prevMagR, m_prevPhaseR);
    }
    if (s.isolation)
        isolate(s.invert, s);
    if (s.vocoder) {
        timePitch(s.vocoderMode, m_phaseL, m_prevPhaseL, m_estimateL, m_prevEstimateL, s.interpfactor, m_magL,
                  m_prevMagL, m_lastTransientL);
        timePitch(s.vocoderMode, m_phaseR, m_prevPhaseR, m_estimateR, m_prevEstimateR, s.interpfactor, m_magR,
                  m_prevMagR, m_lastTransientR);
        cartesian(m_spectrumL, m_magL, m_estimateL);
        cartesian(m_spectrumR, m_magR, m_estimateR);
    } else {
        cartesian(m_spectrumL, m_magL, m_phaseL);
        cartesian(m_spectrumR, m_magR, m_phaseR);
    }
    m_fft.do_ifft(m_spectrumL.data(), m_processedL.data());
    m_fft.do_ifft(m_spectrumR.data(), m_processedR.data());
    m_fft.rescale(m_processedL.data());
    m_fft.rescale(m_processedR.data());
    crossfade(m_processedL, m_outputL, m_part1024L, m_part2048L, m_part3072L);
    crossfade(m_processedR, m_outputR, m_part1024R, m_part2048R, m_part3072R);
    for (int i = 0; i < Q; ++i) {
        outLeft[i] = m_outputL[size_t(i)] * fromTransformScale;
        outRight[i] = m_outputR[size_t(i)] * fromTransformScale;
    }
    m_position += s.vocoder ? int(std::floor(float(Q) * s.hopfactor)) : Q;
}

} // namespace chain_test
