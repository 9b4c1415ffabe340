// The player on a real device, in real time, on its own playback thread:
// PortAudio's ALSA host plays into a private sound server, and the server
// sink's monitor is the listener. The recordings tell their own position
// (capture::positionSignal), so every heard frame says where it came from.
// Each case measures in tries (SoundTries.h): a gap, an underrun or a slow
// switch that the machine made is tried again, a fault of the player is not.
#include "AudioOutput.h"
#include "AudioPlayer.h"

#include "CaptureAnalysis.h"
#include "RowName.h"
#include "SoundServer.h"
#include "SoundTries.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

using sound_tries::runTries;
using sound_tries::Stall;
using sound_tries::Try;

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

// The one silence a case expects is the longest; the other silent runs
// are gaps. Empty span for no run.
capture::Span longest(const std::vector<capture::Span>& runs)
{
    capture::Span best;
    for (const capture::Span& run : runs)
        if (run.frames() > best.frames())
            best = run;
    return best;
}

std::vector<capture::Span> allBut(std::vector<capture::Span> runs, const capture::Span& expected)
{
    runs.erase(std::remove_if(runs.begin(), runs.end(),
                              [&](const capture::Span& r) { return r.first == expected.first; }),
               runs.end());
    return runs;
}

// The jump a case expects is the first after its silence; the others are
// frames lost or a fault. Null for none.
const capture::Jump* firstJumpAfter(const std::vector<capture::Jump>& jumps, std::int64_t frame)
{
    for (const capture::Jump& jump : jumps)
        if (jump.frame > frame)
            return &jump;
    return nullptr;
}

std::vector<capture::Jump> allBut(const std::vector<capture::Jump>& jumps, const capture::Jump* expected)
{
    std::vector<capture::Jump> rest;
    for (const capture::Jump& jump : jumps)
        if (&jump != expected)
            rest.push_back(jump);
    return rest;
}

