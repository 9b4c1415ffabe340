// The ways in besides the open dialog, and the busy flag that keeps every
// entry out while a recording opens.
#include "ShellTestSupport.h"

#include "AudioPlayer.h"
#include "FileNameCodec.h"
#include "FileRoutes.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "RowName.h"
#include "SingleInstance.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileOpenEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using shell_test::ShellTest;

QMenu* recentMenu(MainWindow& window)
{
    for (QAction* action : window.menuBar()->actions().at(0)->menu()->actions()) {
        if (action->menu())
            return action->menu();
    }
    return nullptr;
}

QStringList recentTexts(MainWindow& window)
{
    QStringList texts;
    for (QAction* action : recentMenu(window)->actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

void drop(MainWindow& window, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    QDropEvent event(QPointF(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

bool dragAccepted(MainWindow& window, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent event(QPoint(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    QApplication::sendEvent(&window, &event);
    return event.isAccepted();
}

TEST_F(ShellTest, EveryEntryFiredWhileARecordingOpensStartsNothing)
{
    const QString first = writeRecording("first.wav", 441000);
    const QString second = writeRecording("second.wav");
    makeWindow();
    QAction* recentEntry = new QAction(second, recentMenu(*window));
    recentMenu(*window)->insertAction(recentMenu(*window)->actions().first(), recentEntry);
    const QStringList recentBefore = recentTexts(*window);

    int reached = 0;
    QStringList results;
    // Runs inside the decode's first progress call, which lets events run.
    QTimer::singleShot(0, window.get(), [&] {
        ++reached;
        EXPECT_TRUE(window->isBusy());
        results << QString::number(window->open(second, false)) << QString::number(window->open());
        drop(*window, {QUrl::fromLocalFile(second)});
        QFileOpenEvent fileOpen(second);
        QApplication::sendEvent(qApp, &fileOpen);
        window->takeHandOver({FileKind::Audio, second});
        window->takeHandOver({FileKind::Refused, temp.filePath("notes.txt")});
        recentEntry->trigger();
        for (const char* slot : {"delayedLoad", "openCD", "clearRecent", "playStop", "pause",
                                 "playFromSelectionStart", "saveSessionFileAs", "saveSessionFile", "loadSession",
                                 "exportAudioMP3", "exportSelection", "exportRiffWav", "exportSongWav"})
            EXPECT_TRUE(QMetaObject::invokeMethod(window.get(), slot)) << slot;
        EXPECT_TRUE(QMetaObject::invokeMethod(
            window.get(), "recalculateChords",
            Q_ARG(QVector<QVector<int>>, QVector<QVector<int>>(12, QVector<int>(7, 1)))));
        EXPECT_FALSE(window->player()->isPlaying());
        EXPECT_FALSE(window->analysisThread()->isRunning());
    });
    ASSERT_EQ(window->open(first, false), 0);
    window->analysisThread()->wait();
    QCoreApplication::processEvents();

    EXPECT_EQ(reached, 1);
    EXPECT_EQ(results, (QStringList{"1", "1"})) << "open refuses without a box";
    EXPECT_TRUE(dialogs->log.isEmpty()) << dialogs->log.join("\n").toStdString();
    EXPECT_EQ(window->paths()->getFileName(), first);
    EXPECT_EQ(window->recording().sampleCount, 441000);
    EXPECT_EQ(recentTexts(*window), QStringList{first} + recentBefore) << "no clearing, no second entry";
    EXPECT_FALSE(window->isBusy());
}

TEST_F(ShellTest, ADropOpensEachFileInTurnAndTheAnalysisRefusesTheSecond)
{
    const QString first = writeRecording("FIRST.WAV");
    const QString second = writeRecording("second.wav");
    makeWindow();
    EXPECT_FALSE(dragAccepted(*window, {QUrl::fromLocalFile(temp.filePath("notes.txt"))}));
    EXPECT_FALSE(dragAccepted(*window, {QUrl::fromLocalFile(temp.filePath("song.tbm"))}));
    EXPECT_TRUE(
        dragAccepted(*window, {QUrl::fromLocalFile(temp.filePath("notes.txt")), QUrl::fromLocalFile(first)}));

    drop(*window,
         {QUrl::fromLocalFile(temp.filePath("notes.txt")), QUrl::fromLocalFile(first),
          QUrl::fromLocalFile(second)});
    window->analysisThread()->wait();
    EXPECT_EQ(window->paths()->getFileName(), first) << "opened as dropped, capitals and all";
    ASSERT_EQ(dialogs->log.size(), 1);
    EXPECT_TRUE(dialogs->log.at(0).startsWith("warning:Cannot load file:Meta data extraction still running!"));
}

TEST_F(ShellTest, AnOpenFileEventOpensTheRecordingAndGoesOnToItsReceiver)
{
    const QString path = writeRecording("song.wav");
    makeWindow();
    QFileOpenEvent event(path);
    QApplication::sendEvent(qApp, &event);
    window->analysisThread()->wait();
    EXPECT_EQ(window->paths()->getFileName(), path);
}

TEST_F(ShellTest, AHandedOverRequestRaisesTheWindowAndOpensAsAnOpenFileEvent)
{
    const QString song = writeRecording("SONG.WAV");
    const QString session = temp.filePath("practice.tb");
    QFile file(session);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("<!DOCTYPE TBXML><tbxml><fileName>" + song + "</fileName><looped>1</looped></tbxml>").toUtf8());
    file.close();
    makeWindow();

    window->showMinimized();
    window->takeHandOver({FileKind::Refused, QString()});
    EXPECT_FALSE(window->isMinimized()) << "nothing named: only to the front";
    EXPECT_TRUE(dialogs->log.isEmpty());

    window->showMinimized();
    window->takeHandOver({FileKind::Audio, song});
    EXPECT_FALSE(window->isMinimized());
    QCoreApplication::processEvents();
    window->analysisThread()->wait();
    EXPECT_EQ(window->paths()->getFileName(), song);

    window->takeHandOver({FileKind::Session, session});
    QCoreApplication::processEvents();
    EXPECT_EQ(window->paths()->getSessionFileName(), session);
    EXPECT_TRUE(window->player()->isLooping());

    window->takeHandOver({FileKind::Refused, temp.filePath("notes.txt")});
    ASSERT_EQ(dialogs->log.size(), 1);
    EXPECT_TRUE(dialogs->log.at(0).startsWith("information:Cannot load file:Selected file is not supported."));
}

// --- Later starts: the hand-over over the instance socket ----------------

using Role = SingleInstance::Role;

// The sockets among this process's descriptors (opening a recording starts
// threads that keep descriptors of their own).
int openSockets()
{
    int sockets = 0;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : descriptors.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::AllEntries)) {
        const QByteArray target = QFile::encodeName(descriptors.filePath(fd));
        char link[64] = {};
        if (::readlink(target.constData(), link, sizeof link - 1) > 0 && std::strncmp(link, "socket:", 7) == 0)
            ++sockets;
    }
    return sockets;
}

// A later start on a thread of its own, as another process would be.
std::unique_ptr<QThread> startLater(const QString& folder, const FileRoute& route, int waitMs, Role& role)
{
    std::unique_ptr<QThread> later(
        QThread::create([folder, route, waitMs, &role] { role = SingleInstance(folder).start(route, waitMs); }));
    later->start();
    return later;
}

// Runs the events until done, for a minute at most: false when it never was.
bool runEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Connects to the window's socket and sends the first half of a request's
// header, then nothing more; blocks while the window's queue is full.
int halfSentConnection(const QString& socketPath)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socketPath);
    std::copy(name.begin(), name.end(), address.sun_path);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    const char half[6] = {'T', 'B', 'H', 0, 0, 0};
    if (::write(fd, half, sizeof half) != ssize_t(sizeof half)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The window's end of the connection is gone: the client reads the end.
bool closedByTheWindow(int fd)
{
    pollfd probe{fd, POLLIN, 0};
    char byte = 0;
    return ::poll(&probe, 1, 0) == 1 && ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}

class HandOverTest : public ShellTest
{
protected:
    QTemporaryDir folder;
    SingleInstance instance{folder.path()};
};

TEST_F(HandOverTest, AFloodShowsOneBoxAtATimeClosesStalledConnectionsAndANormalHandOverStillOpens)
{
    const QString song = writeRecording("song.wav");
    const QString notes = temp.filePath("notes.txt");
    // A window that gives a connection a second to deliver its request.
    ASSERT_EQ(instance.start({FileKind::Refused, QString()}, 1000), Role::Primary);
    makeWindow();
    window->listenTo(&instance);
    const int socketsBefore = openSockets();
    static QStringList* printed = nullptr;
    QStringList messages;
    printed = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { printed->append(text); });

    // While the first box is up, the requests keep coming in.
    std::atomic<int> startsLeft{300};
    std::atomic<bool> stallsMade{false};
    // Each refusal is shown, or printed on stderr.
    auto accounted = [&] {
        return dialogs->log.filter("information:Cannot load file:").size()
            + messages.filter(notes + " not opened").size();
    };
    auto floodOver = [&] { return startsLeft == 0 && stallsMade && accounted() == 300; };
    dialogs->whileShown = [&] { runEventsUntil(floodOver); };
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);

    std::vector<Role> roles(300, Role::Alone);
    std::vector<std::unique_ptr<QThread>> starts;
    for (int t = 0; t < 6; ++t) {
        starts.emplace_back(QThread::create([&, t] {
            for (int i = t; i < 300; i += 6) {
                roles[size_t(i)] = SingleInstance(folder.path()).start({FileKind::Refused, notes}, 30000);
                --startsLeft;
            }
        }));
        starts.back()->start();
    }
    std::vector<int> stalls;
    std::thread staller([&] {
        for (int i = 0; i < 500; ++i)
            stalls.push_back(halfSentConnection(folder.filePath("tonbrook.socket")));
        stallsMade = true;
    });
    EXPECT_TRUE(runEventsUntil(floodOver));
    staller.join();
    for (auto& start : starts)
        start->wait();
    ticker.stop();

    EXPECT_EQ(std::count(roles.begin(), roles.end(), Role::HandedOver), 300) << "the window took every request";
    EXPECT_EQ(std::count(stalls.begin(), stalls.end(), -1), 0);
    qInstallMessageHandler(previous);
    EXPECT_EQ(dialogs->mostShown, 1) << "boxes on screen at once";
    EXPECT_GT(ticks, 10) << "the window ran its events meanwhile";

    // A normal hand-over while the stalled connections are still held.
    dialogs->whileShown = nullptr;
    window->showMinimized();
    Role role = Role::Alone;
    auto later = startLater(folder.path(), {FileKind::Audio, song}, 30000, role);
    runEventsUntil([&] { return later->isFinished(); });
    later->wait();
    EXPECT_EQ(role, Role::HandedOver);
    EXPECT_TRUE(runEventsUntil([&] { return window->paths()->getFileName() == song; }));
    window->analysisThread()->wait();
    EXPECT_EQ(window->paths()->getFileName(), song);
    EXPECT_FALSE(window->isMinimized());

    // Every stalled connection is closed by the window in its time.
    EXPECT_TRUE(runEventsUntil([&] { return std::all_of(stalls.begin(), stalls.end(), closedByTheWindow); }))
        << "stalled connections still held";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openSockets(), socketsBefore + 500) << "only the test's own ends are left";
    for (int fd : stalls)
        ::close(fd);
    EXPECT_EQ(openSockets(), socketsBefore);
}

// What a later start says, against what the window then does.
struct BusyCase
{
    const char* name;
    // How long the window runs no events after the request: -1 until the
    // later start has given up waiting.
    int busyMs;
    int waitMs;
    bool opens;
};

class HandOverToABusyWindow : public HandOverTest, public ::testing::WithParamInterface<BusyCase>
{
};

TEST_P(HandOverToABusyWindow, TheLaterStartsWordsMatchWhatTheWindowDoes)
{
    const BusyCase c = GetParam();
    const QString song = writeRecording("song.wav");
    ASSERT_EQ(instance.start({FileKind::Refused, QString()}), Role::Primary);
    makeWindow();
    window->listenTo(&instance);
    window->showMinimized();
    QCoreApplication::processEvents();

    Role role = Role::Alone;
    auto later = startLater(folder.path(), {FileKind::Audio, song}, c.waitMs, role);
    if (c.busyMs < 0)
        later->wait();
    else
        QThread::msleep(c.busyMs);
    runEventsUntil([&] { return later->isFinished(); });
    later->wait();
    // The window wakes and does what it does with the request.
    EXPECT_TRUE(runEventsUntil([&] { return !window->isMinimized(); })) << "the window comes to the front";
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window->analysisThread()->wait();

    const bool opened = window->paths()->getFileName() == song;
    EXPECT_EQ(opened, c.opens);
    const QString said = handOverMessage(role);
    EXPECT_EQ(said.contains("nothing was opened"), !opened) << said.toStdString();
    EXPECT_TRUE(dialogs->log.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Waits, HandOverToABusyWindow,
                         ::testing::Values(BusyCase{"busy_until_the_later_start_gives_up", -1, 300, false},
                                           BusyCase{"busy_for_less_than_the_wait", 100, 10000, true}),
                         RowName());

TEST_F(ShellTest, ARecentEntryOpensAsStoredAndClearRecentOnlyClears)
{
    const QString upper = writeRecording("Song.MP3.wav");
    const QString aif = writeRecording("take.aif");
    makeWindow();
    recentMenu(*window)->insertAction(recentMenu(*window)->actions().first(),
                                      new QAction(aif, recentMenu(*window)));
    recentMenu(*window)->insertAction(recentMenu(*window)->actions().first(),
                                      new QAction(upper, recentMenu(*window)));

    recentMenu(*window)->actions().at(1)->trigger();
    window->analysisThread()->wait();
    EXPECT_EQ(window->paths()->getFileName(), aif) << "an .aif entry opens as audio";
    EXPECT_EQ(recentTexts(*window), (QStringList{aif, upper, "|", "&Clear Recent"}));

    recentMenu(*window)->actions().at(1)->trigger();
    window->analysisThread()->wait();
    EXPECT_EQ(window->paths()->getFileName(), upper);
    EXPECT_EQ(recentTexts(*window), (QStringList{upper, aif, "|", "&Clear Recent"}));

    recentMenu(*window)->actions().last()->trigger();
    EXPECT_TRUE(recentMenu(*window)->actions().isEmpty());
    EXPECT_FALSE(recentMenu(*window)->isEnabled());
    EXPECT_EQ(window->paths()->getFileName(), upper) << "nothing opened";
    EXPECT_TRUE(dialogs->log.isEmpty());
}

TEST_F(ShellTest, ARecentEntryWithAnAmpersandOpensItsOwnPath)
{
    const QString duo = writeRecording("Simon & Garfunkel.wav");
    const QString other = writeRecording("other.wav");
    makeWindow();
    ASSERT_EQ(window->open(duo, false), 0);
    window->analysisThread()->wait();
    ASSERT_EQ(window->open(other, false), 0);
    window->analysisThread()->wait();

    recentMenu(*window)->actions().at(1)->trigger();
    window->analysisThread()->wait();
    EXPECT_EQ(window->paths()->getFileName(), duo);
    EXPECT_EQ(recentMenu(*window)->actions().at(0)->iconText(), duo) << "shown as it is named";
    EXPECT_TRUE(dialogs->log.isEmpty());
}

// Every way in, with the path it is given: "command_line" as delayedLoad
// routes the arguments (here the test runner's own).
class EveryRoute : public ShellTest, public ::testing::WithParamInterface<const char*>
{
protected:
    QTextCodec* previousCodec = QTextCodec::codecForLocale();

    void SetUp() override
    {
        ShellTest::SetUp();
        // As the application runs: file names keep their bytes.
        FileNameCodec::install();
    }
    void TearDown() override
    {
        ShellTest::TearDown();
        // Only the codec lists a name that is no UTF-8 for removal.
        temp.remove();
        QTextCodec::setCodecForLocale(previousCodec);
    }

    void openThrough(const QString& path)
    {
        const QByteArray route = GetParam();
        if (route == "dialog") {
            dialogs->files = {path};
            window->open();
        } else if (route == "command_line") {
            window->open(FileRoutes::routeCommandLine({"tonbrook", path}).path, false);
        } else if (route == "drop") {
            // As a file manager sends it: the name's bytes, percent-encoded;
            // the drag enters the window before it drops.
            const QUrl url = QUrl::fromEncoded("file://" + QFile::encodeName(path).toPercentEncoding("/"));
            EXPECT_TRUE(dragAccepted(*window, {url}));
            drop(*window, {url});
        } else if (route == "recent") {
            QMenu* menu = recentMenu(*window);
            auto* entry = new QAction(path, menu);
            menu->insertAction(menu->actions().value(0), entry);
            entry->trigger();
        } else if (route == "file_open_event") {
            QFileOpenEvent event(path);
            QApplication::sendEvent(qApp, &event);
        } else if (route == "cd_track") {
            window->setCdRoots([] { return QStringList(); });
            dialogs->files = {path};
            QMetaObject::invokeMethod(window.get(), "openCD");
        } else {
            ADD_FAILURE() << "no route " << route.constData();
        }
        window->analysisThread()->wait();
    }
};

TEST_P(EveryRoute, ABrokenFileShowsTheDecodersReasonInTheBoxAndPrintsIt)
{
    const QString broken = temp.filePath("broken.wav");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4000, 'x'));
    file.close();
    makeWindow();

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    openThrough(broken);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();

    ASSERT_FALSE(dialogs->log.isEmpty());
    EXPECT_EQ(dialogs->log.last(),
              "warning:Cannot load file:Please select a different audio file.|The file holds "
              "no audio in a format that can be decoded.");
    EXPECT_NE(out.find("Error(4): The file holds no audio in a format that can be decoded.<br />"),
              std::string::npos)
        << out;
    EXPECT_NE(err.find((broken + ": The file holds no audio").toStdString()), std::string::npos) << err;
    EXPECT_FALSE(window->recording().audioLoaded);
}

