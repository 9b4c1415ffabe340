// Opening an analysed recording must feel instant: the cost of reading and
// loading its cache, of writing it after an analysis or a chord edit, and
// of finding it among the caches of a whole library (a recording opened
// again, one never analysed, one renamed since its analysis). The size is
// a 10-minute recording at 120 BPM (1200 beats).
#include "AnalysisCache.h"
#include "CacheReading.h"
#include "MetaData.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
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

const AnalysisCache::RecordingSize tenMinutesSize{26460000, 44100};

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

// A library of state.range(0) analysed recordings (their caches only, each
// of a length of its own) and one recording of our own, "song.mp3".
struct Library
{
    QTemporaryDir dir;
    QString saveLocation = dir.filePath(QStringLiteral("Tonbrook"));
    QString music = dir.filePath(QStringLiteral("music"));

    explicit Library(int caches)
    {
        QDir().mkpath(music);
        const QString folder = AnalysisCache::folder(saveLocation);
        const AnalysisResult result = tenMinutes();
        for (int i = 0; i < caches; ++i) {
            const QString audioPath = QStringLiteral("/Library/Artist %1/Track %1.flac").arg(i);
            AnalysisCache::write(AnalysisCache::filePath(folder, audioPath), audioPath, result,
                                 {tenMinutesSize.frames + 3000 * (i + 1), 44100});
        }
    }
    QString recording(const QString& name) const
    {
        const QString path = music + QLatin1Char('/') + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }
};

void findAgain(benchmark::State& state)
{
    Library library(int(state.range(0)));
    const QString song = library.recording(QStringLiteral("song.mp3"));
    AnalysisCache::write(CacheReading::cachePathFor(library.saveLocation, song), song, tenMinutes(),
                         tenMinutesSize);
    for (auto _ : state) {
        AnalysisCache::Lists lists;
        const auto found = CacheReading::find(library.saveLocation, song, tenMinutesSize, lists);
        if (found.status != AnalysisCache::ReadStatus::Ok)
            state.SkipWithError("the cache was not found");
    }
}
BENCHMARK(findAgain)->Arg(0)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

void findNone(benchmark::State& state)
{
    Library library(int(state.range(0)));
    const QString song = library.recording(QStringLiteral("song.mp3"));
    for (auto _ : state) {
        AnalysisCache::Lists lists;
        const auto found = CacheReading::find(library.saveLocation, song, tenMinutesSize, lists);
        if (found.status == AnalysisCache::ReadStatus::Ok)
            state.SkipWithError("a cache was found");
    }
}
BENCHMARK(findNone)->Arg(0)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// Each round renames the recording (untimed) and finds its cache under
// the other name.
void findRenamed(benchmark::State& state)
{
    // One line per hand-over.
    QLoggingCategory::setFilterRules(QStringLiteral("tonbrook.shell.info=false"));
    Library library(int(state.range(0)));
    QString song = library.recording(QStringLiteral("song.mp3"));
    QString renamed = library.music + QStringLiteral("/renamed.mp3");
    AnalysisCache::write(CacheReading::cachePathFor(library.saveLocation, song), song, tenMinutes(),
                         tenMinutesSize);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::rename(song, renamed);
        std::swap(song, renamed);
        state.ResumeTiming();
        AnalysisCache::Lists lists;
        const auto found = CacheReading::find(library.saveLocation, song, tenMinutesSize, lists);
        if (found.status != AnalysisCache::ReadStatus::Ok) {
            state.SkipWithError("the renamed recording's cache was not found");
            break;
        }
    }
}
BENCHMARK(findRenamed)->Arg(0)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
