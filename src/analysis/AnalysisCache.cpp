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

// How much of a cache readOwner looks at first: base64 of a head with a
// path of a few hundred bytes, compressed or not, and what it restores to.
constexpr int glanceBytes = 2048;
// Where the head ends in the first bytes of a text, unless the path itself
// holds it.
const QByteArray glanceEnd = QByteArrayLiteral("\rbeats: ");

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

// Where the beats label starts in a plain line, whose four labels are its
// last four colons (a path may hold colons, blanks or the word "beats";
// nothing after the beats label does); -1 when the line has no such
// labels. beatsColon receives the beats label's colon.
int beatsLabelStart(const QByteArray& plainLine, int& beatsColon)
{
    beatsColon = plainLine.size();
    for (int found = 0; found < labelCount; ++found) {
        if (beatsColon == 0)
            return -1;
        beatsColon = plainLine.lastIndexOf(':', beatsColon - 1);
        if (beatsColon < 0)
            return -1;
    }
    const int labelStart = beatsColon - beatsLabel.size();
    if (labelStart < 0 || plainLine.mid(labelStart, beatsLabel.size()) != beatsLabel)
        return -1;
    return labelStart;
}

// The records before the beats label: the stored path's bytes and, when
// the cache has them, the size texts.
struct Head
{
    QByteArray fileName;
    QVector<QString> size;
};

Head headOf(const QByteArray& plainLine, int labelStart)
{
    Head head;
    head.fileName = plainLine.left(labelStart);
    if (head.fileName.endsWith('\r'))
        head.fileName.chop(1);
    const int sizeStart = head.fileName.lastIndexOf(sizeStartText);
    if (sizeStart >= 0 && parseSize(head.fileName.mid(sizeStart + 1), head.size))
        head.fileName.truncate(sizeStart);
    if (head.fileName.startsWith(fileNameLabel))
        head.fileName.remove(0, fileNameLabel.size());
    return head;
}

// The records before the beats label as the writer makes them, without
// the "\r" that ends them.
QByteArray headText(const QString& audioPath, const RecordingSize& size)
{
    // The name's own bytes: one that is no UTF-8 would not come back.
    QByteArray head = fileNameLabel + QFile::encodeName(audioPath);
    if (size.known())
        head += sizeStartText + QByteArray::number(size.frames) + ' ' + rateLabel + ' '
            + QByteArray::number(size.sampleRateHz);
    return head;
}

RecordingSize sizeOf(const QVector<QString>& texts)
{
    if (texts.size() != 2)
        return {};
    return {texts.at(0).toLongLong(), texts.at(1).toInt()};
}

enum class LineStatus { Ok, Missing, CannotOpen, TooLarge };

// A cache file's first line and what it holds (see read()).
LineStatus readLine(const QString& cachePath, QByteArray& line, LineContent& content)
{
    QFile file(cachePath);
    if (!file.exists())
        return LineStatus::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return LineStatus::CannotOpen;
    if (!readFirstLine(file, line))
        return LineStatus::TooLarge;
    content = lineContent(line);
    return LineStatus::Ok;
}

// The base of a hashed name in at most maxBytes bytes, cut between two
// characters: a pair of surrogates (a character beyond U+FFFF) stays
// whole; every other unit, the file-name codec's escapes of bytes that are
// no UTF-8 included, is one character.
QString baseWithin(const QString& base, int maxBytes)
{
    int length = base.size();
    while (length > 0 && QFile::encodeName(base.left(length)).size() > maxBytes) {
        --length;
        if (length > 0 && base.at(length - 1).isHighSurrogate())
            --length;
    }
    return base.left(length);
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
    const QString name = QFileInfo(audioPath).completeBaseName() + QStringLiteral(".tbm");
    if (QFile::encodeName(name).size() > maxFileNameBytes)
        return QString();
    return cacheFolder + QLatin1Char('/') + name;
}

