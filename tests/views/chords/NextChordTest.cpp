// What the large diagrams show for a beat, as the beats will be heard: the
// next different chord (or root) and the beats until it, round a looped
// selection; and the beat a read position or a loop point lies in.
#include "NextChord.h"
#include "BeatLead.h"
#include "ChordTestSupport.h"
#include "RowName.h"

#include <gtest/gtest.h>

namespace {

struct NextCase
{
    const char* name;
    QVector<QString> seq;
    int beat;
    bool roots;
    nextchord::LoopBeats loop;
    const char* current;
    const char* next;
    int count;
};

class NextChordAt : public ::testing::TestWithParam<NextCase>
{
};

TEST_P(NextChordAt, NamesTheChordHeardNextAndTheBeatsUntilIt)
{
    const NextCase& c = GetParam();
    const nextchord::Shown shown = nextchord::at(c.seq, c.beat, c.roots, c.loop);
    EXPECT_EQ(shown.current, c.current);
    EXPECT_EQ(shown.next, c.next);
    EXPECT_EQ(shown.count, c.count);
}

const QVector<QString> bbCBbF = names({"-", "Bb", "C", "Bb", "F", "-"});

INSTANTIATE_TEST_SUITE_P(
    Table, NextChordAt,
    ::testing::Values(
        NextCase{"no_loop_runs_on", bbCBbF, 3, false, {}, "Bb", "F", 1},
        // A loop over Bb C Bb: after its last beat comes its first, Bb again,
        // then C; never the F after the loop.
        NextCase{"loop_wraps_to_its_first_beat", bbCBbF, 3, false, {1, 3}, "Bb", "C", 2},
        NextCase{
            "loop_first_chord_differs", names({"-", "G", "D", "Em", "C", "-"}), 3, false, {1, 3}, "Em", "G", 1},
        NextCase{"inside_the_loop_as_without", bbCBbF, 1, false, {1, 3}, "Bb", "C", 1},
        NextCase{"one_chord_loop_has_no_next", names({"-", "A", "A", "A", "E"}), 2, false, {1, 3}, "A", "", 0},
        // Outside the loop the player jumps to its first beat.
        NextCase{
            "before_the_loop_goes_to_its_first", names({"D", "-", "G", "A", "-"}), 0, false, {2, 3}, "D", "G", 1},
        NextCase{"power_roots_round_the_loop", names({"-", "Am", "A7", "Em", "-"}), 3, true, {1, 3}, "E", "A", 1},
        NextCase{"power_same_root_is_no_change", names({"-", "C", "Cm", "C#m", "-"}), 1, true, {}, "C", "C#", 2},
        NextCase{"last_chord_to_the_end", names({"-", "G", "D", "D"}), 2, false, {}, "D", "", 0},
        NextCase{"beat_outside_the_sequence", names({"-", "G"}), 2, false, {}, "", "", 0},
        NextCase{"loop_beyond_the_sequence_is_ignored", bbCBbF, 3, false, {1, 9}, "Bb", "F", 1}),
    RowName());

// Beats whose spans, placed as the player and the loop points place them
// (the beat less the lead), start on frames 0, 10000, 32050 and 54100.
constexpr float lead = float(base::beatLeadFrames);
const QVector<float> beats = {lead, 10000.5f + lead, 32050.0f + lead, 54100.0f + lead};

struct PositionCase
{
    const char* name;
    int position;
    int beat;
};

class NextChordBeatAt : public ::testing::TestWithParam<PositionCase>
{
};

TEST_P(NextChordBeatAt, TheBeatWhoseSpanHoldsThePosition)
{
    EXPECT_EQ(nextchord::beatAt(beats, GetParam().position), GetParam().beat);
}

INSTANTIATE_TEST_SUITE_P(Table, NextChordBeatAt,
                         ::testing::Values(PositionCase{"a_beat_on_the_first_frame", 0, 0},
                                           PositionCase{"before_the_second_beat", 9999, 0},
                                           // Truncated to 10000, where a loop point lies.
                                           PositionCase{"on_a_loop_point", 10000, 1},
                                           PositionCase{"inside", 20000, 1}, PositionCase{"last_beat", 60000, 3},
                                           PositionCase{"negative", -5, -1}),
                         RowName());

TEST(NextChordLoop, LoopPointsOnBeatStartsGiveTheBeatsPlayed)
{
    const nextchord::LoopBeats loop = nextchord::loopBeats(beats, 54100, 10000);
    EXPECT_EQ(loop.first, 1);
    EXPECT_EQ(loop.last, 2);
    EXPECT_FALSE(nextchord::loopBeats(beats, 10000, 10000).active()) << "no selection";
}

} // namespace
