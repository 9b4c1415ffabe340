#include "StripGeometry.h"

#include "ChordNames.h"

#include <cmath>

namespace chordstrip {

namespace {

int limited(int pixel)
{
    return pixel < -pixelLimit ? -pixelLimit : pixel > pixelLimit ? pixelLimit : pixel;
}

} // namespace

QVector<Run> chordRuns(const QVector<QString>& chords)
{
    QVector<Run> runs;
    int i = 0;
    while (i < chords.size()) {
        int r = 1;
        while (i + r < chords.size() && chords.at(i + r) == chords.at(i))
            ++r;
        runs.append({i, r});
        i += r;
    }
    return runs;
}

PixelScale::PixelScale(int frames, int width, int offsetFrames) : scale(frames, width), offset(offsetFrames) { }

int PixelScale::x(double sample) const
{
    return limited(scale.roundedPixelOf(float(sample + offset)));
}

int PixelScale::width(double from, double to) const
{
    const double end = double(scale.pixelOf(float(to + offset)));
    return limited(saturatingInt(std::floor(end - x(from) + 0.5)));
}

std::optional<Span> tagSpan(const QVector<float>& beats, int firstBeat, int beatCount, int frames, int stripWidth,
                            int offset)
{
    const PixelScale scale(frames, stripWidth, offset);
    if (!scale.isValid() || firstBeat < 0 || firstBeat >= beats.size() || beatCount < 1)
        return std::nullopt;
    const double from = beats.at(firstBeat);
    const int end = firstBeat + beatCount;
    // The recording's end: the pixel the frame count itself falls on.
    const double to = end < beats.size() ? double(beats.at(end)) : double(frames) - offset;
    return Span{scale.x(from), scale.width(from, to)};
}

int beatUnder(const QVector<float>& beats, const PixelScale& scale, int x)
{
    if (!scale.isValid())
        return -1;
    for (int b = 0; b + 1 < beats.size(); ++b) {
        if (scale.x(beats.at(b)) < x && x < scale.x(beats.at(b + 1)))
            return b;
    }
    return -1;
}

std::optional<Snap> snapToBeat(const QVector<float>& beats, const PixelScale& scale, int x)
{
    if (!scale.isValid())
        return std::nullopt;
    for (int b = 0; b + 1 < beats.size(); ++b) {
        const int a = scale.x(beats.at(b));
        const int c = scale.x(beats.at(b + 1));
        const int half = (c - a) / 2;
        if (a + half < x && x < c + half)
            return Snap{b + 1, a + 2 * half};
    }
    return std::nullopt;
}

BeatShape beatShape(const QVector<QString>& chords, int beat, int startBeat, int endBeat)
{
    if (beat == 0)
        return BeatShape::First;
    if (beat < 0 || beat >= chords.size())
        return BeatShape::Inner;
    if (beat == chords.size() - 1)
        return BeatShape::Last;
    // 0 < beat < size − 1 here: both neighbours exist.
    const bool starts = chords.at(beat) != chords.at(beat - 1);
    const bool ends = chords.at(beat) != chords.at(beat + 1);
    if (starts && !ends && beat == startBeat)
        return BeatShape::RunStart;
    if (ends && !starts && beat == endBeat - 1)
        return BeatShape::RunEnd;
    if (starts && ends && endBeat - startBeat == 1)
        return BeatShape::SingleBeatRun;
    return BeatShape::Inner;
}

ChordParts splitChordName(const QString& name)
{
    static const char* const tokens[] = {"m", "in", "aj", "7", "sus", "2", "4"};
    ChordParts parts;
    for (const char* token : tokens) {
        if (name.contains(QLatin1String(token)))
            parts.suffix += QLatin1String(token);
    }
    parts.root = name;
    if (!parts.suffix.isEmpty())
        parts.root.remove(parts.suffix);
    return parts;
}

QString rootName(int index)
{
    if (index < 0 || index >= chordnames::rootCount)
        return QStringLiteral("-");
    return QString::fromLatin1(chordnames::rootNames[index]);
}

} // namespace chordstrip
