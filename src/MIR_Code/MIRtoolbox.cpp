// The analysis driver: frames the mono signal, strings the DSP stages
// together and lays the beat grid.
//
// In: mono samples and their rate in Hz. Out: tempo (BPM), beat grid
// (samples), one chord name per grid beat ("X" outside the tracked range)
// and the 84 ranked chord names.
#include "MIRtoolbox.h"

#include "DSP.h"
#include "FFTReal.h"
#include "RhythmMath.h"
#include "WorkerPool.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int chordCount = 84; // 12 roots x 7 qualities
constexpr int rootCount = 12;
constexpr int qualityCount = 7;

// Onset functions are smoothed over ~0.37 s.
constexpr double smoothingSeconds = 0.3715;

// Onset frames per chunk of the parallel frame loop: large enough that
// replaying two frames before each chunk costs little.
constexpr int framesPerChunk = 128;

// How far a tracked beat's frame g can lie from the attack it stands for,
// stage by stage, in frames (hops: they scale with the sample rate).
// - Frame to time: a frame's deviation peaks once the attack lies early in
//   the frame, so the search is placed at the frame's start, g * hop; its
//   centre, (g + 1) * hop, lay a hop late.
// - Smoothing: the zero-phase low-pass is symmetric, but the deviation of a
//   noise-like hit follows its decaying energy, and smoothing that long
//   tail moves the peak later: up to three frames for a 200 ms decay.
// - Peak picking holds the peak to whole frames: one frame either way.
constexpr int smoothingLateFrames = 3;
constexpr int peakPickingFrames = 1;
// The attack search: blocks of an eighth of a hop (1.5 ms at 44.1 kHz), the
// rise measured over half a hop on each side of a block start.
constexpr int blocksPerHop = 8;
constexpr int riseBlocks = 4;

} // namespace

MIRtoolbox::FrameGeometry MIRtoolbox::frameGeometry(int sampleRate, int sampleCount)
{
    FrameGeometry g;
    if (sampleRate < 30000)
        g.frameLength = 512;
    else if (sampleRate <= 80000)
        g.frameLength = 1024;
    else
        g.frameLength = 2048;
    g.hop = g.frameLength / 2;
    // Counted in integers: in float, (n - N) / H rounds up past the last
    // whole frame once n passes 2^25 samples (12.7 min at 44.1 kHz), and the
    // frame loop then reads beyond the recording.
    g.frames = sampleCount < g.frameLength ? 0 : (sampleCount - g.frameLength) / g.hop + 1;
    return g;
}

int MIRtoolbox::smoothingLength(int sampleRate, int hop)
{
    return int(std::lround(double(sampleRate) * smoothingSeconds / double(hop)));
}

int MIRtoolbox::beatPeriodFrames(float bpm, int sampleRate, int hop)
{
    const float period = 60.0f * float(sampleRate) / (float(hop) * bpm + rhythm::notZero);
    // A tempo the stage never returns (0, infinite) must not overflow the cast.
    if (!(period >= 1.0f))
        return 1;
    if (period > 1.0e9f)
        return 1000000000;
    return rhythm::roundHalfAway(period);
}

