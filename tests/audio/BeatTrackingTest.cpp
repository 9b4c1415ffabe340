// Beat tracking: the pure function over a beat array, and the player's
// beat changes, clicks and their signals through the GUI tick.
#include "BeatTracking.h"
#include "JamSteps.h"
#include "MetronomeClick.h"
#include "PlayerTestSupport.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace player_test;

namespace {

// ---------------------------------------------------------------------------
// The pure function: which beat a position enters.

struct TrackCase
{
    const char* name;
    std::vector<float> beats;
    int current;
    int position;
    int entered;
};

std::ostream& operator<<(std::ostream& os, const TrackCase& c)
{
    return os << c.name;
}

class TrackBeat : public ::testing::TestWithParam<TrackCase>
{
};

TEST_P(TrackBeat, EntersByTheWindows)
{
    const TrackCase& c = GetParam();
    EXPECT_EQ(trackBeat(c.beats.data(), int(c.beats.size()), c.current, c.position).entered, c.entered);
}

// Beats every 11025 frames from 5000: the window of beat i runs from half
// a block before b[i] to half a block before b[i + 1] (beat 1: 15513 …
// 26538, beat 2: 26538 … 37563, beat 3: 37563 … 48588, beat 8: 92688 …
// 103713).
std::vector<float> grid(float first, int count)
{
    std::vector<float> b;
    for (int i = 0; i < count; ++i)
        b.push_back(first + 11025.0f * float(i));
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TrackBeat,
    ::testing::Values(TrackCase{"first_beat_entered", grid(5000, 10), 0, 20000, 1},
                      TrackCase{"next_beat_entered", grid(5000, 10), 1, 30000, 2},
                      TrackCase{"a_beat_counts_in_the_block_starting_nearest_to_it", grid(5000, 10), 1, 26600, 2},
                      TrackCase{"more_than_half_a_block_before_it_is_too_early", grid(5000, 10), 1, 26500, -1},
                      TrackCase{"the_current_beat_is_not_entered_again", grid(5000, 10), 2, 30000, -1},
                      TrackCase{"windows_are_open_at_their_start", grid(5000, 10), 1, 26538, -1},
                      TrackCase{"fewer_than_four_beats_do_nothing", grid(5000, 3), 0, 20000, -1},
                      TrackCase{"the_last_two_beats_are_never_entered", grid(5000, 10), 7, 95000, -1},
                      TrackCase{"a_beat_near_the_start_opens_its_window_at_0", grid(300, 10), 0, 1, -1},
                      TrackCase{"a_beat_near_the_start_is_entered_from_0", grid(300, 10), 0, 11000, 1}),
    RowName());

// ---------------------------------------------------------------------------
// Beats and the metronome.

class BeatTracking : public ::testing::Test
{
protected:
    static constexpr int beatCount = 20;
    static constexpr float beatSpacing = 11025.0f; // 240 BPM at 44.1 kHz

    void SetUp() override
    {
        rig.model.handOver(evenBeats(beatCount, 5000.0f, beatSpacing));
        const auto& click = metronomeClick();
        rig.player->initBeep(click.data(), click.data(), int(click.size()));
        QObject::connect(rig.player.get(), &AudioPlayer::changeBeat,
                         [this] { entered.push_back(rig.model.currentBeat.load()); });
    }

