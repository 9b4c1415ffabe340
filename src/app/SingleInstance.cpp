#include "SingleInstance.h"

#include "ShellLog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char* const lockName = "/tonbrook.lock";
const char* const socketName = "/tonbrook.socket";

// A request: the magic word, the kind, the length of the path in bytes
// (all big-endian 32-bit), then the path in UTF-8. The window answers one
// byte once it has read the whole request; the sender confirms with one
// byte if the answer came in its time, and only then does the window act.
// Builds before the confirmation sent "TBH1" and acted on reading: the two
// refuse each other's requests, so neither claims what the other did not.
constexpr quint32 requestMagic = 0x54424832; // "TBH2"
constexpr int headerBytes = 12;
// Well beyond any path (PATH_MAX is 4096 bytes); a longer one is no request.
constexpr quint32 maxPathBytes = 65536;
constexpr char answer = 1;
constexpr char confirmation = 1;
// The running instance may be between taking its lock and listening.
constexpr int connectRetryMs = 50;
// Connections held at once; a new one beyond closes the oldest, which has
// had the longest time to say what it wants. Far below the descriptors a
// process may hold.
constexpr int maxConnections = 128;

quint32 codeOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Audio:
        return 1;
    case FileKind::Session:
        return 2;
    case FileKind::Refused:
        break;
    }
    return 0;
}

bool kindOf(quint32 code, FileKind& kind)
{
    if (code > 2)
        return false;
    kind = code == 1 ? FileKind::Audio : code == 2 ? FileKind::Session : FileKind::Refused;
    return true;
}

} // namespace

struct SingleInstance::Connection
{
    QLocalSocket* socket = nullptr;
    QTimer* limit = nullptr; // one step's time, restarted at the answer
    FileRoute route;
    bool answered = false; // read whole and answered; waiting to be confirmed
};

SingleInstance::SingleInstance(QString folder, QObject* parent) : QObject(parent), folder_(std::move(folder)) { }

SingleInstance::~SingleInstance()
{
    release();
}

void SingleInstance::reportNotOpened(const QString& path, const char* why)
{
    if (!path.isEmpty())
        qCWarning(lcShell).noquote()
            << QStringLiteral("Handed-over %1 not opened: %2.").arg(path, QLatin1String(why));
}

QString SingleInstance::userFolder()
{
    // Qt checks the folder's owner and permissions and gives none when
    // another user could reach it.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::Role SingleInstance::start(const FileRoute& route, int timeoutMs)
{
    stepMs_ = timeoutMs;
    if (folder_.isEmpty())
        return Role::Alone;
    lockFd_ = ::open(QFile::encodeName(folder_ + lockName).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) {
        qCWarning(lcShell) << "No instance lock in" << folder_ << ":" << ::strerror(errno);
        return Role::Alone;
    }
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(lockFd_);
        lockFd_ = -1;
        return held ? handOver(route, timeoutMs) : Role::Alone;
    }

    // The socket of an instance that crashed may still be there.
    const QString socketPath = folder_ + socketName;
    QLocalServer::removeServer(socketPath);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath)) {
        // Without a socket nobody could hand over: let later starts run
        // on their own too rather than wait for an answer.
        qCWarning(lcShell) << "No hand-over socket:" << server_->errorString();
        release();
        return Role::Alone;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return Role::Primary;
}

SingleInstance::Role SingleInstance::handOver(const FileRoute& route, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&] { return int(std::max<qint64>(1, timeoutMs - clock.elapsed())); };
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(folder_ + socketName);
        if (socket.waitForConnected(remaining()))
            break;
        if (clock.elapsed() + connectRetryMs >= timeoutMs)
            return Role::NoAnswer;
        QThread::msleep(connectRetryMs);
    }

    // The name's own bytes: one that is no UTF-8 keeps them.
    const QByteArray path = QFile::encodeName(route.path);
    QByteArray request(headerBytes, '\0');
    qToBigEndian(requestMagic, request.data());
    qToBigEndian(codeOf(route.kind), request.data() + 4);
    qToBigEndian(quint32(path.size()), request.data() + 8);
    request += path;
    socket.write(request);
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(remaining())) { }
    while (socket.bytesAvailable() < 1 && clock.elapsed() < timeoutMs && socket.waitForReadyRead(remaining())) { }
    char answered = 0;
    // No answer in time: leaving unconfirmed withdraws the request.
    if (!socket.getChar(&answered) || answered != answer)
        return Role::NoAnswer;
    // One byte into a local socket goes at once, unless the window is gone.
    socket.putChar(confirmation);
    socket.flush();
    return socket.bytesToWrite() == 0 && socket.state() == QLocalSocket::ConnectedState ? Role::HandedOver
                                                                                        : Role::NoAnswer;
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (int(connections_.size()) >= maxConnections)
            close(connections_.front()->socket);
        auto connection = std::make_unique<Connection>();
        connection->socket = socket;
        connection->limit = new QTimer(socket);
        connection->limit->setSingleShot(true);
        connection->limit->setInterval(stepMs_);
        connect(connection->limit, &QTimer::timeout, this, [this, socket] { timedOut(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { gone(socket); });
        connection->limit->start();
        connections_.push_back(std::move(connection));
        readFrom(socket);
    }
}

