#include "NextChord.h"

#include "BeatLead.h"
#include "ChordNames.h"

#include <algorithm>
#include <cmath>

namespace nextchord {

Shown at(const QVector<QString>& seq, int c, bool roots, const LoopBeats& loop)
{
    Shown shown;
    if (c < 0 || c >= seq.size())
        return shown;
    const auto name = [&](int i) { return roots ? chordnames::chordRoot(seq.at(i)) : seq.at(i); };
    shown.current = name(c);

    // The beats in the order they are heard: on to the loop's last, then
    // from its first; a beat outside the loop goes to its first (the
    // player jumps there). Once round the loop, or to the end, at most.
    const bool looped = loop.active() && loop.last < seq.size();
    const auto following = [&](int i) {
        if (looped && (i + 1 > loop.last || i + 1 < loop.first))
            return loop.first;
        return i + 1;
    };
    const int steps = looped ? loop.last - loop.first + 1 : int(seq.size()) - c - 1;
    int i = c;
    for (int count = 1; count <= steps; ++count) {
        i = following(i);
        if (i >= seq.size())
            break;
        if (name(i) != shown.current) {
            shown.next = name(i);
            shown.count = count;
            break;
        }
    }
    return shown;
}

int beatAt(const QVector<float>& beats, int position)
{
    // Beats rise, and so do their starts.
    const auto after = std::upper_bound(beats.begin(), beats.end(), position,
                                        [](int p, float beat) { return p < base::heardFrame(beat); });
    return int(after - beats.begin()) - 1;
}

LoopBeats loopBeats(const QVector<float>& beats, int start, int end)
{
    if (start == end)
        return {};
    const int first = beatAt(beats, std::min(start, end));
    // The beat starting at the end point is the first one not played.
    const int last = beatAt(beats, std::max(start, end)) - 1;
    if (first < 0 || last < first)
        return {};
    return {first, last};
}

} // namespace nextchord
