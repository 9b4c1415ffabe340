// The central wiring: every signal that crosses a component's border is
// connected here, grouped by the sender's component. Where one signal has
// several receivers they run in the order made here.
#include "MainWindow.h"

#include "AudioPlayer.h"
#include "MetaDataThread.h"

#include <QAction>
#include <QMenu>

void MainWindow::initConnections()
{
    // Menus and actions. Each export slot runs before the jam tab's two
    // play buttons are unlatched.
    connect(recentFilesMenu, &QMenu::triggered, this, &MainWindow::loadRecent);
    connect(openAction, &QAction::triggered, this, qOverload<>(&MainWindow::open));
    connect(openCDAction, &QAction::triggered, this, &MainWindow::openCD);
    connect(saveSessionAsAction, &QAction::triggered, this, &MainWindow::saveSessionFileAs);
    connect(saveSessionAction, &QAction::triggered, this, &MainWindow::saveSessionFile);
    connect(loadSessionAction, &QAction::triggered, this, qOverload<>(&MainWindow::loadSession));
    connect(saveAudioSelectionAction, &QAction::triggered, this, &MainWindow::exportSelection);
    connect(saveAudioAction, &QAction::triggered, this, qOverload<>(&MainWindow::exportAudioMP3));
    connect(saveSongAudioAction, &QAction::triggered, this, &MainWindow::exportSongWav);
    connect(saveRiffAudioAction, &QAction::triggered, this, &MainWindow::exportRiffWav);
    connect(viewHelpAction, &QAction::triggered, this, &MainWindow::viewOnlineDocs);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::about);
}
