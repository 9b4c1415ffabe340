// The one holder of the user's paths: the current audio file and its
// folder, the "always open" audio folder, the current session file, the
// save location and its "sessions" folder. Creates the folder tree below
// the default save location, and copies the user's files when another save
// location is chosen. GUI thread.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class PathsManager : public QObject
{
    Q_OBJECT

public:
    // defaultSaveLocation: the start-up save location (the data folder plus
    // "/Tonbrook"), where the analysis cache always lives.
    PathsManager(const QString& defaultSaveLocation, QObject* parent = nullptr);

    // The folders below a save location, in the order they are handled.
    static const QStringList& subFolders();

    void initPaths();
    // Makes the default save location and whichever of its folders are
    // missing. Failures are not reported: the paths are set all the same.
    void createFolders();

    QString getSavePath() const { return savePath_; }
    QString getFileName() const { return fileName_; }
    QString getSessionFileName() const { return sessionFileName_; }
    QString getSessionPath() const { return sessionPath_; }
    // Where the open dialog starts: the always-open folder when one is
    // set, else the folder of the last audio file.
    QString getFilePath() const;

    // Creates no folder and copies nothing.
    void setSavePath(const QString& path);
    // The file's absolute folder becomes the last folder.
    void setFileName(const QString& file);
    void setFilePath(const QString& folder) { filePath_ = folder; }
    void setSessionFileName(const QString& file) { sessionFileName_ = file; }
    void setAlwaysOpenFilePath(const QString& folder) { alwaysOpenFilePath_ = folder; }

    // Copies the top-level files of each folder below oldPath into the
    // same folder below the save location, never overwriting; the
    // "metadata" folder only with withMetadata. Nested folders and hidden
    // files stay behind; the old location keeps everything.
    void changeDefaultSavePath(const QString& oldPath, bool withMetadata);

public slots:
    // audioPath: the always-open folder, empty when that choice is off;
    // newSaveLocation: the save location. The user's files follow to the
    // new location, the analysis cache does not. A new location that
    // cannot be made or written is refused (saveLocationRefused, false);
    // the always-open folder is taken all the same.
    bool updatePaths(const QString& audioPath, const QString& newSaveLocation);

signals:
    void saveLocationRefused(const QString& folder);

private:
    const QString defaultSaveLocation_;
    QString fileName_;
    QString sessionFileName_;
    QString filePath_;
    QString alwaysOpenFilePath_;
    QString sessionPath_;
    QString savePath_;
};
