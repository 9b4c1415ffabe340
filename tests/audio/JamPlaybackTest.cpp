#include "JamPlayback.h"
#include "BeatLead.h"
#include "JamFakes.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <QList>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <ostream>
#include <vector>

using namespace jamplay_test;

namespace {

constexpr int hopFrames = 1024;

// Beat b at 4096 (b + 1): a step on beat b plays from lead(b) to
// lead(b + 1), both included, the beat lead before each beat.
constexpr int beatAt(int b)
{
    return 4096 * (b + 1);
}
constexpr int lead(int b)
{
    return beatAt(b) - base::beatLeadFrames;
}

// Block starts from `from`, `step` apart, up to and including `last`.
std::vector<int> blocks(int from, int last, int step = hopFrames)
{
    std::vector<int> starts;
    for (int p = from; p <= last; p += step)
        starts.push_back(p);
    return starts;
}

std::vector<int> joined(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const std::vector<int>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<float>& shortBeats()
{
    static const std::vector<float> beats = evenBeatList(60, 4096.0f, 4096.0f);
    return beats;
}

// A chain that advances its position by `advance` frames per block and
// writes the position each block started from into both channels (the
// right one negated), so the lists show which frames were rendered.
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
        ++placements;
    }
    int readPosition() const override { return position; }
    float setStepInterp(float stepFactor) override
    {
        factors.push_back(stepFactor);
        return float(12.0 * std::log2(double(stepFactor)));
    }
    bool renderBlock(float* left, float* right) override
    {
        blockStarts.push_back(position);
        std::fill(left, left + hopFrames, float(position));
        std::fill(right, right + hopFrames, -float(position));
        position += advance;
        return true;
    }
    void notify(const StepNotice& notice) override { notices.push_back(notice); }

    const int frames;
    int advance = hopFrames;
    int position = hopFrames;
    int playStart = 0;
    int placements = 0;
    std::vector<int> blockStarts;
    std::vector<float> factors;
    std::vector<StepNotice> notices;
};

struct Rendered
{
    QList<float> left;
    QList<float> right;
};

// The lists hold one block per start, in order, the right channel too.
void expectBlocks(const Rendered& out, const std::vector<int>& starts)
{
    ASSERT_EQ(out.left.size(), int(starts.size()) * hopFrames);
    ASSERT_EQ(out.right.size(), out.left.size());
    for (size_t k = 0; k < starts.size(); ++k) {
        EXPECT_EQ(out.left.at(int(k) * hopFrames), float(starts[k])) << "block " << k;
        EXPECT_EQ(out.right.at(int(k) * hopFrames + hopFrames - 1), -float(starts[k])) << "block " << k;
    }
}

struct JamRig
{
    JamRig()
    {
        for (int r = 0; r < jamplay::riffCount; ++r)
            stepper.addRiff(&riffs.riff[r]);
        stepper.setSong(&song);
    }
    jamplay::BeatGrid grid() const { return gridOf(shortBeats(), frames); }

    const int frames = 400000;
    RiffSet riffs;
    FakeSong song;
    JamStepper stepper;
    FakeChain chain{frames};
    Rendered out;
};

} // namespace

// --- Riff renders -------------------------------------------------------------------

TEST(JamRiffRender, PlaysEachStepOnceAndEndsTwoBlocksAfterTheWrap)
{
    JamRig rig;
    rig.riffs.riff[2].setBeats({1, 2, 5});
    rig.stepper.setActiveRiff(2);
    jamplay::renderRiff(rig.stepper, rig.grid(), rig.chain, rig.out.left, rig.out.right);

    // From beat 1 itself, on into beat 2 without a jump, a jump to the lead
    // before beat 5, back to the lead before beat 1 and up to beat 1 again.
    expectBlocks(rig.out,
                 joined({blocks(beatAt(1), lead(3)), blocks(lead(5), lead(6)), blocks(lead(1), beatAt(1) - 1)}));
    EXPECT_EQ(rig.chain.position, beatAt(1));
    EXPECT_EQ(rig.chain.playStart, beatAt(1));
}

TEST(JamRiffRender, AppliesStep0sPitchAtTheStartAndEveryStepsOnTheWay)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2, 5});
    rig.riffs.riff[0].setPitch(0, 1.5f);
    rig.riffs.riff[0].setPitch(2, 0.5f);
    jamplay::renderRiff(rig.stepper, rig.grid(), rig.chain, rig.out.left, rig.out.right);

    EXPECT_EQ(rig.chain.factors, (std::vector<float>{1.5f, 1.0f, 0.5f, 1.5f}));
    // Each step is told at once: step 0 at the start, then 1, 2, 0.
    std::vector<int> steps;
    for (const StepNotice& n : rig.chain.notices) {
        EXPECT_TRUE(n.stepShown && n.pitchShown);
        EXPECT_FALSE(n.slotShown);
        steps.push_back(n.step);
    }
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_NEAR(rig.chain.notices.front().semitones, 7.0196f, 1e-3);
}

