// The one writer of WAV files: 16-bit PCM, 44-byte header, little-endian.
//
// Samples are floats, nominally -1 .. 1, each converted as
// x * 32768 (single precision), truncated toward zero and limited to
// -32768 .. 32767 (NaN gives 0).
//
// Incremental: open(), write() blocks, close() fills in the two lengths and
// puts the file in place. The file appears only when close() succeeds, so a
// failed export never replaces what was there; an unwritable path, a full
// disk or a file past the format's 4 GB give false and a message, never a
// reported success. Destroying an unclosed writer discards the file.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QSaveFile;

class WavWriter
{
    Q_DECLARE_TR_FUNCTIONS(WavWriter)

public:
    static constexpr int kHeaderBytes = 44;

    WavWriter();
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // numChannels 1 or 2.
    bool open(const QString& path, int sampleRateHz, int numChannels = 2);
    // numFrames interleaved frames of numChannels floats.
    bool write(const float* interleaved, std::int64_t numFrames);
    bool close();
    QString errorMessage() const { return error_; }

    static std::int16_t toPcm16(float sample);
    // The header for dataBytes of sample data; 0xffffffff for both lengths
    // tells a reader of a pipe that the length is unknown.
    static QByteArray header(int sampleRateHz, int numChannels, std::uint32_t dataBytes);
    // Converts numSamples floats to little-endian 16-bit PCM into out.
    static void toPcm16(const float* samples, std::int64_t numSamples, char* out);

private:
    bool failWith(const QString& message);

    std::unique_ptr<QSaveFile> file_;
    QString path_;
    QString error_;
    int numChannels_ = 2;
    std::int64_t dataBytes_ = 0;
    bool failed_ = false;
    // One block of converted samples (512 stereo frames).
    std::array<char, 512 * 2 * 2> block_{};
};
