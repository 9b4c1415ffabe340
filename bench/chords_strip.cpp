// The chord strip over a synthesised ten-minute recording (44.1 kHz, 1200
// beats at 120 BPM, a chord change every two beats: 600 tags) at the
// deepest zoom level, a 16204-pixel canvas seen through an 884-pixel view:
//   rebuild      initChordStrip() and the deletion of the old tags;
//   relayout     one beat-offset knob step;
//   keyShift     the whole strip renamed through the chords tab's name
//                query (600 questions);
//   playPos      one 20 ms tick of the play mark (the play line moves by
//                20 ms of audio, about half a pixel).
// Each ends as the event loop would end it (the old tags deleted, pending
// paints made), then with a synchronous repaint of the strip's visible
// part, so the figure is what the call costs until it is drawn. Each
// repetition is one call; the aggregates are median and p99 against the
// 20 ms timer.
// Run on one core, for example:
//   taskset -c 2 build/bench/bench_chords_strip
#include "ChordsStrip.h"
#include "ChordsTab.h"
#include "MetaData.h"
#include "ZoomLevel.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr int sampleRateHz = 44100;
constexpr int frames = 10 * 60 * sampleRateHz;
constexpr int beatCount = 1200;
constexpr int beatFrames = sampleRateHz / 2; // 120 BPM
constexpr int viewWidth = 884;
constexpr int repetitions = 1000;

struct Scene
{
    QWidget view;
    MetaData model;
    ChordsTab tab{nullptr};
    ChordsStrip* strip = nullptr;
    int canvasWidth = 0;
    float playX = 0.0f;

    Scene()
    {
        const char* progression[] = {"C",   "Am", "F",     "G",  "Em7", "Dsus4", "Bbmaj7",
                                     "F#m", "E7", "Csus2", "Ab", "Ebm", "Bm7",   "D"};
        QVector<QString> lists[4];
        for (int b = 0; b <= beatCount; ++b)
            lists[0].append(QString::number(2048 + b * beatFrames));
        for (int b = 0; b < beatCount; ++b)
            lists[1].append(QString::fromLatin1(progression[(b / 2) % 14]));
        for (const char* name : progression)
            lists[2].append(QString::fromLatin1(name));
        lists[3] = {QStringLiteral("120")};
        model.setMetaDataFromFile(lists);

        canvasWidth = ZoomLevel::fromLevel(ZoomLevel::deepestLevel).canvasWidth(viewWidth);
        view.resize(viewWidth, 20);
        strip = new ChordsStrip(&view);
        strip->setMetaData(&model);
        strip->setSampleCount(frames);
        // The view shows the middle of the canvas.
        strip->setGeometry(-canvasWidth / 2, 0, canvasWidth, 20);
        strip->setPlayPosPtr(&playX);
        QObject::connect(strip, &ChordsStrip::getShiftedChordIndex, &tab,
                         qOverload<QString, int>(&ChordsTab::getChordIndex));
        view.show();
        // Painting starts once the window is exposed.
        for (int i = 0; i < 1000 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        strip->initChordStrip();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        playX = float(canvasWidth / 2);
    }
};

// Built in main, after the application object, and gone before it.
std::unique_ptr<Scene> theScene;

Scene& scene()
{
    return *theScene;
}

template <class Call>
void timed(benchmark::State& state, Call&& call)
{
    Scene& s = scene();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        call(s);
        // What the event loop does next: pending paints, then the deletions
        // (which plain sendPostedEvents() leaves queued).
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        s.strip->repaint();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
}

void rebuild(benchmark::State& state)
{
    timed(state, [](Scene& s) { s.strip->initChordStrip(); });
}

void relayout(benchmark::State& state)
{
    static int knob = 49;
    timed(state, [](Scene& s) {
        knob = knob == 49 ? 50 : 49;
        s.strip->repositionChords(knob);
    });
}

void keyShift(benchmark::State& state)
{
    static float shift = 2.0f;
    timed(state, [](Scene& s) {
        shift = shift == 2.0f ? 3.0f : 2.0f;
        s.tab.setChordKeyShift(shift);
        s.strip->setKeyShift(s.tab.transposition().w());
    });
}

void playPos(benchmark::State& state)
{
    // 20 ms of audio in canvas pixels; the line sweeps the visible part.
    const float step = 0.02f * float(sampleRateHz) * float(scene().canvasWidth) / float(frames);
    timed(state, [step](Scene& s) {
        s.playX += step;
        if (s.playX > float(s.canvasWidth / 2 + viewWidth))
            s.playX = float(s.canvasWidth / 2);
        s.strip->updatePlayPos();
    });
}

double percentile(const std::vector<double>& values, double fraction)
{
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t index = size_t(fraction * double(sorted.size() - 1) + 0.5);
    return sorted[index];
}

void perCall(benchmark::internal::Benchmark* b)
{
    b->Iterations(1)
        ->UseManualTime()
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(rebuild)->Apply(perCall);
BENCHMARK(relayout)->Apply(perCall);
BENCHMARK(keyShift)->Apply(perCall);
BENCHMARK(playPos)->Apply(perCall);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    theScene = std::make_unique<Scene>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theScene.reset();
    return 0;
}
