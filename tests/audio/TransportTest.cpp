// The transport slots of the player fed by the test: the position rule,
// loading and forgetting a recording, the off state, and each backend on
// the player's own thread.
#include "PlayerTestSupport.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

using namespace player_test;

namespace {

// ---------------------------------------------------------------------------
// The position rule: every position set lies within the recording, raised
// by the hop below it.

struct PositionCase
{
    const char* name;
    int frames;
    int channels;
    int selectionStart;
    int selectionEnd;
    void (*act)(Rig&);
    int (*expected)(int length);
    bool playingAfter;
};

std::ostream& operator<<(std::ostream& os, const PositionCase& c)
{
    return os << c.name;
}

class PositionRule : public ::testing::TestWithParam<PositionCase>
{
};

TEST_P(PositionRule, KeepsThePositionWithinTheRecording)
{
    const PositionCase c = GetParam();
    Rig rig(Signal::Sine, c.frames, 44100, c.channels);
    rig.setSelection(c.selectionStart, c.selectionEnd);
    c.act(rig);
    EXPECT_EQ(rig.player->getCurrentPosition(), c.expected(c.frames));
    EXPECT_EQ(rig.player->isPlaying(), c.playingAfter);
}

void playAWhile(Rig& rig)
{
    rig.player->play();
    for (int i = 0; i < 5; ++i)
        rig.turn(10.0);
}

// Longer than 2^24 frames: in float its length rounds up.
constexpr int longFrames = (1 << 24) + 3;

INSTANTIATE_TEST_SUITE_P(
    Cases, PositionRule,
    ::testing::Values(
        PositionCase{"selection_start_below_the_hop", 200000, 2, 100, 50000, [](Rig& r) { r.player->play(); },
                     [](int) { return 100 + chain::hop; }, true},
        PositionCase{"first_stop_goes_to_the_selection_start", 200000, 2, 30000, 60000,
                     [](Rig& r) {
                         playAWhile(r);
                         r.player->stop();
                     },
                     [](int) { return 30000; }, false},
        PositionCase{"second_stop_goes_to_the_start", 200000, 2, 30000, 60000,
                     [](Rig& r) {
                         playAWhile(r);
                         r.player->stop();
                         r.player->stop();
                         EXPECT_EQ(r.loopStart, 30000) << "a selection stays";
                     },
                     [](int) { return chain::hop; }, false},
        PositionCase{"second_stop_drops_a_cue_point", 200000, 2, 5000, 5000,
                     [](Rig& r) {
                         playAWhile(r);
                         r.player->stop();
                         EXPECT_EQ(r.player->getCurrentPosition(), 5000);
                         r.player->stop();
                         EXPECT_EQ(r.loopStart, 0);
                         EXPECT_EQ(r.loopEnd, 0);
                     },
                     [](int) { return chain::hop; }, false},
        PositionCase{"seek_forward_near_the_end_stops", 200000, 2, 30000, 60000,
                     [](Rig& r) {
                         playAWhile(r);
                         r.player->setCurrentPositionFromSession(r.frames() - 1000);
                         r.player->seekF();
                     },
                     [](int) { return 30000; }, false},
        PositionCase{"seek_forward_near_the_end_while_stopped", 200000, 2, 0, 0,
                     [](Rig& r) {
                         r.player->setCurrentPositionFromSession(r.frames() - 1000);
                         r.player->seekF();
                     },
                     [](int) { return chain::hop; }, false},
        PositionCase{"seek_forward", 200000, 2, 0, 0,
                     [](Rig& r) {
                         r.player->setCurrentPositionFromSession(100000);
                         r.player->seekF();
                     },
                     [](int) { return 100000 + 32768; }, false},
        PositionCase{"seek_back_near_the_start", 200000, 2, 0, 0,
                     [](Rig& r) {
                         r.player->setCurrentPositionFromSession(20000);
                         r.player->seekB();
                     },
                     [](int) { return chain::hop; }, false},
        PositionCase{"seek_back", 200000, 2, 0, 0,
                     [](Rig& r) {
                         r.player->setCurrentPositionFromSession(100000);
                         r.player->seekB();
                     },
                     [](int) { return 100000 - 32768; }, false},
        PositionCase{"session_position_past_the_end", 200000, 2, 0, 0,
                     [](Rig& r) { r.player->setCurrentPositionFromSession(r.frames() + 5000); },
                     [](int length) { return length; }, false},
        PositionCase{"negative_session_position", 200000, 2, 0, 0,
                     [](Rig& r) { r.player->setCurrentPositionFromSession(-7); }, [](int) { return chain::hop; },
                     false},
        PositionCase{"overview_strip_right_edge_of_a_long_recording", longFrames, 1, 0, 0,
                     [](Rig& r) { r.player->setPlaybackPos(884, 884); }, [](int length) { return length; }, false},
        PositionCase{"overview_strip_past_its_right_edge", 200000, 2, 0, 0,
                     [](Rig& r) { r.player->setPlaybackPos(900, 884); }, [](int length) { return length; }, false},
        PositionCase{"overview_strip_left_of_its_edge", 200000, 2, 0, 0,
                     [](Rig& r) { r.player->setPlaybackPos(-3, 884); }, [](int) { return chain::hop; }, false},
        PositionCase{"overview_strip_middle", 200000, 2, 0, 0, [](Rig& r) { r.player->setPlaybackPos(442, 884); },
                     [](int length) { return length / 2; }, false},
        PositionCase{"to_the_end", 200000, 2, 30000, 60000, [](Rig& r) { r.player->toEnd(); },
                     [](int length) { return length; }, false}),
    RowName());

TEST(PositionRule, PlayingFromTheRightEdgeEndsAtOnce)
{
    Rig rig(Signal::Sine, 200000);
    rig.player->setPlaybackPos(884, 884);
    rig.player->pause(); // resumes from the position
    ASSERT_TRUE(rig.player->isPlaying());
    EXPECT_EQ(rig.player->feedOnce(), 0);
    EXPECT_FALSE(rig.player->isPlaying());
    EXPECT_TRUE(rig.probe->pushes.empty());
}

TEST(PositionRule, AReadPositionPastTheEndEndsPlayback)
{
    Rig rig(Signal::Sine, 200000);
    rig.player->play();
    rig.turn(10.0);
    const size_t before = rig.probe->pushes.size();
    // As a riff step or a long tempo step can leave it: the remainder is
    // negative, not a huge unsigned count.
    chain::currentposition.store(rig.frames() + 5000);
    for (int i = 0; i < 5 && rig.player->isPlaying(); ++i)
        rig.turn(30.0);
    EXPECT_FALSE(rig.player->isPlaying());
    EXPECT_LE(rig.probe->pushes.size() - before, 3u) << "more than the tails of what was read";
}

// ---------------------------------------------------------------------------
// Loading, forgetting and the off state.

TEST(Loading, NothingLoadedNothingPlays)
{
    ManualClock clock;
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    options.manualClock = &clock;
    auto* probe = new ProbeOutput(AudioOutput::create(options));
    std::unique_ptr<AudioOutput> output(probe);
    AudioPlayer player(*output, AudioPlayer::FeedDriver::Caller);
    const int created = probe->created;

    player.play();
    player.playFromSelectionStart();
    player.pause();
    player.playStop();
    player.seekF();
    player.loop(true);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.feedOnce(), 0);
    EXPECT_EQ(probe->created, created) << "no stream made";
    EXPECT_EQ(player.getSampleIndexPtr()->load(), 0.0f);
}

