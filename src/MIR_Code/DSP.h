// The analysis algorithms: onset detection, tempo and metre, beat tracking,
// chroma and chord recognition. DSP holds no state; any instance serves, and
// the caller owns every array the methods work on.
//
// Arithmetic is single precision unless a method says otherwise; rounding to
// an integer is half away from zero, other conversions truncate; maximum
// searches start from 0 and move only to strictly greater values.
#pragma once

#include "Chord.h"

#include <string>
#include <vector>

class FFTReal;

class DSP
{
public:
    // --- Onset detection ---------------------------------------------------
    // Per frame, the complex-domain deviation of every bin from its
    // prediction out of the two frames before, summed over three bands (up
    // to ~200 Hz, to ~5 kHz, above); after the last frame each function is
    // smoothed. Frames are N samples with hop N/2; arrays of N/2 bins.

    // Zeroes the first n/2 entries of the current magnitudes and phases and
    // of the state (previous magnitudes, previous phases, the phases before).
    void initialise(float* magnitude, float* phase, float* prevMagnitude, float* prevPhase, float* prevPrevPhase,
                    int n);
    // Symmetric Hann window without zero ends, built with the constant
    // 6.28318 (the playback chain's window uses another constant on purpose:
    // the two are not interchangeable). Writes nothing for n <= 0.
    void hanning(float* w, int n);
    // Forward transform of the windowed frame (n samples) into spectrum
    // (n values), then magnitude and phase of bins 0 .. n/2 - 1; bin 0 pairs
    // the DC value with the Nyquist value, as the transform lays them out.
    void processFrame(const FFTReal& fft, float* spectrum, const float* frame, int n, float* magnitude,
                      float* phase);
    // Adds frame f to the onset function, sets bands[0][f] (low deviation
    // sum), bands[1][f] (middle deviation sum), adds to bands[2][f] the
    // number of high bins that rose by more than 3 dB, then advances the
    // state. Frames must come in increasing order after initialise().
    void getOD_MB(const float* magnitude, const float* phase, float* prevMagnitude, float* prevPhase,
                  float* prevPrevPhase, float* onset, int f, int n, int sampleRate, float** bands);
    // The state advance getOD_MB ends with, alone: for the frames before
    // the first one a pass adds.
    void advanceOnsetState(const float* magnitude, const float* phase, float* prevMagnitude, float* prevPhase,
                           float* prevPrevPhase, int n);
    // Direct-form recursive filter from rest; a[0] is taken as 1 and never
    // read. y must not alias x.
    void filter(int order, const float* a, const float* b, int np, const float* x, float* y);
    // Zero-phase low-pass, half-wave rectification, moving-mean removal of
    // width w and removal of a decaying start: y[0 .. n-1] from x, which is
    // used as work space and left changed.
    void smoothingOD(float* x, float* y, int n, int w);
    // x[i] = max(0, x[i] - centred moving mean of width w (made odd)), in
    // place. A function no longer than the window loses its overall mean.
    void subsMean(float* x, int n, int w);

    // --- Tempo and beats per bar -------------------------------------------
    // Lags are in frames; a lag of t frames is 60 * sr / (hop * t) BPM.

