// Exports over the real player and views: the processed recording and the
// selection as the render step makes them (files read back equal what was
// rendered), MP3, failures that leave no file, the riff and song exports,
// and the pitch the tools tab shows still playing afterwards.
#include "AudioExporter.h"
#include "AudioDecoder.h"
#include "ChainControls.h"
#include "Mp3Encoder.h"
#include "PlotSelection.h"
#include "ProgressBar.h"
#include "RiffIdWidget.h"
#include "RowName.h"
#include "SessionTestSupport.h"
#include "WavWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>
#include <vector>

using namespace sessiontest;

namespace {

constexpr int hop = 1024;

// The frames of a 16-bit stereo WAV file, interleaved; empty when it is
// not one.
std::vector<std::int16_t> wavSamples(const QString& path, int* rate = nullptr)
{
    const QByteArray bytes = fileBytes(path);
    if (bytes.size() < WavWriter::kHeaderBytes || !bytes.startsWith("RIFF"))
        return {};
    std::uint16_t channels = 0;
    std::memcpy(&channels, bytes.constData() + 22, 2);
    EXPECT_EQ(channels, 2);
    if (rate != nullptr)
        std::memcpy(rate, bytes.constData() + 24, 4);
    std::vector<std::int16_t> samples(size_t(bytes.size() - WavWriter::kHeaderBytes) / 2);
    std::memcpy(samples.data(), bytes.constData() + WavWriter::kHeaderBytes, samples.size() * 2);
    return samples;
}

std::vector<std::int16_t> pcm(const std::vector<float>& interleaved)
{
    std::vector<std::int16_t> samples;
    samples.reserve(interleaved.size());
    for (float x : interleaved)
        samples.push_back(WavWriter::toPcm16(x));
    return samples;
}

std::vector<std::int16_t> pcm(const QList<float>& left, const QList<float>& right)
{
    std::vector<float> interleaved;
    for (int i = 0; i < left.size(); ++i) {
        interleaved.push_back(left.at(i));
        interleaved.push_back(right.at(i));
    }
    return pcm(interleaved);
}

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The rig with the exporter over it; every written block and the position
// and progress after it are kept.
struct ExportRig
{
    explicit ExportRig(int frames = 44100 * 20) : r(frames)
    {
        exporter.setBlockObserver([this](const float* interleaved, int n) {
            written.insert(written.end(), interleaved, interleaved + 2 * n);
            blockFrames.push_back(n);
            positions.push_back(r.player()->getCurrentPosition());
            progress.push_back(r.waveBg->progressBar->percentage());
        });
    }

    ExportTargets targets() { return {r.player(), r.waveBg, r.jam, r.tools, &r.pitchSync}; }

