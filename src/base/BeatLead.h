// The one lead between a beat's analysed frame and where playback and the
// views act on it: half the 4096-frame analysis frame, so that each beat
// sits in the middle of its frame. The player's beat tracking, riff and song
// steps, the loop selection, the chord strip and the riff overlays all read
// it from here, so that they agree.
#pragma once

namespace base {

constexpr int beatLeadFrames = 2048;

} // namespace base
