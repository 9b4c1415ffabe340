// The chord strip: tags per run laid out from the model's beats (also when
// the beat-offset knob has moved them), the press that starts a correction,
// the play mark, the flashing, the edit range with its handles and picked
// beat, and the end of a correction when a new file is opened.
#include "CustomButton.h"
#include "EditBoundary.h"
#include "MouseEvents.h"
#include "RowName.h"
#include "StripFixture.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace {

using namespace striptest;

struct Geometry
{
    int x;
    int width;
    bool operator==(const Geometry& o) const { return x == o.x && width == o.width; }
};

std::ostream& operator<<(std::ostream& os, const Geometry& g)
{
    return os << "(x " << g.x << ", w " << g.width << ")";
}

std::vector<Geometry> tagGeometries(const ChordsStrip& strip)
{
    std::vector<Geometry> result;
    for (const ChordLabel* tag : strip.chordLabels())
        result.push_back({tag->x(), tag->width()});
    return result;
}

// --- Rebuild and layout ---------------------------------------------------------

TEST(ChordsStripRebuild, OneTagPerRunCoveringItsBeats)
{
    StripHost host;
    const QList<ChordLabel*>& tags = host.strip->chordLabels();
    ASSERT_EQ(tags.size(), 4);
    const char* names[] = {"C", "G", "C", "D"};
    const int firsts[] = {0, 2, 5, 6};
    const int counts[] = {2, 3, 1, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tags[i]->getBaseText(), QString::fromLatin1(names[i]));
        EXPECT_EQ(tags[i]->getFirstBeat(), firsts[i]);
        EXPECT_EQ(tags[i]->getBeatCount(), counts[i]);
        EXPECT_TRUE(tags[i]->isVisible());
        EXPECT_EQ(tags[i]->height(), 20);
    }
    // Drawn the lead early, beat b lies at 200 b; the last ends at beat 8.
    EXPECT_EQ(tagGeometries(*host.strip), (std::vector<Geometry>{{0, 400}, {400, 600}, {1000, 200}, {1200, 400}}));
    EXPECT_EQ(host.strip->getSampleOffset(), -base::beatLeadFrames);
}

TEST(ChordsStripRebuild, OneEntryGivesOneTag)
{
    StripHost host(names({"Em"}));
    ASSERT_EQ(host.strip->chordLabels().size(), 1);
    EXPECT_EQ(host.tag(0)->getBeatCount(), 1);
    EXPECT_EQ(tagGeometries(*host.strip), (std::vector<Geometry>{{0, 200}}));
}

TEST(ChordsStripRebuild, ARebuildReplacesTheTags)
{
    StripHost host;
    QPointer<ChordLabel> old = host.tag(0);
    host.load(names({"D", "D", "D"}));
    EXPECT_TRUE(old.isNull());
    ASSERT_EQ(host.strip->chordLabels().size(), 1);
    EXPECT_EQ(host.tag(0)->getBaseText(), QStringLiteral("D"));
}

TEST(ChordsStripRebuild, WithoutAValidModelTheOldTagsStayHidden)
{
    StripHost host;
    host.model.resetMetaData();
    host.strip->initChordStrip();
    ASSERT_EQ(host.strip->chordLabels().size(), 4);
    for (const ChordLabel* tag : host.strip->chordLabels())
        EXPECT_FALSE(tag->isVisible());
}

// A cache this system did not write may lack the closing beat.
TEST(ChordsStripRebuild, ALastTagWithoutClosingBeatEndsAtTheRecordingsEnd)
{
    StripHost host;
    host.model.changeBeats([](QVector<float>& beats) { beats.removeLast(); });
    host.strip->initChordStrip();
    deleteLaterNow();
    const ChordLabel* last = host.strip->chordLabels().last();
    EXPECT_EQ(last->x(), 1200);
    EXPECT_EQ(last->x() + last->width(), stripWidth);
    EXPECT_FALSE(host.strip->grab().isNull());
}

