#include "PathsManager.h"

#include "FolderCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString metadataFolder = QStringLiteral("/metadata");
const QString sessionsFolder = QStringLiteral("/sessions");

} // namespace

PathsManager::PathsManager(const QString& saveLocationByDefault, QObject* parent)
    : QObject(parent), defaultSaveLocation_(saveLocationByDefault)
{
    initPaths();
}

const QStringList& PathsManager::subFolders()
{
    static const QStringList folders{metadataFolder, sessionsFolder, QStringLiteral("/riffs"),
                                     QStringLiteral("/songs"), QStringLiteral("/exported audio")};
    return folders;
}

void PathsManager::initPaths()
{
    alwaysOpenFilePath_.clear();
    savePath_ = defaultSaveLocation_;
    sessionPath_ = defaultSaveLocation_ + sessionsFolder;
    createFolders();
}

void PathsManager::createFolders()
{
    // mkpath, not mkdir: on a fresh account the data folder itself may be
    // missing. There is no legacy folder to move on this platform.
    QDir dir;
    dir.mkpath(defaultSaveLocation_);
    for (const QString& folder : subFolders())
        dir.mkpath(defaultSaveLocation_ + folder);
}

QString PathsManager::getFilePath() const
{
    return alwaysOpenFilePath_.isEmpty() ? filePath_ : alwaysOpenFilePath_;
}

void PathsManager::setSavePath(const QString& path)
{
    savePath_ = path;
    sessionPath_ = path + sessionsFolder;
}

void PathsManager::setFileName(const QString& file)
{
    fileName_ = file;
    filePath_ = QFileInfo(file).absolutePath();
}

void PathsManager::changeDefaultSavePath(const QString& oldPath, bool withMetadata)
{
    for (const QString& folder : subFolders()) {
        if (folder == metadataFolder && !withMetadata)
            continue;
        const QString target = savePath_ + folder;
        const QFileInfoList entries = QDir(QDir::cleanPath(oldPath + folder)).entryInfoList();
        QDir().mkpath(target);
        for (const QFileInfo& entry : entries) {
            // QFile::copy never replaces an existing file.
            if (!entry.isDir())
                QFile::copy(entry.absoluteFilePath(), target + QLatin1Char('/') + entry.fileName());
        }
    }
}

bool PathsManager::updatePaths(const QString& audioPath, const QString& newSaveLocation)
{
    alwaysOpenFilePath_ = audioPath;
    if (newSaveLocation == savePath_)
        return true;
    // Sessions and exports saved to a folder that takes no files would be
    // lost: the location in use stays.
    if (!FolderCheck::canHoldUserFiles(newSaveLocation)) {
        emit saveLocationRefused(newSaveLocation);
        return false;
    }
    const QString oldLocation = savePath_;
    setSavePath(newSaveLocation);
    changeDefaultSavePath(oldLocation, false);
    return true;
}
