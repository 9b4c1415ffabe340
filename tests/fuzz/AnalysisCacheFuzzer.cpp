// The analysis cache reader over any first line, with the model load it
// feeds, the glance at its recording, the hand-over to another path and
// the start-up conversion: a file reads the same before and after it, and
// a cache read as usable loads into the model.
#include "AnalysisCache.h"
#include "FuzzSupport.h"
#include "MetaData.h"
#include "SimpleCrypt.h"

#include <QCoreApplication>
#include <QFile>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv); // the model is a QObject of this thread
    fuzz::quietLogs();
    return 0;
}

namespace {

// The text the reader parses: the first line, restored when it is
// scrambled.
QByteArray plainText(const std::uint8_t* data, size_t size)
{
    QByteArray line(reinterpret_cast<const char*>(data), int(size));
    const int feed = line.indexOf('\n');
    if (feed >= 0)
        line.truncate(feed + 1);
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    const QByteArray cypher = QByteArray::fromBase64(line);
    const QByteArray restored = crypt.decryptToByteArray(cypher);
    return cypher.size() >= 3 && crypt.lastError() == SimpleCrypt::ErrorNoError ? restored : line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString path = fuzz::writeInput("song.tbm", data, size);

    AnalysisCache::Lists before;
    const AnalysisCache::ReadStatus status = AnalysisCache::read(path, before);
    if (status == AnalysisCache::ReadStatus::Ok) {
        QString why;
        const bool fits = AnalysisCache::fits(before, {132300, 44100}, &why);
        fuzz::require(fits == why.isEmpty(), "a cache that does not fit says why");
        MetaData model;
        fuzz::require(model.setMetaDataFromFile(before.data()), "a cache read as usable loads");
        fuzz::require(model.metaDataValid, "a loaded model is valid");
    }

    // On a usable cache that names its beats label once, the glance at its
    // recording finds what the whole read finds. (Where the label's text
    // comes earlier too, it may read short: it is only a first filter.)
    const QByteArray plain = plainText(data, size);
    AnalysisCache::Owner glance;
    if (status == AnalysisCache::ReadStatus::Ok && plain.count("beats:") == 1 && plain.contains("\rbeats: ")) {
        fuzz::require(AnalysisCache::readOwner(path, glance), "the glance reads a usable cache");
        fuzz::require(glance.audioPath == before[4].value(0), "the glance finds the stored path");
        fuzz::require(glance.size.frames == before[5].value(0).toLongLong()
                          && glance.size.sampleRateHz == before[5].value(1).toInt(),
                      "the glance finds the stored size");
    } else {
        AnalysisCache::readOwner(path, glance);
    }

    // A cache handed over to another path reads the same but for the path.
    if (status == AnalysisCache::ReadStatus::Ok) {
        const QString moved = fuzz::folder().filePath(QStringLiteral("moved.tbm"));
        fuzz::require(AnalysisCache::moveTo(path, moved, QStringLiteral("/Music/b/take.mp3"))
                          == AnalysisCache::WriteStatus::Written,
                      "a usable cache can be handed over");
        AnalysisCache::Lists after;
        fuzz::require(AnalysisCache::read(moved, after) == status, "a handed-over cache reads as before");
        fuzz::require(after[4] == QVector<QString>{QStringLiteral("/Music/b/take.mp3")}, "under its new path");
        after[4] = before[4];
        fuzz::require(after == before, "with the same lists");
        QFile::remove(moved);
        fuzz::writeInput("song.tbm", data, size);
    }

    AnalysisCache::encryptPlainFiles(fuzz::folder().path());
    AnalysisCache::Lists after;
    fuzz::require(AnalysisCache::read(path, after) == status, "the same status after conversion");
    fuzz::require(after == before, "the same lists after conversion");
    return 0;
}
