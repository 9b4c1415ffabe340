// MP3 export through the external `lame` encoder: started with an argument
// list (no shell, so any path works), fed a WAV header and 16-bit PCM on its
// standard input, its exit status checked.
//
// The encoder writes next to the target under a temporary name; the target
// appears only when the encoder succeeded, so a failure never replaces an
// existing file nor leaves half an MP3 behind.
//
// Control thread (GUI) only; needs no event loop (waits synchronously,
// bounded by timeouts).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QProcess;

class Mp3Encoder
{
    Q_DECLARE_TR_FUNCTIONS(Mp3Encoder)

public:
    // /usr/local/bin/lame, /usr/bin/lame, then `lame` on PATH; empty when
    // none is there (MP3 is then not offered).
    static QString findEncoder();
    static bool isAvailable() { return !findEncoder().isEmpty(); }
    // The encoder's arguments: "-s" rate "-b" "320" "-" output.
    static QStringList arguments(int sampleRateHz, const QString& outputPath);

    explicit Mp3Encoder(QString program = findEncoder());
    ~Mp3Encoder(); // an unfinished encoding is abandoned: encoder killed, no file
    Mp3Encoder(const Mp3Encoder&) = delete;
    Mp3Encoder& operator=(const Mp3Encoder&) = delete;

    bool start(const QString& outputPath, int sampleRateHz);
    // numFrames interleaved stereo float frames.
    bool write(const float* interleaved, std::int64_t numFrames);
    // Closes the encoder's input, waits for it and checks its exit status.
    bool finish();
    QString errorMessage() const { return error_; }

private:
    bool feed(const char* data, std::int64_t bytes);
    bool failWith(const QString& message);
    void abandon();
    void collectStderr();

    QString program_;
    QString outputPath_;
    QString tempPath_;
    std::unique_ptr<QProcess> process_;
    QByteArray stderrTail_;
    std::vector<char> pcm_;
    QString error_;
    bool failed_ = false;
};
