#include "ManualChordSelection.h"

#include <algorithm>

void ManualChordSelection::reset()
{
    chords = defaultChords();
    active = false;
}

void ManualChordSelection::set(const QVector<QVector<int>>& selection)
{
    chords = selection;
    active = std::any_of(chords.cbegin(), chords.cend(), [](const QVector<int>& row) { return row.contains(1); });
}

QVector<QVector<int>> ManualChordSelection::defaultChords()
{
    QVector<QVector<int>> rows(12, QVector<int>(7, 0));
    rows[1].fill(1);
    return rows;
}
