// The application's one top-level window and its controller: it owns the
// output layer, the player, the analysis thread and the decoded recording,
// builds the views, the actions and the menus, joins every component
// (initConnections) and opens recordings from every way in.
//
// Split by job over several files: MainWindow.cpp (construction, layout,
// closing), MainWindowMenus.cpp (actions, menus, the small slots),
// MainWindowWiring.cpp (the central wiring), MainWindowOpen.cpp (the open
// road, decoding, the analysis cache), MainWindowEntries.cpp (command line,
// open-file events, drops, CD tracks, recent files), MainWindowSettings.cpp
// (the settings store), MainWindowShortcuts.cpp (the keyboard shortcuts) and
// MainWindowSessions.cpp (the session and export slots).
//
// Re-entry: decoding and drawing let pending events run, so a user can
// reach any entry while a recording opens. One busy flag, held for the
// whole of open(), makes every entry return at once meanwhile.
#pragma once

#include "AudioExporter.h"
#include "RecordingDecoding.h"
#include "ShellDialogs.h"
#include "ShortcutActions.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <functional>
#include <memory>

struct FileRoute;
struct SessionViews;
namespace session {
enum class ReadStatus;
}
class AudioOutput;
class AudioPlayer;
class MetaDataThread;
class PathsManager;
class PitchSyncWidget;
class PreferencesMenu;
class SingleInstance;
class TabWidget;
class TransportWidget;
class WaveBg;
class QAction;
class QActionGroup;
class QMenu;
class QTimer;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    // Closes the player (waiting for its thread), waits for a running
    // analysis, then deletes the player, the analysis thread and the output
    // layer, in that order.
    ~MainWindow() override;

    // The content area below the menu bar, fixed whatever the platform.
    static constexpr int contentWidth = 1000;
    static constexpr int contentHeight = 674;
    // The About box and the settings name it.
    static constexpr const char* versionText = "1.6.3.0";

    // Seams for tests: the dialogs and boxes, the frame limit of a decode
    // and the folders searched for CD tracks.
    void setDialogs(std::unique_ptr<ShellDialogs> dialogs);
    void setFrameLimit(std::int64_t frames) { frameLimit = frames; }
    void setCdRoots(std::function<QStringList()> roots) { cdRoots = std::move(roots); }

    // A recording is being opened: every entry returns at once.
    bool isBusy() const { return busy; }

    // Takes the requests of later starts from instance, which outlives the
    // window; closing the window lets go of it, so that a relaunch runs.
    void listenTo(SingleInstance* instance);
    // A later start's request: the window comes to the front, and the file
    // opens by the road of an open-file event (the same busy rules); a
    // name no way in takes gets the command line's box.
    void takeHandOver(const FileRoute& route);

    // What tests and the benchmark look at.
    const DecodedRecording& recording() const { return record; }
    bool isAudioRelocated() const { return audioRelocated; }
    AudioPlayer* player() const { return audioPlayer; }
    WaveBg* waveArea() const { return waveBg; }
    TabWidget* tabArea() const { return tabWidget; }
    TransportWidget* transport() const { return transportWidget; }
    PitchSyncWidget* pitchModel() const { return pitchSync; }
    MetaDataThread* analysisThread() const { return metaDataThread; }
    PathsManager* paths() const { return pathsManager; }
    PreferencesMenu* preferences() const { return preferencesMenu; }

public slots:
    // The one road by which a recording is loaded: 0 loaded, 1 nothing
    // opened (busy, cancelled, declined), -1 decoding failed.
    int open(QString fn, bool isCDTrack);
    int open(const QString& fn) { return open(fn, false); }
    int open() { return open(QString(), false); }

    // The session road for a path from a way in (command line, open-file
    // event, drop, recent files). It names the session only once loaded.
    void openSessionFile(const QString& path);

    void writeSettings();

    // Takes over the shortcut editor's current QShortcut objects and joins
    // each, by its name, to what its action does.
    void initShortcuts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void delayedLoad();
    void openCD();
    void loadRecent(QAction* recent);
    void clearRecent();

    void checkSongLoopLength();
    void jamTabPowerPressed(bool power);
    void recalculateChords(QVector<QVector<int>> chords);
    void viewOnlineDocs();
    void about();
    void toggleLoop();
    void toggleScroll();
    void toggleTempo();
    void toggleIsolate();
    void togglePitch();
    void playStop();
    void playFromSelectionStart();
    void pause();

    // Sessions and export (MainWindowSessions.cpp).
    void saveSessionFileAs();
    void saveSessionFile();
    void loadSession(bool useSessionFileName);
    void loadSession() { loadSession(false); }
    void exportAudioMP3(bool selection);
    void exportAudioMP3() { exportAudioMP3(false); }
    void exportSelection();
    void exportRiffWav();
    void exportSongWav();
    void checkEnableAudioExport();
    void enableSelectionExport(bool enable);

