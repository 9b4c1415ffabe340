#include "CacheReading.h"

#include "ShellLog.h"

#include <QFileInfo>

namespace CacheReading {

QString cachePathFor(const QString& saveLocation, const QString& audioPath)
{
    return AnalysisCache::filePath(AnalysisCache::folder(saveLocation), audioPath);
}

Found find(const QString& saveLocation, const QString& audioPath, const AnalysisCache::RecordingSize& size,
           AnalysisCache::Lists& lists)
{
    const QString folder = AnalysisCache::folder(saveLocation);
    const QString candidates[] = {AnalysisCache::filePath(folder, audioPath),
                                  AnalysisCache::ownFilePath(folder, audioPath)};
    QString firstFree;
    for (const QString& path : candidates) {
        QString owner;
        const AnalysisCache::ReadStatus status = AnalysisCache::read(path, lists, &owner);
        if (owner == audioPath) {
            QString why;
            if (status == AnalysisCache::ReadStatus::Ok && !AnalysisCache::fits(lists, size, &why)) {
                qCInfo(lcShell).noquote()
                    << QStringLiteral("Analysis cache %1 is older than %2 (%3); analysing again.")
                           .arg(path, audioPath, why);
                for (auto& list : lists)
                    list.clear();
                return {path, AnalysisCache::ReadStatus::Invalid};
            }
            return {path, status};
        }
        if (owner.isNull() && firstFree.isNull())
            firstFree = path;
    }

    for (auto& list : lists)
        list.clear();
    if (firstFree.isNull()) {
        qCWarning(lcShell).noquote() << QStringLiteral("Analysis caches %1 and %2 belong to other recordings; %3 "
                                                       "takes the second.")
                                            .arg(candidates[0], candidates[1], audioPath);
        return {candidates[1], AnalysisCache::ReadStatus::Invalid};
    }
    const bool exists = QFileInfo::exists(firstFree);
    return {firstFree, exists ? AnalysisCache::ReadStatus::Invalid : AnalysisCache::ReadStatus::Missing};
}

} // namespace CacheReading
