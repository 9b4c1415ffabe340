// The output blocks of riff and song playback, cut at the frames where
// steps end, so that a riff lasts exactly the sum of its beats and every
// step that jumps starts with its own sound at full weight.
//
// The chain makes a hop of output at a time from its read position; the
// splicer keeps the block the chain made last and hands its frames out in
// pieces. Before each piece it checks the stepping at the recording frame
// heard next (ChainTiming.h), and a piece ends where the playing step's
// frames end. When the next step jumps, or plays at another pitch:
//   1. the last few ms of the step fade out, so the cut never cracks
//      (more with the vocoder, whose window hears the next attack early);
//   2. the rest of the chain's block goes, the read position moves three
//      blocks before the new step's first frame and those blocks are made
//      unheard (a pre-roll): the overlap-add then holds only the new
//      step's sound, and the next block starts at that frame at full
//      weight, instead of crossfading from the old place over three blocks;
//   3. the new step's first ms fades in.
// A looped selection in normal playback wraps the same way: its pass ends
// at the selection's end frame, faded, and the next starts at its start,
// pre-rolled. Without stepping or a loop it passes the chain's blocks
// through, after the rest of a block a cut left.
//
// Threads: one thread at a time, through a JamPort: the playback thread
// inside the step gate while playing, the GUI thread with playback held
// for the renders and the starts. Nothing allocates, locks or logs after
// construction.
#pragma once

#include "ChainTiming.h"
#include "JamPlayback.h"

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

class StepSplicer
{
public:
    static constexpr int blockFrames = 1024; // the chain's hop
    static constexpr int prerollBlocks = 3;  // the overlap-add's depth
    static constexpr int maxPieces = 8;

    // Output frames [at, at + frames) of a block sound the recording from
    // timing.first on.
    struct Piece
    {
        int at = 0;
        int frames = 0;
        BlockTiming timing;
    };

    struct Block
    {
        enum class End {
            None,      // a whole block
            Wrapped,   // a render reached the start of its next pass
            SongOver,  // the song has no riff left
            ChainBusy, // the chain made no block
        };
        int frames = 0; // frames made: a hop unless it ended
        End end = End::None;
        int pieceCount = 0;
        std::array<Piece, maxPieces> pieces{};
        // A step jumped or changed its pitch in this block.
        bool jumped = false;
        // The read position that makes the block's frame 0.
        int readPosition = 0;
    };

    // A looped selection: recording frames [start, end), start < end. A
    // frame heard outside it jumps to its start; a render of it ends
    // instead.
    struct Loop
    {
        int start = 0;
        int end = 0;
        bool endAtWrap = false; // renders: one pass
    };

    // What the stepping reads while a riff or the song plays.
    struct Stepping
    {
        JamStepper* stepper = nullptr;
        jamplay::BeatGrid grid;
        bool song = false;
        bool endAtWrap = false; // renders: one pass
    };

    StepSplicer();

    // The fades' lengths follow the recording's rate.
    void setRateHz(int rateHz);
    // Nothing carried over: the next block comes straight from the chain.
    void reset();
    // A start or a jump: pre-rolls the chain so that the next block starts
    // by sounding recording frame `source`, at full weight.
    void jumpTo(double source, JamPort& port);

    // One block of up to a hop into left and right; `stepping` null for
    // normal playback, `loop` null without a looped selection (a riff or
    // the song ignores it).
    Block make(float* left, float* right, const Stepping* stepping, JamPort& port, const Loop* loop = nullptr);

private:
    // The recording frame the next chain block would sound first.
    double nextHeard(const JamPort& port) const;
    bool stage(JamPort& port);
    int stagedLeft() const { return blockFrames - offset_; }
    // The step ending at `end` is followed by a jump, a pitch change or
    // the end of a render.
    bool cutAfter(int end, const Stepping& stepping) const;

    int fadeInFrames_ = 44;          // 1 ms at 44.1 kHz
    int fadeOutFrames_ = 132;        // 3 ms at 44.1 kHz
    int smearedFadeOutFrames_ = 529; // 12 ms at 44.1 kHz, with the vocoder

    // The chain block being handed out and what it sounds.
    std::vector<float> left_;
    std::vector<float> right_;
    BlockTiming timing_;
    int position_ = 0; // its read position
    int offset_ = blockFrames;
    // Where the next chain block is read when nobody moved the chain, and
    // the recording frame it then sounds first (kept exact across blocks).
    std::int64_t expectedPosition_ = std::numeric_limits<std::int64_t>::min();
    double nextFirst_ = 0.0;
    // Output frames since the last jump (the fade-in).
    int sinceJump_ = std::numeric_limits<int>::max();
};