    // Tempo of the recording in BPM from the three smoothed band functions
    // (n frames each); fills frameTempo[0 .. n-1] with the tempo the beat
    // tracker follows and *beatsPerBar (2 .. 11). Only weight mode 1
    // (tempo prior peaking at 120 BPM) and segment mode 3 (each band as a
    // whole) exist; other values act as those, and onset is not read. A
    // recording without any periodicity gets 120 BPM: the result is always
    // positive and finite.
    float tempoDec(const float* onset, int hop, int n, int sampleRate, float* frameTempo, int weightMode,
                   int segmentMode, const float* const* bands, int* beatsPerBar);
    // One band's autocorrelation (acfLength values, a power of two >= n)
    // and comb (combLength values; lags from lagMin up to
    // min(combLength, (guard - 5) / 4) are written, the others left as they
    // are). A guard no larger than acfLength keeps every read inside acf.
    void getTempo(const float* band, int guard, int n, int unusedSegments, int acfLength, const float* unusedOnset,
                  float* comb, float* acf, int lagMin, int combLength);
    // acf[0 .. m-1] = m times the circular autocorrelation of x[0 .. n-1]
    // zero-padded to m (a power of two >= n), with the Nyquist energy
    // folded into bin 0.
    void getAcf(const float* x, int m, float* acf, int n);
    // Chooses the tempo among the peak lag of the summed combs, its
    // sub-multiples and multiples, weighted by the prior; 120 BPM when the
    // combs have no peak.
    float afterWeight(const float* combSum, int hop, int sampleRate, const float* weights, int lagMin,
                      int combLength);
    // Beats per bar (2 .. 11) from the summed normalised autocorrelation at
    // multiples of the beat lag; 2 when nothing there is positive.
    int getMetreACF(const float* acfSum, int n, int beatLag);
    // Reads 2 as 4 and 10 as 5.
    void getTimeSeg(int& beatsPerBar);

    // --- Beat tracking -----------------------------------------------------

    // Frames j = 1 .. length-2 with x[j-1] < x[j] > x[j+1] and x[j] > 0, in
    // increasing order, into peakFrames/peakValues (room for length/2 + 1;
    // entry 0 of each is zeroed first). Raises maxValue/maxFrame when a peak
    // exceeds maxValue. Returns the number of peaks.
    int findpeaks(const float* x, float length, int* peakFrames, float* peakValues, float& maxValue,
                  int& maxFrame);
    // Beat frames in increasing order from the smoothed onset function
    // odf[0 .. n-1] and the beat period in whole frames per frame; returns
    // their count. beats needs room for 2 * ceil(n / period). Always gives at
    // least two beats when n >= 2: without a usable onset peak or with a
    // single tracked beat it gives a regular grid at the period.
    int getBeats(const float* odf, int n, int hop, int* beats, const float* period);
    // The sample where the attack a tracked beat stands for begins: among
    // the block starts from, from + block, … before to, the one after which
    // the first difference of x[0 .. n-1] gains most energy over `span`
    // blocks against the `span` blocks before it (steepest rise, weighted by
    // loudness). -1 when no start in range is followed by a rise.
    int attackStart(const float* x, int n, int from, int to, int block, int span);

    // --- Chroma --------------------------------------------------------------

    // One frame of the chord analysis: its first sample and the beat it
    // belongs to (-1 for a boundary frame, which only closes a beat).
    struct ChordFrame
    {
        int start = 0;
        int label = 0;
    };

    // Adds to notegram (84 semitone rows from C0, each at least nFrames long,
    // resized if shorter) the energy of the stable partials of each frame of
    // frames, tuning removed. Samples outside x[0 .. sampleCount-1] read as 0.
    void chromagram_IF(const float* x, int sampleCount, int sr, std::vector<std::vector<float>>& notegram,
                       int nFrames, int frameLength, int hop, int fLow, int fLowFull, int fHighFull, int fHigh,
                       const std::vector<ChordFrame>& frames);
    // Per bin (B rows) and frame: instantaneous frequency (Hz), magnitude and
    // whether the bin lies in a run of bins agreeing on one frequency. The
    // tables are resized to B x nFrames.
    void getStandardIF(int nFrames, const std::vector<ChordFrame>& frames, const float* x, int sampleCount,
                       int frameLength, int hop, int B, int N, std::vector<std::vector<float>>& frequency,
                       std::vector<std::vector<float>>& magnitude,
                       std::vector<std::vector<unsigned char>>& consistent, int sr);
    // Peaks of bins 0 .. K-1, the tuning of all of them, and their weighted
    // magnitudes added to notegram[semitone][frame].
    void getGramsIF(int nFrames, const std::vector<std::vector<unsigned char>>& consistent,
                    const std::vector<std::vector<float>>& frequency,
                    const std::vector<std::vector<float>>& magnitude, std::vector<std::vector<float>>& notegram,
                    int K, int fLow, int fLowFull, int fHighFull, int fHigh);
    // Histogram of binCount equal bins between min and max of values:
    // counts becomes binCount entries, binCount centres are appended.
    void hist(std::vector<int>& counts, std::vector<float>& centres, const std::vector<float>& values,
              int binCount);

