#include "OsPaths.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStorageInfo>

#include <algorithm>

namespace OsPaths {

QString localPathFromUrl(const QUrl& url)
{
    return url.path(QUrl::FullyDecoded);
}

QStringList readOnlyVolumes(const std::vector<Volume>& mounted)
{
    QStringList roots;
    for (const Volume& volume : mounted) {
        if (volume.readOnly && volume.fileSystemType != "squashfs" && !roots.contains(volume.rootPath))
            roots << volume.rootPath;
    }
    std::sort(roots.begin(), roots.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return roots;
}

QStringList readOnlyVolumes()
{
    std::vector<Volume> mounted;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid() && storage.isReady())
            mounted.push_back({storage.rootPath(), storage.fileSystemType(), storage.isReadOnly()});
    }
    return readOnlyVolumes(mounted);
}

bool relaunchDetached()
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}

} // namespace OsPaths
