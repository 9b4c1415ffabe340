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

    // --- Tempo and beats per bar -------------------------------------------

    // --- Beat tracking -----------------------------------------------------

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
                       int nFrames, int frameLength, int hop, int fLow, int fLowFull, int fHighFull,
                       int fHigh, const std::vector<ChordFrame>& frames);
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
                    const std::vector<std::vector<float>>& magnitude,
                    std::vector<std::vector<float>>& notegram, int K, int fLow, int fLowFull, int fHighFull,
                    int fHigh);
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
    void GetChordsForDP(int beatCount, std::vector<int>& allowed, const std::vector<chord>& chords,
                        int typeCount);
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
                      std::vector<std::vector<int>>& progressions, const std::vector<std::vector<int>>& barPatterns,
                      const std::vector<int>& limits);

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
