#include "AnalysisCache.h"

#include "AnalysisLog.h"
#include "SimpleCrypt.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>

#include <algorithm>
#include <cstdlib>

namespace AnalysisCache {

namespace {

const QByteArray beatsLabel = QByteArrayLiteral("beats");
const QByteArray fileNameLabel = QByteArrayLiteral("fileName: ");
const QByteArray framesLabel = QByteArrayLiteral("frames");
const QByteArray rateLabel = QByteArrayLiteral("rate");
const QByteArray sizeStartText = '\r' + framesLabel + ' ';
constexpr int labelCount = 4;
// How far decoders may disagree on a recording's length: an MP3's encoder
// delay and padding, two MP3 frames at most.
constexpr qint64 lengthSlackFrames = 2 * 1152;
// The longest beat a tempo has (30 BPM).
constexpr double longestBeatSeconds = 2.0;
// The longest first line looked at: the scrambled form of the longest text
// the cipher restores (version, flags, random byte, a digest, the text; as
// base64), and a line feed. A longer line is no cache, and is not read
// whole into memory.
constexpr qint64 maxLineBytes = 4 * ((qint64(SimpleCrypt::maxPlainBytes) + 23 + 2) / 3) + 1;

// The analysis thread (end of a run) and the GUI thread (chord edit, start-up
// conversion) both write caches; neither is the playback thread.
QMutex writeMutex;

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QMutexLocker lock(&writeMutex);
    const QString dir = QFileInfo(path).absolutePath();
    QSaveFile file(path);
    if (!QDir().mkpath(dir) || !file.open(QIODevice::WriteOnly)) {
        qCWarning(lcAnalysis).noquote()
            << QStringLiteral("Cannot write the analysis cache %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcAnalysis).noquote()
            << QStringLiteral("Cannot write the analysis cache %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool complete(const AnalysisResult& result)
{
    return result.beats.size() >= 2 && result.beats.size() == result.chordVec.size() + 1;
}

void reportInvalid(const QString& path, const char* reason)
{
    qCWarning(lcAnalysis).noquote() << QStringLiteral("Analysis cache %1 is not usable (%2); analysing again.")
                                           .arg(path, QLatin1String(reason));
}

// The bytes up to and including the first line feed, or the whole file when
// it has none. False when that is longer than maxLineBytes.
bool readFirstLine(QFile& file, QByteArray& line)
{
    // In pieces: readLine(max) allocates its whole maximum up front.
    line.clear();
    while (true) {
        const QByteArray piece = file.readLine(1 << 16);
        if (piece.isEmpty())
            return true;
        line += piece;
        if (line.endsWith('\n'))
            return true;
        if (line.size() > maxLineBytes)
            return false;
    }
}

// What a first line holds. The reader and the start-up conversion both
// decide by this, on the line's bytes (a NUL or a byte that is no UTF-8
// included), so that a converted file reads exactly as it did before.
struct LineContent
{
    QByteArray plain; // the restored text, or the line itself
    bool scrambled = false;
    int cipherError = SimpleCrypt::ErrorNoError;
};

LineContent lineContent(const QByteArray& line)
{
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    const QByteArray cypher = QByteArray::fromBase64(line);
    const QByteArray restored = crypt.decryptToByteArray(cypher);
    // Fewer than three bytes are no scrambled text, whatever the cipher's
    // error code says; the line itself is then as good (as bad) a cache.
    if (cypher.size() >= 3 && crypt.lastError() == SimpleCrypt::ErrorNoError)
        return {restored, true, SimpleCrypt::ErrorNoError};
    return {line, false, crypt.lastError()};
}

bool allDigits(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "frames N rate R" (after its "\r") into lists[5]; false for anything else.
bool parseSize(const QByteArray& record, QVector<QString>& size)
{
    const QList<QByteArray> words = record.split(' ');
    if (words.size() != 4 || words.at(0) != framesLabel || words.at(2) != rateLabel || !allDigits(words.at(1))
        || !allDigits(words.at(3)) || words.at(3).size() > 9)
        return false;
    size = {QString::fromLatin1(words.at(1)), QString::fromLatin1(words.at(3))};
    return true;
}

} // namespace

QString folder(const QString& saveLocation)
{
    return saveLocation + QStringLiteral("/metadata");
}

QString filePath(const QString& cacheFolder, const QString& audioPath)
{
    // completeBaseName looks at the file name only: the folders above may
    // hold dots (~/.local).
    return cacheFolder + QLatin1Char('/') + QFileInfo(audioPath).completeBaseName() + QStringLiteral(".tbm");
}

QString ownFilePath(const QString& cacheFolder, const QString& audioPath)
{
    const QByteArray digest =
        QCryptographicHash::hash(QFile::encodeName(audioPath), QCryptographicHash::Sha1).toHex().left(8);
    return cacheFolder + QLatin1Char('/') + QFileInfo(audioPath).completeBaseName() + QLatin1Char('-')
        + QString::fromLatin1(digest) + QStringLiteral(".tbm");
}

QByteArray plainText(const QString& audioPath, const AnalysisResult& result, const RecordingSize& size)
{
    // The name's own bytes: one that is no UTF-8 would not come back.
    QByteArray head = fileNameLabel + QFile::encodeName(audioPath);
    if (size.known())
        head += sizeStartText + QByteArray::number(size.frames) + ' ' + rateLabel + ' '
            + QByteArray::number(size.sampleRateHz);

    const QLatin1Char space(' ');
    QString text = QStringLiteral("\rbeats: ");
    for (float beat : result.beats)
        text += QString::number(beat, 'g', 6) + space;
    text += QStringLiteral("\rchordVec1: ");
    for (const QString& chord : result.chordVec) {
        if (chord != QLatin1String(" "))
            text += chord + space;
    }
    text += QStringLiteral("\rchordVecDetected1: ");
    for (const QString& chord : result.chordVecDetected) {
        if (chord != QLatin1String(" ") && chord != QLatin1String("-"))
            text += chord + space;
    }
    text += QStringLiteral("\rtempo: ") + QString::number(result.bpm, 'g', 6);
    return head + text.toUtf8();
}

WriteStatus write(const QString& cachePath, const QString& audioPath, const AnalysisResult& result,
                  const RecordingSize& size)
{
    if (audioPath.contains(QLatin1String(".cda")))
        return WriteStatus::SkippedCdTrack;
    // It would read back as no cache, and it would replace a good one.
    if (!complete(result)) {
        qCWarning(lcAnalysis).noquote()
            << QStringLiteral("Not writing the analysis cache %1: no complete result.").arg(cachePath);
        return WriteStatus::Refused;
    }
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    const QString scrambled = crypt.encryptToString(plainText(audioPath, result, size));
    return replaceFile(cachePath, scrambled.toUtf8()) ? WriteStatus::Written : WriteStatus::Failed;
}

bool parse(const QByteArray& plainLine, Lists& lists)
{
    for (auto& list : lists)
        list.clear();

    int beatsColon = plainLine.size();
    for (int found = 0; found < labelCount; ++found) {
        if (beatsColon == 0)
            return false;
        beatsColon = plainLine.lastIndexOf(':', beatsColon - 1);
        if (beatsColon < 0)
            return false;
    }
    const int labelStart = beatsColon - beatsLabel.size();
    if (labelStart < 0 || plainLine.mid(labelStart, beatsLabel.size()) != beatsLabel)
        return false;

    QByteArray fileName = plainLine.left(labelStart);
    if (fileName.endsWith('\r'))
        fileName.chop(1);
    QVector<QString> size;
    const int sizeStart = fileName.lastIndexOf(sizeStartText);
    if (sizeStart >= 0 && parseSize(fileName.mid(sizeStart + 1), size))
        fileName.truncate(sizeStart);
    if (fileName.startsWith(fileNameLabel))
        fileName.remove(0, fileNameLabel.size());

    const QList<QByteArray> tokens = plainLine.mid(beatsColon).split(' ');
    QVector<int> labels;
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens.at(i).contains(':')) {
            if (!tokens.at(i).endsWith(':'))
                return false;
            labels.append(i);
        }
    }
    // Two colons in one token leave fewer labels; the tempo must follow.
    if (labels.size() != labelCount || labels.last() >= tokens.size() - 1)
        return false;

    auto collect = [&tokens](int from, int to, QVector<QString>& list) {
        for (int i = from; i < to; ++i)
            list.append(QString::fromUtf8(tokens.at(i)));
    };
    collect(1, labels.at(1), lists[0]);
    collect(labels.at(1) + 1, labels.at(2), lists[1]);
    collect(labels.at(2) + 1, labels.at(3), lists[2]);
    lists[3].append(QString::fromUtf8(tokens.last()));
    lists[4].append(QFile::decodeName(fileName));
    lists[5] = size;
    return true;
}

ReadStatus read(const QString& cachePath, Lists& lists, QString* owner)
{
    for (auto& list : lists)
        list.clear();
    if (owner != nullptr)
        *owner = QString();

    QFile file(cachePath);
    if (!file.exists())
        return ReadStatus::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        reportInvalid(cachePath, "cannot be opened");
        return ReadStatus::Invalid;
    }
    QByteArray line;
    if (!readFirstLine(file, line)) {
        reportInvalid(cachePath, "too large");
        return ReadStatus::Invalid;
    }

    // A line the cipher rejects may be a plain-text cache.
    const LineContent content = lineContent(line);
    if (!parse(content.plain, lists)) {
        if (line.trimmed().isEmpty())
            reportInvalid(cachePath, "empty");
        else if (content.cipherError == SimpleCrypt::ErrorIntegrityFailed)
            reportInvalid(cachePath, "damaged");
        else
            reportInvalid(cachePath, "not an analysis cache");
        return ReadStatus::Invalid;
    }
    if (owner != nullptr)
        *owner = lists[4].first();
    if (!MetaData::resultFromLists(lists.data())) {
        reportInvalid(cachePath, "fewer than two beats, no chord or a value that is no number");
        for (auto& list : lists)
            list.clear();
        return ReadStatus::Invalid;
    }
    return ReadStatus::Ok;
}

bool fits(const Lists& lists, const RecordingSize& size, QString* why)
{
    auto refuse = [why](const QString& reason) {
        if (why != nullptr)
            *why = reason;
        return false;
    };
    if (!size.known())
        return true;
    if (lists[5].size() == 2) {
        const qint64 frames = lists[5].at(0).toLongLong();
        const int rateHz = lists[5].at(1).toInt();
        if (rateHz != size.sampleRateHz)
            return refuse(
                QStringLiteral("analysed at %1 Hz, the recording has %2 Hz").arg(rateHz).arg(size.sampleRateHz));
        if (std::llabs(frames - size.frames) > lengthSlackFrames)
            return refuse(
                QStringLiteral("analysed with %1 frames, the recording has %2").arg(frames).arg(size.frames));
    }
    // Caches without a size still tell a shorter recording by their beats.
    const auto result = MetaData::resultFromLists(lists.data());
    if (!result)
        return refuse(QStringLiteral("no usable model"));
    const QVector<float>& beats = result->beats;
    // The last beats may lie up to about a beat past the end: the tracker's
    // frames overhang it, the beat-offset knob moves them by half a beat.
    const double beat = std::clamp(double(beats.last() - beats.first()) / double(beats.size() - 1), 0.0,
                                   longestBeatSeconds * size.sampleRateHz);
    const double end = double(size.frames) + beat + double(lengthSlackFrames);
    for (int i = 0; i < beats.size(); ++i) {
        // The last one closes the last chord: one beat later still.
        if (double(beats.at(i)) > (i + 1 < beats.size() ? end : end + beat))
            return refuse(QStringLiteral("a beat at frame %1 lies after the recording's end at %2")
                              .arg(double(beats.at(i)), 0, 'f', 0)
                              .arg(size.frames));
    }
    return true;
}

int encryptPlainFiles(const QString& cacheFolder)
{
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    int converted = 0;
    const QFileInfoList entries = QDir(cacheFolder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (!entry.fileName().contains(QLatin1String(".tbm")))
            continue;
        QByteArray line;
        {
            QFile file(entry.filePath());
            if (!file.open(QIODevice::ReadOnly) || !readFirstLine(file, line))
                continue;
        }
        // Only what the reader takes as plain text, and only when the
        // cipher can give it back whole.
        if (!line.contains("fileName") || line.size() > SimpleCrypt::maxPlainBytes || lineContent(line).scrambled)
            continue;
        // The line as it stands, a trailing line feed included: the reader
        // copes with it.
        const QString scrambled = crypt.encryptToString(line);
        if (crypt.lastError() == SimpleCrypt::ErrorNoError && replaceFile(entry.filePath(), scrambled.toUtf8()))
            ++converted;
    }
    return converted;
}

} // namespace AnalysisCache