// A player on the server's own device, and a capture of the server's sink:
// made afresh for each try.
class ServerRig
{
public:
    void start()
    {
        ASSERT_TRUE(server.start()) << server.error().toStdString();
        AudioOutputOptions options;
        options.backend = AudioBackend::RealDevices; // whatever TONBROOK_AUDIO says
        watch = new sound_tries::WatchedOutput(AudioOutput::create(options));
        output.reset(watch);
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

    // What the try met on the way; gaps: the silent runs the case does not
    // expect.
    sound_tries::Evidence evidence(std::vector<capture::Span> gaps) const
    {
        sound_tries::Evidence e;
        e.gaps = std::move(gaps);
        e.log = server.logSoFar();
        e.lowestQueuedFrames = watch->lowestQueuedFrames();
        e.empties = sound_tries::empties(*watch, stalls, server, e.log);
        e.layerUnderruns = output->underrunCount();
        return e;
    }

    // What the device's buffer holds, at most: the frames a device that
    // ran dry can drop.
    double deviceBufferFrames() const { return output->drainPeriodMs() * kRate / 1000.0; }

    sound_tries::StallWatch stalls;
    SoundServer server;
    sound_tries::WatchedOutput* watch = nullptr; // output's
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
TEST(ServerPlayer, PauseAndResumeLoseNothing)
{
    runTries([](Try& t) {
        ServerRig rig;
        rig.start();
        if (t.failedFatally())
            return;
        const int frames = 5 * kRate;
        rig.load(capture::positionSignal(frames));
        rig.startListening();
        rig.player->play();
        QTest::qWait(3000);
        ASSERT_TRUE(rig.player->isPlaying());
        rig.player->pause();
        ASSERT_FALSE(rig.player->isPlaying());
        QTest::qWait(1000);
        rig.player->pause(); // resume
        ASSERT_TRUE(rig.player->isPlaying());
        rig.playToTheEnd(6000);
        const std::vector<float> heard = rig.listener->stop();

        // One silence inside the sound: the pause.
        const capture::Span sound = capture::soundSpan(heard, kSounding);
        const std::vector<capture::Span> runs = capture::silentRuns(heard, sound, kSounding);
        ASSERT_FALSE(runs.empty()) << "no pause heard";
        const capture::Span pause = longest(runs);
        const sound_tries::Evidence evidence = rig.evidence(allBut(runs, pause));
        t.stallProne(sound_tries::judgeGaps(evidence),
                     [&] { EXPECT_TRUE(evidence.gaps.empty()) << "one silence, the pause:" << describe(runs); });
        EXPECT_NEAR(double(pause.frames()) / kRate, 1.0, 0.25) << "heard pause, s";

        // The one jump: back at the resume, by less than a block.
        const capture::PositionTrack track = capture::trackPositions(heard, frames, kSounding, kFrameTolerance);
        EXPECT_EQ(track.unmapped, 0) << describe(track);
        const capture::Jump* resume = firstJumpAfter(track.jumps, pause.last);
        const std::vector<capture::Jump> others = allBut(track.jumps, resume);
        t.stallProne(sound_tries::judgeSkips(evidence, others, rig.deviceBufferFrames()),
                     [&] { EXPECT_TRUE(others.empty()) << "jumps besides the resume's: " << describe(track); });
        ASSERT_NE(resume, nullptr) << "no repeat at the resume: " << describe(track);
        EXPECT_LT(resume->to, resume->from + 1.0) << "frames skipped: " << describe(track);
        EXPECT_LT(resume->from + 1.0 - resume->to, 1024.0 + kFrameTolerance) << "more than a block again";
        EXPECT_NEAR(track.last, frames - 1, kFrameTolerance) << "the end is not heard: " << describe(track);
        EXPECT_NEAR(track.highest, frames - 1, kFrameTolerance);
        std::cout << "[ measured ] pause heard " << pause.frames() << " frames; resumed "
                  << resume->from + 1.0 - resume->to << " frames back\n";
    });
}

// Whatever the device's buffer length, 3 s play without a gap: one run of
// sound, every frame of the recording once, and no underrun counted.
struct BufferCase
{
    const char* name;
    int bufferMs;
};

class ServerBuffer : public ::testing::TestWithParam<BufferCase>
{
};

TEST_P(ServerBuffer, ThreeSecondsWithoutAGap)
{
    const BufferCase c = GetParam();
    runTries([&](Try& t) {
        ServerRig rig;
        rig.start();
        if (t.failedFatally())
            return;
        const int frames = 3 * kRate;
        rig.player->setDeviceBufferSize(c.bufferMs);
        ASSERT_EQ(rig.output->bufferLengthMs(), c.bufferMs);
        rig.load(capture::positionSignal(frames));
        rig.startListening();
        rig.player->play();
        rig.playToTheEnd(6000 + 2 * c.bufferMs);
        const std::vector<float> heard = rig.listener->stop();

        const capture::Span sound = capture::soundSpan(heard, kSounding);
        const sound_tries::Evidence evidence = rig.evidence(capture::silentRuns(heard, sound, kSounding));
        t.stallProne(sound_tries::judgeGaps(evidence), [&] {
            EXPECT_EQ(rig.output->underrunCount(), 0);
            EXPECT_TRUE(evidence.gaps.empty()) << describe(evidence.gaps);
        });
        const capture::PositionTrack track = capture::trackPositions(heard, frames, kSounding, kFrameTolerance);
        EXPECT_EQ(track.unmapped, 0) << describe(track);
        t.stallProne(sound_tries::judgeSkips(evidence, track.jumps, rig.deviceBufferFrames()),
                     [&] { EXPECT_TRUE(track.jumps.empty()) << describe(track); });
        EXPECT_NEAR(track.last, frames - 1, kFrameTolerance) << describe(track);
        std::cout << "[ measured ] " << c.bufferMs << " ms: heard " << sound.frames() << " frames from "
                  << track.first << " to " << track.last << ", drain period " << rig.output->drainPeriodMs()
                  << " ms, least queued " << rig.watch->lowestQueuedFrames() << " frames\n";
    });
}

INSTANTIATE_TEST_SUITE_P(Lengths, ServerBuffer,
                         ::testing::Values(BufferCase{"ms10", 10}, BufferCase{"ms50", 50},
                                           BufferCase{"ms500", 500}, BufferCase{"ms2000", 2000}),
                         RowName());

// Server → "No sound" → server while playing: playback goes on throughout
// (on the silent device in between), the server's stream goes away and
// comes back, and what is heard on either side is the recording in order.
TEST(ServerPlayer, DeviceSwitchWhilePlayingKeepsPlaying)
{
    runTries([](Try& t) {
        ServerRig rig;
        rig.start();
        if (t.failedFatally())
            return;
        const int frames = 8 * kRate;
        rig.load(capture::positionSignal(frames));
        const int noSound = rig.player->getDeviceList().size() - 1;
        ASSERT_EQ(rig.player->getDeviceList().at(noSound), "No sound");
        rig.startListening();
        rig.player->play();
        QTest::qWait(1000);
        t.stallProne(sound_tries::judgeStreamGone(rig.evidence({})),
                     [&] { EXPECT_EQ(rig.server.sinkInputCount(), 1) << "no stream 1 s after play()"; });

        const sound_tries::DelayClock switchClock(rig.server);
        rig.player->setAudioDevice(noSound);
        ASSERT_TRUE(rig.player->isPlaying());
        EXPECT_EQ(rig.server.sinkInputCount(), 0) << "the server's stream is left open";
        const std::size_t streamsBefore = rig.server.logSoFar().streamsMadeS.size();
        const int silentFrom = rig.player->getCurrentPosition();
        QTest::qWait(1000);
        EXPECT_GT(rig.player->getCurrentPosition() - silentFrom, kRate / 2) << "no progress on the silent device";

        rig.player->setAudioDevice(rig.serverDevice);
        ASSERT_TRUE(rig.player->isPlaying());
        // Long enough for the sound to come back; not the second after.
        QTest::qWait(200);
        const double waitedMs = switchClock.waitedMs();
        QTest::qWait(800);
        const int streamsBack = rig.server.sinkInputCount();
        const sound_tries::Evidence back = rig.evidence({});
        // The stream made for the switch back, where the server made one.
        const double backS =
            back.log.streamsMadeS.size() > streamsBefore ? back.log.streamsMadeS[streamsBefore] : 1e9;
        t.stallProne(sound_tries::judgeStreamGone(back, backS),
                     [&] { EXPECT_EQ(streamsBack, 1) << "no stream 1 s after the switch back"; });
        EXPECT_TRUE(rig.player->isPlaying());
        rig.player->stop();
        QTest::qWait(300);
        const std::vector<float> heard = rig.listener->stop();

        const capture::Span sound = capture::soundSpan(heard, kSounding);
        // A busy machine can leave a few ms of gap as a stream starts (the
        // buffer tests look for those); here only the switch's silence counts.
        const std::vector<capture::Span> allRuns = capture::silentRuns(heard, sound, kSounding);
        std::vector<capture::Span> runs;
        for (const capture::Span& run : allRuns)
            if (run.frames() > kRate / 20)
                runs.push_back(run);
        ASSERT_FALSE(runs.empty()) << "no silence on \"No sound\"";
        const capture::Span switchSilence = longest(runs);
        const sound_tries::Evidence evidence = rig.evidence(allBut(runs, switchSilence));
        t.stallProne(sound_tries::judgeGaps(evidence), [&] {
            EXPECT_TRUE(evidence.gaps.empty()) << "one silence, on \"No sound\":" << describe(runs);
        });
        // A second on the silent device, plus the time the switches take.
        const double silence = double(switchSilence.frames()) / kRate;
        EXPECT_GT(silence, 0.75) << "silence heard, s";
        t.stallProne(sound_tries::judgeDelay(1000.0 * (silence - 1.5), waitedMs, "the switch's silence was long"),
                     [&] { EXPECT_LT(silence, 1.5) << "silence heard, s"; });
        const capture::PositionTrack track = capture::trackPositions(heard, frames, kSounding, kFrameTolerance);
        EXPECT_EQ(track.unmapped, 0) << describe(track);
        const capture::Jump* onwards = firstJumpAfter(track.jumps, switchSilence.last);
        const std::vector<capture::Jump> others = allBut(track.jumps, onwards);
        // Frames lost where the device ran dry follow a gap of any length.
        t.stallProne(sound_tries::judgeSkips(rig.evidence(allBut(allRuns, switchSilence)), others,
                                             rig.deviceBufferFrames()),
                     [&] { EXPECT_TRUE(others.empty()) << "jumps besides the switch's: " << describe(track); });
        ASSERT_NE(onwards, nullptr) << "no jump at the switch back: " << describe(track);
        // On, past what the silent device played.
        EXPECT_GT(onwards->to - onwards->from, 0.75 * kRate) << describe(track);
        const double heardAfter =
            double(capture::soundSpan(heard, kSounding, switchSilence.last).frames()) / kRate;
        t.stallProne(sound_tries::judgeDelay(1000.0 * (0.5 - heardAfter), waitedMs, "the switch back was slow"),
                     [&] { EXPECT_GT(heardAfter, 0.5) << "little heard after the switch back, s"; });
        std::cout << "[ measured ] switch silence " << silence << " s, heard after it " << heardAfter
                  << " s; the threads waited " << waitedMs << " ms for a processor\n";
    });
}

// Two beats looped: every pass is the selection's frames and nothing
// else, its last frame just before the wrap and its first just after, and
// each pass as long as the selection. Frames faded at the cuts read back
// too (both channels fade together); the few quietest do not sound.
TEST(ServerPlayer, LoopedSelectionPlaysExactlyItsFrames)
{
    constexpr int loopStart = 60000;
    constexpr int loopEnd = loopStart + 44096; // two beats, not whole blocks
    constexpr int fadeFrames = 32;             // read as silence at a cut
    runTries([&](Try& t) {
        ServerRig rig;
        rig.start();
        if (t.failedFatally())
            return;
        const int frames = 4 * kRate;
        rig.load(capture::positionSignal(frames));
        int start = loopStart;
        int end = loopEnd;
        rig.player->initLoop(&start, &end);
        rig.player->loopPointsChanged();
        rig.player->loop(true);
        rig.startListening();
        rig.player->play();
        QTest::qWait(4600);
        rig.player->stop();
        const std::vector<float> heard = rig.listener->stop();

        const capture::PositionTrack track = capture::trackPositions(heard, frames, kSounding, kFrameTolerance);
        EXPECT_EQ(track.unmapped, 0) << describe(track);
        EXPECT_LT(track.highest, loopEnd) << "a frame past the loop heard: " << describe(track);
        std::vector<capture::Jump> wraps;
        std::vector<capture::Jump> others;
        for (const capture::Jump& jump : track.jumps) {
            const bool wrap = jump.from >= loopEnd - 1 - fadeFrames && jump.to <= loopStart + fadeFrames;
            (wrap ? wraps : others).push_back(jump);
        }
        const capture::Span sound = capture::soundSpan(heard, kSounding);
        std::vector<capture::Span> gaps;
        for (const capture::Span& run : capture::silentRuns(heard, sound, kSounding)) {
            const bool atWrap = std::any_of(wraps.begin(), wraps.end(), [&](const capture::Jump& w) {
                return std::abs(w.frame - run.last - 1) <= 1 && run.frames() <= fadeFrames;
            });
            if (!atWrap)
                gaps.push_back(run);
        }
        const sound_tries::Evidence evidence = rig.evidence(gaps);
        const sound_tries::Stall gapStall = sound_tries::judgeGaps(evidence);
        const sound_tries::Stall skipStall = sound_tries::judgeSkips(evidence, others, rig.deviceBufferFrames());
        t.stallProne(gapStall, [&] { EXPECT_TRUE(gaps.empty()) << describe(gaps); });
        t.stallProne(skipStall,
                     [&] { EXPECT_TRUE(others.empty()) << "jumps besides the wraps: " << describe(track); });
        ASSERT_GE(wraps.size(), 3u) << describe(track);
        for (size_t w = 1; w < wraps.size(); ++w) {
            // The frames from one wrap's first frame to the next's.
            const double pass = double(wraps[w].frame - wraps[w - 1].frame) + (wraps[w].to - wraps[w - 1].to);
            const auto inPass = [&](std::int64_t frame) {
                return frame >= wraps[w - 1].frame && frame < wraps[w].frame;
            };
            const auto checkPass = [&] {
                EXPECT_NEAR(pass, loopEnd - loopStart, 2.0) << "pass " << w << ": " << describe(track);
            };
            // A gap or a skip inside a pass changes its heard length: the
            // pass is then the machine's when that gap or skip was.
            const bool gapInside =
                std::any_of(gaps.begin(), gaps.end(), [&](const capture::Span& g) { return inPass(g.first); });
            const bool skipInside =
                std::any_of(others.begin(), others.end(), [&](const capture::Jump& j) { return inPass(j.frame); });
            if (gapInside || skipInside) {
                sound_tries::Stall stall;
                stall.shown = (!gapInside || gapStall.shown) && (!skipInside || skipStall.shown);
                stall.why = gapInside ? gapStall.why : skipStall.why;
                t.stallProne(stall, checkPass);
            } else {
                checkPass();
            }
        }
        std::cout << "[ measured ] " << wraps.size() << " wraps, each from " << wraps.front().from << " to "
                  << wraps.front().to << ", passes of " << wraps[1].frame - wraps[0].frame
                  << " frames; highest frame heard " << track.highest << " (loop end " << loopEnd << ")\n";
    });
}

// Tempo and pitch on a sine: the heard tone has the pitch asked for and
// lasts the recording's length over the tempo.
struct ToolCase
{
    const char* name;
    float tempo;
    int semitones;
};

class ServerTools : public ::testing::TestWithParam<ToolCase>
{
};

TEST_P(ServerTools, HeardFrequencyAndLength)
{
    const ToolCase c = GetParam();
    runTries([&](Try& t) {
        ServerRig rig;
        rig.start();
        if (t.failedFatally())
            return;
        const int frames = 3 * kRate;
        // Room for the vocoder's blocks on a busy machine: a hole would bend
        // the measured pitch.
        rig.player->setDeviceBufferSize(500);
        const double toneHz = 440.0;
        rig.load(synth::tones({{toneHz, 0.5f, 1.0f, 1.0f}}, frames, kRate));
        if (c.tempo != 1.0f) {
            rig.player->setHop(c.tempo);
            rig.player->activateTempo(false);
        }
        const double pitchRatio = std::pow(2.0, c.semitones / 12.0);
        if (c.semitones != 0) {
            rig.player->setInterp(float(pitchRatio));
            rig.player->activatePitch(false);
        }
        rig.startListening();
        rig.player->play();
        rig.playToTheEnd(8000);
        const std::vector<float> heard = rig.listener->stop();

        const capture::Span sound = capture::soundSpan(heard, kSounding);
        ASSERT_FALSE(sound.empty());
        // A gap bends the pitch and stretches the length. The tone passes
        // below the threshold for a frame or two at each zero crossing:
        // only longer runs are gaps.
        std::vector<capture::Span> gaps;
        for (const capture::Span& run : capture::silentRuns(heard, sound, kSounding))
            if (run.frames() > kRate / 500)
                gaps.push_back(run);
        const Stall stall = sound_tries::judgeGaps(rig.evidence(gaps));
        // The middle, clear of the fades at either end.
        const capture::Span middle{sound.first + kRate / 4, sound.last - kRate / 4};
        const double hz = capture::toneFrequencyHz(heard, 0, middle, kRate);
        const double expectedHz = toneHz * pitchRatio;
        // Playing starts one hop into the recording (the position rule).
        const double expectedFrames = (frames - 1024) / double(c.tempo);
        t.stallProne(stall, [&] {
            EXPECT_NEAR(capture::centsBetween(hz, expectedHz), 0.0, 2.0)
                << hz << " Hz heard, " << expectedHz << " asked";
            EXPECT_NEAR(capture::centsBetween(capture::toneFrequencyHz(heard, 1, middle, kRate), expectedHz), 0.0,
                        2.0);
            // The overlap-add fades in over the first blocks and out over
            // the last: less than a hop each.
            EXPECT_NEAR(double(sound.frames()), expectedFrames, 2048.0);
        });
        std::cout << "[ measured ] " << c.name << ": " << hz << " Hz (" << capture::centsBetween(hz, expectedHz)
                  << " cents), " << sound.frames() << " frames heard for " << expectedFrames << "\n";
    });
}

INSTANTIATE_TEST_SUITE_P(Tools, ServerTools,
                         ::testing::Values(ToolCase{"tempo_0_8", 0.8f, 0}, ToolCase{"pitch_up_3", 1.0f, 3},
                                           ToolCase{"tempo_0_8_pitch_up_3", 0.8f, 3}),
                         RowName());

} // namespace
