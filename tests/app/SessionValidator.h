// Checks a session file against what the writer makes, at three levels:
//   Document   the file as a whole: UTF-8 without a byte-order mark, well
//              formed, shallow, the "TBXML" document type before the root
//              `tbxml`, no XML declaration or namespace, the writer's
//              layout (one space per level).
//   Structure  the elements as written: the root's twelve children and
//              each group's in order, six riffs with ids 0 … 5, sixteen
//              steps each and sixteen song steps with ids 0 … 15, one text
//              node per leaf, no attribute but those ids.
//   Values     the text forms (decimal, 0 or 1, six digits, the shortest
//              exact float of `exactBpm`), the controls' ranges, `exactBpm`
//              cut to whole BPM is `bpm`, `interp` within 1e-5 of
//              2^(semitone / 12), `zoomFactor` one of the eight levels
//              0.66^k, `playbackPos` and the steps' samples within the
//              recording.
// Errors are what the loader rejects, misreads or drops; warnings are what
// only the lenient loader takes (a missing element read as its default, an
// unknown one skipped, another order). The writer's files have neither.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace sessioncheck {

enum class Level { Document, Structure, Values };
enum class Severity { Error, Warning };

struct Finding
{
    Level level;
    Severity severity;
    QString where; // element path, e.g. "riffsTab/riff[2]/step[5]/interp"
    QString what;
};

struct Report
{
    QVector<Finding> findings;

    bool clean() const { return findings.isEmpty(); }
    bool has(Level level, Severity severity) const;
    // One finding per line, for test messages.
    QString toString() const;
};

struct Context
{
    // Frames of the recording the session belongs to; -1 when unknown
    // (positions are then only checked to be non-negative).
    int frameCount = -1;
};

Report validate(const QByteArray& bytes, const Context& context = {});

} // namespace sessioncheck
