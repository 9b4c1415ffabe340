// The main window's session and export slots: dialogs, names, boxes, the
// recent-files menu, the actions they enable, the busy flag and the input
// blocker around the processed export.
#include "ShellTestSupport.h"

#include "HostileSessions.h"

#include "AudioPlayer.h"
#include "BeatSelection.h"
#include "CustomButton.h"
#include "JamTab.h"
#include "MetaDataThread.h"
#include "MouseEvents.h"
#include "Mp3Encoder.h"
#include "PathsManager.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "SessionFormat.h"
#include "SessionTestSupport.h"
#include "SessionValidator.h"
#include "SongStep.h"
#include "TabButtons.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include "RowName.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStackedWidget>

#include <functional>
#include <vector>

namespace {

using shell_test::ShellTest;

constexpr int analysisTimeoutMs = 60000;

QAction* fileAction(MainWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->actions().at(0)->menu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

QStringList recentTexts(MainWindow& window)
{
    QStringList texts;
    for (QMenu* menu : window.findChildren<QMenu*>())
        if (menu->title() == QStringLiteral("Recent files")
            || menu->objectName() == QStringLiteral("recentFilesMenu"))
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    texts << action->text();
    return texts;
}

void invoke(MainWindow& window, const char* slot)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(&window, slot)) << slot;
}

class SessionSlots : public ShellTest
{
protected:
    // A recording opened and analysed (its cache written).
    QString openAnalysed(const QString& name = QStringLiteral("My Song.wav"))
    {
        QString path = writeSong(name, 8);
        if (!window)
            makeWindow();
        EXPECT_EQ(window->open(path, false), 0);
        EXPECT_TRUE(window->analysisThread()->wait(analysisTimeoutMs));
        QCoreApplication::processEvents();
        return path;
    }

    QString sessionFolder() const { return window->paths()->getSessionPath(); }
    QString sessionName() const { return window->paths()->getSessionFileName(); }
    JamTab* jam() const { return window->tabArea()->jamTab; }
    Plotter* plotter() const { return window->waveArea()->plotter; }
};

// ---- Saving ------------------------------------------------------------------------

TEST_F(SessionSlots, SaveAsProposesTheRecordingsNameAndNamesTheSession)
{
    openAnalysed();
    QAction* save = fileAction(*window, "&Save Session");
    ASSERT_FALSE(save->isEnabled());
    dialogs->saveNames = {sessionFolder() + "/My Song"};
    invoke(*window, "saveSessionFileAs");

    EXPECT_EQ(dialogs->log.last(), "save:Save Session As...");
    EXPECT_EQ(dialogs->startPaths.last(), sessionFolder() + "/My Song");
    EXPECT_EQ(dialogs->filters.last(), "Tonbrook Session (*.tb)");
    EXPECT_EQ(sessionName(), sessionFolder() + "/My Song.tb");
    EXPECT_TRUE(save->isEnabled());
    const auto report =
        sessioncheck::validate(sessiontest::fileBytes(sessionName()), {window->recording().sampleCount});
    EXPECT_TRUE(report.clean()) << report.toString().toStdString();
}

TEST_F(SessionSlots, SaveAsIsRefusedWhileTheAnalysisRuns)
{
    const QString path = writeSong("song.wav", 8);
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    ASSERT_TRUE(window->analysisThread()->isRunning());
    invoke(*window, "saveSessionFileAs");
    EXPECT_EQ(dialogs->log.last(),
              "warning:Cannot load file:Meta data extraction still running!<br />Please wait till "
              "processing is finished<br />before creating a new session file.");
    window->analysisThread()->wait(analysisTimeoutMs);
}

