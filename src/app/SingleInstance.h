// One running window per user. The first start takes a lock in the user's
// runtime folder and listens on a local socket beside it; a later start
// finds the lock taken, hands the file its command line names (or nothing,
// which brings the window to the front) over that socket and exits. So one
// process alone writes the settings, and a file opened from the desktop
// reaches the window already open, as the open-file events of other
// platforms do.
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

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        Primary,    // this process runs the window and takes the requests
        HandedOver, // the running instance took the request: exit
        NoAnswer,   // one runs but did not take the request in time
        Alone,      // no lock or socket to be had: run without hand-over
    };

    // folder: where the lock and the socket live; private to the user.
    explicit SingleInstance(QString folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The user's runtime folder ($XDG_RUNTIME_DIR); empty when there is
    // none that only the user can reach.
    static QString userFolder();

    // Becomes the instance that runs, or hands route to it and waits up to
    // timeoutMs for its receipt.
    Role start(const FileRoute& route, int timeoutMs = 5000);

    // Requests that came before are held until the receiver is ready;
    // from here on each is announced as it comes.
    void setReady();

    // Stops listening and lets go of the lock, so that a start from now on
    // (a relaunch) runs on its own.
    void release();

signals:
    // A later start's request: a file or session to open, a name no way in
    // takes (Refused with its path), or nothing (Refused, empty path).
    void requested(const FileRoute& route);

private:
    void accept();
    void readRequest(QLocalSocket* socket);
    Role handOver(const FileRoute& route, int timeoutMs);

    QString folder_;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
    QList<FileRoute> held_;
    bool ready_ = false;
};
