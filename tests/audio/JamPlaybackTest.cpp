// The riff and song renders and the single stepping checks over a fake
// chain whose blocks say which recording frame each output frame plays
// (left) at which gain (right): each step exactly its frames, a jump
// pre-rolled at its target and cut with short fades, no drift at another
// tempo.
#include "JamPlayback.h"
#include "BeatLead.h"
#include "JamFakes.h"
#include "RowName.h"
#include "StepSplicer.h"

#include <gtest/gtest.h>

#include <QList>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

using namespace jamplay_test;

namespace {

constexpr int hopFrames = 1024;
constexpr int L = base::beatLeadFrames;

// Beat b at 10000 + 5000 b: no beat length is a whole number of blocks. A
// step on beat b plays from lead(b) up to lead(b + 1).
constexpr int beatAt(int b)
{
    return 10000 + 5000 * b;
}
constexpr int lead(int b)
{
    return beatAt(b) - L;
}

const std::vector<float>& testBeats()
{
    static const std::vector<float> beats = evenBeatList(60, float(beatAt(0)), 5000.0f);
    return beats;
}

// A chain that advances its position by `advance` frames per block and
// writes, for every output frame, the recording frame it sounds into the
// left channel and 1 into the right, so the lists show what was rendered
// and at which gain.
class FakeChain final : public JamPort
{
public:
    explicit FakeChain(int length) : frames(length) { }

    void placeReadPosition(int to, bool setPlayStart) override
    {
        const int kept = std::clamp(to, 0, frames);
        position = kept < hopFrames ? kept + hopFrames : kept;
        if (setPlayStart)
            playStart = kept;
    }
    int readPosition() const override { return position; }
    void moveReadPosition(int to) override { position = to; }
    BlockTiming timingAt(int at) const override { return BlockTiming{double(at), double(advance) / hopFrames}; }
    void restartPhases() override { ++phaseRestarts; }
    float setStepInterp(float stepFactor) override
    {
        factors.push_back(stepFactor);
        return float(12.0 * std::log2(double(stepFactor)));
    }
    bool renderBlock(float* left, float* right) override
    {
        blockStarts.push_back(position);
        for (int f = 0; f < hopFrames; ++f) {
            left[f] = float(position + double(f) * advance / hopFrames);
            right[f] = 1.0f;
        }
        position += advance;
        return true;
    }
    void notify(const StepNotice& notice) override { notices.push_back(notice); }

    const int frames;
    int advance = hopFrames;
    int position = hopFrames;
    int playStart = 0;
    int phaseRestarts = 0;
    std::vector<int> blockStarts;
    std::vector<float> factors;
    std::vector<StepNotice> notices;
};

struct Rendered
{
    QList<float> left;
    QList<float> right;

    int size() const { return left.size(); }
    // The recording frame output frame i plays.
    double source(int i) const { return double(left.at(i)) / double(right.at(i)); }
    float gain(int i) const { return right.at(i); }
};

struct JamRig
{
    JamRig()
    {
        for (int r = 0; r < jamplay::riffCount; ++r)
            stepper.addRiff(&riffs.riff[r]);
        stepper.setSong(&song);
    }
    jamplay::BeatGrid grid() const { return gridOf(testBeats(), frames); }
    void renderRiff() { jamplay::renderRiff(stepper, grid(), chain, splicer, out.left, out.right); }
    void renderSong() { jamplay::renderSong(stepper, grid(), chain, splicer, out.left, out.right); }

