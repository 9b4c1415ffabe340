// The one lead between a beat's position and where playback and the views
// act on it, in frames. The analysis places each beat on its attack, and a
// chain step at read position p sounds the recording from p + 1 on, so
// there is nothing left to lead by: every consumer acts on the beat itself.
// The player's beat tracking, riff and song steps, the loop selection, the
// chord strip and the riff overlays all read it from here, so that they
// agree.
#pragma once

namespace base {

constexpr int beatLeadFrames = 0;

} // namespace base
