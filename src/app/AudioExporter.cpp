#include "AudioExporter.h"

#include "AudioPlayer.h"
#include "BeatSelection.h"
#include "JamTab.h"
#include "Mp3Encoder.h"
#include "PitchSyncWidget.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "ProcessingLabel.h"
#include "ProgressBar.h"
#include "RealTimeToolsTab.h"
#include "SongStep.h"
#include "WavWriter.h"
#include "WaveBg.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Frames converted and written at once by the riff and song exports.
constexpr int writeBlockFrames = 512;

// The processed export's writer: a WAV file or the MP3 encoder.
class BlockSink
{
public:
    virtual ~BlockSink() = default;
    virtual bool write(const float* interleaved, int frames) = 0;
    virtual bool finish() = 0;
    virtual QString errorMessage() const = 0;
};

class WavSink final : public BlockSink
{
public:
    bool open(const QString& path, int rate) { return writer_.open(path, rate, 2); }
    bool write(const float* interleaved, int frames) override { return writer_.write(interleaved, frames); }
    bool finish() override { return writer_.close(); }
    QString errorMessage() const override { return writer_.errorMessage(); }

private:
    WavWriter writer_;
};

class Mp3Sink final : public BlockSink
{
public:
    explicit Mp3Sink(const QString& program) : encoder_(program) { }
    bool open(const QString& path, int rate) { return encoder_.start(path, rate); }
    bool write(const float* interleaved, int frames) override { return encoder_.write(interleaved, frames); }
    bool finish() override { return encoder_.finish(); }
    QString errorMessage() const override { return encoder_.errorMessage(); }

private:
    Mp3Encoder encoder_;
};

} // namespace

void ExportProgress::advance(int position, int end)
{
    if (end <= 0)
        return;
    const float x = float(position) / float(end) * 100.0f;
    if (x > t_) {
        showPercentage_(p_);
        p_ = t_;
        t_ = p_ + 1.0f;
    }
}

AudioExporter::AudioExporter(const ExportTargets& targets, int sampleRateHz, int frameCount,
                             const QString& audioFileName)
    : views_(targets), sampleRate_(sampleRateHz), frames_(frameCount), audioFile_(audioFileName)
{
}

QString AudioExporter::defaultName(Kind kind, const QString& savePath, const QString& audioFileName)
{
    const QString base = QFileInfo(audioFileName).baseName();
    switch (kind) {
    case Kind::Recording:
        return savePath + QStringLiteral("/songs/") + base + QStringLiteral("_PROCESSED");
    case Kind::Selection:
        return savePath + QStringLiteral("/songs/") + base + QStringLiteral("_SELECTION");
    case Kind::Riff:
        return savePath + QStringLiteral("/") + base + QStringLiteral("_RIFF_EDIT");
    case Kind::Song:
        return savePath + QStringLiteral("/songs/") + base + QStringLiteral("_SONG_EDIT");
    }
    return QString();
}

AudioExporter::Target AudioExporter::target(Kind kind, const QString& chosen, const QString& selectedFilter)
{
    const QString wav = QStringLiteral(".wav");
    const QString mp3 = QStringLiteral(".mp3");
    if (kind == Kind::Riff || kind == Kind::Song)
        return {chosen.contains(wav, Qt::CaseInsensitive) ? chosen : chosen + wav, Format::Wav};
    if (chosen.contains(wav, Qt::CaseInsensitive))
        return {chosen, Format::Wav};
    if (chosen.contains(mp3, Qt::CaseInsensitive))
        return {chosen, Format::Mp3};
    // The dialog added no suffix: the selected filter decides.
    if (selectedFilter.contains(QStringLiteral("*.mp3"), Qt::CaseInsensitive))
        return {chosen + mp3, Format::Mp3};
    return {chosen + wav, Format::Wav};
}

bool AudioExporter::riffExportEnabled(const int loopLengths[6])
{
    return std::any_of(loopLengths, loopLengths + 6, [](int length) { return length >= 0; });
}

AudioExporter::Status AudioExporter::renderRefusal(Kind kind, const ExportTargets& targets)
{
    if (kind == Kind::Riff) {
        const int riff = targets.jamTab->currentRiff();
        if (targets.waveBg->plotter->beatSelections[riff]->getLoopLength() == -2)
            return Status::EmptyRiff;
    } else if (kind == Kind::Song) {
        const QList<int> song = targets.jamTab->songStep->song();
        if (std::all_of(song.begin(), song.end(), [](int slot) { return slot < 0; }))
            return Status::EmptySong;
    }
    return Status::Written;
}

void AudioExporter::showProgress(const QString& text)
{
    views_.waveBg->progressBar->show();
    views_.waveBg->clearProgressLabel();
    views_.waveBg->setProgressLabelText(text);
    views_.waveBg->plotter->hide();
}

