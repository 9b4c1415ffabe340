// Riff and song playback on the player's own thread while the GUI edits
// everything the stepping reads: steps, loop lengths, pitches, song slots,
// the active riff, the pitch controls and the beat offset. Bounded in
// count and time, fixed seeds; also run under ThreadSanitizer.
#include "AudioPlayer.h"
#include "FastDevice.h"
#include "FeedLoop.h"
#include "JamFakes.h"
#include "MetaData.h"
#include "PlayerTestSupport.h"
#include "SyntheticSignals.h"
#include "ToolSwitches.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <thread>
#include <vector>

using namespace jamplay_test;

namespace {

constexpr int frames = 300000;
constexpr int beatCount = 60;

AnalysisResult beatsEvery(float spacing, int count)
{
    AnalysisResult result;
    result.bpm = 120.0f;
    for (int i = 0; i < count; ++i)
        result.beats.append(spacing * float(i + 1));
    result.chordVec = QVector<QString>(count - 1, QStringLiteral("G"));
    result.chordVecDetected = {QStringLiteral("G")};
    result.beatLengthPercent = int(spacing / 100.0f);
    return result;
}

// The GUI's side for `duration`: random edits between event-loop turns
// (which run the tick that sends the step signals).
void editWhilePlaying(AudioPlayer& player, RiffSet& riffs, FakeSong& song, std::mt19937& rng,
                      std::chrono::milliseconds duration)
{
    std::uniform_int_distribution<int> what(0, 8);
    std::uniform_int_distribution<int> riffOf(0, jamplay::riffCount - 1);
    std::uniform_int_distribution<int> stepOf(0, RiffSource::stepCount - 1);
    std::uniform_int_distribution<int> beatOf(0, beatCount + 3); // a few beyond the grid
    std::uniform_int_distribution<int> loopOf(-2, RiffSource::stepCount - 1);
    std::uniform_int_distribution<int> slotValue(-1, jamplay::riffCount - 1);
    std::uniform_int_distribution<int> offsetOf(40, 58);
    const float pitches[] = {0.5f, 0.75f, 1.0f, 1.5f, 2.0f};
    std::uniform_int_distribution<int> pitchOf(0, 4);

    const auto until = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < until) {
        FakeRiff& riff = riffs.riff[riffOf(rng)];
        switch (what(rng)) {
        case 0:
            riff.setBeat(stepOf(rng), beatOf(rng));
            break;
        case 1:
            riff.setLoopLength(loopOf(rng));
            break;
        case 2:
            riff.setPitch(stepOf(rng), pitches[pitchOf(rng)]);
            break;
        case 3:
            song.setSlot(stepOf(rng), slotValue(rng));
            break;
        case 4:
            player.setRiff(riffOf(rng));
            break;
        case 5:
            player.setBeatOffset(offsetOf(rng));
            break;
        case 6:
            player.setInterp(pitches[pitchOf(rng)]);
            break;
        case 7:
            player.activatePitch(rng() % 2 == 0);
            break;
        default:
            player.setStepInterp(pitches[pitchOf(rng)]);
            break;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
}

TEST(JamPlayerThreads, TheGuiEditsEverythingTheSteppingReadsWhileARiffAndASongPlay)
{
    ManualClock clock;
    auto output = manualOutput(clock);
    synth::Stereo recording = synth::tones({{220.0, 0.4f, 1.0f, 0.5f}, {660.0, 0.2f, 0.3f, 1.0f}}, frames);
    MetaData model;
    RiffSet riffs;
    FakeSong song({0, 1, -1, 2});
    for (int r = 0; r < jamplay::riffCount; ++r) {
        riffs.riff[r].setBeatCount(beatCount);
        riffs.riff[r].setBeats({2 + r, 3 + r, 10 + r});
    }

    auto player = std::make_unique<AudioPlayer>(*output);
    player->initMetaData(&model);
    for (int r = 0; r < jamplay::riffCount; ++r)
        player->addRiff(&riffs.riff[r]);
    player->setSong(&song);
    model.handOver(beatsEvery(4096.0f, beatCount));
    ASSERT_TRUE(player->setPlaybackVars(recording.left.data(), recording.right.data(), 2, frames, 44100));

    QThread* const gui = QThread::currentThread();
    int offThread = 0;
    int steps = 0;
    QObject::connect(player.get(), &AudioPlayer::setCurrentBeatStep, [&](int step) {
        if (QThread::currentThread() != gui)
            ++offThread;
        EXPECT_GE(step, -1) << "-1: riff or song playback ended";
        EXPECT_LT(step, RiffSource::stepCount);
        ++steps;
    });
    QObject::connect(player.get(), &AudioPlayer::setCurrentSongStep, [&](int slot) {
        if (QThread::currentThread() != gui)
            ++offThread;
        EXPECT_GE(slot, -1) << "-1: song playback ended";
        EXPECT_LT(slot, SongSource::slotCount);
    });

    std::mt19937 rng(16);
    {
        FastDevice device(clock);
        player->playRiff();
        ASSERT_TRUE(player->isPlaying());
        editWhilePlaying(*player, riffs, song, rng, std::chrono::milliseconds(700));

        song.setSlot(0, 3);
        player->playSong();
        editWhilePlaying(*player, riffs, song, rng, std::chrono::milliseconds(700));
        player->stop();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(offThread, 0);
    EXPECT_GT(steps, 0);
    player->close();
}

// The pitch controls turned while a riff plays: every block plays the
// step's pitch on top of the controls' factor, never the controls' factor
// alone (which the chain holds for a moment before the step's pitch goes
// back on).
TEST(JamPlayerThreads, EveryBlockOfARiffPlaysTheStepPitchOnTopOfThePitchControls)
{
    ManualClock clock;
    auto* probe = new player_test::ProbeOutput(manualOutput(clock));
    std::unique_ptr<AudioOutput> output(probe);
    synth::Stereo recording = synth::tones({{220.0, 0.4f, 1.0f, 0.5f}}, frames);
    MetaData model;
    RiffSet riffs;
    riffs.riff[0].setBeatCount(beatCount);
    riffs.riff[0].setBeats({2, 3, 4, 5});
    for (int step = 0; step < 4; ++step)
        riffs.riff[0].setPitch(step, 2.0f);

    auto player = std::make_unique<AudioPlayer>(*output);
    player->initMetaData(&model);
    player->addRiff(&riffs.riff[0]);
    model.handOver(beatsEvery(4096.0f, beatCount));
    ASSERT_TRUE(player->setPlaybackVars(recording.left.data(), recording.right.data(), 2, frames, 44100));
    player->activatePitch(false); // the user's pitch tool is on

    {
        FastDevice device(clock);
        player->playRiff();
        ASSERT_TRUE(player->isPlaying());
        bool up = false;
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        while (std::chrono::steady_clock::now() < until) {
            up = !up;
            player->setInterp(up ? 1.5f : 1.0f);
            QCoreApplication::processEvents();
        }
        player->stop();
    }
    player->close();

    // The step's octave on top of 1.0 or of 1.5.
    ASSERT_FALSE(probe->pushes.empty());
    int alone = 0;
    for (const player_test::ProbeOutput::Push& push : probe->pushes) {
        if (std::fabs(push.pitchFactor - 2.0f) > 1e-4f && std::fabs(push.pitchFactor - 3.0f) > 1e-4f)
            ++alone;
    }
    EXPECT_EQ(alone, 0) << "of " << probe->pushes.size() << " blocks";
}

// The beat-offset knob moves the beats and the offset the clicks are
// moved back by in one write: a reader that holds the beats sees neither
// change until it lets go.
TEST(JamPlayerThreads, TheBeatOffsetChangesWithTheBeatsItMoved)
{
    auto output = AudioOutput::createFailed();
    ToolSwitches tools;
    FeedLoop feed(*output, tools);
    MetaData model;
    model.handOver(beatsEvery(4096.0f, beatCount));
    feed.setModel(&model);
    const float firstBeat = model.beats.at(0);

    std::atomic<bool> holding{false};
    bool changedWhileHeld = false;
    std::thread reader([&] {
        MetaData::BeatsReadAccess access(model);
        EXPECT_TRUE(access);
        holding.store(true);
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
        while (std::chrono::steady_clock::now() < until) {
            if (feed.beatOffsetSamples.load() != 0 || model.beats.at(0) != firstBeat)
                changedWhileHeld = true;
            std::this_thread::yield();
        }
    });
    while (!holding.load())
        std::this_thread::yield();
    feed.moveBeats(220); // waits for the reader to let go
    reader.join();

    EXPECT_FALSE(changedWhileHeld);
    EXPECT_EQ(feed.beatOffsetSamples.load(), 220);
    EXPECT_EQ(model.beats.at(0), firstBeat + 220.0f);
}

} // namespace
