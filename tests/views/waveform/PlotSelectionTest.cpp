// The loop selection: raw and beat-snapped loop points, both drag
// directions, the canvas's end at a zoom, stripes, labels, the beat offset
// and the change signal.
//
// The layer is 884 pixels wide over 442,000 frames at zoom 1: 500 frames a
// pixel, exact in float. Beat i lies at 10,000 · i + 5,000 − lead (the beat
// lead), so the raw position of pixel x, 500 · x − lead, is exactly beat i
// at x = 10 + 20 i. The reach of the ends is checked on a ten-minute
// recording.
#include "PlotSelection.h"
#include "BeatLead.h"
#include "MouseEvents.h"
#include "RowName.h"
#include "WaveformFixtures.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace {

const int frames = 442000;
const int layerWidth = 884;
constexpr int lead = base::beatLeadFrames;
constexpr float firstBeat = 5000.0f - lead;

class SelectionFixture : public ::testing::Test
{
protected:
    SelectionFixture()
    {
        selection.resize(layerWidth, 124);
        selection.setSampleCount(frames);
        selection.initMetaData(&model);
    }

    void analyse(float spacing = 10000.0f, int count = 44)
    {
        ASSERT_TRUE(waveformtest::fillModel(model, waveformtest::regularBeats(firstBeat, spacing, count)));
    }

    void drag(int from, int to)
    {
        press(&selection, QPoint(from, 50), Qt::LeftButton);
        move(&selection, QPoint(to, 50), Qt::LeftButton);
        release(&selection, QPoint(to, 50), Qt::LeftButton);
    }

