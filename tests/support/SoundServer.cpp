#include "SoundServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <atomic>
#include <cmath>
#include <cstring>

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 5000;
// A unix socket's path must fit sockaddr_un.
constexpr int kMaxSocketPath = 100;

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

QString readLog(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(f.readAll()).trimmed();
}

// Waits for ready() while the process runs; false when it ends or time runs out.
template <class Ready>
bool waitWhileRunning(QProcess& process, int timeoutMs, Ready ready)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (ready())
            return true;
        if (process.state() == QProcess::NotRunning || process.waitForFinished(10))
            return false;
    }
    return ready();
}

void endProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(kStopTimeoutMs)) {
        process.kill();
        process.waitForFinished(kStopTimeoutMs);
    }
}

} // namespace

SoundServer::SoundServer() = default;

SoundServer::~SoundServer()
{
    stop();
}

bool SoundServer::start()
{
    if (process_.state() != QProcess::NotRunning)
        return true;
    error_.clear();
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty()) {
        error_ = QStringLiteral("pulseaudio is not installed (tools/debian-packages.txt lists it)");
        return false;
    }
    dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tonbrook-sound-XXXXXX"));
    const QString d = dir_->path();
    const QString socket = d + QStringLiteral("/native");
    if (!dir_->isValid() || socket.toLocal8Bit().size() > kMaxSocketPath) {
        error_ = QStringLiteral("no usable temporary folder for the sound server: %1").arg(d);
        return false;
    }
    for (const char* sub : {"run", "state", "home/.config", "home/.cache", "home/.local/share"})
        QDir(d).mkpath(QString::fromLatin1(sub));

    // Settings that are otherwise taken from /etc/pulse or the user's folder.
    // Root gets no refusal from this release, only a warning; the server
    // never leaves this folder either way. The sink's thread real-time and
    // the rest raised where the server may (root, CI): a busy machine then
    // stalls it less; where it may not, it says so in its log and goes on.
    const QByteArray daemonConf = "daemonize = no\n"
                                  "exit-idle-time = -1\n"
                                  "use-pid-file = no\n"
                                  "system-instance = no\n"
                                  "realtime-scheduling = yes\n"
                                  "realtime-priority = 5\n"
                                  "high-priority = yes\n"
                                  "nice-level = -11\n"
                                  "flat-volumes = no\n"
                                  "default-sample-format = float32le\n"
                                  "default-sample-rate = 44100\n"
                                  "alternate-sample-rate = 44100\n"
                                  "default-sample-channels = 2\n";
    // No rewinds: a new stream would otherwise be mixed into audio the
    // sink had already rendered, and the monitor, which has handed that
    // audio out, never gets the stream's first milliseconds.
    const QByteArray script = QStringLiteral("load-module module-null-sink sink_name=%1 rate=%2 format=float32le "
                                             "channels=%3 channel_map=front-left,front-right norewinds=1\n"
                                             "load-module module-native-protocol-unix auth-anonymous=1 "
                                             "auth-cookie-enabled=0 socket=%4\n"
                                             "set-default-sink %1\n")
                                  .arg(sinkName())
                                  .arg(kRateHz)
                                  .arg(kChannels)
                                  .arg(socket)
                                  .toLocal8Bit();
    const QByteArray clientConf = QStringLiteral("autospawn = no\n"
                                                 "default-server = unix:%1\n"
                                                 "cookie-file = %2/cookie\n")
                                      .arg(socket, d)
                                      .toLocal8Bit();
    // ALSA's default device and the named one both go to the server; no
    // card and no system or user ALSA file is read.
    const QByteArray asoundConf = "pcm.!default { type pulse }\n"
                                  "ctl.!default { type pulse }\n"
                                  "pcm.pulse { type pulse }\n"
                                  "ctl.pulse { type pulse }\n";
    if (!writeFile(d + "/daemon.conf", daemonConf) || !writeFile(d + "/server.pa", script)
        || !writeFile(d + "/client.conf", clientConf) || !writeFile(d + "/asound.conf", asoundConf)) {
        error_ = QStringLiteral("cannot write the sound server's files in %1").arg(d);
        return false;
    }

    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    env.insert(QStringLiteral("HOME"), d + "/home");
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), d + "/run");
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), d + "/home/.config");
    env.insert(QStringLiteral("XDG_CACHE_HOME"), d + "/home/.cache");
    env.insert(QStringLiteral("XDG_DATA_HOME"), d + "/home/.local/share");
    env.insert(QStringLiteral("XDG_STATE_HOME"), d + "/state");
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), d + "/run");
    env.insert(QStringLiteral("PULSE_STATE_PATH"), d + "/state");
    env.insert(QStringLiteral("PULSE_CONFIG"), d + "/daemon.conf");
    env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), d + "/client.conf");
    // No session bus to find or to launch.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), "unix:path=" + d + "/no-bus");
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(d);
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setStandardOutputFile(d + "/server.log");
    process_.setStandardErrorFile(d + "/server.log", QIODevice::Append);
    // Debug level, timed: a stream's underruns are logged only there (one
    // line each, no more than a line per stream change otherwise).
    startedAt_ = std::chrono::steady_clock::now();
    process_.start(program,
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"),
                    QStringLiteral("--log-level=debug"), QStringLiteral("--log-time=yes"), QStringLiteral("-F"),
                    d + "/server.pa"});
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("pulseaudio did not start: %1").arg(process_.errorString());
        return false;
    }
    const bool ready = waitWhileRunning(process_, kStartTimeoutMs, [&] { return QFileInfo::exists(socket); });
    if (!ready) {
        const bool ended = process_.state() == QProcess::NotRunning;
        endProcess(process_);
        error_ = QStringLiteral("pulseaudio %1: %2")
                     .arg(ended ? QStringLiteral("ended at start") : QStringLiteral("took no connection"),
                          readLog(d + "/server.log"));
        return false;
    }

    setEnv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    setEnv("PULSE_CLIENTCONFIG", (d + "/client.conf").toLocal8Bit());
    setEnv("ALSA_CONFIG_PATH", (d + "/asound.conf").toLocal8Bit());
    // PortAudio also probes JACK: it must not start a server of its own.
    setEnv("JACK_NO_START_SERVER", "1");
    return true;
}

