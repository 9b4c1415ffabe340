// A plain, unoptimised processing chain kept as the yardstick of the real
// one: the same step (analysis frames, transforms, polar form, isolation,
// vocoder phases, inverse transforms, overlap-add) written straight, with
// the scalar transform and the standard maths calls. The real chain may
// compute faster and round differently, never differently otherwise; the
// difference test holds the two together.
#pragma once

#include "ScalarFFT.h"

#include <vector>

namespace chain_test {

// The controls one step reads, as the chain's snapshot holds them (factors
// already within the chain's clamp).
struct ReferenceSettings
{
    bool vocoder = false;
    float hopfactor = 1.0f;
    float interpfactor = 1.0f;
    int vocoderMode = 1; // 1 … 3
    bool isolation = false;
    bool invert = false;
    float azimuth = 1.0f;
    float range = 0.34f;
    float cut = 0.0f;
    float bleed = 0.0f;
    bool hipass = false;
};

class ReferenceChain
{
public:
    ReferenceChain(const float* left, const float* right, int frames, int position);

    // One step of `hop` frames into outLeft and outRight; moves the position on.
    void step(const ReferenceSettings& s, float* outLeft, float* outRight);

    int position() const { return m_position; }

private:
    using Buffer = std::vector<float>;

    void readPlainFrame(const float* source, Buffer& frame) const;
    void readResampledFrames(const float* source, float interp, Buffer& frame, Buffer& previous) const;
    void polar(const Buffer& spectrum, Buffer& magnitudes, Buffer& phases) const;
    void cartesian(Buffer& spectrum, const Buffer& magnitudes, const Buffer& phases) const;
    void isolate(bool keepSource, const ReferenceSettings& s);
    void timePitch(int mode, const Buffer& phases, const Buffer& previousPhases, Buffer& estimate,
                   Buffer& previousEstimate, float interp, const Buffer& magnitudes,
                   const Buffer& previousMagnitudes, int& lastTransient);
    void crossfade(Buffer& processed, Buffer& output, Buffer& part1024, Buffer& part2048, Buffer& part3072) const;

    const float* m_left;
    const float* m_right;
    long long m_length;
    int m_position;
    ScalarFFT m_fft;
    Buffer m_window;
    Buffer m_frameL, m_frameR, m_previousFrameL, m_previousFrameR;
    Buffer m_spectrumL, m_spectrumR;
    Buffer m_magL, m_magR, m_phaseL, m_phaseR;
    Buffer m_prevMagL, m_prevMagR, m_prevPhaseL, m_prevPhaseR;
    Buffer m_estimateL, m_estimateR, m_prevEstimateL, m_prevEstimateR;
    Buffer m_peaks;
    int m_lastTransientL = 0;
    int m_lastTransientR = 0;
    Buffer m_processedL, m_processedR;
    Buffer m_outputL, m_outputR;
    Buffer m_part1024L, m_part1024R, m_part2048L, m_part2048R, m_part3072L, m_part3072R;
    std::vector<float> m_histogram;
};

} // namespace chain_test
