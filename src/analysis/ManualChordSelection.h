// The chord selection handed over with a re-analysis (the chord filter's
// result): 12 root rows from C, 7 quality columns, 1 = allowed.
#pragma once

#include <QVector>

struct ManualChordSelection
{
    QVector<QVector<int>> chords = defaultChords();
    // Some entry equals 1.
    bool active = false;

    // Back to the default rows (replaced, not appended: a file open must not
    // grow the selection).
    void reset();
    void set(const QVector<QVector<int>>& selection);

    // Twelve rows of seven, the second all 1, the others all 0.
    static QVector<QVector<int>> defaultChords();
};
