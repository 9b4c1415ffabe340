// The processed export of a recording file, beside a peer doing the same
// job: the first 60 s of the synthetic song (bench/SyntheticSong.h) as a
// WAV file, decoded and exported to WAV at tempo 0.8 and +3 semitones
// through AudioExporter (render step, progress bar, WavWriter), against
// the wall time of `rubberband -T0.8 -p3` on the same file in the same
// run. Counters: s_per_audio_s (our time over the 60 s of input),
// peer_s_per_audio_s, faster_than_peer (peer time over ours; the goal is 2
// or more) and output_s, the exported length. The peer is skipped (counters 0) when it is not
// installed. Run on one core, for example:
//   taskset -c 0 build/bench/bench_export
#include "AudioDecoder.h"
#include "AudioExporter.h"
#include "AudioOutput.h"
#include "AudioPlayer.h"
#include "JamTab.h"
#include "MetaData.h"
#include "PitchSyncWidget.h"
#include "RealTimeToolsTab.h"
#include "SyntheticSong.h"
#include "WavWriter.h"
#include "WaveBg.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int inputSeconds = 60;
constexpr float tempoFactor = 0.8f;
constexpr double semitones = 3.0;

// The first minute of the song as a 16-bit WAV file.
bool writeInput(const QString& path)
{
    const benchsong::Stereo song = benchsong::synthesise();
    const int frames = inputSeconds * benchsong::kRate;
    std::vector<float> interleaved(size_t(2 * frames));
    for (int i = 0; i < frames; ++i) {
        interleaved[size_t(2 * i)] = song.left[size_t(i)];
        interleaved[size_t(2 * i + 1)] = song.right[size_t(i)];
    }
    WavWriter writer;
    return writer.open(path, benchsong::kRate, 2) && writer.write(interleaved.data(), frames) && writer.close();
}

// The peer's wall time in seconds, or a negative number without it.
double peerSeconds(const QString& input, const QString& output)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("rubberband"));
    if (program.isEmpty())
        return -1.0;
    QElapsedTimer clock;
    clock.start();
    QProcess peer;
    peer.start(
        program,
        {QStringLiteral("-T%1").arg(double(tempoFactor)), QStringLiteral("-p%1").arg(semitones), input, output});
    if (!peer.waitForFinished(600000) || peer.exitCode() != 0)
        return -1.0;
    return double(clock.nsecsElapsed()) * 1e-9;
}

void exportTempoAndPitch(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.wav"));
    if (!writeInput(input)) {
        state.SkipWithError("cannot write the input file");
        return;
    }

    AudioOutputOptions options;
    options.backend = AudioBackend::SilentOnly;
    auto output = AudioOutput::create(options);
    MetaData model;
    AudioPlayer player(*output, AudioPlayer::FeedDriver::Caller);
    player.initMetaData(&model);
    QWidget window;
    auto* waveBg = new WaveBg(&window);
    waveBg->setGeometry(0, 0, 1000, 228);
    auto* tools = new RealTimeToolsTab(&window);
    auto* jam = new JamTab(&window);
    PitchSyncWidget pitchSync;
    window.show();

    double ours = 0.0;
    double peer = 0.0;
    double outputSeconds = 0.0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        AudioDecoder decoder;
        DecodedAudio audio;
        if (!decoder.open(input) || !decoder.decodeAll(audio)) {
            state.SkipWithError("cannot decode the input file");
            return;
        }
        const int frames = int(audio.numFrames);
        player.setPlaybackVars(audio.left.data(), audio.right.data(), 2, frames, audio.sampleRateHz);
        player.setHop(tempoFactor);
        player.activateTempo(false);
        player.setInterp(float(std::pow(2.0, semitones / 12.0)));
        player.activatePitch(false);
        AudioExporter exporter({&player, waveBg, jam, tools, &pitchSync}, audio.sampleRateHz, frames, input);
        const AudioExporter::Result result = exporter.exportProcessed(
            {dir.filePath(QStringLiteral("ours.wav")), AudioExporter::Format::Wav}, false);
        const double seconds = double(clock.nsecsElapsed()) * 1e-9;
        player.forgetRecording();
        if (!result.ok()) {
            state.SkipWithError(result.message.toStdString().c_str());
            return;
        }
        state.SetIterationTime(seconds);
        ours += seconds;
        outputSeconds =
            double(QFileInfo(dir.filePath(QStringLiteral("ours.wav"))).size() - WavWriter::kHeaderBytes) / 4.0
            / double(audio.sampleRateHz);
        peer += peerSeconds(input, dir.filePath(QStringLiteral("peer.wav")));
    }
    const double n = double(state.iterations());
    state.counters["s_per_audio_s"] = ours / n / inputSeconds;
    state.counters["peer_s_per_audio_s"] = peer > 0.0 ? peer / n / inputSeconds : 0.0;
    state.counters["faster_than_peer"] = peer > 0.0 ? peer / ours : 0.0;
    // 75 s at tempo 0.8, less the render step's dropped tail.
    state.counters["output_s"] = outputSeconds;
}

} // namespace

BENCHMARK(exportTempoAndPitch)
    ->Name("ExportWav/60s/tempo0.8_pitch+3")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