    const int frames = 400000;
    RiffSet riffs;
    FakeSong song;
    JamStepper stepper;
    FakeChain chain{frames};
    StepSplicer splicer;
    Rendered out;
};

// One stretch of consecutive recording frames in the output.
struct Run
{
    int from; // recording frame
    int to;   // excluded
};

// The output is these runs, one after the other, at `step` recording
// frames per output frame: each exactly as long as its frames take
// (within a frame where a run ends between two output frames).
::testing::AssertionResult playsRuns(const Rendered& out, const std::vector<Run>& runs, double step = 1.0)
{
    int at = 0;
    for (const Run& run : runs) {
        const int frames = int(std::ceil((run.to - run.from) / step - 1e-9));
        if (at + frames > out.size())
            return ::testing::AssertionFailure()
                << "only " << out.size() << " frames, run from " << run.from << " needs up to " << at + frames;
        for (int k = 0; k < frames; ++k) {
            const double expected = run.from + k * step;
            if (std::fabs(out.source(at + k) - expected) > 0.01)
                return ::testing::AssertionFailure()
                    << "output frame " << at + k << " plays " << out.source(at + k) << ", not " << expected;
        }
        at += frames;
    }
    if (at != out.size())
        return ::testing::AssertionFailure() << out.size() << " frames, not " << at;
    return ::testing::AssertionSuccess();
}

// Output frames at or after `at` and within `within` of a cut: the fades.
bool nearCut(int i, const std::vector<int>& cuts, int within)
{
    return std::any_of(cuts.begin(), cuts.end(), [i, within](int c) { return std::abs(i - c) <= within; });
}

// Full gain away from the cuts; a fade down to almost nothing on both
// sides of each.
void expectFadesOnlyAt(const Rendered& out, const std::vector<int>& cuts)
{
    constexpr int fadeReach = 221; // 5 ms at 44.1 kHz: both fades are shorter
    for (int i = 0; i < out.size(); ++i) {
        if (!nearCut(i, cuts, fadeReach)) {
            ASSERT_EQ(out.gain(i), 1.0f) << "frame " << i;
        }
    }
    for (const int c : cuts) {
        if (c > 0) {
            EXPECT_LT(out.gain(c - 1), 0.05f) << "the step before " << c << " fades out";
        }
        if (c < out.size()) {
            EXPECT_LT(out.gain(c), 0.05f) << "the step at " << c << " fades in";
        }
    }
}

} // namespace

// --- Riff renders -------------------------------------------------------------------

TEST(JamRiffRender, PlaysEachStepExactlyFromItsFirstFramePreRolledWithFadesAtTheJumps)
{
    JamRig rig;
    rig.riffs.riff[2].setBeats({1, 2, 5});
    rig.stepper.setActiveRiff(2);
    rig.renderRiff();

    // Beat 1 on into beat 2, a jump to beat 5, and the end where the next
    // pass would begin: three beats.
    EXPECT_TRUE(playsRuns(rig.out, {{lead(1), lead(3)}, {lead(5), lead(6)}}));
    expectFadesOnlyAt(rig.out, {0, 10000, 15000});

    // Three unheard blocks before each first frame.
    const std::vector<int>& blocks = rig.chain.blockStarts;
    ASSERT_GE(blocks.size(), 4u);
    EXPECT_EQ(std::vector<int>(blocks.begin(), blocks.begin() + 4),
              (std::vector<int>{lead(1) - 3072, lead(1) - 2048, lead(1) - 1024, lead(1)}));
    const auto jump = std::find(blocks.begin(), blocks.end(), lead(5) - 3072);
    ASSERT_NE(jump, blocks.end());
    EXPECT_EQ(*(jump + 3), lead(5));
    EXPECT_EQ(rig.chain.phaseRestarts, 2) << "the start and the jump";
    EXPECT_EQ(rig.chain.playStart, lead(1));
}

TEST(JamRiffRender, ConsecutiveStepsPlayOnAndAPitchChangeCutsLikeAJump)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2, 3});
    rig.riffs.riff[0].setPitch(2, 2.0f);
    rig.renderRiff();

    EXPECT_TRUE(playsRuns(rig.out, {{lead(1), lead(3)}, {lead(3), lead(4)}}));
    // Beat 1 into beat 2 goes on untouched; beat 3 starts afresh at its
    // own pitch.
    expectFadesOnlyAt(rig.out, {0, 10000, 15000});
    EXPECT_EQ(rig.chain.factors, (std::vector<float>{1.0f, 1.0f, 2.0f, 1.0f}));
    EXPECT_NE(std::find(rig.chain.blockStarts.begin(), rig.chain.blockStarts.end(), lead(3) - 3072),
              rig.chain.blockStarts.end());
}

TEST(JamRiffRender, AppliesStep0sPitchAtTheStartAndTellsEveryStepAtOnce)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2, 5});
    rig.riffs.riff[0].setPitch(0, 1.5f);
    rig.riffs.riff[0].setPitch(2, 0.5f);
    rig.renderRiff();

    EXPECT_EQ(rig.chain.factors, (std::vector<float>{1.5f, 1.0f, 0.5f, 1.5f}));
    std::vector<int> steps;
    for (const StepNotice& n : rig.chain.notices) {
        EXPECT_TRUE(n.stepShown && n.pitchShown);
        EXPECT_FALSE(n.slotShown);
        steps.push_back(n.step);
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_NEAR(rig.chain.notices.front().semitones, 7.0196f, 1e-3);
}

