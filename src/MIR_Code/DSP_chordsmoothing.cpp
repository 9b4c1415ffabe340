// Chord-sequence smoothing: turns one voted chord per beat into the sequence
// the user reads. Chords that matter somewhere in the song are allowed; a
// dynamic programme splits the beats into segments of lengths that fit the
// bar, one allowed chord each, scored by the votes the chord won on them;
// chords that differ from both neighbours are replaced; recurring two-chord
// progressions then become rewarded segment shapes of a second programme.
//
// In: the observed chord per beat, the vote table (84 chord indices x beats,
// counts), the beats per bar. Out: one vocabulary chord per beat.
#include "DSP.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int chordCount = 84;
constexpr int typeCount = 7;
// Share of the recognised beats of a window a chord needs to be allowed.
constexpr double allowedShare = 0.07;
constexpr int windowBeats = 60;

int votesOf(const std::vector<std::vector<int>>& votes, int chordIndex, int beat)
{
    if (chordIndex < 0 || size_t(chordIndex) >= votes.size() || beat < 0
        || size_t(beat) >= votes[size_t(chordIndex)].size())
        return 0;
    return votes[size_t(chordIndex)][size_t(beat)];
}

} // namespace

void DSP::GetChordsForDP(int beatCount, std::vector<int>& allowed, const std::vector<chord>& chords, int typeCount)
{
    if (typeCount <= 0)
        return;
    const size_t slots = size_t(typeCount) * 12;
    if (allowed.size() < slots)
        allowed.resize(slots, -1);

    const int n = std::min(beatCount, int(chords.size()));
    std::vector<unsigned char> marked(slots, 0);
    if (n > 0) {
        const int windowLength = n <= windowBeats ? n : windowBeats;
        // Windows overlap by half; up to 29 beats at the end lie in none.
        const int windows = n < windowBeats ? 1 : int(std::floor(float(n - 30) / 30.0f));
        std::vector<int> counts(slots);
        for (int w = 0; w < windows; ++w) {
            std::fill(counts.begin(), counts.end(), 0);
            int total = 0;
            const int first = w * (windowLength / 2);
            for (int b = first; b < first + windowLength && b < n; ++b) {
                const chord& c = chords[size_t(b)];
                if (c.root < 0 || c.root > 11 || c.type < 0)
                    continue;
                const size_t index = size_t(c.root + 12 * c.type);
                if (index >= slots)
                    continue;
                ++counts[index];
                ++total;
            }
            for (size_t i = 0; i < slots; ++i)
                if (double(counts[i]) > double(total) * allowedShare)
                    marked[i] = 1;
        }
    }

    size_t next = 0;
    for (size_t i = 0; i < slots; ++i)
        if (marked[i])
            allowed[next++] = int(i);
    std::fill(allowed.begin() + long(next), allowed.end(), -1);
}

