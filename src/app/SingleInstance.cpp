#include "SingleInstance.h"

#include "ShellLog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char* const lockName = "/tonbrook.lock";
const char* const socketName = "/tonbrook.socket";

// A request: the magic word, the kind, the length of the path in bytes
// (all big-endian 32-bit), then the path in UTF-8. The receipt is one byte.
constexpr quint32 requestMagic = 0x54424831; // "TBH1"
constexpr int headerBytes = 12;
// Well beyond any path (PATH_MAX is 4096 bytes); a longer one is no request.
constexpr quint32 maxPathBytes = 65536;
constexpr char receipt = 1;
// The running instance may be between taking its lock and listening.
constexpr int connectRetryMs = 50;

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

SingleInstance::SingleInstance(QString folder, QObject* parent) : QObject(parent), folder_(std::move(folder)) { }

SingleInstance::~SingleInstance()
{
    release();
}

QString SingleInstance::userFolder()
{
    // Qt checks the folder's owner and permissions and gives none when
    // another user could reach it.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::Role SingleInstance::start(const FileRoute& route, int timeoutMs)
{
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
    char answer = 0;
    return socket.getChar(&answer) && answer == receipt ? Role::HandedOver : Role::NoAnswer;
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket* socket)
{
    if (socket->bytesAvailable() < headerBytes)
        return;
    const QByteArray header = socket->peek(headerBytes);
    const quint32 magic = qFromBigEndian<quint32>(header.constData());
    const quint32 length = qFromBigEndian<quint32>(header.constData() + 8);
    FileKind kind = FileKind::Refused;
    if (magic != requestMagic || !kindOf(qFromBigEndian<quint32>(header.constData() + 4), kind)
        || length > maxPathBytes) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < headerBytes + qint64(length))
        return;
    socket->read(headerBytes);
    const FileRoute route{kind, QFile::decodeName(socket->read(length))};
    // The receipt first: the sender need not wait for what the window does.
    socket->putChar(receipt);
    socket->flush();
    if (ready_)
        QMetaObject::invokeMethod(
            this, [this, route] { emit requested(route); }, Qt::QueuedConnection);
    else
        held_.append(route);
}

void SingleInstance::setReady()
{
    ready_ = true;
    for (const FileRoute& route : qAsConst(held_))
        QMetaObject::invokeMethod(
            this, [this, route] { emit requested(route); }, Qt::QueuedConnection);
    held_.clear();
}

void SingleInstance::release()
{
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
