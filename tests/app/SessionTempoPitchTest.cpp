// A session brings back the tempo and the pitch that were heard when it was
// saved, in every box that shows them and in the player, and saving it again
// writes the same bytes; after the load the chords tab shows the chord at
// the stored position.
#include "RowName.h"
#include "SessionDocument.h"
#include "SessionFormat.h"
#include "SessionLoader.h"
#include "SessionTestSupport.h"
#include "SessionValidator.h"
#include "SessionWriter.h"

#include "ChainControls.h"
#include "ChordWidget.h"
#include "Knob.h"
#include "PitchValue.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace sessiontest;

namespace {

const QString recordingPath = QStringLiteral("/music/Song.wav");

// Saves, opens the recording again as a new open leaves the views, loads,
// and saves once more; the two files' bytes are returned.
std::pair<QByteArray, QByteArray> saveLoadSave(SessionRig& r)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.tb");
    EXPECT_TRUE(SessionWriter(r.views(), r.shell).save(path).ok());
    const QByteArray first = fileBytes(path);
    r.openRecording(recordingPath);
    EXPECT_EQ(SessionLoader(r.views(), r.shell).load(path), SessionLoader::Status::Completed);
    EXPECT_TRUE(SessionWriter(r.views(), r.shell).save(path).ok());
    return {first, fileBytes(path)};
}

// The tempo the chain plays with the tool on.
double heardFactor(SessionRig& r)
{
    if (!r.tools->tempoPowerButton()->isOn())
        return 1.0;
    return double(chain::hopfactor.load());
}

struct TempoTrip
{
    const char* name;
    float detected;
    std::function<void(SessionRig&)> set;
    float shown; // the BPM box before and after
    double factor;
};

class SessionTempoTrip : public ::testing::TestWithParam<TempoTrip>
{
};

TEST_P(SessionTempoTrip, TheSameTempoShownAndHeardAndTheSameBytes)
{
    const TempoTrip& c = GetParam();
    SessionRig r;
    r.detectedBpm = c.detected;
    r.openRecording(recordingPath);
    c.set(r);
    ASSERT_FLOAT_EQ(r.tools->bpmWidget()->value(), c.shown);
    ASSERT_NEAR(heardFactor(r), c.factor, 1e-6);

    const auto [first, second] = saveLoadSave(r);

    EXPECT_EQ(firstDifference(first, second), "");
    EXPECT_FLOAT_EQ(r.tools->bpmWidget()->value(), c.shown);
    EXPECT_NEAR(heardFactor(r), c.factor, 1e-6);
    EXPECT_FLOAT_EQ(r.chords->tempoWidget->value(),
                    std::clamp(c.shown, r.chords->tempoWidget->lowest(), r.chords->tempoWidget->highest()));
}

// A box value, set as the chords tab's box hands it over.
std::function<void(SessionRig&)> box(float bpm)
{
    return [bpm](SessionRig& r) { r.tools->bpmWidget()->tempoChangedFromChords(bpm); };
}

std::function<void(SessionRig&)> knob(int position)
{
    return [position](SessionRig& r) { r.tools->tempoKnobWidget()->setValue(position); };
}

INSTANTIATE_TEST_SUITE_P(Table, SessionTempoTrip,
                         ::testing::Values(TempoTrip{"at_120_box_100", 120, box(100), 100, 100.0 / 120},
                                           TempoTrip{"at_120_box_119", 120, box(119), 119, 119.0 / 120},
                                           TempoTrip{"at_120_box_twice", 120, box(240), 240, 2.0},
                                           TempoTrip{"at_120_the_original", 120, box(120), 120, 1.0},
                                           TempoTrip{"at_112_box_78", 112.4f, box(78), 78, 78.0 / 112},
                                           TempoTrip{"at_112_box_77", 112.4f, box(77), 77, 77.0 / 112},
                                           // 148.96 written 148, whose nearest knob is 132: the knob's own tempo.
                                           TempoTrip{"at_112_knob_133", 112.4f, knob(133), 1.33f * 112, 1.33},
                                           TempoTrip{"at_60_box_45", 60, box(45), 45, 45.0 / 60},
                                           TempoTrip{"at_60_knob_151", 60, knob(151), 1.51f * 60, 1.51},
                                           TempoTrip{"at_157_box_44", 157, box(44), 44, 44.0 / 157},
                                           TempoTrip{"at_157_box_300", 157, box(300), 300, 300.0 / 157},
                                           TempoTrip{"at_200_box_51", 200, box(51), 51, 51.0 / 200}),
                         RowName());

