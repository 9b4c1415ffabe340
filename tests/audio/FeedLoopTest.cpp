// The feed loop on the silent device under a manual clock: the queue it
// keeps, the end of the recording, looping, stream starts, pause and
// resume, underruns at every buffer length, the output mix and the gain
// ramps. Deterministic: no playback thread, no sleeps.
#include "PlayerTestSupport.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace player_test;

namespace {

// ---------------------------------------------------------------------------
// The feed loop keeps the queue between the threshold and one block above
// it, at every rate, and the device never runs dry.

struct QueueCase
{
    const char* name;
    int rateHz;
    double wakeMs;  // the playback thread's period, sleep overshoot included
    int stallEvery; // every n-th wake comes stallMs late (0: never)
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
        const std::int64_t queued = rig.probe->queuedFramesNow();
        ASSERT_GE(queued, rig.player->queueThresholdFrames()) << "turn " << i;
        ASSERT_LT(queued, rig.player->queueThresholdFrames() + chain::hop) << "turn " << i;
    }
    EXPECT_TRUE(rig.player->isPlaying());
    EXPECT_EQ(rig.output->underrunCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rates, FeedLoopQueue,
                         ::testing::Values(QueueCase{"44k1_every_10ms", 44100, 10.0, 0, 0.0},
                                           QueueCase{"44k1_every_12ms", 44100, 12.0, 0, 0.0},
                                           QueueCase{"88k2_every_12ms", 88200, 12.0, 0, 0.0},
                                           QueueCase{"96k_every_12ms", 96000, 12.0, 0, 0.0},
                                           QueueCase{"96k_with_30ms_stalls", 96000, 10.0, 20, 30.0}),
                         RowName());

// ---------------------------------------------------------------------------
// The end of the recording: the last frames and the overlap-add's tails are
// pushed, the device plays every pushed frame, then the stream stops.

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

// First and one past the last frame of x (interleaved) that is not 0.
std::pair<size_t, size_t> soundingSpan(const std::vector<float>& x)
{
    size_t first = x.size();
    size_t last = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        if (x[i] != 0.0f) {
            first = std::min(first, i / 2);
            last = i / 2 + 1;
        }
    }
    return {first, last};
}

TEST_P(EndOfRecording, IsHeardToItsLastFrame)
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
    std::vector<float> heard;
    rig.player->play();
    rig.playOut(10.0, 3000, &heard);
    ASSERT_FALSE(rig.player->isPlaying());
    EXPECT_EQ(unlatched.count(), 1) << "the transport hears of the end at the tick";
    EXPECT_EQ(rig.player->getCurrentPosition(), chain::hop) << "back at the start";

    // The reads went past the end: the block whose frame holds the last
    // frame was made, and the overlap-add's tails after it.
    const int length = rig.frames();
    const int advance = stepAdvance();
    const std::vector<int> starts = rig.stepStarts(rig.probe->lastStream, advance);
    ASSERT_FALSE(starts.empty());
    int lastInside = -1;
    for (const int start : starts) {
        if (start < length)
            lastInside = std::max(lastInside, start);
    }
    EXPECT_GE(lastInside + advance, length) << "the last frames were never read";
    EXPECT_GE(starts.back(), length) << "the tails were not pushed";

    // The stream plays out its queue before it stops: what the device
    // played ends where what was pushed ends.
    for (int i = 0; i < 100 && rig.output->state(rig.probe->lastStream) == StreamState::Playing; ++i)
        rig.turnAndTick(10.0, &heard);
    EXPECT_EQ(rig.output->state(rig.probe->lastStream), StreamState::Stopped);
    std::vector<float> pushed;
    for (const ProbeOutput::Push& push : rig.probe->pushes)
        pushed.insert(pushed.end(), push.frames.begin(), push.frames.end());
    const auto pushedSpan = soundingSpan(pushed);
    const auto heardSpan = soundingSpan(heard);
    EXPECT_EQ(heardSpan.second - heardSpan.first, pushedSpan.second - pushedSpan.first)
        << "frames pushed but never played";
    EXPECT_EQ(rig.output->underrunCount(), 0) << "the end is no underrun";
}

