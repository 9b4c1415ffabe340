// The one lead between a beat's position and where playback and the views
// act on it, in frames. The analysis places each beat on its attack, and a
// chain step at read position p sounds the recording from p + 1 on, so
// there is nothing left to lead by: every consumer acts on the beat itself.
// The player's beat tracking, riff and song steps, the loop selection, the
// chord strip and the riff overlays all read it from here, so that they
// agree.
#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

namespace base {

constexpr int beatLeadFrames = 0;

// Where a beat at `beat` frames is heard and acted on (a click sounds, a
// step or a loop starts, the chords tab enters it): one lead early,
// truncated, not below 0.
inline int heardFrame(float beat)
{
    return int(std::clamp(std::trunc(double(beat) - beatLeadFrames), 0.0, double(INT_MAX)));
}

// The same for a whole frame (a raw loop point): exact, where a float
// would round frames past 2^24.
inline int heardFrame(int frame)
{
    return std::max(frame - beatLeadFrames, 0);
}

// Where a beat is drawn: one lead early, neither truncated nor clamped, so
// that a beat between two frames keeps its place between two pixels.
constexpr float heardPosition(float beat)
{
    return beat - float(beatLeadFrames);
}

} // namespace base
