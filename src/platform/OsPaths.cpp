#include "OsPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>

#include <algorithm>

namespace OsPaths {

QString localPathFromUrl(const QUrl& url)
{
    // From the encoded bytes: a name that is no UTF-8 ("%E9" from a
    // Latin-1 disk) keeps its bytes, which decoding as text would lose.
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return QFile::decodeName(bytes);
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
