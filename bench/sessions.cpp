// Saving and loading a full session in the main window, headless on the
// silent device, over an open, analysed recording (four minutes of the
// synthetic song): six riffs of sixteen steps, each step with its own
// pitch, a song of sixteen slots, every tool and tab away from its start.
//   save   MainWindow::saveSessionFile: every value read from the views,
//          the document made and written in place of the file (synced);
//   load   MainWindow::loadSession(true) of that file over the recording
//          already open: read, checked, walked, applied to every view,
//          and the window repainted.
// Each iteration is one call; counters median_ms and max_ms over the
// iterations (the goal: each under 20 ms). E.g.:
//   taskset -c 2 build/bench/bench_sessions
#include "MainWindow.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "SessionDocument.h"
#include "SilentDialogs.h"
#include "Startup.h"
#include "SyntheticSong.h"
#include "WavWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<MainWindow> window;
QString sessionPath;

// Every riff full: sixteen steps on consecutive beats, the loop over all of
// them, each step a different pitch; the song plays A … F and again.
SessionState fullState(const QString& recording)
{
    SessionState s;
    s.fileName = recording;
    s.looped = true;
    s.loopStart = 120;
    s.loopEnd = 300;
    s.currentTab = 1;
    s.playbackPos = 441000;
    s.scrollButton = false;
    s.tempo = {1.0f, 100.0f, 80, true, 100.0f};
    s.pitch = {2.0f, 50.0f, 120, true};
    s.sourceSep = {40, 30, 19, true, 52, false, true};
    s.chords = {1, 2, 3, 0, 0, 17};
    s.jamPower = true;
    s.currentRiff = 3;
    s.beatOffset = 50;
    for (int r = 0; r < session::riffCount; ++r) {
        SessionRiff& riff = s.riffs[size_t(r)];
        riff.riffLength = session::stepCount - 1;
        riff.riffLengthMax = session::stepCount - 1;
        for (int i = 0; i < session::stepCount; ++i) {
            SessionStep& step = riff.steps[size_t(i)];
            step.beat = 1 + r * 20 + i;
            step.state = 2;
            step.startSample = 22050 * step.beat;
            step.endSample = step.startSample + 22050;
            step.semitone = float((i + r) % 25 - 12);
            step.interp = float(std::pow(2.0, double(step.semitone) / 12.0));
        }
    }
    for (int i = 0; i < session::songSlotCount; ++i)
        s.song[size_t(i)] = i % session::riffCount;
    s.songLength = session::songSlotCount - 1;
    s.songLengthMax = session::songSlotCount - 1;
    s.zoomCentre = 442.0f;
    s.zoomFactor = float(0.66 * 0.66);
    return s;
}

void report(benchmark::State& state, std::vector<double>& ms)
{
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["max_ms"] = ms.back();
}

void save(benchmark::State& state)
{
    std::vector<double> ms;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(window.get(), "saveSessionFile");
        const double elapsed = double(clock.nsecsElapsed()) * 1e-9;
        state.SetIterationTime(elapsed);
        ms.push_back(elapsed * 1e3);
    }
    report(state, ms);
}

void load(benchmark::State& state)
{
    std::vector<double> ms;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(window.get(), "loadSession", Q_ARG(bool, true));
        // The views repaint what changed.
        window->repaint();
        QCoreApplication::processEvents();
        const double elapsed = double(clock.nsecsElapsed()) * 1e-9;
        state.SetIterationTime(elapsed);
        ms.push_back(elapsed * 1e3);
        if (window->paths()->getSessionFileName() != sessionPath) {
            state.SkipWithError("the session did not load");
            break;
        }
    }
    report(state, ms);
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
    QTemporaryDir dir;
    saveLocation = dir.filePath(QStringLiteral("data/Tonbrook"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));

    // The recording, opened and analysed once.
    const QString recording = dir.filePath(QStringLiteral("song.wav"));
    const benchsong::Stereo song = benchsong::synthesise();
    WavWriter writer;
    const std::vector<float> frames = synth::interleave(song.left, song.right);
    if (!writer.open(recording, benchsong::kRate, 2) || !writer.write(frames.data(), song.frames())
        || !writer.close()) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(recording));
        return 1;
    }
    window = std::make_unique<MainWindow>();
    window->setDialogs(std::make_unique<SilentDialogs>());
    if (window->open(recording, false) != 0) {
        std::fprintf(stderr, "could not open %s\n", qPrintable(recording));
        return 1;
    }
    window->analysisThread()->wait();
    QCoreApplication::processEvents();

    // The full session, loaded once so that the views hold it.
    sessionPath = dir.filePath(QStringLiteral("full.tb"));
    QFile file(sessionPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(session::toXml(fullState(recording))) < 0) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(sessionPath));
        return 1;
    }
    file.close();
    window->paths()->setSessionFileName(sessionPath);
    QMetaObject::invokeMethod(window.get(), "loadSession", Q_ARG(bool, true));

    benchmark::RegisterBenchmark("session/save", save)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(50);
    benchmark::RegisterBenchmark("session/load", load)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(50);
    benchmark::RunSpecifiedBenchmarks();
    window.reset();
    return 0;
}
