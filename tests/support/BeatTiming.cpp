#include "BeatTiming.h"

#include "AudioPlayer.h"
#include "ChainControls.h"
#include "ChordsStrip.h"
#include "ForwardingOutput.h"
#include "MetaData.h"
#include "MetaDataThread.h"
#include "MetronomeClick.h"
#include "PlotSelection.h"
#include "RiffSource.h"
#include "ZoomLevel.h"

#include <QImage>
#include <QList>
#include <QMetaObject>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>

namespace beattiming {

namespace {

constexpr double pi = 3.141592653589793;
// An event farther than this from every attack is no timing of it.
constexpr double matchSeconds = 0.07;
// The riff: jumps only, back and forth, each step on a burst of its own,
// from a third into the beats (the music is under way there).
constexpr int riffBeats[] = {0, 5, 2, 7};
constexpr int riffSteps = 4;
// The stripes and tags are measured on a canvas this many frames a pixel,
// or wider ones where that would pass what a painter draws on (2^15).
constexpr int framesPerPixel = 16;
constexpr int widestCanvas = 30000;

int canvasWidth(int frames)
{
    return std::min(frames / framesPerPixel, widestCanvas);
}

// Where the riff and the loop begin: a third into the beats.
int firstBeatOf(const MetaData& model)
{
    return std::max(2, model.beats.size() / 3);
}

double beatSeconds(const MetaData& model, const Recording& r)
{
    const int n = model.beats.size();
    return n > 1 ? double(model.beats[n - 1] - model.beats[0]) / (n - 1) / r.rateHz : 0.5;
}

// Signed milliseconds from the nearest attack, for each event within reach.
std::vector<double> fromAttacks(const std::vector<double>& events, const Recording& r)
{
    std::vector<double> ms;
    for (const double e : events) {
        const auto next = std::lower_bound(r.attacks.begin(), r.attacks.end(), e);
        double best = 1e300;
        if (next != r.attacks.end())
            best = *next - e;
        if (next != r.attacks.begin() && std::fabs(*(next - 1) - e) < std::fabs(best))
            best = *(next - 1) - e;
        const double seconds = -best / double(r.rateHz);
        if (std::fabs(seconds) <= matchSeconds)
            ms.push_back(1000.0 * seconds);
    }
    return ms;
}

// The silent device's output, keeping every pushed block with the read
// position and the model's current beat once the block was made.
class Probe final : public ForwardingOutput
{
public:
    struct Push
    {
        int positionAfter;
        int currentBeat;
        std::vector<float> frames; // interleaved
    };

    Probe(std::unique_ptr<AudioOutput> inner, const MetaData& model)
        : ForwardingOutput(std::move(inner)), model_(model)
    {
    }

    StreamHandle createStream(int rateHz) override
    {
        pushes.clear();
        return ForwardingOutput::createStream(rateHz);
    }
    bool push(StreamHandle stream, const float* interleaved, std::int64_t numFrames) override
    {
        const bool ok = ForwardingOutput::push(stream, interleaved, numFrames);
        if (ok)
            pushes.push_back({chain::currentposition.load(), model_.currentBeat.load(),
                              std::vector<float>(interleaved, interleaved + 2 * numFrames)});
        return ok;
    }

    std::vector<Push> pushes; // of the latest stream

private:
    const MetaData& model_;
};

class Riff final : public RiffSource
{
public:
    Riff(int beatCount, int first) : beatCount_(beatCount), first_(first) { }
    int beatIndex(int step) const override
    {
        if (step < 0 || step >= stepCount || beatCount_ < 2)
            return 0;
        return std::min(first_ + riffBeats[step % riffSteps], beatCount_ - 2);
    }
    int getLoopLength() const override { return riffSteps - 1; }
    float stepPitch(int) const override { return 1.0f; }
    void repositionBeats() override { }

private:
    int beatCount_;
    int first_;
};

// A player on the silent device, fed and ticked by the caller.
struct Rig
{
    Rig(Recording& r, MetaData& model)
    {
        AudioOutputOptions options;
        options.backend = AudioBackend::SilentOnly;
        options.manualClock = &clock;
        probe = new Probe(AudioOutput::create(options), model);
        output.reset(probe);
        player = std::make_unique<AudioPlayer>(*output, AudioPlayer::FeedDriver::Caller);
        player->initLoop(&loopStart, &loopEnd);
        player->initMetaData(&model);
        player->setPlaybackVars(r.left.data(), r.right.data(), 2, int(r.left.size()), r.rateHz);
        const auto& click = metronomeClick();
        player->initBeep(click.data(), click.data(), int(click.size()));
    }