TEST(ChordsStripRebuild, NothingIsLaidOutOverNoWidthUntilItHasOne)
{
    StripHost host;
    host.strip->resize(0, 20);
    host.strip->initChordStrip();
    deleteLaterNow();
    host.strip->resize(stripWidth, 20);
    EXPECT_EQ(tagGeometries(*host.strip), (std::vector<Geometry>{{0, 400}, {400, 600}, {1000, 200}, {1200, 400}}));
}

// The player moves the model's beats in place when the knob turns; the
// strip only lays out again. Tags and beat dots move by one knob step.
TEST(ChordsStripLayout, AKnobTurnAfterARebuildMovesTagsAndDotsOnce)
{
    StripHost host;
    // Samples per knob unit (the model's beatLengthPercent, 17 here): 20 keeps
    // a step at two whole pixels.
    const int step = 20;
    auto moveBeats = [&](int units) {
        host.model.changeBeats([&](QVector<float>& beats) {
            for (float& beat : beats)
                beat += float(units * step);
        });
    };

    // The knob stood at 60 when the model was rebuilt.
    moveBeats(60 - 49);
    host.strip->initChordStrip();
    deleteLaterNow();
    press(host.tag(1), host.centreOf(host.tag(1)), Qt::RightButton);
    host.strip->repositionChords(60);
    const std::vector<Geometry> before = tagGeometries(*host.strip);

    moveBeats(1);
    host.strip->repositionChords(61);
    const std::vector<Geometry> after = tagGeometries(*host.strip);
    ASSERT_EQ(after.size(), before.size());
    const chordstrip::PixelScale dots = host.beatLine()->scale();
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].x - before[i].x, 2) << "tag " << i;
        EXPECT_EQ(after[i].width, before[i].width) << "tag " << i;
        // The beat line's dot on the tag's first beat sits on its edge.
        const ChordLabel* tag = host.tag(int(i));
        EXPECT_EQ(dots.x(host.model.beats.at(tag->getFirstBeat())), after[i].x) << "tag " << i;
    }
}

// --- Starting a correction -------------------------------------------------------

struct PressCase
{
    const char* name;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool opens;
};

class CorrectionPress : public ::testing::TestWithParam<PressCase>
{
};

TEST_P(CorrectionPress, OnlyTheSecondaryClickOpensACorrection)
{
    const PressCase& c = GetParam();
    StripHost host;
    QSignalSpy opened(host.strip, &ChordsStrip::showChordEdit);
    ChordLabel* tag = host.tag(1);
    press(tag, host.centreOf(tag), c.buttons, c.modifiers);
    EXPECT_EQ(opened.count(), c.opens ? 1 : 0);
    EXPECT_EQ(host.strip->isEditing(), c.opens);
    EXPECT_EQ(tag->isFlashing(), c.opens);
    EXPECT_EQ(host.beatLine()->isVisible(), c.opens);
}

// Qt's MetaModifier is the Control key, ControlModifier the Command key.
INSTANTIATE_TEST_SUITE_P(
    Table, CorrectionPress,
    ::testing::Values(PressCase{"Right", Qt::RightButton, Qt::NoModifier, true},
                      PressCase{"RightWithShift", Qt::RightButton, Qt::ShiftModifier, true},
                      PressCase{"LeftWithControl", Qt::LeftButton, Qt::MetaModifier, true},
                      PressCase{"Left", Qt::LeftButton, Qt::NoModifier, false},
                      PressCase{"LeftWithControlAndShift", Qt::LeftButton, Qt::MetaModifier | Qt::ShiftModifier,
                                false},
                      PressCase{"LeftWithCommand", Qt::LeftButton, Qt::ControlModifier, false},
                      PressCase{"Middle", Qt::MiddleButton, Qt::NoModifier, false},
                      PressCase{"LeftAndRight", Qt::LeftButton | Qt::RightButton, Qt::NoModifier, false}),
    RowName());