void DSP::getChordsDP(const std::vector<std::vector<int>>& votes, const std::vector<int>& allowed,
                      const std::vector<float>& weights, const std::vector<int>& offsets, std::vector<chord>& out,
                      const std::vector<chord>& observed, const std::vector<std::vector<int>>& progressions)
{
    const int N = int(observed.size());
    if (N == 0)
        return;

    std::vector<int> allowedList;
    std::vector<unsigned char> isAllowed(chordCount, 0);
    for (int index : allowed) {
        if (index < 0)
            break;
        if (index < chordCount && !isAllowed[size_t(index)]) {
            allowedList.push_back(index);
            isAllowed[size_t(index)] = 1;
        }
    }
    // Nothing to choose from (no chord reached its share anywhere): the
    // recognised chords stand as they are rather than indexing chord -1.
    if (allowedList.empty() || offsets.empty()) {
        out.insert(out.end(), observed.begin(), observed.end());
        return;
    }

    const int L = int(offsets.size());
    const int P = progressions.size() >= 4 ? int(std::min({progressions[0].size(), progressions[1].size(),
                                                           progressions[2].size(), progressions[3].size()}))
                                           : 0;
    const int M = L + P;
    const auto weight = [&weights](int option) {
        return size_t(option) < weights.size() ? weights[size_t(option)] : 0.0f;
    };

    // Each progression belongs to the option list of its second chord.
    std::vector<std::vector<int>> progressionsOf(chordCount);
    for (int p = 0; p < P; ++p) {
        const int from = progressions[0][size_t(p)];
        const int to = progressions[1][size_t(p)];
        const int g0 = progressions[2][size_t(p)];
        const int g1 = progressions[3][size_t(p)];
        if (from < 0 || from >= chordCount || to < 0 || to >= chordCount || !isAllowed[size_t(to)] || g0 < 1
            || g1 < 1)
            continue;
        progressionsOf[size_t(to)].push_back(p);
    }

    const size_t beats = size_t(N);
    std::vector<std::vector<float>> score(chordCount, std::vector<float>(beats, 0.0f));
    std::vector<std::vector<int>> segmentOffset(chordCount, std::vector<int>(beats, 0));
    std::vector<std::vector<int>> predecessor(chordCount, std::vector<int>(beats, -1));
    std::vector<std::vector<int>> progressionUsed(chordCount, std::vector<int>(beats, -1));
    std::vector<float> bestScore(beats, 0.0f);
    std::vector<int> bestChord(beats, allowedList[0]);

    // 1. Beat 0: every chord's score is its own votes, one-beat segment.
    for (int c = 0; c < chordCount; ++c) {
        score[size_t(c)][0] = float(votesOf(votes, c, 0));
        segmentOffset[size_t(c)][0] = -1;
    }
    for (int a : allowedList) {
        if (score[size_t(a)][0] > bestScore[0]) {
            bestScore[0] = score[size_t(a)][0];
            bestChord[0] = a;
        }
    }

    // 2. Every later beat: the best segment ending there, for each chord.
    std::vector<float> options(size_t(M), 0.0f);
    for (int u = 1; u < N; ++u) {
        for (int a : allowedList) {
            std::fill(options.begin(), options.end(), 0.0f);
            options[0] = float(votesOf(votes, a, u)) * weight(0) + bestScore[size_t(u - 1)];
            for (int l = 1; l < L; ++l) {
                const int d = std::abs(offsets[size_t(l)]);
                if (d < 1 || u < d - 1)
                    continue;
                float sum = 0.0f;
                for (int i = 0; i < d; ++i)
                    sum += float(votesOf(votes, a, u - i)) * weight(l);
                if (u >= d)
                    sum += bestScore[size_t(u - d)];
                options[size_t(l)] = sum;
            }
            for (int p : progressionsOf[size_t(a)]) {
                const int f = progressions[0][size_t(p)];
                const int g0 = progressions[2][size_t(p)];
                const int g1 = progressions[3][size_t(p)];
                const int t = g0 + g1;
                if (u < t - 1)
                    continue;
                float sum = 0.0f;
                for (int i = 0; i < g0; ++i)
                    sum += float(votesOf(votes, f, u - g1 - i)) * weight(L + p);
                for (int i = 0; i < g1; ++i)
                    sum += float(votesOf(votes, a, u - i)) * weight(L + p);
                if (u >= t)
                    sum += bestScore[size_t(u - t)];
                options[size_t(L + p)] = sum;
            }

            // On equal scores the later (longer) option wins; with nothing
            // scored yet the one-beat segment does.
            float highest = 0.0f;
            for (float o : options)
                highest = std::max(highest, o);
            int chosen = 0;
            for (int k = M - 1; k >= 0; --k) {
                if (options[size_t(k)] == highest) {
                    chosen = k;
                    break;
                }
            }
            float firstSum = 0.0f;
            for (int k = 0; k < std::min(L, 3); ++k)
                firstSum += options[size_t(k)];
            if (firstSum == 0.0f)
                chosen = 0;

            int length = 0;
            if (chosen < L) {
                segmentOffset[size_t(a)][size_t(u)] = offsets[size_t(chosen)];
                length = std::abs(offsets[size_t(chosen)]);
            } else {
                const int p = chosen - L;
                length = progressions[2][size_t(p)] + progressions[3][size_t(p)];
                segmentOffset[size_t(a)][size_t(u)] = -length;
                progressionUsed[size_t(a)][size_t(u)] = p;
            }
            score[size_t(a)][size_t(u)] = highest;
            if (u >= length)
                predecessor[size_t(a)][size_t(u)] = bestChord[size_t(u - length)];
        }

        int sharing = 0;
        for (int a : allowedList) {
            if (score[size_t(a)][size_t(u)] > bestScore[size_t(u)]) {
                bestScore[size_t(u)] = score[size_t(a)][size_t(u)];
                bestChord[size_t(u)] = a;
            }
        }
        for (int a : allowedList)
            if (score[size_t(a)][size_t(u)] == bestScore[size_t(u)])
                ++sharing;
        // A tie keeps what was heard at this beat when that is allowed,
        // otherwise it continues the previous beat.
        if (sharing >= 2) {
            const int heard = chordIndex(observed[size_t(u)]);
            bestChord[size_t(u)] = (heard >= 0 && isAllowed[size_t(heard)]) ? heard : bestChord[size_t(u - 1)];
        }
    }

    // 3. Backtrack from the last beat.
    std::vector<int> sequence(beats, -1);
    int pos = N - 1;
    int k = bestChord[size_t(N - 1)];
    while (pos >= 0 && k >= 0 && k < chordCount) {
        const int p = progressionUsed[size_t(k)][size_t(pos)];
        int length = 0;
        if (p < 0) {
            length = std::abs(segmentOffset[size_t(k)][size_t(pos)]);
            for (int i = 0; i < length && pos - i >= 0; ++i)
                sequence[size_t(pos - i)] = k;
        } else {
            const int g0 = progressions[2][size_t(p)];
            const int g1 = progressions[3][size_t(p)];
            for (int i = 0; i < g1 && pos - i >= 0; ++i)
                sequence[size_t(pos - i)] = progressions[1][size_t(p)];
            for (int i = 0; i < g0 && pos - g1 - i >= 0; ++i)
                sequence[size_t(pos - g1 - i)] = progressions[0][size_t(p)];
            length = g0 + g1;
        }
        if (length < 1)
            break;
        k = predecessor[size_t(k)][size_t(pos)];
        pos -= length;
    }

    for (int index : sequence) {
        // Only a broken table leaves a beat unset; it takes the first allowed chord.
        const int c = index >= 0 ? index : allowedList[0];
        out.push_back(getChordfromRootandType(c % 12, c / 12));
    }
}

