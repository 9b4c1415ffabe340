// One running instance per user: the first start takes the lock and
// listens, a later one hands its request over and gets a receipt; a crash
// or a release leaves nothing that stops the next start.
#include "SingleInstance.h"

#include "FileNameCodec.h"
#include "RowName.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Role = SingleInstance::Role;

// A later start, on a thread of its own, while this thread runs the first
// one's events: as two processes would.
Role startBeside(const QString& folder, const FileRoute& route, int timeoutMs = 10000)
{
    Role role = Role::Alone;
    std::unique_ptr<QThread> later(
        QThread::create([&] { role = SingleInstance(folder).start(route, timeoutMs); }));
    later->start();
    while (!later->isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    later->wait();
    // The first one reads the confirmation, then announces the request.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return role;
}

struct Announced
{
    std::vector<FileKind> kinds;
    QStringList paths;
    void listen(SingleInstance& instance)
    {
        QObject::connect(&instance, &SingleInstance::requested, [this](const FileRoute& route) {
            kinds.push_back(route.kind);
            paths << route.path;
        });
    }
};

TEST(SingleInstance, ALaterStartHandsItsRequestToTheFirstWhichAnnouncesItOnceReady)
{
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    Announced announced;
    announced.listen(first);
    ASSERT_EQ(first.start({FileKind::Refused, QString()}), Role::Primary);

    // Before the window is there: held.
    EXPECT_EQ(startBeside(folder.path(), {FileKind::Audio, "/music/Take 1.WAV"}), Role::HandedOver);
    EXPECT_EQ(startBeside(folder.path(), {FileKind::Session, QString::fromUtf8("/s/Übung & Co.tb")}),
              Role::HandedOver);
    QCoreApplication::processEvents();
    EXPECT_TRUE(announced.paths.isEmpty());

    first.setReady();
    QCoreApplication::processEvents();
    EXPECT_EQ(announced.kinds, (std::vector<FileKind>{FileKind::Audio, FileKind::Session}));
    EXPECT_EQ(announced.paths, (QStringList{"/music/Take 1.WAV", QString::fromUtf8("/s/Übung & Co.tb")}));

    // Nothing named: the window is only to come to the front.
    EXPECT_EQ(startBeside(folder.path(), {FileKind::Refused, QString()}), Role::HandedOver);
    QCoreApplication::processEvents();
    ASSERT_EQ(announced.kinds.size(), 3u);
    EXPECT_EQ(announced.kinds.back(), FileKind::Refused);
    EXPECT_EQ(announced.paths.last(), QString());
}

TEST(SingleInstance, APathThatIsNoUtf8IsHandedOverWithItsBytes)
{
    QTextCodec* previous = QTextCodec::codecForLocale();
    FileNameCodec::install(); // as the application runs
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    Announced announced;
    announced.listen(first);
    ASSERT_EQ(first.start({FileKind::Refused, QString()}), Role::Primary);
    first.setReady();

    const QString path = QFile::decodeName("/music/caf\xe9.wav");
    EXPECT_EQ(startBeside(folder.path(), {FileKind::Audio, path}), Role::HandedOver);
    QCoreApplication::processEvents();
    QTextCodec::setCodecForLocale(previous);
    EXPECT_EQ(announced.paths, QStringList{path});
}

// Leaves what a crashed instance leaves: a socket file nobody listens on.
void leaveDeadSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

struct TakeOverCase
{
    const char* name;
    // Leaves something behind in the folder; what it returns lives on
    // through the test.
    std::function<std::shared_ptr<SingleInstance>(const QString& folder)> before;
};

class SingleInstanceTakeOver : public ::testing::TestWithParam<TakeOverCase>
{
};

TEST_P(SingleInstanceTakeOver, TheNextStartRunsAndAnswers)
{
    QTemporaryDir folder;
    const auto left = GetParam().before(folder.path());
    SingleInstance next(folder.path());
    ASSERT_EQ(next.start({FileKind::Refused, QString()}), Role::Primary);
    Announced announced;
    announced.listen(next);
    next.setReady();
    EXPECT_EQ(startBeside(folder.path(), {FileKind::Audio, "/m/a.wav"}), Role::HandedOver);
    QCoreApplication::processEvents();
    EXPECT_EQ(announced.paths, QStringList{"/m/a.wav"});
}

INSTANTIATE_TEST_SUITE_P(
    Leftovers, SingleInstanceTakeOver,
    ::testing::Values(TakeOverCase{"nothing_there", [](const QString&) { return nullptr; }},
                      TakeOverCase{"socket_of_a_crashed_instance",
                                   [](const QString& folder) {
                                       QFile(folder + "/tonbrook.lock").open(QIODevice::WriteOnly);
                                       leaveDeadSocket(folder + "/tonbrook.socket");
                                       return nullptr;
                                   }},
                      TakeOverCase{"released_by_a_closed_window",
                                   [](const QString& folder) {
                                       auto closed = std::make_shared<SingleInstance>(folder);
                                       EXPECT_EQ(closed->start({FileKind::Refused, QString()}), Role::Primary);
                                       closed->release();
                                       return closed;
                                   }},
                      TakeOverCase{"ended",
                                   [](const QString& folder) {
                                       SingleInstance(folder).start({FileKind::Refused, QString()});
                                       return nullptr;
                                   }}),
    RowName());

TEST(SingleInstance, AnInstanceThatHoldsTheLockButNeverAnswersGetsNoAnswer)
{
    QTemporaryDir folder;
    // Locked and listening, but this thread never runs the events that
    // would answer.
    const int lock =
        ::open(QFile::encodeName(folder.filePath("tonbrook.lock")).constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
    QLocalServer silent;
    ASSERT_TRUE(silent.listen(folder.filePath("tonbrook.socket")));
    EXPECT_EQ(SingleInstance(folder.path()).start({FileKind::Audio, "/m/a.wav"}, 300), Role::NoAnswer);

    silent.close();
    EXPECT_EQ(SingleInstance(folder.path()).start({FileKind::Audio, "/m/a.wav"}, 300), Role::NoAnswer)
        << "locked without a socket";
    ::close(lock);
}

TEST(SingleInstance, WithoutAFolderOfItsOwnAStartRunsAlone)
{
    EXPECT_EQ(SingleInstance(QString()).start({FileKind::Refused, QString()}), Role::Alone);
    QTemporaryDir folder;
    EXPECT_EQ(SingleInstance(folder.filePath("gone")).start({FileKind::Refused, QString()}), Role::Alone);
}

QByteArray header(quint32 magic, quint32 kind, quint32 length)
{
    QByteArray bytes(12, '\0');
    qToBigEndian(magic, bytes.data());
    qToBigEndian(kind, bytes.data() + 4);
    qToBigEndian(length, bytes.data() + 8);
    return bytes;
}

struct StrayCase
{
    const char* name;
    QByteArray bytes;
};

class SingleInstanceStray : public ::testing::TestWithParam<StrayCase>
{
};

TEST_P(SingleInstanceStray, IsCutOffWithoutAnnouncingAnything)
{
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    ASSERT_EQ(first.start({FileKind::Refused, QString()}), Role::Primary);
    Announced announced;
    announced.listen(first);
    first.setReady();

    QLocalSocket stray;
    stray.connectToServer(folder.filePath("tonbrook.socket"));
    ASSERT_TRUE(stray.waitForConnected(5000));
    stray.write(GetParam().bytes);
    ASSERT_TRUE(stray.waitForBytesWritten(5000));
    for (int i = 0; i < 500 && stray.state() == QLocalSocket::ConnectedState; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (stray.state() == QLocalSocket::ConnectedState)
            stray.waitForDisconnected(1);
    }
    EXPECT_EQ(stray.state(), QLocalSocket::UnconnectedState);
    EXPECT_EQ(stray.bytesAvailable(), 0) << "no receipt";
    QCoreApplication::processEvents();
    EXPECT_TRUE(announced.paths.isEmpty());
}

// "TBH2"; "TBH1" was the request of builds that opened what the window
// read, whether or not its sender still waited.
constexpr quint32 requestMagic = 0x54424832;

INSTANTIATE_TEST_SUITE_P(Requests, SingleInstanceStray,
                         ::testing::Values(StrayCase{"another_protocol", QByteArray("GET / HTTP/1.0\r\n\r\n")},
                                           StrayCase{"unknown_kind", header(requestMagic, 7, 4) + "/a.b"},
                                           StrayCase{"path_beyond_any_path", header(requestMagic, 1, 1u << 30)},
                                           StrayCase{"request_of_an_earlier_build",
                                                     header(0x54424831, 1, 4) + "/a.b"}),
                         RowName());

// What the sender of a request does after sending it (or half of it).
enum class Conduct {
    Confirms,             // takes the window's answer and confirms
    ConfirmsAndLeaves,    // confirms and is gone before the window reads it
    LeavesBeforeAnswered, // gives up before the window runs at all
    NeverConfirms,        // takes the answer, then neither confirms nor leaves
    StallsHalfWay,        // sends half the header, then nothing
};

struct ConductCase
{
    const char* name;
    Conduct conduct;
    // Announced: the path, "" for nothing named (to the front only).
    QStringList announced;
};

class SingleInstanceConduct : public ::testing::TestWithParam<ConductCase>
{
};

bool runEventsUntil(const std::function<bool()>& done, int limitMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

QStringList* logged = nullptr;

TEST_P(SingleInstanceConduct, OnlyAConfirmedRequestIsOpenedAndEveryOtherConnectionIsClosedInTime)
{
    const ConductCase c = GetParam();
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    // Gives a connection 300 ms for each step.
    ASSERT_EQ(first.start({FileKind::Refused, QString()}, 300), Role::Primary);
    Announced announced;
    announced.listen(first);
    first.setReady();

    const QByteArray path("/music/take.wav");
    const QByteArray request = header(requestMagic, 1, quint32(path.size())) + path;
    QLocalSocket sender;
    sender.connectToServer(folder.filePath("tonbrook.socket"));
    ASSERT_TRUE(sender.waitForConnected(5000));
    QStringList messages;
    logged = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { logged->append(text); });
    if (c.conduct == Conduct::StallsHalfWay) {
        sender.write(request.left(6));
        sender.flush();
    } else if (c.conduct == Conduct::LeavesBeforeAnswered) {
        sender.write(request);
        sender.flush();
        sender.abort();
    } else {
        sender.write(request);
        sender.flush();
        EXPECT_TRUE(runEventsUntil([&] {
            sender.waitForReadyRead(1);
            return sender.bytesAvailable() > 0;
        }));
        char answer = 0;
        EXPECT_TRUE(sender.getChar(&answer));
        EXPECT_EQ(answer, 1);
        if (c.conduct != Conduct::NeverConfirms) {
            sender.putChar(1);
            sender.flush();
        }
        if (c.conduct == Conduct::ConfirmsAndLeaves)
            sender.abort();
    }

    EXPECT_TRUE(runEventsUntil([&] {
        if (sender.state() == QLocalSocket::ConnectedState)
            sender.waitForDisconnected(1);
        return sender.state() == QLocalSocket::UnconnectedState;
    })) << "the window closes the connection";
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    qInstallMessageHandler(previous);
    EXPECT_EQ(announced.paths, c.announced);
    // A request that is not opened says so.
    const bool reported = !messages.filter(QString::fromUtf8(path)).isEmpty();
    EXPECT_EQ(reported, c.announced == QStringList{QString()}) << messages.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Senders, SingleInstanceConduct,
    ::testing::Values(ConductCase{"confirms", Conduct::Confirms, {"/music/take.wav"}},
                      ConductCase{"confirms_and_leaves", Conduct::ConfirmsAndLeaves, {"/music/take.wav"}},
                      ConductCase{"leaves_before_answered", Conduct::LeavesBeforeAnswered, {QString()}},
                      ConductCase{"never_confirms", Conduct::NeverConfirms, {QString()}},
                      ConductCase{"stalls_half_way", Conduct::StallsHalfWay, {}}),
    RowName());

} // namespace
