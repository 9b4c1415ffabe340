// Chord recognition per beat: a grid of 4096-sample frames over each beat,
// their notegram by instantaneous frequency folded into chroma, a first pass
// that names each beat and fixes one chord type per root, a second pass that
// names each frame among those twelve chords and lets the frames of a beat
// vote, then the smoothing of the voted sequence.
//
// In: mono samples, beat positions in onset frames of hop samples, beat
// period in those frames. Out: chord names per beat and the ranked chords.
#include "DSP.h"

#include <array>
#include <cmath>

namespace {

constexpr int frameLength = 4096; // 92.9 ms at 44.1 kHz
constexpr int frameHop = 1024;    // 23.2 ms at 44.1 kHz
constexpr int fLow = 60;          // Hz: the band the chroma listens to,
constexpr int fLowFull = 120;     //     with soft edges from 60 to 120
constexpr int fHighFull = 400;    //     and from 400 to 800 Hz
constexpr int fHigh = 800;
constexpr int octaves = 7;
constexpr int strongestPerOctave = 4;
constexpr int chordCount = 84;
constexpr int typeCount = 7;

// A none record (a beat nothing was recognised in) is shown as "X".
std::string beatName(const chord& c)
{
    return c.root < 0 ? std::string("X") : c.name;
}

} // namespace

