// A player on the silent device under a manual clock, fed by the test
// itself (no playback thread, no sleeps), with an output that records
// every stream and every pushed block.
#pragma once

#include "AudioOutput.h"
#include "AudioPlayer.h"
#include "ChainControls.h"
#include "ForwardingOutput.h"
#include "MetaData.h"
#include "SyntheticSignals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace player_test {

// Forwards to the real layer and keeps what the player did with it.
class ProbeOutput final : public ForwardingOutput
{
public:
    struct Push
    {
        StreamHandle stream;
        int positionAfter;         // the read position once the block was made
        std::vector<float> frames; // interleaved
        float pitchFactor;         // the chain's pitch factor once the block was made
    };

    using ForwardingOutput::ForwardingOutput;

    bool selectDevice(int index) override
    {
        const bool ok = ForwardingOutput::selectDevice(index);
        if (ok)
            live.clear();
        return ok;
    }
    StreamHandle createStream(int sampleRateHz) override
    {
        const StreamHandle h = ForwardingOutput::createStream(sampleRateHz);
        if (h != 0) {
            live.insert(h);
            lastStream = h;
            ++created;
        }
        return h;
    }
    bool freeStream(StreamHandle stream) override
    {
        live.erase(stream);
        return ForwardingOutput::freeStream(stream);
    }
    bool push(StreamHandle stream, const float* interleaved, std::int64_t numFrames) override
    {
        const bool ok = ForwardingOutput::push(stream, interleaved, numFrames);
        if (ok)
            pushes.push_back({stream, chain::currentposition.load(),
                              std::vector<float>(interleaved, interleaved + 2 * numFrames),
                              chain::interpfactor.load()});
        return ok;
    }
    std::int64_t queuedNow() const { return queuedBytes(lastStream); }
    std::int64_t queuedFramesNow() const { return queuedNow() / kBytesPerStreamFrame; }

    std::set<StreamHandle> live;
    StreamHandle lastStream = 0;
    int created = 0;
    std::vector<Push> pushes;
};

enum class Signal { Silence, Dc, Sine, LeftOnlySine };

struct TestRecording
{
    std::vector<float> left;
    std::vector<float> right;
};

// Sized exactly, so AddressSanitizer sees any read past the end.
// Mono recordings have no right channel at all.
inline TestRecording makeRecording(Signal kind, int frames, int rateHz = 44100, int channels = 2)
{
    if (channels == 1)
        return TestRecording{std::vector<float>(size_t(frames)), {}}; // silence
    switch (kind) {
    case Signal::Silence:
        break;
    case Signal::Dc:
        return TestRecording{std::vector<float>(size_t(frames), 0.5f), std::vector<float>(size_t(frames), 0.25f)};
    case Signal::Sine:
    case Signal::LeftOnlySine: {
        const float rightGain = kind == Signal::Sine ? 0.5f : 0.0f;
        synth::Stereo s = synth::tones({{440.0, 0.5f, 1.0f, rightGain}}, frames, double(rateHz));
        return TestRecording{std::move(s.left), std::move(s.right)};
    }
    }
    return TestRecording{std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames))};
}

// Beats every `spacing` frames from `first`; one chord per beat gap.
inline AnalysisResult evenBeats(int count, float first, float spacing)
{
    AnalysisResult result;
    result.bpm = 120.0f;
    for (int i = 0; i < count; ++i)
        result.beats.append(first + float(i) * spacing);
    result.chordVec = QVector<QString>(count - 1, QStringLiteral("C"));
    result.chordVecDetected = {QStringLiteral("C")};
    result.beatLengthPercent = int(spacing / 100.0f);
    return result;
}

// How the silent device drains: smoothly, or in periods of a quarter of
// the buffer length, as a sound card's host layer does.
enum class Drain { Smooth, QuarterBufferPeriods };

struct Rig
{
    explicit Rig(Signal kind = Signal::Sine, int frames = 200000, int rateHz = 44100, int channels = 2,
                 Drain drain = Drain::Smooth)
        : Rig(makeRecording(kind, frames, rateHz, channels), rateHz, channels, drain)
    {
    }

    // A recording made by the test (both channels; no right one for mono).
    Rig(TestRecording made, int rateHz, int channels = 2, Drain drain = Drain::Smooth) : recording(std::move(made))
    {
        const int frames = int(recording.left.size());
        AudioOutputOptions options;
        options.backend = AudioBackend::SilentOnly;
        options.manualClock = &clock;
        options.silentDrainsInPeriods = drain == Drain::QuarterBufferPeriods;
        probe = new ProbeOutput(AudioOutput::create(options));
        output.reset(probe);
        player = std::make_unique<AudioPlayer>(*output, AudioPlayer::FeedDriver::Caller);
        player->initLoop(&loopStart, &loopEnd);
        player->initMetaData(&model);
        EXPECT_TRUE(
            player->setPlaybackVars(recording.left.data(), recording.right.data(), channels, frames, rateHz));
    }

    int frames() const { return int(recording.left.size()); }

    void setSelection(int start, int end)
    {
        loopStart = start;
        loopEnd = end;
        player->loopPointsChanged();
    }

    // The device plays ms of audio (appended to `rendered` when given),
    // then the playback loop takes its turn.
    int turn(double ms, std::vector<float>* rendered = nullptr)
    {
        clock.advanceMs(ms, rendered);
        return player->feedOnce();
    }

    // A turn, then the GUI's tick, as the event loop runs them.
    int turnAndTick(double ms, std::vector<float>* rendered = nullptr)
    {
        const int pushed = turn(ms, rendered);
        tick();
        return pushed;
    }

    // Turns and ticks until the player stops or maxTurns pass.
    void playOut(double ms, int maxTurns, std::vector<float>* rendered = nullptr)
    {
        for (int i = 0; i < maxTurns && player->isPlaying(); ++i)
            turnAndTick(ms, rendered);
    }

    // The step positions of the pushes to one stream, in order.
    std::vector<int> stepStarts(StreamHandle stream, int advance) const
    {
        std::vector<int> starts;
        for (const ProbeOutput::Push& push : probe->pushes) {
            if (push.stream == stream)
                starts.push_back(push.positionAfter - advance);
        }
        return starts;
    }

    // Calls the position timer's slot, as the GUI's event loop would.
    void tick() { QMetaObject::invokeMethod(player.get(), "incrementTimeBuffer", Qt::DirectConnection); }

    ManualClock clock;
    TestRecording recording;
    ProbeOutput* probe = nullptr;
    std::unique_ptr<AudioOutput> output;
    int loopStart = 0;
    int loopEnd = 0;
    MetaData model;
    std::unique_ptr<AudioPlayer> player; // last: goes first
};

// Frames the read position moved in the step that made a block.
inline int stepAdvance()
{
    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    return switches.TSMPSMEnabled ? int(std::floor(float(chain::hop) * chain::hopfactor.load())) : chain::hop;
}

// How far past its start a step reads, in multiples of the frame length.
inline float readReach()
{
    return chain::vocoderSwitches.load().TSMPSMEnabled ? chain::interpfactor.load() : 1.0f;
}

inline const ProbeOutput::Push* firstPushTo(const ProbeOutput& probe, StreamHandle stream)
{
    for (const ProbeOutput::Push& push : probe.pushes) {
        if (push.stream == stream)
            return &push;
    }
    return nullptr;
}

} // namespace player_test