    Rig rig{Signal::Silence, 260000};
    std::vector<int> entered;
};

TEST_F(BeatTracking, OneBeatChangeAndAtMostOneClickPerBeat)
{
    QSignalSpy clicks(rig.player.get(), &AudioPlayer::flashMetro);
    QSignalSpy modelBeats(&rig.model, &MetaData::changeBeat);
    rig.player->setMetroVolume(50);
    rig.player->play();
    rig.playOut(10.0, 1000);

    // Beats 1 … n − 3 are entered once each, in order.
    std::vector<int> expected;
    for (int i = 1; i <= beatCount - 3; ++i)
        expected.push_back(i);
    EXPECT_EQ(entered, expected);
    EXPECT_EQ(modelBeats.count(), int(expected.size())) << "relayed into the model";

    // The recording is silent: what sounds is the click, whole, once per
    // beat 1 … n − 2, from the frame where the beat is heard (the first
    // block, read at the hop, sounds the recording from the next frame).
    const auto& click = metronomeClick();
    std::vector<float> left;
    for (const ProbeOutput::Push& push : rig.probe->pushes) {
        for (size_t f = 0; f < push.frames.size() / 2; ++f) {
            left.push_back(push.frames[2 * f]);
            ASSERT_EQ(push.frames[2 * f], push.frames[2 * f + 1]);
        }
    }
    // Beat 0 is the beat clicked last after a load, as at program start.
    std::vector<float> expectedOut(left.size(), 0.0f);
    for (int b = 1; b <= beatCount - 2; ++b) {
        const int start = base::heardFrame(rig.model.beats[b]) - (chain::hop + 1);
        for (int f = 0; f < int(click.size()) && start + f < int(left.size()); ++f)
            expectedOut[size_t(start + f)] = click[size_t(f)] * 0.5f;
    }
    EXPECT_EQ(left, expectedOut);
    EXPECT_EQ(clicks.count(), beatCount - 2);
}

TEST_F(BeatTracking, MetronomeAtZeroAddsNothing)
{
    QSignalSpy clicks(rig.player.get(), &AudioPlayer::flashMetro);
    rig.player->setMetroVolume(0);
    rig.player->play();
    rig.playOut(10.0, 1000);
    EXPECT_GT(clicks.count(), 10);
    for (const ProbeOutput::Push& push : rig.probe->pushes)
        ASSERT_TRUE(std::all_of(push.frames.begin(), push.frames.end(), [](float v) { return v == 0.0f; }));
}

TEST(Metronome, AtZeroTheMusicIsUnchangedByTheBeats)
{
    const auto render = [](bool withBeats) {
        Rig rig(Signal::Sine, 150000);
        if (withBeats)
            rig.model.handOver(evenBeats(12, 5000.0f, 11025.0f));
        const auto& click = metronomeClick();
        rig.player->initBeep(click.data(), click.data(), int(click.size()));
        rig.player->setMetroVolume(0);
        rig.player->play();
        rig.playOut(10.0, 1000);
        return rig.probe->pushes;
    };
    const auto with = render(true);
    const auto without = render(false);
    ASSERT_EQ(with.size(), without.size());
    for (size_t b = 0; b < with.size(); ++b)
        ASSERT_EQ(with[b].frames, without[b].frames) << "block " << b;
}

TEST_F(BeatTracking, ResettingTheModelWhilePlayingStopsFirst)
{
    rig.player->play();
    for (int i = 0; i < 40; ++i)
        rig.turnAndTick(10.0);
    ASSERT_GT(rig.model.currentBeat.load(), 0);

    rig.player->resetMetaData();
    EXPECT_FALSE(rig.player->isPlaying());
    EXPECT_FALSE(rig.model.metaDataValid.load());
    EXPECT_EQ(rig.model.currentBeat.load(), 0);
    const size_t before = entered.size();
    rig.player->play();
    for (int i = 0; i < 40; ++i)
        rig.turnAndTick(10.0);
    EXPECT_EQ(entered.size(), before) << "no beats without a model";
}

// The playback thread's beats, clicks and flashes reach the signals only
// through the GUI tick, in the order they happened: per beat a click (when
// due in the same block), the beat change, then the light toggling.
TEST_F(BeatTracking, SignalsComeFromTheTickInOrder)
{
    std::vector<std::string> log;
    QObject::connect(rig.player.get(), &AudioPlayer::flashMetro, [&] { log.push_back("click"); });
    QObject::connect(rig.player.get(), &AudioPlayer::changeBeat, [&] { log.push_back("beat"); });
    QObject::connect(rig.player.get(), &AudioPlayer::flashMainPlay,
                     [&](bool on) { log.push_back(on ? "on" : "off"); });
    rig.player->setMetroVolume(50);
    rig.player->play();
    log.clear();
    for (int i = 0; i < 60; ++i)
        rig.turn(10.0);
    EXPECT_TRUE(log.empty()) << "a signal without the tick";
    rig.tick();
    ASSERT_FALSE(log.empty());

    rig.playOut(10.0, 1000);
    bool light = false;
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i] == "beat") {
            ASSERT_LT(i + 1, log.size());
            light = !light;
            EXPECT_EQ(log[i + 1], light ? "on" : "off") << "the light toggles right after each beat";
        }
    }
    EXPECT_EQ(std::count(log.begin(), log.end(), "beat"), beatCount - 3);
}

} // namespace
