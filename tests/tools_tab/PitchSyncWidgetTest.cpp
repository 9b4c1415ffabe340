// The pitch model: from a state and one control's change to semitones, fine
// tune, ratio and the signals in order.
#include "PitchSyncWidget.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The model's signals as text, the ratio to four decimals.
class ModelSignals : public QObject
{
public:
    explicit ModelSignals(PitchSyncWidget& model)
    {
        connect(&model, &PitchSyncWidget::setInterpFactor, this,
                [this](float x) { emitted.push_back("setInterpFactor(" + ratio(x) + ")"); });
        connect(&model, &PitchSyncWidget::updatePitchWidgets, this, [this](const QString& name, float x) {
            emitted.push_back("updatePitchWidgets(" + name.toStdString() + "," + ratio(x) + ")");
        });
    }

    static std::string ratio(double x) { return QString::number(x, 'f', 4).toStdString(); }

    Strings emitted;
};

double ratioOf(double semitones)
{
    return std::pow(2.0, semitones / 12.0);
}

struct ModelCase
{
    const char* name;
    float from; // the state before, as a stored pitch: semitones + fine tune
    const char* control;
    int value;
    int semitones;
    float fine;
    double ratio;
    Strings emitted;
};

class PitchModel : public ::testing::TestWithParam<ModelCase>
{
};

TEST_P(PitchModel, OneChange)
{
    const ModelCase& c = GetParam();
    PitchSyncWidget model;
    model.initFromSession(c.from);
    ModelSignals published(model);

    model.setSyncValue(QString::fromLatin1(c.control), c.value);

    EXPECT_EQ(model.semitones(), c.semitones);
    EXPECT_NEAR(model.fine(), c.fine, 1e-4);
    EXPECT_NEAR(model.interpFactor(), c.ratio, 1e-5);
    EXPECT_EQ(published.emitted, c.emitted);
}

const std::string r2 = ModelSignals::ratio(2.0);
const std::string rHalf = ModelSignals::ratio(0.5);
const std::string r325 = ModelSignals::ratio(ratioOf(3.25));