TEST(ChordsStripCorrection, APressOpensThePopupAndTheRangeAroundTheTag)
{
    StripHost host;
    QStringList order;
    QObject probe;
    QObject::connect(host.strip, &ChordsStrip::showChordEdit, &probe,
                     [&](const QString& text, int x, ChordLabel* label) {
                         order << QStringLiteral("showChordEdit %1 %2").arg(text).arg(x);
                         EXPECT_EQ(label, host.tag(1));
                     });
    QObject::connect(host.strip, &ChordsStrip::stopScrolling, &probe,
                     [&](bool on) { order << QStringLiteral("stopScrolling %1").arg(on); });

    ChordLabel* tag = host.tag(1);
    press(tag, host.centreOf(tag), Qt::RightButton);

    // x in the waveform view: the strip's x (10) plus the tag's (400).
    EXPECT_EQ(order, (QStringList{"showChordEdit G 410", "stopScrolling 0"}));
    EXPECT_EQ(tag->getColour(), QColor(255, 135, 40));
    EXPECT_EQ(host.beatLine()->editText, QStringLiteral("G"));
    EXPECT_EQ(host.strip->getStartEndBeats(), QPoint(2, 5));
    EXPECT_EQ(host.beatLine()->startBeat, 2);
    EXPECT_EQ(host.beatLine()->endBeat, 5);
    EXPECT_EQ(host.strip->getLeftHandle()->pos(), QPoint(390, 0));
    EXPECT_EQ(host.strip->getRightHandle()->pos(), QPoint(990, 0));
    EXPECT_TRUE(host.strip->getLeftHandle()->isVisible());
    EXPECT_TRUE(host.strip->getRightHandle()->isVisible());
}

TEST(ChordsStripCorrection, DeactivateEndsTheFlashingAndClearsTheBeatLineText)
{
    StripHost host;
    ChordLabel* tag = host.tag(0);
    press(tag, host.centreOf(tag), Qt::RightButton);
    tag->flash();
    host.strip->deactivateAll();
    EXPECT_FALSE(tag->isFlashing());
    EXPECT_FALSE(tag->isEditing());
    EXPECT_FLOAT_EQ(tag->getOpacity(), 1.0f);
    EXPECT_EQ(tag->getColour(), QColor(255, 110, 0));
    EXPECT_TRUE(host.beatLine()->editText.isEmpty());
}

TEST(ChordLabelFlash, FallsToHalfAndRisesBackInTwentiethSteps)
{
    ChordLabel tag(nullptr, QStringLiteral("C"));
    std::vector<float> seen;
    for (int i = 0; i < 22; ++i) {
        tag.flash();
        seen.push_back(tag.getOpacity());
    }
    const std::vector<float> expected = {0.95f, 0.9f, 0.85f, 0.8f, 0.75f, 0.7f, 0.65f, 0.6f,
                                         0.55f, 0.5f, 0.55f, 0.6f, 0.65f, 0.7f, 0.75f, 0.8f,
                                         0.85f, 0.9f, 0.95f, 1.0f, 0.95f, 0.9f};
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_NEAR(seen[i], expected[i], 1e-6) << "step " << i + 1;
}

// --- Play mark ---------------------------------------------------------------------

struct PlayCase
{
    const char* name;
    std::vector<float> positions; // strip x, one per timer tick
    int marked;                   // tag index, −1 none
};

class PlayMark : public ::testing::TestWithParam<PlayCase>
{
};

TEST_P(PlayMark, MarksTheTagThePlayLineLiesIn)
{
    const PlayCase& c = GetParam();
    StripHost host;
    float position = 0.0f;
    host.strip->setPlayPosPtr(&position);
    for (float p : c.positions) {
        position = p;
        host.strip->updatePlayPos();
    }
    for (int i = 0; i < host.strip->chordLabels().size(); ++i)
        EXPECT_EQ(host.tag(i)->isPlaying(), i == c.marked) << "tag " << i;
}

