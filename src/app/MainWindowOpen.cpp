// The open road: every way in ends in open(), which decodes the recording
// whole, draws it, names the window after it and loads its analysis from
// the cache or starts the analysis.
#include "MainWindow.h"

#include "AnalysisCache.h"
#include "AudioPlayer.h"
#include "CacheReading.h"
#include "ChordsStrip.h"
#include "FileRoutes.h"
#include "Knob.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "ProcessingLabel.h"
#include "ProgressBar.h"
#include "RealTimeToolsTab.h"
#include "RecentFiles.h"
#include "ShellLog.h"
#include "Slider.h"
#include "SmallPlot.h"
#include "Startup.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QAction>
#include <QTimer>

namespace {

// The filters after their first entry's name, which is translated.
const char* const openFilter =
    " (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 "
    "(*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)";
const char* const relocationFilter =
    " (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac* *.aiff);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 "
    "(*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff)";

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool hasTitleOrArtist(const QStringList& songInfo)
{
    return songInfo.size() >= 2 && (!songInfo.at(0).isEmpty() || !songInfo.at(1).isEmpty());
}

} // namespace

int MainWindow::open(QString fn, bool /*isCDTrack*/)
{
    if (busy)
        return 1;
    BusyScope scope(busy);

    if (metaDataThread->isRunning()) {
        dialogs->warning(this, tr("Cannot load file"),
                         tr("Meta data extraction still running!<br />Please wait till processing is "
                            "finished<br />before loading a new file."));
        return 1;
    }
    audioRelocated = false;

    if (fn.isEmpty())
        fn = dialogs->getOpenFileName(this, tr("Open Audio File"), pathsManager->getFilePath(),
                                      tr("All types") + QLatin1String(openFilter));
    if (fn.isEmpty())
        return 1;

    // A folder, a FIFO (which would block here) or a device is no file.
    while (!FileRoutes::isRegularFile(fn)) {
        const auto answer = dialogs->question(this, tr("File not found!"),
                                              tr("Audio file could not be located<br />Do you want "
                                                 "to manually select an audio file?"),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return 1;
        const QString chosen = dialogs->getOpenFileName(this, tr("Open Audio File"), fn,
                                                        tr("All types") + QLatin1String(relocationFilter));
        if (chosen.isEmpty())
            return 1;
        fn = chosen;
        audioRelocated = true;
    }

    // Reset the views for the new recording.
    Plotter* plotter = waveBg->plotter;
    plotter->hide();
    waveBg->smallPlot->hide();
    // Shown again by the drawing of the next recording.
    waveBg->smallPlotPlayMarker->hide();
    setWindowTitle(baseTitle);
    audioPlayer->resetMetaData();
    metaDataThread->resetManualEntry();
    tabWidget->resetTabWidget();
    audioPlayer->setRiff(0);
    audioPlayer->setFilterKnob(19);
    plotter->chordsStrip->reset();
    waveBg->scrollButton->setValueFromSession(true);
    // Until the decode succeeds nothing is loaded: a failed one leaves the
    // clock without the old length, as before the first open.
    transportWidget->setMaxTime(0);

    DecodeError reason = DecodeError::None;
    const int decoded = loadAudioFile(fn, reason);
    if (decoded != DecodeOk) {
        setFileActionsForNoRecording();
        // The box keeps its words; the decoder's reason is in its details.
        const QString details = decodeErrorReason(reason);
        if (details.isEmpty())
            dialogs->warning(this, tr("Cannot load file"), decodeResultMessage(decoded));
        else
            dialogs->detailedWarning(this, tr("Cannot load file"), decodeResultMessage(decoded), details);
        return -1;
    }
    // Only a loaded file is named: no save may name a file that is not.
    pathsManager->setFileName(fn);

    const QStringList& info = record.songInfo;
    if (hasTitleOrArtist(info))
        waveBg->setProgressLabelText(tr("Drawing Waveform | %1 - %2").arg(info.at(1), info.at(0)));
    else
        waveBg->setProgressLabelText(tr("Drawing Waveform | %1").arg(fileNameOf(fn)));

    plotter->initPlotter(record.leftData, record.rightData, record.sampleCount, record.isStereo);
    waveBg->clearProgressLabel();
    plotter->show();
    waveBg->smallPlot->show();
    transportWidget->setMaxTime(record.sampleCount);

    if (hasTitleOrArtist(info))
        setWindowTitle(QStringLiteral("%1 | %2 - %3").arg(baseTitle, info.at(1), info.at(0)));
    else
        setWindowTitle(QStringLiteral("%1 | %2").arg(baseTitle, fileNameOf(fn)));

    loadOrAnalyse(fn);

    saveSessionAction->setEnabled(false);
    saveSessionAsAction->setEnabled(true);
    RecentFiles::addAudioFile(recentFilesMenu, clearRecentAction, fn);
    checkSongLoopLength();
    saveAudioAction->setEnabled(true);
    saveAudioSelectionAction->setEnabled(false);
    saveSongAudioAction->setEnabled(false);
    saveRiffAudioAction->setEnabled(false);
    audioPlayer->setFilterKnob(tabWidget->realTimeToolsTab->filterKnobWidget()->value());
    return 0;
}

int MainWindow::loadAudioFile(const QString& fn, DecodeError& error)
{
    DecodeHooks hooks;
    // The player lets go of the old buffers before they are freed.
    hooks.releasing = [this] { audioPlayer->forgetRecording(); };
    hooks.showText = [this](const QString& text) { waveBg->setProgressLabelText(text); };
    // The progress bar repaints and lets pending events run.
    hooks.progress = [this](int percent) { waveBg->progressBar->updatePercentage(float(percent)); };
    const int result = decodeRecording(fn, record, frameLimit, hooks, &error);
    if (result != DecodeOk) {
        waveBg->progressBar->updatePercentage(100.0f);
        waveBg->clearProgressLabel();
        return result;
    }

    audioPlayer->setPlaybackVars(record.leftData, record.rightData, record.channelCount, record.sampleCount,
                                 record.sampleRate);
    transportWidget->setSampleRate(record.sampleRate);
    // A new recording resets the player's isolation values; the knobs keep
    // showing theirs, so the player takes them again.
    const RealTimeToolsTab* tools = tabWidget->realTimeToolsTab;
    audioPlayer->setWidth(tools->widthKnobWidget()->value());
    audioPlayer->setSeparation(tools->separationKnobWidget()->value());
    audioPlayer->setAzimuth(tools->azimuthSlider()->value());
    audioPlayer->setFilterKnob(tools->filterKnobWidget()->value());
    return DecodeOk;
}

void MainWindow::loadOrAnalyse(const QString& fn)
{
    const AnalysisCache::RecordingSize size{record.sampleCount, record.sampleRate};
    AnalysisCache::Lists lists;
    const CacheReading::Found cache = CacheReading::find(saveLocation, fn, size, lists);
    // The cache stores the path the recording is known by, symlinks resolved.
    metaDataThread->setFileName(cache.cachePath, cache.audioPath, size);
    if (cache.status == AnalysisCache::ReadStatus::Ok
        && metaDataThread->metaData->setMetaDataFromFile(lists.data()))
        return;
    metaDataThread->initMonoData(record.leftData, record.rightData, record.sampleCount, record.isStereo,
                                 record.sampleRate);
    metaDataThread->start(QThread::InheritPriority);
    ProcessingLabel* processing = waveBg->plotter->processingLabel;
    processing->show();
    processing->dotTimer->start();
}

void MainWindow::setFileActionsForNoRecording()
{
    for (QAction* action : {saveSessionAsAction, saveSessionAction, saveAudioAction, saveAudioSelectionAction,
                            saveSongAudioAction, saveRiffAudioAction})
        action->setEnabled(false);
}

void MainWindow::encryptTBMFiles()
{
    const int converted = AnalysisCache::encryptPlainFiles(AnalysisCache::folder(saveLocation));
    if (converted > 0)
        qCInfo(lcShell) << "Scrambled" << converted << "plain analysis caches";
}
