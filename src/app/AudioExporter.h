// Exporting what the player plays, without dialogs:
// - the processed recording, whole or its loop selection, rendered hop by
//   hop through the chain (AudioPlayer::processAudioFrame) into a WAV file
//   (WavWriter) or an MP3 file (Mp3Encoder), with the waveform area's
//   progress bar and status text;
// - the jam tab's active riff and the song, rendered whole by the player
//   (calculateRiffWavData, calculateSongWavData), as WAV.
// Writers put their file in place only when complete, so a failure never
// leaves half a file nor replaces an old one; every failure comes back
// with the writer's message. The main window adds the dialogs, the busy
// flag and the input blocker. GUI thread.
//
// What the render step implies, kept as is: the whole recording starts one
// hop into it and ends with the zero block the render returns once fewer
// than 8192 frames remain (the last part shorter than that is not in the
// file); the progress bar moves by at most one percent per hop, one
// percent behind the position. The selection is exactly its frames, from
// its start's attack to its end, so that it loops seamlessly elsewhere.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class AudioPlayer;
class JamTab;
class PitchSyncWidget;
class RealTimeToolsTab;
class WaveBg;

struct ExportTargets
{
    AudioPlayer* player = nullptr;
    WaveBg* waveBg = nullptr;             // progress, status text, waveform view
    JamTab* jamTab = nullptr;             // the active riff, the song
    RealTimeToolsTab* toolsTab = nullptr; // the pitch switch
    PitchSyncWidget* pitchSync = nullptr; // the pitch ratio
};

class AudioExporter
{
    Q_DECLARE_TR_FUNCTIONS(AudioExporter)

public:
    enum class Kind { Recording, Selection, Riff, Song };
    enum class Format { Wav, Mp3 };

    struct Target
    {
        QString path;
        Format format = Format::Wav;
    };

    enum class Status {
        Written,
        EmptyRiff, // the active riff holds no step: nothing rendered
        EmptySong, // the song has no used slot: nothing rendered
        Failed,    // message: the writer's or the encoder's
    };

    struct Result
    {
        Status status = Status::Written;
        QString message;
        bool ok() const { return status == Status::Written; }
    };

    // The recording's rate and frames; its file's path names the status text.
    AudioExporter(const ExportTargets& targets, int sampleRateHz, int frameCount, const QString& audioFileName);

    // The save dialogs' proposal, without an extension: below the save
    // location "songs/<base>_PROCESSED", "songs/<base>_SELECTION",
    // "<base>_RIFF_EDIT", "songs/<base>_SONG_EDIT"; the base is the audio
    // file's name up to its first ".".
    static QString defaultName(Kind kind, const QString& savePath, const QString& audioFileName);
    // What a chosen name writes. The recording and the selection: a name
    // holding ".wav" is WAV, else one holding ".mp3" is MP3 (any case,
    // ".wav" first); a name holding neither takes the format of the
    // dialog's selected filter and its suffix. Riffs and songs are WAV; a
    // name without ".wav" gets it.
    static Target target(Kind kind, const QString& chosen, const QString& selectedFilter);
    // Riff and song export are offered once some riff's loop holds more
    // than its first step (a loop length of 0 or more).
    static bool riffExportEnabled(const int loopLengths[6]);
    // EmptyRiff when the jam tab's active riff holds no step, EmptySong
    // when no song slot is used (Riff and Song), else Written.
    static Status renderRefusal(Kind kind, const ExportTargets& targets);

    Result exportProcessed(const Target& target, bool selection);
    Result exportRiff(const QString& path);
    Result exportSong(const QString& path);

    // Tests and the benchmark.
    // The MP3 encoder program (default: Mp3Encoder::findEncoder()).
    void setEncoderProgram(const QString& program) { encoderProgram_ = program; }
    // Called with every block written by the processed export, interleaved.
    using BlockObserver = std::function<void(const float* interleaved, int frames)>;
    void setBlockObserver(BlockObserver observer) { blockObserver_ = std::move(observer); }

private:
    Result writeRender(const QString& path, const QList<float>& left, const QList<float>& right);
    // The riff and song renders leave the pitch tool bypassed at 1.0: the
    // tools tab's pitch goes back to the player.
    void resendPitch();
    void showProgress(const QString& text);
    void hideProgress();

    ExportTargets views_;
    int sampleRate_;
    int frames_;
    QString audioFile_;
    QString encoderProgram_;
    BlockObserver blockObserver_;
};

// The progress rule of the processed export: p starts at 1 and t at 2;
// once the position's percentage x passes t, the bar shows p, then p = t
// and t = p + 1. So the bar moves by at most one percent per hop and lags
// x by one, and each whole percent lets pending events run once.
class ExportProgress
{
public:
    explicit ExportProgress(std::function<void(float)> show) : showPercentage_(std::move(show)) { }
    void advance(int position, int end);

private:
    std::function<void(float)> showPercentage_;
    float p_ = 1.0f;
    float t_ = 2.0f;
};