// Tags: [0, 400), [400, 1000), [1000, 1200), [1200, 1600).
INSTANTIATE_TEST_SUITE_P(Table, PlayMark,
                         ::testing::Values(PlayCase{"InsideTheFirst", {50.0f}, 0},
                                           PlayCase{"MovesOn", {50.0f, 450.5f}, 1},
                                           PlayCase{"OnABoundaryMarksTheTagStartingThere", {400.0f}, 1},
                                           PlayCase{"OnABoundaryMovesTheMark", {50.0f, 400.0f}, 1},
                                           PlayCase{"OnTheFirstEdge", {0.0f}, 0},
                                           PlayCase{"BeyondTheTagsKeepsTheMark", {1100.0f, 3000.0f}, 2},
                                           PlayCase{"BackAgain", {1100.0f, 10.0f}, 0}),
                         RowName());

TEST(PlayMarkPointer, NoPointerMarksNothing)
{
    StripHost host;
    host.strip->setPlayPosPtr(nullptr);
    host.strip->updatePlayPos();
    for (const ChordLabel* tag : host.strip->chordLabels())
        EXPECT_FALSE(tag->isPlaying());
}

// --- The edit range ------------------------------------------------------------------

// A correction open on the "G" tag: beats 2 to 4, pixels 400 to 1000.
class EditRange : public ::testing::Test
{
protected:
    EditRange() { press(host.tag(1), host.centreOf(host.tag(1)), Qt::RightButton); }
    void clickBeatLine(int x) { press(host.beatLine(), {x, 10}, Qt::LeftButton); }
    // Press a handle, leave it, then move to x (strip pixels) with the
    // button held: moves that leave the handle reach the strip.
    void drag(CustomButton* handle, int x)
    {
        press(handle, {10, 10}, Qt::LeftButton);
        move(handle, {x - handle->x(), 10}, Qt::LeftButton);
        move(handle, {x - handle->x(), 10}, Qt::LeftButton);
    }

    StripHost host;
};

TEST_F(EditRange, APickedBeatIsTheRangeWhereverItLies)
{
    EXPECT_EQ(host.strip->getStartEndBeats(), QPoint(2, 5));
    clickBeatLine(700); // beat 3, inside
    EXPECT_EQ(host.strip->getStartEndBeats(), QPoint(3, 4));
    clickBeatLine(100); // beat 0, outside: picked, drawn nowhere
    EXPECT_EQ(host.strip->getStartEndBeats(), QPoint(0, 1));
    EXPECT_EQ(host.beatLine()->selectedBeat, 0);
}

TEST_F(EditRange, PickingStopsTheFlashingAndASecondClickRestartsIt)
{
    ChordLabel* tag = host.tag(1);
    QSignalSpy flashing(host.beatLine(), &BeatLineWidget::stopEditLabelFlashing);
    tag->flash();
    clickBeatLine(700);
    EXPECT_FALSE(tag->isFlashing());
    EXPECT_FLOAT_EQ(tag->getOpacity(), 1.0f);
    clickBeatLine(700);
    EXPECT_TRUE(tag->isFlashing());
    EXPECT_EQ(host.beatLine()->selectedBeat, -1);
    EXPECT_EQ(host.strip->getStartEndBeats(), QPoint(2, 5));
    ASSERT_EQ(flashing.count(), 2);
    EXPECT_TRUE(flashing[0][0].toBool());
    EXPECT_FALSE(flashing[1][0].toBool());
    // Flashing again starts by falling.
    tag->flash();
    EXPECT_NEAR(tag->getOpacity(), 0.95f, 1e-6);
}

TEST_F(EditRange, ClicksOnNoBeatAndOtherButtonsPickNothing)
{
    clickBeatLine(600); // on beat 3's own column
    press(host.beatLine(), {700, 10}, Qt::RightButton);
    EXPECT_EQ(host.beatLine()->selectedBeat, -1);
    EXPECT_TRUE(host.tag(1)->isFlashing());
}