void SoundServer::stop()
{
    restoreEnv();
    endProcess(process_);
    dir_.reset();
}

int SoundServer::sinkInputCount() const
{
    if (process_.state() != QProcess::Running)
        return -1;
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(kStopTimeoutMs) || pactl.exitStatus() != QProcess::NormalExit
        || pactl.exitCode() != 0)
        return -1;
    int count = 0;
    for (const QByteArray& line : pactl.readAllStandardOutput().split('\n'))
        count += line.trimmed().isEmpty() ? 0 : 1;
    return count;
}

ServerLog SoundServer::logSoFar() const
{
    ServerLog log;
    QFile f(folder() + QStringLiteral("/server.log"));
    if (!f.open(QIODevice::ReadOnly))
        return log;
    // "(   1.131|   0.023) D: [null-sink] protocol-native.c: Implicit underrun of 'ALSA Playback'"
    static const QRegularExpression timed(QStringLiteral("^\\(\\s*([0-9.]+)\\|"));
    bool open = false;
    while (!f.atEnd()) {
        const QString line = QString::fromLocal8Bit(f.readLine());
        const QRegularExpressionMatch m = timed.match(line);
        if (!m.hasMatch())
            continue;
        const double t = m.captured(1).toDouble();
        if (line.contains(QLatin1String("Created output")) && line.contains(QLatin1String("\"parec\""))) {
            log.captureStartS = t;
        } else if (line.contains(QLatin1String("Created input"))) {
            log.streamsMadeS.push_back(t);
        } else if (line.contains(QLatin1String("underrun of '"), Qt::CaseInsensitive)) {
            if (!open)
                log.underruns.push_back({t, -1.0, false});
            open = true;
        } else if (open && line.contains(QLatin1String("end of underrun"))) {
            log.underruns.back().endS = t;
            log.underruns.back().resumed = true;
            open = false;
        } else if (open && line.contains(QLatin1String("Freeing input"))) {
            log.underruns.back().endS = t;
            open = false;
        }
    }
    return log;
}

