// One running instance per user: the first start takes the lock and
// listens, a later one hands its request over and gets a receipt; a crash
// or a release leaves nothing that stops the next start.
#include "SingleInstance.h"

#include "FileNameCodec.h"
#include "RowName.h"

#include <QCoreApplication>
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

INSTANTIATE_TEST_SUITE_P(Requests, SingleInstanceStray,
                         ::testing::Values(StrayCase{"another_protocol", QByteArray("GET / HTTP/1.0\r\n\r\n")},
                                           StrayCase{"unknown_kind", header(0x54424831, 7, 4) + "/a.b"},
                                           StrayCase{"path_beyond_any_path", header(0x54424831, 1, 1u << 30)}),
                         RowName());

} // namespace
