// The central wiring: every signal that crosses a component's border is
// connected here, grouped by the sender's component, in one order: where a
// signal has several receivers they run in the order made here. Containers
// wire their own children. Signals emitted on the playback or analysis
// thread reach these GUI-thread receivers queued. Each connection made here
// has its row in the wiring test, which counts the receivers this adds.
#include "MainWindow.h"

#include "AudioPlayer.h"
#include "BeatSelection.h"
#include "ChordFilterWidget.h"
#include "ChordStepBoxes.h"
#include "ChordsStrip.h"
#include "ChordsTab.h"
#include "CustomButton.h"
#include "DevicesTab.h"
#include "IncrementWidget.h"
#include "JamTab.h"
#include "Knob.h"
#include "LanguageTab.h"
#include "LoopLengthWidget.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "PathsTab.h"
#include "PitchSyncWidget.h"
#include "PlayMarker.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "PreferencesMenu.h"
#include "ProcessingLabel.h"
#include "RealTimeToolsTab.h"
#include "RiffIdWidget.h"
#include "RiffStep.h"
#include "SSSPlot.h"
#include "ShortcutsTab.h"
#include "SingleChordEditWidget.h"
#include "SmallPlot.h"
#include "SongStep.h"
#include "StepContextMenu.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>

void MainWindow::initConnections()
{
    AudioPlayer* player = audioPlayer;
    Plotter* plotter = waveBg->plotter;
    PlotSelection* selection = plotter->plotSelection;
    SmallPlot* overview = waveBg->smallPlot;
    ChordsStrip* strip = plotter->chordsStrip;
    RealTimeToolsTab* tools = tabWidget->realTimeToolsTab;
    ChordsTab* chordsTab = tabWidget->chordsTab;
    JamTab* jamTab = tabWidget->jamTab;
    TransportWidget* transport = transportWidget;
    MetaDataThread* analysis = metaDataThread;
    ProcessingLabel* processing = plotter->processingLabel;

    // Transport.
    connect(transport->playButton, &CustomButton::released, player, &AudioPlayer::pause);
    connect(transport->stopButton, &CustomButton::released, player, &AudioPlayer::stop);
    connect(transport->fwdButton, &CustomButton::released, player, &AudioPlayer::seekF);
    connect(transport->backButton, &CustomButton::released, player, &AudioPlayer::seekB);
    connect(transport->cuebButton, &CustomButton::released, player, &AudioPlayer::toBeginning);
    connect(transport->cuefButton, &CustomButton::released, player, &AudioPlayer::toEnd);
    connect(transport->loopButton, &CustomButton::toggled, player, &AudioPlayer::loop);

    // Waveform view.
    connect(overview, &SmallPlot::setPlaybackPosition, player, &AudioPlayer::setPlaybackPos);
    // Playback starts before the play button latches.
    connect(selection, &PlotSelection::selectionDoubleClick, player, &AudioPlayer::play);
    connect(selection, &PlotSelection::selectionDoubleClick, transport->playButton, &CustomButton::latch);
    connect(selection, &PlotSelection::selectionSingleClick, player, &AudioPlayer::selectionSingleClick);
    connect(plotter, &Plotter::setSmallPlotPixmap, overview, &SmallPlot::setSmallPlotPixmap);
    connect(plotter, &Plotter::setSmallPlotZoomCentre, overview, &SmallPlot::setSmallPlotZoomCentre);
    connect(plotter, &Plotter::setSmallPlotZoomFactor, overview, &SmallPlot::setZoomFactor);
    connect(selection, &PlotSelection::setSmallPlotSelection, overview, &SmallPlot::setSelection);
    // The player copies the loop points at once instead of at its next tick.
    connect(selection, &PlotSelection::loopPointsChanged, player, &AudioPlayer::loopPointsChanged);

    // Tools tab.
    connect(tools, &RealTimeToolsTab::setHopFactor, player, &AudioPlayer::setHop);
    connect(tools, &RealTimeToolsTab::activateTempo, player, &AudioPlayer::activateTempo);
    connect(tools, &RealTimeToolsTab::changeMode, player, &AudioPlayer::changeMode);
    connect(tools->tempoKnobWidget(), &Knob::resetKnob, player, &AudioPlayer::resetHopFactor);
    connect(tools, &RealTimeToolsTab::setInterpFactor, player, &AudioPlayer::setInterp);
    connect(tools, &RealTimeToolsTab::activatePitch, player, &AudioPlayer::activatePitch);
    connect(tools, &RealTimeToolsTab::activateSSS, player, &AudioPlayer::activateSSS);
    connect(tools, &RealTimeToolsTab::widthChanged, player, &AudioPlayer::setWidth);
    connect(tools, &RealTimeToolsTab::separationChanged, player, &AudioPlayer::setSeparation);
    connect(tools, &RealTimeToolsTab::azimuthChanged, player, &AudioPlayer::setAzimuth);
    // Query: the display asks for the curve while painting (GUI thread).
    connect(tools->isolationDisplay(), &SSSPlot::getCurve, player, &AudioPlayer::getSSSCurve);
    connect(tools->isolationDisplay(), &SSSPlot::setPlotScale, player, &AudioPlayer::setPScale);
    connect(tools, &RealTimeToolsTab::setMuteSolo, player, &AudioPlayer::setInverted);
    connect(tools, &RealTimeToolsTab::setFilter, player, &AudioPlayer::setFilter);
    connect(tools, &RealTimeToolsTab::filterChanged, player, &AudioPlayer::setFilterKnob);

    // Analysis thread (the first group of its results).
    connect(analysis, &MetaDataThread::setBPM, tools, &RealTimeToolsTab::setBPM);
    connect(analysis, &MetaDataThread::gotMetaData, chordsTab, qOverload<>(&ChordsTab::initDetectedChords));
    connect(analysis, &MetaDataThread::gotMetaData, strip, &ChordsStrip::initChordStrip);

    // Tools tab and chords tab keep their tempo and key boxes in step.
    connect(tools, &RealTimeToolsTab::updateChordTempo, chordsTab->tempoWidget, &TempoWidget::updateTempo);
    connect(tools->bpmWidget(), &IncrementWidget::updateChordTempo, chordsTab->tempoWidget,
            &TempoWidget::updateTempo);
    connect(chordsTab->tempoWidget, &TempoWidget::tempoChanged, tools->bpmWidget(),
            &IncrementWidget::tempoChangedFromChords);
    // By position: the signal's original tempo arrives as the slot's bpm.
    connect(tools, &RealTimeToolsTab::initChordTempo, chordsTab->tempoWidget, &TempoWidget::initTempo);
    connect(chordsTab->keyShiftWidget, &KeyShiftWidget::shiftKey, tools->semitoneWidget(),
            &IncrementWidget::keyShiftFromChords);
    connect(tools, &RealTimeToolsTab::updateChordKeyShift, chordsTab->keyShiftWidget,
            &KeyShiftWidget::updateKeyShift);

    // Jam tab and the riff overlays.
    connect(jamTab->powerButton, &PowerButton::buttonOn, plotter, &Plotter::activateBeatSelecitionWidget);
    connect(jamTab, &JamTab::setActiveRiff, plotter, &Plotter::setActiveRiff);
    connect(player, &AudioPlayer::enableJamTab, jamTab->powerButton, &PowerButton::setValueFromSession);
    for (int i = 0; i < JamTab::riffCount; ++i) {
        RiffStep* steps = jamTab->riffSteps[i];
        LoopLengthWidget* ruler = jamTab->loopLengthWidgets[i];
        BeatSelection* overlay = plotter->beatSelections[i];
        connect(steps, &RiffStep::showStepSelection, plotter, &Plotter::switchSelectionWidget);
        connect(steps, &RiffStep::stepArmed, overlay, qOverload<int>(&BeatSelection::setArmedStep));
        connect(steps, &StepWidget::setLoopLength, player, &AudioPlayer::setRiffLength);
        connect(ruler, &LoopLengthWidget::setLoopLength, player, &AudioPlayer::setRiffLength);
        connect(steps, &RiffStep::lockSelection, overlay, &BeatSelection::lockSelection);
        connect(player, &AudioPlayer::setCurrentBeatStep, steps, &StepWidget::setStep);
        for (int j = 0; j < JamTab::stepCount; ++j)
            connect(jamTab->contextMenus.at(i * JamTab::stepCount + j), &StepContextMenu::contextPitchChanged,
                    overlay, &BeatSelection::interpChanged);
        connect(ruler, &LoopLengthWidget::setLoopLength, overlay, &BeatSelection::setLoopLength);
        connect(steps, &StepWidget::setLoopLength, overlay, &BeatSelection::setLoopLength);
        connect(ruler, &LoopLengthWidget::extendLoop, overlay, &BeatSelection::extendLoopLength);
        connect(overlay, &BeatSelection::setActiveStep, steps, &RiffStep::setArmedStep);
        connect(overlay, &BeatSelection::commitStep, steps, &RiffStep::commitStep);
        connect(overlay, &BeatSelection::commitStep, this, &MainWindow::checkEnableAudioExport);
        connect(overlay, &BeatSelection::checkEnableAudioExport, this, &MainWindow::checkEnableAudioExport);
        // Every beat-offset change repaints all six, active or not.
        connect(player, &AudioPlayer::updateBeatSelections, overlay, qOverload<>(&QWidget::update));
        connect(player, &AudioPlayer::setCurrentBeatStep, overlay, &BeatSelection::setAnimatedStep);
    }
    connect(jamTab, &JamTab::setActiveRiff, player, &AudioPlayer::setRiff);
    connect(jamTab, &JamTab::playRiff, player, &AudioPlayer::playRiff);
    connect(jamTab, &JamTab::playSong, player, &AudioPlayer::playSong);

    // Player: song playback moves the views to the riff it reaches.
    connect(player, &AudioPlayer::setCurrentSongStep, jamTab->songStep, &StepWidget::setStep);
    connect(player, &AudioPlayer::songRiffChanged, plotter, &Plotter::setActiveRiff);
    connect(player, &AudioPlayer::songRiffChanged, jamTab->riffIdWidget, &RiffIdWidget::setRiffId);
    connect(player, &AudioPlayer::songRiffChanged, jamTab->riffStepStack, &QStackedWidget::setCurrentIndex);
    connect(player, &AudioPlayer::songRiffChanged, jamTab->loopLengthStack, &QStackedWidget::setCurrentIndex);
    connect(player, &AudioPlayer::updateBeatSelections, selection, &PlotSelection::updateSelectionFromOffset);
    connect(player, &AudioPlayer::setGreyedButtonsHidden, transport, &TransportWidget::setGreyedButtonsHidden);
    connect(jamTab->songStep, &StepWidget::setLoopLength, player, &AudioPlayer::setSongLength);
    // The player moves the beats before the chord strip lays out on them.
    connect(jamTab->beatOffsetKnob, &Knob::valueChanged, player, &AudioPlayer::setBeatOffset);

    // Menus, jam power, play marker, chord strip and tabs, volumes.
    connect(recentFilesMenu, &QMenu::triggered, this, &MainWindow::loadRecent);
    // Switching the jam tools: the view, then playback, then the play line.
    connect(jamTab->powerButton, &PowerButton::buttonOn, this, &MainWindow::jamTabPowerPressed);
    connect(jamTab->powerButton, &PowerButton::buttonOn, plotter->playMarker, &PlayMarker::showPlaymarker);
    connect(transport->playButton, &CustomButton::released, plotter->playMarker, &QWidget::show);
    connect(transport->loopButton, &CustomButton::released, plotter->playMarker, &QWidget::show);
    // Query: the strip asks the chords tab for every shifted name.
    connect(strip, &ChordsStrip::getShiftedChordIndex, chordsTab,
            qOverload<QString, int>(&ChordsTab::getChordIndex));
    connect(chordsTab, &ChordsTab::setChordStripKeyShift, strip, &ChordsStrip::setKeyShift);
    // Query: the chords tab's large diagrams follow a stopped player's
    // position; NEXT follows the loop.
    connect(chordsTab, &ChordsTab::getPlayPosition, player, &AudioPlayer::getCurrentPosition);
    connect(transport->loopButton, &CustomButton::toggled, chordsTab, &ChordsTab::setLooping);
    connect(selection, &PlotSelection::loopPointsChanged, chordsTab, &ChordsTab::loopPointsChanged);
    connect(transport->volumeKnob, &Knob::valueChanged, player, &AudioPlayer::setVolume);
    connect(transport->metronomeKnob, &Knob::valueChanged, player, &AudioPlayer::setMetroVolume);
    connect(chordsTab->chordFilterWidget, &ChordFilterWidget::recalculateChords, this,
            &MainWindow::recalculateChords);
    // After the player has moved the beats the tags stand on.
    connect(jamTab->beatOffsetKnob, &Knob::valueChanged, strip, qOverload<int>(&ChordsStrip::repositionChords));

    // Analysis thread (the rest of its results): the processing notice goes.
    connect(analysis, &MetaDataThread::setChordFilterSelection, chordsTab->chordFilterWidget,
            &ChordFilterWidget::setSelectionFromDetectedChords);
    connect(analysis, &MetaDataThread::gotMetaData, processing, &QWidget::hide);
    connect(analysis, &MetaDataThread::gotMetaData, processing->dotTimer, &QTimer::stop);

    // A chord correction rebuilds the chords tab's grid and rewrites the cache.
    SingleChordEditWidget* chordEdit = plotter->singleChordEdit;
    connect(chordEdit, &SingleChordEditWidget::reInitDetectedChordsWidget, chordsTab,
            qOverload<>(&ChordsTab::initDetectedChords));
    connect(player, &AudioPlayer::playRiffSong, plotter, &Plotter::riffSongPlayback);
    connect(player, &AudioPlayer::changeBeatPitch, jamTab, &JamTab::setBeatPitchLabel);
    connect(chordEdit, &SingleChordEditWidget::saveTBM, analysis, &MetaDataThread::saveTBM);

    // Player (the rest).
    connect(player, &AudioPlayer::unlatchMainPlay, transport->playButton, &CustomButton::unlatch);
    connect(player, &AudioPlayer::unlatchRiffPlay, jamTab->playRiffButton, &CustomButton::unlatch);
    connect(player, &AudioPlayer::unlatchSongPlay, jamTab->playSongButton, &CustomButton::unlatch);
    connect(jamTab->songStep, &StepWidget::setLoopLength, this, &MainWindow::checkSongLoopLength);
    connect(jamTab->songStep, &SongStep::stopSongPlayback, player, &AudioPlayer::stopSongPlayback);
    connect(chordsTab->chordFilterWidget, &ChordFilterWidget::stopPlayback, player, &AudioPlayer::stop);
    connect(player, &AudioPlayer::flashMetro, transport, &TransportWidget::flashMetronome);

    // Menus and actions. Each export slot runs before the jam tab's two
    // play buttons are unlatched.
    connect(openAction, &QAction::triggered, this, qOverload<>(&MainWindow::open));
    connect(openCDAction, &QAction::triggered, this, &MainWindow::openCD);
    connect(saveSessionAsAction, &QAction::triggered, this, &MainWindow::saveSessionFileAs);
    connect(saveSessionAction, &QAction::triggered, this, &MainWindow::saveSessionFile);
    connect(loadSessionAction, &QAction::triggered, this, qOverload<>(&MainWindow::loadSession));
    auto wireExport = [this](QAction* action, auto slot, CustomButton* first, CustomButton* second) {
        connect(action, &QAction::triggered, this, slot);
        connect(action, &QAction::triggered, first, &CustomButton::unlatch);
        connect(action, &QAction::triggered, second, &CustomButton::unlatch);
    };
    CustomButton* riffButton = jamTab->playRiffButton;
    CustomButton* songButton = jamTab->playSongButton;
    wireExport(saveAudioSelectionAction, &MainWindow::exportSelection, songButton, riffButton);
    // Offered while there is a selection: after a drag, a clearing click or
    // a session's selection.
    connect(selection, &PlotSelection::enableSaveSelection, this, &MainWindow::enableSelectionExport);
    wireExport(saveAudioAction, qOverload<>(&MainWindow::exportAudioMP3), songButton, riffButton);
    wireExport(saveSongAudioAction, &MainWindow::exportSongWav, songButton, riffButton);
    wireExport(saveRiffAudioAction, &MainWindow::exportRiffWav, riffButton, songButton);
    connect(preferencesGroup, &QActionGroup::triggered, preferencesMenu, &PreferencesMenu::showPreferences);
    connect(viewHelpAction, &QAction::triggered, this, &MainWindow::viewOnlineDocs);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::about);

    // Preferences dialog. The devices page asks the player (queries, GUI
    // thread); the dialog hands on what OK and "Apply" change.
    DevicesTab* devicesTab = preferencesMenu->devicesTab;
    connect(devicesTab, &DevicesTab::getDeviceList, player, &AudioPlayer::getDeviceList);
    connect(devicesTab, &DevicesTab::getCurrentDevice, player, &AudioPlayer::getAudioDevice);
    connect(preferencesMenu, &PreferencesMenu::deviceStringToIndex, player, &AudioPlayer::deviceStringToIndex);
    connect(preferencesMenu, &PreferencesMenu::setAudioDevice, player, &AudioPlayer::setAudioDevice);
    connect(preferencesMenu, &PreferencesMenu::setDeviceBufferSize, player, &AudioPlayer::setDeviceBufferSize);
    connect(preferencesMenu, &PreferencesMenu::updatePaths, pathsManager, &PathsManager::updatePaths);
    // A save location refused when applied: the page shows the one kept.
    connect(pathsManager, &PathsManager::saveLocationRefused, this, [this](const QString& folder) {
        const QString kept = pathsManager->getSavePath();
        preferencesMenu->pathsTab->setSessionPath(kept);
        dialogs->warning(preferencesMenu, tr("Cannot Use Folder"),
                         tr("Tonbrook cannot write to the folder \"%0\".<br />The save location stays \"%1\".")
                             .arg(folder.toHtmlEscaped(), kept.toHtmlEscaped()));
    });
    connect(preferencesMenu->shortcutsTab, &ShortcutsTab::initMainWindowShortcuts, this,
            &MainWindow::initShortcuts);
    // After the dialog's own connection: the other pages are applied and
    // the dialog hidden before the window closes.
    connect(preferencesMenu->languageTab, &LanguageTab::closeMainwindow, this, &QWidget::close);
    connect(preferencesMenu->languageTab, &LanguageTab::writeSettings, this, &MainWindow::writeSettings);

    // Pitch model: the four pitch controls of both tabs share one pitch.
    connect(tools, &RealTimeToolsTab::initPitchSyncWidgetFromSession, pitchSync,
            &PitchSyncWidget::initFromSession);
    connect(tools->pitchKnobWidget(), &Knob::setSyncValueSignal, pitchSync, &PitchSyncWidget::setSyncValue);
    connect(tools->fineTuneWidget(), &IncrementWidget::setSyncValueSignal, pitchSync,
            &PitchSyncWidget::setSyncValue);
    connect(tools->semitoneWidget(), &IncrementWidget::setSyncValueSignal, pitchSync,
            &PitchSyncWidget::setSyncValue);
    connect(chordsTab->keyShiftWidget, &KeyShiftWidget::setSyncValueSignal, pitchSync,
            &PitchSyncWidget::setSyncValue);
    connect(chordsTab->keyShiftWidget, &KeyShiftWidget::resetFineTune, pitchSync, &PitchSyncWidget::resetFineTune);
    connect(tools->semitoneWidget(), &IncrementWidget::resetPitch, pitchSync, &PitchSyncWidget::resetPitch);
    connect(tools->fineTuneWidget(), &IncrementWidget::resetFineTune, pitchSync, &PitchSyncWidget::resetFineTune);
    connect(pitchSync, &PitchSyncWidget::setInterpFactor, player, &AudioPlayer::setInterp);
    connect(pitchSync, &PitchSyncWidget::updatePitchWidgets, tools, &RealTimeToolsTab::updatePitchWidgets);
}
