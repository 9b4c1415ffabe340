// The analysis results of known recordings, exactly: tempo, beat grid,
// chord per beat and the ranked chords. Any change in how the analysis is
// computed (transforms, maths routines, threads, buffers) must leave them
// as they are.
//
// The benchmarks' synthetic music always runs. The eight test songs are
// read from the shared test data when it is there (TONBROOK_TEST_SONGS, or
// shared/testdata/songs beside or above the source tree), and skipped when
// it is not. A failure prints the actual results in the table's own form.
#include "AnalysisGoldens.h"
#include "AudioDecoder.h"
#include "MetaDataThread.h"
#include "RowName.h"
#include "SyntheticSignals.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace analysisgolden {

// Rows are shown by name.
void PrintTo(const Golden& g, std::ostream* os)
{
    *os << g.name;
}

} // namespace analysisgolden

namespace {

using analysisgolden::Golden;

// Chord names with runs of one name written as NAME*COUNT.
std::string runLengths(const std::vector<std::string>& names)
{
    std::ostringstream out;
    for (size_t i = 0; i < names.size();) {
        size_t j = i;
        while (j < names.size() && names[j] == names[i])
            ++j;
        if (i > 0)
            out << ' ';
        out << names[i];
        if (j - i > 1)
            out << '*' << (j - i);
        i = j;
    }
    return out.str();
}

std::string joined(const std::vector<float>& beats)
{
    std::ostringstream out;
    for (size_t i = 0; i < beats.size(); ++i)
        out << (i ? " " : "") << static_cast<long long>(beats[i]);
    return out.str();
}

std::vector<std::string> nonEmpty(const std::vector<std::string>& names)
{
    std::vector<std::string> out;
    for (const std::string& n : names)
        if (!n.empty())
            out.push_back(n);
    return out;
}

std::string hexFloat(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%a", double(value));
    return text;
}

// The row as the golden table writes it, for pasting after a deliberate change.
std::string asRow(const std::string& name, const metadata& r)
{
    std::ostringstream out;
    out << "    {\"" << name << "\", " << hexFloat(r.tempo) << "f,\n"
        << "     \"" << joined(r.beats) << "\",\n"
        << "     \"" << runLengths(r.chordVec) << "\",\n"
        << "     \"" << runLengths(nonEmpty(r.chordVecDetected)) << "\"},";
    return out.str();
}

void expectGolden(const Golden& g, const metadata& r)
{
    bool beatsWhole = true;
    for (float b : r.beats)
        beatsWhole = beatsWhole && b == float(static_cast<long long>(b));
    EXPECT_TRUE(beatsWhole) << "beat positions are whole samples";
    EXPECT_EQ(hexFloat(r.tempo), hexFloat(g.tempo)) << "tempo " << r.tempo << " BPM";
    EXPECT_EQ(joined(r.beats), g.beats);
    EXPECT_EQ(runLengths(r.chordVec), g.chords);
    EXPECT_EQ(runLengths(nonEmpty(r.chordVecDetected)), g.detected);
    EXPECT_EQ(r.chordVec.size(), r.beats.size());
    if (::testing::Test::HasFailure())
        ADD_FAILURE() << "actual row:\n" << asRow(g.name, r);
}

TEST(AnalysisGolden, SyntheticMusicOfTheBenchmarks)
{
    // The benchmarks' four minutes: drums at 118 BPM over a triad per bar.
    const synth::Stereo music = synth::drumsAndChords(44100, 240, 118.0);
    const std::vector<float> mono =
        MetaDataThread::monoMix(music.left.data(), music.right.data(), int(music.left.size()), true);
    const MetaDataThread::Analysis analysis = MetaDataThread::analyse(mono, 44100);
    expectGolden(analysisgolden::syntheticMusic, analysis.record);
}

// The shared songs folder, or an empty string.
QString songsFolder()
{
    const QByteArray fromEnvironment = qgetenv("TONBROOK_TEST_SONGS");
    QStringList candidates;
    if (!fromEnvironment.isEmpty())
        candidates << QString::fromLocal8Bit(fromEnvironment);
    const QString source = QStringLiteral(TONBROOK_SOURCE_DIR);
    candidates << source + "/../shared/testdata/songs" << source + "/../../shared/testdata/songs";
    for (const QString& c : candidates)
        if (QFileInfo(c + "/dev_01.ogg").isFile())
            return QDir(c).absolutePath();
    return QString();
}

class SongGolden : public ::testing::TestWithParam<Golden>
{
};

TEST_P(SongGolden, AnalysisOfTheTestSong)
{
    const Golden& g = GetParam();
    const QString folder = songsFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "the shared test songs are not here; set TONBROOK_TEST_SONGS to their folder";

    AudioDecoder decoder;
    DecodedAudio audio;
    const QString path = folder + "/" + QString::fromLatin1(g.name) + ".ogg";
    ASSERT_TRUE(decoder.open(path) && decoder.decodeAll(audio)) << path.toStdString();
    const std::vector<float> mono = MetaDataThread::monoMix(audio.left.data(), audio.right.data(),
                                                            int(audio.numFrames), audio.channelCount == 2);
    const MetaDataThread::Analysis analysis = MetaDataThread::analyse(mono, audio.sampleRateHz);
    expectGolden(g, analysis.record);
}

INSTANTIATE_TEST_SUITE_P(Songs, SongGolden, ::testing::ValuesIn(analysisgolden::songs), RowName());

} // namespace
