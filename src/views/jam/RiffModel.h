// The steps of one riff and the rules that arm, place, commit, move, clear
// and loop them, without widgets. BeatSelection draws it over the waveform
// and hands it to the player (RiffSource); the tests drive it alone.
//
// A step plays one beat of the analysis model: with n beats, a step on beat
// b spans beats[b] … beats[b + 1], so a usable beat lies in 0 … n − 2. Every
// read of beats[] goes through beatSample() and every read of a step's beat
// through beatIndex(): a stored beat beyond n − 2 (a session applied over
// another recording) stays stored, for the session, but is never read as
// such.
//
// Step states: 0 unused, 1 armed (being placed), 2 in the loop, 3 in use
// but outside the loop. The loop plays steps 0 … loopLength − 1;
// maxLoopLength is the highest step in use (−1: the riff is empty).
//
// Threads. Everything runs on the GUI thread except beatIndex() and
// getLoopLength(), which the playback thread calls while the GUI edits
// (each reads one atomic; beatIndex() also reads the model's beat count, so
// the player calls it inside a MetaData::BeatsReadAccess).
#pragma once

#include "BeatLead.h"
#include "ZoomLevel.h"

#include <QRect>
#include <QVector>

#include <atomic>
#include <functional>
#include <optional>

class MetaData;

class RiffModel
{
public:
    static constexpr int stepCount = 16;
    static constexpr int lastStep = stepCount - 1;

    enum StepState { Unused = 0, Armed = 1, InLoop = 2, OutsideLoop = 3 };

    struct Step
    {
        int state = Unused;
        int beat = 0; // as stored; read it through beatIndex()
        int startSample = 0;
        int endSample = 0;
    };

    struct StepRect
    {
        int step;
        QRect rect;
    };

    // Told of every state written to a step, as it is written, so that a
    // view shows or hides it. Not told of beat changes (they show at the
    // next layout).
    using StateObserver = std::function<void(int step, int state)>;

    RiffModel();

    // GUI thread, before the player reads: the analysis model, not owned.
    void setMetaData(const MetaData* model);
    void setStateObserver(StateObserver observer);

    // --- Reads (GUI thread unless said) ---
    Step step(int step) const;
    int armedStep() const { return armed; }
    int maxLoopLength() const { return maxLoop; }
    int loopLength() const { return loop.load(std::memory_order_relaxed); }
    // The analysis results are valid.
    bool resultsValid() const;
    // Valid results with at least two beats: steps can be placed.
    bool hasBeats() const;
    // A double click may add a step: valid results with beats, nothing
    // armed, fewer than sixteen steps in use.
    bool acceptsNewStep() const;

    // Any thread (see above). The stored beat kept within 0 … n − 2 (0
    // while there are fewer than two beats); 0 for a step outside 0 … 15.
    int beatIndex(int step) const;
    // loopLength − 1: −2 for an empty riff, −1 with only step 0 placed.
    int getLoopLength() const { return loopLength() - 1; }

    // beats[b] in samples; 0 for a b that does not exist.
    float beatSample(int b) const;
    // n − 2, the last beat a step may take; 0 below two beats.
    int lastUsableBeat() const;
    // The first b with beats[b] < sample < beats[b + 1].
    std::optional<int> beatContainingSample(float sample) const;
    // The first b with beats[b] / spp < x < beats[b + 1] / spp (overlay
    // pixels at spp samples per pixel).
    std::optional<int> beatContainingPixel(float x, float spp) const;

    // Where each step in use is drawn on an overlay `height` pixels high at
    // spp samples per pixel, in step order: a band from its beat (the beat
    // lead early) to one pixel short of the next beat; steps sharing a
    // beat split the height from the top in step order. Empty when nothing
    // can be laid out (no valid results, fewer than two beats, spp not a
    // positive number).
    QVector<StepRect> layout(float spp, int height) const;

    // --- Edits (GUI thread). Steps outside 0 … 15 are ignored. ---

    // Empty riff: every step unused at beat 0, nothing armed, no loop.
    void reset();
    // Stores beat and samples, then the state (state 0 clears all three).
    void setBeat(int step, int state, int beat, int startSample, int endSample);
    void setState(int step, int state);
    // setBeat with the samples of beat b (kept within 0 … n − 2).
    void placeStep(int step, int state, int beat);

    // Arms `step` (a new step on `beat`, or after the previous step's beat
    // when beat is −1; or a step in use, back into the loop). Nothing
    // without beats or for a step beyond the next new one.
    void setArmedStep(int step, int beat = -1);
    // The step a label re-armed itself.
    void reArmStep(int step) { armed = step; }
    // Every armed step goes into the loop; nothing stays armed.
    void lockSelection();
    // The loop ends at `lastLoopStep` (−1 … 15): steps up to it in the
    // loop, the rest in use outside it. Nothing while the riff is empty.
    void setLoopLength(int lastLoopStep);
    // Session: the highest step in use, −1 … 15.
    void setMaxLoopLength(int step);
    // Makes `step` the riff's last step: gives it a beat after its
    // predecessor's when unused, clears every step after it.
    void extendLoopLength(int step);
    // Moves `step` to `beat`; with allSteps, every step in use moves by the
    // same number of beats, that number limited so that all stay within
    // 0 … n − 2.
    void moveStep(int step, int beat, bool allSteps);
    // Reorders steps 0 … maxLoopLength by beat so that the earliest lands
    // on `step` and the others follow cyclically. Pitches stay with the
    // step numbers. Nothing for an empty riff.
    void setFirst(int step);

private:
    struct StepRecord
    {
        int state = Unused;
        // Read by the playback thread; relaxed, a lone index.
        std::atomic<int> beat{0};
        int startSample = 0;
        int endSample = 0;
    };

    static bool isStep(int step) { return step >= 0 && step < stepCount; }
    int clampBeat(int beat) const;
    int beatCount() const;

    const MetaData* metaData = nullptr;
    StateObserver observer;
    StepRecord steps[stepCount];
    int armed = -1;
    int maxLoop = -1;
    // Read by the playback thread (getLoopLength); relaxed, a lone count.
    std::atomic<int> loop{-1};

    static_assert(std::atomic<int>::is_always_lock_free);
};