// At tempo 3/4 a step of 5000 frames takes 6666.67 output frames: the
// render keeps the fraction instead of rounding each block.
TEST(JamRiffRender, AtTempoThreeQuartersEachStepTakesItsFramesOverTheFactor)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2, 5});
    rig.chain.advance = 768;
    rig.renderRiff();
    EXPECT_TRUE(playsRuns(rig.out, {{lead(1), lead(3)}, {lead(5), lead(6)}}, 0.75));
}

TEST(JamRiffRender, AStepWithoutFramesEndsTheRenderAtOnce)
{
    // Beats 0 and 1 coincide: the riff's only step holds nothing.
    const std::vector<float> beats = {10000.0f, 10000.0f, 20000.0f, 30000.0f};
    JamRig rig;
    rig.riffs.riff[0].setBeats({0});
    jamplay::renderRiff(rig.stepper, gridOf(beats, rig.frames), rig.chain, rig.splicer, rig.out.left,
                        rig.out.right);
    EXPECT_EQ(rig.out.size(), 0);
}

TEST(JamRiffRender, NothingIsRenderedForARiffThePlayerLacksOrWithoutBeats)
{
    JamRig rig;
    JamStepper bare;
    rig.out.left.append(1.0f); // a previous render's content goes
    rig.out.right.append(1.0f);
    jamplay::renderRiff(bare, rig.grid(), rig.chain, rig.splicer, rig.out.left, rig.out.right);
    EXPECT_TRUE(rig.out.left.isEmpty());
    EXPECT_TRUE(rig.out.right.isEmpty());

    jamplay::renderRiff(rig.stepper, jamplay::BeatGrid{}, rig.chain, rig.splicer, rig.out.left, rig.out.right);
    EXPECT_TRUE(rig.out.left.isEmpty());
    EXPECT_TRUE(rig.chain.factors.empty());
}

// --- Song renders ---------------------------------------------------------------------

struct SongRenderCase
{
    const char* name;
    std::vector<int> slots;
    std::vector<Run> runs;
    int endSlot;
};

void PrintTo(const SongRenderCase& c, std::ostream* os)
{
    *os << c.name;
}

class JamSongRender : public ::testing::TestWithParam<SongRenderCase>
{
};

// Riff A on beats 1, 2; riff C on beat 5.
TEST_P(JamSongRender, PlaysTheSongOnceFromItsFirstUsedSlot)
{
    const SongRenderCase& c = GetParam();
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2});
    rig.riffs.riff[2].setBeats({5});
    for (size_t t = 0; t < c.slots.size(); ++t)
        rig.song.setSlot(int(t), c.slots[t]);
    rig.out.left.append(1.0f);

    rig.renderSong();
    EXPECT_TRUE(playsRuns(rig.out, c.runs));
    if (!c.runs.empty()) {
        EXPECT_EQ(rig.stepper.songSlot(), c.endSlot) << "the render ends back at its first slot";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, JamSongRender,
    ::testing::Values(
        // C on beat 5, then A (slot 2) on beats 1 and 2; the wrap back to slot 0
        // ends it.
        SongRenderCase{"slots_c_empty_a", {2, -1, 0}, {{lead(5), lead(6)}, {lead(1), lead(3)}}, 0},
        SongRenderCase{"an_empty_slot_0_starts_at_the_first_used_slot", {-1, -1, 2}, {{lead(5), lead(6)}}, 2},
        SongRenderCase{"a_song_of_slot_0_alone_ends_too", {0}, {{lead(1), lead(3)}}, 0},
        SongRenderCase{"no_used_slot_renders_nothing", {-1, -1}, {}, 0}),
    RowName());