    // The layer as drawn over the waveform, without a window background.
    QImage painted()
    {
        QImage image(selection.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        selection.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    QList<QLabel*> visibleLabels() const
    {
        QList<QLabel*> shown;
        for (QLabel* label : selection.findChildren<QLabel*>())
            if (!label->isHidden())
                shown << label;
        return shown;
    }

    MetaData model;
    PlotSelection selection{nullptr};
};

// ---- Loop points -------------------------------------------------------------

struct LoopCase
{
    const char* name;
    bool analysed;
    int from;
    int to;
    int loopStart;
    int loopEnd;
    int startBeat;
    int endBeat;
};

class LoopPoints : public SelectionFixture, public ::testing::WithParamInterface<LoopCase>
{
};

TEST_P(LoopPoints, FromADrag)
{
    const LoopCase c = GetParam();
    if (c.analysed)
        analyse();
    QSignalSpy clicks(&selection, &PlotSelection::selectionSingleClick);
    QSignalSpy saves(&selection, &PlotSelection::enableSaveSelection);

    drag(c.from, c.to);

    EXPECT_EQ(selection.loopStart, c.loopStart);
    EXPECT_EQ(selection.loopEnd, c.loopEnd);
    EXPECT_EQ(selection.startBeat, c.startBeat);
    EXPECT_EQ(selection.endBeat, c.endBeat);
    EXPECT_EQ(selection.startX, c.from);
    EXPECT_EQ(selection.endX, c.to);
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(saves.count(), 2);
    EXPECT_FALSE(saves.at(0).at(0).toBool()) << "the press clears";
    // Ends that snap to one beat select nothing to export.
    EXPECT_EQ(saves.at(1).at(0).toBool(), c.loopStart != c.loopEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoopPoints,
    ::testing::Values(
        // Without analysis: the raw range, the lead early, never negative.
        LoopCase{"raw", false, 10, 50, 5000 - lead, 25000 - lead, 0, 0},
        LoopCase{"raw_backwards", false, 50, 10, 5000 - lead, 25000 - lead, 0, 0},
        LoopCase{"raw_at_start", false, 2, 50, std::max(1000 - lead, 0), 25000 - lead, 0, 0},
        LoopCase{"raw_click", false, 30, 30, 15000 - lead, 15000 - lead, 0, 0},
        // Snapped: pixel 10 + 20 i is beat i; the loop point is the beat's
        // own position less the lead.
        LoopCase{"on_beats", true, 10, 50, 5000 - 2 * lead, 25000 - 2 * lead, 0, 2},
        LoopCase{"on_beats_backwards", true, 50, 10, 5000 - 2 * lead, 25000 - 2 * lead, 0, 2},
        // Pixel 20 is exactly between beats 0 and 1: the lower wins.
        LoopCase{"tie_goes_to_the_lower_beat", true, 20, 40, 5000 - 2 * lead, 15000 - 2 * lead, 0, 1},
        LoopCase{"past_the_tie", true, 21, 59, 15000 - 2 * lead, 25000 - 2 * lead, 1, 2},
        LoopCase{"before_the_first_beat", true, 0, 3, 5000 - 2 * lead, 5000 - 2 * lead, 0, 0},
        LoopCase{"after_the_last_beat", true, 870, 883, 435000 - 2 * lead, 435000 - 2 * lead, 43, 43},
        // Both ends on one beat: no loop, though the x values differ.
        LoopCase{"one_beat", true, 10, 13, 5000 - 2 * lead, 5000 - 2 * lead, 0, 0},
        LoopCase{"click", true, 70, 70, 35000 - 2 * lead, 35000 - 2 * lead, 3, 3}),
    RowName());

TEST_F(SelectionFixture, ADragPastTheRightEdgeAtAZoomEndsAtTheRecordingsEnd)
{
    // Level 4: the layer is the 4658-pixel canvas.
    selection.resize(4658, 124);
    selection.setZoomFactor(0.1897474f);
    press(&selection, QPoint(4000, 50), Qt::LeftButton);
    move(&selection, QPoint(100000, 50), Qt::LeftButton);
    // The last canvas pixel, in view pixels.
    EXPECT_EQ(selection.endX, int(4657 * 0.1897474f));
    EXPECT_LE(selection.loopEnd, frames - lead);
    // Within one view pixel (500 frames) of the end.
    EXPECT_GT(selection.loopEnd, frames - lead - 2 * 500);
    EXPECT_GT(selection.loopEnd, selection.loopStart);
}

TEST_F(SelectionFixture, LoopPointsChangedFollowsEveryChange)
{
    analyse();
    QSignalSpy changes(&selection, &PlotSelection::loopPointsChanged);
    drag(10, 50);
    EXPECT_EQ(changes.count(), 2) << "press, then the drag";
    move(&selection, QPoint(52, 50), Qt::LeftButton);
    EXPECT_EQ(changes.count(), 2) << "still beat 2";
    move(&selection, QPoint(70, 50), Qt::LeftButton);
    EXPECT_EQ(changes.count(), 3);
    selection.setEndX(90.0f);
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(selection.loopEnd, 45000 - 2 * lead);
    selection.resetPlotSelection();
    EXPECT_EQ(changes.count(), 5);
    EXPECT_EQ(selection.loopStart, selection.loopEnd);
}

TEST_F(SelectionFixture, BeatOffsetKeepsTheBeatsAtTheirNewPlaces)
{
    analyse();
    drag(10, 50);
    QSignalSpy changes(&selection, &PlotSelection::loopPointsChanged);
    model.changeBeats([](QVector<float>& beats) {
        for (float& beat : beats)
            beat += 1500.0f;
    });
    selection.updateSelectionFromOffset(15);
    EXPECT_EQ(selection.loopStart, 5000 - 2 * lead + 1500);
    EXPECT_EQ(selection.loopEnd, 25000 - 2 * lead + 1500);
    EXPECT_EQ(selection.startBeat, 0);
    EXPECT_EQ(selection.endBeat, 2);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(SelectionFixture, BeatOffsetWithoutAnalysisOrWithStaleBeatsChangesNothing)
{
    drag(10, 50);
    selection.updateSelectionFromOffset(0);
    EXPECT_EQ(selection.loopStart, 5000 - lead);
    analyse();
    drag(10, 870);
    ASSERT_EQ(selection.endBeat, 43);
    // A new analysis with fewer beats: the old index is out of range.
    analyse(10000.0f, 10);
    selection.updateSelectionFromOffset(0);
    EXPECT_EQ(selection.loopEnd, 435000 - 2 * lead);
}

TEST_F(SelectionFixture, ResetBeforeTheFirstLayoutDividesByNothing)
{
    PlotSelection fresh(nullptr);
    fresh.resize(0, 0);
    fresh.initMetaData(&model);
    fresh.setSampleCount(frames);
    fresh.resetPlotSelection();
    EXPECT_EQ(fresh.loopStart, 0);
    EXPECT_EQ(fresh.loopEnd, 0);
    fresh.setEndX(300.0f);
    EXPECT_EQ(fresh.loopEnd, 0);
}

struct RestoreCase
{
    const char* name;
    float start;
    float end;
    int startX;
    int endX;
};

class RestoredX : public SelectionFixture, public ::testing::WithParamInterface<RestoreCase>
{
};

TEST_P(RestoredX, StaysWithinTheView)
{
    const RestoreCase c = GetParam();
    selection.setViewWidth(884);
    selection.setStartX(c.start);
    selection.setEndX(c.end);
    EXPECT_EQ(selection.startX, c.startX);
    EXPECT_EQ(selection.endX, c.endX);
    EXPECT_GE(selection.loopStart, 0);
    EXPECT_LE(selection.loopEnd, frames);
}

INSTANTIATE_TEST_SUITE_P(Table, RestoredX,
                         ::testing::Values(RestoreCase{"plain", 10.7f, 50.2f, 10, 50},
                                           RestoreCase{"huge", 1e30f, 3e9f, 884, 884},
                                           RestoreCase{"negative", -5.0f, -1e30f, 0, 0},
                                           RestoreCase{"not_a_number", std::nanf(""), 20.0f, 0, 20}),
                         RowName());

// ---- Reach on a long recording --------------------------------------------------

// Ten minutes at 178 BPM, 44.1 kHz, shown at the deepest level. In view
// pixels (884 across the recording, 0.68 s each) a beat lasts half a
// pixel: kept as view pixels, the ends could reach only every other beat.
class LongRecording : public ::testing::Test
{
protected:
    static constexpr int frames = 44100 * 600;
    static constexpr float spacing = 44100.0f * 60.0f / 178.0f;

    LongRecording()
    {
        const ZoomLevel deepest = ZoomLevel::fromLevel(ZoomLevel::deepestLevel);
        selection.resize(deepest.canvasWidth(layerWidth), 124);
        selection.setZoomFactor(deepest.factor());
        selection.setSampleCount(frames);
        selection.initMetaData(&model);
        const int count = int((float(frames) - 30000.0f) / spacing);
        EXPECT_TRUE(waveformtest::fillModel(model, waveformtest::regularBeats(6000.0f, spacing, count)));
    }

    MetaData model;
    PlotSelection selection{nullptr};
};

TEST_F(LongRecording, EveryBeatCanStartAndEndALoop)
{
    const int beats = model.beats.size();
    std::vector<bool> starts(size_t(beats), false);
    std::vector<bool> ends(size_t(beats), false);
    // Sweep the pointer over every pixel of the canvas: once as the press,
    // once as the drag from the canvas's start.
    for (int x = 0; x < selection.width(); ++x) {
        press(&selection, QPoint(x, 50), Qt::LeftButton);
        release(&selection, QPoint(x, 50), Qt::LeftButton);
        starts[size_t(selection.startBeat)] = true;
    }
    press(&selection, QPoint(0, 50), Qt::LeftButton);
    for (int x = 0; x < selection.width(); ++x) {
        move(&selection, QPoint(x, 50), Qt::LeftButton);
        ends[size_t(selection.endBeat)] = true;
    }
    release(&selection, QPoint(selection.width() - 1, 50), Qt::LeftButton);
    auto missing = [](const std::vector<bool>& reached) {
        std::vector<int> beatsMissed;
        for (size_t b = 0; b < reached.size(); ++b)
            if (!reached[b])
                beatsMissed.push_back(int(b));
        return beatsMissed;
    };
    EXPECT_EQ(missing(starts), std::vector<int>()) << "beats no press starts a loop on";
    EXPECT_EQ(missing(ends), std::vector<int>()) << "beats no drag ends a loop on";
}

TEST_F(SelectionFixture, PreciseEndsStayWithinTheRecordingAndSnapAsADrag)
{
    analyse();
    QSignalSpy saves(&selection, &PlotSelection::enableSaveSelection);
    selection.setFrames(-5, INT_MAX);
    EXPECT_EQ(selection.startFrame, 0);
    EXPECT_EQ(selection.endFrame, frames);
    EXPECT_EQ(selection.startBeat, 0);
    EXPECT_EQ(selection.endBeat, 43);
    // Pixels 10 and 50 of a drag: beats 0 and 2.
    selection.setFrames(25000, 5000);
    EXPECT_EQ(selection.loopStart, 5000 - 2 * lead);
    EXPECT_EQ(selection.loopEnd, 25000 - 2 * lead);
    ASSERT_EQ(saves.count(), 2);
    EXPECT_TRUE(saves.at(1).at(0).toBool());
}

// ---- Stripes and the pink band -------------------------------------------------

struct StripeCase
{
    const char* name;
    float spacing; // frames between beats; 500 frames a pixel
    int from;
    int to;
    bool firstDark;
};

class Stripes : public SelectionFixture, public ::testing::WithParamInterface<StripeCase>
{
};

TEST_P(Stripes, AlternateFromDarkUnlessABeatIsNarrow)
{
    const StripeCase c = GetParam();
    analyse(c.spacing, int(float(frames - 4000) / c.spacing));
    drag(c.from, c.to);
    ASSERT_NE(selection.startBeat, selection.endBeat);
    const QImage image = painted();
    // The middle of the first and the second beat of the range.
    const float beatPixels = c.spacing / 500.0f;
    const float firstEdge = (firstBeat + c.spacing * float(selection.startBeat) - lead) / 500.0f;
    const QColor first = image.pixelColor(int(firstEdge + beatPixels / 2), 50);
    const QColor second = image.pixelColor(int(firstEdge + 1.5f * beatPixels), 50);
    auto isDark = [](const QColor& colour) { return colour.alpha() > 30 && colour.red() < 20; };
    auto isLight = [](const QColor& colour) {
        return colour.alpha() > 15 && colour.alpha() < 35 && colour.red() > 200;
    };
    EXPECT_EQ(isDark(first), c.firstDark) << first.name(QColor::HexArgb).toStdString();
    EXPECT_EQ(isLight(first), !c.firstDark);
    EXPECT_TRUE(isLight(second)) << second.name(QColor::HexArgb).toStdString();
    // Nothing left of the range.
    EXPECT_EQ(image.pixelColor(std::max(int(firstEdge) - 2, 0), 50).alpha(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Stripes,
                         ::testing::Values(StripeCase{"wide_beats", 10000.0f, 10, 90, true},
                                           StripeCase{"six_pixel_beats", 3000.0f, 30, 90, true},
                                           StripeCase{"narrow_beats", 2000.0f, 30, 90, false}),
                         RowName());

TEST_F(SelectionFixture, WithoutABeatRangeThePinkBandShowsTheDrag)
{
    analyse();
    drag(60, 52); // both ends snap to beat 2
    ASSERT_EQ(selection.startBeat, selection.endBeat);
    const QImage image = painted();
    EXPECT_GT(image.pixelColor(55, 50).alpha(), 0);
    EXPECT_GT(image.pixelColor(55, 50).red(), 200);
    EXPECT_EQ(image.pixelColor(62, 50).alpha(), 0);
    EXPECT_EQ(image.pixelColor(50, 50).alpha(), 0);
}

// ---- Labels --------------------------------------------------------------------

struct LabelCase
{
    const char* name;
    int from;
    int to;
    const char* count;
    const char* first;
    const char* last;
    bool numbersOutside;
};

class Labels : public SelectionFixture, public ::testing::WithParamInterface<LabelCase>
{
};

TEST_P(Labels, CountAndBeatNumbersNearTheRange)
{
    const LabelCase c = GetParam();
    analyse();
    drag(c.from, c.to);
    move(&selection, QPoint((c.from + c.to) / 2, 50), Qt::NoButton);

    QList<QLabel*> shown = visibleLabels();
    ASSERT_EQ(shown.size(), 3);
    auto wrapped = [](const char* text) {
        return QStringLiteral("<font color='#B4B4B4'>%1</font>").arg(QLatin1String(text));
    };
    // The count stands at the top, the numbers at the bottom, left to right.
    std::sort(shown.begin(), shown.end(), [](QLabel* a, QLabel* b) {
        return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x());
    });
    const QLabel* count = shown[0];
    const QLabel* first = shown[1];
    const QLabel* last = shown[2];
    EXPECT_EQ(count->text(), wrapped(c.count));
    EXPECT_EQ(first->text(), wrapped(c.first));
    EXPECT_EQ(last->text(), wrapped(c.last));

    // Edges of the range drawn the lead before the beats.
    const float firstX = (firstBeat + 10000.0f * float(selection.startBeat) - lead) / 500.0f;
    const float lastX = (firstBeat + 10000.0f * float(selection.endBeat) - lead) / 500.0f;
    EXPECT_LE(count->geometry().right(), int(lastX)) << "count ends at the range's end";
    EXPECT_GT(count->geometry().right(), int(lastX) - 3);
    if (c.numbersOutside) {
        EXPECT_LE(first->geometry().right(), int(firstX));
        EXPECT_GE(last->x(), int(lastX));
    } else {
        EXPECT_GE(first->x(), int(firstX));
        EXPECT_LE(last->geometry().right(), int(lastX));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Labels,
                         ::testing::Values(LabelCase{"one_beat", 10, 30, "1 BEAT", "1", "1", true},
                                           LabelCase{"two_beats_narrow", 10, 50, "2 BEATS", "1", "2", true},
                                           LabelCase{"four_beats_inside", 30, 110, "4 BEATS", "2", "5", false}),
                         RowName());

TEST_F(SelectionFixture, LabelsHideBeyondABeatAwayUnlessDraggingAndOnLeave)
{
    analyse();
    drag(30, 110);
    move(&selection, QPoint(70, 50), Qt::NoButton);
    ASSERT_EQ(visibleLabels().size(), 3);

    move(&selection, QPoint(200, 50), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(visibleLabels().size(), 3) << "the left button is held";
    move(&selection, QPoint(200, 50), Qt::NoButton);
    EXPECT_TRUE(visibleLabels().isEmpty());

    move(&selection, QPoint(70, 50), Qt::NoButton);
    ASSERT_EQ(visibleLabels().size(), 3);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&selection, &leave);
    EXPECT_TRUE(visibleLabels().isEmpty());
}

TEST_F(SelectionFixture, NoLabelsWithoutAnalysisOrWithoutABeatRange)
{
    drag(30, 110);
    move(&selection, QPoint(70, 50), Qt::NoButton);
    EXPECT_TRUE(visibleLabels().isEmpty());
    analyse();
    drag(30, 32);
    move(&selection, QPoint(31, 50), Qt::NoButton);
    EXPECT_TRUE(visibleLabels().isEmpty());
}

// ---- Clicks --------------------------------------------------------------------

TEST_F(SelectionFixture, OnlyExactlyTheLeftButtonSelectsAndDoubleClicks)
{
    QSignalSpy clicks(&selection, &PlotSelection::selectionSingleClick);
    QSignalSpy doubles(&selection, &PlotSelection::selectionDoubleClick);
    press(&selection, QPoint(30, 50), Qt::RightButton);
    press(&selection, QPoint(30, 50), Qt::LeftButton | Qt::RightButton);
    EXPECT_TRUE(clicks.isEmpty());
    waveformtest::doubleClick(&selection, QPoint(30, 50));
    EXPECT_EQ(clicks.count(), 1) << "a double click presses once";
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(selection.startX, 30);
    EXPECT_EQ(selection.endX, 30);
}

} // namespace
