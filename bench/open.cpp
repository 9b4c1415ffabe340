// Opening a recording in the main window, as the user does it, headless on
// the silent device:
//   open/first/<file>   MainWindow::open of a file without analysis cache:
//                       decoding, the waveform's pictures, the analysis
//                       started (not waited for); counter toWaveformMs: from
//                       the call to the waveform shown again;
//   open/reopen/<file>  the same file again, its cache read on the GUI
//                       thread instead of an analysis; counter cacheMs: the
//                       cache reading and loading alone;
//   startup             the main window built and shown, to its first
//                       paint: what follows the splash screen's end.
// Files: 4- and 10-minute stereo MP3 (320 kbit/s) and FLAC made here from
// synthesised music (drums over chords). Goals: a 4-minute MP3 shows its
// waveform within 1 s of the open, a reopening reads its cache in under
// 50 ms, the window shows within 200 ms of the splash's end. E.g.:
//   taskset -c 2 build/bench/bench_open
#include "AudioPlayer.h"
#include "CacheReading.h"
#include "MainWindow.h"
#include "MetaDataThread.h"
#include "Plotter.h"
#include "SilentDialogs.h"
#include "Startup.h"
#include "SyntheticSignals.h"
#include "WavWriter.h"
#include "WaveBg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int rateHz = 44100;

struct TestFile
{
    const char* name;
    int seconds;
    QStringList codec;
    QString path;
};

TestFile files[] = {
    {"mp3_4min", 240, {"-c:a", "libmp3lame", "-b:a", "320k"}, {}},
    {"flac_4min", 240, {"-c:a", "flac"}, {}},
    {"mp3_10min", 600, {"-c:a", "libmp3lame", "-b:a", "320k"}, {}},
    {"flac_10min", 600, {"-c:a", "flac"}, {}},
};

bool writeSource(const QString& path, int seconds)
{
    const synth::Stereo music = synth::drumsAndChords(rateHz, seconds, 118.0);
    WavWriter writer;
    const std::vector<float> frames = synth::interleave(music.left, music.right);
    return writer.open(path, rateHz, 2) && writer.write(frames.data(), music.frames()) && writer.close();
}

bool encode(const QString& source, const QStringList& codec, const QString& target)
{
    QProcess p;
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("ffmpeg"),
            QStringList{"-hide_banner", "-nostdin", "-v", "error", "-y", "-i", source} + codec
                + QStringList{target});
    return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// One window for the open benchmarks (one player at a time: the chain's
// controls are the process's); released before the application object.
std::unique_ptr<MainWindow> openWindow;

MainWindow& window()
{
    if (!openWindow) {
        openWindow = std::make_unique<MainWindow>();
        openWindow->setDialogs(std::make_unique<SilentDialogs>());
    }
    return *openWindow;
}

// Time from the open's start to the waveform shown again.
class ShowWatch : public QObject
{
public:
    QElapsedTimer clock;
    double shownMs = -1;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && shownMs < 0)
            shownMs = double(clock.nsecsElapsed()) / 1e6;
        return false;
    }
};

void removeCache(const QString& audioPath)
{
    QFile::remove(CacheReading::cachePathFor(saveLocation, audioPath));
    QFile::remove(AnalysisCache::ownFilePath(AnalysisCache::folder(saveLocation), audioPath));
}

void openFirst(benchmark::State& state, const TestFile* file)
{
    MainWindow& w = window();
    ShowWatch watch;
    w.waveArea()->plotter->installEventFilter(&watch);
    double shownTotal = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.analysisThread()->wait();
        removeCache(file->path);
        watch.shownMs = -1;
        state.ResumeTiming();
        watch.clock.start();
        if (w.open(file->path, false) != 0) {
            state.SkipWithError("the open failed");
            break;
        }
        shownTotal += watch.shownMs;
    }
    state.counters["toWaveformMs"] = benchmark::Counter(shownTotal, benchmark::Counter::kAvgIterations);
    w.analysisThread()->wait();
    w.waveArea()->plotter->removeEventFilter(&watch);
}

void openAgain(benchmark::State& state, const TestFile* file)
{
    MainWindow& w = window();
    w.analysisThread()->wait();
    // One analysis writes the cache that every iteration reads.
    if (!QFile::exists(CacheReading::cachePathFor(saveLocation, file->path))) {
        w.open(file->path, false);
        w.analysisThread()->wait();
        QCoreApplication::processEvents();
    }
    double cacheTotal = 0;
    for (auto _ : state) {
        if (w.open(file->path, false) != 0 || w.analysisThread()->isRunning()) {
            state.SkipWithError("the cache was not read");
            break;
        }
        state.PauseTiming();
        QElapsedTimer clock;
        clock.start();
        AnalysisCache::Lists lists;
        const AnalysisCache::RecordingSize size{w.recording().sampleCount, w.recording().sampleRate};
        if (CacheReading::find(saveLocation, file->path, size, lists).status == AnalysisCache::ReadStatus::Ok)
            w.analysisThread()->metaData->setMetaDataFromFile(lists.data());
        cacheTotal += double(clock.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    state.counters["cacheMs"] = benchmark::Counter(cacheTotal, benchmark::Counter::kAvgIterations);
}

void startup(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = std::make_unique<MainWindow>();
        // The first paint of the whole window.
        w->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TONBROOK_AUDIO"))
        qputenv("TONBROOK_AUDIO", "none");
    setStartupEnvironment();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
        std::fprintf(stderr, "bench_open needs the ffmpeg program to make its files\n");
        return 1;
    }
    QTemporaryDir dir;
    saveLocation = dir.filePath(QStringLiteral("data/Tonbrook"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));

    std::printf("Making 4- and 10-minute recordings...\n");
    std::fflush(stdout);
    for (int seconds : {240, 600}) {
        const QString wav = dir.filePath(QStringLiteral("source-%1.wav").arg(seconds));
        if (!writeSource(wav, seconds)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(wav));
            return 1;
        }
        for (TestFile& file : files) {
            if (file.seconds != seconds)
                continue;
            file.path =
                dir.filePath(QString::fromLatin1(file.name) + (file.codec.contains("flac") ? ".flac" : ".mp3"));
            if (!encode(wav, file.codec, file.path)) {
                std::fprintf(stderr, "could not make %s\n", file.name);
                return 1;
            }
        }
        QFile::remove(wav);
    }

    // Before the open benchmarks' window exists.
    benchmark::RegisterBenchmark("startup", startup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
    for (const TestFile& file : files) {
        benchmark::RegisterBenchmark((std::string("open/first/") + file.name).c_str(), openFirst, &file)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
        benchmark::RegisterBenchmark((std::string("open/reopen/") + file.name).c_str(), openAgain, &file)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(5);
    }
    benchmark::RunSpecifiedBenchmarks();
    openWindow.reset();
    return 0;
}