TEST(Loading, ForgottenRecordingIsNeverReadAgain)
{
    Rig rig;
    rig.player->play();
    for (int i = 0; i < 5; ++i)
        rig.turn(10.0);
    rig.player->forgetRecording();
    // Released: AddressSanitizer reports any later read.
    rig.recording.left = std::vector<float>();
    rig.recording.right = std::vector<float>();

    EXPECT_FALSE(rig.player->isPlaying());
    rig.player->play();
    rig.player->pause();
    rig.player->setPlaybackPos(400, 884);
    EXPECT_FALSE(rig.player->isPlaying());
    EXPECT_EQ(rig.turn(10.0), 0);
    EXPECT_TRUE(rig.probe->live.empty()) << "the stream went with the recording";
}

TEST(Loading, UnusableRecordingLeavesNothingLoaded)
{
    Rig rig;
    EXPECT_FALSE(rig.player->setPlaybackVars(nullptr, nullptr, 2, 1000, 44100));
    rig.player->play();
    EXPECT_FALSE(rig.player->isPlaying());
}

TEST(Loading, EveryStreamStartFreesTheOldStream)
{
    Rig rig;
    for (int i = 0; i < 12; ++i) {
        rig.player->play();
        rig.turn(10.0);
        rig.player->stop();
        rig.player->pause(); // resume
        rig.turn(10.0);
        rig.player->pause();
        ASSERT_LE(rig.probe->live.size(), 1u) << "cycle " << i;
    }
    // The layer has streams left for the next load.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(rig.player->setPlaybackVars(rig.recording.left.data(), rig.recording.right.data(), 2,
                                                rig.frames(), 48000));
        ASSERT_LE(rig.probe->live.size(), 1u);
    }
    rig.player->play();
    EXPECT_GT(rig.turn(10.0), 0);
}

