// The player on a real device, in real time, on its own playback thread:
// PortAudio's ALSA host plays into a private sound server, and the server
// sink's monitor is the listener. The recordings tell their own position
// (capture::positionSignal), so every heard frame says where it came from.
#include "AudioOutput.h"
#include "AudioPlayer.h"

#include "CaptureAnalysis.h"
#include "RowName.h"
#include "SoundServer.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr int kRate = SoundServer::kRateHz;
// The position signal at the player's full volume stays near 0.37 after
// the overlap-add; its fades below this carry too little to read back.
constexpr float kSounding = 0.02f;
// Half a frame: a heard frame reads back to one source frame or none.
constexpr double kFrameTolerance = 0.5;

// Runs the event loop (the player's 10 ms tick) until done() or timeoutMs.
bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

std::string describe(const capture::PositionTrack& t)
{
    std::string s = "mapped " + std::to_string(t.mapped) + ", unmapped " + std::to_string(t.unmapped) + ", first "
        + std::to_string(t.first) + ", last " + std::to_string(t.last) + ", jumps:";
    for (const capture::Jump& j : t.jumps)
        s += " [frame " + std::to_string(j.frame) + ": " + std::to_string(j.from) + " -> " + std::to_string(j.to)
            + "]";
    return s;
}

std::string describe(const std::vector<capture::Span>& runs)
{
    std::string s;
    for (const capture::Span& r : runs)
        s += " [" + std::to_string(r.first) + ", " + std::to_string(r.frames()) + " frames]";
    return s;
}

// A player on the server's own device, and a capture of the server's sink.
class ServerPlayer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.error().toStdString();
        AudioOutputOptions options;
        options.backend = AudioBackend::RealDevices; // whatever TONBROOK_AUDIO says
        output = AudioOutput::create(options);
        player = std::make_unique<AudioPlayer>(*output);
        serverDevice = player->deviceStringToIndex(SoundServer::alsaDeviceName());
        ASSERT_GE(serverDevice, 0) << player->getDeviceList().join(", ").toStdString();
        player->setAudioDevice(serverDevice);
        ASSERT_EQ(player->getAudioDevice(), SoundServer::alsaDeviceName());
        listener = std::make_unique<MonitorCapture>(server);
    }

    void load(synth::Stereo s)
    {
        recording = std::move(s);
        ASSERT_TRUE(
            player->setPlaybackVars(recording.left.data(), recording.right.data(), 2, recording.frames(), kRate));
    }

    void startListening() { ASSERT_TRUE(listener->start()) << listener->error().toStdString(); }

    // Until the player has ended by itself and its last frames have
    // gone through the device's buffer and the server.
    void playToTheEnd(int timeoutMs)
    {
        ASSERT_TRUE(waitUntil([&] { return !player->isPlaying(); }, timeoutMs)) << "still playing";
        ASSERT_TRUE(listener->waitForSoundToEnd(300, 2 * output->bufferLengthMs() + 3000))
            << "no sound, or it never ends";
    }

    SoundServer server;
    std::unique_ptr<AudioOutput> output;
    synth::Stereo recording;
    std::unique_ptr<AudioPlayer> player;
    std::unique_ptr<MonitorCapture> listener;
    int serverDevice = -1;
};