INSTANTIATE_TEST_SUITE_P(Tools, EndOfRecording,
                         ::testing::Values(EndCase{"plain", 1.0f, 1.0f}, EndCase{"pitch_2", 1.0f, 2.0f},
                                           EndCase{"pitch_half", 1.0f, 0.5f}, EndCase{"tempo_1_99", 1.99f, 1.0f},
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
    int firstStep; // where playback starts
    // Recording frames a step sounds first (a step at P sounds from P + 1
    // with the tools off): none before the lowest, none at or after the
    // highest (0: the end of the recording), and after a jump the target.
    int lowestStep;
    int highestStep;
    int jumpTarget;
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
    // Playing to the end adds the overlap-add's tails past it.
    const int highest = c.highestStep > 0 ? c.highestStep : c.frames + (c.looping ? 0 : 4 * chain::hop);
    int jumps = 0;
    int maximum = 0;
    for (size_t i = 0; i < rig.probe->pushes.size(); ++i) {
        const int start = rig.probe->pushes[i].positionAfter - chain::hop;
        const int sounds = start + 1;
        if (i == 0) {
            EXPECT_EQ(start, c.firstStep);
        }
        ASSERT_GE(sounds, c.lowestStep);
        ASSERT_LT(sounds, highest);
        if (c.looping) {
            ASSERT_GT(c.frames - start, chain::framesize) << "a loop reads inside the recording";
        }
        if (i > 0 && sounds == c.jumpTarget)
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
        LoopCase{"looped_selection_below_the_hop", 200000, 100, 30000, true, 1124, 100, 30000, 100, true},
        LoopCase{"loop_without_selection", 60000, 0, 0, true, chain::hop, chain::hop + 1, 0, chain::hop + 1, true},
        LoopCase{"selection_without_loop_plays_past_it", 100000, 20000, 40000, false, 20000, 20001, 0, -1, false}),
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
            largestDifference =
                std::max(largestDifference, std::fabs(frames[size_t(2 * f)] - frames[size_t(2 * f + 1)]));
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
// Pause and resume: the resume goes on from the first frame not heard
// before the pause, and the shown position waits there.

struct PauseCase
{
    const char* name;
    int rateHz;
    int startFrame; // where playback resumes from before the pause
    int turnsBeforePause;
    float tempo; // 1: tool off
    float pitch; // 1: tool off
};

std::ostream& operator<<(std::ostream& os, const PauseCase& c)
{
    return os << c.name;
}

class PauseResume : public ::testing::TestWithParam<PauseCase>
{
};

TEST_P(PauseResume, GoesOnFromTheFirstFrameNotHeard)
{
    const PauseCase c = GetParam();
    const int frames = 10 * c.rateHz;
    Rig rig(Signal::Sine, frames, c.rateHz);
    if (c.tempo != 1.0f) {
        rig.player->setHop(c.tempo);
        rig.player->activateTempo(false);
    }
    if (c.pitch != 1.0f) {
        rig.player->setInterp(c.pitch);
        rig.player->activatePitch(false);
    }
    rig.player->setCurrentPositionFromSession(c.startFrame);
    rig.player->pause(); // resumes from the position
    for (int i = 0; i < c.turnsBeforePause; ++i)
        rig.turnAndTick(10.0);
    ASSERT_TRUE(rig.player->isPlaying());

    // What the device has not taken yet is not heard: the block holding
    // its first frame is where playing must go on.
    const StreamHandle before = rig.probe->lastStream;
    const int advance = stepAdvance();
    const std::vector<int> starts = rig.stepStarts(before, advance);
    const std::int64_t pushedFrames = std::int64_t(starts.size()) * chain::hop;
    const std::int64_t unheard = rig.probe->queuedFramesNow();
    ASSERT_GT(unheard, 0);
    const int firstUnheardBlock = int((pushedFrames - unheard) / chain::hop);
    const int expected = starts[size_t(firstUnheardBlock)];

    rig.player->pause();
    ASSERT_FALSE(rig.player->isPlaying());
    EXPECT_EQ(rig.player->getCurrentPosition(), expected);
    EXPECT_EQ(rig.player->getSampleIndexPtr()->load(), float(expected)) << "the shown position";

    rig.player->pause(); // resume
    rig.turnAndTick(10.0);
    ASSERT_NE(rig.probe->lastStream, before);
    const std::vector<int> resumed = rig.stepStarts(rig.probe->lastStream, advance);
    ASSERT_FALSE(resumed.empty());
    // Block for block: the heard part of the first block (less than one hop
    // of output) is played again, nothing is skipped.
    EXPECT_EQ(resumed.front(), expected);
    EXPECT_EQ(rig.output->underrunCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Positions, PauseResume,
                         ::testing::Values(PauseCase{"near_the_start_44k1", 44100, 0, 3, 1.0f, 1.0f},
                                           PauseCase{"middle_44k1", 44100, 200000, 40, 1.0f, 1.0f},
                                           PauseCase{"near_the_end_44k1", 44100, 420000, 20, 1.0f, 1.0f},
                                           PauseCase{"middle_tempo_44k1", 44100, 200000, 40, 0.8f, 1.0f},
                                           PauseCase{"middle_pitch_44k1", 44100, 200000, 40, 1.0f, 1.5f},
                                           PauseCase{"middle_tempo_and_pitch_44k1", 44100, 200000, 40, 1.25f,
                                                     0.75f},
                                           PauseCase{"near_the_start_96k", 96000, 0, 3, 1.0f, 1.0f},
                                           PauseCase{"middle_96k", 96000, 400000, 40, 1.0f, 1.0f},
                                           PauseCase{"near_the_end_96k", 96000, 900000, 20, 1.0f, 1.0f},
                                           PauseCase{"middle_tempo_and_pitch_96k", 96000, 400000, 40, 0.8f, 2.0f}),
                         RowName());

// Resumed, the block made for the first unheard frame sounds as it did
// before the pause: the overlap-add is refilled unheard first.
TEST(PauseResume, TheResumedBlockSoundsAsBefore)
{
    Rig rig(Signal::Sine, 400000);
    rig.player->play();
    for (int i = 0; i < 30; ++i)
        rig.turnAndTick(10.0);
    const StreamHandle before = rig.probe->lastStream;
    const std::int64_t unheard = rig.probe->queuedFramesNow();
    std::vector<const ProbeOutput::Push*> pushes;
    for (const ProbeOutput::Push& push : rig.probe->pushes) {
        if (push.stream == before)
            pushes.push_back(&push);
    }
    const size_t block = size_t((std::int64_t(pushes.size()) * chain::hop - unheard) / chain::hop);
    const std::vector<float> original = pushes[block + 1]->frames; // the first block carries the silent frame

    rig.player->pause();
    rig.player->pause();
    rig.turnAndTick(10.0);
    const ProbeOutput::Push* first = firstPushTo(*rig.probe, rig.probe->lastStream);
    ASSERT_NE(first, nullptr);
    const ProbeOutput::Push& second = *(first + 1);
    ASSERT_EQ(second.stream, rig.probe->lastStream);
    ASSERT_EQ(second.frames.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i)
        ASSERT_NEAR(second.frames[i], original[i], 1e-5f) << "value " << i;
}

// ---------------------------------------------------------------------------
// Whatever the buffer length, the player keeps more queued than the device
// takes at once: no underrun on a device that drains a quarter of the
// buffer at a time.

struct BufferCase
{
    const char* name;
    int bufferMs;
    int rateHz;
};

std::ostream& operator<<(std::ostream& os, const BufferCase& c)
{
    return os << c.name;
}

class BufferLength : public ::testing::TestWithParam<BufferCase>
{
};

TEST_P(BufferLength, TenSecondsWithoutAnUnderrun)
{
    const BufferCase c = GetParam();
    Rig rig(Signal::Sine, 12 * c.rateHz, c.rateHz, 2, Drain::QuarterBufferPeriods);
    rig.player->setDeviceBufferSize(c.bufferMs);
    rig.player->play();
    rig.player->feedOnce();
    for (int i = 0; i < 1000; ++i) // 10 s in turns of 10 ms
        rig.turnAndTick(10.0);
    EXPECT_TRUE(rig.player->isPlaying());
    EXPECT_EQ(rig.output->underrunCount(), 0);
    const double periodFrames = rig.output->drainPeriodMs() * c.rateHz / 1000.0;
    EXPECT_GT(rig.player->queueThresholdFrames(), periodFrames);
}

INSTANTIATE_TEST_SUITE_P(Lengths, BufferLength,
                         ::testing::Values(BufferCase{"ms10_44k1", 10, 44100}, BufferCase{"ms50_44k1", 50, 44100},
                                           BufferCase{"ms500_44k1", 500, 44100},
                                           BufferCase{"ms2000_44k1", 2000, 44100},
                                           BufferCase{"ms10_96k", 10, 96000}, BufferCase{"ms50_96k", 50, 96000},
                                           BufferCase{"ms500_96k", 500, 96000},
                                           BufferCase{"ms2000_96k", 2000, 96000}),
                         RowName());

// ---------------------------------------------------------------------------
// Volume and click gain ramp across one block: no step between samples.

struct RampCase
{
    const char* name;
    int mode; // 4: mono mix while the vocoder runs
    bool vocoder;
    int fromVolume;
    int toVolume;
};

std::ostream& operator<<(std::ostream& os, const RampCase& c)
{
    return os << c.name;
}

class GainRamp : public ::testing::TestWithParam<RampCase>
{
};

TEST_P(GainRamp, ANewVolumeRampsAcrossOneBlock)
{
    const RampCase c = GetParam();
    Rig rig(Signal::Dc, 200000);
    rig.player->changeMode(c.mode);
    if (c.vocoder)
        rig.player->activatePitch(false); // at pitch 1.0
    rig.player->setVolume(c.fromVolume);
    rig.player->play();
    for (int i = 0; i < 10; ++i)
        rig.turn(10.0);
    const size_t before = rig.probe->pushes.size();
    const float settled = rig.probe->pushes.back().frames[2 * (chain::hop - 1)];
    rig.player->setVolume(c.toVolume);
    for (int i = 0; i < 5; ++i)
        rig.turn(10.0);
    ASSERT_GT(rig.probe->pushes.size(), before + 1);

    const std::vector<float>& ramp = rig.probe->pushes[before].frames;
    const std::vector<float>& after = rig.probe->pushes[before + 1].frames;
    // A DC input: the level follows the gain alone.
    const float expectedEnd = settled * float(c.toVolume) / float(c.fromVolume);
    const float largestStep = std::fabs(expectedEnd - settled) / float(chain::hop) * 1.01f + 1e-6f;
    float previous = settled;
    for (int f = 0; f < chain::hop; ++f) {
        const float v = ramp[size_t(2 * f)];
        ASSERT_LE(std::fabs(v - previous), largestStep) << "a step at frame " << f;
        previous = v;
    }
    EXPECT_NEAR(ramp[size_t(2 * (chain::hop - 1))], expectedEnd, 1e-4f) << "at the new gain by the block's end";
    EXPECT_NEAR(after[0], expectedEnd, 1e-4f);
}

INSTANTIATE_TEST_SUITE_P(Mixes, GainRamp,
                         ::testing::Values(RampCase{"stereo_down", 1, false, 90, 10},
                                           RampCase{"stereo_up", 1, false, 20, 99},
                                           RampCase{"mono_mix_down", 4, true, 80, 30}),
                         RowName());

TEST(GainRamp, ANewClickGainRampsAcrossTheClick)
{
    // A beat every 2048 frames and a click as long, of one level: once the
    // first click sounds, one click follows the other without a gap.
    Rig rig(Signal::Silence, 300000);
    rig.model.handOver(evenBeats(120, 5000.0f, 2048.0f));
    const std::vector<float> flat(2048, 0.5f);
    rig.player->initBeep(flat.data(), flat.data(), int(flat.size()));
    rig.player->setMetroVolume(20);
    rig.player->play();
    while (rig.probe->pushes.size() < 8)
        rig.turn(10.0);
    ASSERT_EQ(rig.probe->pushes.back().frames[0], 0.1f);
    const size_t before = rig.probe->pushes.size();
    rig.player->setMetroVolume(80);
    while (rig.probe->pushes.size() < before + 2)
        rig.turn(10.0);

    // The next block rises from 0.1 to 0.4 in even steps; the one after is
    // at 0.4 throughout.
    const std::vector<float>& ramp = rig.probe->pushes[before].frames;
    EXPECT_NEAR(ramp[0], 0.1f + 0.3f / float(chain::hop), 1e-6f);
    EXPECT_NEAR(ramp[2 * (chain::hop - 1)], 0.4f, 1e-6f);
    for (int f = 1; f < chain::hop; ++f)
        ASSERT_LE(std::fabs(ramp[size_t(2 * f)] - ramp[size_t(2 * f - 2)]), 0.3f / float(chain::hop) + 1e-6f);
    const std::vector<float>& after = rig.probe->pushes[before + 1].frames;
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](float v) { return std::fabs(v - 0.4f) < 1e-6f; }));
}

} // namespace