void DSP::getRidofSingleChords(const std::vector<chord>& in, std::vector<chord>& out,
                               const std::vector<std::vector<int>>& votes)
{
    out = in;
    const int n = int(in.size());
    if (n < 3)
        return;

    std::vector<unsigned char> single(size_t(n), 0);
    for (int i = 1; i <= n - 2; ++i)
        single[size_t(i)] =
            in[size_t(i)].name != in[size_t(i - 1)].name && in[size_t(i)].name != in[size_t(i + 1)].name;

    int i = 1;
    while (i <= n - 2) {
        if (!single[size_t(i)]) {
            ++i;
            continue;
        }
        const int first = i;
        while (i + 1 <= n - 2 && single[size_t(i + 1)])
            ++i;
        const int last = i;
        ++i;

        if (first == last) {
            const int previous = chordIndex(in[size_t(first - 1)]);
            const int next = chordIndex(in[size_t(first + 1)]);
            const bool nextWins = votesOf(votes, next, first) > votesOf(votes, previous, first);
            out[size_t(first)] = nextWins ? in[size_t(first + 1)] : in[size_t(first - 1)];
            continue;
        }

        // A run of single chords takes the best voted of its own chords and
        // its two neighbours over the whole run.
        int winner = first - 1;
        int winnerScore = 0;
        for (int c = first - 1; c <= last + 1; ++c) {
            const int index = chordIndex(in[size_t(c)]);
            int sum = 0;
            for (int b = first; b <= last; ++b)
                sum += votesOf(votes, index, b);
            if (sum > winnerScore) {
                winnerScore = sum;
                winner = c;
            }
        }
        for (int b = first; b <= last; ++b)
            out[size_t(b)] = in[size_t(winner)];
    }
}

