// One running window per user. The first start takes a lock in the user's
// runtime folder and listens on a local socket beside it; a later start
// finds the lock taken, hands the file its command line names (or nothing,
// which brings the window to the front) over that socket and exits. So one
// process alone writes the settings, and a file opened from the desktop
// reaches the window already open, as the open-file events of other
// platforms do.
//
// Both sides agree on what happens to a request: the window answers that it
// has read it, and acts only once the sender confirms. A sender that gave up
// waiting before the answer confirms nothing, so a window that wakes late
// only comes to the front. Every connection has a time limit for each step;
// one that stalls is closed.
//
// A crashed instance leaves its socket file behind but never its lock (the
// kernel drops a lock with its holder), so the next start takes over and
// replaces the socket.
//
// GUI thread; start() blocks for at most its timeout.
#pragma once

#include "FileRoutes.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        Primary,    // this process runs the window and takes the requests
        HandedOver, // the running instance took the request: exit
        NoAnswer,   // one runs but did not answer in time: nothing was opened
        Alone,      // no lock or socket to be had: run without hand-over
    };

    // folder: where the lock and the socket live; private to the user.
    explicit SingleInstance(QString folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The user's runtime folder ($XDG_RUNTIME_DIR); empty when there is
    // none that only the user can reach.
    static QString userFolder();

    // Becomes the instance that runs, or hands route to it and waits up to
    // timeoutMs for its answer. The instance that runs gives a connection
    // timeoutMs for each step of a request.
    Role start(const FileRoute& route, int timeoutMs = 5000);

    // Requests that came before are held until the receiver is ready;
    // from here on each is announced as it comes.
    void setReady();

    // Says on stderr that a handed-over path was not opened, and why.
    static void reportNotOpened(const QString& path, const char* why);

    // Stops listening and lets go of the lock, so that a start from now on
    // (a relaunch) runs on its own.
    void release();

signals:
    // A later start's request: a file or session to open, a name no way in
    // takes (Refused with its path), or nothing (Refused, empty path: to the
    // front only). One at a time: while the receiver still handles one (a
    // box it shows runs the events), a later request is announced as
    // nothing named, and its path printed on stderr. A request whose sender
    // gave up is announced as nothing named too.
    void requested(const FileRoute& route);

private:
    struct Connection;

    void accept();
    void readFrom(QLocalSocket* socket);
    void timedOut(QLocalSocket* socket);
    void gone(QLocalSocket* socket);
    Connection* find(QLocalSocket* socket);
    // Closes and forgets the connection; a request it answered but that
    // was never confirmed is withdrawn.
    void close(QLocalSocket* socket);
    void announce(const FileRoute& route);
    void deliver(const FileRoute& route);
    Role handOver(const FileRoute& route, int timeoutMs);

    QString folder_;
    int stepMs_ = 5000;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
    // Open connections, oldest first.
    std::vector<std::unique_ptr<Connection>> connections_;
    QList<FileRoute> held_;
    bool ready_ = false;
    bool delivering_ = false;
};