TEST(JamSongRenderNotices, TellTheSlotAtTheStartAndAtEveryJump)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2});
    rig.riffs.riff[2].setBeats({5});
    rig.riffs.riff[2].setPitch(0, 2.0f);
    rig.song.setSlot(0, 2);
    rig.song.setSlot(2, 0);
    rig.renderSong();

    struct Seen
    {
        bool slotShown;
        int slot;
        int riff;
        int step;
    };
    std::vector<Seen> seen;
    for (const StepNotice& n : rig.chain.notices) {
        EXPECT_TRUE(n.song);
        seen.push_back({n.slotShown, n.slot, n.riff, n.step});
    }
    // Start (slot 0, C), the jump to slot 2 (A), A's step 1 on the next
    // beat (no jump, no slot change), the wrap to slot 0.
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_TRUE(seen[0].slotShown && seen[0].slot == 0 && seen[0].riff == 2 && seen[0].step == 0);
    EXPECT_TRUE(seen[1].slotShown && seen[1].slot == 2 && seen[1].riff == 0 && seen[1].step == 0);
    EXPECT_TRUE(!seen[2].slotShown && seen[2].step == 1);
    EXPECT_TRUE(seen[3].slotShown && seen[3].slot == 0 && seen[3].step == 0);
    EXPECT_EQ(rig.chain.factors.front(), 2.0f) << "step 0's pitch from the start";
}

// --- Playback's blocks: the steps at the frames where they are heard ------------------

TEST(JamSplicedBlocks, TellEachStepAtTheFrameOfTheBlockWhereItStarts)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2, 7});
    const std::optional<jamplay::StepStart> start = rig.stepper.startRiff(rig.grid());
    ASSERT_TRUE(start);
    rig.splicer.jumpTo(start->position, rig.chain);
    const StepSplicer::Stepping stepping{&rig.stepper, rig.grid(), false, false};

    // Blocks of a hop, endlessly: the steps' first frames, counted over
    // the whole output, are where the notices say.
    const int stepBeats[3] = {1, 2, 7};
    std::vector<std::int64_t> heardAt;
    float left[hopFrames];
    float right[hopFrames];
    for (int b = 0; b < 60; ++b) {
        rig.chain.notices.clear();
        const StepSplicer::Block block = rig.splicer.make(left, right, &stepping, rig.chain);
        ASSERT_EQ(block.frames, hopFrames);
        for (const StepNotice& n : rig.chain.notices) {
            ASSERT_GE(n.frame, 0);
            ASSERT_LT(n.frame, hopFrames);
            heardAt.push_back(std::int64_t(b) * hopFrames + n.frame);
            EXPECT_NEAR(double(left[n.frame]) / double(right[n.frame]), double(lead(stepBeats[n.step])), 0.01)
                << "the notice's frame plays its step's first frame";
        }
    }
    // Steps 1, 2, 0, 1, 2, 0 … every 5000 frames: a pass is 15000 frames,
    // no drift.
    ASSERT_GE(heardAt.size(), 10u);
    for (size_t k = 0; k < heardAt.size(); ++k)
        EXPECT_EQ(heardAt[k], std::int64_t(k + 1) * 5000) << "step change " << k;
}

// --- One stepping check from the GUI ----------------------------------------------------

TEST(JamStepOnce, FlipsTheFlashAtEveryStepAndStaysQuietInsideOne)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2});
    ASSERT_TRUE(rig.stepper.startRiff(rig.grid()));
    rig.chain.placeReadPosition(lead(1), true);

    std::vector<bool> flashes;
    for (const int position : {lead(1) + 10, lead(2), lead(2) + 100, lead(3)}) {
        rig.chain.position = position;
        rig.chain.notices.clear();
        jamplay::stepRiffOnce(rig.stepper, rig.grid(), rig.chain);
        for (const StepNotice& n : rig.chain.notices) {
            EXPECT_EQ(n.frame, -1) << "told at once";
            flashes.push_back(n.flash);
        }
    }
    EXPECT_EQ(flashes, (std::vector<bool>{true, false}));
    EXPECT_EQ(rig.chain.position, lead(1)) << "the wrap jumped back";
}

TEST(JamStepOnce, ASongWithoutRiffsIsReportedForTheCallerToStop)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1});
    rig.song.setSlot(3, 0);
    ASSERT_TRUE(rig.stepper.startSong(rig.grid(), 0));
    rig.song.setSlot(3, -1);
    rig.chain.notices.clear();
    EXPECT_EQ(jamplay::stepSongOnce(rig.stepper, rig.grid(), rig.chain).kind, jamplay::StepCheck::Kind::Stop);
    EXPECT_TRUE(rig.chain.notices.empty());
}