MIRtoolbox::OnsetFunctions MIRtoolbox::onsetFunctions(const float* signal, int sampleRate, int sampleCount)
{
    OnsetFunctions out;
    const FrameGeometry g = frameGeometry(sampleRate, sampleCount);
    out.sampleRate = sampleRate;
    out.frameLength = g.frameLength;
    out.hop = g.hop;
    out.frames = g.frames;
    const int n = g.frameLength;
    const int frames = g.frames;
    const size_t size = size_t(n);

    DSP dsp;
    std::vector<float> window(size);
    std::vector<float> onset(size_t(frames), 0.0f);
    std::vector<float> band[3];
    for (auto& b : band)
        b.assign(size_t(frames), 0.0f);
    float* bandRows[3] = {band[0].data(), band[1].data(), band[2].data()};
    dsp.hanning(window.data(), n);

    // Frames in chunks over the cores. A frame's deviation needs the two
    // frames before it, so each chunk first replays those into its state:
    // every frame then sees exactly the state a single pass would give it.
    base::WorkerPool::shared().parallelFor(frames, framesPerChunk, [&](int begin, int end) {
        DSP chunkDsp;
        FFTReal fft(n);
        std::vector<float> frame(size), transform(2 * size);
        std::vector<float> magnitude(size), phase(size);
        std::vector<float> prevMagnitude(size), prevPhase(size), prevPrevPhase(size);
        chunkDsp.initialise(magnitude.data(), phase.data(), prevMagnitude.data(), prevPhase.data(),
                            prevPrevPhase.data(), n);
        for (int f = std::max(0, begin - 2); f < end; ++f) {
            const float* x = signal + size_t(f) * size_t(g.hop);
            for (size_t i = 0; i < size; ++i)
                frame[i] = x[i] * window[i];
            chunkDsp.processFrame(fft, transform.data(), frame.data(), n, magnitude.data(), phase.data());
            if (f < begin)
                chunkDsp.advanceOnsetState(magnitude.data(), phase.data(), prevMagnitude.data(), prevPhase.data(),
                                           prevPrevPhase.data(), n);
            else
                chunkDsp.getOD_MB(magnitude.data(), phase.data(), prevMagnitude.data(), prevPhase.data(),
                                  prevPrevPhase.data(), onset.data(), f, n, sampleRate, bandRows);
        }
    });

    // The smoother writes 2F values; the first F are the function.
    const int width = smoothingLength(sampleRate, g.hop);
    std::vector<float> smoothed(2 * size_t(frames));
    for (int b = 0; b < 3; ++b) {
        std::vector<float> scratch = band[b];
        std::fill(smoothed.begin(), smoothed.end(), 0.0f);
        if (frames > 0)
            dsp.smoothingOD(scratch.data(), smoothed.data(), frames, width);
        out.bands[b].assign(smoothed.begin(), smoothed.begin() + frames);
    }
    std::fill(smoothed.begin(), smoothed.end(), 0.0f);
    if (frames > 0)
        dsp.smoothingOD(onset.data(), smoothed.data(), frames, width);
    out.onset.assign(smoothed.begin(), smoothed.begin() + frames);
    return out;
}

MIRtoolbox::TempoEstimate MIRtoolbox::tempo(const OnsetFunctions& onsets)
{
    TempoEstimate out;
    DSP dsp;
    out.frameTempoBpm.assign(size_t(onsets.frames), 0.0f);
    const float* bands[3] = {onsets.bands[0].data(), onsets.bands[1].data(), onsets.bands[2].data()};
    // Weight mode 1 (prior peaking at 120 BPM), segment mode 3 (each band
    // as a whole): the tempo per frame is one value throughout.
    out.beatsPerBar = 0;
    out.tempoBpm = dsp.tempoDec(onsets.onset.data(), onsets.hop, onsets.frames, onsets.sampleRate,
                                out.frameTempoBpm.data(), 1, 3, bands, &out.beatsPerBar);
    dsp.getTimeSeg(out.beatsPerBar);
    return out;
}

MIRtoolbox::TrackedBeats MIRtoolbox::trackBeats(const OnsetFunctions& onsets, const TempoEstimate& tempo)
{
    TrackedBeats out;
    const int frames = onsets.frames;
    out.periodFrames.resize(size_t(frames));
    for (int f = 0; f < frames; ++f)
        out.periodFrames[size_t(f)] =
            std::round(60.0f * float(onsets.sampleRate)
                       / (tempo.frameTempoBpm[size_t(f)] * float(onsets.hop) + rhythm::notZero));
    if (frames == 0)
        return out;

    // Room for 2 * ceil(F / period); the tracker writes increasing frames
    // below F, so a period under one frame needs no more than F.
    const float period = std::max(1.0f, out.periodFrames[0]);
    const int m = int(std::ceil(float(frames) / (rhythm::notZero + period)));
    out.capacity = std::max(2, 2 * m);
    std::vector<int> beats(size_t(out.capacity), 0);
    DSP dsp;
    const int count = dsp.getBeats(onsets.onset.data(), frames, onsets.hop, beats.data(), out.periodFrames.data());
    out.beatFrames.assign(beats.begin(), beats.begin() + std::clamp(count, 0, out.capacity));
    return out;
}