void AudioExporter::hideProgress()
{
    views_.waveBg->progressBar->hide();
    views_.waveBg->clearProgressLabel();
    views_.waveBg->plotter->show();
}

AudioExporter::Result AudioExporter::exportProcessed(const Target& target, bool selection)
{
    AudioPlayer& player = *views_.player;

    // 1. The writer, before anything changes: a path that cannot be
    //    written, or an encoder that does not start, ends here.
    std::unique_ptr<BlockSink> sink;
    if (target.format == Format::Wav) {
        auto wav = std::make_unique<WavSink>();
        if (!wav->open(target.path, sampleRate_))
            return {Status::Failed, wav->errorMessage()};
        sink = std::move(wav);
    } else {
        auto mp3 =
            std::make_unique<Mp3Sink>(encoderProgram_.isEmpty() ? Mp3Encoder::findEncoder() : encoderProgram_);
        if (!mp3->open(target.path, sampleRate_))
            return {Status::Failed, mp3->errorMessage()};
        sink = std::move(mp3);
    }

    // 2. From the start, or from the selection's start up to its end.
    player.stop();
    int end = frames_;
    if (selection) {
        const PlotSelection& loop = *views_.waveBg->plotter->plotSelection;
        player.startSelectionExport(loop.loopStart, loop.loopEnd);
        end = loop.loopEnd;
    } else {
        player.setCurrentPositionFromSession(0);
    }

    // 3. The progress display over the hidden waveform.
    showProgress(tr("Saving Audio | %1").arg(QFileInfo(audioFile_).baseName()));

    // 4. Hop by hop: render, interleave, write; the progress rule lets
    //    pending events run at each whole percent.
    ExportProgress progress([this](float pc) { views_.waveBg->progressBar->updatePercentage(pc); });
    std::vector<float> block;
    bool written = true;
    bool ended = false;
    while (!ended) {
        ended = player.processAudioFrame();
        const int n = std::min(player.exportLeft.size(), player.exportRight.size());
        block.resize(size_t(2 * n));
        for (int f = 0; f < n; ++f) {
            block[size_t(2 * f)] = player.exportLeft.at(f);
            block[size_t(2 * f + 1)] = player.exportRight.at(f);
        }
        if (blockObserver_)
            blockObserver_(block.data(), n);
        written = sink->write(block.data(), n);
        if (!written)
            break;
        progress.advance(player.getCurrentPosition(), end);
    }

    // 5. The display back; the file is complete only now.
    hideProgress();
    if (!written || !sink->finish())
        return {Status::Failed, sink->errorMessage()};
    return {Status::Written, QString()};
}

AudioExporter::Result AudioExporter::writeRender(const QString& path, const QList<float>& left,
                                                 const QList<float>& right)
{
    WavWriter writer;
    if (!writer.open(path, sampleRate_, 2))
        return {Status::Failed, writer.errorMessage()};
    const int n = std::min(left.size(), right.size());
    std::vector<float> block(size_t(2 * writeBlockFrames));
    for (int first = 0; first < n; first += writeBlockFrames) {
        const int count = std::min(writeBlockFrames, n - first);
        for (int f = 0; f < count; ++f) {
            block[size_t(2 * f)] = left.at(first + f);
            block[size_t(2 * f + 1)] = right.at(first + f);
        }
        if (!writer.write(block.data(), count))
            return {Status::Failed, writer.errorMessage()};
    }
    if (!writer.close())
        return {Status::Failed, writer.errorMessage()};
    return {Status::Written, QString()};
}

void AudioExporter::resendPitch()
{
    // The player's "activate" slots take true to bypass.
    views_.player->setInterp(views_.pitchSync->interpFactor());
    views_.player->activatePitch(!views_.toolsTab->pitchPowerButton()->isOn());
}

AudioExporter::Result AudioExporter::exportRiff(const QString& path)
{
    if (renderRefusal(Kind::Riff, views_) != Status::Written)
        return {Status::EmptyRiff, QString()};

    AudioPlayer& player = *views_.player;
    player.calculateRiffWavData();
    resendPitch();
    if (player.riffWavLeft.isEmpty())
        return {Status::EmptyRiff, QString()};
    return writeRender(path, player.riffWavLeft, player.riffWavRight);
}

AudioExporter::Result AudioExporter::exportSong(const QString& path)
{
    if (renderRefusal(Kind::Song, views_) != Status::Written)
        return {Status::EmptySong, QString()};

    AudioPlayer& player = *views_.player;
    showProgress(tr("Saving Song | %1").arg(QFileInfo(path).baseName()));
    player.calculateSongWavData();
    resendPitch();
    Result result{Status::EmptySong, QString()};
    if (!player.songWavLeft.isEmpty())
        result = writeRender(path, player.songWavLeft, player.songWavRight);
    hideProgress();
    return result;
}
