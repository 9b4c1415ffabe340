#include "ProcessingChain.h"

#include "ADRess.h"
#include "ChainState.h"
#include "CpuDispatch.h"
#include "FFTReal.h"
#include "FastMath.h"
#include "PhaseMath.h"
#include "PhaseVocoder.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include <fftw3.h>

namespace chain::detail {

ChainBuffers buffers;

namespace {

// Samples are scaled to 16-bit range for the transforms and back.
constexpr float toTransformScale = 32767.0f;
constexpr float fromTransformScale = 3.0517578125e-5f; // 1 / 32768

// The transforms, built once: building them allocates, and a step must
// not. The forward one is the scalar-exact FFTReal: the vocoder's peaks and
// transient counts compare magnitudes, and a magnitude rounded otherwise can
// tip a comparison and with it the phases of a whole region for many steps.
// The inverse transform decides nothing: FFTW's plan, executed on the
// chain's own aligned buffers only.
struct Transforms
{
    std::unique_ptr<FFTReal> forward;
    fftwf_plan inverse = nullptr; // N/2 + 1 complex bins to N real frames, unscaled
};
Transforms transforms;

fftwf_complex* complexBins()
{
    return reinterpret_cast<fftwf_complex*>(buffers.spectrum.data());
}

// The unscaled inverse transform of a spectrum in FFTReal's layout into
// frame: N · the frame a forward transform came from.
void inverseTransform(const float* spectrum, float* frame)
{
    float* bins = buffers.spectrum.data();
    for (int k = 0; k < H; ++k) {
        bins[2 * k] = spectrum[k];
        bins[2 * k + 1] = -spectrum[H + k];
    }
    bins[1] = 0.0f;
    bins[N] = spectrum[H];
    bins[N + 1] = 0.0f;
    fftwf_execute_dft_c2r(transforms.inverse, complexBins(), frame);
}

void rescale(float* frame)
{
    constexpr float scale = float(1.0 / double(N));
    for (int i = 0; i < N; ++i)
        frame[i] *= scale;
}

std::atomic<bool> initialised{false};
// Set while a step runs; the exchange at entry and the store at exit also
// order one step's buffer writes before the next step's reads when steps
// move between the playback and the GUI thread.
std::atomic<bool> stepRunning{false};
std::atomic<bool> flushRequested{false};
std::atomic<bool> resetPhasesRequested{false};

// Frames outside [0, length) are silence.
inline float sampleAt(const float* data, int64_t length, int64_t index)
{
    return (index >= 0 && index < length) ? data[index] : 0.0f;
}

// Vocoder off: the frame starts one frame after the position.
void readPlainFrame(const float* source, int64_t length, int64_t position, float* frame)
{
    const float* w = buffers.window.data();
    const int64_t first = position + 1;
    if (first >= 0 && first + N <= length) {
        const float* s = source + first;
        for (int i = 0; i < N; ++i)
            frame[i] = s[i] * toTransformScale * w[i];
        return;
    }
    for (int i = 0; i < N; ++i)
        frame[i] = sampleAt(source, length, first + i) * toTransformScale * w[i];
}

typedef float Vec8 __attribute__((vector_size(32)));
typedef int Int8 __attribute__((vector_size(32)));

// Vocoder on, the frames inside the recording: eight samples at a time,
// the same arithmetic as the general form below. floor(x) for the read
// offsets (0 … 8 · N) is exact: adding and removing 1.5 · 2^23 rounds to
// the nearest integer, one less where that lies above x.
TB_AVX2_CLONES void readResampledInside(const float* source, int64_t position, float interp, const float* w,
                                        float* frame, float* previousFrame)
{
    const float* at = source + position;
    for (int i = 0; i < N; i += 8) {
        const Vec8 x = (Vec8{0, 1, 2, 3, 4, 5, 6, 7} + float(i)) * interp;
        const Vec8 magic = Vec8{} + 12582912.0f;
        const Vec8 nearest = (x + magic) - magic;
        const Vec8 whole = nearest > x ? nearest - 1.0f : nearest;
        const Vec8 fraction = x - whole;
        const Int8 j = __builtin_convertvector(whole, Int8);
        Vec8 a, b, c, d, window;
        for (int l = 0; l < 8; ++l) {
            a[l] = at[j[l]];
            b[l] = at[j[l] + 1];
            c[l] = at[j[l] - hop];
            d[l] = at[j[l] + 1 - hop];
        }
        __builtin_memcpy(&window, w + i, sizeof window);
        const Vec8 current = (a + (b - a) * fraction) * toTransformScale * window;
        const Vec8 previous = (c + (d - c) * fraction) * toTransformScale * window;
        __builtin_memcpy(frame + i, &current, sizeof current);
        __builtin_memcpy(previousFrame + i, &previous, sizeof previous);
    }
}

// Vocoder on: the current frame resampled with step interp from the
// position, and the same one hop of input earlier.
void readResampledFrames(const float* source, int64_t length, int64_t position, float interp, float* frame,
                         float* previousFrame)
{
    const float* w = buffers.window.data();
    // x = i · interp grows with i, so the last frame sample reads furthest.
    const int64_t lastOffset = int64_t(std::floor(float(N - 1) * interp)) + 1;
    if (position - hop >= 0 && position + lastOffset < length) {
        readResampledInside(source, position, interp, w, frame, previousFrame);
        return;
    }
    for (int i = 0; i < N; ++i) {
        const float x = float(i) * interp;
        const float whole = std::floor(x);
        const float fraction = x - whole;
        const int64_t j = position + int64_t(whole);
        const float a = sampleAt(source, length, j);
        const float b = sampleAt(source, length, j + 1);
        const float c = sampleAt(source, length, j - hop);
        const float d = sampleAt(source, length, j + 1 - hop);
        frame[i] = (a + (b - a) * fraction) * toTransformScale * w[i];
        previousFrame[i] = (c + (d - c) * fraction) * toTransformScale * w[i];
    }
}

void flushNow()
{
    buffers.Audio_Frame_Previous_Left.fill(0.0f);
    buffers.Audio_Frame_Previous_Right.fill(0.0f);
    buffers.Left_Part_1024.fill(0.0f);
    buffers.Right_Part_1024.fill(0.0f);
    buffers.Left_Output.fill(0.0f);
    buffers.Right_Output.fill(0.0f);
    buffers.Left_Part_3072.fill(0.0f);
    buffers.Right_Part_3072.fill(0.0f);
    buffers.Left_Part_2048.fill(0.0f);
    buffers.Right_Part_2048.fill(0.0f);
}

void resetPhasesNow()
{
    Reset_Phases(buffers.FFT_Phases_Left.data(), buffers.Left_Phase_Estimate.data(),
                 buffers.Left_Phase_Previous_Estimate.data(), N);
    Reset_Phases(buffers.FFT_Phases_Right.data(), buffers.Right_Phase_Estimate.data(),
                 buffers.Right_Phase_Previous_Estimate.data(), N);
}

void crossfadeChannel(float* processed, float* output, float* part1024, float* part2048, float* part3072)
{
    const float* w = buffers.window.data();
    for (int i = 0; i < N; ++i)
        processed[i] *= w[i];
    // Each tail is read before it is overwritten: block t is half the sum of
    // four frames, each offset by one more quarter.
    for (int i = 0; i < Q; ++i) {
        output[i] = (processed[i] + part1024[i] + part2048[i] + part3072[i]) * 0.5f;
        part1024[i] = part2048[Q + i];
    }
    for (int i = 0; i < H; ++i)
        part2048[i] = part3072[Q + i];
    for (int i = 0; i < 3 * Q; ++i)
        part3072[i] = processed[Q + i];
}

int vocoderMode(const ChainSnapshot& snapshot)
{
    int mode = tsm_mode.load(std::memory_order_relaxed);
    if (snapshot.transcheck && snapshot.peakcheck)
        mode = 1;
    else if (snapshot.transcheck)
        mode = 3;
    else if (snapshot.peakcheck)
        mode = 2;
    tsm_mode.store(mode, std::memory_order_relaxed);
    return mode;
}

// One block from the snapshot: analysis frames, spectra, isolation,
// vocoder, inverse transforms, overlap-add, output.
void renderBlock(const ChainSnapshot& s, float* outLeft, float* outRight, std::atomic<float>* graph)
{
    ChainBuffers& b = buffers;
    const int64_t length = s.recording.filelength;
    const float* left = s.recording.leftArray;
    const float* right = s.recording.rightArray;

    // 1. Analysis frames.
    if (s.vocoder) {
        readResampledFrames(left, length, s.position, s.interpfactor, b.Audio_Frame_Left.data(),
                            b.Audio_Frame_Previous_Left.data());
        readResampledFrames(right, length, s.position, s.interpfactor, b.Audio_Frame_Right.data(),
                            b.Audio_Frame_Previous_Right.data());
    } else {
        readPlainFrame(left, length, s.position, b.Audio_Frame_Left.data());
        readPlainFrame(right, length, s.position, b.Audio_Frame_Right.data());
    }

    // 2. Current spectra in polar form.
    transforms.forward->do_fft(b.L_FFTframe.data(), b.Audio_Frame_Left.data());
    convert_polar(b.L_FFTframe.data(), b.FFT_Magnitudes_Left.data(), b.FFT_Phases_Left.data(), N);
    transforms.forward->do_fft(b.R_FFTframe.data(), b.Audio_Frame_Right.data());
    convert_polar(b.R_FFTframe.data(), b.FFT_Magnitudes_Right.data(), b.FFT_Phases_Right.data(), N);

    // 3. Previous spectra; only the vocoder reads them, so skip them otherwise.
    if (s.vocoder) {
        transforms.forward->do_fft(b.L_FFTframe.data(), b.Audio_Frame_Previous_Left.data());
        convert_polar(b.L_FFTframe.data(), b.Previous_FFT_Magnitudes_Left.data(),
                      b.Previous_FFT_Phases_Left.data(), N);
        transforms.forward->do_fft(b.R_FFTframe.data(), b.Audio_Frame_Previous_Right.data());
        convert_polar(b.R_FFTframe.data(), b.Previous_FFT_Magnitudes_Right.data(),
                      b.Previous_FFT_Phases_Right.data(), N);
    }

    // 4. Isolation on the current magnitudes.
    if (s.isolation) {
        const auto isolate = s.invert ? ADRess : ADRessInvert;
        isolate(b.FFT_Magnitudes_Left.data(), b.FFT_Phases_Left.data(), b.FFT_Magnitudes_Right.data(),
                b.FFT_Phases_Right.data(), s.azimuth, s.range, s.cut, s.bleed, N, false, s.hipass);
        if (graph) {
            for (int i = 0; i < isolationCurveLength; ++i)
                graph[i].store(grapharray[i] / s.plotDivisor, std::memory_order_relaxed);
        }
    }

    // 5. Vocoder phases, or the analysis phases, back to a spectrum.
    if (s.vocoder) {
        const int mode = vocoderMode(s);
        TimePitch(mode, b.FFT_Phases_Left.data(), b.Previous_FFT_Phases_Left.data(), b.Left_Phase_Estimate.data(),
                  b.Left_Phase_Previous_Estimate.data(), N, s.interpfactor, b.peak_locations.data(),
                  b.FFT_Magnitudes_Left.data(), b.Previous_FFT_Magnitudes_Left.data(), &b.last_trans_l,
                  s.position);
        TimePitch(mode, b.FFT_Phases_Right.data(), b.Previous_FFT_Phases_Right.data(),
                  b.Right_Phase_Estimate.data(), b.Right_Phase_Previous_Estimate.data(), N, s.interpfactor,
                  b.peak_locations.data(), b.FFT_Magnitudes_Right.data(), b.Previous_FFT_Magnitudes_Right.data(),
                  &b.last_trans_r, s.position);
        convert_cartesian(b.L_FFTframe.data(), b.FFT_Magnitudes_Left.data(), b.Left_Phase_Estimate.data(), N);
        convert_cartesian(b.R_FFTframe.data(), b.FFT_Magnitudes_Right.data(), b.Right_Phase_Estimate.data(), N);
    } else {
        convert_cartesian(b.L_FFTframe.data(), b.FFT_Magnitudes_Left.data(), b.FFT_Phases_Left.data(), N);
        convert_cartesian(b.R_FFTframe.data(), b.FFT_Magnitudes_Right.data(), b.FFT_Phases_Right.data(), N);
    }

    // 6. Back to the time domain.
    inverseTransform(b.L_FFTframe.data(), b.Audio_Frame_Processed_Left.data());
    inverseTransform(b.R_FFTframe.data(), b.Audio_Frame_Processed_Right.data());
    rescale(b.Audio_Frame_Processed_Left.data());
    rescale(b.Audio_Frame_Processed_Right.data());

    // 7. and 8. Overlap-add and output.
    frame_crossfades();
    for (int i = 0; i < hop; ++i) {
        outLeft[i] = b.Left_Output[i] * fromTransformScale;
        outRight[i] = b.Right_Output[i] * fromTransformScale;
    }
}

} // namespace

ChainSnapshot takeSnapshot()
{
    constexpr auto relaxed = std::memory_order_relaxed;
    ChainSnapshot s;
    s.positionWord = currentposition.loadWord();
    s.position = ReadPosition::valueOf(s.positionWord);
    s.recording = loadRecording();
    s.vocoder = vocoderSwitches.load(relaxed).TSMPSMEnabled;
    s.hopfactor = sanitisedFactor(hopfactor.load(relaxed));
    s.interpfactor = sanitisedFactor(interpfactor.load(relaxed));
    const VocoderModeFlags mode = vocoderModeFlags.load(relaxed);
    s.peakcheck = mode.peakcheck;
    s.transcheck = mode.transcheck;
    s.isolation = ADRessEnabled.load(relaxed);
    s.invert = invert.load(relaxed);
    s.azimuth = azimuthValue.load(relaxed);
    s.range = rangeValue.load(relaxed);
    s.cut = cutFrequencyValue.load(relaxed);
    s.bleed = bleedThresholdValue.load(relaxed);
    s.hipass = hipass.load(relaxed);
    // The player bounds the divisor; this only keeps the division defined.
    s.plotDivisor = float(std::max(plotscale.load(relaxed), 1));
    return s;
}

int advanceFrames(const ChainSnapshot& snapshot)
{
    return snapshot.vocoder ? int(std::floor(float(hop) * snapshot.hopfactor)) : hop;
}

bool advancePosition(const ChainSnapshot& snapshot)
{
    // Whole frames, not through a float: above 2^24 frames (6.3 minutes at
    // 44.1 kHz) a float position would round.
    const int64_t next = int64_t(snapshot.position) + advanceFrames(snapshot);
    const int64_t clamped = std::min<int64_t>(next, std::numeric_limits<int>::max());
    return currentposition.advanceFrom(snapshot.positionWord, int(clamped));
}

void frame_crossfades()
{
    ChainBuffers& b = buffers;
    crossfadeChannel(b.Audio_Frame_Processed_Left.data(), b.Left_Output.data(), b.Left_Part_1024.data(),
                     b.Left_Part_2048.data(), b.Left_Part_3072.data());
    crossfadeChannel(b.Audio_Frame_Processed_Right.data(), b.Right_Output.data(), b.Right_Part_1024.data(),
                     b.Right_Part_2048.data(), b.Right_Part_3072.data());
}

} // namespace chain::detail