// ---- Every tempo that can be set --------------------------------------------------------------

// What a new opening does to the two tabs holding a tempo, and the
// analysis's tempo arriving: the state a session is loaded over.
void freshTabs(SessionRig& r)
{
    r.tools->resetRealTimeTools();
    r.chords->resetChordsTab();
    r.tools->setBPM(r.detectedBpm);
}

// One tempo set, as a musician sets it.
struct TempoSetting
{
    std::string name;
    std::function<void(SessionRig&)> set;
};

std::vector<TempoSetting> everyTempoSetting(int original)
{
    std::vector<TempoSetting> settings;
    for (int position = 0; position <= 199; ++position)
        settings.push_back({"knob " + std::to_string(position), knob(position)});
    // Whole BPM from the box's lowest to its highest, as the chords tab's
    // box hands them over.
    const int lowest = original / 4;
    const int highest = 2 * original;
    const int stride = std::max(1, (highest - lowest) / 16);
    for (int bpm = lowest; bpm < highest; bpm += stride)
        settings.push_back({"box " + std::to_string(bpm), box(float(bpm))});
    for (int bpm : {lowest + 1, original - 1, original + 1, highest - 1, highest})
        settings.push_back({"box " + std::to_string(bpm), box(float(bpm))});
    // A box step from a knob's tempo between whole BPM.
    for (int position : {0, 6, 56, 150, 198}) {
        settings.push_back({"knob " + std::to_string(position) + " then a step up", [position](SessionRig& r) {
                                r.tools->tempoKnobWidget()->setValue(position);
                                r.tools->bpmWidget()->increment();
                            }});
    }
    return settings;
}

// One rig for every row: each setting starts from freshly reset tabs.
class SessionTempoEverywhere : public ::testing::TestWithParam<float>
{
protected:
    static void SetUpTestSuite() { rig = new SessionRig; }
    static void TearDownTestSuite()
    {
        delete rig;
        rig = nullptr;
    }
    static SessionRig* rig;
};

SessionRig* SessionTempoEverywhere::rig = nullptr;

// The tempo's elements as the writer writes them.
std::string tempoTexts(const SessionState& s)
{
    using namespace session::text;
    return QStringList{truncatedDecimal(s.tempo.mode), truncatedSixDigits(s.tempo.bpm),
                       exactFloat(s.tempo.exactBpm), decimal(s.tempo.knobValue), flag(s.tempo.state)}
        .join(QLatin1Char(' '))
        .toStdString();
}