TEST_F(EditRange, HoverFollowsThePointerAndLeavingResetsIt)
{
    move(host.beatLine(), {850, 10}, Qt::NoButton);
    EXPECT_EQ(host.beatLine()->hoverBeat, 4);
    move(host.beatLine(), {800, 10}, Qt::NoButton); // on a column: unchanged
    EXPECT_EQ(host.beatLine()->hoverBeat, 4);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(host.beatLine(), &leave);
    EXPECT_EQ(host.beatLine()->hoverBeat, 0);
}

struct DragCase
{
    const char* name;
    bool leftHandle;
    int pointerX; // strip pixels
    QPoint range;
    Geometry tag;
};

class HandleDrag : public EditRange, public ::testing::WithParamInterface<DragCase>
{
};

TEST_P(HandleDrag, GrowsTheRangeOutwardBySnappingToBeats)
{
    const DragCase& c = GetParam();
    CustomButton* handle = c.leftHandle ? host.strip->getLeftHandle() : host.strip->getRightHandle();
    drag(handle, c.pointerX);
    EXPECT_EQ(host.strip->getStartEndBeats(), c.range);
    EXPECT_EQ(host.beatLine()->startBeat, c.range.x());
    EXPECT_EQ(host.beatLine()->endBeat, c.range.y());
    const ChordLabel* tag = host.tag(1);
    EXPECT_EQ((Geometry{tag->x(), tag->width()}), c.tag);
    // Each handle sits on its end of the range.
    EXPECT_EQ(host.strip->getLeftHandle()->x() + 10, c.tag.x);
    EXPECT_EQ(host.strip->getRightHandle()->x() + 10, c.tag.x + c.tag.width);
}

// Beats every 200 pixels; the tag covers beats 2-4, pixels 400-1000.
INSTANTIATE_TEST_SUITE_P(Table, HandleDrag,
                         ::testing::Values(DragCase{"LeftIntoBeatOne", true, 150, {1, 5}, {200, 800}},
                                           DragCase{"LeftJustPastAMidpoint", true, 301, {2, 5}, {400, 600}},
                                           DragCase{"LeftOnAMidpoint", true, 300, {2, 5}, {400, 600}},
                                           DragCase{"LeftInsideTheTag", true, 500, {2, 5}, {400, 600}},
                                           DragCase{"LeftFarRight", true, 1500, {2, 5}, {400, 600}},
                                           DragCase{"RightIntoBeatFive", false, 1150, {2, 6}, {400, 800}},
                                           DragCase{"RightTwoBeats", false, 1350, {2, 7}, {400, 1000}},
                                           DragCase{"RightOnAMidpoint", false, 1100, {2, 5}, {400, 600}},
                                           DragCase{"RightInsideTheTag", false, 900, {2, 5}, {400, 600}},
                                           DragCase{"RightFarLeft", false, 50, {2, 5}, {400, 600}}),
                         RowName());

TEST_F(EditRange, AReleasedHandleNoLongerDrags)
{
    CustomButton* handle = host.strip->getRightHandle();
    drag(handle, 1150);
    release(handle, {1150 - handle->x(), 10}, Qt::LeftButton);
    EXPECT_EQ(handle->frame(), 0);
    move(host.strip, {1350, 10}, Qt::NoButton);
    EXPECT_EQ(host.strip->getStartEndBeats(), QPoint(2, 6));
}

TEST_F(EditRange, ARelayoutReturnsADraggedRangeToTheTagAndKeepsThePick)
{
    drag(host.strip->getRightHandle(), 1350);
    release(host.strip->getRightHandle(), {0, 10}, Qt::LeftButton);
    clickBeatLine(700);
    host.strip->repositionChords();
    EXPECT_EQ(host.strip->getLeftBoundary()->boundaryBeat, 2);
    EXPECT_EQ(host.strip->getRightBoundary()->boundaryBeat, 5);
    EXPECT_EQ((Geometry{host.tag(1)->x(), host.tag(1)->width()}), (Geometry{400, 600}));
    EXPECT_EQ(host.beatLine()->selectedBeat, 3);
    EXPECT_EQ(host.strip->getStartEndBeats(), QPoint(3, 4));
    EXPECT_TRUE(host.strip->isEditing());
}

