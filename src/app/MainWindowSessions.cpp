// Sessions and audio export: the dialogs, the boxes and the busy flag
// around SessionWriter, SessionLoader and AudioExporter. Every slot returns
// at once while a recording opens (the load's opening takes the flag
// itself); the processed export holds the flag and swallows the user's
// input while it lets events run.
#include "MainWindow.h"

#include "AudioExporter.h"
#include "BeatSelection.h"
#include "InputBlocker.h"
#include "JamTab.h"
#include "MetaDataThread.h"
#include "Mp3Encoder.h"
#include "PathsManager.h"
#include "Plotter.h"
#include "RecentFiles.h"
#include "SessionLoader.h"
#include "SessionTargets.h"
#include "SessionWriter.h"
#include "TabButtons.h"
#include "TabWidget.h"
#include "WaveBg.h"

#include <QAction>
#include <QMenu>
#include <QStackedWidget>

// What the session code asks of the window.
class MainWindow::SessionPort final : public SessionShell
{
public:
    explicit SessionPort(MainWindow& window) : window_(window) { }

    QString audioFileName() const override { return window_.pathsManager->getFileName(); }
    bool recordingLoaded() const override { return window_.record.audioLoaded; }
    int frameCount() const override { return window_.record.audioLoaded ? window_.record.sampleCount : 0; }
    int currentTab() const override { return window_.tabWidget->pageStack->currentIndex(); }
    void setCurrentTab(int tab) override { window_.tabWidget->tabButtons->setCurrentTab(tab); }
    int openRecording(const QString& path) override { return window_.open(path, false); }
    void forgetOpenedRecent() override
    {
        // The opening put the recording at the top; the session goes there.
        const QList<QAction*> entries = window_.recentFilesMenu->actions();
        if (!entries.isEmpty() && entries.first() != window_.clearRecentAction
            && !entries.first()->isSeparator()) {
            window_.recentFilesMenu->removeAction(entries.first());
            delete entries.first();
        }
    }

private:
    MainWindow& window_;
};

