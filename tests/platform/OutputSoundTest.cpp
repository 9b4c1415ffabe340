// The output layer on real devices: PortAudio's ALSA host playing into a
// private sound server, whose sink's monitor is the listener.
#include "AudioOutput.h"

#include "CaptureAnalysis.h"
#include "RowName.h"
#include "SoundServer.h"
#include "SoundTries.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include <memory>

namespace {

// Nothing the server adds or the layer leaves over reaches this.
constexpr float kSilence = 1e-4f;

class ServerOutput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.error().toStdString();
        AudioOutputOptions options;
        options.backend = AudioBackend::RealDevices; // whatever TONBROOK_AUDIO says
        output = AudioOutput::create(options);
    }

    SoundServer server;
    std::unique_ptr<AudioOutput> output; // goes before the server
};

TEST_F(ServerOutput, ListsTheServerBesideTheDefaultAndNoSound)
{
    const QStringList names = output->deviceNames();
    ASSERT_GE(names.size(), 3) << names.join(", ").toStdString();
    EXPECT_EQ(names.first(), "System default");
    EXPECT_EQ(names.last(), "No sound");
    const int entry = names.indexOf(SoundServer::alsaDeviceName());
    EXPECT_GT(entry, 0) << names.join(", ").toStdString();
    EXPECT_LT(entry, names.size() - 1);
}

struct DeviceCase
{
    const char* name;
    const char* device; // as the layer lists it
    bool heard;         // by the server's sink
};

class ServerDevices : public ::testing::TestWithParam<DeviceCase>
{
};

// One second pushed and played out: every device that leads to the server
// delivers it there frame for frame, in order and unchanged (same rate, no
// conversion on the way); "No sound" drains it on its own clock and the
// server hears nothing. A gap the machine made is tried again
// (SoundTries.h).
TEST_P(ServerDevices, PlaysWhatWasPushedFrameForFrame)
{
    const DeviceCase c = GetParam();
    sound_tries::runTries([&](sound_tries::Try& t) {
        SoundServer server;
        ASSERT_TRUE(server.start()) << server.error().toStdString();
        AudioOutputOptions options;
        options.backend = AudioBackend::RealDevices; // whatever TONBROOK_AUDIO says
        const std::unique_ptr<AudioOutput> output = AudioOutput::create(options);
        const int index = output->deviceNames().indexOf(c.device);
        ASSERT_GE(index, 0) << output->deviceNames().join(", ").toStdString();
        ASSERT_TRUE(output->selectDevice(index));
        ASSERT_EQ(output->deviceSampleRateHz(), SoundServer::kRateHz);

        const int frames = SoundServer::kRateHz;
        const synth::Stereo signal = capture::positionSignal(frames);
        const std::vector<float> pushed = synth::interleave(signal.left, signal.right);
        MonitorCapture listener(server);
        ASSERT_TRUE(listener.start()) << listener.error().toStdString();
        const StreamHandle stream = output->createStream(SoundServer::kRateHz);
        ASSERT_TRUE(output->push(stream, pushed.data(), frames));
        ASSERT_TRUE(output->markEnd(stream));
        ASSERT_TRUE(output->play(stream));
        QElapsedTimer clock;
        clock.start();
        while (output->queuedBytes(stream) > 0 && clock.elapsed() < 5000)
            QThread::msleep(10);
        EXPECT_EQ(output->queuedBytes(stream), 0) << "one second still queued after 5 s";
        QThread::msleep(300); // the device's own buffer, and the server's
        const std::vector<float> heard = listener.stop();

        const capture::Span sound = capture::soundSpan(heard, kSilence);
        if (!c.heard) {
            EXPECT_EQ(output->underrunCount(), 0);
            EXPECT_TRUE(sound.empty()) << "sound on the server from " << sound.first;
            return;
        }
        ASSERT_FALSE(sound.empty()) << "the server heard nothing in " << capture::frameCount(heard) << " frames";
        // Everything was queued before it played: the stream cannot run dry.
        sound_tries::Evidence e;
        e.gaps = capture::silentRuns(heard, sound, kSilence);
        e.log = server.logSoFar();
        e.layerUnderruns = output->underrunCount();
        t.stallProne(sound_tries::judgeGaps(e), [&] {
            EXPECT_EQ(output->underrunCount(), 0);
            EXPECT_TRUE(e.gaps.empty()) << "silence inside the second";
        });
        const capture::PositionTrack track = capture::trackPositions(heard, frames, kSilence, 0.5);
        t.stallProne(
            sound_tries::judgeSkips(e, track.jumps, output->drainPeriodMs() * SoundServer::kRateHz / 1000.0),
            [&] { EXPECT_TRUE(track.jumps.empty()) << "frames heard out of order or lost"; });
        if (!track.jumps.empty())
            return; // what follows would not line up
        // The frames heard, gaps left out: what was pushed, in order. The
        // first pushed frame is the quietest on the left: the right tells
        // where it starts.
        std::vector<float> sounding;
        for (std::int64_t f = sound.first; f <= sound.last; ++f) {
            if (capture::sounds(heard, f, kSilence))
                sounding.insert(sounding.end(), heard.begin() + 2 * f, heard.begin() + 2 * f + 2);
        }
        ASSERT_EQ(capture::frameCount(sounding), frames);
        int differing = 0;
        for (int f = 0; f < 2 * frames; ++f)
            differing += sounding[size_t(f)] != pushed[size_t(f)] ? 1 : 0;
        EXPECT_EQ(differing, 0) << "samples differ from what was pushed";
    });
}

INSTANTIATE_TEST_SUITE_P(Devices, ServerDevices,
                         ::testing::Values(DeviceCase{"system_default", "System default", true},
                                           DeviceCase{"alsa_pulse", "pulse", true},
                                           DeviceCase{"alsa_default", "default", true},
                                           DeviceCase{"no_sound", "No sound", false}),
                         RowName());

} // namespace
