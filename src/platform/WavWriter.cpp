#include "WavWriter.h"

#include <QSaveFile>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

// The largest data chunk whose RIFF length still fits 32 bits.
constexpr std::int64_t kMaxDataBytes = 0xffffffffLL - (WavWriter::kHeaderBytes - 8);

void put16(char* p, std::uint16_t v)
{
    qToLittleEndian(v, p);
}

void put32(char* p, std::uint32_t v)
{
    qToLittleEndian(v, p);
}

} // namespace

WavWriter::WavWriter() = default;

WavWriter::~WavWriter()
{
    if (file_)
        file_->cancelWriting();
}

std::int16_t WavWriter::toPcm16(float sample)
{
    const float scaled = sample * 32768.0f;
    if (std::isnan(scaled))
        return 0;
    if (scaled >= 32767.0f)
        return 32767;
    if (scaled <= -32768.0f)
        return -32768;
    return static_cast<std::int16_t>(scaled); // truncates toward zero
}

void WavWriter::toPcm16(const float* samples, std::int64_t numSamples, char* out)
{
    for (std::int64_t i = 0; i < numSamples; ++i)
        put16(out + 2 * i, static_cast<std::uint16_t>(toPcm16(samples[i])));
}

QByteArray WavWriter::header(int sampleRateHz, int numChannels, std::uint32_t dataBytes)
{
    char p[kHeaderBytes];
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(numChannels) * 2;
    const std::uint32_t riffLength = dataBytes > 0xffffffffu - 36 ? 0xffffffffu : dataBytes + 36;
    std::memcpy(p, "RIFF", 4);
    put32(p + 4, riffLength);
    std::memcpy(p + 8, "WAVE", 4);
    std::memcpy(p + 12, "fmt ", 4);
    put32(p + 16, 16);
    put16(p + 20, 1); // PCM
    put16(p + 22, static_cast<std::uint16_t>(numChannels));
    put32(p + 24, static_cast<std::uint32_t>(sampleRateHz));
    put32(p + 28, static_cast<std::uint32_t>(sampleRateHz) * blockAlign);
    put16(p + 32, static_cast<std::uint16_t>(blockAlign));
    put16(p + 34, 16);
    std::memcpy(p + 36, "data", 4);
    put32(p + 40, dataBytes);
    return QByteArray(p, kHeaderBytes);
}

bool WavWriter::failWith(const QString& message)
{
    if (!failed_)
        error_ = message;
    failed_ = true;
    return false;
}

bool WavWriter::open(const QString& path, int sampleRateHz, int numChannels)
{
    if (file_)
        file_->cancelWriting();
    file_.reset();
    path_ = path;
    error_.clear();
    failed_ = false;
    dataBytes_ = 0;
    numChannels_ = numChannels;
    if (sampleRateHz <= 0 || (numChannels != 1 && numChannels != 2))
        return failWith(tr("Cannot create %1: unsupported format").arg(path));
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        const QString reason = file_->errorString();
        file_.reset();
        return failWith(tr("Cannot create %1: %2").arg(path, reason));
    }
    const QByteArray h = header(sampleRateHz, numChannels, 0);
    if (file_->write(h) != h.size())
        return failWith(tr("Cannot write %1: %2").arg(path, file_->errorString()));
    return true;
}

bool WavWriter::write(const float* interleaved, std::int64_t numFrames)
{
    if (!file_)
        return failWith(tr("No WAV file is open"));
    if (failed_)
        return false;
    if (numFrames <= 0)
        return numFrames == 0;
    const std::int64_t bytes = numFrames * numChannels_ * 2;
    if (dataBytes_ + bytes > kMaxDataBytes)
        return failWith(tr("Cannot write %1: longer than a WAV file can hold").arg(path_));
    const std::int64_t blockSamples = static_cast<std::int64_t>(block_.size()) / 2;
    std::int64_t samples = numFrames * numChannels_;
    while (samples > 0) {
        const std::int64_t n = std::min(samples, blockSamples);
        toPcm16(interleaved, n, block_.data());
        if (file_->write(block_.data(), 2 * n) != 2 * n)
            return failWith(tr("Cannot write %1: %2").arg(path_, file_->errorString()));
        interleaved += n;
        samples -= n;
    }
    dataBytes_ += bytes;
    return true;
}

bool WavWriter::close()
{
    if (!file_)
        return failWith(tr("No WAV file is open"));
    std::unique_ptr<QSaveFile> file = std::move(file_);
    if (failed_) {
        file->cancelWriting();
        return false;
    }
    char length[4];
    put32(length, static_cast<std::uint32_t>(dataBytes_ + kHeaderBytes - 8));
    bool ok = file->seek(4) && file->write(length, 4) == 4;
    put32(length, static_cast<std::uint32_t>(dataBytes_));
    ok = ok && file->seek(40) && file->write(length, 4) == 4;
    // commit() flushes: a full disk shows here at the latest.
    if (!ok || !file->commit())
        return failWith(tr("Cannot write %1: %2").arg(path_, file->errorString()));
    return true;
}