void DSP::getChords(float** beatChroma, const int* beats, const float* signal, int sampleRate, int sampleCount,
                    int beatCount, int hop, const std::vector<std::vector<int>>& selection,
                    std::vector<std::vector<std::string>>& names, std::vector<std::vector<std::string>>& ranked,
                    int beatPeriod, bool keepSelection, std::vector<float>& voteShare, int beatsPerBar)
{
    if (beatCount < 2 || beatChroma == nullptr || beats == nullptr || signal == nullptr || sampleRate <= 0)
        return;

    // Frames per beat: how many 4096-sample frames, 1024 apart, fit into one
    // nominal beat (18 at 120 BPM and 44.1 kHz). A beat period beyond the
    // whole signal (a failed tempo estimate) is held to the frames the signal
    // has room for.
    const float fitting =
        std::floor(float((long long)beatPeriod * hop - (frameLength - frameHop)) / float(frameHop));
    const float roomFor = float(sampleCount / frameHop + 1);
    const int F = std::max(1, int(std::min(fitting, roomFor)));
    // With a single frame per beat 3F/4 is 0 and no frame would vote; one
    // vote keeps such beats from all turning into C major. F >= 2 is unchanged.
    const int voteLimit = std::max(1, 3 * F / 4);
    const int weakVote = F / 2;
    const int veryWeakVote = F / 4;

    // Positions far outside the signal read as silence; clamping keeps the
    // frame arithmetic inside int.
    const auto pos = [&](int b) {
        const long long p = (long long)beats[b] * hop;
        const long long lowest = -2LL * frameLength;
        const long long highest = (long long)sampleCount + frameLength;
        return int(std::min(std::max(p, lowest), highest));
    };

    // 1. Frame list: F frames per beat, each beat after the first preceded by
    //    a boundary frame one hop earlier, so every frame has its phase
    //    predecessor; the last beat gets frames only where they fit.
    //    A single frame per beat would have no neighbour with a sound phase
    //    (its boundary frame follows the previous beat's frame by more than a
    //    hop), so its partials would fail the continuity test: with F = 1
    //    every beat, the first too, gets two boundary frames, one hop apart.
    const int boundaryFrames = F == 1 ? 2 : 1;
    const auto addBoundary = [&](std::vector<ChordFrame>& list, int beat) {
        for (int i = boundaryFrames; i >= 1; --i)
            list.push_back({pos(beat) - i * frameHop, -1});
    };
    std::vector<ChordFrame> frames;
    frames.reserve(size_t(F + boundaryFrames) * size_t(beatCount) + size_t(boundaryFrames));
    if (F == 1)
        addBoundary(frames, 0);
    for (int k = 0; k < F; ++k)
        frames.push_back({pos(0) + k * frameHop, 0});
    for (int b = 1; b <= beatCount - 2; ++b) {
        addBoundary(frames, b);
        for (int k = 0; k < F; ++k)
            frames.push_back({pos(b) + k * frameHop, b});
    }
    const int last = beatCount - 1;
    if ((long long)pos(last) + frameLength - frameHop - 1 < sampleCount) {
        addBoundary(frames, last);
        for (int k = 0; k < F && (long long)pos(last) + k * frameHop + frameLength - 1 < sampleCount; ++k)
            frames.push_back({pos(last) + k * frameHop, last});
    } else {
        frames.push_back({pos(last - 1) + (F - 1) * frameHop, -1});
    }
    const int nFrames = int(frames.size());

    // 2. Notegram.
    std::vector<std::vector<float>> notegram(chordCount, std::vector<float>(size_t(nFrames), 0.0f));
    chromagram_IF(signal, sampleCount, sampleRate, notegram, nFrames, frameLength, frameHop, fLow, fLowFull,
                  fHighFull, fHigh, frames);

    // 3. Frame chroma: per octave only the four strongest pitch classes count.
    std::vector<std::vector<float>> frameChroma(12, std::vector<float>(size_t(nFrames), 0.0f));
    {
        std::vector<float> octave(12);
        std::vector<float> sorted;
        std::vector<size_t> order;
        for (size_t t = 0; t < size_t(nFrames); ++t) {
            for (int o = 0; o < octaves; ++o) {
                for (int pc = 0; pc < 12; ++pc)
                    octave[size_t(pc)] = notegram[size_t(12 * o + pc)][t];
                sortWithIndices(octave, sorted, order);
                for (int i = 12 - strongestPerOctave; i < 12; ++i)
                    frameChroma[order[size_t(i)]][t] += sorted[size_t(i)];
            }
        }
    }

    // 4. Beat chroma: the frames of each beat summed, scaled to a maximum of 1.
    for (size_t t = 0; t < size_t(nFrames); ++t) {
        const int b = frames[t].label;
        if (b < 0 || b >= beatCount)
            continue;
        for (size_t pc = 0; pc < 12; ++pc)
            beatChroma[pc][b] += frameChroma[pc][t];
    }
    for (int b = 0; b < beatCount; ++b) {
        float m = 0.0f;
        for (int pc = 0; pc < 12; ++pc)
            m = std::max(m, beatChroma[pc][b]);
        if (m != 0.0f)
            for (int pc = 0; pc < 12; ++pc)
                beatChroma[pc][b] /= m;
    }

    // 5. First pass over the beats: major, minor and dominant seventh (or the
    //    caller's selection).
    std::vector<std::vector<int>> mask1(12, std::vector<int>(typeCount, 0));
    for (size_t r = 0; r < 12; ++r) {
        if (keepSelection) {
            for (size_t type = 0; type < size_t(typeCount); ++type)
                mask1[r][type] = (r < selection.size() && type < selection[r].size() && selection[r][type] == 1);
        } else {
            mask1[r][0] = mask1[r][1] = mask1[r][4] = 1;
        }
    }
    std::vector<chord> pass1;
    std::vector<std::vector<int>> counts1(12, std::vector<int>(typeCount, 0));
    chordTrans(beatChroma, mask1, pass1, beatCount, counts1);

    // 6. One chord type per root: the one the first pass found most often
    //    (the lower type on a tie, major when the root never came up).
    std::array<int, 12> representativeType{};
    std::array<chord, 12> representative;
    for (size_t r = 0; r < 12; ++r) {
        int best = 0;
        int type = 0;
        for (int t = 0; t < typeCount; ++t) {
            if (counts1[r][size_t(t)] > best) {
                best = counts1[r][size_t(t)];
                type = t;
            }
        }
        if (keepSelection && best == 0) {
            // A root the selection leaves out stays out of the second pass.
            type = -1;
            for (int t = typeCount - 1; t >= 0; --t)
                if (mask1[r][size_t(t)] == 1)
                    type = t;
        }
        representativeType[r] = type;
        representative[r] = type >= 0 ? getChordfromRootandType(int(r), type) : noneChord();
    }
    for (chord& c : pass1)
        if (c.root >= 0 && c.root < 12)
            c = representative[size_t(c.root)];

    // 7. Second pass over the frames, among those twelve chords only.
    std::vector<std::vector<int>> mask2(12, std::vector<int>(typeCount, 0));
    for (size_t r = 0; r < 12; ++r)
        if (representativeType[r] >= 0)
            mask2[r][size_t(representativeType[r])] = 1;
    std::vector<const float*> frameChromaRows(12);
    for (size_t pc = 0; pc < 12; ++pc)
        frameChromaRows[pc] = frameChroma[pc].data();
    std::vector<chord> frameChords;
    frameChords.reserve(size_t(nFrames));
    std::vector<std::vector<int>> counts2(12, std::vector<int>(typeCount, 0));
    chordTrans(frameChromaRows.data(), mask2, frameChords, nFrames, counts2);

    // 8. Votes: the first voteLimit frames of a beat that name a chord vote;
    //    the first boundary frame after them closes the beat.
    if (voteShare.size() < size_t(beatCount))
        voteShare.resize(size_t(beatCount));
    std::fill(voteShare.begin(), voteShare.begin() + beatCount, 0.0f);
    std::vector<std::vector<int>> voteTable(chordCount, std::vector<int>(size_t(beatCount), 0));
    std::vector<chord> perBeat(static_cast<size_t>(beatCount));
    std::vector<std::vector<chord>> candidates(static_cast<size_t>(beatCount));
    std::array<std::array<int, typeCount>, 12> votes{};
    int voted = 0;
    int mainRoot = 0;
    int mainType = 0;
    for (size_t t = 0; t < size_t(nFrames); ++t) {
        const int label = frames[t].label;
        if (label >= 0) {
            const chord& c = frameChords[t];
            if (voted < voteLimit && c.root >= 0 && c.root < 12 && c.type >= 0 && c.type < typeCount) {
                ++votes[size_t(c.root)][size_t(c.type)];
                ++voted;
            }
            continue;
        }
        const int b = t > 0 ? frames[t - 1].label : -1;
        if (b < 0)
            continue;

        int most = 0;
        for (int r = 0; r < 12; ++r) {
            for (int type = 0; type < typeCount; ++type) {
                if (votes[size_t(r)][size_t(type)] > most) {
                    most = votes[size_t(r)][size_t(type)];
                    mainRoot = r;
                    mainType = type;
                }
            }
        }
        voteShare[size_t(b)] = float(most);
        perBeat[size_t(b)] = getChordfromRootandType(mainRoot, mainType);
        if (most > 0) {
            for (int r = 0; r < 12; ++r)
                for (int type = 0; type < typeCount; ++type)
                    if (votes[size_t(r)][size_t(type)] == most && (r != mainRoot || type != mainType))
                        candidates[size_t(b)].push_back(getChordfromRootandType(r, type));
            if (!candidates[size_t(b)].empty())
                candidates[size_t(b)].push_back(perBeat[size_t(b)]);
        }
        for (int r = 0; r < 12; ++r)
            for (int type = 0; type < typeCount; ++type)
                voteTable[size_t(type * 12 + r)][size_t(b)] = votes[size_t(r)][size_t(type)];
        votes = {};
        voted = 0;
    }

    // 9. The last beat is never closed: it continues the beat before it.
    perBeat[size_t(last)] = perBeat[size_t(last - 1)];

    // 10. Ties go to an untied neighbour's chord, else to the first pass.
    const auto hasCandidate = [&candidates](int b, const std::string& name) {
        for (const chord& c : candidates[size_t(b)])
            if (c.name == name)
                return true;
        return false;
    };
    for (int b = 0; b < beatCount; ++b) {
        if (candidates[size_t(b)].size() < 2)
            continue;
        if (b >= 1 && candidates[size_t(b - 1)].empty() && hasCandidate(b, perBeat[size_t(b - 1)].name))
            perBeat[size_t(b)] = perBeat[size_t(b - 1)];
        else if (b < beatCount - 1 && candidates[size_t(b + 1)].empty()
                 && hasCandidate(b, perBeat[size_t(b + 1)].name))
            perBeat[size_t(b)] = perBeat[size_t(b + 1)];
        else
            perBeat[size_t(b)] = pass1[size_t(b)];
    }

    // 11. A weakly voted beat falls back to the first pass when that agrees
    //     with a neighbour, a very weakly voted one always.
    std::vector<chord> observed = perBeat;
    for (int b = 1; b <= beatCount - 2; ++b) {
        const float v = voteShare[size_t(b)];
        const chord& p = pass1[size_t(b)];
        if (v < float(weakVote)
            && (v < float(veryWeakVote) || p.name == perBeat[size_t(b - 1)].name
                || p.name == perBeat[size_t(b + 1)].name))
            observed[size_t(b)] = p;
    }

    // 12. Smoothing, names and ranking.
    std::vector<chord> programmed;
    std::vector<chord> smoothed;
    smoothChords(observed, voteTable, beatsPerBar, programmed, smoothed);

    if (names.size() < 2)
        names.resize(2);
    if (ranked.size() < 2)
        ranked.resize(2);
    const std::vector<chord>* sequences[2] = {&programmed, &smoothed};
    for (size_t s = 0; s < 2; ++s) {
        std::vector<std::string>& list = names[s];
        if (list.size() < size_t(beatCount))
            list.resize(size_t(beatCount));
        for (size_t b = 0; b < size_t(beatCount) && b < sequences[s]->size(); ++b)
            list[b] = beatName((*sequences[s])[b]);
        if (ranked[s].size() < size_t(chordCount))
            ranked[s].resize(size_t(chordCount));
        std::vector<int> indices(chordCount, -1);
        getExistingChordsRanked(*sequences[s], ranked[s], typeCount, indices);
    }

    // 13. Vote shares as fractions of the frames of a beat.
    for (int b = 0; b < beatCount; ++b)
        voteShare[size_t(b)] /= float(F);
}
