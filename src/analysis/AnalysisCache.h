// The analysis cache: one file per recording in the "metadata" folder below
// the save location, so that a recording opened again skips its analysis.
//
// Plain text, five records joined by "\r" (no line feed):
//   "fileName: " path | "beats: " n n n  | "chordVec1: " c c  |
//   "chordVecDetected1: " c c  (empty entries as bare spaces) | "tempo: " t
// numbers as QString::number(v, 'g', 6). The path is the file name's own
// bytes (UTF-8 but for names that are none). A sixth record may follow the
// path: "frames " n " rate " hz, the decoded length and sample rate, so a
// recording replaced at the same path is told from the one analysed;
// caches written before it have none. It holds no colon and no "b":
// readers that skip everything before the beats label skip it too. Stored
// scrambled (SimpleCrypt) as one base64 line; a file may also hold the
// plain text itself.
#pragma once

#include "MetaData.h"

#include <QString>
#include <QVector>

#include <array>

namespace AnalysisCache {

// saveLocation + "/metadata".
QString folder(const QString& saveLocation);

// The longest file name, in bytes, the file systems the folder may lie on
// take.
constexpr int maxFileNameBytes = 255;

// The first cache file a recording may have: the file name up to its last
// "." plus ".tbm" (a name without a dot gets ".tbm" appended). Recordings
// with the same name elsewhere, or with another extension, name the same
// file; the first one analysed keeps it. Null when that name would be
// longer than maxFileNameBytes: such a recording has only the names below.
QString filePath(const QString& cacheFolder, const QString& audioPath);

// The file of a recording whose first name is taken by another one: the
// same name plus "-" and the first hexDigits hex digits of the SHA-1 of the
// full path's bytes. A name too long for that is cut short (between two
// characters) so that the file name stays within maxFileNameBytes; the
// digits tell such names apart. 8 digits make the usual name; all 40 the
// name of a recording whose 8 digits another one already has.
constexpr int shortHashDigits = 8;
constexpr int fullHashDigits = 40;
QString ownFilePath(const QString& cacheFolder, const QString& audioPath, int hexDigits = shortHashDigits);

// What a cache records of the recording itself; 0 where not known.
struct RecordingSize
{
    qint64 frames = 0;
    int sampleRateHz = 0;
    bool known() const { return frames > 0 && sampleRateHz > 0; }
};

// The plain text of a result, before scrambling; the size record only
// when the size is known.
QByteArray plainText(const QString& audioPath, const AnalysisResult& result, const RecordingSize& size = {});

enum class WriteStatus {
    Written,
    SkippedCdTrack, // CD tracks get no cache
    Refused,        // the result is no complete model; the old file stays
    Failed,         // reported on stderr; the old file stays
};

// Writes the cache of a recording (saveTBM). Any thread: writers are
// serialised, and the file is replaced whole or not at all. Creates the
// folder when it is missing.
WriteStatus write(const QString& cachePath, const QString& audioPath, const AnalysisResult& result,
                  const RecordingSize& size = {});

// What the reader hands to MetaData::setMetaDataFromFile(lists.data()):
// [0] beat texts, [1] one chord per beat, [2] ranked chords (may hold empty
// entries), [3] the tempo text, [4] the stored file name (decoded as
// QFile::decodeName does), [5] the stored frame count and sample rate
// texts, or empty for a cache written without them.
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
// guarantees that setMetaDataFromFile accepts the lists. owner (may be
// null) receives the stored path whenever the line parses, a cache with
// no usable model included; else a null string. GUI thread.
ReadStatus read(const QString& cachePath, Lists& lists, QString* owner = nullptr);

// What a cache says of its recording, read without its model (for looking
// through many caches): the stored path, decoded as QFile::decodeName
// does, and the stored size (0 for a cache written without it). A glance:
// mostly from the first bytes of the file, without the checksum, and taken
// up to the first "\rbeats: " (a path holding that reads short), so
// confirm by read(). False when the file holds no cache.
struct Owner
{
    QString audioPath;
    RecordingSize size;
};
bool readOwner(const QString& cachePath, Owner& owner);

// Hands a cache over to a recording that now lies at another path: the
// file at to gets from's content with audioPath as its stored path, the
// size and the model byte for byte as they were (corrections kept), and is
// replaced whole or not at all; then from is removed when it is another
// file. Failed (reported on stderr) when from holds no cache or to cannot
// be written: from then stays as it was. GUI thread.
WriteStatus moveTo(const QString& from, const QString& to, const QString& audioPath);

// Whether lists read from a cache can belong to a recording of this size:
// a stored size that differs (by more than decoders disagree on an MP3's
// length), or a beat that starts a chord after the recording's end, says
// the file at that path was replaced since its analysis. why (may be null)
// receives the reason. True when the size is not known.
bool fits(const Lists& lists, const RecordingSize& size, QString* why = nullptr);

// Scrambles in place every cache in the folder still stored as plain text
// (the reader takes its first line as plain, and it contains "fileName");
// others stay untouched. A converted file reads as it did before: same
// status, same lists. Returns how many files were converted. Run once at
// start-up.
int encryptPlainFiles(const QString& cacheFolder);

} // namespace AnalysisCache
