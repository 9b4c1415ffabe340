#include "CacheReading.h"

#include "ShellLog.h"

namespace CacheReading {

QString cachePathFor(const QString& saveLocation, const QString& audioPath)
{
    return AnalysisCache::filePath(AnalysisCache::folder(saveLocation), audioPath);
}

AnalysisCache::ReadStatus read(const QString& cachePath, const QString& audioPath, AnalysisCache::Lists& lists)
{
    const AnalysisCache::ReadStatus status = AnalysisCache::read(cachePath, lists);
    if (status != AnalysisCache::ReadStatus::Ok)
        return status;
    const QString stored = lists[4].isEmpty() ? QString() : lists[4].first();
    if (stored != audioPath) {
        qCInfo(lcShell).noquote() << QStringLiteral("Analysis cache %1 belongs to %2; analysing %3 again.")
                                         .arg(cachePath, stored, audioPath);
        for (auto& list : lists)
            list.clear();
        return AnalysisCache::ReadStatus::Invalid;
    }
    return status;
}

} // namespace CacheReading