// Every knob position and a spread of box values: through the writer's
// capture and text, the loader and the tab, the tempo heard after the load
// is the one heard before, both boxes show it, and saving again writes the
// same tempo (the whole file's bytes: the round trips above).
TEST_P(SessionTempoEverywhere, ComesBackAsItWasHeard)
{
    SessionRig& r = *rig;
    r.detectedBpm = GetParam();
    freshTabs(r);
    const int original = r.tools->bpmWidget()->originalBPM();
    int failures = 0;
    for (const TempoSetting& setting : everyTempoSetting(original)) {
        if (failures == 10)
            break;
        freshTabs(r);
        setting.set(r);
        const double heard = heardFactor(r);
        const float shown = r.tools->bpmWidget()->value();
        const SessionState saved = SessionWriter(r.views(), r.shell).capture();

        freshTabs(r);
        const SessionLoader::Status status = SessionLoader(r.views(), r.shell).load(session::toXml(saved));
        const std::string first = tempoTexts(saved);
        const std::string again = tempoTexts(SessionWriter(r.views(), r.shell).capture());

        const bool same = status == SessionLoader::Status::Completed && std::abs(heardFactor(r) - heard) <= 1e-6
            && r.tools->bpmWidget()->value() == shown && r.chords->tempoWidget->value() == shown && first == again;
        if (!same) {
            ++failures;
            ADD_FAILURE() << setting.name << ": saved playing " << shown << " BPM, factor " << heard << " as '"
                          << first << "'; loaded playing " << r.tools->bpmWidget()->value() << " (chords tab "
                          << r.chords->tempoWidget->value() << "), factor " << heardFactor(r)
                          << ", saved again as '" << again << "'";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Detected, SessionTempoEverywhere, ::testing::Values(60, 63, 90, 112.4f, 120, 157, 200),
                         [](const ::testing::TestParamInfo<float>& row) {
                             QString name = QString::number(double(row.param));
                             return "bpm_" + name.replace(QLatin1Char('.'), QLatin1Char('_')).toStdString();
                         });

// Saved while the analysis of a new recording runs (no tempo known yet): the
// file holds nothing a reader refuses, and loaded (the analysis again still
// running) it plays what played once the tempo arrives.
struct DuringAnalysis
{
    const char* name;
    // What was done to the freshly opened recording before saving.
    std::function<void(SessionRig&)> set;
    float box; // once the tempo is known
    double factor;
};

class SessionSavedDuringAnalysis : public ::testing::TestWithParam<DuringAnalysis>
{
};

TEST_P(SessionSavedDuringAnalysis, LoadsWithTheTempoThatPlayed)
{
    const DuringAnalysis& c = GetParam();
    SessionRig r;
    r.resetViews();
    c.set(r);
    const QByteArray saved = session::toXml(SessionWriter(r.views(), r.shell).capture());
    const auto report = sessioncheck::validate(saved, {r.shell.frames});
    EXPECT_TRUE(report.clean()) << report.toString().toStdString();

    r.resetViews();
    ASSERT_EQ(SessionLoader(r.views(), r.shell).load(saved), SessionLoader::Status::Completed);
    EXPECT_EQ(firstDifference(saved, session::toXml(SessionWriter(r.views(), r.shell).capture())), "");
    r.tools->setBPM(120.0f);
    EXPECT_FLOAT_EQ(r.tools->bpmWidget()->value(), c.box);
    EXPECT_FLOAT_EQ(r.chords->tempoWidget->value(), c.box);
    EXPECT_NEAR(heardFactor(r), c.factor, 1e-6);
}

// A session of the recording loaded while its analysis runs: its tempo
// waits for the recording's.
std::function<void(SessionRig&)> loaded(QStringList tempo)
{
    return [tempo](SessionRig& r) {
        r.tools->setToolsFromSession(tempo, {"99", "0", "50", "0"}, {"99", "34", "19", "50", "1", "1", "0"});
    };
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionSavedDuringAnalysis,
    ::testing::Values(DuringAnalysis{"nothing_set", [](SessionRig&) {}, 120, 1.0},
                      DuringAnalysis{"knob_turned", knob(150), 180, 1.5},
                      DuringAnalysis{"knob_turned_down", knob(6), 35.4f, 0.295},
                      DuringAnalysis{"loaded_box_tempo", loaded({"100", "78", "0", "1", "100"}), 100, 100.0 / 120},
                      DuringAnalysis{"loaded_knob_tempo", loaded({"35", "6", "0", "1", "35.399994"}), 35.4f,
                                     0.295},
                      DuringAnalysis{"loaded_older_file", loaded({"100", "78", "0", "1"}), 100, 100.0 / 120}),
    RowName());

// Every pitch the writer can store, −12.50 … 12.49, comes back as itself in
// the semitone and fine-tune boxes, the model and the player, and the
// chords tab's key shift, and is written again unchanged. The writer's own
// capture and text forms, the tab's own restore: a table of 2,500 that runs
// in a blink.
TEST(SessionPitch, EveryStorablePitchRestoresToItselfEverywhere)
{
    SessionRig r;
    IncrementWidget* semitones = r.tools->semitoneWidget();
    IncrementWidget* fine = r.tools->fineTuneWidget();
    int failures = 0;
    for (int hundredths = -1250; hundredths <= 1249 && failures < 10; ++hundredths) {
        const pitchvalue::Split split = pitchvalue::split(hundredths);
        semitones->setValue(float(split.semitones));
        fine->placeFineTune(float(split.hundredths + 50), 0);
        const SessionState saved = SessionWriter(r.views(), r.shell).capture();
        const QStringList pitch = {session::text::decimal(saved.pitch.knobValue),
                                   session::text::sixDigits(double(saved.pitch.semitones)),
                                   session::text::truncatedSixDigits(saved.pitch.fineTune), "1"};

        r.tools->resetRealTimeTools();
        r.tools->setToolsFromSession({"0", "99", "0", "0"}, pitch, {"99", "34", "19", "50", "1", "1", "0"});

        const SessionState again = SessionWriter(r.views(), r.shell).capture();
        const float total = split.total();
        const double ratio = std::pow(2.0, double(total) / 12.0);
        const bool same = semitones->value() == float(split.semitones)
            && fine->value() == float(split.hundredths + 50)
            && std::abs(r.pitchSync.interpFactor() / ratio - 1.0) < 1e-6
            && std::abs(chain::interpfactor.load() / ratio - 1.0) < 1e-6
            && r.chords->keyShiftWidget->value() == total
            && session::text::sixDigits(double(again.pitch.semitones)) == pitch[1]
            && session::text::truncatedSixDigits(again.pitch.fineTune) == pitch[2];
        if (!same) {
            ++failures;
            ADD_FAILURE() << "stored " << pitch[1].toStdString() << " came back as " << semitones->value()
                          << " and " << fine->value() << ", ratio " << r.pitchSync.interpFactor() << " (player "
                          << chain::interpfactor.load() << "), key shift " << r.chords->keyShiftWidget->value()
                          << ", written again "
                          << session::text::sixDigits(double(again.pitch.semitones)).toStdString();
        }
    }
}

// The pitches on a half that came back a semitone off, through the file.
class SessionPitchTrip : public ::testing::TestWithParam<int>
{
};

TEST_P(SessionPitchTrip, TheSameBytesAndTheSamePitch)
{
    SessionRig r;
    const pitchvalue::Split split = pitchvalue::split(GetParam());
    r.tools->setToolsFromSession({"0", "99", "0", "0"},
                                 {"99", session::text::sixDigits(double(split.total())), "0", "1"},
                                 {"99", "34", "19", "50", "1", "1", "0"});
    const auto [first, second] = saveLoadSave(r);
    EXPECT_EQ(firstDifference(first, second), "");
    EXPECT_EQ(r.tools->semitoneWidget()->value(), float(split.semitones));
    EXPECT_EQ(r.tools->fineTuneWidget()->value(), float(split.hundredths + 50));
    EXPECT_NEAR(r.pitchSync.interpFactor(), std::pow(2.0, double(split.total()) / 12.0), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Halves, SessionPitchTrip,
                         ::testing::Values(-1250, -850, -450, -350, -50, 350, 750, 850, 1150, 1249, 307),
                         [](const ::testing::TestParamInfo<int>& row) {
                             return (row.param < 0 ? "minus_" : "plus_") + std::to_string(std::abs(row.param));
                         });

TEST(SessionChords, TheLoadShowsTheChordAtTheStoredPosition)
{
    SessionRig r;
    AnalysisResult result =
        player_test::evenBeats(20, float(SessionRig::firstBeat), float(SessionRig::beatSpacing));
    for (int i = 0; i < result.chordVec.size(); ++i)
        result.chordVec[i] = i < 10 ? QStringLiteral("G") : QStringLiteral("Em");
    r.model.handOver(result);
    r.chords->initDetectedChords();
    // Playback stopped on beat 12.
    r.player()->setCurrentPositionFromSession(SessionRig::firstBeat + 12 * SessionRig::beatSpacing);
    QTemporaryDir dir;
    const QString path = dir.filePath("s.tb");
    ASSERT_TRUE(SessionWriter(r.views(), r.shell).save(path).ok());

    // Another session's position, then this one loaded over the same
    // recording.
    r.player()->setCurrentPositionFromSession(0);
    r.chords->followPlayPosition();
    ASSERT_EQ(r.chords->currentChordWidget->shownIndex(), 10) << "G";
    ASSERT_EQ(SessionLoader(r.views(), r.shell).load(path), SessionLoader::Status::Completed);
    r.chords->followPlayPosition();
    EXPECT_EQ(r.chords->currentChordWidget->shownIndex(), 19) << "Em";
    EXPECT_EQ(r.chords->nextChordWidget->shownIndex(), -1);
}

} // namespace