void DSP::getChordProg(const std::vector<std::string>& names, std::vector<chordChange>& changes,
                       std::vector<std::vector<int>>& progressions,
                       const std::vector<std::vector<int>>& barPatterns, const std::vector<int>& limits)
{
    if (progressions.size() < 4)
        progressions.resize(4);

    struct Run
    {
        std::string name;
        int length;
    };
    std::vector<Run> runs;
    for (const std::string& name : names) {
        if (!runs.empty() && runs.back().name == name)
            ++runs.back().length;
        else
            runs.push_back({name, 1});
    }
    // The last run's length is open.
    if (!runs.empty())
        runs.pop_back();

    const auto indexOf = [this](const std::string& name) {
        int root = -1;
        int type = -1;
        getRootType(name, root, type);
        return (root >= 0 && type >= 0) ? type * 12 + root : -1;
    };

    for (size_t k = 0; k + 1 < runs.size(); ++k) {
        const Run& from = runs[k];
        const Run& to = runs[k + 1];
        auto change = std::find_if(changes.begin(), changes.end(), [&](const chordChange& c) {
            return c.fromName == from.name && c.toName == to.name;
        });
        if (change == changes.end()) {
            chordChange added;
            added.fromIndex = indexOf(from.name);
            added.toIndex = indexOf(to.name);
            added.count = 1;
            added.fromName = from.name;
            added.toName = to.name;
            added.lengths.push_back({from.length, to.length, 1, 0.0f});
            changes.push_back(added);
            continue;
        }
        auto lengths = std::find_if(change->lengths.begin(), change->lengths.end(), [&](const runLengthPair& r) {
            return r.fromBeats == from.length && r.toBeats == to.length;
        });
        if (lengths == change->lengths.end())
            change->lengths.push_back({from.length, to.length, 1, 0.0f});
        else
            ++lengths->count;
        ++change->count;
    }

    int total = 0;
    for (const chordChange& c : changes)
        total += c.count;
    if (total == 0)
        return;
    for (chordChange& c : changes)
        for (runLengthPair& r : c.lengths)
            r.percent = float(r.count * 100) / float(total);

    const bool withPatterns = barPatterns.size() >= 2;
    const auto fitsBar = [&](const runLengthPair& r) {
        if (!withPatterns)
            return false;
        for (size_t t = 0; t < barPatterns[0].size() && t < barPatterns[1].size(); ++t)
            if (barPatterns[0][t] == r.fromBeats && barPatterns[1][t] == r.toBeats)
                return true;
        return false;
    };
    const float patternLimit = limits.size() > 0 ? float(limits[0]) : 3.0f;
    const float anyLimit = limits.size() > 1 ? float(limits[1]) : 10.0f;
    for (const chordChange& c : changes) {
        for (const runLengthPair& r : c.lengths) {
            if ((r.percent > patternLimit && fitsBar(r)) || r.percent > anyLimit) {
                progressions[0].push_back(c.fromIndex);
                progressions[1].push_back(c.toIndex);
                progressions[2].push_back(r.fromBeats);
                progressions[3].push_back(r.toBeats);
            }
        }
    }
}

void DSP::smoothChords(const std::vector<chord>& observed, const std::vector<std::vector<int>>& votes,
                       int beatsPerBar, std::vector<chord>& programmed, std::vector<chord>& smoothed)
{
    programmed.clear();
    smoothed.clear();
    const int n = int(observed.size());
    if (n == 0)
        return;

    std::vector<int> allowed(chordCount, -1);
    GetChordsForDP(n, allowed, observed, typeCount);

    // Segment lengths that fit the bar earn more per vote; on equal scores
    // the longer segment wins.
    std::vector<int> offsets;
    std::vector<float> weights;
    std::vector<std::vector<int>> barPatterns(2);
    float extraWeight = 0.0f;
    switch (beatsPerBar) {
    case 2:
    case 4:
    case 8:
        offsets = {-1, -2, -4};
        weights = {0.0f, 0.8f, 1.0f};
        barPatterns = {{4, 8, 4, 8}, {4, 8, 8, 4}};
        extraWeight = 1.2f;
        break;
    case 3:
    case 6:
        offsets = {-1, -3, -6};
        weights = {0.0f, 0.8f, 1.0f};
        barPatterns = {{3, 6, 3, 6}, {3, 3, 6, 6}};
        extraWeight = 1.2f;
        break;
    default:
        offsets = {-1, -2};
        weights = {1.0f, 1.2f};
        break;
    }
    const std::vector<int> limits = {3, 10};
    std::vector<std::vector<int>> progressions(4);

    getChordsDP(votes, allowed, weights, offsets, programmed, observed, progressions);
    getRidofSingleChords(programmed, smoothed, votes);

    std::vector<std::string> names;
    names.reserve(smoothed.size());
    for (const chord& c : smoothed)
        names.push_back(c.name);
    std::vector<chordChange> changes;
    getChordProg(names, changes, progressions, barPatterns, limits);

    // Without progressions the second pass would repeat the first.
    if (extraWeight <= 0.0f || progressions[0].empty())
        return;
    const float wmax = std::max({weights[0], weights[1], weights[2]});
    for (size_t p = 0; p < progressions[0].size(); ++p) {
        const int t = progressions[2][p] + progressions[3][p];
        // Long progressions lean towards the plain segments' weight.
        weights.push_back(t <= 8 ? extraWeight : (float(t - 8) * wmax + 8.0f * extraWeight) / float(t));
    }
    programmed.clear();
    getChordsDP(votes, allowed, weights, offsets, programmed, observed, progressions);
    getRidofSingleChords(programmed, smoothed, votes);
}
