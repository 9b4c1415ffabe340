// The analysis cache: one file per recording in the "metadata" folder below
// the save location, so that a recording opened again skips its analysis.
//
// Plain text, five records joined by "\r" (no line feed):
//   "fileName: " path | "beats: " n n n  | "chordVec1: " c c  |
//   "chordVecDetected1: " c c  (empty entries as bare spaces) | "tempo: " t
// numbers as QString::number(v, 'g', 6). Stored scrambled (SimpleCrypt) as
// one base64 line; a file may also hold the plain text itself.
#pragma once

#include "MetaData.h"

#include <QString>
#include <QVector>

#include <array>

namespace AnalysisCache {

// saveLocation + "/metadata".
QString folder(const QString& saveLocation);

// The cache file of a recording: the file name up to its last "." plus
// ".tbm" (a name without a dot gets ".tbm" appended). Recordings with the
// same name in different folders share one file.
QString filePath(const QString& cacheFolder, const QString& audioPath);

// The plain text of a result, before scrambling.
QByteArray plainText(const QString& audioPath, const AnalysisResult& result);

enum class WriteStatus {
    Written,
    SkippedCdTrack, // CD tracks get no cache
    Refused,        // the result is no complete model; the old file stays
    Failed,         // reported on stderr; the old file stays
};

// Writes the cache of a recording (saveTBM). Any thread: writers are
// serialised, and the file is replaced whole or not at all. Creates the
// folder when it is missing.
WriteStatus write(const QString& cachePath, const QString& audioPath, const AnalysisResult& result);

// What the reader hands to MetaData::setMetaDataFromFile(lists.data()):
// [0] beat texts, [1] one chord per beat, [2] ranked chords (may hold empty
// entries), [3] the tempo text, [4] the stored file name, [5] empty.
using Lists = std::array<QVector<QString>, 6>;

// Splits one plain line into lists. False when the line is no cache: the
// four labels "beats:", "chordVec1:", "chordVecDetected1:", "tempo:" are the
// line's last four colons (a path may hold colons, blanks or the word
// "beats"; nothing after the beats label does) and a tempo follows them.
bool parse(const QByteArray& plainLine, Lists& lists);

enum class ReadStatus {
    Ok,
    Missing,
    // Empty, damaged, not a cache, or no usable model (fewer than two beats,
    // a beat that is no number): analyse again. Reported on stderr.
    Invalid,
};

// Reads and checks a cache file: its first line, restored by the cipher or,
// when the cipher rejects it, taken as the plain text itself. Ok
// guarantees that setMetaDataFromFile accepts the lists. GUI thread.
ReadStatus read(const QString& cachePath, Lists& lists);

// Scrambles in place every cache in the folder still stored as plain text
// (the reader takes its first line as plain, and it contains "fileName");
// others stay untouched. A converted file reads as it did before: same
// status, same lists. Returns how many files were converted. Run once at
// start-up.
int encryptPlainFiles(const QString& cacheFolder);

} // namespace AnalysisCache
