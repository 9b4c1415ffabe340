// The tempo a musician sets is the tempo heard: every value of the tools
// tab's BPM box, of the chords tab's TEMPO box and of the tempo keys gives
// the player the factor value / original tempo, and every step changes it.
// Through the main window's own tabs and wiring, by real mouse events and
// the shortcuts' own route.
#include "ShellTestSupport.h"

#include "ChainControls.h"
#include "ChordStepBoxes.h"
#include "ChordsTab.h"
#include "IncrementWidget.h"
#include "Knob.h"
#include "MouseEvents.h"
#include "PowerButton.h"
#include "PreferencesMenu.h"
#include "RealTimeToolsTab.h"
#include "RowName.h"
#include "ShortcutActions.h"
#include "ShortcutsTab.h"
#include "TabWidget.h"

#include <QShortcut>

#include <cmath>
#include <functional>
#include <string>

namespace {

using shell_test::ShellTest;

// Within the factor's single precision many times over.
constexpr double factorTolerance = 1e-4;

struct DetectedTempo
{
    const char* name;
    float detected;
};

// One way of stepping: a step up or down, and the value it shows.
struct Stepper
{
    const char* name;
    std::function<void(int direction)> step;
    std::function<float()> shown;
};

class TempoBoxes : public ShellTest, public ::testing::WithParamInterface<DetectedTempo>
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        makeWindow();
        tools()->setBPM(GetParam().detected);
        original = tools()->bpmWidget()->originalBPM();
        ASSERT_EQ(original, int(std::floor(GetParam().detected + 0.5f)));
    }

    RealTimeToolsTab* tools() const { return window->tabArea()->realTimeToolsTab; }
    ChordsTab* chords() const { return window->tabArea()->chordsTab; }

    void click(StepBox* box, int direction)
    {
        const int x = direction > 0 ? 80 : 5;
        box->overrideCursorX(x);
        press(box, QPoint(x, 10), Qt::LeftButton);
        release(box, QPoint(x, 10), Qt::LeftButton);
    }

    void shortcut(ShortcutActions::Id id)
    {
        for (QShortcut* candidate : window->preferences()->shortcutsTab->shortcuts())
            if (candidate->objectName() == QLatin1String(ShortcutActions::name(id)))
                emit candidate->activated();
    }

    // The factor the chain plays (1 while the tool is bypassed).
    static double heard() { return double(chain::hopfactor.load()); }

    // The worst met: factor error, tempo error in per cent of the value,
    // and the steps that changed nothing heard, of all steps.
    struct Worst
    {
        double factor = 0.0;
        double percent = 0.0;
        int unchanged = 0;
        int steps = 0;
    };

    // Steps from the box's value down to `lowest`, then up to `highest`:
    // at every value the player's factor is value / original, and no step
    // leaves it where it was.
    void walk(const Stepper& stepper, float lowest, float highest, Worst& worst)
    {
        SCOPED_TRACE(stepper.name);
        const auto check = [&](double before) {
            const double v = double(stepper.shown());
            const double error = std::abs(heard() - v / original);
            worst.factor = std::max(worst.factor, error);
            worst.percent = std::max(worst.percent, 100.0 * std::abs(heard() * original - v) / v);
            ++worst.steps;
            worst.unchanged += heard() == before ? 1 : 0;
            EXPECT_LT(error, factorTolerance) << "value " << v << " plays " << heard() * original;
            EXPECT_NE(heard(), before) << "the step to " << v << " changed nothing heard";
        };
        while (stepper.shown() > lowest) {
            const double before = heard();
            stepper.step(-1);
            check(before);
        }
        while (stepper.shown() < highest) {
            const double before = heard();
            stepper.step(+1);
            check(before);
        }
    }

    int original = 0;
};

TEST_P(TempoBoxes, EveryValueOfEveryBoxPlaysItsTempo)
{
    IncrementWidget* bpmBox = tools()->bpmWidget();
    TempoWidget* tempoBox = chords()->tempoWidget;
    const Stepper steppers[] = {
        {"tools tab's BPM box", [&](int d) { click(bpmBox, d); }, [&] { return bpmBox->value(); }},
        {"chords tab's TEMPO box", [&](int d) { click(tempoBox, d); }, [&] { return tempoBox->value(); }},
        {"tempo keys", [&](int d) { shortcut(d > 0 ? ShortcutActions::TempoUp : ShortcutActions::TempoDown); },
         [&] { return bpmBox->value(); }},
    };
    Worst worst;
    for (const Stepper& stepper : steppers) {
        const bool chordsBox = &stepper == &steppers[1];
        const float lowest = chordsBox ? tempoBox->lowest() : float(original / 4);
        const float highest = chordsBox ? tempoBox->highest() : float(2 * original);
        walk(stepper, lowest, highest, worst);
        // Both boxes show what the other one set.
        EXPECT_EQ(tempoBox->value(), std::clamp(bpmBox->value(), tempoBox->lowest(), tempoBox->highest()));
    }
    RecordProperty("worstFactorError", QString::number(worst.factor, 'g', 3).toStdString());
    RecordProperty("worstTempoErrorPercent", QString::number(worst.percent, 'g', 3).toStdString());
    RecordProperty("unchangedSteps", std::to_string(worst.unchanged) + " of " + std::to_string(worst.steps));
}

// At the knob's lowest and highest positions, and at either box's own ends,
// the two boxes show one tempo, and both boxes reach the same ends.
TEST_P(TempoBoxes, BothBoxesShowTheSameTempoAtTheEnds)
{
    IncrementWidget* bpmBox = tools()->bpmWidget();
    TempoWidget* tempoBox = chords()->tempoWidget;
    EXPECT_EQ(tempoBox->lowest(), bpmBox->lowestBpm());
    EXPECT_EQ(tempoBox->highest(), bpmBox->highestBpm());
    const auto sameTempo = [&](const char* where) {
        EXPECT_EQ(tempoBox->value(), bpmBox->value()) << where;
        EXPECT_NEAR(heard(), double(bpmBox->value()) / original, factorTolerance) << where;
    };
    tools()->tempoKnobWidget()->setValue(0);
    sameTempo("knob at its lowest");
    tools()->tempoKnobWidget()->setValue(199);
    sameTempo("knob at its highest");
    for (StepBox* box : {static_cast<StepBox*>(bpmBox), static_cast<StepBox*>(tempoBox)}) {
        const char* name = box == bpmBox ? "tools tab's box" : "chords tab's box";
        for (int direction : {-1, +1}) {
            const float end = direction < 0 ? bpmBox->lowestBpm() : bpmBox->highestBpm();
            for (int i = 0; i < 4 * original && bpmBox->value() != end; ++i)
                click(box, direction);
            SCOPED_TRACE(name);
            EXPECT_EQ(bpmBox->value(), end);
            sameTempo(direction < 0 ? "stepped to the lowest" : "stepped to the highest");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TempoBoxes,
                         ::testing::Values(DetectedTempo{"bpm_60", 60.0f}, DetectedTempo{"bpm_63", 63.0f},
                                           DetectedTempo{"bpm_90", 90.0f}, DetectedTempo{"bpm_112_4", 112.4f},
                                           DetectedTempo{"bpm_120", 120.0f}, DetectedTempo{"bpm_157", 157.0f},
                                           DetectedTempo{"bpm_200", 200.0f}),
                         RowName());

} // namespace
