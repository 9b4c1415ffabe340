// One pitch shift as the pitch boxes show it and a session stores it: whole
// semitones and hundredths of a semitone −50 … 49 (the fine-tune box's
// 0 … 99 less 50). The pitch model, the tools tab's boxes and the chords
// tab's key shift all split a pitch here, so that they never disagree by a
// semitone about a pitch that lies on a half; they, the jam steps and the
// session loader turn semitones into ratios and back here too.
#pragma once

namespace pitchvalue {

struct Split
{
    int semitones = 0;
    int hundredths = 0; // −50 … 49

    // semitones + hundredths / 100, in single precision as the session
    // writer takes it.
    float total() const { return float(semitones) + float(hundredths) / 100.0f; }
};

// n hundredths of a semitone: the semitones rounded with halves up, the
// rest −50 … 49 (−50 → 0 and −50; 50 → 1 and −50).
Split split(int hundredths);

// A pitch in semitones to the nearest hundredth, then split. For stored
// and shown pitches, which are whole hundredths.
Split splitStored(double semitones);

// Any pitch in semitones as the boxes show it: the rest below the rounded
// semitones cut toward zero to whole hundredths, except that a rest within
// rounding noise of a whole hundredth is that hundredth (a ratio made from
// whole hundredths gives them back, and −0.5 stays −0.5).
Split splitShown(double semitones);

// 12 · log2(ratio), the pitch of a ratio (output / input frequency).
double semitonesOfRatio(double ratio);
// 2^(semitones / 12) in double precision, stored in single.
float ratioOfSemitones(double semitones);
// The same with the twelfth (semitones / 12) taken in single precision, as
// the jam steps' ratios have always been made: for many pitches (−11
// semitones is one) it differs from ratioOfSemitones in the last bit, and a
// step ratio a session stores keeps its bits.
float ratioOfSemitonesSingleTwelfth(float semitones);

} // namespace pitchvalue