    // Plays until the player stops or `seconds` of audio have gone.
    void run(double seconds)
    {
        for (double t = 0.0; t < seconds && player->isPlaying(); t += 0.01) {
            clock.advanceMs(10.0);
            player->feedOnce();
            QMetaObject::invokeMethod(player.get(), "incrementTimeBuffer", Qt::DirectConnection);
        }
    }

    // The first frame each pushed block sounds: the step read from the
    // position before it, and a step sounds from that position + 1.
    int firstHeard(const Probe::Push& push) const { return push.positionAfter - chain::hop + 1; }

    ManualClock clock;
    Probe* probe = nullptr;
    std::unique_ptr<AudioOutput> output;
    int loopStart = 0;
    int loopEnd = 0;
    std::unique_ptr<AudioPlayer> player; // last: goes first
};

// Normal playback with the metronome: the click is what the pushes gain
// when its volume goes up; the beat changes are read per block.
void measurePlayback(Recording& r, MetaData& model, Timing& out)
{
    const auto playAll = [&](int metronome) {
        Rig rig(r, model);
        rig.player->setMetroVolume(metronome);
        rig.player->play();
        rig.run(double(r.left.size()) / r.rateHz + 1.0);
        return rig.probe->pushes;
    };
    const std::vector<Probe::Push> silent = playAll(0);
    const std::vector<Probe::Push> clicking = playAll(99);
    std::vector<double> clicks, changes;
    int current = -1;
    // A click sounds on into the next block: a new one starts where the
    // outputs differ after a quiet 50 ms. Its first sample is 0 (it rises
    // from silence), so it starts one frame before the first difference.
    const std::int64_t quiet = r.rateHz / 20;
    std::int64_t output = 0;
    std::int64_t lastDifference = -quiet - 1;
    for (size_t k = 0; k < std::min(silent.size(), clicking.size()); ++k) {
        const Probe::Push& p = clicking[k];
        const int heard = p.positionAfter - chain::hop + 1;
        for (size_t f = 0; 2 * f < p.frames.size(); ++f, ++output) {
            if (p.frames[2 * f] == silent[k].frames[2 * f])
                continue;
            if (output - lastDifference > quiet)
                clicks.push_back(double(heard + int(f) - 1));
            lastDifference = output;
        }
        if (k > 0 && p.currentBeat != current)
            changes.push_back(double(heard));
        current = p.currentBeat;
    }
    out.ms[size_t(Consumer::Click)] = fromAttacks(clicks, r);
    out.ms[size_t(Consumer::BeatChange)] = fromAttacks(changes, r);
}

// The selection over beats 2 … n − 3 as a session restores it, its stripes
// painted; then four beats a third into the recording looped: where each
// pass starts again.
void measureSelection(Recording& r, MetaData& model, Timing& out)
{
    const int frames = int(r.left.size());
    const int width = canvasWidth(frames);
    PlotSelection selection(nullptr);
    selection.resize(width, 8);
    selection.setViewWidth(width);
    selection.setSampleCount(frames);
    selection.initMetaData(&model);
    const FrameScale scale(frames, width);
    const int last = model.beats.size() - 3;
    selection.setStartX(scale.pixelOf(model.beats[2]));
    selection.setEndX(scale.pixelOf(model.beats[last]));

    QImage image(selection.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    selection.render(&image);
    std::vector<double> stripes;
    QRgb before = image.pixel(0, 4);
    for (int x = 1; x < width; ++x) {
        const QRgb here = image.pixel(x, 4);
        if (here != before && qAlpha(here) != 0)
            stripes.push_back(double(scale.frameOf(float(x))));
        before = here;
    }
    out.ms[size_t(Consumer::LoopStripe)] = fromAttacks(stripes, r);

    const int first = firstBeatOf(model);
    selection.setStartX(scale.pixelOf(model.beats[first]));
    selection.setEndX(scale.pixelOf(model.beats[std::min(first + 4, last)]));
    Rig rig(r, model);
    rig.loopStart = selection.loopStart;
    rig.loopEnd = selection.loopEnd;
    rig.player->loopPointsChanged();
    rig.player->loop(true);
    rig.player->play();
    rig.run(4.0 * 4.0 * beatSeconds(model, r) + 1.0);
    std::vector<double> starts;
    const auto& pushes = rig.probe->pushes;
    for (size_t k = 1; k < pushes.size(); ++k) {
        if (pushes[k].positionAfter < pushes[k - 1].positionAfter)
            starts.push_back(double(rig.firstHeard(pushes[k])));
    }
    out.ms[size_t(Consumer::LoopStart)] = fromAttacks(starts, r);
}

// One tag per beat: the chords alternate.
void measureChordTags(Recording& r, MetaData& model, Timing& out)
{
    AnalysisResult alternating = model.currentResult();
    for (int i = 0; i < alternating.chordVec.size(); ++i)
        alternating.chordVec[i] = i % 2 ? QStringLiteral("G") : QStringLiteral("C");
    model.handOver(alternating);

    const int frames = int(r.left.size());
    const int width = canvasWidth(frames);
    ChordsStrip strip(nullptr);
    strip.resize(width, 20);
    strip.setSampleCount(frames);
    strip.setMetaData(&model);
    strip.initChordStrip();
    const FrameScale scale(frames, width);
    std::vector<double> edges;
    for (const ChordLabel* tag : strip.chordLabels())
        edges.push_back(double(scale.frameOf(float(tag->x()))));
    out.ms[size_t(Consumer::ChordTag)] = fromAttacks(edges, r);
}

// Where a render's first frame lies in the recording: the start whose
// frames best match the render's, within the reach of a match around
// `near`. The render's first 50 ms may fade in; the frames after them are
// the recording's as they are, and its faint noise makes the match unique.
double renderStart(const QList<float>& render, const Recording& r, double near)
{
    const int skip = r.rateHz / 20;
    const int length = r.rateHz / 50;
    if (render.size() < skip + length)
        return near;
    const int reach = int(matchSeconds * r.rateHz);
    double best = -1.0;
    int bestStart = int(near);
    for (int s = std::max(0, int(near) - reach); s < int(near) + reach && s + skip + length < int(r.left.size());
         ++s) {
        double dot = 0.0;
        double energy = 0.0;
        for (int i = skip; i < skip + length; ++i) {
            dot += double(render[i]) * r.left[size_t(s + i)];
            energy += double(r.left[size_t(s + i)]) * r.left[size_t(s + i)];
        }
        const double score = energy > 0.0 ? dot / std::sqrt(energy) : 0.0;
        if (score > best) {
            best = score;
            bestStart = s;
        }
    }
    return double(bestStart);
}

// A riff of jumps played, then rendered.
void measureRiff(Recording& r, MetaData& model, Timing& out)
{
    Rig rig(r, model);
    std::vector<std::unique_ptr<Riff>> riffs;
    for (int i = 0; i < 6; ++i) {
        riffs.push_back(std::make_unique<Riff>(model.beats.size(), firstBeatOf(model)));
        rig.player->addRiff(riffs.back().get());
    }
    rig.player->setRiff(0);
    rig.player->playRiff();
    rig.run(2.0 * riffSteps * beatSeconds(model, r) + 1.0);
    std::vector<double> steps;
    const auto& pushes = rig.probe->pushes;
    for (size_t k = 0; k < pushes.size(); ++k) {
        if (k == 0 || pushes[k].positionAfter != pushes[k - 1].positionAfter + chain::hop)
            steps.push_back(double(rig.firstHeard(pushes[k])));
    }
    out.ms[size_t(Consumer::RiffStep)] = fromAttacks(steps, r);

    rig.player->calculateRiffWavData();
    if (rig.player->riffWavLeft.isEmpty())
        return;
    const double first = double(model.beats[riffs.front()->beatIndex(0)]);
    out.ms[size_t(Consumer::RenderStart)] = fromAttacks({renderStart(rig.player->riffWavLeft, r, first)}, r);
}

} // namespace

Recording toneBurstGrid(int rateHz, double seconds)
{
    Recording r;
    r.name = "bursts_" + std::to_string(rateHz);
    r.rateHz = rateHz;
    const size_t frames = size_t(seconds * rateHz);
    r.left.assign(frames, 0.0f);
    r.right.assign(frames, 0.0f);
    // Noise 50 dB below the bursts: no stretch of the recording is like
    // another, so a render's frames can be found in it.
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> noise(-0.003f, 0.003f);
    for (size_t i = 0; i < frames; ++i) {
        r.left[i] = noise(rng);
        r.right[i] = noise(rng);
    }
    const double spacing = 60.0 / 117.0 * rateHz;
    int beat = 0;
    for (double a = 0.5 * rateHz; a + 0.3 * rateHz < double(frames); a += spacing, ++beat) {
        const size_t start = size_t(std::ceil(a));
        r.attacks.push_back(double(start));
        const double hz = 330.0 * std::pow(2.0, double(beat % 8) / 8.0);
        for (size_t i = 0; i < size_t(0.3 * rateHz) && start + i < frames; ++i) {
            const double t = double(i) / rateHz;
            // The pitch glides down by a fifth over the first 30 ms.
            const double phase = 2.0 * pi * hz * (t + 0.2 * 0.03 * (1.0 - std::exp(-t / 0.03)));
            const float v = float(0.5 * std::sin(phase) * std::exp(-t / 0.08));
            r.left[start + i] += 1.2f * v;
            r.right[start + i] += 0.8f * v;
        }
    }
    return r;
}

const char* nameOf(Consumer c)
{
    switch (c) {
    case Consumer::ModelBeat:
        return "model beat";
    case Consumer::Click:
        return "metronome click";
    case Consumer::BeatChange:
        return "currentBeat change";
    case Consumer::ChordTag:
        return "chord tag left edge";
    case Consumer::LoopStripe:
        return "loop stripe edge";
    case Consumer::LoopStart:
        return "loop start, looping";
    case Consumer::RiffStep:
        return "riff step first frame";
    case Consumer::RenderStart:
        return "riff render start";
    }
    return "";
}

Timing measure(const Recording& recording)
{
    Recording r = recording; // the player reads non-const buffers
    Timing out;
    const std::vector<float> mono =
        MetaDataThread::monoMix(r.left.data(), r.right.data(), int(r.left.size()), true);
    const MetaDataThread::Analysis analysis = MetaDataThread::analyse(mono, r.rateHz);
    if (!analysis.result)
        return out;
    MetaData model;
    model.handOver(*analysis.result);
    out.ms[size_t(Consumer::ModelBeat)] =
        fromAttacks(std::vector<double>(model.beats.begin(), model.beats.end()), r);
    if (model.beats.size() < 8)
        return out;

    measurePlayback(r, model, out);
    measureSelection(r, model, out);
    measureRiff(r, model, out);
    measureChordTags(r, model, out);
    return out;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::clamp(std::ceil(q * double(values.size())), 1.0, double(values.size())));
    return values[rank - 1];
}

std::string table(const Timing& timing)
{
    std::string text;
    char line[160];
    std::snprintf(line, sizeof line, "%-24s %5s %8s %8s %8s\n", "consumer (ms from attack)", "n", "median", "p10",
                  "p90");
    text += line;
    for (int c = 0; c < consumerCount; ++c) {
        const std::vector<double>& ms = timing.ms[size_t(c)];
        std::snprintf(line, sizeof line, "%-24s %5zu %8.1f %8.1f %8.1f\n", nameOf(Consumer(c)), ms.size(),
                      median(ms), quantile(ms, 0.1), quantile(ms, 0.9));
        text += line;
    }
    return text;
}

} // namespace beattiming