    // --- Chord recognition, smoothing and naming ----------------------------

    // One chord per beat. beats holds beatCount beat positions in frames of
    // hop samples; beatPeriod is the beat length in those frames. On return:
    // beatChroma (12 rows of beatCount, zero on entry) the max-normalised
    // chroma per beat; names[0] the dynamic programme's chord per beat and
    // names[1] the final one; ranked[0] and ranked[1] their distinct chords,
    // most frequent first, "" after; voteShare[b] the winning vote fraction.
    // keepSelection true makes selection (12 roots x 7 types, 1 = allowed)
    // the chords the first pass may choose from. Fewer than two beats leave
    // every output as it was.
    void getChords(float** beatChroma, const int* beats, const float* signal, int sampleRate, int sampleCount,
                   int beatCount, int hop, const std::vector<std::vector<int>>& selection,
                   std::vector<std::vector<std::string>>& names, std::vector<std::vector<std::string>>& ranked,
                   int beatPeriod, bool keepSelection, std::vector<float>& voteShare, int beatsPerBar);

    // Names the chord of each of columnCount chroma columns (12 rows) among
    // the chords mask enables (12 roots x 7 types, 1 = enabled), appending
    // one record per column to result and counting root and type in counts
    // (resized to 12 x 7 when smaller).
    void chordTrans(const float* const* chroma, const std::vector<std::vector<int>>& mask,
                    std::vector<chord>& result, int columnCount, std::vector<std::vector<int>>& counts);

    // The whole smoothing of observed chords (one per beat) with their vote
    // table (84 rows of one count per beat): programmed receives the last
    // dynamic programme's sequence and smoothed the final one.
    void smoothChords(const std::vector<chord>& observed, const std::vector<std::vector<int>>& votes,
                      int beatsPerBar, std::vector<chord>& programmed, std::vector<chord>& smoothed);
    // Writes from allowed[0] the chord indices that hold more than 7 % of the
    // recognised beats of some 60-beat window; allowed keeps -1 after them.
    void GetChordsForDP(int beatCount, std::vector<int>& allowed, const std::vector<chord>& chords, int typeCount);
    // Best split of the beats into scored segments, one allowed chord each;
    // appends one record per beat to out. With no allowed chord out receives
    // the observed chords unchanged.
    void getChordsDP(const std::vector<std::vector<int>>& votes, const std::vector<int>& allowed,
                     const std::vector<float>& weights, const std::vector<int>& offsets, std::vector<chord>& out,
                     const std::vector<chord>& observed, const std::vector<std::vector<int>>& progressions);
    // out = in with every chord that differs from both neighbours replaced.
    void getRidofSingleChords(const std::vector<chord>& in, std::vector<chord>& out,
                              const std::vector<std::vector<int>>& votes);
    // Change table of a chord sequence; appends the recurring two-chord
    // progressions (from index, to index, from beats, to beats) to
    // progressions, four lists of equal length.
    void getChordProg(const std::vector<std::string>& names, std::vector<chordChange>& changes,
                      std::vector<std::vector<int>>& progressions,
                      const std::vector<std::vector<int>>& barPatterns, const std::vector<int>& limits);

    // Record of root 0 .. 11 and type 0 .. 6 (another type keeps its value
    // with no suffix); the none record for a root outside 0 .. 11.
    chord getChordfromRootandType(int root, int type);
    // Record of a template match: noteCount 3 or 4, templateIndex group * 12 + root.
    chord getChordName(int noteCount, int templateIndex);
    // Parses a chord name, either spelling of sharps and flats, any case;
    // what the name does not determine is left as it was.
    void getRootType(std::string name, int& root, int& type);
    // Writes the chords of the sequence, most frequent first, from slot 0 of
    // names and indices (typeCount * 12 slots); the other slots keep their value.
    void getExistingChordsRanked(const std::vector<chord>& chords, std::vector<std::string>& names, int typeCount,
                                 std::vector<int>& indices);
};