QString ownFilePath(const QString& cacheFolder, const QString& audioPath, int hexDigits)
{
    const QString suffix = QLatin1Char('-')
        + QString::fromLatin1(QCryptographicHash::hash(QFile::encodeName(audioPath), QCryptographicHash::Sha1)
                                  .toHex()
                                  .left(hexDigits))
        + QStringLiteral(".tbm");
    const QString base =
        baseWithin(QFileInfo(audioPath).completeBaseName(), maxFileNameBytes - int(suffix.size()));
    return cacheFolder + QLatin1Char('/') + base + suffix;
}

QByteArray plainText(const QString& audioPath, const AnalysisResult& result, const RecordingSize& size)
{
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
    return headText(audioPath, size) + text.toUtf8();
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

    int beatsColon = 0;
    const int labelStart = beatsLabelStart(plainLine, beatsColon);
    if (labelStart < 0)
        return false;
    const Head head = headOf(plainLine, labelStart);

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
    lists[4].append(QFile::decodeName(head.fileName));
    lists[5] = head.size;
    return true;
}

ReadStatus read(const QString& cachePath, Lists& lists, QString* owner)
{
    for (auto& list : lists)
        list.clear();
    if (owner != nullptr)
        *owner = QString();

    QByteArray line;
    LineContent content;
    switch (readLine(cachePath, line, content)) {
    case LineStatus::Missing:
        return ReadStatus::Missing;
    case LineStatus::CannotOpen:
        reportInvalid(cachePath, "cannot be opened");
        return ReadStatus::Invalid;
    case LineStatus::TooLarge:
        reportInvalid(cachePath, "too large");
        return ReadStatus::Invalid;
    case LineStatus::Ok:
        break;
    }

    // A line the cipher rejects may be a plain-text cache.
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

bool readOwner(const QString& cachePath, Owner& owner)
{
    owner = Owner();
    QFile file(cachePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A glance at the start of the text is enough for nearly every cache.
    const QByteArray start = file.read(glanceBytes);
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    QByteArray plain = crypt.decryptStart(QByteArray::fromBase64(start), glanceBytes);
    if (plain.isEmpty())
        plain = start.left(start.indexOf('\n')); // a plain-text cache
    int labelStart = plain.indexOf(glanceEnd);
    if (labelStart >= 0) {
        ++labelStart;
    } else {
        // The head reaches past the glance (a very long path), or this is
        // no cache: the whole line decides.
        QByteArray line;
        if (!file.seek(0) || !readFirstLine(file, line))
            return false;
        plain = lineContent(line).plain;
        int beatsColon = 0;
        labelStart = beatsLabelStart(plain, beatsColon);
        if (labelStart < 0)
            return false;
    }
    const Head head = headOf(plain, labelStart);
    owner.audioPath = QFile::decodeName(head.fileName);
    owner.size = sizeOf(head.size);
    return true;
}

WriteStatus moveTo(const QString& from, const QString& to, const QString& audioPath)
{
    QByteArray line;
    LineContent content;
    int beatsColon = 0;
    const int labelStart =
        readLine(from, line, content) == LineStatus::Ok ? beatsLabelStart(content.plain, beatsColon) : -1;
    if (labelStart < 0) {
        qCWarning(lcAnalysis).noquote()
            << QStringLiteral("Cannot move the analysis cache %1 to %2: it holds no cache.").arg(from, to);
        return WriteStatus::Failed;
    }
    const Head head = headOf(content.plain, labelStart);
    const QByteArray plain = headText(audioPath, sizeOf(head.size)) + '\r' + content.plain.mid(labelStart);
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    if (!replaceFile(to, crypt.encryptToString(plain).toUtf8()))
        return WriteStatus::Failed;
    if (QFileInfo(to) != QFileInfo(from) && !QFile::remove(from))
        qCWarning(lcAnalysis).noquote()
            << QStringLiteral("Analysis cache %1, now at %2, cannot be removed.").arg(from, to);
    return WriteStatus::Written;
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