TEST_F(SessionSlots, FailedSaveShowsWhyAndKeepsTheNameAndTheAction)
{
    openAnalysed();
    dialogs->saveNames = {sessionFolder() + "/kept"};
    invoke(*window, "saveSessionFileAs");
    ASSERT_EQ(sessionName(), sessionFolder() + "/kept.tb");
    const QByteArray before = sessiontest::fileBytes(sessionName());

    // Save As into a folder that is not there: a box, the name stays.
    dialogs->saveNames = {temp.filePath("gone/new")};
    invoke(*window, "saveSessionFileAs");
    EXPECT_TRUE(dialogs->log.last().startsWith("warning:Cannot save session:The session could not be written to"))
        << dialogs->log.last().toStdString();
    EXPECT_EQ(sessionName(), sessionFolder() + "/kept.tb");
    EXPECT_FALSE(QFile::exists(temp.filePath("gone/new.tb")));

    // Opening a file disables "&Save Session"; a failing save leaves it so.
    openAnalysed("other.wav");
    QAction* save = fileAction(*window, "&Save Session");
    ASSERT_FALSE(save->isEnabled());
    window->paths()->setSessionFileName(temp.filePath("gone/s.tb"));
    invoke(*window, "saveSessionFile");
    EXPECT_TRUE(dialogs->log.last().startsWith("warning:Cannot save session"))
        << dialogs->log.last().toStdString();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_EQ(sessiontest::fileBytes(sessionFolder() + "/kept.tb"), before);
}

TEST_F(SessionSlots, RecordingPathXmlCannotCarryIsRefusedWithABox)
{
    const QString path = openAnalysed(QStringLiteral("bad\x01name.wav"));
    ASSERT_EQ(window->paths()->getFileName(), path);
    window->paths()->setSessionFileName(sessionFolder() + "/s.tb");
    invoke(*window, "saveSessionFile");
    EXPECT_TRUE(dialogs->log.last().startsWith("warning:Cannot save session:The recording's path holds"))
        << dialogs->log.last().toStdString();
    EXPECT_FALSE(QFile::exists(sessionFolder() + "/s.tb"));
}

// ---- Loading -----------------------------------------------------------------------

TEST_F(SessionSlots, LoadDialogStartsAtTheSessionFolder)
{
    makeWindow();
    dialogs->files = {""};
    invoke(*window, "loadSession");
    EXPECT_EQ(dialogs->log, QStringList{"file:Load Session File"});
    EXPECT_EQ(dialogs->startPaths.last(), sessionFolder());
    EXPECT_EQ(dialogs->filters.last(), "Tonbrook Session (*.tb)");
}

TEST_F(SessionSlots, CompletedLoadNamesTheSessionAndListsItInsteadOfItsRecording)
{
    const QString recording = openAnalysed();
    const QString session = sessionFolder() + "/a.tb";
    dialogs->saveNames = {session};
    invoke(*window, "saveSessionFileAs");
    // Another window opens the session: its recording is opened for it.
    window.reset();
    makeWindow();
    dialogs->files = {session};
    invoke(*window, "loadSession");
    window->analysisThread()->wait(analysisTimeoutMs);
    QCoreApplication::processEvents();

    EXPECT_EQ(sessionName(), session);
    EXPECT_EQ(window->paths()->getFileName(), recording);
    EXPECT_TRUE(fileAction(*window, "&Save Session")->isEnabled());
    const QStringList recent = recentTexts(*window);
    ASSERT_FALSE(recent.isEmpty());
    EXPECT_EQ(recent.first(), session);
    EXPECT_FALSE(recent.contains(recording)) << recent.join(", ").toStdString();
}

struct StoppedCase
{
    const char* name;
    QByteArray document; // "$bad" names a file that is no audio
    std::deque<QMessageBox::StandardButton> answers;
};

class StoppedLoad : public SessionSlots, public ::testing::WithParamInterface<StoppedCase>
{
};

TEST_P(StoppedLoad, KeepsThePreviousSessionName)
{
    const StoppedCase& c = GetParam();
    const QString recording = openAnalysed();
    window->paths()->setSessionFileName(sessionFolder() + "/previous.tb");
    const QString path = temp.filePath("new.tb");
    const QString bad = temp.filePath("notaudio.wav");
    ASSERT_TRUE(sessiontest::writeBytes(bad, QByteArray(100000, 'x')));
    ASSERT_TRUE(sessiontest::writeBytes(path, QByteArray(c.document).replace("$bad", bad.toUtf8())));
    dialogs->files = {path};
    dialogs->answers.assign(c.answers.begin(), c.answers.end());
    invoke(*window, "loadSession");
    EXPECT_EQ(sessionName(), sessionFolder() + "/previous.tb");
    EXPECT_FALSE(fileAction(*window, "&Save Session")->isEnabled());
    EXPECT_EQ(window->paths()->getFileName(), recording);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoppedLoad,
    ::testing::Values(StoppedCase{"missing_recording_not_located",
                                  "<!DOCTYPE TBXML><tbxml><fileName>/nowhere/x.wav</fileName></tbxml>",
                                  {QMessageBox::Cancel}},
                      StoppedCase{
                          "undecodable_recording", "<!DOCTYPE TBXML><tbxml><fileName>$bad</fileName></tbxml>", {}},
                      StoppedCase{"not_a_session", "<!DOCTYPE TBXML><TBXML/>", {}},
                      StoppedCase{"not_xml", "RIFF", {}}),
    RowName());

