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
    : QObject(parent)
    , defaultSaveLocation(saveLocationByDefault)
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
    alwaysOpenFilePath.clear();
    savePath = defaultSaveLocation;
    sessionPath = defaultSaveLocation + sessionsFolder;
    createFolders();
}

void PathsManager::createFolders()
{
    // mkpath, not mkdir: on a fresh account the data folder itself may be
    // missing. There is no legacy folder to move on this platform.
    QDir dir;
    dir.mkpath(defaultSaveLocation);
    for (const QString& folder : subFolders())
        dir.mkpath(defaultSaveLocation + folder);
}

QString PathsManager::getFilePath() const
{
    return alwaysOpenFilePath.isEmpty() ? filePath : alwaysOpenFilePath;
}

void PathsManager::setSavePath(const QString& path)
{
    savePath = path;
    sessionPath = path + sessionsFolder;
}

void PathsManager::setFileName(const QString& file)
{
    fileName = file;
    filePath = QFileInfo(file).absolutePath();
}

void PathsManager::changeDefaultSavePath(const QString& oldPath, bool withMetadata)
{
    for (const QString& folder : subFolders()) {
        if (folder == metadataFolder && !withMetadata)
            continue;
        const QString target = savePath + folder;
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
    alwaysOpenFilePath = audioPath;
    if (newSaveLocation == savePath)
        return true;
    // Sessions and exports saved to a folder that takes no files would be
    // lost: the location in use stays.
    if (!FolderCheck::canHoldUserFiles(newSaveLocation)) {
        emit saveLocationRefused(newSaveLocation);
        return false;
    }
    const QString oldLocation = savePath;
    setSavePath(newSaveLocation);
    changeDefaultSavePath(oldLocation, false);
    return true;
}
