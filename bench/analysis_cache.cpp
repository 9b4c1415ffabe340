// Opening an analysed recording must feel instant: the cost of reading and
// loading its cache, and of writing it after an analysis or a chord edit.
// The size is a 10-minute recording at 120 BPM (1200 beats).
#include "AnalysisCache.h"
#include "MetaData.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

AnalysisResult tenMinutes()
{
    const char* names[] = {"Am", "F", "C", "G"};
    AnalysisResult result;
    result.bpm = 120.0f;
    for (int i = 0; i <= 1200; ++i)
        result.beats.append(float(i) * 22050.0f + 17.0f);
    for (int i = 0; i < 1200; ++i)
        result.chordVec.append(QString::fromLatin1(names[(i / 4) % 4]));
    for (int i = 0; i < 84; ++i)
        result.chordVecDetected.append(i < 4 ? QString::fromLatin1(names[i]) : QString());
    return result;
}

void writeCache(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("song.tbm"));
    const AnalysisResult result = tenMinutes();
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalysisCache::write(path, QStringLiteral("/Music/song.mp3"), result));
}
BENCHMARK(writeCache)->Unit(benchmark::kMicrosecond);

void readAndLoadCache(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("song.tbm"));
    AnalysisCache::write(path, QStringLiteral("/Music/song.mp3"), tenMinutes());
    MetaData model;
    for (auto _ : state) {
        AnalysisCache::Lists lists;
        AnalysisCache::read(path, lists);
        benchmark::DoNotOptimize(model.setMetaDataFromFile(lists.data()));
    }
}
BENCHMARK(readAndLoadCache)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