struct UnloadableCase
{
    const char* name;
    // Makes the file to load in the folder given; returns its path.
    std::function<QString(const QDir&)> make;
    const char* text; // the box's text before the path
};

class UnloadableSession : public SessionSlots, public ::testing::WithParamInterface<UnloadableCase>
{
};

TEST_P(UnloadableSession, ShowsWhyAndChangesNothing)
{
    const UnloadableCase& c = GetParam();
    const QString recording = openAnalysed();
    window->paths()->setSessionFileName(sessionFolder() + "/previous.tb");
    window->transport()->loopButton->latch();
    window->tabArea()->tabButtons->showChordViewer();
    const QString path = c.make(QDir(temp.path()));
    const int boxes = dialogs->log.size();

    window->openSessionFile(path);

    ASSERT_EQ(dialogs->log.size(), boxes + 1);
    EXPECT_EQ(dialogs->log.last(),
              QString("warning:Cannot load session:%1<br />%2<br />Nothing was changed.")
                  .arg(QString::fromLatin1(c.text), path.toHtmlEscaped()));
    EXPECT_EQ(sessionName(), sessionFolder() + "/previous.tb");
    EXPECT_EQ(window->paths()->getFileName(), recording);
    EXPECT_TRUE(window->player()->isLooping());
    EXPECT_EQ(window->tabArea()->pageStack->currentIndex(), 2);
}

const char* const unreadableText = "The session file could not be read:";
const char* const notASessionText = "This file is not a session, or it is damaged:";

QString written(const QDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(sessiontest::writeBytes(path, bytes));
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnloadableSession,
    ::testing::Values(
        UnloadableCase{"missing", [](const QDir& dir) { return dir.filePath("gone & lost.tb"); }, unreadableText},
        UnloadableCase{"folder",
                       [](const QDir& dir) {
                           dir.mkpath("folder.tb");
                           return dir.filePath("folder.tb");
                       },
                       unreadableText},
        UnloadableCase{"not_xml", [](const QDir& dir) { return written(dir, "riff.tb", "RIFF....WAVEfmt "); },
                       notASessionText},
        UnloadableCase{"cut_short",
                       [](const QDir& dir) {
                           return written(dir, "cut.tb", "<!DOCTYPE TBXML><tbxml><looped>0</looped><riffsT");
                       },
                       notASessionText},
        UnloadableCase{"other_root",
                       [](const QDir& dir) { return written(dir, "other.tb", "<!DOCTYPE TBXML><TBXML/>"); },
                       notASessionText},
        UnloadableCase{"too_large",
                       [](const QDir& dir) {
                           return written(dir, "large.tb", QByteArray(int(session::maxFileBytes) + 1, ' '));
                       },
                       notASessionText},
        // Entities would expand to gigabytes: refused unread.
        UnloadableCase{"entity_used_once",
                       [](const QDir& dir) { return written(dir, "once.tb", hostile::entityReferences(10, 1)); },
                       notASessionText},
        UnloadableCase{
            "entity_used_300000_times",
            [](const QDir& dir) { return written(dir, "many.tb", hostile::entityReferences(4097, 300000)); },
            notASessionText},
        UnloadableCase{"entities_nested",
                       [](const QDir& dir) { return written(dir, "nested.tb", hostile::nestedEntities()); },
                       notASessionText}),
    RowName());

