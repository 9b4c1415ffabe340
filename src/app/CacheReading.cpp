#include "CacheReading.h"

#include "ShellLog.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace CacheReading {

namespace {

using AnalysisCache::ReadStatus;

void clear(AnalysisCache::Lists& lists)
{
    for (auto& list : lists)
        list.clear();
}

// Whether a stored path names the recording: the same text, or a path
// that resolves to it (written when it was opened through a link).
bool names(const QString& stored, const QString& recording)
{
    if (stored == recording)
        return true;
    const QString canonical = stored.isEmpty() ? QString() : QFileInfo(stored).canonicalFilePath();
    return !canonical.isEmpty() && canonical == recording;
}

// The path a recording is known by.
QString recordingPath(const QString& audioPath)
{
    const QString canonical = QFileInfo(audioPath).canonicalFilePath();
    return canonical.isEmpty() ? audioPath : canonical;
}

bool sameSize(const AnalysisCache::RecordingSize& a, const AnalysisCache::RecordingSize& b)
{
    return a.frames == b.frames && a.sampleRateHz == b.sampleRateHz;
}

// A cache of another name that may belong to the recording, read.
struct Candidate
{
    QString cachePath;
    QString owner;
    AnalysisCache::Lists lists;
    // 0: it stores a path that resolves to the recording; 1: its recording
    // is gone and had the same file name; 2: its recording is gone.
    int rank = 0;
    QDateTime written;
};

// The folder's usable caches that may belong to the recording, best first:
// those of exactly its length and rate that store a path resolving to it
// or one where nothing is any more. A cache whose recording still exists
// stays that recording's, even when it is a copy of this one.
std::vector<Candidate> candidates(const QString& folder, const QString& recording, const QString& audioPath,
                                  const AnalysisCache::RecordingSize& size)
{
    const QString fileNames[] = {QFileInfo(recording).fileName(), QFileInfo(audioPath).fileName()};
    std::vector<Candidate> found;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden);
    while (entries.hasNext()) {
        const QString cachePath = entries.next();
        if (!cachePath.endsWith(QLatin1String(".tbm")))
            continue;
        // A glance at the stored size rules out nearly every cache: the
        // same file decodes to the same length to the frame.
        AnalysisCache::Owner glance;
        if (!AnalysisCache::readOwner(cachePath, glance) || !sameSize(glance.size, size))
            continue;
        Candidate candidate{cachePath, QString(), {}, 0, entries.fileInfo().lastModified()};
        if (AnalysisCache::read(cachePath, candidate.lists, &candidate.owner) != ReadStatus::Ok
            || !sameSize(AnalysisCache::RecordingSize{candidate.lists[5].value(0).toLongLong(),
                                                      candidate.lists[5].value(1).toInt()},
                         size)
            || !AnalysisCache::fits(candidate.lists, size))
            continue;
        const QFileInfo stored(candidate.owner);
        if (candidate.owner.isEmpty() || stored.isRelative())
            continue;
        if (stored.exists()) {
            if (stored.canonicalFilePath() != recording)
                continue;
        } else {
            const bool sameName =
                std::find(std::begin(fileNames), std::end(fileNames), stored.fileName()) != std::end(fileNames);
            candidate.rank = sameName ? 1 : 2;
        }
        found.push_back(std::move(candidate));
    }
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.written > b.written;
    });
    return found;
}

// A usable cache found at cachePath, storing owner: one at another name
// than the recording's own goes to the first free own name, and one whose
// stored path is gone stores the recording's. Where it is afterwards.
QString settle(const QString& cachePath, const QString& owner, const QString& recording, const QStringList& own,
               const QString& firstFree)
{
    const QString target = own.contains(cachePath) || firstFree.isNull() ? cachePath : firstFree;
    if (target == cachePath && names(owner, recording))
        return cachePath;
    if (AnalysisCache::moveTo(cachePath, target, recording) != AnalysisCache::WriteStatus::Written)
        return cachePath;
    qCInfo(lcShell).noquote() << QStringLiteral("Analysis cache %1 of %2 now belongs to %3, as %4.")
                                     .arg(QFileInfo(cachePath).fileName(), owner, recording,
                                          QFileInfo(target).fileName());
    return target;
}

} // namespace

QString cachePathFor(const QString& saveLocation, const QString& audioPath)
{
    return AnalysisCache::filePath(AnalysisCache::folder(saveLocation), audioPath);
}

Found find(const QString& saveLocation, const QString& audioPath, const AnalysisCache::RecordingSize& size,
           AnalysisCache::Lists& lists)
{
    const QString folder = AnalysisCache::folder(saveLocation);
    const QString recording = recordingPath(audioPath);
    // Its own names, in the order a new cache takes them, then those of
    // the path as given.
    QStringList own;
    for (const QString& path :
         {AnalysisCache::filePath(folder, recording), AnalysisCache::ownFilePath(folder, recording),
          AnalysisCache::ownFilePath(folder, recording, AnalysisCache::fullHashDigits)}) {
        if (!path.isNull())
            own << path;
    }
    QStringList known = own;
    if (audioPath != recording) {
        for (const QString& path :
             {AnalysisCache::filePath(folder, audioPath), AnalysisCache::ownFilePath(folder, audioPath)}) {
            if (!path.isNull() && !known.contains(path))
                known << path;
        }
    }

    QString firstFree;
    for (const QString& path : known) {
        QString owner;
        const ReadStatus status = AnalysisCache::read(path, lists, &owner);
        if (names(owner, recording)) {
            QString why;
            if (status == ReadStatus::Ok && !AnalysisCache::fits(lists, size, &why)) {
                qCInfo(lcShell).noquote()
                    << QStringLiteral("Analysis cache %1 is older than %2 (%3); analysing again.")
                           .arg(path, recording, why);
                clear(lists);
                return {path, ReadStatus::Invalid, recording};
            }
            if (status != ReadStatus::Ok)
                return {path, status, recording};
            return {settle(path, owner, recording, own, firstFree), status, recording};
        }
        if (owner.isNull() && firstFree.isNull() && own.contains(path))
            firstFree = path;
    }
    clear(lists);

    // Moved, renamed, or written through another link. CD tracks get no
    // cache.
    if (size.known() && !recording.contains(QLatin1String(".cda"))) {
        std::vector<Candidate> found = candidates(folder, recording, audioPath, size);
        if (!found.empty()) {
            Candidate& best = found.front();
            lists = std::move(best.lists);
            return {settle(best.cachePath, best.owner, recording, own, firstFree), ReadStatus::Ok, recording};
        }
    }

    if (firstFree.isNull()) {
        qCWarning(lcShell).noquote()
            << QStringLiteral("Every analysis cache name of %1 belongs to another recording (%2); its analysis is "
                              "not kept.")
                   .arg(recording, own.join(QLatin1String(", ")));
        return {QString(), ReadStatus::Missing, recording};
    }
    const bool exists = QFileInfo::exists(firstFree);
    return {firstFree, exists ? ReadStatus::Invalid : ReadStatus::Missing, recording};
}

} // namespace CacheReading
