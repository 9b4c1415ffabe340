// The real output path under test: a private PulseAudio server whose one
// sink is a null sink paced in real time, and a recording of that sink's
// monitor, which is what a listener would hear.
//
// The server keeps everything in its own temporary folder (runtime files,
// socket, state, configuration) and reads no system or user configuration.
// While it runs, this process is pointed at it: PulseAudio clients connect
// to it only, and ALSA reads a configuration of its own whose default
// device (and "pulse") lead to it, so PortAudio's ALSA host plays into the
// sink. One server per process at a time; start it before the first
// AudioOutput with real devices is made.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

// What the server's log tells about the streams of one server; times in
// seconds since it started.
struct ServerLog
{
    // A client stream ran dry in the server, which played silence for it
    // from startS: until it had frames again (resumed, endS), or until it
    // went (not resumed, endS when it did; -1 while it is still open).
    struct Underrun
    {
        double startS;
        double endS;
        bool resumed;
    };
    std::vector<Underrun> underruns;
    // Client streams made, in order: one more than the player made is a
    // stream the client made again after an underrun.
    std::vector<double> streamsMadeS;
    // The latest monitor recording began; -1 without one.
    double captureStartS = -1.0;
};

class SoundServer
{
public:
    static constexpr int kRateHz = 44100;
    static constexpr int kChannels = 2;

    SoundServer();
    ~SoundServer(); // stops
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Returns once the server takes connections. False, with error() saying
    // why (the server's own message where it gave one), when it cannot.
    bool start();
    // Stops the server and gives this process its environment back.
    void stop();
    QString error() const { return error_; }

    // The name ALSA lists for the server besides its default device.
    static QString alsaDeviceName() { return QStringLiteral("pulse"); }
    QString sinkName() const { return QStringLiteral("tonbrook_test"); }
    QString folder() const { return dir_ ? dir_->path() : QString(); }

    // Client streams playing into the sink now; -1 when the server cannot
    // be asked.
    int sinkInputCount() const;
    // The server's log so far, read.
    ServerLog logSoFar() const;
    // The server's process id; 0 when it does not run.
    qint64 processId() const { return process_.processId(); }
    // When it was started: the time its log counts from, near enough.
    std::chrono::steady_clock::time_point startedAt() const { return startedAt_; }

private:
    void setEnv(const char* name, const QByteArray& value);
    void restoreEnv();

    std::unique_ptr<QTemporaryDir> dir_;
    QProcess process_;
    std::chrono::steady_clock::time_point startedAt_;
    QString error_;
    struct SavedEnv
    {
        QByteArray name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<SavedEnv> savedEnv_;
};

// Records the server's sink monitor from start() to stop(): interleaved
// stereo float frames at SoundServer::kRateHz.
class MonitorCapture
{
public:
    explicit MonitorCapture(const SoundServer& server);
    ~MonitorCapture();
    MonitorCapture(const MonitorCapture&) = delete;
    MonitorCapture& operator=(const MonitorCapture&) = delete;

    // Returns once frames arrive; false, with error() set, otherwise.
    bool start();
    // Frames recorded so far (a little behind the sink).
    std::int64_t framesSoFar() const;
    // Returns true once sound (a value at or above threshold) has been
    // recorded and quietMs of silence after it; false after timeoutMs.
    bool waitForSoundToEnd(int quietMs, int timeoutMs, float threshold = 1e-4f) const;
    // Ends the recording and returns it.
    std::vector<float> stop();
    QString error() const { return error_; }

private:
    const SoundServer& server_;
    QString path_;
    QProcess process_;
    QString error_;
};