MIRtoolbox::BeatGrid MIRtoolbox::beatGrid(const std::vector<int>& trackedFrames, int periodFrames, int frameCount)
{
    BeatGrid grid;
    const int frames = std::max(1, frameCount);
    // A period beyond the grid adds no beat, whatever its size; bounding it
    // keeps the products below inside int.
    const int period = std::clamp(periodFrames, 1, frames + 1);

    for (int f : trackedFrames)
        if (f >= 0 && f < frames && (grid.tracked.empty() || f > grid.tracked.back()))
            grid.tracked.push_back(f);
    // The tracker promises two beats, but the grid must not depend on it:
    // the chord stage needs two, and the lines below read the first and last.
    if (grid.tracked.size() < 2) {
        const int anchor = grid.tracked.empty() ? 0 : grid.tracked.front();
        grid.tracked.clear();
        for (int f = anchor % period; f < frames; f += period)
            grid.tracked.push_back(f);
        if (grid.tracked.size() < 2)
            grid.tracked = {0, std::max(1, frames - 1)};
    }

    const int first = grid.tracked.front();
    const int last = grid.tracked.back();
    grid.period = period;
    grid.pre = first / period;
    const int offset = first - grid.pre * period;
    grid.post = std::max(0, (frames - last) / period);

    grid.frames.reserve(size_t(grid.pre) + grid.tracked.size() + size_t(grid.post));
    for (int k = 0; k < grid.pre; ++k)
        grid.frames.push_back(k * period + offset);
    grid.frames.insert(grid.frames.end(), grid.tracked.begin(), grid.tracked.end());
    for (int k = 1; k <= grid.post; ++k)
        grid.frames.push_back(last + k * period);
    return grid;
}

std::vector<float> MIRtoolbox::attackPositions(const std::vector<int>& trackedFrames, const float* signal,
                                               int sampleCount, int hop)
{
    std::vector<float> positions;
    positions.reserve(trackedFrames.size());
    const int block = std::max(1, hop / blocksPerHop);
    DSP dsp;
    for (size_t i = 0; i < trackedFrames.size(); ++i) {
        const long long start = (long long)trackedFrames[i] * hop;
        long long from = start - (long long)(smoothingLateFrames + peakPickingFrames) * hop;
        long long to = start + (long long)peakPickingFrames * hop + 1;
        if (i > 0) {
            const long long previous = (long long)trackedFrames[i - 1] * hop;
            const long long middle = previous + (start - previous) / 2 + 1;
            // Whole blocks from the search's start, so that positions stay on its grid.
            if (from < middle)
                from += (middle - from + block - 1) / block * block;
        }
        if (i + 1 < trackedFrames.size())
            to = std::min(to, start + ((long long)trackedFrames[i + 1] * hop - start) / 2 + 1);
        // Tracked frames lie inside the recording, so both ends fit an int.
        const int attack = dsp.attackStart(signal, sampleCount, int(from), int(to), block, riseBlocks);
        positions.push_back(float(attack >= 0 ? attack : start));
    }
    return positions;
}

std::vector<float> MIRtoolbox::beatPositions(const BeatGrid& grid, const std::vector<float>& tracked, int hop)
{
    std::vector<float> positions;
    if (tracked.empty() || tracked.size() != grid.tracked.size())
        return positions;
    positions.reserve(grid.frames.size());
    const double step = double(grid.period) * double(hop);
    // Before the start they crowd onto its first samples, still increasing.
    for (int k = grid.pre; k > 0; --k)
        positions.push_back(float(std::max(double(grid.pre - k), double(tracked.front()) - k * step)));
    positions.insert(positions.end(), tracked.begin(), tracked.end());
    for (int k = 1; k <= grid.post; ++k)
        positions.push_back(float(double(tracked.back()) + k * step));
    return positions;
}

