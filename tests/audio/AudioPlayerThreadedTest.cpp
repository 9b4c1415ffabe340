// The player on its own playback thread while the GUI side works it hard:
// stop waits for the step in flight, forgotten buffers are never read, the
// thread ends with the player. Bounded in count and time, fixed seeds; also
// run under ThreadSanitizer.
#include "AudioPlayer.h"
#include "FastDevice.h"
#include "MetaData.h"
#include "MetronomeClick.h"
#include "ProcessingChain.h"
#include "SyntheticSignals.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

// A tone on each side, at `gain`.
struct Buffers
{
    explicit Buffers(int frames, float gain)
    {
        synth::Stereo s = synth::tones({{330.0, gain, 1.0f, 0.0f}, {550.0, gain, 0.0f, 1.0f}}, frames);
        left = std::move(s.left);
        right = std::move(s.right);
    }
    std::vector<float> left;
    std::vector<float> right;
};

AnalysisResult beatsEvery(float spacing, int count)
{
    AnalysisResult result;
    result.bpm = 120.0f;
    for (int i = 0; i < count; ++i)
        result.beats.append(3000.0f + float(i) * spacing);
    result.chordVec = QVector<QString>(count - 1, QStringLiteral("Am"));
    result.chordVecDetected = {QStringLiteral("Am")};
    result.beatLengthPercent = int(spacing / 100.0f);
    return result;
}

// The heaviest step: vocoder mode 3, pitch 2.0, isolation on.
void worstMode(AudioPlayer& player)
{
    player.changeMode(3);
    player.setInterp(2.0f);
    player.activatePitch(false);
    player.activateSSS(false);
}

TEST(PlayerThreads, StopReturnsOnlyOnceNoStepRuns)
{
    ManualClock clock;
    auto output = manualOutput(clock);
    auto buffers = std::make_unique<Buffers>(300000, 0.4f);
    AudioPlayer player(*output);
    ASSERT_TRUE(player.setPlaybackVars(buffers->left.data(), buffers->right.data(), 2, 300000, 44100));
    worstMode(player);
    FastDevice device(clock);

    std::mt19937 rng(7);
    std::uniform_int_distribution<int> waitUs(0, 3000);
    float out[2 * chain::hop];
    for (int cycle = 0; cycle < 40; ++cycle) {
        player.play();
        std::this_thread::sleep_for(std::chrono::microseconds(waitUs(rng)));
        player.stop();
        // A step still running on the playback thread would make this one
        // refuse (the chain runs one step at a time).
        ASSERT_TRUE(processaudio(out, out + chain::hop, nullptr)) << "cycle " << cycle;

        if (cycle % 8 == 7) {
            // Forget, release, load new buffers: AddressSanitizer reports a
            // read of the released ones.
            player.forgetRecording();
            buffers = std::make_unique<Buffers>(300000, 0.3f);
            ASSERT_TRUE(player.setPlaybackVars(buffers->left.data(), buffers->right.data(), 2, 300000, 44100));
        }
    }
}

TEST(PlayerThreads, DestroyingAPlayingPlayerEndsItsThread)
{
    ManualClock clock;
    auto output = manualOutput(clock);
    Buffers buffers(200000, 0.4f);
    FastDevice device(clock);
    for (int i = 0; i < 5; ++i) {
        AudioPlayer player(*output);
        player.setPlaybackVars(buffers.left.data(), buffers.right.data(), 2, 200000, 44100);
        player.play();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_TRUE(player.isRunning());
    } // the destructor clears running and waits
}