TEST_P(EveryRoute, ARecordingWhoseNameIsNoUtf8Opens)
{
    const QByteArray raw = QFile::encodeName(temp.path()) + "/caf\xe9 \xff.wav";
    const QString written = writeRecording("written.wav");
    ASSERT_EQ(::rename(QFile::encodeName(written).constData(), raw.constData()), 0);
    const QString path = QFile::decodeName(raw);
    makeWindow();

    openThrough(path);
    EXPECT_TRUE(window->recording().audioLoaded) << dialogs->log.join("\n").toStdString();
    EXPECT_EQ(QFile::encodeName(window->paths()->getFileName()), raw);
    EXPECT_EQ(recentTexts(*window).value(0), path);

    // The recent entry survives a restart with the same bytes.
    window->writeSettings();
    window.reset();
    makeWindow();
    EXPECT_EQ(recentTexts(*window).value(0), path);
}

INSTANTIATE_TEST_SUITE_P(Routes, EveryRoute,
                         ::testing::Values("dialog", "command_line", "drop", "recent", "file_open_event",
                                           "cd_track"),
                         [](const ::testing::TestParamInfo<const char*>& row) { return std::string(row.param); });

TEST_F(ShellTest, TheCdDialogStartsAtTheFirstRootHoldingATrack)
{
    const QString disc = temp.filePath("disc");
    QDir().mkpath(disc);
    QDir().mkpath(temp.filePath("empty"));
    const QString track = writeRecording("disc/Track 01.aiff");
    makeWindow();
    window->setCdRoots([this, disc] { return QStringList{temp.filePath("empty"), disc}; });
    dialogs->files = {track};
    QMetaObject::invokeMethod(window.get(), "openCD");
    window->analysisThread()->wait();
    EXPECT_EQ(dialogs->log, QStringList{"file:Open CD Track"});
    EXPECT_EQ(dialogs->startPaths, QStringList{disc});
    EXPECT_EQ(dialogs->filters, QStringList{"CD Track (*.aiff *.aif *.wav)"});
    EXPECT_EQ(window->paths()->getFileName(), track);

    dialogs->files = {""};
    window->setCdRoots([] { return QStringList(); });
    QMetaObject::invokeMethod(window.get(), "openCD");
    EXPECT_EQ(dialogs->startPaths.last(), QString()) << "no track anywhere: the dialog's own folder";
    EXPECT_EQ(window->paths()->getFileName(), track);
}

} // namespace