private:
    // The wiring test checks every connection by the private slots' names.
    friend class WiringProbe;

    // Holds the busy flag for one entry's run.
    class BusyScope
    {
    public:
        explicit BusyScope(bool& flag) : m_flag(flag) { m_flag = true; }
        ~BusyScope() { m_flag = false; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        bool& m_flag;
    };

    void startTonbrook();
    void initWidgets();
    void initLayout();
    void initActions();
    void initMenus();
    void initConnections();
    void readSettings();
    void encryptTBMFiles();
    // One keyboard shortcut's action. Nothing while a recording opens;
    // saving acts only while its menu action is enabled.
    void runShortcut(ShortcutActions::Id action);
    // Places the window at the stored position when the screens are the
    // ones it was stored with, else at (0, 0).
    void restorePosition(const QPoint& stored, int storedScreenCount);
    void latchPlayToggle();

    // Sessions and export (MainWindowSessions.cpp).
    class SessionPort; // the window's services to the session loader and writer
    SessionViews sessionViews() const;
    ExportTargets exportTargets() const;
    // Loads path; the session is named only once the load completed.
    void loadSessionFrom(const QString& path);
    // The box for a session file that could not be read or is none.
    void reportUnloadableSession(const QString& path, session::ReadStatus why);
    // The warning the session slots show while an analysis runs.
    // text: a source text, translated here.
    bool refuseWhileAnalysing(const char* text);
    // Writes the session to its name: true once written; failures are
    // shown.
    bool writeSession();
    // The riff or the song as WAV: the refusal, the dialog, the render.
    void exportRender(AudioExporter::Kind kind, const QString& title);
    void reportExport(const QString& path, const AudioExporter::Result& result);

    // Decodes fn into the record and hands it to the player: 0, or the
    // negative code of decodeRecording with the decoder's reason in error.
    int loadAudioFile(const QString& fn, DecodeError& error);
    // The analysis from the cache when it belongs to fn, else a run.
    void loadOrAnalyse(const QString& fn);
    void setFileActionsForNoRecording();
    void shutDown();

    QString baseTitle = QStringLiteral("Tonbrook");
    TabWidget* tabWidget = nullptr;
    TransportWidget* transportWidget = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* optionsMenu = nullptr;
    QMenu* recentFilesMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* openCDAction = nullptr;
    QAction* saveSessionAsAction = nullptr;
    QAction* saveSessionAction = nullptr;
    QAction* loadSessionAction = nullptr;
    QAction* saveAudioSelectionAction = nullptr;
    QAction* saveAudioAction = nullptr;
    QAction* saveSongAudioAction = nullptr;
    QAction* saveRiffAudioAction = nullptr;
    QAction* audioDeviceAction = nullptr;
    QAction* defaultFoldersAction = nullptr;
    QAction* shortcutsAction = nullptr;
    QAction* languageAction = nullptr;
    QAction* viewHelpAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* clearRecentAction = nullptr;
    QActionGroup* preferencesGroup = nullptr;

    // The recording; lent to the player, the waveform and the analysis.
    DecodedRecording record;
    // Outlives the player, which streams into it.
    std::unique_ptr<AudioOutput> audioOutput;
    AudioPlayer* audioPlayer = nullptr;
    WaveBg* waveBg = nullptr;
    MetaDataThread* metaDataThread = nullptr;
    bool audioRelocated = false;
    PitchSyncWidget* pitchSync = nullptr;
    PathsManager* pathsManager = nullptr;
    // No Qt parent (a window of its own); deleted with the window.
    PreferencesMenu* preferencesMenu = nullptr;
    QTimer* startupTimer = nullptr;

    std::unique_ptr<ShellDialogs> dialogs;
    std::int64_t frameLimit;
    std::function<QStringList()> cdRoots;
    SingleInstance* singleInstance = nullptr;
    bool busy = false;
};
