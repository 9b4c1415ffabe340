// The range of the two tempo boxes (the tools tab's BPM box and the chords
// tab's TEMPO box) for the recording's tempo in whole BPM: a quarter of it
// (integer division) to twice it. One definition, so the two boxes always
// show the same tempo at the tempo knob's ends and at their own.
#pragma once

namespace temporange {

constexpr int lowest(int original)
{
    return original / 4;
}

constexpr int highest(int original)
{
    return 2 * original;
}

} // namespace temporange
