// fuzz_seeds OUT: writes the first inputs of each fuzz target into
// OUT/<target>/: small files of every form the readers meet, made here
// (tools/fuzz.sh adds encoded audio when ffmpeg is there).
#include "AnalysisCache.h"
#include "AudioFixtures.h"
#include "FlacStream.h"
#include "SimpleCrypt.h"
#include "SyntheticSignals.h"
#include "WavWriter.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

QString outDir;

bool put(const char* target, const QString& name, const QByteArray& bytes)
{
    const QString dir = outDir + QLatin1Char('/') + QLatin1String(target);
    QFile file(dir + QLatin1Char('/') + name);
    return QDir().mkpath(dir) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray wav(int rateHz, int channels, int frames)
{
    const auto x = synth::interleavedSines(rateHz, channels, frames, 440.0, 1000.0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.wav"));
    WavWriter writer;
    if (!writer.open(path, rateHz, channels) || !writer.write(x.data(), frames) || !writer.close())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// WavWriter writes one or two channels; the header says any count, and the
// extensible one where each channel sits.
QByteArray wavOfChannels(int channels, int frames, std::int64_t mask = -1)
{
    const auto x = synth::interleavedSines(44100, channels, frames, 440.0, 1000.0);
    return mask < 0 ? fixtures::pcmWav(44100, channels, x)
                    : fixtures::extensibleWav(44100, channels, static_cast<std::uint32_t>(mask), x);
}

flac::Frame constantFrame(int rateHz, int channels)
{
    flac::Frame f;
    f.rateHz = rateHz;
    f.numFrames = 1024;
    f.constant.assign(static_cast<size_t>(channels), 1000);
    return f;
}

QByteArray shortFlac(int channels, std::uint64_t totalFrames)
{
    const auto tones = synth::interleavedSines(44100, channels, 2048, 440.0, 1000.0);
    std::vector<std::int32_t> x(tones.size());
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<std::int32_t>(std::lround(tones[i] * 32767.0f));
    flac::StreamInfo info;
    info.channels = channels;
    info.totalFrames = totalFrames;
    info.maxBlockFrames = 1024;
    return flac::file(info, flac::verbatimFrames(x, channels, 1024));
}

AnalysisResult result(int beats)
{
    AnalysisResult r;
    r.bpm = 120.18466f;
    const char* names[] = {"Am", "C", "G#m7", "Fmaj7", "X"};
    for (int i = 0; i < beats; ++i) {
        r.beats.append(22050.0f * static_cast<float>(i));
        if (i + 1 < beats)
            r.chordVec.append(QString::fromLatin1(names[i % 5]));
    }
    r.chordVecDetected = {QStringLiteral("Am"), QStringLiteral("C"), QString(), QString()};
    return r;
}

QByteArray scrambled(const QByteArray& plain)
{
    SimpleCrypt crypt(SimpleCrypt::cacheKey);
    return crypt.encryptToString(plain).toUtf8();
}

bool decoderSeeds()
{
    flac::StreamInfo mono;
    mono.maxBlockFrames = 1024;
    flac::StreamInfo high = mono;
    high.rateHz = 384000;
    return put("decoder", "mono-8k.wav", wav(8000, 1, 400)) && put("decoder", "stereo-44k.wav", wav(44100, 2, 600))
        && put("decoder", "stereo.flac", shortFlac(2, 2048))
        && put("decoder", "mono-unknown-length.flac", shortFlac(1, 0))
        && put("decoder", "length-all-ones.flac", shortFlac(1, 0xfffffffffULL))
        && put("decoder", "rate-switch.flac",
               flac::file(mono, {constantFrame(44100, 1), constantFrame(10, 1), constantFrame(44100, 1)}))
        && put("decoder", "384k.flac", flac::file(high, {constantFrame(0, 1), constantFrame(0, 1)}))
        && put("decoder", "11-channels.wav", wavOfChannels(11, 300))
        && put("decoder", "pair-side-mask.wav", wavOfChannels(2, 300, 0x600))
        && put("decoder", "pair-mask-three-bits.wav", wavOfChannels(2, 300, 0x7))
        && put("decoder", "lfe-and-sides.wav", wavOfChannels(3, 300, 0x608))
        && put("decoder", "mono-lfe.wav", wavOfChannels(1, 300, 0x8));
}

bool cacheSeeds()
{
    const QByteArray plain = AnalysisCache::plainText(QStringLiteral("/Music/song.mp3"), result(6));
    const QByteArray longPlain = AnalysisCache::plainText(QStringLiteral("/Music/long take.flac"), result(400));
    const QByteArray sized =
        AnalysisCache::plainText(QStringLiteral("/Music/song.mp3"), result(6), {132300, 44100});
    return put("analysis_cache", "plain.tbm", plain) && put("analysis_cache", "scrambled.tbm", scrambled(plain))
        && put("analysis_cache", "compressed.tbm", scrambled(longPlain))
        && put("analysis_cache", "nul.tbm", QByteArray(plain).insert(20, '\0'))
        && put("analysis_cache", "awaa.tbm", "AwAA" + plain)
        && put("analysis_cache", "crlf.tbm", plain + "\r\nsecond line\n")
        && put("analysis_cache", "sized.tbm", scrambled(sized)) && put("analysis_cache", "sized-plain.tbm", sized)
        && put("analysis_cache", "empty.tbm", {});
}

// The tag target's first byte picks the extension: 1 ".flac", 8 ".wav".
bool tagSeeds()
{
    return put("tags", "flac", QByteArray(1, '\1') + shortFlac(2, 2048))
        && put("tags", "wav", QByteArray(1, '\x08') + wav(44100, 2, 100));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUT\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    if (!decoderSeeds() || !cacheSeeds() || !tagSeeds()) {
        std::fprintf(stderr, "fuzz_seeds: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