// Played 3 s, paused 1 s, resumed to the end: every heard frame is a frame
// of the recording, in order; the resume may repeat less than one block
// (the part of it heard before the pause), nothing is skipped, and the
// last frame is heard.
TEST_F(ServerPlayer, PauseAndResumeLoseNothing)
{
    const int frames = 5 * kRate;
    load(capture::positionSignal(frames));
    startListening();
    player->play();
    QTest::qWait(3000);
    ASSERT_TRUE(player->isPlaying());
    player->pause();
    ASSERT_FALSE(player->isPlaying());
    QTest::qWait(1000);
    player->pause(); // resume
    ASSERT_TRUE(player->isPlaying());
    playToTheEnd(6000);
    const std::vector<float> heard = listener->stop();

    const capture::PositionTrack track = capture::trackPositions(heard, frames, kSounding, kFrameTolerance);
    EXPECT_EQ(track.unmapped, 0) << describe(track);
    EXPECT_LE(track.jumps.size(), 1u) << describe(track);
    for (const capture::Jump& jump : track.jumps) {
        EXPECT_LT(jump.to, jump.from + 1.0) << "frames skipped: " << describe(track);
        EXPECT_LT(jump.from + 1.0 - jump.to, 1024.0 + kFrameTolerance) << "more than a block again";
    }
    EXPECT_NEAR(track.last, frames - 1, kFrameTolerance) << "the end is not heard: " << describe(track);
    EXPECT_NEAR(track.highest, frames - 1, kFrameTolerance);

    // One silence inside the sound: the pause.
    const capture::Span sound = capture::soundSpan(heard, kSounding);
    const std::vector<capture::Span> runs = capture::silentRuns(heard, sound, kSounding);
    ASSERT_EQ(runs.size(), 1u) << describe(runs);
    EXPECT_NEAR(double(runs.front().frames()) / kRate, 1.0, 0.25) << "heard pause, s";
    ASSERT_EQ(track.jumps.size(), 1u);
    EXPECT_GT(track.jumps.front().frame, runs.front().last) << "the repeat is at the resume";
    std::cout << "[ measured ] pause heard " << runs.front().frames() << " frames; resumed "
              << track.jumps.front().from + 1.0 - track.jumps.front().to << " frames back\n";
}

// Whatever the device's buffer length, 3 s play without a gap: one run of
// sound, every frame of the recording once, and no underrun counted.
struct BufferCase
{
    const char* name;
    int bufferMs;
};

class ServerBuffer : public ServerPlayer, public ::testing::WithParamInterface<BufferCase>
{
};

TEST_P(ServerBuffer, ThreeSecondsWithoutAGap)
{
    const int frames = 3 * kRate;
    player->setDeviceBufferSize(GetParam().bufferMs);
    ASSERT_EQ(output->bufferLengthMs(), GetParam().bufferMs);
    load(capture::positionSignal(frames));
    startListening();
    player->play();
    playToTheEnd(6000 + 2 * GetParam().bufferMs);
    const std::vector<float> heard = listener->stop();

    EXPECT_EQ(output->underrunCount(), 0);
    const capture::Span sound = capture::soundSpan(heard, kSounding);
    const std::vector<capture::Span> gaps = capture::silentRuns(heard, sound, kSounding);
    EXPECT_TRUE(gaps.empty()) << describe(gaps);
    const capture::PositionTrack track = capture::trackPositions(heard, frames, kSounding, kFrameTolerance);
    EXPECT_EQ(track.unmapped, 0) << describe(track);
    EXPECT_TRUE(track.jumps.empty()) << describe(track);
    EXPECT_NEAR(track.last, frames - 1, kFrameTolerance) << describe(track);
    std::cout << "[ measured ] " << GetParam().bufferMs << " ms: heard " << sound.frames() << " frames from "
              << track.first << " to " << track.last << ", drain period " << output->drainPeriodMs() << " ms\n";
}

INSTANTIATE_TEST_SUITE_P(Lengths, ServerBuffer,
                         ::testing::Values(BufferCase{"ms10", 10}, BufferCase{"ms50", 50},
                                           BufferCase{"ms500", 500}, BufferCase{"ms2000", 2000}),
                         RowName());

