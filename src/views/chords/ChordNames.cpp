#include "ChordNames.h"

#include <QHash>

#include <cmath>

namespace chordnames {

const char* const rootNames[rootCount] = {"A", "Bb", "B", "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab"};
const char* const typeSuffixes[typeCount] = {"", "m", "7", "sus4", "sus2", "maj7", "m7"};

namespace {

// Every spelling the views read, sharp and flat alike.
const char* const rootSpellings[rootCount][2] = {
    {"A", nullptr}, {"A#", "Bb"},   {"B", nullptr}, {"C", nullptr}, {"Db", "C#"},   {"D", nullptr},
    {"Eb", "D#"},   {"E", nullptr}, {"F", nullptr}, {"F#", "Gb"},   {"G", nullptr}, {"Ab", "G#"},
};

const QHash<QString, int>& nameTable()
{
    static const QHash<QString, int> table = [] {
        QHash<QString, int> names;
        for (int type = 0; type < typeCount; ++type)
            for (int root = 0; root < rootCount; ++root)
                for (const char* spelling : rootSpellings[root])
                    if (spelling)
                        names.insert(QString::fromLatin1(spelling) + typeSuffixes[type], 12 * type + root);
        return names;
    }();
    return table;
}

int modulo12(long long d)
{
    return int(((d % 12) + 12) % 12);
}

} // namespace

int tableIndex(const QString& name)
{
    return nameTable().value(name, -1);
}

QString chordName(int index)
{
    if (index < 0 || index >= chordCount)
        return QStringLiteral("-");
    return QString::fromLatin1(rootNames[index % 12]) + typeSuffixes[index / 12];
}

QString chordRoot(const QString& name)
{
    const bool twoCharacters = name.contains(QLatin1Char('b')) || name.contains(QLatin1Char('#'));
    return name.left(twoCharacters ? 2 : 1);
}

int foldRoot(int d)
{
    return modulo12(d);
}

float foldKeyShift(float keyShift)
{
    if (!std::isfinite(keyShift))
        return 0.0f;
    if (keyShift > 12.0f)
        return keyShift - 12.0f;
    if (keyShift < -12.0f)
        return keyShift + 12.0f;
    return keyShift;
}

int wholeShift(float keyShift, float capo)
{
    const double k = std::floor(double(keyShift) + 0.001 + 0.5);
    const double difference = k - double(capo);
    if (!std::isfinite(difference))
        return 0;
    // Far beyond any real key shift, but keeps the conversion defined.
    const int v = int(std::fmax(-1000.0, std::fmin(1000.0, difference)));
    if (v >= 13)
        return v - 12;
    if (v < -12)
        return v + 12;
    return v;
}

int shiftIndex(int index, int w)
{
    if (index < 0 || index >= chordCount)
        return -1;
    return 12 * (index / 12) + modulo12(static_cast<long long>(index % 12) + w);
}

int getChordIndex(const QString& chord, int shiftAmount, const Transposition& tab)
{
    const int index = tableIndex(chord);
    if (index < 0)
        return -1;
    const long long root = static_cast<long long>(index % 12) - 2LL * shiftAmount + tab.w();
    return 12 * (index / 12) + modulo12(root);
}

int getChordIndex(const QString& chord, const Transposition& tab)
{
    return getChordIndex(chord, 0, tab);
}

} // namespace chordnames