// The GUI thread hammers every control while the silent device plays in
// real time and the model changes under the beat tracking.
TEST(PlayerThreads, GuiHammersThePlayerWhileItPlays)
{
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    auto output = AudioOutput::create(options);
    auto buffers = std::make_unique<Buffers>(220500, 0.4f);
    MetaData model;
    int loopStart = 0;
    int loopEnd = 0;
    std::atomic<int> beatChanges{0};
    AudioPlayer player(*output);
    player.initMetaData(&model);
    player.initLoop(&loopStart, &loopEnd);
    const auto& click = metronomeClick();
    player.initBeep(click.data(), click.data(), int(click.size()));
    player.setMetroVolume(60);
    model.handOver(beatsEvery(5512.0f, 38));
    ASSERT_TRUE(player.setPlaybackVars(buffers->left.data(), buffers->right.data(), 2, 220500, 44100));

    QObject::connect(&player, &AudioPlayer::changeBeat, &player, [&] { beatChanges.fetch_add(1); });

    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> pick(0, 29);
    std::uniform_int_distribution<int> knob(0, 99);
    std::uniform_int_distribution<int> frame(0, 220500);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    float out[2 * chain::hop];
    player.play();
    for (int op = 0; op < 1500 && std::chrono::steady_clock::now() < deadline; ++op) {
        switch (pick(rng)) {
        case 0:
        case 1:
            player.play();
            break;
        case 2:
            player.stop();
            ASSERT_TRUE(processaudio(out, out + chain::hop, nullptr)) << "a step ran after stop";
            break;
        case 3:
            player.pause();
            break;
        case 4:
            player.seekF();
            break;
        case 5:
            player.seekB();
            break;
        case 6:
            player.setPlaybackPos(knob(rng) * 9, 884);
            break;
        case 7:
            player.loop(knob(rng) % 2 == 0);
            break;
        case 8: {
            const int a = frame(rng);
            const int b = frame(rng);
            loopStart = std::min(a, b);
            loopEnd = std::max(a, b);
            player.loopPointsChanged();
            break;
        }
        case 9:
            player.setHop(0.25f + float(knob(rng)) / 60.0f);
            break;
        case 10:
            player.activateTempo(knob(rng) % 2 == 0);
            break;
        case 11:
            player.setInterp(0.5f + float(knob(rng)) / 66.0f);
            break;
        case 12:
            player.activatePitch(knob(rng) % 2 == 0);
            break;
        case 13:
            player.changeMode(1 + knob(rng) % 4);
            break;
        case 14:
            player.activateSSS(knob(rng) % 2 == 0);
            break;
        case 15:
            player.setAzimuth(knob(rng));
            player.setWidth(knob(rng));
            break;
        case 16:
            player.setSeparation(knob(rng));
            player.setFilterKnob(knob(rng));
            player.setFilter(knob(rng) % 2 == 0);
            player.setInverted(knob(rng) % 2 == 0);
            break;
        case 17:
            player.setPScale(knob(rng) - 50);
            (void)player.getSSSCurve();
            break;
        case 18:
            player.setAudioDevice(knob(rng) % 3 - 1);
            break;
        case 19:
            player.setDeviceBufferSize(20 + knob(rng));
            break;
        case 20:
            player.setVolume(knob(rng));
            player.setMetroVolume(knob(rng));
            break;
        case 21:
            if (knob(rng) < 20) {
                player.resetMetaData();
                model.handOver(beatsEvery(4000.0f + float(knob(rng)) * 40.0f, 30));
            }
            break;
        case 22:
            model.changeBeats([&](QVector<float>& beats) {
                for (float& b : beats)
                    b += 10.0f;
            });
            break;
        case 23:
            if (knob(rng) < 10) {
                player.forgetRecording();
                buffers = std::make_unique<Buffers>(220500, 0.2f + float(knob(rng)) / 500.0f);
                ASSERT_TRUE(player.setPlaybackVars(buffers->left.data(), buffers->right.data(), 2, 220500, 44100));
            }
            break;
        case 24:
            player.toBeginning();
            player.selectionSingleClick();
            break;
        case 25:
            player.playStop();
            break;
        case 26:
            player.resetHopFactor();
            break;
        default:
            QMetaObject::invokeMethod(&player, "incrementTimeBuffer", Qt::DirectConnection);
            (void)player.getSampleIndexPtr()->load(std::memory_order_relaxed);
            (void)player.getCurrentPosition();
            break;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }

    // Still sound: it plays again at the plain tempo, and a stop leaves
    // the chain free.
    player.stop();
    player.resetHopFactor();
    player.activatePitch(true);
    player.activateSSS(true);
    player.loop(false);
    loopStart = loopEnd = 0;
    player.loopPointsChanged();
    player.play();
    const auto settle = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (player.getCurrentPosition() < 30000 && std::chrono::steady_clock::now() < settle)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GE(player.getCurrentPosition(), 30000) << "playback no longer advances";
    player.stop();
    EXPECT_TRUE(processaudio(out, out + chain::hop, nullptr));
    QCoreApplication::processEvents();
    EXPECT_GT(beatChanges.load(), 0);
}

// The playback thread raises events; the GUI's tick turns them into the
// signals, on the GUI thread, one beat change and one toggle of the light
// per beat, in order.
TEST(PlayerThreads, BeatSignalsComeFromTheGuiThread)
{
    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    auto output = AudioOutput::create(options);
    Buffers buffers(220500, 0.4f);
    MetaData model;
    AudioPlayer player(*output);
    player.initMetaData(&model);
    const auto& click = metronomeClick();
    player.initBeep(click.data(), click.data(), int(click.size()));
    player.setMetroVolume(60);
    model.handOver(beatsEvery(5512.0f, 38)); // eight beats a second
    ASSERT_TRUE(player.setPlaybackVars(buffers.left.data(), buffers.right.data(), 2, 220500, 44100));

    QThread* const gui = QThread::currentThread();
    int offThread = 0;
    std::vector<char> log; // 'c' click, 'b' beat, '+' / '-' the light
    const auto note = [&](char what) {
        if (QThread::currentThread() != gui)
            ++offThread;
        log.push_back(what);
    };
    QObject::connect(&player, &AudioPlayer::flashMetro, [&] { note('c'); });
    QObject::connect(&player, &AudioPlayer::changeBeat, [&] { note('b'); });
    QObject::connect(&player, &AudioPlayer::flashMainPlay, [&](bool on) { note(on ? '+' : '-'); });

    player.play();
    log.clear();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::count(log.begin(), log.end(), 'b') < 6 && std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    player.stop();
    EXPECT_EQ(offThread, 0);
    ASSERT_GE(std::count(log.begin(), log.end(), 'b'), 6);
    EXPECT_GE(std::count(log.begin(), log.end(), 'c'), 5);
    bool light = false;
    for (size_t i = 0; i + 1 < log.size(); ++i) {
        if (log[i] != 'b')
            continue;
        light = !light;
        EXPECT_EQ(log[i + 1], light ? '+' : '-') << "the light toggles right after beat change " << i;
    }
}

} // namespace