SingleInstance::Connection* SingleInstance::find(QLocalSocket* socket)
{
    for (const auto& connection : connections_) {
        if (connection->socket == socket)
            return connection.get();
    }
    return nullptr;
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    Connection* connection = find(socket);
    if (connection == nullptr)
        return;
    if (!connection->answered) {
        if (socket->bytesAvailable() < headerBytes)
            return;
        const QByteArray header = socket->peek(headerBytes);
        const quint32 magic = qFromBigEndian<quint32>(header.constData());
        const quint32 length = qFromBigEndian<quint32>(header.constData() + 8);
        FileKind kind = FileKind::Refused;
        if (magic != requestMagic || !kindOf(qFromBigEndian<quint32>(header.constData() + 4), kind)
            || length > maxPathBytes) {
            close(socket);
            return;
        }
        if (socket->bytesAvailable() < headerBytes + qint64(length))
            return;
        socket->read(headerBytes);
        connection->route = FileRoute{kind, QFile::decodeName(socket->read(length))};
        connection->answered = true;
        connection->limit->start();
        socket->putChar(answer);
        // Writing to a sender that has left closes the connection.
        socket->flush();
        connection = find(socket);
        if (connection == nullptr)
            return;
    }
    char confirmed = 0;
    if (!socket->getChar(&confirmed))
        return;
    const FileRoute route = connection->route;
    connection->answered = false;
    close(socket);
    if (confirmed == confirmation)
        announce(route);
}

void SingleInstance::timedOut(QLocalSocket* socket)
{
    // What came while the events did not run is read first.
    if (socket->state() == QLocalSocket::ConnectedState)
        socket->waitForReadyRead(0);
    readFrom(socket);
    close(socket);
}

void SingleInstance::gone(QLocalSocket* socket)
{
    // A sender may confirm and leave before the window reads either.
    readFrom(socket);
    close(socket);
}

void SingleInstance::close(QLocalSocket* socket)
{
    const auto it = std::find_if(connections_.begin(), connections_.end(),
                                 [socket](const auto& connection) { return connection->socket == socket; });
    if (it == connections_.end())
        return;
    const std::unique_ptr<Connection> connection = std::move(*it);
    connections_.erase(it);
    socket->disconnect(this);
    connection->limit->stop();
    socket->abort();
    socket->deleteLater();
    if (connection->answered) {
        // Its sender gave up: the window only comes to the front.
        reportNotOpened(connection->route.path, "its sender gave up waiting");
        announce(FileRoute{});
    }
}

void SingleInstance::announce(const FileRoute& route)
{
    if (ready_)
        QMetaObject::invokeMethod(
            this, [this, route] { deliver(route); }, Qt::QueuedConnection);
    else
        held_.append(route);
}

void SingleInstance::deliver(const FileRoute& route)
{
    if (delivering_ && !route.path.isEmpty()) {
        reportNotOpened(route.path, "an earlier request is still being answered");
        emit requested(FileRoute{});
        return;
    }
    const QScopedValueRollback<bool> delivering(delivering_, true);
    emit requested(route);
}

void SingleInstance::setReady()
{
    ready_ = true;
    for (const FileRoute& route : qAsConst(held_))
        announce(route);
    held_.clear();
}

void SingleInstance::release()
{
    for (const auto& connection : connections_) {
        connection->limit->stop();
        connection->socket->disconnect(this);
    }
    connections_.clear();
    if (server_ != nullptr) {
        server_->close(); // removes the socket file
        delete server_;
        server_ = nullptr;
    }
    if (lockFd_ >= 0) {
        // The file stays: removing it would race with a start opening it.
        ::close(lockFd_);
        lockFd_ = -1;
    }
}
