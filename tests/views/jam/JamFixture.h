// Fixtures of the jam views: an analysis model with a regular beat grid,
// and a riff's steps written as one line for table rows.
#pragma once

#include "MetaData.h"
#include "RiffModel.h"

#include <QRect>
#include <QStringList>

#include <ostream>
#include <string>

namespace jam_test {

// Beat b at firstBeat + b × spacing samples; valid at once (GUI thread).
inline void fillBeats(MetaData& model, int count, float firstBeat = 10000.0f, float spacing = 20000.0f)
{
    AnalysisResult result;
    result.bpm = 120.0f;
    for (int b = 0; b < count; ++b)
        result.beats.append(firstBeat + spacing * float(b));
    for (int b = 0; b + 1 < count; ++b)
        result.chordVec.append(QStringLiteral("C"));
    result.chordVecDetected.append(QStringLiteral("C"));
    result.beatLengthPercent = int(spacing / 100.0f);
    model.handOver(result);
}

// "step:state@beat" for every step in use (stored beat), then the counts:
// "0:2@5 1:1@6 | max 1 loop 1 armed 1".
inline std::string describe(const RiffModel& riff)
{
    QStringList parts;
    for (int i = 0; i < RiffModel::stepCount; ++i) {
        const RiffModel::Step s = riff.step(i);
        if (s.state != RiffModel::Unused)
            parts << QStringLiteral("%1:%2@%3").arg(i).arg(s.state).arg(s.beat);
    }
    parts << QStringLiteral("| max %1 loop %2 armed %3")
                 .arg(riff.maxLoopLength())
                 .arg(riff.loopLength())
                 .arg(riff.armedStep());
    return parts.join(QLatin1Char(' ')).toStdString();
}

} // namespace jam_test

// Readable rectangles in failure messages.
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
