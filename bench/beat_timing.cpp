// beat_timing_table [SONGS_FOLDER]
//
// The timing table: for each consumer of the beats (the analysis' beats,
// the metronome click, the beat change, the chord tags, the loop stripes
// and a loop's start, a riff step, a riff render), the signed time from the
// true attacks in milliseconds (median, p10, p90), through the
// application's own code (see tests/support/BeatTiming.h). First on
// tone-burst grids of 20 s at 44.1, 48 and 96 kHz, then on each song of the
// folder (default: the shared test songs) against the beats of the JSON
// beside it, and pooled over the songs with drums and over all of them.
#include "AudioDecoder.h"
#include "BeatTiming.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void print(const std::string& title, const beattiming::Timing& timing)
{
    std::printf("\n%s\n%s", title.c_str(), beattiming::table(timing).c_str());
    std::fflush(stdout);
}

void append(beattiming::Timing& to, const beattiming::Timing& from)
{
    for (int c = 0; c < beattiming::consumerCount; ++c)
        to.ms[size_t(c)].insert(to.ms[size_t(c)].end(), from.ms[size_t(c)].begin(), from.ms[size_t(c)].end());
}

// The song and the true beats of the JSON beside it; false when either
// cannot be read.
bool loadSong(const QString& path, beattiming::Recording& r, bool& drums)
{
    QFile json(QFileInfo(path).path() + "/" + QFileInfo(path).completeBaseName() + ".json");
    if (!json.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject truth = QJsonDocument::fromJson(json.readAll()).object();
    AudioDecoder decoder;
    DecodedAudio audio;
    if (!decoder.open(path) || !decoder.decodeAll(audio))
        return false;
    r.name = QFileInfo(path).completeBaseName().toStdString();
    r.rateHz = audio.sampleRateHz;
    r.left.assign(audio.left.data(), audio.left.data() + audio.numFrames);
    r.right.assign(audio.right.data(), audio.right.data() + audio.numFrames);
    for (const QJsonValue beat : truth.value("beats").toArray())
        r.attacks.push_back(beat.toDouble() * audio.sampleRateHz);
    drums = truth.value("drums").toBool();
    return !r.attacks.empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral(TONBROOK_SOURCE_DIR "/../shared/testdata/songs");

    for (const int rate : {44100, 48000, 96000})
        print("tone bursts at " + std::to_string(rate) + " Hz",
              beattiming::measure(beattiming::toneBurstGrid(rate, 20.0)));

    beattiming::Timing drumSongs;
    beattiming::Timing allSongs;
    const QStringList songs = QDir(folder).entryList({QStringLiteral("*.ogg")}, QDir::Files, QDir::Name);
    for (const QString& name : songs) {
        beattiming::Recording r;
        bool drums = false;
        if (!loadSong(folder + "/" + name, r, drums)) {
            std::fprintf(stderr, "beat_timing: cannot read %s or its beats\n", qPrintable(name));
            continue;
        }
        const beattiming::Timing timing = beattiming::measure(r);
        print(r.name + " (" + std::to_string(r.rateHz) + " Hz" + (drums ? ", drums)" : ")"), timing);
        append(allSongs, timing);
        if (drums)
            append(drumSongs, timing);
    }
    if (!songs.isEmpty()) {
        print("songs with drums", drumSongs);
        print("all songs", allSongs);
    }
    return 0;
}