// Server → "No sound" → server while playing: playback goes on throughout
// (on the silent device in between), the server's stream goes away and
// comes back, and what is heard on either side is the recording in order.
TEST_F(ServerPlayer, DeviceSwitchWhilePlayingKeepsPlaying)
{
    const int frames = 8 * kRate;
    load(capture::positionSignal(frames));
    const int noSound = player->getDeviceList().size() - 1;
    ASSERT_EQ(player->getDeviceList().at(noSound), "No sound");
    startListening();
    player->play();
    QTest::qWait(1000);
    EXPECT_EQ(server.sinkInputCount(), 1);

    player->setAudioDevice(noSound);
    ASSERT_TRUE(player->isPlaying());
    EXPECT_EQ(server.sinkInputCount(), 0) << "the server's stream is left open";
    const int silentFrom = player->getCurrentPosition();
    QTest::qWait(1000);
    EXPECT_GT(player->getCurrentPosition() - silentFrom, kRate / 2) << "no progress on the silent device";

    player->setAudioDevice(serverDevice);
    ASSERT_TRUE(player->isPlaying());
    QTest::qWait(1000);
    EXPECT_EQ(server.sinkInputCount(), 1);
    EXPECT_TRUE(player->isPlaying());
    player->stop();
    QTest::qWait(300);
    const std::vector<float> heard = listener->stop();

    const capture::Span sound = capture::soundSpan(heard, kSounding);
    // A busy machine can leave a few ms of gap as a stream starts (the
    // buffer tests look for those); here only the switch's silence counts.
    std::vector<capture::Span> runs;
    for (const capture::Span& run : capture::silentRuns(heard, sound, kSounding))
        if (run.frames() > kRate / 20)
            runs.push_back(run);
    ASSERT_EQ(runs.size(), 1u) << "one silence, on \"No sound\":" << describe(runs);
    // A second on the silent device, plus the time the switches take.
    const double silence = double(runs.front().frames()) / kRate;
    EXPECT_GT(silence, 0.75) << "silence heard, s";
    EXPECT_LT(silence, 1.5) << "silence heard, s";
    const capture::PositionTrack track = capture::trackPositions(heard, frames, kSounding, kFrameTolerance);
    EXPECT_EQ(track.unmapped, 0) << describe(track);
    ASSERT_EQ(track.jumps.size(), 1u) << describe(track);
    // On, past what the silent device played.
    EXPECT_GT(track.jumps.front().to - track.jumps.front().from, 0.75 * kRate) << describe(track);
    EXPECT_GT(capture::soundSpan(heard, kSounding, runs.front().last).frames(), kRate / 2)
        << "little heard after the switch back";
}

// Tempo and pitch on a sine: the heard tone has the pitch asked for and
// lasts the recording's length over the tempo.
struct ToolCase
{
    const char* name;
    float tempo;
    int semitones;
};

class ServerTools : public ServerPlayer, public ::testing::WithParamInterface<ToolCase>
{
};

TEST_P(ServerTools, HeardFrequencyAndLength)
{
    const ToolCase c = GetParam();
    const int frames = 3 * kRate;
    // Room for the vocoder's blocks on a busy machine: a hole would bend
    // the measured pitch.
    player->setDeviceBufferSize(500);
    const double toneHz = 440.0;
    load(synth::tones({{toneHz, 0.5f, 1.0f, 1.0f}}, frames, kRate));
    if (c.tempo != 1.0f) {
        player->setHop(c.tempo);
        player->activateTempo(false);
    }
    const double pitchRatio = std::pow(2.0, c.semitones / 12.0);
    if (c.semitones != 0) {
        player->setInterp(float(pitchRatio));
        player->activatePitch(false);
    }
    startListening();
    player->play();
    playToTheEnd(8000);
    const std::vector<float> heard = listener->stop();

    const capture::Span sound = capture::soundSpan(heard, kSounding);
    ASSERT_FALSE(sound.empty());
    // The middle, clear of the fades at either end.
    const capture::Span middle{sound.first + kRate / 4, sound.last - kRate / 4};
    const double hz = capture::toneFrequencyHz(heard, 0, middle, kRate);
    const double expectedHz = toneHz * pitchRatio;
    EXPECT_NEAR(capture::centsBetween(hz, expectedHz), 0.0, 2.0) << hz << " Hz heard, " << expectedHz << " asked";
    EXPECT_NEAR(capture::centsBetween(capture::toneFrequencyHz(heard, 1, middle, kRate), expectedHz), 0.0, 2.0);
    // Playing starts one hop into the recording (the position rule).
    const double expectedFrames = (frames - 1024) / double(c.tempo);
    // The overlap-add fades in over the first blocks and out over the
    // last: less than a hop each.
    EXPECT_NEAR(double(sound.frames()), expectedFrames, 2048.0);
    std::cout << "[ measured ] " << c.name << ": " << hz << " Hz (" << capture::centsBetween(hz, expectedHz)
              << " cents), " << sound.frames() << " frames heard for " << expectedFrames << "\n";
}

INSTANTIATE_TEST_SUITE_P(Tools, ServerTools,
                         ::testing::Values(ToolCase{"tempo_0_8", 0.8f, 0}, ToolCase{"pitch_up_3", 1.0f, 3},
                                           ToolCase{"tempo_0_8_pitch_up_3", 0.8f, 3}),
                         RowName());

} // namespace