using namespace chain;
using namespace chain::detail;

void init_buffers()
{
    std::memset(&buffers, 0, sizeof buffers); // a ChainBuffers{} temporary would be 300 kB of stack
    if (!transforms.forward) {
        transforms.forward = std::make_unique<FFTReal>(N);
        // An estimated plan: measuring would delay the start by a third of a
        // second for a microsecond a transform. FFTW's planner is not
        // thread-safe; this is the process's only caller. The transform uses
        // its input (the complex bins) as work space.
        transforms.inverse = fftwf_plan_dft_c2r_1d(N, complexBins(), buffers.Audio_Frame_Processed_Left.data(),
                                                   FFTW_ESTIMATE | FFTW_DESTROY_INPUT);
        assert(transforms.inverse);
    }
    hanning(buffers.window.data(), N);
    std::fill(std::begin(plotarray), std::end(plotarray), 0.0f);
    std::fill(std::begin(grapharray), std::end(grapharray), 0.0f);
    flushRequested.store(false, std::memory_order_relaxed);
    resetPhasesRequested.store(false, std::memory_order_relaxed);
    initialised.store(true, std::memory_order_release);
}

void hanning(float* w, int n)
{
    for (int i = 0; i < n; ++i)
        w[i] = float(0.5 * (1.0 - std::cos(base::chainTwoPi * double(i + 1) / double(n + 1))));
}