INSTANTIATE_TEST_SUITE_P(
    PitchKnob, PitchModel,
    ::testing::Values(
        // The centre resets first, then reports the knob.
        ModelCase{"centre_from_a_shift",
                  3.25f,
                  "pitchKnob",
                  99,
                  0,
                  0,
                  1.0,
                  {"setInterpFactor(1.0000)", "updatePitchWidgets(,1.0000)",
                   "updatePitchWidgets(pitchKnob,1.0000)", "setInterpFactor(1.0000)"}},
        ModelCase{"bottom",
                  0,
                  "pitchKnob",
                  0,
                  -12,
                  0,
                  0.5,
                  {"updatePitchWidgets(pitchKnob," + rHalf + ")", "setInterpFactor(" + rHalf + ")"}},
        ModelCase{"one_snaps_to_half",
                  0,
                  "pitchKnob",
                  1,
                  -12,
                  0,
                  0.5,
                  {"updatePitchWidgets(pitchKnob," + rHalf + ")", "setInterpFactor(" + rHalf + ")"}},
        ModelCase{"two_snaps_to_half",
                  0,
                  "pitchKnob",
                  2,
                  -12,
                  0,
                  0.5,
                  {"updatePitchWidgets(pitchKnob," + rHalf + ")", "setInterpFactor(" + rHalf + ")"}},
        ModelCase{"three_is_continuous",
                  0,
                  "pitchKnob",
                  3,
                  -11,
                  -0.48827f,
                  0.515,
                  {"updatePitchWidgets(pitchKnob,0.5150)", "setInterpFactor(0.5150)"}},
        ModelCase{"one_and_a_half",
                  0,
                  "pitchKnob",
                  150,
                  7,
                  0.13458f,
                  1.51,
                  {"updatePitchWidgets(pitchKnob,1.5100)", "setInterpFactor(1.5100)"}},
        ModelCase{"193_below_the_top",
                  0,
                  "pitchKnob",
                  193,
                  11,
                  0.47268f,
                  1.94,
                  {"updatePitchWidgets(pitchKnob,1.9400)", "setInterpFactor(1.9400)"}},
        ModelCase{"194_snaps_to_two",
                  0,
                  "pitchKnob",
                  194,
                  12,
                  0,
                  2.0,
                  {"updatePitchWidgets(pitchKnob," + r2 + ")", "setInterpFactor(" + r2 + ")"}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Semitones, PitchModel,
    ::testing::Values(ModelCase{"three",
                                0,
                                "semitones",
                                3,
                                3,
                                0,
                                ratioOf(3),
                                {"updatePitchWidgets(semitones,1.1892)", "setInterpFactor(1.1892)"}},
                      ModelCase{"keeps_the_fine_tune",
                                0.25f,
                                "semitones",
                                3,
                                3,
                                0.25f,
                                ratioOf(3.25),
                                {"updatePitchWidgets(semitones," + r325 + ")", "setInterpFactor(" + r325 + ")"}},
                      ModelCase{"twelve_from_ten_clears_the_fine_tune",
                                10.3f,
                                "semitones",
                                12,
                                12,
                                0,
                                2.0,
                                {"updatePitchWidgets(semitones," + r2 + ")", "setInterpFactor(" + r2 + ")"}},
                      ModelCase{"twelve_from_eleven_keeps_it",
                                11.3f,
                                "semitones",
                                12,
                                12,
                                0.3f,
                                ratioOf(12.3),
                                {"updatePitchWidgets(semitones,2.0350)", "setInterpFactor(2.0350)"}},
                      ModelCase{
                          "minus_twelve_from_zero",
                          0,
                          "semitones",
                          -12,
                          -12,
                          0,
                          0.5,
                          {"updatePitchWidgets(semitones," + rHalf + ")", "setInterpFactor(" + rHalf + ")"}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    FineTune, PitchModel,
    ::testing::Values(ModelCase{"quarter",
                                3,
                                "fineTune",
                                25,
                                3,
                                0.25f,
                                ratioOf(3.25),
                                {"updatePitchWidgets(fineTune," + r325 + ")", "setInterpFactor(" + r325 + ")"}},
                      ModelCase{"top_clears_it_past_two",
                                12,
                                "fineTune",
                                49,
                                12,
                                0,
                                2.0,
                                {"updatePitchWidgets(fineTune," + r2 + ")", "setInterpFactor(" + r2 + ")"}},
                      ModelCase{"bottom_clears_it_below_half",
                                -12,
                                "fineTune",
                                -50,
                                -12,
                                0,
                                0.5,
                                {"updatePitchWidgets(fineTune," + rHalf + ")", "setInterpFactor(" + rHalf + ")"}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    KeyShift, PitchModel,
    ::testing::Values(ModelCase{"up_at_twelve_stays_and_clears",
                                12.3f,
                                "keyShift",
                                1,
                                12,
                                0,
                                2.0,
                                {"updatePitchWidgets(keyShift," + r2 + ")", "setInterpFactor(" + r2 + ")"}},
                      ModelCase{"unchanged_resends",
                                3.25f,
                                "keyShift",
                                2,
                                3,
                                0.25f,
                                ratioOf(3.25),
                                {"updatePitchWidgets(keyShift," + r325 + ")", "setInterpFactor(" + r325 + ")"}},
                      ModelCase{"zero_clears_both",
                                3.25f,
                                "keyShift",
                                0,
                                0,
                                0,
                                1.0,
                                {"updatePitchWidgets(keyShift,1.0000)", "setInterpFactor(1.0000)"}},
                      ModelCase{"up_from_eleven_keeps_the_fine_tune",
                                11.3f,
                                "keyShift",
                                1,
                                12,
                                0.3f,
                                ratioOf(12.3),
                                {"updatePitchWidgets(keyShift,2.0350)", "setInterpFactor(2.0350)"}},
                      ModelCase{"down_from_minus_eleven_keeps_it",
                                -11.3f,
                                "keyShift",
                                -1,
                                -12,
                                -0.3f,
                                ratioOf(-12.3),
                                {"updatePitchWidgets(keyShift,0.4914)", "setInterpFactor(0.4914)"}},
                      ModelCase{"any_positive_is_one_up",
                                0,
                                "keyShift",
                                7,
                                1,
                                0,
                                ratioOf(1),
                                {"updatePitchWidgets(keyShift,1.0595)", "setInterpFactor(1.0595)"}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(Other, PitchModel,
                         ::testing::Values(ModelCase{
                             "unknown_name_resends_under_it",
                             3.25f,
                             "volume",
                             5,
                             3,
                             0.25f,
                             ratioOf(3.25),
                             {"updatePitchWidgets(volume," + r325 + ")", "setInterpFactor(" + r325 + ")"}}),
                         RowName());

TEST(PitchModel, ResetFineTuneAloneIsHeardOnlyWithTheNextChange)
{
    PitchSyncWidget model;
    model.initFromSession(3.25f);
    ModelSignals published(model);

    model.resetFineTune();
    EXPECT_TRUE(published.emitted.empty());
    EXPECT_NEAR(model.interpFactor(), ratioOf(3.25), 1e-6);
    EXPECT_EQ(model.fine(), 0.0f);

    model.setSyncValue("semitones", 3);
    EXPECT_NEAR(model.interpFactor(), ratioOf(3), 1e-6);
}

TEST(PitchModel, ResetPitchSendsTheRatioThenTellsTheTab)
{
    PitchSyncWidget model;
    model.initFromSession(-4.5f);
    ModelSignals published(model);
    model.resetPitch();
    EXPECT_EQ(published.emitted, (Strings{"setInterpFactor(1.0000)", "updatePitchWidgets(,1.0000)"}));
    EXPECT_EQ(model.semitones(), 0);
    EXPECT_EQ(model.fine(), 0.0f);
}

struct SessionCase
{
    const char* name;
    float stored;
    int semitones;
    float fine;
    double ratio;
};

class PitchModelSession : public ::testing::TestWithParam<SessionCase>
{
};

TEST_P(PitchModelSession, RestoresSilentlyAsStored)
{
    const SessionCase& c = GetParam();
    PitchSyncWidget model;
    ModelSignals published(model);
    model.initFromSession(c.stored);
    EXPECT_EQ(model.semitones(), c.semitones);
    EXPECT_NEAR(model.fine(), c.fine, 1e-5);
    EXPECT_NEAR(model.interpFactor(), c.ratio, 1e-5);
    EXPECT_TRUE(published.emitted.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PitchModelSession,
    ::testing::Values(SessionCase{"whole", 3.0f, 3, 0, ratioOf(3)},
                      SessionCase{"with_fine_tune", 3.25f, 3, 0.25f, ratioOf(3.25)},
                      SessionCase{"half_rounds_up", -3.5f, -3, -0.5f, ratioOf(-3.5)},
                      // A fine tune kept at 12 comes back as it was heard.
                      SessionCase{"kept_past_twelve", 12.3f, 12, 0.3f, ratioOf(12.3)},
                      SessionCase{"lowest_storable", -12.5f, -12, -0.5f, ratioOf(-12.5)},
                      SessionCase{"beyond_what_is_stored", 40.0f, 12, 0.49f, ratioOf(12.49)},
                      SessionCase{"not_a_number", std::numeric_limits<float>::quiet_NaN(), 0, 0, 1.0},
                      SessionCase{"infinite", -std::numeric_limits<float>::infinity(), 0, 0, 1.0}),
    RowName());

} // namespace