    SessionRig r;
    AudioExporter exporter{targets(), 44100, r.rig.frames(), QStringLiteral("/music/Song.wav")};
    QTemporaryDir dir;
    std::vector<float> written;
    std::vector<int> blockFrames;
    std::vector<int> positions;
    std::vector<float> progress;
};

// ---- The processed recording -----------------------------------------------------------

TEST(AudioExport, WholeRecordingAsTheRenderStepMakesIt)
{
    ExportRig x;
    const QString path = x.dir.filePath("take.wav");
    const AudioExporter::Result result = x.exporter.exportProcessed({path, AudioExporter::Format::Wav}, false);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();

    // The file holds exactly the blocks written, in order.
    int rate = 0;
    EXPECT_EQ(wavSamples(path, &rate), pcm(x.written));
    EXPECT_EQ(rate, 44100);

    const int frames = x.r.rig.frames();
    ASSERT_GE(x.positions.size(), 2u);
    for (int n : x.blockFrames)
        EXPECT_EQ(n, hop);
    // One hop late: the first block ends a hop after the raised start.
    EXPECT_EQ(x.positions.front(), 2 * hop);
    // Blocks are made while more than 8191 frames remain after the
    // position; then one block of zeros, and the position back at a hop.
    const int rendered = int(x.positions.size()) - 1;
    EXPECT_EQ(x.positions[size_t(rendered - 1)], hop + rendered * hop);
    EXPECT_GT(frames - x.positions[size_t(rendered - 1)], 8191 - hop);
    EXPECT_LE(frames - x.positions[size_t(rendered - 1)], 8191);
    EXPECT_EQ(x.positions.back(), hop);
    const std::vector<float> last(x.written.end() - 2 * hop, x.written.end());
    EXPECT_EQ(last, std::vector<float>(2 * hop, 0.0f));
    // The playback stays stopped, the display comes back.
    EXPECT_FALSE(x.r.player()->isPlaying());
    EXPECT_TRUE(x.r.plotter()->isVisible());
    EXPECT_FALSE(x.r.waveBg->progressBar->isVisible());
}

TEST(AudioExport, ProgressMovesOnePercentPerHopOneBehind)
{
    ExportRig x;
    ASSERT_TRUE(x.exporter.exportProcessed({x.dir.filePath("take.wav"), AudioExporter::Format::Wav}, false).ok());
    const int frames = x.r.rig.frames();
    float previous = 0.0f;
    for (size_t i = 0; i + 1 < x.progress.size(); ++i) {
        const float shown = x.progress[i];
        EXPECT_LE(shown - previous, 1.0f) << "block " << i;
        EXPECT_GE(shown, previous);
        EXPECT_LE(shown, float(x.positions[i]) / float(frames) * 100.0f) << "block " << i;
        previous = shown;
    }
    EXPECT_GE(previous, 97.0f);
}

TEST(AudioExport, SelectionIsExactlyItsFrames)
{
    ExportRig x;
    PlotSelection* selection = x.r.plotter()->plotSelection;
    selection->loopStart = 100000;
    selection->loopEnd = 150000;
    const QString path = x.dir.filePath("selection.wav");
    ASSERT_TRUE(x.exporter.exportProcessed({path, AudioExporter::Format::Wav}, true).ok());

    EXPECT_EQ(wavSamples(path), pcm(x.written));
    // Whole blocks up to the last, which ends at the selection's end.
    EXPECT_EQ(x.written.size(), size_t(2 * 50000));
    ASSERT_GE(x.blockFrames.size(), 2u);
    for (size_t i = 0; i + 1 < x.blockFrames.size(); ++i)
        EXPECT_EQ(x.blockFrames[i], hop) << "block " << i;
    // The position is left just past the selection.
    EXPECT_GE(x.positions.back(), 150000);
    EXPECT_LT(x.positions.back(), 150000 + hop);
}

void buildRiffA(SessionRig& r)
{
    for (int s = 0; s < 4; ++s)
        placeStep(r, 0, s, RiffModel::InLoop, 4 + s);
    r.plotter()->beatSelections[0]->setMaxLoopLength(3);
    r.plotter()->beatSelections[0]->setLoopLength(3);
}

struct FadeCase
{
    const char* name;
    float tempo; // 0: the tempo tool off
    float pitch; // 0: the pitch tool off
    // What the chain did last: nothing, a playback paused, a riff render.
    enum class Before { Nothing, Pause, RiffRender } before;
};

std::ostream& operator<<(std::ostream& os, const FadeCase& c)
{
    return os << c.name;
}

class AudioExportSelectionStart : public ::testing::TestWithParam<FadeCase>
{
};

// A selection in the middle of a sine starts at full level after a fade
// of a millisecond, whatever the tools do and whatever played before: the
// chain is pre-rolled at its start.
TEST_P(AudioExportSelectionStart, IsFullInEveryMode)
{
    const FadeCase c = GetParam();
    ExportRig x;
    AudioPlayer* player = x.r.player();
    if (c.tempo != 0.0f) {
        player->setHop(c.tempo);
        player->activateTempo(false);
    }
    if (c.pitch != 0.0f) {
        player->setInterp(c.pitch);
        player->activatePitch(false);
    }
    if (c.before == FadeCase::Before::Pause) {
        player->play();
        for (int i = 0; i < 20; ++i)
            x.r.rig.turn(10.0);
        player->pause();
    } else if (c.before == FadeCase::Before::RiffRender) {
        buildRiffA(x.r);
        player->calculateRiffWavData();
        if (c.pitch != 0.0f)
            player->activatePitch(false); // the render leaves it bypassed
    }
    PlotSelection* selection = x.r.plotter()->plotSelection;
    selection->loopStart = 100000;
    selection->loopEnd = 150000;
    ASSERT_TRUE(x.exporter.exportProcessed({x.dir.filePath("s.wav"), AudioExporter::Format::Wav}, true).ok());

    ASSERT_GE(x.written.size(), size_t(2 * 4 * hop));
    float loudest = 0.0f;
    for (int f = 3 * hop; f < 4 * hop; ++f)
        loudest = std::max(loudest, std::fabs(x.written[size_t(2 * f)]));
    EXPECT_LT(std::fabs(x.written[0]), 0.05f * loudest) << "the first sample";
    // Loudness per block (left), against the fourth.
    const auto level = [&x](int block) {
        double sum = 0.0;
        for (int f = 0; f < hop; ++f)
            sum += double(x.written[size_t(2 * (block * hop + f))])
                * double(x.written[size_t(2 * (block * hop + f))]);
        return std::sqrt(sum / hop);
    };
    const double full = level(3);
    ASSERT_GT(full, 0.1);
    EXPECT_NEAR(level(0) / full, 1.0, 0.05);
    EXPECT_NEAR(level(1) / full, 1.0, 0.03);
    EXPECT_NEAR(level(2) / full, 1.0, 0.03);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, AudioExportSelectionStart,
    ::testing::Values(FadeCase{"tools_off", 0.0f, 0.0f, FadeCase::Before::Nothing},
                      FadeCase{"tempo_on", 0.8f, 0.0f, FadeCase::Before::Nothing},
                      FadeCase{"pitch_on", 0.0f, 1.5f, FadeCase::Before::Nothing},
                      FadeCase{"tempo_and_pitch_on", 0.8f, 1.5f, FadeCase::Before::Nothing},
                      FadeCase{"tools_off_after_a_pause", 0.0f, 0.0f, FadeCase::Before::Pause},
                      FadeCase{"tempo_on_after_a_pause", 0.8f, 0.0f, FadeCase::Before::Pause},
                      FadeCase{"tools_off_after_a_riff_render", 0.0f, 0.0f, FadeCase::Before::RiffRender},
                      FadeCase{"tempo_on_after_a_riff_render", 0.8f, 0.0f, FadeCase::Before::RiffRender}),
    RowName());

TEST(AudioExport, SelectionStartingAtSixtyPercentStartsTheBarAtOne)
{
    ExportRig x;
    const int frames = x.r.rig.frames();
    PlotSelection* selection = x.r.plotter()->plotSelection;
    selection->loopStart = frames * 6 / 10;
    selection->loopEnd = frames * 7 / 10;
    ASSERT_TRUE(x.exporter.exportProcessed({x.dir.filePath("s.wav"), AudioExporter::Format::Wav}, true).ok());
    // Each block sees the bar as the hops before it left it: 0 before the
    // first, then one percent more per hop while it catches up.
    ASSERT_GE(x.progress.size(), 61u);
    for (size_t i = 0; i <= 60; ++i)
        EXPECT_EQ(x.progress[i], float(i)) << "block " << i;
}

TEST(AudioExport, Mp3DecodesToTheRenderedLength)
{
    if (!Mp3Encoder::isAvailable())
        GTEST_SKIP() << "no MP3 encoder installed";
    ExportRig x(44100 * 6);
    const QString path = x.dir.filePath("take.mp3");
    const AudioExporter::Result result = x.exporter.exportProcessed({path, AudioExporter::Format::Mp3}, false);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    AudioDecoder decoder;
    ASSERT_TRUE(decoder.open(path));
    DecodedAudio audio;
    ASSERT_TRUE(decoder.decodeAll(audio));
    const double renderedSec = double(x.written.size()) / 2.0 / 44100.0;
    const double decodedSec = double(audio.numFrames) / double(audio.sampleRateHz);
    // MP3 frames pad both ends by up to a few thousand samples.
    EXPECT_NEAR(decodedSec, renderedSec, 0.1);
}

struct FailureCase
{
    const char* name;
    AudioExporter::Format format;
    const char* script; // the encoder program; empty: the default one
    bool missingFolder;
};

class AudioExportFailures : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(AudioExportFailures, ReportedWithTheWritersMessageAndNoFile)
{
    const FailureCase c = GetParam();
    ExportRig x(44100 * 3);
    QTemporaryDir encoderDir;
    if (*c.script) {
        const QString program = encoderDir.filePath("encoder");
        ASSERT_TRUE(writeBytes(program, c.script));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        x.exporter.setEncoderProgram(program);
    } else if (c.format == AudioExporter::Format::Mp3 && !Mp3Encoder::isAvailable()) {
        GTEST_SKIP() << "no MP3 encoder installed";
    }
    const QString folder = c.missingFolder ? x.dir.filePath("gone") : x.dir.path();
    const QString path = folder + (c.format == AudioExporter::Format::Mp3 ? "/take.mp3" : "/take.wav");
    const AudioExporter::Result result = x.exporter.exportProcessed({path, c.format}, false);
    EXPECT_EQ(result.status, AudioExporter::Status::Failed);
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_TRUE(filesIn(x.dir).isEmpty()) << filesIn(x.dir).join(' ').toStdString();
    EXPECT_TRUE(x.r.plotter()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Table, AudioExportFailures,
    ::testing::Values(
        FailureCase{"wav_into_a_missing_folder", AudioExporter::Format::Wav, "", true},
        FailureCase{"mp3_into_a_missing_folder", AudioExporter::Format::Mp3, "", true},
        FailureCase{"encoder_that_fails_at_the_end", AudioExporter::Format::Mp3,
                    "#!/bin/sh\ncat > /dev/null\nexit 3\n", false},
        FailureCase{"encoder_that_reads_nothing", AudioExporter::Format::Mp3, "#!/bin/sh\nexit 1\n", false},
        FailureCase{"encoder_program_missing", AudioExporter::Format::Mp3, "#!/nonexistent/shell\n", false}),
    RowName());

// ---- Riff and song ---------------------------------------------------------------------

// Riff A: four steps on beats 4 … 7, in the loop.
// The tools tab's pitch: semitones, with its switch on or off.
void setToolsPitch(SessionRig& r, int semitones, bool on)
{
    r.tools->setToolsFromSession({"0", "99", "0", "0"},
                                 {"99", QString::number(semitones), "50", on ? QStringLiteral("1") : "0"},
                                 {"0", "0", "0", "0", "1", "1", "0"});
}

TEST(AudioExport, RiffFileEqualsTheRiffRender)
{
    ExportRig x;
    buildRiffA(x.r);
    const QString path = x.dir.filePath("riff");
    const AudioExporter::Target t = AudioExporter::target(AudioExporter::Kind::Riff, path, "wav (*.wav)");
    ASSERT_TRUE(x.exporter.exportRiff(t.path).ok());
    ASSERT_FALSE(x.r.player()->riffWavLeft.isEmpty());
    EXPECT_EQ(wavSamples(path + ".wav"), pcm(x.r.player()->riffWavLeft, x.r.player()->riffWavRight));
}

TEST(AudioExport, EmptyActiveRiffRendersNothing)
{
    ExportRig x;
    buildRiffA(x.r); // riff A has steps, the active riff B none
    emit x.r.jam->riffIdLabel->setRiffId(1);
    ASSERT_EQ(x.r.jam->currentRiff(), 1);
    const int before = x.r.player()->getCurrentPosition();
    EXPECT_EQ(x.exporter.exportRiff(x.dir.filePath("riff.wav")).status, AudioExporter::Status::EmptyRiff);
    EXPECT_TRUE(filesIn(x.dir).isEmpty());
    EXPECT_EQ(x.r.player()->getCurrentPosition(), before);
}

struct SongCase
{
    const char* name;
    QStringList slotTexts;
    AudioExporter::Status status;
};

class AudioExportSongs : public ::testing::TestWithParam<SongCase>
{
};

TEST_P(AudioExportSongs, RenderedFromTheFirstUsedSlot)
{
    const SongCase c = GetParam();
    ExportRig x;
    buildRiffA(x.r);
    QStringList slotTexts = c.slotTexts;
    while (slotTexts.size() < 16)
        slotTexts << "-1";
    x.r.jam->songStep->initFromSession(slotTexts);
    const QString path = x.dir.filePath("song.wav");
    EXPECT_EQ(x.exporter.exportSong(path).status, c.status);
    if (c.status == AudioExporter::Status::Written) {
        ASSERT_FALSE(x.r.player()->songWavLeft.isEmpty());
        EXPECT_EQ(wavSamples(path), pcm(x.r.player()->songWavLeft, x.r.player()->songWavRight));
    } else {
        EXPECT_TRUE(filesIn(x.dir).isEmpty());
    }
    EXPECT_TRUE(x.r.plotter()->isVisible());
    EXPECT_FALSE(x.r.waveBg->progressBar->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Table, AudioExportSongs,
    ::testing::Values(SongCase{"slot_zero_used", {"0", "0"}, AudioExporter::Status::Written},
                      SongCase{"slot_zero_empty", {"-1", "-1", "0"}, AudioExporter::Status::Written},
                      SongCase{"no_used_slot", {}, AudioExporter::Status::EmptySong}),
    RowName());

struct PitchCase
{
    const char* name;
    bool song;
    bool pitchOn;
};

class AudioExportPitch : public ::testing::TestWithParam<PitchCase>
{
};

TEST_P(AudioExportPitch, ToolsTabsPitchPlaysAgainAfterTheRender)
{
    const PitchCase c = GetParam();
    ExportRig x;
    buildRiffA(x.r);
    x.r.jam->songStep->initFromSession({"0"});
    setToolsPitch(x.r, 3, c.pitchOn);
    const float ratio = float(std::pow(2.0, 3.0 / 12.0));
    ASSERT_FLOAT_EQ(x.r.pitchSync.interpFactor(), ratio);

    const QString path = x.dir.filePath("r.wav");
    ASSERT_TRUE((c.song ? x.exporter.exportSong(path) : x.exporter.exportRiff(path)).ok());

    const ToolSwitches& tools = x.r.player()->toolSwitches();
    EXPECT_EQ(tools.isBypassedByUser(ToolSwitches::Tool::Pitch), !c.pitchOn);
    EXPECT_EQ(tools.isBypassed(ToolSwitches::Tool::Pitch), !c.pitchOn);
    if (c.pitchOn)
        EXPECT_FLOAT_EQ(chain::interpfactor.load(), ratio);
    else
        EXPECT_FLOAT_EQ(tools.keptFactor(ToolSwitches::Tool::Pitch), ratio);
    EXPECT_EQ(x.r.tools->pitchPowerButton()->isOn(), c.pitchOn);
}

INSTANTIATE_TEST_SUITE_P(Table, AudioExportPitch,
                         ::testing::Values(PitchCase{"riff_pitch_on", false, true},
                                           PitchCase{"riff_pitch_off", false, false},
                                           PitchCase{"song_pitch_on", true, true},
                                           PitchCase{"song_pitch_off", true, false}),
                         RowName());

} // namespace
