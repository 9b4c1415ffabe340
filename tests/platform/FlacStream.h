// Writes FLAC files byte by byte, for files no encoder would write: a
// STREAMINFO block with any rate and length, then frames that may each
// declare their own sample rate. Subframes are constant or verbatim, and
// every frame carries a valid CRC-8 and CRC-16, so a decoder takes it as
// intact. 8, 16 or 24 bits per sample (frames stay byte-aligned).
#pragma once

#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace flac {

struct StreamInfo
{
    int rateHz = 44100;
    int channels = 1;
    int bitsPerSample = 16;
    std::uint64_t totalFrames = 0; // 36 bits; 0 means unknown
    int maxBlockFrames = 4096;
};

struct Frame
{
    int rateHz = 0; // 0: "as in STREAMINFO"
    int numFrames = 4096;
    // One value per channel: a constant subframe. Otherwise `samples`
    // (interleaved, numFrames per channel) in verbatim subframes.
    std::vector<std::int32_t> constant;
    std::vector<std::int32_t> samples;
};

inline std::uint8_t crc8(const QByteArray& bytes)
{
    std::uint8_t crc = 0;
    for (char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint8_t>((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

inline std::uint16_t crc16(const QByteArray& bytes)
{
    std::uint16_t crc = 0;
    for (char c : bytes) {
        crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x8005 : crc << 1);
    }
    return crc;
}

inline void putBigEndian(QByteArray& out, std::uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// "fLaC" and the one metadata block.
inline QByteArray header(const StreamInfo& info)
{
    QByteArray out("fLaC");
    out.append(static_cast<char>(0x80)); // last block, type STREAMINFO
    putBigEndian(out, 34, 3);
    putBigEndian(out, static_cast<std::uint64_t>(info.maxBlockFrames), 2); // smallest block
    putBigEndian(out, static_cast<std::uint64_t>(info.maxBlockFrames), 2);
    putBigEndian(out, 0, 3); // frame sizes unknown
    putBigEndian(out, 0, 3);
    const std::uint64_t packed = (static_cast<std::uint64_t>(info.rateHz) & 0xfffff) << 44
        | static_cast<std::uint64_t>(info.channels - 1) << 41
        | static_cast<std::uint64_t>(info.bitsPerSample - 1) << 36 | (info.totalFrames & 0xfffffffffULL);
    putBigEndian(out, packed, 8);
    out.append(QByteArray(16, '\0')); // no MD5
    return out;
}

inline int sampleSizeCode(int bits)
{
    switch (bits) {
    case 8:
        return 1;
    case 16:
        return 4;
    case 24:
        return 6;
    }
    return 0;
}

// The frame number in FLAC's UTF-8-like coding.
inline void putCodedNumber(QByteArray& out, std::uint32_t n)
{
    if (n < 0x80) {
        out.append(static_cast<char>(n));
        return;
    }
    int extra = n < 0x800 ? 1 : n < 0x10000 ? 2 : n < 0x200000 ? 3 : n < 0x4000000 ? 4 : 5;
    const std::uint8_t lead = static_cast<std::uint8_t>(0xff00 >> (extra + 1));
    out.append(static_cast<char>(lead | (n >> (6 * extra))));
    for (int i = extra - 1; i >= 0; --i)
        out.append(static_cast<char>(0x80 | ((n >> (6 * i)) & 0x3f)));
}

inline QByteArray frame(const StreamInfo& info, const Frame& f, std::uint32_t index)
{
    QByteArray out;
    out.append(static_cast<char>(0xff));
    out.append(static_cast<char>(0xf8)); // fixed block size
    // Block size as 16 bits after the number (code 7); the rate as 16 bits
    // in Hz (code 13), in tens of Hz (code 14), or from STREAMINFO (code 0).
    int rateCode = 0;
    if (f.rateHz > 0)
        rateCode = f.rateHz <= 0xffff ? 13 : 14;
    out.append(static_cast<char>(0x70 | rateCode));
    out.append(static_cast<char>((info.channels - 1) << 4 | sampleSizeCode(info.bitsPerSample) << 1));
    putCodedNumber(out, index);
    putBigEndian(out, static_cast<std::uint64_t>(f.numFrames - 1), 2);
    if (rateCode == 13)
        putBigEndian(out, static_cast<std::uint64_t>(f.rateHz), 2);
    else if (rateCode == 14)
        putBigEndian(out, static_cast<std::uint64_t>(f.rateHz / 10), 2);
    out.append(static_cast<char>(crc8(out)));

    const int bytesPerSample = info.bitsPerSample / 8;
    const std::uint64_t mask = (std::uint64_t{1} << info.bitsPerSample) - 1;
    for (int c = 0; c < info.channels; ++c) {
        if (!f.constant.empty()) {
            out.append(static_cast<char>(0x00));
            putBigEndian(out, static_cast<std::uint64_t>(f.constant[static_cast<size_t>(c)]) & mask,
                         bytesPerSample);
            continue;
        }
        out.append(static_cast<char>(0x02));
        for (int i = 0; i < f.numFrames; ++i) {
            const std::int32_t v = f.samples[static_cast<size_t>(i * info.channels + c)];
            putBigEndian(out, static_cast<std::uint64_t>(v) & mask, bytesPerSample);
        }
    }
    putBigEndian(out, crc16(out), 2);
    return out;
}

inline QByteArray file(const StreamInfo& info, const std::vector<Frame>& frames)
{
    QByteArray out = header(info);
    for (size_t i = 0; i < frames.size(); ++i)
        out.append(frame(info, frames[i], static_cast<std::uint32_t>(i)));
    return out;
}

// Interleaved 16-bit samples cut into verbatim frames of blockFrames.
inline std::vector<Frame> verbatimFrames(const std::vector<std::int32_t>& interleaved, int channels,
                                         int blockFrames)
{
    std::vector<Frame> frames;
    const auto total = static_cast<int>(interleaved.size()) / channels;
    for (int start = 0; start < total; start += blockFrames) {
        Frame f;
        f.numFrames = std::min(blockFrames, total - start);
        f.samples.assign(interleaved.begin() + start * channels,
                         interleaved.begin() + (start + f.numFrames) * channels);
        frames.push_back(std::move(f));
    }
    return frames;
}

} // namespace flac
