// What the chords tab's two large diagrams show for a beat: its chord, the
// next different chord in the order the beats will be heard, and the beats
// until that one. With a looped selection the beat after the loop's last is
// its first again. Pure functions over the model's lists; the chords tab
// and the tests share them.
#pragma once

#include <QString>
#include <QVector>

namespace nextchord {

// The beats a looped selection plays, first … last; inactive when there
// is no loop (then playback runs on to the end).
struct LoopBeats
{
    int first = -1;
    int last = -1;
    bool active() const { return first >= 0 && last >= first; }
};

struct Shown
{
    QString current;
    QString next;  // "" when no different chord follows
    int count = 0; // beats from the current one until the next
};

// seq: one chord name per beat; c: the beat, an index of seq; roots: power
// chords, where only the roots count (chordnames::chordRoot).
Shown at(const QVector<QString>& seq, int c, bool roots, const LoopBeats& loop);

// The beat whose span holds a read position in frames: the last beat b
// with base::heardFrame(beats[b]) ≤ position; -1 before the first. The
// loop points and the player's beat tracking place beats the same way.
int beatAt(const QVector<float>& beats, int position);

// The beats between two loop points in frames (as the selection sets them,
// on beat starts): inactive when the points are equal.
LoopBeats loopBeats(const QVector<float>& beats, int start, int end);

} // namespace nextchord