// 1. Frame geometry; a recording shorter than one frame gets silence after it.
// 2-4. Onset functions (frame loop, smoothing).
// 5-6. Tempo, tempo per frame, beats per bar.
// 7. Beat period per frame and beat tracking.
// 8-10. Beat grid over the whole recording, the tracked beats on their
//    attacks, positions in samples.
// 11. Chords of the tracked beats, at the period of the overall tempo.
// 12. Names: "X" on the added grid beats, the final per-beat chords between.
metadata MIRtoolbox::mainCall(float*& signal, int sampleRate, int sampleCount,
                              const std::vector<std::vector<int>>& selection)
{
    metadata record;
    record.chordVecDetected.assign(size_t(chordCount), std::string());
    if (sampleRate < 1)
        return record;

    // 1. Frame geometry; a short recording is padded with silence.
    const FrameGeometry geometry = frameGeometry(sampleRate, sampleCount);
    const float* x = signal;
    int n = sampleCount;
    std::vector<float> padded;
    if (signal == nullptr || sampleCount < geometry.frameLength) {
        padded.assign(size_t(geometry.frameLength), 0.0f);
        if (signal != nullptr && sampleCount > 0)
            std::copy(signal, signal + sampleCount, padded.begin());
        x = padded.data();
        n = geometry.frameLength;
    }

    // 2-7. Onset functions, tempo and metre, beat tracking.
    const OnsetFunctions onsets = onsetFunctions(x, sampleRate, n);
    const TempoEstimate estimate = tempo(onsets);
    const TrackedBeats tracked = trackBeats(onsets, estimate);
    record.tempo = estimate.tempoBpm;

    // 8-10. The grid's period comes from the tempo per frame, the chords'
    // from the overall tempo; the two may differ by their rounding.
    const float gridPeriod = tracked.periodFrames.empty() ? 1.0f : tracked.periodFrames[0];
    const int gridPeriodFrames = std::isfinite(gridPeriod)
        ? int(std::clamp(gridPeriod, 1.0f, float(onsets.frames + 1)))
        : onsets.frames + 1;
    const BeatGrid grid = beatGrid(tracked.beatFrames, gridPeriodFrames, onsets.frames);
    record.beats = beatPositions(grid, attackPositions(grid.tracked, x, n, onsets.hop), onsets.hop);

    // 11. Chroma and chords per tracked beat.
    const int beatCount = int(grid.tracked.size());
    std::vector<std::vector<float>> chroma(rootCount, std::vector<float>(size_t(beatCount), 0.0f));
    float* chromaRows[rootCount];
    for (size_t r = 0; r < size_t(rootCount); ++r)
        chromaRows[r] = chroma[r].data();
    // A selection that allows some chord holds the recognition to it.
    const bool keepSelection = std::any_of(selection.begin(), selection.end(), [](const std::vector<int>& row) {
        return std::find(row.begin(), row.end(), 1) != row.end();
    });
    std::vector<std::vector<std::string>> names(2, std::vector<std::string>(size_t(beatCount)));
    std::vector<std::vector<std::string>> ranked(2, std::vector<std::string>(size_t(chordCount)));
    std::vector<float> voteShare(size_t(beatCount), 0.0f);
    const int chordPeriod = beatPeriodFrames(estimate.tempoBpm, sampleRate, onsets.hop);
    DSP dsp;
    dsp.getChords(chromaRows, grid.tracked.data(), x, sampleRate, n, beatCount, onsets.hop, selection, names,
                  ranked, chordPeriod, keepSelection, voteShare, estimate.beatsPerBar);

    // 12. One name per grid beat: "X" outside the tracked ones.
    record.chordVec.reserve(record.beats.size());
    record.chordVec.assign(size_t(grid.pre), "X");
    record.chordVec.insert(record.chordVec.end(), names[1].begin(), names[1].begin() + beatCount);
    record.chordVec.insert(record.chordVec.end(), size_t(grid.post), "X");
    std::copy_n(ranked[1].begin(), chordCount, record.chordVecDetected.begin());
    return record;
}