TEST(OffState, FailedOutputLeavesThePlayerOff)
{
    auto output = AudioOutput::createFailed();
    std::vector<float> samples(100000, 0.25f);
    AudioPlayer player(*output); // its own thread
    player.setPlaybackVars(samples.data(), nullptr, 1, int(samples.size()), 44100);
    player.start();
    EXPECT_TRUE(player.wait(5000)) << "the playback thread returns at once";

    player.play();
    EXPECT_EQ(player.feedOnce(), 0);
    // The slots still set their values.
    player.setHop(0.8f);
    EXPECT_EQ(player.toolSwitches().keptFactor(::ToolSwitches::Tool::Tempo), 0.8f);
    player.setAudioDevice(0);
    player.stop();
}

// ---------------------------------------------------------------------------
// The same recording through each backend on the player's own thread, in
// real time: the silent device always, a sound card where one exists.

class Backends : public ::testing::TestWithParam<AudioBackend>
{
};

TEST_P(Backends, ARecordingPlaysOnThePlaybackThread)
{
    AudioOutputOptions options;
    options.backend = GetParam();
    auto output = AudioOutput::create(options);
    // "System default" and "No sound" are always listed; a card adds more.
    if (GetParam() == AudioBackend::RealDevices && output->deviceNames().size() <= 2)
        GTEST_SKIP() << "no sound card here";

    TestRecording recording = makeRecording(Signal::Sine, 132300);
    AudioPlayer player(*output);
    player.setVolume(10); // quiet on a real card
    ASSERT_TRUE(player.setPlaybackVars(recording.left.data(), recording.right.data(), 2, 132300, 44100));
    player.play();
    // A quarter second of audio read; the queue ahead holds 4096 frames.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (player.getCurrentPosition() < 12000 && std::chrono::steady_clock::now() < until)
        QThread::msleep(10);
    EXPECT_GE(player.getCurrentPosition(), 12000) << "playback does not advance";
    EXPECT_TRUE(player.isPlaying());
    player.stop();
}

INSTANTIATE_TEST_SUITE_P(Devices, Backends, ::testing::Values(AudioBackend::SilentOnly, AudioBackend::RealDevices),
                         [](const auto& row) {
                             return std::string(row.param == AudioBackend::SilentOnly ? "silent" : "sound_card");
                         });

} // namespace
