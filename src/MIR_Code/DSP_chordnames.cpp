// The 84-chord vocabulary: records from root and type, names of template
// matches, parsing of names in either spelling, and the ranking of the chords
// of a sequence.
#include "DSP.h"

#include <cctype>

namespace {

// One spelling per root: sharps, except root 10.
const char* const rootSpellings[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
const char* const typeSuffixes[7] = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};

bool beginsWith(const std::string& s, const char* prefix)
{
    return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

} // namespace

chord DSP::getChordfromRootandType(int root, int type)
{
    if (root < 0 || root > 11)
        return noneChord();
    const std::string suffix = (type >= 0 && type <= 6) ? typeSuffixes[type] : "";
    return chord{suffix, rootSpellings[root] + suffix, root, 0, type};
}

chord DSP::getChordName(int noteCount, int templateIndex)
{
    struct Group
    {
        const char* suffix;
        int type;
    };
    static const Group triads[5] = {{"", 0}, {"m", 1}, {"sus2", 2}, {"sus4", 3}, {"dim", -1}};
    static const Group fourNotes[5] = {{"7", 4}, {"maj7", 5}, {"m7", 6}, {"7sus4", -1}, {"add9", -1}};

    if ((noteCount != 3 && noteCount != 4) || templateIndex < 0 || templateIndex >= 60)
        return noneChord();
    const Group* groups = noteCount == 3 ? triads : fourNotes;
    const Group& group = groups[templateIndex / 12];
    const int root = templateIndex % 12;
    return chord{group.suffix, std::string(rootSpellings[root]) + group.suffix, root, 0, group.type};
}

void DSP::getRootType(std::string name, int& root, int& type)
{
    for (char& c : name)
        c = char(std::toupper(static_cast<unsigned char>(c)));

    // Root: two leading characters decide between the natural note and its
    // sharp or flat neighbour.
    size_t taken = 0;
    if (name.size() >= 2) {
        const char first = name[0];
        const char second = name[1];
        const bool sharp = second == '#';
        const bool flat = second == 'B';
        switch (first) {
        case 'C':
            root = sharp ? 1 : 0;
            taken = sharp ? 2 : 1;
            break;
        case 'D':
            root = sharp ? 3 : flat ? 1 : 2;
            taken = (sharp || flat) ? 2 : 1;
            break;
        case 'E':
            root = flat ? 3 : 4;
            taken = flat ? 2 : 1;
            break;
        case 'F':
            root = sharp ? 6 : 5;
            taken = sharp ? 2 : 1;
            break;
        case 'G':
            root = sharp ? 8 : flat ? 6 : 7;
            taken = (sharp || flat) ? 2 : 1;
            break;
        case 'A':
            root = sharp ? 10 : flat ? 8 : 9;
            taken = (sharp || flat) ? 2 : 1;
            break;
        case 'B':
            root = flat ? 10 : 11;
            taken = flat ? 2 : 1;
            break;
        default:
            break;
        }
    } else if (name.size() == 1) {
        static const char naturals[] = "CDEFGAB";
        static const int naturalRoots[] = {0, 2, 4, 5, 7, 9, 11};
        for (int i = 0; i < 7; ++i) {
            if (name[0] == naturals[i]) {
                root = naturalRoots[i];
                taken = 1;
            }
        }
    }
    const std::string rest = taken > 0 ? name.substr(taken) : std::string();

    // Type: "M" alone (or "MIN") is minor, so MAJ7 and M7 are tested first.
    if (rest.empty())
        type = 0;
    else if (beginsWith(rest, "M") && !beginsWith(rest, "MAJ7") && !beginsWith(rest, "M7"))
        type = 1;
    else if (beginsWith(rest, "SUS2"))
        type = 2;
    else if (beginsWith(rest, "SUS4"))
        type = 3;
    else if (beginsWith(rest, "7"))
        type = 4;
    else if (beginsWith(rest, "MAJ7"))
        type = 5;
    else if (beginsWith(rest, "M7"))
        type = 6;
}

void DSP::getExistingChordsRanked(const std::vector<chord>& chords, std::vector<std::string>& names, int typeCount,
                                  std::vector<int>& indices)
{
    if (typeCount <= 0)
        return;
    const size_t slots = size_t(typeCount) * 12;
    std::vector<int> counts(slots, 0);
    for (const chord& c : chords) {
        if (c.root < 0 || c.root > 11 || c.type < 0)
            continue;
        const size_t index = size_t(c.root + 12 * c.type);
        // Matches outside the vocabulary have no counter.
        if (index < slots)
            ++counts[index];
    }

    std::vector<int> sorted;
    std::vector<size_t> order;
    sortWithIndices(counts, sorted, order);

    const size_t writable = std::min({slots, names.size(), indices.size()});
    for (size_t k = 0; k < writable; ++k) {
        const size_t i = slots - 1 - k;
        if (sorted[i] == 0)
            break;
        const int index = int(order[i]);
        names[k] = getChordfromRootandType(index % 12, index / 12).name;
        indices[k] = index;
    }
}