// Markup declarations a reader would expand, and attributes, namespaces
// or nodes it would count for seconds: refused like any damaged file.
std::vector<UnloadableCase> hostileCases()
{
    std::vector<UnloadableCase> cases;
    for (const hostile::Session& session : hostile::sessions()) {
        const auto make = session.make;
        cases.push_back({session.name, [make](const QDir& dir) { return written(dir, "hostile.tb", make()); },
                         notASessionText});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Hostile, UnloadableSession, ::testing::ValuesIn(hostileCases()), RowName());

TEST_F(SessionSlots, StoredSessionFilesStillLoad)
{
    const QString recording = openAnalysed();
    const QDir data(QStringLiteral(SESSION_TEST_DATA));
    const QStringList names = data.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        // Over the recording open here, whatever the file names.
        QByteArray bytes = sessiontest::fileBytes(data.filePath(name));
        const QString named = sessiontest::leafAt(bytes, "fileName");
        bytes.replace("<fileName>" + named.toHtmlEscaped().toUtf8() + "</fileName>",
                      "<fileName>" + recording.toHtmlEscaped().toUtf8() + "</fileName>");
        const QString path = temp.filePath(name);
        ASSERT_TRUE(sessiontest::writeBytes(path, bytes));
        const QStringList boxes = dialogs->log;
        window->openSessionFile(path);
        EXPECT_EQ(dialogs->log, boxes) << name.toStdString();
        EXPECT_EQ(sessionName(), path) << name.toStdString();
        EXPECT_EQ(window->paths()->getFileName(), recording) << name.toStdString();
    }
}

TEST_F(SessionSlots, RelocatedRecordingIsWrittenBackIntoTheSession)
{
    const QString recording = openAnalysed();
    const QString session = temp.filePath("moved.tb");
    ASSERT_TRUE(sessiontest::writeBytes(
        session, "<!DOCTYPE TBXML><tbxml><fileName>/old/place/My Song.wav</fileName><looped>1</looped></tbxml>"));
    dialogs->answers = {QMessageBox::Ok};
    dialogs->files = {recording};
    window->openSessionFile(session);
    window->analysisThread()->wait(analysisTimeoutMs);
    QCoreApplication::processEvents();

    EXPECT_EQ(sessionName(), session);
    EXPECT_EQ(sessiontest::leafAt(sessiontest::fileBytes(session), "fileName"), recording);
    EXPECT_EQ(sessiontest::leafAt(sessiontest::fileBytes(session), "looped"), "1");
}

TEST_F(SessionSlots, LoadIsRefusedWhileTheAnalysisRuns)
{
    const QString path = writeSong("song.wav", 8);
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    ASSERT_TRUE(window->analysisThread()->isRunning());
    window->openSessionFile(temp.filePath("any.tb"));
    EXPECT_TRUE(dialogs->log.last().endsWith("before loading a new session."));
    window->analysisThread()->wait(analysisTimeoutMs);
}

// ---- Export ------------------------------------------------------------------------

struct FilterCase
{
    const char* name;
    const char* chosen;
    const char* filter;
    const char* written;
    bool needsEncoder;
};

class ExportSlotFormats : public SessionSlots, public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P(ExportSlotFormats, FormatAndSuffixFromTheSelectedFilter)
{
    const FilterCase& c = GetParam();
    if (c.needsEncoder && !Mp3Encoder::isAvailable())
        GTEST_SKIP() << "no MP3 encoder installed";
    openAnalysed();
    dialogs->saveNames = {temp.filePath(c.chosen)};
    dialogs->saveFilters = {c.filter};
    invoke(*window, "exportAudioMP3");
    EXPECT_EQ(dialogs->log.last(), "save:Export Audio...");
    EXPECT_EQ(dialogs->startPaths.last(), window->paths()->getSavePath() + "/songs/My Song_PROCESSED");
    EXPECT_EQ(dialogs->filters.last(), Mp3Encoder::isAvailable() ? "MP3 (*.mp3);;WAV (*.wav)" : "WAV (*.wav)");
    EXPECT_TRUE(QFile::exists(temp.filePath(c.written))) << c.written;
    EXPECT_FALSE(window->isBusy());
}

INSTANTIATE_TEST_SUITE_P(Table, ExportSlotFormats,
                         ::testing::Values(FilterCase{"wav_filter", "take", "WAV (*.wav)", "take.wav", false},
                                           FilterCase{"mp3_filter", "take", "MP3 (*.mp3)", "take.mp3", true},
                                           FilterCase{"typed_wav_wins", "take.wav", "MP3 (*.mp3)", "take.wav",
                                                      false}),
                         RowName());

