// The export's rules without a render: names, formats and suffixes, when
// riff and song export are offered, the progress rule, and the input
// blocker that keeps the user out while the export lets events run.
#include "AudioExporter.h"
#include "InputBlocker.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Format = AudioExporter::Format;
using Kind = AudioExporter::Kind;

struct NameCase
{
    const char* name;
    Kind kind;
    const char* audio;
    const char* proposal;
};

class ExportDefaultNames : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ExportDefaultNames, BelowTheSaveLocationWithoutExtension)
{
    const NameCase c = GetParam();
    EXPECT_EQ(AudioExporter::defaultName(c.kind, "/save", c.audio).toStdString(), c.proposal);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportDefaultNames,
    ::testing::Values(NameCase{"recording", Kind::Recording, "/m/Take 1.wav", "/save/songs/Take 1_PROCESSED"},
                      NameCase{"selection", Kind::Selection, "/m/Take 1.wav", "/save/songs/Take 1_SELECTION"},
                      NameCase{"riff_at_the_top", Kind::Riff, "/m/Take 1.wav", "/save/Take 1_RIFF_EDIT"},
                      NameCase{"song", Kind::Song, "/m/Take 1.wav", "/save/songs/Take 1_SONG_EDIT"},
                      NameCase{"base_ends_at_the_first_dot", Kind::Recording, "/m/a.b.flac",
                               "/save/songs/a_PROCESSED"}),
    RowName());

struct TargetCase
{
    const char* name;
    Kind kind;
    const char* chosen;
    const char* filter;
    const char* path;
    Format format;
};

class ExportTargets : public ::testing::TestWithParam<TargetCase>
{
};

TEST_P(ExportTargets, FormatAndSuffix)
{
    const TargetCase c = GetParam();
    const AudioExporter::Target t = AudioExporter::target(c.kind, c.chosen, c.filter);
    EXPECT_EQ(t.path.toStdString(), c.path);
    EXPECT_EQ(t.format, c.format);
}

const char* const both = "MP3 (*.mp3)";
const char* const wavOnly = "WAV (*.wav)";

INSTANTIATE_TEST_SUITE_P(
    Table, ExportTargets,
    ::testing::Values(
        TargetCase{"mp3_filter_adds_its_suffix", Kind::Recording, "/x/take", both, "/x/take.mp3", Format::Mp3},
        TargetCase{"wav_filter_adds_its_suffix", Kind::Recording, "/x/take", wavOnly, "/x/take.wav", Format::Wav},
        TargetCase{"wav_name_kept", Kind::Recording, "/x/take.wav", both, "/x/take.wav", Format::Wav},
        TargetCase{"mp3_name_kept_under_the_wav_filter", Kind::Selection, "/x/take.mp3", wavOnly, "/x/take.mp3",
                   Format::Mp3},
        TargetCase{"wav_tested_first", Kind::Recording, "/x/a.mp3.wav", both, "/x/a.mp3.wav", Format::Wav},
        TargetCase{"capital_suffix_counts", Kind::Recording, "/x/TAKE.WAV", both, "/x/TAKE.WAV", Format::Wav},
        TargetCase{"other_suffix_gets_the_filters", Kind::Recording, "/x/take.flac", both, "/x/take.flac.mp3",
                   Format::Mp3},
        TargetCase{"no_filter_is_wav", Kind::Recording, "/x/take", "", "/x/take.wav", Format::Wav},
        TargetCase{"riff_gets_wav", Kind::Riff, "/x/riff", "wav (*.wav)", "/x/riff.wav", Format::Wav},
        TargetCase{"riff_wav_name_kept", Kind::Riff, "/x/riff.wav", "wav (*.wav)", "/x/riff.wav", Format::Wav},
        TargetCase{"song_named_mp3_is_still_wav", Kind::Song, "/x/song.mp3", "wav (*.wav)", "/x/song.mp3.wav",
                   Format::Wav}),
    RowName());

struct EnableCase
{
    const char* name;
    std::vector<int> lengths;
    bool enabled;
};

class ExportEnabling : public ::testing::TestWithParam<EnableCase>
{
};

TEST_P(ExportEnabling, SomeLoopBeyondItsFirstStep)
{
    const EnableCase c = GetParam();
    EXPECT_EQ(AudioExporter::riffExportEnabled(c.lengths.data()), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Table, ExportEnabling,
                         ::testing::Values(EnableCase{"all_empty", {-2, -2, -2, -2, -2, -2}, false},
                                           EnableCase{"only_first_steps", {-1, -1, -2, -1, -2, -2}, false},
                                           EnableCase{"riff_a_committed", {0, -2, -2, -2, -2, -2}, true},
                                           EnableCase{"riff_f_long", {-2, -2, -2, -2, -2, 15}, true}),
                         RowName());

// ---- Progress rule -----------------------------------------------------------------

std::vector<float> shownFor(const std::vector<int>& positions, int end)
{
    std::vector<float> shown;
    ExportProgress progress([&shown](float pc) { shown.push_back(pc); });
    for (int position : positions)
        progress.advance(position, end);
    return shown;
}

TEST(ExportProgressRule, SelectionStartingAtSixtyPercentClimbsOnePercentPerHop)
{
    // Every hop is already at 60 … 61 %: the bar starts at 1 and rises by
    // one per hop.
    std::vector<int> positions;
    positions.reserve(70);
    for (int i = 0; i < 70; ++i)
        positions.push_back(600 + i / 10);
    const std::vector<float> shown = shownFor(positions, 1000);
    ASSERT_EQ(shown.size(), 59u) << "up to one percent behind 60";
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], float(i + 1));
}

TEST(ExportProgressRule, ShowsEachWholePercentOnceAndLagsByOne)
{
    std::vector<int> positions;
    for (int position = 0; position <= 10000; position += 7)
        positions.push_back(position);
    const std::vector<float> shown = shownFor(positions, 10000);
    ASSERT_EQ(shown.size(), 98u);
    EXPECT_EQ(shown.front(), 1.0f);
    EXPECT_EQ(shown.back(), 98.0f);
}

TEST(ExportProgressRule, NoEndShowsNothing)
{
    EXPECT_TRUE(shownFor({0, 100, 200}, 0).empty());
}

// ---- Input blocker -------------------------------------------------------------------

class CloseProbe : public QWidget
{
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        event->accept();
    }
};

TEST(ExportInputBlocker, SwallowsInputWhileTimersAndRepaintsGoOn)
{
    CloseProbe window;
    auto* button = new QPushButton(&window);
    button->resize(80, 30);
    window.show();
    QSignalSpy clicked(button, &QPushButton::clicked);
    int timerRuns = 0;
    {
        InputBlocker blocker;
        QTimer::singleShot(0, [&timerRuns] { ++timerRuns; });
        press(button, QPoint(10, 10), Qt::LeftButton);
        release(button, QPoint(10, 10), Qt::LeftButton);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(button, &space);
        EXPECT_FALSE(window.close());
        QApplication::processEvents();
        EXPECT_GE(blocker.swallowed(), 3);
        EXPECT_TRUE(window.isVisible());
    }
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(window.closes, 0);
    EXPECT_EQ(timerRuns, 1);
    QPaintEvent paint(QRect(0, 0, 1, 1));
    EXPECT_FALSE(InputBlocker::isUserInput(&paint));

    // Once it is gone, input reaches the widgets again.
    press(button, QPoint(10, 10), Qt::LeftButton);
    release(button, QPoint(10, 10), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(window.close());
}

} // namespace
