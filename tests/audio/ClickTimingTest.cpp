// The metronome as heard: over a kick on every beat, played through the
// feed loop on the silent device, each click starts where its kick is
// heard and the clicks keep the beats' intervals, also when the tempo tool
// stretches the output.
#include "BeatLead.h"
#include "HeardSignals.h"
#include "MetronomeClick.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace player_test;

namespace {

struct ClickCase
{
    const char* name;
    int rateHz;
    float tempo; // 0: the tempo tool off
};

std::ostream& operator<<(std::ostream& os, const ClickCase& c)
{
    return os << c.name;
}

class MetronomeClicks : public ::testing::TestWithParam<ClickCase>
{
};

constexpr int kickCount = 14;

// The left channel pushed while the recording plays from its start for
// `seconds` of output, at the metronome knob's `metronome`.
std::vector<float> playKicks(const ClickCase& c, int metronome, double seconds)
{
    const int beatFrames = c.rateHz / 2; // 120 BPM
    const int firstKick = c.rateHz;
    std::vector<float> x(size_t(firstKick + (kickCount + 2) * beatFrames), 0.0f);
    for (int b = 0; b < kickCount; ++b)
        synth::addKick(x, c.rateHz, firstKick + b * beatFrames, 0.7f);
    Rig rig(TestRecording{x, x}, c.rateHz);
    // Beats where the player hears the kicks.
    rig.model.handOver(evenBeats(kickCount, float(firstKick + base::beatLeadFrames), float(beatFrames)));
    const auto& click = metronomeClick();
    rig.player->initBeep(click.data(), click.data(), int(click.size()));
    rig.player->setMetroVolume(metronome);
    if (c.tempo != 0.0f) {
        rig.player->setHop(c.tempo);
        rig.player->activateTempo(false);
    }
    rig.player->play();
    const int frames = int(seconds * c.rateHz);
    while (heard::pushedFrames(*rig.probe, rig.probe->lastStream) < frames && rig.player->isPlaying())
        rig.turnAndTick(10.0);
    return heard::pushedLeft(*rig.probe, rig.probe->lastStream);
}

// Within 5 ms of the kick heard (where it reaches 30 % of its peak: the
// vocoder smears an attack over a few ms), and click to click within 1 ms
// of the beat's length in the output.
TEST_P(MetronomeClicks, SoundWhereTheBeatsAreHeardAtTheirIntervals)
{
    const ClickCase& c = GetParam();
    const double seconds = 6.0;
    const std::vector<float> plain = playKicks(c, 0, seconds);
    const std::vector<float> clicked = playKicks(c, 50, seconds);
    const size_t n = std::min(plain.size(), clicked.size());

    // The clicks alone: where the two outputs differ. A click begins one
    // frame before its first sample that is not 0.
    std::vector<int> clicks;
    int lastDifference = -c.rateHz;
    for (size_t i = 0; i < n; ++i) {
        if (clicked[i] == plain[i])
            continue;
        if (int(i) - lastDifference > c.rateHz / 10)
            clicks.push_back(int(i) - 1);
        lastDifference = int(i);
    }
    const double outputBeat = (c.rateHz / 2) / (c.tempo != 0.0f ? double(c.tempo) : 1.0);
    ASSERT_GE(clicks.size(), size_t(seconds * c.rateHz / outputBeat) - 2);

    const double toleranceFrames = 0.005 * c.rateHz;
    for (size_t k = 0; k < clicks.size(); ++k) {
        const int kick = heard::onsetIn(plain, clicks[k] - c.rateHz / 20, c.rateHz / 10, 0.3f);
        EXPECT_NEAR(clicks[k], kick, toleranceFrames) << "click " << k;
        if (k > 0) {
            EXPECT_NEAR(clicks[k] - clicks[k - 1], outputBeat, 0.001 * c.rateHz) << "click " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tools, MetronomeClicks,
                         ::testing::Values(ClickCase{"tools_off", 44100, 0.0f},
                                           ClickCase{"tempo_0_8", 44100, 0.8f},
                                           ClickCase{"tools_off_at_96_khz", 96000, 0.0f}),
                         RowName());

} // namespace