namespace {

const char* const loadRefusal =
    QT_TRANSLATE_NOOP("MainWindow",
                      "Meta data extraction still running!<br />Please wait till processing is "
                      "finished<br />before loading a new session.");

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

SessionViews MainWindow::sessionViews() const
{
    return SessionViews{audioPlayer,          transportWidget,  waveBg, tabWidget->realTimeToolsTab,
                        tabWidget->chordsTab, tabWidget->jamTab};
}

ExportTargets MainWindow::exportTargets() const
{
    return ExportTargets{audioPlayer, waveBg, tabWidget->jamTab, tabWidget->realTimeToolsTab, pitchSync};
}

bool MainWindow::refuseWhileAnalysing(const char* text)
{
    if (!metaDataThread->isRunning())
        return false;
    dialogs->warning(this, tr("Cannot load file"), tr(text));
    return true;
}

void MainWindow::saveSessionFileAs()
{
    if (busy)
        return;
    if (refuseWhileAnalysing(QT_TR_NOOP("Meta data extraction still running!<br />Please wait till processing is "
                                        "finished<br />before creating a new session file.")))
        return;
    const QString proposal =
        SessionWriter::proposedName(pathsManager->getFileName(), pathsManager->getSessionPath());
    const QString chosen =
        dialogs->getSaveFileName(this, tr("Save Session As..."), proposal, tr("Tonbrook Session (*.tb)"), nullptr);
    if (chosen.isEmpty())
        return;
    // The name becomes the session's only once the session is there.
    const QString previous = pathsManager->getSessionFileName();
    pathsManager->setSessionFileName(SessionWriter::withSessionSuffix(chosen));
    if (!writeSession())
        pathsManager->setSessionFileName(previous);
}

void MainWindow::saveSessionFile()
{
    if (busy)
        return;
    writeSession();
}

bool MainWindow::writeSession()
{
    const QString path = pathsManager->getSessionFileName();
    if (path.isEmpty())
        return false;
    SessionPort port(*this);
    const SessionWriter::Result result = SessionWriter(sessionViews(), port).save(path);
    switch (result.status) {
    case SessionWriter::Status::Saved:
        saveSessionAction->setEnabled(true);
        return true;
    case SessionWriter::Status::NoAudioFile:
        return false;
    case SessionWriter::Status::ForbiddenCharacter:
        dialogs->warning(this, tr("Cannot save session"),
                         tr("The recording's path holds a character a session file cannot store:<br />%1<br />"
                            "Rename or move the recording, then save again.")
                             .arg(escaped(result.detail)));
        return false;
    case SessionWriter::Status::WriteFailed:
        dialogs->warning(this, tr("Cannot save session"),
                         tr("The session could not be written to<br />%1<br />%2<br />"
                            "A session already there is unchanged.")
                             .arg(escaped(path), escaped(result.detail)));
        return false;
    }
    return false;
}

void MainWindow::loadSession(bool useSessionFileName)
{
    if (busy || refuseWhileAnalysing(loadRefusal))
        return;
    const QString path = useSessionFileName
        ? pathsManager->getSessionFileName()
        : dialogs->getOpenFileName(this, tr("Load Session File"), pathsManager->getSessionPath(),
                                   tr("Tonbrook Session (*.tb)"));
    loadSessionFrom(path);
}

void MainWindow::openSessionFile(const QString& path)
{
    if (busy || refuseWhileAnalysing(loadRefusal))
        return;
    loadSessionFrom(path);
}

void MainWindow::loadSessionFrom(const QString& path)
{
    SessionPort port(*this);
    SessionLoader loader(sessionViews(), port);
    const SessionLoader::Status status = loader.load(path);
    // An empty path is a cancelled dialog. A stopped load has shown the
    // opening's own message.
    if (status == SessionLoader::Status::NotLoaded && !path.isEmpty())
        reportUnloadableSession(path, loader.readStatus());
    if (status != SessionLoader::Status::Completed)
        return;
    pathsManager->setSessionFileName(path);
    saveSessionAction->setEnabled(true);
    RecentFiles::addSessionFile(recentFilesMenu, clearRecentAction, path);
    recentFilesMenu->setEnabled(true);
    checkEnableAudioExport();
    // The recording was found elsewhere: the session names it from now on.
    if (audioRelocated)
        writeSession();
}

void MainWindow::reportUnloadableSession(const QString& path, session::ReadStatus why)
{
    const bool unreadable = why == session::ReadStatus::NotAFile || why == session::ReadStatus::Unreadable;
    const QString text = unreadable
        ? tr("The session file could not be read:<br />%1<br />Nothing was changed.")
        : tr("This file is not a session, or it is damaged:<br />%1<br />Nothing was changed.");
    dialogs->warning(this, tr("Cannot load session"), text.arg(escaped(path)));
}

void MainWindow::exportAudioMP3(bool selection)
{
    if (busy || !record.audioLoaded)
        return;
    const AudioExporter::Kind kind = selection ? AudioExporter::Kind::Selection : AudioExporter::Kind::Recording;
    const QString filter = Mp3Encoder::isAvailable() ? tr("MP3 (*.mp3);;WAV (*.wav)") : tr("WAV (*.wav)");
    QString selectedFilter;
    const QString chosen = dialogs->getSaveFileName(
        this, tr("Export Audio..."),
        AudioExporter::defaultName(kind, pathsManager->getSavePath(), pathsManager->getFileName()), filter,
        &selectedFilter);
    if (chosen.isEmpty())
        return;
    const AudioExporter::Target target = AudioExporter::target(kind, chosen, selectedFilter);
    AudioExporter::Result result;
    {
        // The render lets events run at every percent: nothing the user
        // does, and no entry a timer fires, may start anything meanwhile.
        BusyScope scope(busy);
        InputBlocker blocker;
        AudioExporter exporter(exportTargets(), record.sampleRate, record.sampleCount,
                               pathsManager->getFileName());
        result = exporter.exportProcessed(target, selection);
    }
    reportExport(target.path, result);
}

void MainWindow::exportSelection()
{
    exportAudioMP3(true);
}

void MainWindow::exportRiffWav()
{
    exportRender(AudioExporter::Kind::Riff, tr("Export riff wav..."));
}

void MainWindow::exportSongWav()
{
    exportRender(AudioExporter::Kind::Song, tr("Export song wav..."));
}

void MainWindow::exportRender(AudioExporter::Kind kind, const QString& title)
{
    if (busy || !record.audioLoaded)
        return;
    // Nothing to render: refused before any dialog.
    const AudioExporter::Status refusal = AudioExporter::renderRefusal(kind, exportTargets());
    if (refusal != AudioExporter::Status::Written) {
        reportExport(QString(), {refusal, QString()});
        return;
    }
    const QString chosen = dialogs->getSaveFileName(
        this, title, AudioExporter::defaultName(kind, pathsManager->getSavePath(), pathsManager->getFileName()),
        QStringLiteral("wav (*.wav)"), nullptr);
    if (chosen.isEmpty())
        return;
    const QString path = AudioExporter::target(kind, chosen, QString()).path;
    AudioExporter::Result result;
    {
        BusyScope scope(busy);
        AudioExporter exporter(exportTargets(), record.sampleRate, record.sampleCount,
                               pathsManager->getFileName());
        result = kind == AudioExporter::Kind::Riff ? exporter.exportRiff(path) : exporter.exportSong(path);
    }
    reportExport(path, result);
}

void MainWindow::reportExport(const QString& path, const AudioExporter::Result& result)
{
    switch (result.status) {
    case AudioExporter::Status::Written:
        return;
    case AudioExporter::Status::EmptyRiff:
        dialogs->information(this, tr("Cannot export riff"),
                             tr("Riff %1 holds no steps.<br />Add steps to it in the jam tab first.")
                                 .arg(QChar('A' + tabWidget->jamTab->currentRiff())));
        return;
    case AudioExporter::Status::EmptySong:
        dialogs->information(this, tr("Cannot export song"),
                             tr("The song holds no riff.<br />Choose riffs for its slots in the jam tab first."));
        return;
    case AudioExporter::Status::Failed:
        dialogs->warning(
            this, tr("Cannot save audio"),
            tr("The audio could not be saved to<br />%1<br />%2").arg(escaped(path), escaped(result.message)));
        return;
    }
}

void MainWindow::checkEnableAudioExport()
{
    int lengths[Plotter::riffCount];
    for (int r = 0; r < Plotter::riffCount; ++r)
        lengths[r] = waveBg->plotter->beatSelections[r]->getLoopLength();
    const bool enabled = AudioExporter::riffExportEnabled(lengths);
    saveRiffAudioAction->setEnabled(enabled);
    saveSongAudioAction->setEnabled(enabled);
}

void MainWindow::enableSelectionExport(bool enable)
{
    saveAudioSelectionAction->setEnabled(enable);
}