bool processaudio(float* outLeft, float* outRight, std::atomic<float>* graph)
{
    if (!initialised.load(std::memory_order_acquire)) {
        assert(!"processaudio before init_buffers");
        return false;
    }
    if (stepRunning.exchange(true, std::memory_order_acquire))
        return false;

    if (flushRequested.exchange(false, std::memory_order_relaxed))
        flushNow();
    if (resetPhasesRequested.exchange(false, std::memory_order_relaxed))
        resetPhasesNow();

    const ChainSnapshot snapshot = takeSnapshot();
    renderBlock(snapshot, outLeft, outRight, graph);
    advancePosition(snapshot);

    stepRunning.store(false, std::memory_order_release);
    return true;
}

void convert_polar(const float* spectrum, float* magnitudes, float* phases, int n)
{
    base::polarOfBins(spectrum, spectrum + n / 2, magnitudes, phases, n / 2);
}

void convert_cartesian(float* spectrum, const float* magnitudes, const float* phases, int n)
{
    base::binsOfPolar(magnitudes, phases, spectrum, spectrum + n / 2, n / 2);
}

void flushBuffers()
{
    flushRequested.store(true, std::memory_order_relaxed);
}

void resetPhases()
{
    resetPhasesRequested.store(true, std::memory_order_relaxed);
}
