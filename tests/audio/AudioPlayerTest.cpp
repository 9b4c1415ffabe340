// The player fed by the test on the silent device under a manual clock:
// the feed loop, the end of the recording, looping, the position rule, the
// beat tracking and metronome, the output mix, the tool slots and the
// device choice. Deterministic: no playback thread, no sleeps.
#include "MetronomeClick.h"
#include "PlayerTestSupport.h"
#include "ProcessingChain.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

using namespace player_test;

namespace {

constexpr std::int64_t maximumQueueBytes = AudioPlayer::queueThresholdBytes + chain::hop * kBytesPerStreamFrame;

// Frames the read position moved in the step that made a block.
int stepAdvance()
{
    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    return switches.TSMPSMEnabled ? int(std::floor(float(chain::hop) * chain::hopfactor.load())) : chain::hop;
}

// How far past its start a step reads, in multiples of the frame length.
float readReach()
{
    return chain::vocoderSwitches.load().TSMPSMEnabled ? chain::interpfactor.load() : 1.0f;
}

const ProbeOutput::Push* firstPushTo(const ProbeOutput& probe, StreamHandle stream)
{
    for (const ProbeOutput::Push& push : probe.pushes) {
        if (push.stream == stream)
            return &push;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The feed loop keeps the queue between its bounds, at every rate.

struct QueueCase
{
    const char* name;
    int rateHz;
    double wakeMs;       // the playback thread's period, sleep overshoot included
    int stallEvery;      // every n-th wake comes stallMs late (0: never)
    double stallMs;
};

std::ostream& operator<<(std::ostream& os, const QueueCase& c)
{
    return os << c.name;
}

class FeedLoopQueue : public ::testing::TestWithParam<QueueCase>
{
};

TEST_P(FeedLoopQueue, StaysBetweenTheThresholdAndOneBlockAboveWithoutRunningDry)
{
    const QueueCase c = GetParam();
    Rig rig(Signal::Sine, c.rateHz * 5, c.rateHz);
    rig.player->play();
    ASSERT_GT(rig.player->feedOnce(), 0);

    const int turns = 300; // 3 s or more of audio
    for (int i = 1; i < turns; ++i) {
        const double late = (c.stallEvery > 0 && i % c.stallEvery == 0) ? c.stallMs : 0.0;
        rig.clock.advanceMs(c.wakeMs + late);
        // One block per wake would fall behind at 96 kHz with a 12 ms wake.
        ASSERT_GT(rig.probe->queuedNow(), 0) << "ran dry before turn " << i;
        rig.player->feedOnce();
        const std::int64_t queued = rig.probe->queuedNow();
        ASSERT_GT(queued, AudioPlayer::queueThresholdBytes) << "turn " << i;
        ASSERT_LE(queued, maximumQueueBytes) << "turn " << i;
    }
    EXPECT_TRUE(rig.player->isPlaying());
}

INSTANTIATE_TEST_SUITE_P(
    Rates, FeedLoopQueue,
    ::testing::Values(QueueCase{"44k1_every_10ms", 44100, 10.0, 0, 0.0},
                      QueueCase{"44k1_every_12ms", 44100, 12.0, 0, 0.0},
                      QueueCase{"88k2_every_12ms", 88200, 12.0, 0, 0.0},
                      QueueCase{"96k_every_12ms", 96000, 12.0, 0, 0.0},
                      QueueCase{"96k_with_30ms_stalls", 96000, 10.0, 20, 30.0}),
    RowName());

// ---------------------------------------------------------------------------
// The end of the recording: every frame read lies inside it, playback goes
// up to it and stops there.

struct EndCase
{
    const char* name;
    float tempo; // 1: tool off
    float pitch; // 1: tool off
};

std::ostream& operator<<(std::ostream& os, const EndCase& c)
{
    return os << c.name;
}

class EndOfRecording : public ::testing::TestWithParam<EndCase>
{
};

TEST_P(EndOfRecording, StopsWithoutReadingPastTheEnd)
{
    const EndCase c = GetParam();
    Rig rig(Signal::Sine, 100000);
    if (c.tempo != 1.0f) {
        rig.player->setHop(c.tempo);
        rig.player->activateTempo(false);
    }
    if (c.pitch != 1.0f) {
        rig.player->setInterp(c.pitch);
        rig.player->activatePitch(false);
    }
    QSignalSpy unlatched(rig.player.get(), &AudioPlayer::unlatchMainPlay);
    rig.player->play();
    rig.playOut(10.0, 3000);
    ASSERT_FALSE(rig.player->isPlaying());
    ASSERT_FALSE(rig.probe->pushes.empty());

    const int length = rig.frames();
    const float reach = readReach();
    const int advance = stepAdvance();
    for (const ProbeOutput::Push& push : rig.probe->pushes) {
        const int start = push.positionAfter - advance;
        ASSERT_GT(double(length - start), double(reach) * chain::framesize) << "step at " << start;
    }
    const int lastStart = rig.probe->pushes.back().positionAfter - advance;
    EXPECT_LE(double(length - lastStart), double(reach) * chain::framesize + advance) << "stopped early";

    // Back at the start, and the transport hears of it at the next tick.
    EXPECT_EQ(rig.player->getCurrentPosition(), chain::hop);
    EXPECT_EQ(unlatched.count(), 0);
    rig.tick();
    EXPECT_EQ(unlatched.count(), 1);
    EXPECT_EQ(rig.output->state(rig.probe->lastStream), StreamState::Stopped);
}

INSTANTIATE_TEST_SUITE_P(Tools, EndOfRecording,
                         ::testing::Values(EndCase{"plain", 1.0f, 1.0f}, EndCase{"pitch_2", 1.0f, 2.0f},
                                           EndCase{"pitch_half", 1.0f, 0.5f},
                                           EndCase{"tempo_1_99", 1.99f, 1.0f},
                                           EndCase{"tempo_quarter_pitch_2", 0.25f, 2.0f}),
                         RowName());

// ---------------------------------------------------------------------------
// Looping.

struct LoopCase
{
    const char* name;
    int frames;
    int selectionStart;
    int selectionEnd;
    bool looping;
    int firstStep;  // where playback starts
    int lowestStep; // no step starts before
    int highestStep; // no step starts at or after (0: the end of the recording)
    int jumpTarget; // a step that starts here after a jump
    bool endsPlaying;
};

std::ostream& operator<<(std::ostream& os, const LoopCase& c)
{
    return os << c.name;
}

class Looping : public ::testing::TestWithParam<LoopCase>
{
};

TEST_P(Looping, StepsStayWhereTheLoopKeepsThem)
{
    const LoopCase c = GetParam();
    Rig rig(Signal::Sine, c.frames);
    rig.setSelection(c.selectionStart, c.selectionEnd);
    rig.player->loop(c.looping);
    rig.player->play();
    rig.playOut(10.0, 400); // 4 s of audio: several passes

    ASSERT_FALSE(rig.probe->pushes.empty());
    const int highest = c.highestStep > 0 ? c.highestStep : c.frames;
    int jumps = 0;
    int maximum = 0;
    for (size_t i = 0; i < rig.probe->pushes.size(); ++i) {
        const int start = rig.probe->pushes[i].positionAfter - chain::hop;
        if (i == 0) {
            EXPECT_EQ(start, c.firstStep);
        }
        ASSERT_GE(start, c.lowestStep);
        ASSERT_LT(start, highest);
        ASSERT_GT(c.frames - start, chain::framesize) << "read past the end";
        if (i > 0 && start == c.jumpTarget)
            ++jumps;
        maximum = std::max(maximum, start);
    }
    if (c.looping) {
        EXPECT_GE(jumps, 2) << "expected several passes";
    } else {
        EXPECT_GT(maximum, c.selectionEnd) << "stopped at the selection end";
        EXPECT_EQ(rig.player->getCurrentPosition(), c.firstStep);
    }
    EXPECT_EQ(rig.player->isPlaying(), c.endsPlaying);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, Looping,
    ::testing::Values(
        LoopCase{"looped_selection", 200000, 40000, 80000, true, 40000, 40000, 80000, 40000, true},
        LoopCase{"looped_selection_below_the_hop", 200000, 100, 30000, true, 1124, 100, 30000, 1124, true},
        LoopCase{"loop_without_selection", 60000, 0, 0, true, chain::hop, chain::hop, 0, chain::hop, true},
        LoopCase{"selection_without_loop_plays_past_it", 100000, 20000, 40000, false, 20000, 20000, 0, -1,
                 false}),
    RowName());

// ---------------------------------------------------------------------------
// The first frame after every stream start is silent.

TEST(StreamStart, FirstFrameAfterEveryStartIsSilent)
{
    Rig rig(Signal::Dc, 400000);
    const auto expectSilentStart = [&](const char* what) {
        const ProbeOutput::Push* first = firstPushTo(*rig.probe, rig.probe->lastStream);
        ASSERT_NE(first, nullptr) << what;
        EXPECT_EQ(first->frames[0], 0.0f) << what;
        EXPECT_EQ(first->frames[1], 0.0f) << what;
    };

    rig.player->play();
    for (int i = 0; i < 10; ++i)
        rig.turn(10.0);
    expectSilentStart("play");

    // A resume keeps the chain's state: only the zeroed frame is silent.
    rig.player->pause();
    rig.player->pause();
    rig.turn(10.0);
    expectSilentStart("resume");
    const ProbeOutput::Push* resumed = firstPushTo(*rig.probe, rig.probe->lastStream);
    EXPECT_GT(resumed->frames[2], 0.1f) << "the second frame carries the recording";

    rig.player->setAudioDevice(1);
    rig.turn(10.0);
    expectSilentStart("device switch");

    rig.player->stop();
    rig.player->play();
    rig.turn(10.0);
    expectSilentStart("play after stop");
}

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
        PositionCase{"selection_start_below_the_hop", 200000, 2, 100, 50000,
                     [](Rig& r) { r.player->play(); }, [](int) { return 100 + chain::hop; }, true},
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
                     [](Rig& r) { r.player->setPlaybackPos(884, 884); }, [](int length) { return length; },
                     false},
        PositionCase{"overview_strip_past_its_right_edge", 200000, 2, 0, 0,
                     [](Rig& r) { r.player->setPlaybackPos(900, 884); }, [](int length) { return length; },
                     false},
        PositionCase{"overview_strip_left_of_its_edge", 200000, 2, 0, 0,
                     [](Rig& r) { r.player->setPlaybackPos(-3, 884); }, [](int) { return chain::hop; }, false},
        PositionCase{"overview_strip_middle", 200000, 2, 0, 0,
                     [](Rig& r) { r.player->setPlaybackPos(442, 884); },
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
    EXPECT_EQ(rig.turn(30.0), 0);
    EXPECT_FALSE(rig.player->isPlaying());
    EXPECT_EQ(rig.probe->pushes.size(), before);
}

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

    // The recording is silent: what sounds is the click, whole, in the
    // block where it was due, at most once per beat.
    const auto& click = metronomeClick();
    std::vector<size_t> clickBlocks;
    for (size_t b = 0; b < rig.probe->pushes.size(); ++b) {
        const std::vector<float>& frames = rig.probe->pushes[b].frames;
        if (std::all_of(frames.begin(), frames.end(), [](float v) { return v == 0.0f; }))
            continue;
        clickBlocks.push_back(b);
        for (int f = 0; f < chain::hop; ++f) {
            ASSERT_EQ(frames[size_t(2 * f)], click[size_t(f)] * 0.5f) << "frame " << f;
            ASSERT_EQ(frames[size_t(2 * f + 1)], click[size_t(f)] * 0.5f) << "frame " << f;
        }
    }
    EXPECT_EQ(int(clickBlocks.size()), clicks.count());
    EXPECT_GE(clicks.count(), int(expected.size()));
    for (size_t i = 1; i < clickBlocks.size(); ++i)
        EXPECT_GE(clickBlocks[i] - clickBlocks[i - 1], size_t(beatSpacing) / chain::hop) << "two clicks in one beat";
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
        rig.turn(10.0);
    ASSERT_GT(rig.model.currentBeat.load(), 0);

    rig.player->resetMetaData();
    EXPECT_FALSE(rig.player->isPlaying());
    EXPECT_FALSE(rig.model.metaDataValid.load());
    EXPECT_EQ(rig.model.currentBeat.load(), 0);
    const size_t before = entered.size();
    rig.player->play();
    for (int i = 0; i < 40; ++i)
        rig.turn(10.0);
    EXPECT_EQ(entered.size(), before) << "no beats without a model";
}

// ---------------------------------------------------------------------------
// The output mix: mono only while the vocoder runs.

struct MixCase
{
    const char* name;
    int mode;
    bool vocoder;
    bool mono;
};

std::ostream& operator<<(std::ostream& os, const MixCase& c)
{
    return os << c.name;
}

class OutputMix : public ::testing::TestWithParam<MixCase>
{
};

TEST_P(OutputMix, MixesToMonoOnlyWhileTheVocoderRuns)
{
    const MixCase c = GetParam();
    Rig rig(Signal::LeftOnlySine, 200000);
    rig.player->changeMode(c.mode);
    if (c.vocoder)
        rig.player->activatePitch(false); // at pitch 1.0
    rig.player->play();
    for (int i = 0; i < 20; ++i)
        rig.turn(10.0);
    ASSERT_GT(rig.probe->pushes.size(), 8u);

    float largestLeft = 0.0f;
    float largestDifference = 0.0f;
    for (size_t b = 4; b < rig.probe->pushes.size(); ++b) { // after the fade-in
        const std::vector<float>& frames = rig.probe->pushes[b].frames;
        for (int f = 0; f < chain::hop; ++f) {
            largestLeft = std::max(largestLeft, std::fabs(frames[size_t(2 * f)]));
            largestDifference = std::max(largestDifference,
                                         std::fabs(frames[size_t(2 * f)] - frames[size_t(2 * f + 1)]));
        }
    }
    EXPECT_GT(largestLeft, 0.1f);
    if (c.mono)
        EXPECT_EQ(largestDifference, 0.0f);
    else
        EXPECT_GT(largestDifference, 0.1f);
}

INSTANTIATE_TEST_SUITE_P(Modes, OutputMix,
                         ::testing::Values(MixCase{"mode4_vocoder_off", 4, false, false},
                                           MixCase{"mode4_vocoder_on", 4, true, true},
                                           MixCase{"mode3_vocoder_on", 3, true, false}),
                         RowName());

// ---------------------------------------------------------------------------
// Tempo and pitch switches.

struct ToolCase
{
    const char* name;
    void (*act)(AudioPlayer&);
    float tempo;
    float interp;
    bool vocoder;
};

std::ostream& operator<<(std::ostream& os, const ToolCase& c)
{
    return os << c.name;
}

class ToolSlots : public ::testing::TestWithParam<ToolCase>
{
};

TEST_P(ToolSlots, SetTheChainFactors)
{
    const ToolCase c = GetParam();
    Rig rig;
    c.act(*rig.player);
    EXPECT_EQ(chain::hopfactor.load(), c.tempo);
    EXPECT_EQ(chain::interpfactor.load(), c.interp);
    EXPECT_EQ(chain::vocoderSwitches.load().TSMPSMEnabled, c.vocoder);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ToolSlots,
    ::testing::Values(
        ToolCase{"tempo_set_while_bypassed_waits", [](AudioPlayer& p) { p.setHop(0.8f); }, 1.0f, 1.0f, false},
        ToolCase{"tempo_set_while_bypassed_applies_when_on",
                 [](AudioPlayer& p) {
                     p.setHop(0.8f);
                     p.activateTempo(false);
                 },
                 0.8f, 1.0f, true},
        ToolCase{"tempo_bypass_keeps_the_vocoder_for_pitch",
                 [](AudioPlayer& p) {
                     p.setInterp(1.5f);
                     p.activatePitch(false);
                     p.setHop(0.8f);
                     p.activateTempo(false);
                     p.activateTempo(true);
                 },
                 1.0f, 1.5f, true},
        ToolCase{"repeated_tempo_bypass_keeps_the_factor",
                 [](AudioPlayer& p) {
                     p.setHop(0.8f);
                     p.activateTempo(true);
                     p.activateTempo(false);
                 },
                 0.8f, 1.0f, true},
        ToolCase{"repeated_tempo_switch_on_keeps_the_factor",
                 [](AudioPlayer& p) {
                     p.activateTempo(false);
                     p.setHop(0.8f);
                     p.activateTempo(false);
                 },
                 0.8f, 1.0f, true},
        ToolCase{"tempo_reset",
                 [](AudioPlayer& p) {
                     p.setHop(0.8f);
                     p.activateTempo(false);
                     p.resetHopFactor();
                 },
                 1.0f, 1.0f, false},
        ToolCase{"pitch_bypass_and_back",
                 [](AudioPlayer& p) {
                     p.setInterp(1.5f);
                     p.activatePitch(false);
                     p.activatePitch(true);
                     p.activatePitch(false);
                 },
                 1.0f, 1.5f, true},
        ToolCase{"repeated_pitch_bypass_keeps_the_factor",
                 [](AudioPlayer& p) {
                     p.setInterp(1.5f);
                     p.activatePitch(true);
                     p.activatePitch(false);
                 },
                 1.0f, 1.5f, true},
        ToolCase{"stop_restores_the_pitch_after_a_step_changed_it",
                 [](AudioPlayer& p) {
                     p.setInterp(1.5f);
                     p.activatePitch(false);
                     p.play();
                     chain::interpfactor.store(2.0f); // as a riff step does
                     p.stop();
                 },
                 1.0f, 1.5f, true}),
    RowName());

// ---------------------------------------------------------------------------
// Isolation slots.

struct MappingCase
{
    int input;
    float expected;
};

class AzimuthMapping : public ::testing::TestWithParam<MappingCase>
{
};

TEST_P(AzimuthMapping, MapsTheSliderToTheSideGain)
{
    Rig rig;
    rig.player->setAzimuth(GetParam().input);
    // The mapping is computed in double and stored as float.
    EXPECT_NEAR(chain::azimuthValue.load(), GetParam().expected, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Slider, AzimuthMapping,
                         ::testing::Values(MappingCase{0, -0.0002f}, MappingCase{25, -0.5002f},
                                           MappingCase{49, -0.9802f}, MappingCase{50, 1.0f},
                                           MappingCase{51, 0.9802f}, MappingCase{99, 0.0202f},
                                           MappingCase{130, 0.0202f}, MappingCase{-20, -0.0002f}));

class WidthMapping : public ::testing::TestWithParam<MappingCase>
{
};

TEST_P(WidthMapping, MapsTheKnobToTheWidth)
{
    Rig rig;
    rig.player->setWidth(GetParam().input);
    // Computed in double, stored as float.
    EXPECT_NEAR(chain::rangeValue.load(), GetParam().expected, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Knob, WidthMapping,
                         ::testing::Values(MappingCase{0, 0.00001f}, MappingCase{1, 0.01001f},
                                           MappingCase{34, 0.34001f}, MappingCase{99, 0.99001f}));

struct ScaleCase
{
    const char* name;
    std::vector<int> steps;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const ScaleCase& c)
{
    return os << c.name;
}

class PlotScale : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(PlotScale, StepsAndStaysWithinItsBounds)
{
    Rig rig;
    for (int step : GetParam().steps)
        rig.player->setPScale(step);
    EXPECT_EQ(chain::plotscale.load(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Wheel, PlotScale,
    ::testing::Values(ScaleCase{"positive_step", {1}, 45000000}, ScaleCase{"negative_step", {-1}, 55000000},
                      ScaleCase{"any_positive_value_is_one_step", {120}, 45000000},
                      ScaleCase{"two_positive_steps", {1, 1}, 40500000},
                      ScaleCase{"reset", {1, 1, -1, 0}, 50000000},
                      ScaleCase{"many_positive_steps_stop_at_1000", std::vector<int>(300, 1), 1000},
                      ScaleCase{"many_negative_steps_stop_at_two_billion", std::vector<int>(300, -1),
                                2000000000},
                      ScaleCase{"back_down_from_the_top", [] {
                                    std::vector<int> s(300, -1);
                                    s.push_back(1);
                                    return s;
                                }(),
                                1800000000}),
    RowName());

TEST(IsolationCurve, EmptyWhileOffAndFourHundredPointsWhileOn)
{
    Rig rig;
    EXPECT_TRUE(rig.player->getSSSCurve().isEmpty());
    rig.player->activateSSS(false); // the power button leaves "off"
    rig.player->setSeparation(99);
    rig.player->play();
    for (int i = 0; i < 5; ++i)
        rig.turn(10.0);
    const QVector<QPointF> curve = rig.player->getSSSCurve();
    ASSERT_EQ(curve.size(), chain::isolationCurveLength);
    EXPECT_EQ(curve.back().x(), 399.0);
    EXPECT_TRUE(std::any_of(curve.begin(), curve.end(), [](const QPointF& p) { return p.y() > 0.0; }));
}

// ---------------------------------------------------------------------------
// Output devices.

struct NameCase
{
    const char* name;
    QString deviceName;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const NameCase& c)
{
    return os << c.name;
}

class DeviceNames : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(DeviceNames, FindTheFirstMatchingEntry)
{
    const QStringList names = {QStringLiteral("System default"), QStringLiteral("USB Audio Device"),
                               QStringLiteral("USB Audio"), QStringLiteral("No sound")};
    EXPECT_EQ(AudioPlayer::indexOfDevice(names, GetParam().deviceName), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeviceNames,
    ::testing::Values(NameCase{"exact", QStringLiteral("No sound"), 3},
                      NameCase{"default_suffix_removed", QStringLiteral("USB Audio Device (Default)"), 1},
                      NameCase{"empty_name_is_the_first_entry", QString(), 0},
                      NameCase{"containing_entry_before_the_equal_one", QStringLiteral("USB Audio"), 1},
                      NameCase{"case_sensitive", QStringLiteral("usb audio"), -1},
                      NameCase{"gone", QStringLiteral("HDMI 2"), -1}),
    RowName());

TEST(DeviceNames, ThePlayerLooksUpTheLayersList)
{
    Rig rig;
    EXPECT_EQ(rig.player->getDeviceList(), rig.output->deviceNames());
    EXPECT_EQ(rig.player->deviceStringToIndex(QStringLiteral("No sound")), 1);
    EXPECT_EQ(rig.player->getAudioDevice(), QStringLiteral("System default"));
}

struct SwitchCase
{
    const char* name;
    bool playing;
    bool paused;
    int index;
    const char* deviceAfter;
    bool playingAfter;
};

std::ostream& operator<<(std::ostream& os, const SwitchCase& c)
{
    return os << c.name;
}

class DeviceSwitch : public ::testing::TestWithParam<SwitchCase>
{
};

TEST_P(DeviceSwitch, StartsNothingAndGoesOnFromTheReadPosition)
{
    const SwitchCase c = GetParam();
    Rig rig;
    if (c.playing) {
        rig.player->play();
        for (int i = 0; i < 10; ++i)
            rig.turn(10.0);
        if (c.paused)
            rig.player->pause();
    }
    const int position = rig.player->getCurrentPosition();
    const size_t pushesBefore = rig.probe->pushes.size();
    const StreamHandle streamBefore = rig.probe->lastStream;

    rig.player->setAudioDevice(c.index);
    EXPECT_EQ(rig.player->getAudioDevice(), QString::fromLatin1(c.deviceAfter));
    EXPECT_EQ(rig.player->isPlaying(), c.playingAfter);
    EXPECT_EQ(rig.player->getCurrentPosition(), position);
    EXPECT_LE(rig.probe->live.size(), 1u);

    rig.turn(30.0); // enough for a block on the old stream too
    if (!c.playingAfter) {
        EXPECT_EQ(rig.probe->pushes.size(), pushesBefore) << "switching started playback";
        return;
    }
    ASSERT_GT(rig.probe->pushes.size(), pushesBefore);
    const ProbeOutput::Push& next = rig.probe->pushes[pushesBefore];
    EXPECT_EQ(next.positionAfter, position + chain::hop) << "goes on from the read position";
    if (next.stream != streamBefore) {
        EXPECT_EQ(next.frames[0], 0.0f) << "a new stream starts silent";
    }
    EXPECT_EQ(rig.output->state(next.stream), StreamState::Playing);
}

INSTANTIATE_TEST_SUITE_P(
    States, DeviceSwitch,
    ::testing::Values(SwitchCase{"stopped", false, false, 1, "No sound", false},
                      SwitchCase{"paused", true, true, 1, "No sound", false},
                      SwitchCase{"playing", true, false, 1, "No sound", true},
                      SwitchCase{"playing_to_the_default", true, false, -1, "System default", true},
                      SwitchCase{"playing_to_an_index_past_the_list", true, false, 7, "System default", true}),
    RowName());

TEST(DeviceSwitch, ResumeAfterASwitchWhilePausedGoesOn)
{
    Rig rig;
    rig.player->play();
    for (int i = 0; i < 10; ++i)
        rig.turn(10.0);
    rig.player->pause();
    const int position = rig.player->getCurrentPosition();
    rig.player->setAudioDevice(1);
    rig.player->pause();
    ASSERT_TRUE(rig.player->isPlaying());
    const size_t before = rig.probe->pushes.size();
    rig.turn(10.0);
    ASSERT_GT(rig.probe->pushes.size(), before);
    EXPECT_EQ(rig.probe->pushes[before].positionAfter, position + chain::hop);
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

INSTANTIATE_TEST_SUITE_P(Devices, Backends,
                         ::testing::Values(AudioBackend::SilentOnly, AudioBackend::RealDevices),
                         [](const auto& info) {
                             return std::string(info.param == AudioBackend::SilentOnly ? "silent"
                                                                                       : "sound_card");
                         });

} // namespace