TEST_F(EditRange, ARebuildEndsTheCorrection)
{
    clickBeatLine(700);
    host.strip->initChordStrip();
    deleteLaterNow();
    EXPECT_FALSE(host.strip->isEditing());
    EXPECT_FALSE(host.beatLine()->isVisible());
    EXPECT_FALSE(host.strip->getLeftHandle()->isVisible());
    EXPECT_FALSE(host.strip->getRightHandle()->isVisible());
    EXPECT_EQ(host.beatLine()->selectedBeat, -1);
    EXPECT_EQ(host.beatLine()->startBeat, -1);
}

// A re-analysis under way leaves the model invalid: the rebuild keeps the
// old tags, but the correction still ends and no tag keeps flashing.
TEST_F(EditRange, ARebuildWithoutAValidModelStillEndsTheCorrection)
{
    ChordLabel* tag = host.tag(1);
    clickBeatLine(700); // holds the flashing
    host.model.metaDataValid.store(false);
    host.strip->initChordStrip();
    EXPECT_FALSE(host.strip->isEditing());
    EXPECT_FALSE(tag->isEditing());
    EXPECT_FALSE(tag->isFlashing());
    EXPECT_EQ(tag->getColour(), QColor(255, 110, 0));
    EXPECT_FALSE(host.beatLine()->isVisible());
}

// --- A new file while a correction is open ------------------------------------------

TEST_F(EditRange, ResetEndsTheCorrectionAndTellsThePopup)
{
    QSignalSpy aborted(host.strip, &ChordsStrip::chordEditAborted);
    drag(host.strip->getRightHandle(), 1150);
    clickBeatLine(700);
    host.model.resetMetaData();
    host.strip->reset();
    deleteLaterNow();

    EXPECT_EQ(aborted.count(), 1);
    EXPECT_FALSE(host.strip->isEditing());
    EXPECT_TRUE(host.strip->chordLabels().isEmpty());
    EXPECT_FALSE(host.strip->isVisible());
    EXPECT_EQ(host.strip->getKeyShift(), 0);
    EXPECT_FALSE(host.beatLine()->isVisible());
    EXPECT_FALSE(host.strip->getLeftHandle()->isVisible());
    EXPECT_FALSE(host.strip->getRightHandle()->isVisible());
    EXPECT_FALSE(host.strip->getLeftBoundary()->isVisible());
    EXPECT_FALSE(host.strip->getRightBoundary()->isVisible());
    const BeatLineWidget* line = host.beatLine();
    EXPECT_EQ((std::vector<int>{line->hoverBeat, line->selectedBeat, line->startBeat, line->endBeat}),
              (std::vector<int>{0, -1, -1, -1}));

    // Moves, relayouts and a query after the reset touch nothing deleted.
    move(host.strip, {1350, 10}, Qt::LeftButton);
    host.strip->stopEditLabelFlashing(false);
    host.strip->repositionChords(52);
    host.strip->updatePlayPos();
}

// The beat line paints from the model as it is, even emptied under it.
TEST_F(EditRange, TheBeatLinePaintsFromAnEmptiedModel)
{
    clickBeatLine(700);
    move(host.beatLine(), {700, 10}, Qt::NoButton);
    host.model.resetMetaData();
    EXPECT_FALSE(host.beatLine()->grab().isNull());
    fillModel(host.model, gridBeats(2), names({"A", "A"}), names({"A"}));
    EXPECT_FALSE(host.beatLine()->grab().isNull());
}

} // namespace