TEST_F(SessionSlots, FailedExportShowsTheWritersMessageAndWritesNothing)
{
    openAnalysed();
    dialogs->saveNames = {temp.filePath("gone/take.wav")};
    dialogs->saveFilters = {"WAV (*.wav)"};
    invoke(*window, "exportAudioMP3");
    EXPECT_TRUE(dialogs->log.last().startsWith("warning:Cannot save audio:The audio could not be saved to"))
        << dialogs->log.last().toStdString();
    EXPECT_FALSE(QDir(temp.filePath("gone")).exists());
    EXPECT_TRUE(plotter()->isVisible());
}

TEST_F(SessionSlots, EmptyRiffAndSongAreRefusedBeforeAnyDialog)
{
    openAnalysed();
    invoke(*window, "exportRiffWav");
    invoke(*window, "exportSongWav");
    EXPECT_EQ(
        dialogs->log,
        QStringList({"information:Cannot export riff:Riff A holds no steps.<br />Add steps to it in the jam tab "
                     "first.",
                     "information:Cannot export song:The song holds no riff.<br />Choose riffs for its slots in "
                     "the jam tab first."}));
}

TEST_F(SessionSlots, RiffAndSongExportsWriteWavFilesAndEnableWithTheRiffs)
{
    openAnalysed();
    QAction* riffAction = fileAction(*window, "Save Riff Audio...");
    QAction* songAction = fileAction(*window, "Save Song Audio...");
    EXPECT_FALSE(riffAction->isEnabled());
    EXPECT_FALSE(songAction->isEnabled());

    // Riff A grows to three steps (the ruler's extension), the song plays it.
    BeatSelection* riffA = plotter()->beatSelections[0];
    riffA->setArmedStep(0, 2);
    riffA->lockSelection();
    riffA->extendLoopLength(2);
    ASSERT_GE(riffA->getLoopLength(), 0);
    EXPECT_TRUE(riffAction->isEnabled());
    EXPECT_TRUE(songAction->isEnabled());
    jam()->songStep->initFromSession({"-1", "0"});

    dialogs->saveNames = {temp.filePath("riff"), temp.filePath("song")};
    invoke(*window, "exportRiffWav");
    invoke(*window, "exportSongWav");
    EXPECT_EQ(dialogs->log, QStringList({"save:Export riff wav...", "save:Export song wav..."}));
    EXPECT_GT(QFileInfo(temp.filePath("riff.wav")).size(), 44);
    EXPECT_GT(QFileInfo(temp.filePath("song.wav")).size(), 44);
    EXPECT_EQ(dialogs->startPaths.first(), window->paths()->getSavePath() + "/My Song_RIFF_EDIT");
    EXPECT_FALSE(window->player()->isPlaying());

    // A session without riffs turns both off again.
    const QString empty = temp.filePath("empty.tb");
    ASSERT_TRUE(sessiontest::writeBytes(empty, "<!DOCTYPE TBXML><tbxml/>"));
    window->openSessionFile(empty);
    EXPECT_FALSE(riffAction->isEnabled());
    EXPECT_FALSE(songAction->isEnabled());
}

TEST_F(SessionSlots, InputAndEntriesDuringTheProcessedExportStartNothing)
{
    const QString recording = openAnalysed();
    const QString other = writeRecording("other.wav");
    const QStringList logBefore = dialogs->log;
    TransportWidget* transport = window->transport();
    int fired = 0;
    // Runs inside the export, from the progress bar's event processing.
    QTimer::singleShot(0, [&] {
        ++fired;
        press(transport->playButton, QPoint(5, 5), Qt::LeftButton);
        release(transport->playButton, QPoint(5, 5), Qt::LeftButton);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &space);
        EXPECT_EQ(window->open(other, false), 1);
        for (const char* slot : {"loadSession", "exportAudioMP3", "exportSelection", "exportRiffWav",
                                 "exportSongWav", "saveSessionFileAs", "saveSessionFile"})
            QMetaObject::invokeMethod(window.get(), slot);
        window->openSessionFile(temp.filePath("any.tb"));
        EXPECT_FALSE(window->close());
    });
    dialogs->saveNames = {temp.filePath("take")};
    dialogs->saveFilters = {"WAV (*.wav)"};
    invoke(*window, "exportAudioMP3");

    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(window->player()->isPlaying());
    EXPECT_EQ(window->paths()->getFileName(), recording);
    EXPECT_EQ(dialogs->log, logBefore + QStringList{"save:Export Audio..."});
    EXPECT_TRUE(QFile::exists(temp.filePath("take.wav")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isBusy());
}

} // namespace
