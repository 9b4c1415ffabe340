// Chord template matching: names each column of a 12-bin chroma table by the
// enabled chord template with the largest dot product, then decides between
// the best triad and the best four-note chord by the strength of the added
// note, so a seventh wins only when that note really stands out.
//
// In: chroma (12 pitch-class rows, values >= 0). Out: one chord record per
// column and the count of each root and type chosen.
#include "DSP.h"

#include <array>

namespace {

using TemplateTable = std::array<std::array<std::array<double, 12>, 12>, 5>;

struct IntervalWeight
{
    int interval;
    double weight;
};

// Every row is the root-0 row of its group rotated by the root.
TemplateTable buildTemplates(const std::array<std::array<IntervalWeight, 4>, 5>& groups)
{
    TemplateTable table{};
    for (size_t g = 0; g < 5; ++g)
        for (int root = 0; root < 12; ++root)
            for (const IntervalWeight& iw : groups[g])
                if (iw.weight != 0.0)
                    table[g][size_t(root)][size_t((iw.interval + root) % 12)] = iw.weight;
    return table;
}

// The second and the fourth of the suspended triads weigh 0.5, so a sus
// triad reaches 2.5 where a major or minor triad reaches 3.
const TemplateTable Chords3note = buildTemplates({{
    {{{0, 1}, {4, 1}, {7, 1}, {0, 0}}},   // major
    {{{0, 1}, {3, 1}, {7, 1}, {0, 0}}},   // minor
    {{{0, 1}, {2, 0.5}, {7, 1}, {0, 0}}}, // sus2
    {{{0, 1}, {5, 0.5}, {7, 1}, {0, 0}}}, // sus4
    {{{0, 1}, {3, 1}, {6, 1}, {0, 0}}},   // dim
}});

const TemplateTable Chords4note = buildTemplates({{
    {{{0, 1}, {4, 1}, {7, 1}, {10, 1}}}, // dominant seventh
    {{{0, 1}, {4, 1}, {7, 1}, {11, 1}}}, // major seventh
    {{{0, 1}, {3, 1}, {7, 1}, {10, 1}}}, // minor seventh
    {{{0, 1}, {5, 1}, {7, 1}, {10, 1}}}, // 7sus4
    {{{0, 1}, {2, 1}, {4, 1}, {7, 1}}},  // add9
}});

constexpr int triadRows = 48;    // types 0 .. 3
constexpr int fourNoteRows = 36; // types 4 .. 6

using Row = std::array<float, 12>;

// Index of the highest score above 0 (the lowest index among equals), or
// start when no score exceeds 0.
template <size_t Size>
int bestIndex(const std::array<float, Size>& scores, int start)
{
    int best = start;
    float bestScore = 0.0f;
    for (size_t i = 0; i < Size; ++i) {
        if (scores[i] > bestScore) {
            bestScore = scores[i];
            best = int(i);
        }
    }
    return best;
}

// Index of the first occurrence of value in the ascending list.
size_t firstPosition(const std::vector<float>& sorted, float value)
{
    for (size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] == value)
            return i;
    return 0;
}

// True when the four-note chord wins over the triad (both found in column c).
bool seventhWins(const float* c, const Row& triad, const Row& fourNote)
{
    std::vector<float> w;
    for (int pc = 0; pc < 12; ++pc)
        if (fourNote[size_t(pc)] == 1.0f)
            w.push_back(c[pc]);
    std::sort(w.begin(), w.end());
    if (w.size() != 4)
        return false;
    const float w1 = w[0], w2 = w[1], w3 = w[2], w4 = w[3];

    // One or two notes carrying nearly all the energy do not make a
    // four-note chord.
    if (w4 > 2.0f * (w3 + w2 + w1) || w3 > 2.0f * (w2 + w1))
        return false;

    const std::vector<float> column(c, c + 12);
    std::vector<float> sortedColumn;
    std::vector<size_t> order;
    sortWithIndices(column, sortedColumn, order);
    const auto below = [&sortedColumn](size_t position) { return sortedColumn[position == 0 ? 0 : position - 1]; };

    std::vector<int> added;
    for (int pc = 0; pc < 12; ++pc)
        if (fourNote[size_t(pc)] - triad[size_t(pc)] == 1.0f)
            added.push_back(pc);

    if (added.size() == 1) {
        const float x = c[added[0]];
        if (x > w1)
            return true;
        // The added note must stand further above the next weaker pitch
        // class than below the next chord note.
        return x - below(firstPosition(sortedColumn, x)) > w2 - x;
    }

    const float top = w4 + w3 + w2;
    float t = 0.0f;
    for (int pc = 0; pc < 12; ++pc)
        if (triad[size_t(pc)] != 0.0f)
            t += c[pc];
    if (top > t && w1 - below(firstPosition(sortedColumn, w1)) > w2 - w1)
        return true;
    return (top + w1) * 0.25f > t / 3.0f;
}

} // namespace

