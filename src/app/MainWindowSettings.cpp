// What the window keeps between runs in the settings store.
#include "MainWindow.h"

#include "AudioPlayer.h"
#include "PathsManager.h"
#include "RecentFiles.h"
#include "Startup.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char* const organisation = "Halvarine";
const char* const application = "Tonbrook";
const char* const group = "MainWindow";

} // namespace

void MainWindow::readSettings()
{
    QSettings settings(QString::fromLatin1(organisation), QString::fromLatin1(application));
    settings.beginGroup(QString::fromLatin1(group));

    const QString savePath = settings.value(QStringLiteral("save location")).toString();
    pathsManager->setSavePath(savePath.isEmpty() ? saveLocation : savePath);

    const QString alwaysOpenFolder = settings.value(QStringLiteral("always open folder string")).toString();
    const bool alwaysOpen = settings.value(QStringLiteral("always open folder bool")).toBool();
    pathsManager->setFileName(settings.value(QStringLiteral("file path")).toString());

    const QStringList recent = settings.value(QStringLiteral("recent files")).toStringList();
    if (recent.isEmpty())
        pathsManager->setFilePath(QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    else if (alwaysOpen)
        pathsManager->setAlwaysOpenFilePath(alwaysOpenFolder);

    audioPlayer->initAudio();

    clearRecentAction = new QAction(tr("&Clear Recent"), this);
    connect(clearRecentAction, &QAction::triggered, this, &MainWindow::clearRecent);
    RecentFiles::restore(recentFilesMenu, clearRecentAction, recent);
    settings.endGroup();
}

void MainWindow::writeSettings()
{
    QSettings settings(QString::fromLatin1(organisation), QString::fromLatin1(application));
    const QStringList recent = RecentFiles::texts(recentFilesMenu);
    settings.beginGroup(QString::fromLatin1(group));
    settings.setValue(QStringLiteral("recent files"), recent);
    settings.setValue(QStringLiteral("file path"), pathsManager->getFileName());
    settings.endGroup();
    settings.sync();
}
