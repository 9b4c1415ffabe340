#include "JamRules.h"

#include "PitchValue.h"

#include <algorithm>
#include <cmath>

namespace jam {

int cellAt(int x)
{
    return x / cellWidth;
}

int highestArmableCell(int whiteNumberLength, int maxLoopValue)
{
    return whiteNumberLength == maxLoopValue + 1 ? maxLoopValue + 1 : whiteNumberLength - 1;
}

RowPress rowPress(int cell, int highest, int armedCell, bool blinking)
{
    if (highest == 1)
        return blinking ? RowPress::CommitFirst : RowPress::Arm;
    if (cell == armedCell)
        return RowPress::Commit;
    if (cell > highest || blinking)
        return RowPress::Nothing;
    return RowPress::Arm;
}

QVector<int> whiteNumberCells(int current, int whiteNumberLength)
{
    QVector<int> cells;
    auto add = [&](int from, int to) {
        for (int k = std::max(from, 0); k <= std::min(to, cellCount - 1); ++k)
            cells.append(k);
    };
    if (current > 0) {
        add(0, current - 1);
        if (current + 1 < whiteNumberLength)
            add(current + 1, whiteNumberLength - 1);
    } else if (whiteNumberLength >= 2) {
        add(1, whiteNumberLength - 1);
    }
    return cells;
}

namespace {

QString signedText(double value)
{
    QString text = QString::number(value, 'g', 6);
    if (text != QLatin1String("0") && !text.contains(QLatin1Char('-')))
        text.prepend(QLatin1Char('+'));
    return text;
}

} // namespace

QString stepPitchText(float semitones)
{
    return signedText(std::floor(double(semitones) + 0.5));
}

QString semitoneText(float semitones)
{
    return signedText(double(semitones));
}

float semitoneRatio(float semitones)
{
    return pitchvalue::ratioOfSemitonesSingleTwelfth(semitones);
}

int beatOutlineX(int rowX)
{
    return 255 + cellWidth * cellAt(rowX);
}

int songSelectorX(int slot)
{
    return int(std::floor(30.1 * slot + 0.5)) + 255;
}

int contextMenuStepAt(int jamTabX)
{
    // The menus' top band repeats the step row, whose cell 0 starts 35
    // pixels right of the left edge of step 0's menu at 220.
    return (jamTabX - 255) / cellWidth;
}

LoopRuler::Events LoopRuler::press(int x, int width, bool command, bool firstStepSet)
{
    if (x >= width || !firstStepSet)
        return {};
    const int s = cellAt(x);
    Events events;
    if (s <= highest) {
        current = s;
        events.append({Event::SetLoopLength, s});
    } else if (command) {
        events.append({Event::ExtendLoop, s});
        highest = s;
        current = s;
        events.append({Event::SetLoopLength, s});
    } else {
        current = highest;
        events.append({Event::SetLoopLength, highest});
    }
    raiseMaximum();
    return events;
}

LoopRuler::Events LoopRuler::move(int x, int width, bool command)
{
    if (x >= width)
        return {};
    const int s = cellAt(x);
    Events events;
    if (x >= -(cellWidth - 1) && s <= highest) {
        if (command) {
            highest = s;
            events.append({Event::ExtendLoop, s});
        }
        current = s;
        events.append({Event::SetLoopLength, s});
        raiseMaximum();
    } else if (s > highest) {
        events.append({Event::ExtendLoop, s});
        current = s;
        highest = s;
    }
    return events;
}

LoopRuler::Events LoopRuler::wheel(int delta)
{
    if (delta > 0 && current < highest)
        ++current;
    else if (delta <= 0 && current >= 1)
        --current;
    else
        return {};
    raiseMaximum();
    return {{Event::SetLoopLength, current}};
}

LoopRuler::Events LoopRuler::setValue(int step)
{
    current = std::clamp(step, 0, lastValue);
    raiseMaximum();
    return {{Event::SetLoopLength, current}};
}

LoopRuler::Events LoopRuler::restoreFromSession(int step, int maximum)
{
    highest = std::clamp(maximum, 0, lastValue);
    current = std::clamp(step, 0, lastValue);
    raiseMaximum();
    return {{Event::SetLoopLength, current}};
}

void LoopRuler::reset()
{
    current = 0;
    highest = 0;
}

void LoopRuler::raiseMaximum()
{
    highest = std::max(highest, current);
}

} // namespace jam
