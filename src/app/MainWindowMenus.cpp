// Actions, menus and the small slots the menus, shortcuts and views call.
#include "MainWindow.h"

#include "AudioPlayer.h"
#include "ChordsStrip.h"
#include "CustomButton.h"
#include "JamTab.h"
#include "MetaDataThread.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "ProcessingLabel.h"
#include "RealTimeToolsTab.h"
#include "SongStep.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include <algorithm>

namespace {

const char* const onlineDocsUrl = "https://help.tonbrook.app/docs";

} // namespace

void MainWindow::initActions()
{
    openAction = new QAction(tr("&Open Audio File..."), this);
    openCDAction = new QAction(tr("Open CD Track..."), this);
    saveSessionAsAction = new QAction(tr("Save Session &As..."), this);
    saveSessionAsAction->setEnabled(false);
    saveSessionAction = new QAction(tr("&Save Session"), this);
    saveSessionAction->setEnabled(false);
    loadSessionAction = new QAction(tr("&Load Session..."), this);
    saveAudioSelectionAction = new QAction(tr("Save Audio Selection"), this);
    saveAudioSelectionAction->setEnabled(false);
    saveAudioAction = new QAction(tr("Save Audio"), this);
    saveAudioAction->setEnabled(false);
    saveSongAudioAction = new QAction(tr("Save Song Audio..."), this);
    saveSongAudioAction->setEnabled(false);
    saveRiffAudioAction = new QAction(tr("Save Riff Audio..."), this);
    saveRiffAudioAction->setEnabled(false);

    // Their object names tell the preferences dialog which page to show.
    audioDeviceAction = new QAction(tr("Set &Audio Device"), this);
    audioDeviceAction->setObjectName(QStringLiteral("device"));
    defaultFoldersAction = new QAction(tr("Set &Default Folders"), this);
    defaultFoldersAction->setObjectName(QStringLiteral("paths"));
    shortcutsAction = new QAction(tr("Set &Keyboard Shortcuts"), this);
    shortcutsAction->setObjectName(QStringLiteral("shortcuts"));
    languageAction = new QAction(tr("Set &Language"), this);
    languageAction->setObjectName(QStringLiteral("language"));
    preferencesGroup = new QActionGroup(this);
    preferencesGroup->setExclusive(false);
    for (QAction* action : {audioDeviceAction, defaultFoldersAction, shortcutsAction, languageAction})
        preferencesGroup->addAction(action);

    viewHelpAction = new QAction(tr("View Help"), this);
    aboutAction = new QAction(tr("About Tonbrook"), this);
}

void MainWindow::initMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    recentFilesMenu = new QMenu(tr("Recent files"), fileMenu);
    recentFilesMenu->setEnabled(false);
    fileMenu->addAction(openAction);
    fileMenu->addAction(openCDAction);
    fileMenu->addSeparator();
    fileMenu->addAction(saveSessionAction);
    fileMenu->addAction(saveSessionAsAction);
    fileMenu->addAction(loadSessionAction);
    fileMenu->addSeparator();
    fileMenu->addAction(saveAudioAction);
    fileMenu->addAction(saveAudioSelectionAction);
    fileMenu->addAction(saveRiffAudioAction);
    fileMenu->addAction(saveSongAudioAction);
    fileMenu->addSeparator();
    fileMenu->addMenu(recentFilesMenu);

    optionsMenu = menuBar()->addMenu(tr("&Options"));
    for (QAction* action : {audioDeviceAction, defaultFoldersAction, shortcutsAction, languageAction})
        optionsMenu->addAction(action);

    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(viewHelpAction);
    helpMenu->addAction(aboutAction);

    // Enabled once the wiring is made (constructor).
    fileMenu->setEnabled(false);
    optionsMenu->setEnabled(false);
    helpMenu->setEnabled(false);
}

void MainWindow::checkSongLoopLength()
{
    JamTab* jamTab = tabWidget->jamTab;
    const QList<int> song = jamTab->songStep->song();
    const bool anyRiff = std::any_of(song.begin(), song.end(), [](int slot) { return slot != -1; });
    if (anyRiff) {
        jamTab->playSongButton->setEnabled(true);
    } else {
        jamTab->playSongButton->unlatch();
        jamTab->playSongButton->setEnabled(false);
    }
}

void MainWindow::jamTabPowerPressed(bool power)
{
    // power is the state the button leaves: true when the jam tools go off.
    if (!power || busy)
        return;
    audioPlayer->stop();
    tabWidget->jamTab->playRiffButton->unlatch();
    tabWidget->jamTab->playSongButton->unlatch();
}

void MainWindow::recalculateChords(QVector<QVector<int>> chords)
{
    if (busy || !record.audioLoaded || metaDataThread->isRunning())
        return;
    metaDataThread->setManualEntryChords(chords);
    metaDataThread->initMonoData(record.leftData, record.rightData, record.sampleCount, record.isStereo,
                                 record.sampleRate);
    metaDataThread->start(QThread::InheritPriority);
    Plotter* plotter = waveBg->plotter;
    plotter->processingLabel->show();
    plotter->processingLabel->dotTimer->start();
    // Rebuilt from the new results (gotMetaData).
    plotter->chordsStrip->hide();
}

void MainWindow::viewOnlineDocs()
{
    dialogs->openUrl(QUrl(QString::fromLatin1(onlineDocsUrl)));
}

void MainWindow::about()
{
    const QString text = QStringLiteral("Tonbrook v%1<br />").arg(QLatin1String(versionText))
        + QStringLiteral("Made by Halvarine for musicians who practise with recordings.<br /><br />"
                         "Built with Qt (LGPL v3), FFmpeg (LGPL v2.1), TagLib (LGPL v2.1), "
                         "PortAudio (MIT) and LAME (LGPL v2).");
    dialogs->about(this, text);
}

void MainWindow::toggleLoop()
{
    if (busy)
        return;
    // The button is checkable and its toggled() sets the player's looping,
    // so its check state is the looping the user chose.
    if (transportWidget->loopButton->isChecked())
        transportWidget->loopButton->unlatch();
    else
        transportWidget->loopButton->latch();
}

void MainWindow::toggleScroll()
{
    if (busy)
        return;
    waveBg->scrollButton->setValueFromSession(!waveBg->scrollButton->isOn());
}

namespace {

// The button behaves exactly as when clicked.
void pressPowerButton(PowerButton* button)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
}

} // namespace

void MainWindow::toggleTempo()
{
    if (!busy)
        pressPowerButton(tabWidget->realTimeToolsTab->tempoPowerButton());
}

void MainWindow::toggleIsolate()
{
    if (!busy)
        pressPowerButton(tabWidget->realTimeToolsTab->isolationPowerButton());
}

void MainWindow::togglePitch()
{
    if (!busy)
        pressPowerButton(tabWidget->realTimeToolsTab->pitchPowerButton());
}

// The play button shows the state the key is about to put the player in.
void MainWindow::latchPlayToggle()
{
    if (audioPlayer->isPlaying())
        transportWidget->playButton->unlatch();
    else
        transportWidget->playButton->latch();
}

void MainWindow::playStop()
{
    if (busy)
        return;
    latchPlayToggle();
    audioPlayer->playStop();
}

void MainWindow::playFromSelectionStart()
{
    if (busy)
        return;
    transportWidget->playButton->latch();
    audioPlayer->playFromSelectionStart();
}

void MainWindow::pause()
{
    if (busy)
        return;
    latchPlayToggle();
    audioPlayer->pause();
}
