// Loading a session over the views' real objects: the documented edge
// cases, untrusted values kept within the working set and the controls'
// ranges, stopped loads, and save → load → save giving the same bytes.
#include "SessionLoader.h"
#include "RowName.h"
#include "SessionDocument.h"
#include "SessionTestSupport.h"
#include "SessionValidator.h"
#include "SessionWriter.h"

#include "BeatLead.h"
#include "ChainControls.h"
#include "Knob.h"
#include "MouseEvents.h"
#include "RiffIdWidget.h"
#include "ZoomLevel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace sessiontest;

namespace {

const QString recordingPath = QStringLiteral("/music/Song.wav");

QByteArray doc(const QString& body)
{
    return ("<!DOCTYPE TBXML>\n<tbxml>" + body + "</tbxml>").toUtf8();
}

QString step(int beat, int state, double semitone = 0.0, int start = 0, int end = 0)
{
    return QStringLiteral("<step><beat>%1</beat><state>%2</state><startSample>%3</startSample>"
                          "<endSample>%4</endSample><semitone>%5</semitone><interp>%6</interp></step>")
        .arg(beat)
        .arg(state)
        .arg(start)
        .arg(end)
        .arg(semitone)
        .arg(std::pow(2.0, semitone / 12.0));
}

QString riff(const QString& idAttribute, int length, int maximum, const QString& steps)
{
    return QStringLiteral("<riff%1><riffLength>%2</riffLength><riffLengthMax>%3</riffLengthMax>%4</riff>")
        .arg(idAttribute)
        .arg(length)
        .arg(maximum)
        .arg(steps);
}

QString riffsTab(const QString& inner)
{
    return "<riffsTab>" + inner + "</riffsTab>";
}

QString repeated(const QString& piece, int times)
{
    QString all;
    for (int i = 0; i < times; ++i)
        all += piece;
    return all;
}

BeatSelection& riffOf(SessionRig& r, int i)
{
    return *r.plotter()->beatSelections[i];
}

float pitchOf(SessionRig& r, int riff, int step)
{
    return r.jam->contextMenus.at(riff * 16 + step)->pitchWidget->getPitchSemitone();
}

QList<int> songOf(SessionRig& r)
{
    return r.jam->songStep->song();
}

QList<int> slotsOf(int riff)
{
    QList<int> slotList;
    for (int i = 0; i < 16; ++i)
        slotList.append(riff);
    return slotList;
}

struct LoadCase
{
    const char* name;
    QByteArray document;
    std::function<void(SessionRig&)> before;
    SessionLoader::Status status;
    std::function<void(SessionRig&)> check;
};

class SessionLoading : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(SessionLoading, EdgeCase)
{
    const LoadCase c = GetParam();
    SessionRig r;
    if (c.before)
        c.before(r);
    EXPECT_EQ(SessionLoader(r.views(), r.shell).load(c.document), c.status);
    c.check(r);
    // Whatever the document held, nothing outside the working set.
    for (int i = 0; i < 6; ++i)
        EXPECT_GE(riffOf(r, i).getLoopLength(), -2);
    EXPECT_GE(r.plotter()->beatSelectionStack->currentIndex(), 0);
    EXPECT_LT(r.plotter()->beatSelectionStack->currentIndex(), 6);
    EXPECT_GE(r.shell.currentTab(), 0);
    EXPECT_LE(r.shell.currentTab(), 2);
    for (int slot : songOf(r)) {
        EXPECT_GE(slot, -1);
        EXPECT_LE(slot, 5);
    }
}

using Status = SessionLoader::Status;
using R = SessionRig&;

INSTANTIATE_TEST_SUITE_P(
    Table, SessionLoading,
    ::testing::Values(
        LoadCase{"root_without_children_applies_the_defaults", doc(""), dressUp, Status::Completed,
                 [](R r) {
                     EXPECT_TRUE(r.shell.opened.empty());
                     for (int i = 0; i < 6; ++i) {
                         EXPECT_EQ(riffOf(r, i).getLoopLength(), -2) << "riff " << i;
                         for (int s = 0; s < 16; ++s) {
                             EXPECT_EQ(pitchOf(r, i, s), 0.0f);
                             EXPECT_EQ(riffOf(r, i).stepPitch(s), 1.0f);
                         }
                     }
                     EXPECT_EQ(r.plotter()->beatSelectionStack->currentIndex(), 0);
                     EXPECT_EQ(r.plotter()->selectionStack->currentIndex(), 0);
                     EXPECT_EQ(songOf(r), slotsOf(0));
                     EXPECT_EQ(r.plotter()->plotSelection->startX, 0);
                     EXPECT_EQ(r.plotter()->plotSelection->endX, 0);
                     EXPECT_FALSE(r.player()->isPlaying());
                     EXPECT_LE(r.player()->getCurrentPosition(), 1024);
                 }},
        LoadCase{"same_path_applies_over_the_open_recording",
                 doc("<fileName>" + recordingPath + "</fileName>"
                     + riffsTab(riff(" id=\"0\"", 3, 3, step(0, 2, 5) + step(5, 2)))),
                 dressUp, Status::Completed,
                 [](R r) {
                     EXPECT_TRUE(r.shell.opened.empty());
                     EXPECT_EQ(r.shell.recentForgotten, 0);
                     // Step 0's stored beat 0 keeps its placement; its pitch is set.
                     EXPECT_EQ(riffOf(r, 0).beatIndex(0), 4);
                     EXPECT_EQ(pitchOf(r, 0, 0), 5.0f);
                     EXPECT_EQ(riffOf(r, 0).beatIndex(1), 5);
                 }},
        LoadCase{"path_differing_in_one_character_opens_again",
                 doc("<fileName>/music/song.wav</fileName>"), nullptr, Status::Completed,
                 [](R r) {
                     EXPECT_EQ(r.shell.opened, std::vector<QString>{"/music/song.wav"});
                     EXPECT_EQ(r.shell.recentForgotten, 1);
                 }},
        LoadCase{"recording_not_opened_stops_the_load",
                 doc("<fileName>/gone.wav</fileName><looped>1</looped><currentTab>2</currentTab>"),
                 [](R r) { r.shell.openResult = 1; }, Status::Stopped,
                 [](R r) {
                     EXPECT_EQ(r.transport->loopButton->frame(), 0);
                     EXPECT_TRUE(r.shell.tabCalls.empty());
                     EXPECT_EQ(r.shell.recentForgotten, 0);
                 }},
        LoadCase{"values_met_before_a_failed_opening_stay",
                 doc("<currentTab>2</currentTab><fileName>/gone.wav</fileName>"),
                 [](R r) { r.shell.openResult = -1; }, Status::Stopped,
                 [](R r) { EXPECT_EQ(r.shell.currentTab(), 2); }},
        LoadCase{"empty_file_name_goes_to_the_opening", doc("<fileName/>"), nullptr, Status::Completed,
                 [](R r) { EXPECT_EQ(r.shell.opened, std::vector<QString>{QString()}); }},
        LoadCase{"only_the_first_file_name_opens",
                 doc("<fileName>" + recordingPath + "</fileName><fileName>/other.wav</fileName>"), nullptr,
                 Status::Completed, [](R r) { EXPECT_TRUE(r.shell.opened.empty()); }},
        LoadCase{"song_with_fewer_steps_fills_riff_a",
                 doc(riffsTab("<song><step>2</step><step>-1</step><step>5</step></song>")), nullptr,
                 Status::Completed,
                 [](R r) {
                     QList<int> expected = slotsOf(0);
                     expected[0] = 2;
                     expected[1] = -1;
                     expected[2] = 5;
                     EXPECT_EQ(songOf(r), expected);
                 }},
        LoadCase{"seventeenth_song_step_ignored",
                 doc(riffsTab("<song>" + repeated("<step>1</step>", 16) + "<step>3</step></song>")), nullptr,
                 Status::Completed, [](R r) { EXPECT_EQ(songOf(r), slotsOf(1)); }},
        LoadCase{"riff_without_id_fills_riff_a", doc(riffsTab(riff("", 0, 0, step(3, 2)))), nullptr,
                 Status::Completed,
                 [](R r) {
                     EXPECT_EQ(riffOf(r, 0).getLoopLength(), 0);
                     EXPECT_EQ(riffOf(r, 0).beatIndex(0), 3);
                 }},
        LoadCase{"riff_id_that_is_no_number_fills_riff_a", doc(riffsTab(riff(" id=\"x\"", 0, 0, step(3, 2)))),
                 nullptr, Status::Completed, [](R r) { EXPECT_EQ(riffOf(r, 0).beatIndex(0), 3); }},
        LoadCase{"riff_ids_outside_a_to_f_ignored",
                 doc(riffsTab(riff(" id=\"-1\"", 0, 0, step(3, 2, 7)) + riff(" id=\"6\"", 0, 0, step(3, 2, 7))
                              + riff(" id=\"2147483648\"", 0, 0, step(3, 2, 7))
                              + riff(" id=\"99999999999999999999\"", 0, 0, step(3, 2, 7)))),
                 nullptr, Status::Completed,
                 [](R r) {
                     for (int i = 0; i < 6; ++i) {
                         EXPECT_EQ(riffOf(r, i).getLoopLength(), -2);
                         EXPECT_EQ(pitchOf(r, i, 0), 0.0f);
                     }
                 }},
        LoadCase{"later_riff_with_one_id_overwrites_step_by_step",
                 doc(riffsTab(riff(" id=\"1\"", 1, 1, step(3, 2) + step(5, 2))
                              + riff(" id=\"1\"", 1, 1, step(8, 2)))),
                 nullptr, Status::Completed,
                 [](R r) {
                     EXPECT_EQ(riffOf(r, 1).beatIndex(0), 8);
                     EXPECT_EQ(riffOf(r, 1).beatIndex(1), 5);
                 }},
        LoadCase{"seventeenth_riff_step_ignored",
                 doc(riffsTab(riff(" id=\"0\"", 15, 15, repeated(step(2, 2, 3), 16) + step(2, 2, 7)))), nullptr,
                 Status::Completed,
                 [](R r) {
                     EXPECT_EQ(riffOf(r, 0).getLoopLength(), 15);
                     EXPECT_EQ(pitchOf(r, 0, 15), 3.0f);
                 }},
        LoadCase{"riff_whose_steps_are_all_unused_comes_back_empty",
                 doc(riffsTab(riff(" id=\"0\"", 0, 0, repeated(step(0, 0), 16)))), dressUp, Status::Completed,
                 [](R r) {
                     EXPECT_EQ(riffOf(r, 0).getLoopLength(), -2);
                     EXPECT_EQ(riffOf(r, 0).model().maxLoopLength(), -1);
                 }},
        LoadCase{"current_riff_beyond_f_is_a_everywhere",
                 doc(riffsTab("<currentRiff>7</currentRiff>")), dressUp, Status::Completed,
                 [](R r) {
                     EXPECT_EQ(r.plotter()->beatSelectionStack->currentIndex(), 0);
                     EXPECT_EQ(r.jam->riffIdWidget->getRiffId(), 0);
                     EXPECT_EQ(r.jam->currentRiff(), 0);
                 }},
        LoadCase{"step_state_and_samples_kept_in_range",
                 doc(riffsTab(riff(" id=\"0\"", 1, 2,
                                   step(3, 2, 0, -5, 5) + step(4, 2, 0, 1, 999999999) + step(6, 3, 0, 900, 800)
                                       + step(5, 9)))),
                 nullptr, Status::Completed,
                 [](R r) {
                     const RiffModel& model = riffOf(r, 0).model();
                     EXPECT_EQ(model.step(0).startSample, 0);
                     EXPECT_EQ(model.step(1).startSample, 1);
                     EXPECT_EQ(model.step(1).endSample, r.rig.frames());
                     EXPECT_EQ(model.step(2).startSample, 900);
                     EXPECT_EQ(model.step(2).endSample, 900) << "no end before the start";
                     EXPECT_EQ(model.step(3).state, RiffModel::Unused);
                 }},
        LoadCase{"ratio_that_is_not_the_semitones_follows_them",
                 doc(riffsTab(riff(" id=\"0\"", 0, 0,
                                   "<step><beat>3</beat><state>2</state><semitone>3</semitone>"
                                   "<interp>2</interp></step>"))),
                 nullptr, Status::Completed,
                 [](R r) {
                     const float ratio = float(std::pow(2.0, 3.0 / 12.0));
                     EXPECT_FLOAT_EQ(riffOf(r, 0).stepPitch(0), ratio);
                     EXPECT_FLOAT_EQ(r.jam->contextMenus.at(0)->pitchWidget->getPitchInterp(), ratio);
                     EXPECT_EQ(pitchOf(r, 0, 0), 3.0f);
                 }},
        LoadCase{"looped_again_when_latched_leaves_the_player_alone", doc("<looped>1</looped>"),
                 [](R r) { r.transport->loopButton->latch(); }, Status::Completed,
                 [](R r) {
                     EXPECT_EQ(r.transport->loopButton->frame(), 1);
                     EXPECT_TRUE(r.player()->isLooping());
                 }},
        LoadCase{"looped_latches_the_button_and_the_player", doc("<looped>5</looped>"), nullptr,
                 Status::Completed, [](R r) { EXPECT_TRUE(r.player()->isLooping()); }},
        LoadCase{"scroll_off_after_the_file_name_stays_off",
                 doc("<fileName>/music/other.wav</fileName><scrollButton>0</scrollButton>"),
                 [](R r) { r.shell.onOpen = [&r] { r.waveBg->scrollButton->setValueFromSession(true); }; },
                 Status::Completed, [](R r) { EXPECT_FALSE(r.waveBg->scrollButton->isOn()); }},
        LoadCase{"scroll_off_before_the_file_name_is_undone_by_the_opening",
                 doc("<scrollButton>0</scrollButton><fileName>/music/other.wav</fileName>"),
                 [](R r) { r.shell.onOpen = [&r] { r.waveBg->scrollButton->setValueFromSession(true); }; },
                 Status::Completed, [](R r) { EXPECT_TRUE(r.waveBg->scrollButton->isOn()); }},
        LoadCase{"tab_beyond_chords_changes_nothing", doc("<currentTab>3</currentTab>"),
                 [](R r) { r.shell.setCurrentTab(1); }, Status::Completed,
                 [](R r) { EXPECT_EQ(r.shell.currentTab(), 1); }},
        LoadCase{"position_beyond_the_recording_stays_within_it", doc("<playbackPos>2000000000</playbackPos>"),
                 nullptr, Status::Completed,
                 [](R r) {
                     EXPECT_GE(r.player()->getCurrentPosition(), 0);
                     EXPECT_LE(r.player()->getCurrentPosition(), r.rig.frames());
                 }},
        LoadCase{"root_in_capitals_changes_nothing", "<!DOCTYPE TBXML><TBXML><looped>0</looped></TBXML>", dressUp,
                 Status::NotLoaded, [](R r) { EXPECT_EQ(r.transport->loopButton->frame(), 1); }},
        LoadCase{"other_format_changes_nothing", "RIFF....WAVEfmt ", dressUp, Status::NotLoaded,
                 [](R r) { EXPECT_EQ(riffOf(r, 0).getLoopLength(), 2); }}),
    RowName());

// ---- Step values ----------------------------------------------------------------

struct StepValueCase
{
    const char* name;
    const char* text;
    float interp;
    float semitone;
};

class SessionStepValues : public ::testing::TestWithParam<StepValueCase>
{
};

TEST_P(SessionStepValues, ReadWithinTheStepBoxRange)
{
    const StepValueCase c = GetParam();
    EXPECT_FLOAT_EQ(SessionLoader::stepInterp(c.text), c.interp);
    EXPECT_FLOAT_EQ(SessionLoader::stepSemitone(c.text), c.semitone);
}

INSTANTIATE_TEST_SUITE_P(Table, SessionStepValues,
                         ::testing::Values(StepValueCase{"as_written", "1.05946", 1.05946f, 1.05946f},
                                           StepValueCase{"empty_reads_zero", "", 1.0f, 0.0f},
                                           StepValueCase{"no_number", "abc", 1.0f, 0.0f},
                                           StepValueCase{"nan", "nan", 1.0f, 0.0f},
                                           StepValueCase{"infinity", "inf", 1.0f, 0.0f},
                                           StepValueCase{"negative", "-2", 1.0f, -2.0f},
                                           StepValueCase{"zero", "0", 1.0f, 0.0f},
                                           StepValueCase{"below_an_octave_down", "0.1", 0.5f, 0.1f},
                                           StepValueCase{"above_an_octave_up", "5", 2.0f, 5.0f},
                                           StepValueCase{"huge", "1e38", 2.0f, 12.0f},
                                           StepValueCase{"beyond_float", "1e39", 1.0f, 0.0f},
                                           StepValueCase{"far_down", "-40", 1.0f, -12.0f}),
                         RowName());

// ---- Round trip -----------------------------------------------------------------

TEST(SessionRoundTrip, SaveLoadSaveGivesTheSameBytes)
{
    SessionRig r;
    dressUp(r);
    QTemporaryDir dir;
    const QString path = dir.filePath("s.tb");
    ASSERT_TRUE(SessionWriter(r.views(), r.shell).save(path).ok());
    const QByteArray first = fileBytes(path);

    // As a new open of the same recording leaves the views.
    r.openRecording(recordingPath);
    r.shell.setCurrentTab(0);
    r.transport->loopButton->unlatch();
    ASSERT_EQ(SessionLoader(r.views(), r.shell).load(path), SessionLoader::Status::Completed);
    ASSERT_TRUE(SessionWriter(r.views(), r.shell).save(path).ok());
    EXPECT_EQ(firstDifference(first, fileBytes(path)), "");
}

TEST(SessionRoundTrip, LoadInAnotherWindowOpensTheRecordingAndSavesTheSameBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.tb");
    QByteArray first;
    {
        SessionRig r;
        dressUp(r);
        ASSERT_TRUE(SessionWriter(r.views(), r.shell).save(path).ok());
        first = fileBytes(path);
    }
    SessionRig other;
    // The volume belongs to the window (its settings), not to the session.
    other.player()->setVolume(75);
    other.shell.loaded = false;
    other.shell.audioPath.clear();
    other.shell.onOpen = [&other] { other.openRecording(recordingPath); };
    ASSERT_EQ(SessionLoader(other.views(), other.shell).load(path), SessionLoader::Status::Completed);
    EXPECT_EQ(other.shell.opened, std::vector<QString>{recordingPath});
    ASSERT_TRUE(SessionWriter(other.views(), other.shell).save(path).ok());
    EXPECT_EQ(firstDifference(first, fileBytes(path)), "");
}

// Ten minutes at 178 BPM at the deepest level: a loop from beat 1001 to
// 1005. Its view pixels (0.68 s each) cannot tell beat 1001 from its
// neighbours; the frames stored beside them can.
TEST(SessionRoundTrip, ALongRecordingsLoopKeepsItsOddFirstBeat)
{
    const int frames = 44100 * 600;
    const float spacing = 44100.0f * 60.0f / 178.0f;
    const AnalysisResult grid =
        player_test::evenBeats(int((float(frames) - 30000.0f) / spacing), 6000.0f, spacing);
    SessionRig r(frames, player_test::Signal::Silence);
    r.model.handOver(grid);
    Plotter* plotter = r.plotter();
    PlotSelection* selection = plotter->plotSelection;
    const float deepest = ZoomLevel::factorOf(ZoomLevel::deepestLevel);
    plotter->setSessionPlotSettings({"400", QString::number(double(deepest))});
    selection->setZoomFactor(deepest);
    // The pointer where a beat's frame, one beat lead early, is the beat.
    auto xOf = [&](int beat) {
        const float frame = grid.beats.at(beat) + float(base::beatLeadFrames);
        return int(std::lround(FrameScale(frames, selection->width()).pixelOf(frame)));
    };
    press(selection, QPoint(xOf(1001), 40), Qt::LeftButton);
    move(selection, QPoint(xOf(1005), 40), Qt::LeftButton);
    release(selection, QPoint(xOf(1005), 40), Qt::LeftButton);
    ASSERT_EQ(selection->startBeat, 1001);
    ASSERT_EQ(selection->endBeat, 1005);
    const int loopStart = selection->loopStart;
    const int loopEnd = selection->loopEnd;

    QTemporaryDir dir;
    const QString path = dir.filePath("long.tb");
    ASSERT_TRUE(SessionWriter(r.views(), r.shell).save(path).ok());
    // What an open of the recording does to the selection and the view.
    selection->resetPlotSelection();
    plotter->setSessionPlotSettings({"0", "1"});
    ASSERT_EQ(selection->loopStart, selection->loopEnd);
    ASSERT_EQ(SessionLoader(r.views(), r.shell).load(path), SessionLoader::Status::Completed);
    EXPECT_EQ(selection->startBeat, 1001);
    EXPECT_EQ(selection->endBeat, 1005);
    EXPECT_EQ(selection->loopStart, loopStart);
    EXPECT_EQ(selection->loopEnd, loopEnd);
}

// ---- Files written before the unrounded tempo ---------------------------------------------------

QByteArray olderFile()
{
    return fileBytes(QStringLiteral(SESSION_TEST_DATA "/whole-bpm-tempo.tb"));
}

// Such a file, loaded into a window with another session's state, and
// saved again: every element as it was, the unrounded tempo added (the
// writer's golden file of the same state).
TEST(OlderSessionFile, SavedAgainKeepsEveryElementAndAddsTheUnroundedTempo)
{
    const QByteArray older = olderFile();
    ASSERT_FALSE(older.contains("exactBpm"));
    SessionRig r;
    r.tools->tempoKnobWidget()->setValue(6);
    // The volume belongs to the window (its settings), not to the session.
    r.player()->setVolume(75);
    ASSERT_EQ(SessionLoader(r.views(), r.shell).load(older), SessionLoader::Status::Completed);
    const QByteArray again = session::toXml(SessionWriter(r.views(), r.shell).capture());
    EXPECT_EQ(firstDifference(fileBytes(QStringLiteral(SESSION_TEST_DATA "/golden.tb")), again), "");
    EXPECT_EQ(leafAt(again, "toolsTab/tempo/exactBpm"), "180");
}

// Older files hold the tempo cut to whole BPM: they load as they always
// did, a knob turn told apart by the knob where the whole BPM allows.
struct OlderTempoCase
{
    const char* name;
    float detected;
    const char* bpm;
    const char* knob;
    float box;
    double factor;
};

class OlderSessionTempo : public ::testing::TestWithParam<OlderTempoCase>
{
};

TEST_P(OlderSessionTempo, LoadsAsBefore)
{
    const OlderTempoCase& c = GetParam();
    QByteArray bytes = olderFile();
    bytes.replace("<bpm>180</bpm>", QByteArray("<bpm>") + c.bpm + "</bpm>");
    bytes.replace("<knobValue>150</knobValue>", QByteArray("<knobValue>") + c.knob + "</knobValue>");
    SessionRig r;
    r.detectedBpm = c.detected;
    r.openRecording(recordingPath);
    ASSERT_EQ(SessionLoader(r.views(), r.shell).load(bytes), SessionLoader::Status::Completed);
    EXPECT_FLOAT_EQ(r.tools->bpmWidget()->value(), c.box);
    ASSERT_TRUE(r.tools->tempoPowerButton()->isOn());
    EXPECT_NEAR(chain::hopfactor.load(), c.factor, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OlderSessionTempo,
    ::testing::Values(OlderTempoCase{"as_written", 120, "180", "150", 180, 1.5},
                      OlderTempoCase{"box_value", 120, "100", "78", 100, 100.0 / 120},
                      OlderTempoCase{"knob_turn_told_by_the_knob", 60, "90", "151", 90.6f, 1.51},
                      // Knob 6 played 35.4; its whole BPM reads as the box's 35.
                      OlderTempoCase{"knob_turn_the_whole_bpm_cannot_tell", 120, "35", "6", 35, 35.0 / 120},
                      OlderTempoCase{"no_tempo_stored", 120, "0", "150", 180, 1.5}),
    RowName());

TEST(SessionRoundTrip, MissingFileChangesNothing)
{
    SessionRig r;
    dressUp(r);
    QTemporaryDir dir;
    EXPECT_EQ(SessionLoader(r.views(), r.shell).load(dir.filePath("none.tb")), SessionLoader::Status::NotLoaded);
    EXPECT_EQ(SessionLoader(r.views(), r.shell).load(QString()), SessionLoader::Status::NotLoaded);
    EXPECT_EQ(riffOf(r, 0).getLoopLength(), 2);
    EXPECT_TRUE(r.shell.opened.empty());
}

} // namespace
