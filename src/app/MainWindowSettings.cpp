// What the window keeps between runs in the settings store: position,
// folders, the last audio file, recent files, output device, neck type and
// the edited keyboard shortcuts (group "MainWindow"). The language has a
// group of its own, written by the language page.
#include "MainWindow.h"

#include "AudioPlayer.h"
#include "ChordTabButtons.h"
#include "ChordsTab.h"
#include "KeyTexts.h"
#include "PathsManager.h"
#include "PathsTab.h"
#include "PreferencesMenu.h"
#include "RecentFiles.h"
#include "SettingsStore.h"
#include "ShortcutsTab.h"
#include "Startup.h"
#include "TabWidget.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>

namespace {

const char* const group = "MainWindow";

namespace key {
const QString pos = QStringLiteral("pos");
const QString screenCount = QStringLiteral("screen count");
const QString volume = QStringLiteral("volume");
const QString neckType = QStringLiteral("neck type");
const QString recentFiles = QStringLiteral("recent files");
const QString audioDevice = QStringLiteral("audio device");
const QString alwaysOpenFolder = QStringLiteral("always open folder string");
const QString alwaysOpen = QStringLiteral("always open folder bool");
const QString filePath = QStringLiteral("file path");
const QString saveLocation = QStringLiteral("save location");
const QString version = QStringLiteral("version");
const QString editedShortcuts = QStringLiteral("edited shortcuts");
} // namespace key

} // namespace

// Read once, after the widgets, actions and menus exist and before the
// central wiring, so nothing set up here reaches other components through
// a connection. No default is passed: an absent key reads as empty, false,
// 0, (0, 0) or an empty list.
void MainWindow::readSettings()
{
    const auto settings = SettingsStore::open();
    settings->beginGroup(QString::fromLatin1(group));
    PathsTab* pathsTab = preferencesMenu->pathsTab;

    // 1. The save location, in the folder manager and on the folders page.
    const QString storedSaveLocation = settings->value(key::saveLocation).toString();
    const QString savePath = storedSaveLocation.isEmpty() ? saveLocation : storedSaveLocation;
    pathsManager->setSavePath(savePath);
    pathsTab->setSessionPath(savePath);

    // 2. The edited shortcuts (the editor ignores a list that is not whole).
    const QStringList shortcuts = settings->value(key::editedShortcuts).toStringList();
    if (!shortcuts.isEmpty())
        preferencesMenu->shortcutsTab->setEditedShortcutValues(shortcuts);

    // 3. Folders. The always-open folder counts whenever its choice is on,
    // also with no recent files (after "Clear Recent" the page still shows
    // it chosen).
    const QString alwaysOpenFolder = settings->value(key::alwaysOpenFolder).toString();
    const bool alwaysOpen = settings->value(key::alwaysOpen).toBool();
    pathsManager->setFileName(settings->value(key::filePath).toString());
    const QPoint position = settings->value(key::pos).toPoint();
    const int screenCount = settings->value(key::screenCount).toInt();
    const int neckType = settings->value(key::neckType).toInt();
    const QStringList recent = settings->value(key::recentFiles).toStringList();
    if (recent.isEmpty())
        pathsManager->setFilePath(QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    if (alwaysOpen)
        pathsManager->setAlwaysOpenFilePath(alwaysOpenFolder);
    pathsTab->initDefaultFilePath(alwaysOpen, alwaysOpenFolder);

    // 4. The output device, by name; a name no longer there gives the
    // default device.
    audioPlayer->initAudio();
    settings->value(key::version);
    if (settings->contains(key::audioDevice))
        audioPlayer->setAudioDevice(
            audioPlayer->deviceStringToIndex(settings->value(key::audioDevice).toString()));

    // 5. Window, neck, recent files.
    restorePosition(position, screenCount);
    tabWidget->chordsTab->neckTypeWidget->setNeckType(neckType);
    clearRecentAction = new QAction(tr("&Clear Recent"), this);
    connect(clearRecentAction, &QAction::triggered, this, &MainWindow::clearRecent);
    RecentFiles::restore(recentFilesMenu, clearRecentAction, recent);

    settings->endGroup();
    initShortcuts();
}

void MainWindow::restorePosition(const QPoint& stored, int storedScreenCount)
{
    // The screen that holds the window now (it was centred on the first).
    const QScreen* current = screen();
    const bool sameScreens = storedScreenCount == QGuiApplication::screens().size();
    if (sameScreens && current != nullptr && current->geometry().contains(stored))
        move(stored);
    else
        move(0, 0);
}

void MainWindow::writeSettings()
{
    const auto settings = SettingsStore::open();
    const QStringList recent = RecentFiles::texts(recentFilesMenu);
    QStringList shortcuts;
    for (const QString& text : preferencesMenu->shortcutsTab->getEditedShortcutValues())
        shortcuts << KeyTexts::storedFromDisplay(text);

    settings->beginGroup(QString::fromLatin1(group));
    settings->setValue(key::pos, pos());
    settings->setValue(key::screenCount, QGuiApplication::screens().size());
    settings->setValue(key::volume, audioPlayer->getVolume());
    settings->setValue(key::neckType, tabWidget->chordsTab->getNeckType());
    settings->setValue(key::recentFiles, recent);
    settings->setValue(key::audioDevice, audioPlayer->getAudioDevice());
    settings->setValue(key::alwaysOpenFolder, preferencesMenu->pathsTab->getAudioPath());
    settings->setValue(key::alwaysOpen, preferencesMenu->pathsTab->useAudioEditPath());
    settings->setValue(key::filePath, pathsManager->getFileName());
    settings->setValue(key::saveLocation, pathsManager->getSavePath());
    settings->setValue(key::version, QString::fromLatin1(versionText));
    settings->setValue(key::editedShortcuts, shortcuts);
    settings->endGroup();
    settings->sync();
}
