// analyse_file [--tbm OUT] FILE
//
// Analyses one recording as the application does when it opens a file
// without a cache: decodes it whole, mixes it to mono as the analysis
// thread does, runs the analysis driver and fills the result model. Prints
// one JSON object on stdout:
//   file, sample_rate, frames, bpm,
//   beats        the model's beat positions in seconds,
//   heard_beats  where the consumers place each beat, in seconds: the beat
//                less the beat lead (where the metronome clicks and a riff
//                step starts),
//   chords       segments {start, end, label}: beat i to beat i + 1 with
//                the model's chord for beat i ("-" outside the tracked beats),
//   chord_names  the model's chord per beat,
//   detected     the ranked chords,
//   decode_seconds, analysis_seconds (mono mix, driver, model).
// With --tbm OUT it also writes the model's analysis cache to OUT, as a
// chord edit saves it. Errors go to stderr with a non-zero exit status.
#include "AudioDecoder.h"
#include "BeatLead.h"
#include "MetaDataThread.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <chrono>
#include <cstdio>

namespace {

// The application refuses shorter recordings.
constexpr std::int64_t minimumFrames = 100000;

int fail(const QString& message, int status = 1)
{
    std::fprintf(stderr, "analyse_file: %s\n", qPrintable(message));
    return status;
}

int usage()
{
    std::fprintf(stderr, "usage: analyse_file [--tbm OUT] FILE\n");
    return 2;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

QJsonArray strings(const QVector<QString>& list)
{
    QJsonArray array;
    for (const QString& s : list)
        array.append(s);
    return array;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    QString audioPath;
    QString tbmPath;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--tbm") {
            if (++i >= args.size())
                return usage();
            tbmPath = args[i];
        } else if (args[i] == "-h" || args[i] == "--help") {
            usage();
            return 0;
        } else if (audioPath.isEmpty() && !args[i].startsWith("--")) {
            audioPath = args[i];
        } else {
            return usage();
        }
    }
    if (audioPath.isEmpty())
        return usage();

    // Decode.
    const auto decodeStart = std::chrono::steady_clock::now();
    AudioDecoder decoder;
    DecodedAudio audio;
    if (!decoder.open(audioPath) || !decoder.decodeAll(audio))
        return fail(QStringLiteral("cannot decode %1: %2").arg(audioPath, decoder.errorMessage()));
    const double decodeSeconds = secondsSince(decodeStart);
    if (audio.numFrames < minimumFrames)
        return fail(QStringLiteral("%1 is too short: %2 frames, the application needs at least %3")
                        .arg(audioPath)
                        .arg(audio.numFrames)
                        .arg(minimumFrames));

    // Analyse as a run does, and install the result as the GUI thread does.
    const auto analysisStart = std::chrono::steady_clock::now();
    const std::vector<float> mono = MetaDataThread::monoMix(audio.left.data(), audio.right.data(),
                                                            int(audio.numFrames), audio.channelCount == 2);
    MetaDataThread::Analysis analysis = MetaDataThread::analyse(mono, audio.sampleRateHz);
    const double analysisSeconds = secondsSince(analysisStart);
    if (!analysis.result)
        return fail(QStringLiteral("the analysis of %1 gave no usable result").arg(audioPath));
    MetaDataThread thread;
    const MetaData& model = *thread.metaData;
    thread.metaData->handOver(*analysis.result);

    if (!tbmPath.isEmpty()) {
        thread.setFileName(tbmPath, audioPath);
        switch (thread.writeCache()) {
        case AnalysisCache::WriteStatus::Written:
            break;
        case AnalysisCache::WriteStatus::SkippedCdTrack:
            return fail(QStringLiteral("no cache for %1: CD tracks get none").arg(audioPath));
        case AnalysisCache::WriteStatus::Refused:
        case AnalysisCache::WriteStatus::Failed:
            return fail(QStringLiteral("cannot write the analysis cache %1").arg(tbmPath));
        }
    }

    const double rate = double(audio.sampleRateHz);
    QJsonArray beats;
    QJsonArray heardBeats;
    for (float b : model.beats) {
        beats.append(double(b) / rate);
        heardBeats.append(double(base::heardFrame(b)) / rate);
    }
    QJsonArray chords;
    for (int i = 0; i < model.chordVec.size() && i + 1 < model.beats.size(); ++i) {
        chords.append(QJsonObject{{"start", double(model.beats[i]) / rate},
                                  {"end", double(model.beats[i + 1]) / rate},
                                  {"label", model.chordVec[i]}});
    }
    QVector<QString> detected;
    for (const QString& name : model.chordVecDetected)
        if (!name.isEmpty())
            detected.append(name);

    const QJsonObject out{
        {"file", audioPath},
        {"sample_rate", audio.sampleRateHz},
        {"frames", double(audio.numFrames)},
        {"bpm", double(model.bpm)},
        {"beats", beats},
        {"heard_beats", heardBeats},
        {"chords", chords},
        {"chord_names", strings(model.chordVec)},
        {"detected", strings(detected)},
        {"decode_seconds", decodeSeconds},
        {"analysis_seconds", analysisSeconds},
    };
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fputc('\n', stdout);
    return std::fflush(stdout) == 0 ? 0 : fail(QStringLiteral("cannot write the result"));
}
