// The transport clock's text: minutes, a colon and seconds with at most
// three decimals, cut rather than rounded ("1:05.5", "0:09.876", "2:05").
#pragma once

#include <QString>

namespace transportclock {

// Seconds below 0.05 within a minute count as 0. Seconds that print as 60
// carry into the minutes, and the leading "0" goes before a one-digit
// seconds text, decided from the text as printed (so 119.99998 s reads
// "2:00" and 9.999996 s "0:10"). Not a finite number, or below 0, reads
// "0:00".
QString text(float seconds);

// position / rate in single precision; a rate of 0 or less gives 0.
float seconds(float positionFrames, int sampleRate);

} // namespace transportclock