void DSP::chordTrans(const float* const* chroma, const std::vector<std::vector<int>>& mask,
                     std::vector<chord>& result, int columnCount, std::vector<std::vector<int>>& counts)
{
    if (counts.size() < 12)
        counts.resize(12);
    for (std::vector<int>& row : counts)
        if (row.size() < 7)
            row.resize(7, 0);

    std::array<Row, triadRows> triads{};
    std::array<Row, fourNoteRows> fourNotes{};
    bool triadsEnabled = false;
    bool fourNotesEnabled = false;
    for (size_t r = 0; r < 12 && r < mask.size(); ++r) {
        for (size_t type = 0; type < 7 && type < mask[r].size(); ++type) {
            if (mask[r][type] != 1)
                continue;
            if (type < 4) {
                for (size_t pc = 0; pc < 12; ++pc)
                    triads[type * 12 + r][pc] = float(Chords3note[type][r][pc]);
                triadsEnabled = true;
            } else {
                for (size_t pc = 0; pc < 12; ++pc)
                    fourNotes[(type - 4) * 12 + r][pc] = float(Chords4note[type - 4][r][pc]);
                fourNotesEnabled = true;
            }
        }
    }

    // The carried best index lets a column without any scoring note take
    // the chord of the latest column that had one (see the cases below).
    int carried = -1;
    std::array<float, triadRows> triadScores{};
    std::array<float, fourNoteRows> fourNoteScores{};
    float c[12];

    for (int j = 0; j < columnCount; ++j) {
        float sum = 0.0f;
        for (int pc = 0; pc < 12; ++pc) {
            c[pc] = chroma[pc][j];
            sum += c[pc];
        }
        if (sum <= 0.0f) {
            result.push_back(noneChord());
            continue;
        }

        for (size_t i = 0; i < triadRows; ++i) {
            float score = 0.0f;
            for (size_t pc = 0; pc < 12; ++pc)
                score += c[pc] * triads[i][pc];
            triadScores[i] = score;
        }
        for (size_t i = 0; i < fourNoteRows; ++i) {
            float score = 0.0f;
            for (size_t pc = 0; pc < 12; ++pc)
                score += c[pc] * fourNotes[i][pc];
            fourNoteScores[i] = score;
        }

        chord found = noneChord();
        if (!fourNotesEnabled) {
            const int i3 = bestIndex(triadScores, -1);
            if (i3 >= 0)
                found = getChordName(3, i3);
        } else if (!triadsEnabled) {
            carried = bestIndex(fourNoteScores, carried);
            if (carried >= 0)
                found = getChordName(4, carried);
        } else {
            carried = bestIndex(triadScores, carried);
            const int i3 = carried;
            const int i4 = bestIndex(fourNoteScores, -1);
            if (i3 < 0 && i4 >= 0)
                found = getChordName(4, i4);
            else if (i3 >= 0 && i4 < 0)
                found = getChordName(3, i3);
            else if (i3 >= 0 && i4 >= 0)
                found = seventhWins(c, triads[size_t(i3)], fourNotes[size_t(i4)]) ? getChordName(4, i4)
                                                                                  : getChordName(3, i3);
        }

        if (found.root >= 0 && found.type >= 0 && found.type < 7)
            ++counts[size_t(found.root)][size_t(found.type)];
        result.push_back(found);
    }
}