void SoundServer::setEnv(const char* name, const QByteArray& value)
{
    savedEnv_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value);
}

void SoundServer::restoreEnv()
{
    for (auto it = savedEnv_.rbegin(); it != savedEnv_.rend(); ++it) {
        if (it->wasSet)
            qputenv(it->name.constData(), it->value);
        else
            qunsetenv(it->name.constData());
    }
    savedEnv_.clear();
}

// ---------------------------------------------------------------------------

MonitorCapture::MonitorCapture(const SoundServer& server) : server_(server) { }

MonitorCapture::~MonitorCapture()
{
    endProcess(process_);
}

bool MonitorCapture::start()
{
    static std::atomic<int> count{0};
    error_.clear();
    if (server_.folder().isEmpty()) {
        error_ = QStringLiteral("the sound server is not running");
        return false;
    }
    path_ = QStringLiteral("%1/capture-%2.raw").arg(server_.folder()).arg(count.fetch_add(1));
    // parec buffers its output when it writes a file itself: give it stdout.
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setStandardOutputFile(path_);
    process_.setStandardErrorFile(path_ + ".log");
    process_.start(QStringLiteral("parec"),
                   {QStringLiteral("--device=%1.monitor").arg(server_.sinkName()), QStringLiteral("--raw"),
                    QStringLiteral("--format=float32le"), QStringLiteral("--rate=%1").arg(SoundServer::kRateHz),
                    QStringLiteral("--channels=%1").arg(SoundServer::kChannels),
                    QStringLiteral("--latency-msec=10")});
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        error_ = QStringLiteral("parec did not start: %1").arg(process_.errorString());
        return false;
    }
    // The monitor delivers silence from the start: the first bytes say
    // the recording runs.
    if (!waitWhileRunning(process_, kStartTimeoutMs, [&] { return framesSoFar() > 0; })) {
        endProcess(process_);
        error_ = QStringLiteral("parec recorded nothing: %1").arg(readLog(path_ + ".log"));
        return false;
    }
    return true;
}

std::int64_t MonitorCapture::framesSoFar() const
{
    return QFileInfo(path_).size() / std::int64_t(SoundServer::kChannels * sizeof(float));
}

bool MonitorCapture::waitForSoundToEnd(int quietMs, int timeoutMs, float threshold) const
{
    const std::int64_t quietFrames = std::int64_t(quietMs) * SoundServer::kRateHz / 1000;
    const std::int64_t frameBytes = SoundServer::kChannels * sizeof(float);
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    std::int64_t scanned = 0;
    std::int64_t lastSound = -1;
    std::vector<float> chunk;
    QElapsedTimer clock;
    clock.start();
    do {
        const std::int64_t frames = framesSoFar();
        if (frames > scanned && f.seek(scanned * frameBytes)) {
            chunk.resize(size_t((frames - scanned) * SoundServer::kChannels));
            const std::int64_t got =
                f.read(reinterpret_cast<char*>(chunk.data()), (frames - scanned) * frameBytes);
            for (std::int64_t i = 0; i < got / frameBytes * SoundServer::kChannels; ++i) {
                if (std::fabs(chunk[size_t(i)]) >= threshold)
                    lastSound = scanned + i / SoundServer::kChannels;
            }
            scanned += got / frameBytes;
        }
        if (lastSound >= 0 && scanned - lastSound > quietFrames)
            return true;
        QThread::msleep(50);
    } while (clock.elapsed() < timeoutMs);
    return false;
}

std::vector<float> MonitorCapture::stop()
{
    endProcess(process_);
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    const size_t frameBytes = SoundServer::kChannels * sizeof(float);
    std::vector<float> frames(size_t(bytes.size()) / frameBytes * SoundServer::kChannels);
    std::memcpy(frames.data(), bytes.constData(), frames.size() * sizeof(float));
    return frames;
}