TEST(JamRiffRender, AtTempoThreeQuartersEndsAtTheFirstBlockBackAtTheBeat)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2, 5});
    rig.chain.advance = 768;
    jamplay::renderRiff(rig.stepper, rig.grid(), rig.chain, rig.out.left, rig.out.right);

    const std::vector<int>& starts = rig.chain.blockStarts;
    ASSERT_GE(starts.size(), 4u);
    // Beat 5's step in steps of 768, then from the jump target before
    // beat 1: the render stops once the position reaches beat 1.
    const std::vector<int> back = blocks(lead(1), beatAt(1) - 1, 768);
    const std::vector<int> tail = joined({blocks(lead(5), lead(6), 768), back});
    EXPECT_EQ(std::vector<int>(starts.end() - 3, starts.end()), std::vector<int>(tail.end() - 3, tail.end()));
    EXPECT_EQ(rig.chain.position, lead(1) + 768 * int(back.size()));
    EXPECT_EQ(rig.out.left.size(), int(starts.size()) * hopFrames);
}

TEST(JamRiffRender, ARiffWhoseWindowLiesBelowTheHopEndsAtItsFirstWrap)
{
    // Beat 0 at 100: the start is raised by the hop to 1124, beyond the
    // step's window (100 … 900), and so is the jump back, which lands on
    // the start again: one block, then the render ends.
    static_assert(base::beatLeadFrames == 0, "the window below is worked out without a lead");
    const std::vector<float> beats = {100.0f, 900.0f, 7000.0f, 11000.0f};
    JamRig rig;
    rig.riffs.riff[0].setBeats({0});
    jamplay::renderRiff(rig.stepper, gridOf(beats, rig.frames), rig.chain, rig.out.left, rig.out.right);
    expectBlocks(rig.out, {1124});
}

TEST(JamRiffRender, NothingIsRenderedForARiffThePlayerLacksOrWithoutBeats)
{
    JamRig rig;
    JamStepper bare;
    rig.out.left.append(1.0f); // a previous render's content goes
    rig.out.right.append(1.0f);
    jamplay::renderRiff(bare, rig.grid(), rig.chain, rig.out.left, rig.out.right);
    EXPECT_TRUE(rig.out.left.isEmpty());
    EXPECT_TRUE(rig.out.right.isEmpty());

    jamplay::renderRiff(rig.stepper, jamplay::BeatGrid{}, rig.chain, rig.out.left, rig.out.right);
    EXPECT_TRUE(rig.out.left.isEmpty());
    EXPECT_TRUE(rig.chain.factors.empty());
}

// --- Song renders ---------------------------------------------------------------------

struct SongRenderCase
{
    const char* name;
    std::vector<int> slots;
    std::vector<int> blockStarts;
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

    jamplay::renderSong(rig.stepper, rig.grid(), rig.chain, rig.out.left, rig.out.right);
    expectBlocks(rig.out, c.blockStarts);
    if (!c.blockStarts.empty()) {
        EXPECT_EQ(rig.stepper.songSlot(), c.endSlot) << "the render ends back at its first slot";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jam, JamSongRender,
    ::testing::Values(
        // C from the lead before beat 5, then A (slot 2) from the lead
        // before beat 1 through beat 2, and the wrap back to slot 0 ends it.
        SongRenderCase{
            "slots_c_empty_a", {2, -1, 0}, joined({blocks(lead(5), lead(6)), blocks(lead(1), lead(3))}), 0},
        SongRenderCase{"an_empty_slot_0_starts_at_the_first_used_slot", {-1, -1, 2}, blocks(lead(5), lead(6)), 2},
        SongRenderCase{"a_song_of_slot_0_alone_ends_too", {0}, blocks(lead(1), lead(3)), 0},
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
    jamplay::renderSong(rig.stepper, rig.grid(), rig.chain, rig.out.left, rig.out.right);

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

// --- One stepping check during playback ---------------------------------------------

TEST(JamStepOnce, FlipsTheFlashAtEveryStepAndStaysQuietInsideOne)
{
    JamRig rig;
    rig.riffs.riff[0].setBeats({1, 2});
    ASSERT_TRUE(rig.stepper.startRiff(rig.grid()));
    rig.chain.placeReadPosition(beatAt(1), true);

    std::vector<bool> flashes;
    for (const int position : {beatAt(1) + 10, lead(2) + 1, lead(2) + 100, lead(3) + 1}) {
        rig.chain.position = position;
        rig.chain.notices.clear();
        jamplay::stepRiffOnce(rig.stepper, rig.grid(), rig.chain);
        for (const StepNotice& n : rig.chain.notices)
            flashes.push_back(n.flash);
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
