// The analysis driver: turns the mono samples of one recording into its
// tempo, a beat grid over the whole recording, one chord per beat and the
// ranked chords. It frames the signal, runs the stages of DSP in a fixed
// order (onset functions, tempo and metre, beat tracking, chords), and
// extends the tracked beats to the grid. No state, no Qt, no errors: every
// call returns a record.
//
// Units: a frame is hop samples; periods are whole frames; beat positions in
// the record are samples, each tracked beat on the attack it stands for.
#pragma once

#include "MetadataRecord.h"

#include <vector>

class MIRtoolbox
{
public:
    // Frame length and hop by sample rate: 512/256 below 30 kHz, 1024/512 up
    // to 80 kHz, 2048/1024 above. Frame f covers samples f * hop to
    // f * hop + frameLength - 1, and frames counts those that lie wholly
    // inside sampleCount samples (0 when fewer than frameLength).
    struct FrameGeometry
    {
        int frameLength = 0; // N samples
        int hop = 0;         // N / 2 samples
        int frames = 0;      // F
    };
    static FrameGeometry frameGeometry(int sampleRate, int sampleCount);

    // Width of the onset smoothing in frames, ~0.37 s: 32 at 44.1 kHz.
    static int smoothingLength(int sampleRate, int hop);

    // Whole frames per beat at a tempo, at least 1: 43 at 120 BPM, 44.1 kHz.
    static int beatPeriodFrames(float bpm, int sampleRate, int hop);

    // Steps 1 to 4: the smoothed onset function and the three smoothed band
    // functions, F values each.
    struct OnsetFunctions
    {
        int sampleRate = 0;
        int frameLength = 0;
        int hop = 0;
        int frames = 0;
        std::vector<float> onset;
        std::vector<float> bands[3];
    };
    static OnsetFunctions onsetFunctions(const float* signal, int sampleRate, int sampleCount);

    // Steps 5 and 6: the tempo of the recording, the tempo per frame that
    // the tracker follows, and the beats per bar (2 read as 4, 10 as 5).
    struct TempoEstimate
    {
        float tempoBpm = 0.0f;
        std::vector<float> frameTempoBpm;
        int beatsPerBar = 0;
    };
    static TempoEstimate tempo(const OnsetFunctions& onsets);

    // Step 7: the beat period per frame and the tracked beat frames,
    // increasing (capacity is the room the tracker was given).
    struct TrackedBeats
    {
        std::vector<float> periodFrames;
        std::vector<int> beatFrames;
        int capacity = 0;
    };
    static TrackedBeats trackBeats(const OnsetFunctions& onsets, const TempoEstimate& tempo);

    // Step 8: the tracked beats extended over frames 0 .. frameCount at the
    // period: `pre` beats before the first (the last of them one period
    // before it), `post` after the last (the last at most frameCount).
    // Tracked beats outside 0 .. frameCount - 1 or out of order are left
    // out; when fewer than two remain, a regular grid at the period through
    // the one left (or from frame 0) stands in for them, and frames 0 and
    // max(1, frameCount - 1) when even that has fewer than two. So `tracked`
    // always holds at least two increasing beats.
    struct BeatGrid
    {
        std::vector<int> tracked; // the beats the chord stage names
        int pre = 0;
        int post = 0;
        int period = 1;          // frames between the added beats
        std::vector<int> frames; // pre added, tracked, post added
    };
    static BeatGrid beatGrid(const std::vector<int>& trackedFrames, int periodFrames, int frameCount);

    // Step 9: the sample of each tracked beat's attack. A tracked frame g
    // lies after its attack by the delays of the stages that found it (see
    // the .cpp); the attack is searched for around g * hop, each search kept
    // between the midpoints to its neighbours, so the positions increase.
    // Where nothing rises, g * hop.
    static std::vector<float> attackPositions(const std::vector<int>& trackedFrames, const float* signal,
                                              int sampleCount, int hop);

    // Step 10: positions of the whole grid: the tracked beats' attacks, the
    // added beats at the grid's period before the first and after the last
    // of them (never below 0, and increasing). tracked holds one position
    // per grid.tracked; nothing when it does not.
    static std::vector<float> beatPositions(const BeatGrid& grid, const std::vector<float>& tracked, int hop);

    // The whole analysis of sampleCount mono samples. The signal is only
    // read. A recording shorter than one frame is analysed as one frame
    // with silence after it; a sample rate below 1 gives a record without
    // beats (tempo 0), which no model accepts. selection (12 roots from C
    // by 7 types, 1 = allowed), when it allows any chord, holds the chord
    // recognition to those chords (the chord filter's "find").
    static metadata mainCall(float*& signal, int sampleRate, int sampleCount,
                             const std::vector<std::vector<int>>& selection = {});
};
