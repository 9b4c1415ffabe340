// The session file (".tb"): one XML document of type "TBXML" with the root
// `tbxml`, written by SessionWriter and read back by SessionLoader. This
// header holds what both sides share: the element names, the text forms
// the values are written in, and the characters XML 1.0 cannot carry.
//
// Root children, in document order: fileName, looped, loopStart, loopEnd,
// loopStartFrame, loopEndFrame (the selection's ends in frames, which a
// load prefers to loopStart and loopEnd; older files lack them), volume,
// currentTab, playbackPos, scrollButton, toolsTab (tempo: mode, bpm,
// exactBpm (the tempo that plays, unrounded, which a load prefers to bpm
// and knobValue; 0 for none; older files lack it), knobValue, state; pitch;
// sourceSep), chordsTab, riffsTab (powerButton, currentRiff, beatOffset,
// riff ×6 with id 0 … 5 each holding riffLength, riffLengthMax and step ×16
// with id 0 … 15, then song with songLength, songLengthMax and step ×16),
// plot. The format carries no version number.
#pragma once

#include <QString>

namespace session {

// The working set's bounds: six riffs "A" … "F" of sixteen steps, and a
// song of sixteen slots.
constexpr int riffCount = 6;
constexpr int stepCount = 16;
constexpr int songSlotCount = 16;

// Largest file the loader reads. A full session is about 25 KB; anything
// much larger is not one, and a document with hundreds of thousands of
// elements costs seconds and memory to parse.
constexpr qint64 maxFileBytes = 1 << 20;
// Deepest element nesting the loader accepts; the writer's is 5. The
// document model frees its tree recursively, so a deeply nested file
// would overflow the stack.
constexpr int maxDepth = 32;

// Longest text of one value (an element's text or an attribute). The
// longest is a path, which Linux caps at 4096 bytes (PATH_MAX), never
// fewer characters.
constexpr int maxFieldChars = 4096;

extern const char* const documentType; // "TBXML"
extern const char* const rootName;     // "tbxml"
extern const char* const suffix;       // ".tb"

// The text forms of the values.
namespace text {

// The integer in decimal.
QString decimal(int value);
// "1" when on, "0" when off.
QString flag(bool on);
// At most six significant digits, the C printf %g rules: 2 → "2", 0.5 →
// "0.5", 2^(1/12) → "1.05946".
QString sixDigits(double value);
// The float truncated toward zero (saturating; NaN gives 0), in decimal.
QString truncatedDecimal(float value);
// The float truncated toward zero to an integer, in the six-digit form.
QString truncatedSixDigits(float value);
// The fewest significant digits (six to nine) that read back as the very
// same float: 35.4f → "35.4", 155.8225f → "155.8225". Zero (also -0),
// NaN and the infinities give "0".
QString exactFloat(float value);

} // namespace text

// Index of the first character XML 1.0 does not allow in a document
// (controls other than tab, line feed and carriage return, U+FFFE,
// U+FFFF, unpaired surrogates), or -1 when there is none. A path holding
// one would give a file no XML reader accepts.
int firstForbiddenXmlChar(const QString& s);

} // namespace session
