// The jam tab's small rules, without widgets: cells of the step rows, which
// cell a press may arm, the loop-length ruler, the step pitch texts and
// ratios, and where the tab places its pop-ups.
#pragma once

#include <QString>
#include <QVector>

namespace jam {

// The step row, the song row and the ruler: sixteen 30-pixel cells.
constexpr int cellWidth = 30;
constexpr int cellCount = 16;
constexpr int riffCount = 6;
// Step pitch boxes shift by whole semitones within ±12.
constexpr int maxStepSemitones = 12;

// The cell under row x (already rounded), truncated toward zero: x from
// −29 to 29 is cell 0.
int cellAt(int x);

// The highest cell a press on a step row may arm, from the number of loop
// steps drawn white (W) and the ruler's maximum (M): M + 1 when the loop
// holds every step in use (W = M + 1), else W − 1.
int highestArmableCell(int whiteNumberLength, int maxLoopValue);

// What a left press on cell `cell` of a step row does.
enum class RowPress { Nothing, Arm, Commit, CommitFirst };
// highest: highestArmableCell(); armedCell: −1 when none; blinking: a cell
// is armed and its highlight blinks. While highest is 1 any press arms,
// and the next press anywhere commits (CommitFirst: the riff's first step
// is now set). Otherwise a press arms a free cell up to `highest`, and a
// press on the armed cell commits it.
RowPress rowPress(int cell, int highest, int armedCell, bool blinking);

// The cells of a step row whose numbers are drawn white, with `current`
// playing and the loop's first `whiteNumberLength` steps numbered white:
// the loop's steps except the playing one, and while a later step plays,
// every step before it.
QVector<int> whiteNumberCells(int current, int whiteNumberLength);

// The step pitch read-out: semitones rounded half up, "+" before a rise:
// 2.4 → "+2", −0.6 → "-1", 0.3 → "0".
QString stepPitchText(float semitones);
// A pitch box's value: "0", "+5", "-3".
QString semitoneText(float semitones);
// Output/input frequency of a shift: 2^(semitones / 12), the power in
// double from the float quotient (12 → 2.0, 7 → 1.49831, −12 → 0.5;
// pitchvalue::ratioOfSemitonesSingleTwelfth).
float semitoneRatio(float semitones);

// Jam-tab x of the cell outline around the row cell under row x.
int beatOutlineX(int rowX);
// Main-window x of the song row's riff chooser for slot `slot`.
int songSelectorX(int slot);
// The step whose context menu a press in a menu's top band asks for, from
// the press's jam-tab x; may fall outside 0 … 15 near the menus' edges.
int contextMenuStepAt(int jamTabX);

// The loop-length ruler of one riff: `value` is the last loop step,
// `maxValue` the highest value reached (the riff's last step). Each input
// returns what the ruler tells the riff, in order.
class LoopRuler
{
public:
    struct Event
    {
        enum Kind { ExtendLoop, SetLoopLength } kind;
        int step;
        bool operator==(const Event& other) const { return kind == other.kind && step == other.step; }
    };
    using Events = QVector<Event>;

    static constexpr int lastValue = cellCount - 1;

    int value() const { return current; }
    int maxValue() const { return highest; }

    // A left press at ruler x (rounded) on a ruler `width` wide, taken
    // only once the riff's first step is set. Inside the maximum: the loop
    // ends there. Beyond it: with Command the riff grows to the cell, else
    // the loop ends at the maximum.
    Events press(int x, int width, bool command, bool firstStepSet);
    // A left drag: inside the maximum (also up to 29 pixels left of the
    // ruler) the loop follows, with Command the riff is cut there; beyond
    // it the riff grows to the cell without a new loop length.
    Events move(int x, int width, bool command);
    // One wheel event: the loop one step longer (delta > 0) up to the
    // maximum, or shorter down to step 0.
    Events wheel(int delta);
    // The step row or the session: the loop ends at `step` (0 … 15).
    Events setValue(int step);
    // Session: both values, kept within 0 … 15; the loop then ends at the
    // value (the maximum rises to it).
    Events restoreFromSession(int step, int maximum);
    // Back to 0 and 0; nothing told.
    void reset();

private:
    void raiseMaximum();

    int current = 0;
    int highest = 0;
};

} // namespace jam
