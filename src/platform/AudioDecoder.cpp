#include "AudioDecoder.h"

#include "ChannelMixDown.h"
#include "FfmpegLog.h"
#include "RecordingBuffers.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace {

// A format guessed with less confidence than this (a few stray sync words in
// arbitrary bytes) would decode noise: such files are refused.
constexpr int kMinProbeScore = AVPROBE_SCORE_RETRY;
// After this many decoding errors in a row the rest of the file is given up.
constexpr int kMaxConsecutiveErrors = 200;
// A packet that fails to decode becomes silence of its length, so what
// follows keeps its time; no codec frame is longer than kMaxGapFrames, and
// a damaged stretch gets at most kMaxOwedFrames (about 20 s).
constexpr std::int64_t kMaxGapFrames = 1 << 16;
constexpr std::int64_t kMaxOwedFrames = 1 << 20;
constexpr int kChunkFrames = 4096;
// Rates a recording can have; a file announcing another is refused.
constexpr int kMinRateHz = 8000;
constexpr int kMaxRateHz = 384000;
// No codec we know packs more frames into a byte: FLAC's densest frame, a
// constant block of 65536 frames, takes 12 bytes (5462 frames a byte).
// A length the file cannot hold by this measure is not reserved.
constexpr std::int64_t kMaxFramesPerByte = 8192;
// The output's first room when the length is unknown or not believed;
// it doubles from there.
constexpr std::int64_t kInitialFrames = 1 << 16;

} // namespace

struct AudioDecoder::Impl
{
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* swr = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int streamIndex = -1;
    AVRational timeBase{1, 1};
    int rateHz = 0;
    int outChannels = 0;
    int sourceChannels = 0;
    std::int64_t estimated = 0;
    std::int64_t framesHeld = 0; // the most frames the file's bytes can hold

    // What swr was set up for; a stream may change format midway.
    AVChannelLayout swrLayout{};
    int swrFormat = -1;
    int swrRate = 0;

    std::vector<float> pending; // converted frames not yet delivered
    std::int64_t pendingFrames = 0;
    std::int64_t pendingPos = 0;
    bool packetsDone = false;
    bool finished = false;
    std::int64_t delivered = 0;
    std::int64_t decodedFrames = 0; // from packets that decoded, silence for the others excluded
    // Silence for failed packets, handed out before the next decoded frame
    // (and dropped at the end of the file: nothing after it keeps time).
    std::int64_t owedSilence = 0;
    int decodeErrors = 0;
    std::int64_t largestBuffer = 0; // frames

    void noteBuffer(size_t values)
    {
        largestBuffer = std::max(largestBuffer, static_cast<std::int64_t>(values) / outChannels);
    }

    ~Impl()
    {
        av_channel_layout_uninit(&swrLayout);
        swr_free(&swr);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    bool refill();
    bool convert();
    void owe(std::int64_t frames);
    void owe(const AVPacket& failed);
    bool setUpResampler();
    void noteDamage(int& errorsInARow);
};

namespace {

// Where FFmpeg says each channel sits, in the mix-down's terms; a count
// alone is read as FFmpeg's usual layout for it, where it has one. Empty
// for a count the mix-down cannot take.
std::vector<ChannelPlace> placesOf(const AVChannelLayout& layout)
{
    if (layout.nb_channels <= 0 || layout.nb_channels > kMaxMixChannels)
        return {};
    AVChannelLayout guess{};
    const AVChannelLayout* named = &layout;
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC) {
        av_channel_layout_default(&guess, layout.nb_channels);
        named = &guess;
    }
    std::vector<ChannelPlace> places(static_cast<size_t>(layout.nb_channels));
    for (unsigned c = 0; c < places.size(); ++c) {
        const int id = av_channel_layout_channel_from_index(named, c);
        if (id >= 0 && id < 64)
            places[c] = {ChannelPlace::Kind::Speaker, id};
        else if (id >= AV_CHAN_AMBISONIC_BASE && id <= AV_CHAN_AMBISONIC_END)
            places[c] = {ChannelPlace::Kind::Ambisonic, id - AV_CHAN_AMBISONIC_BASE};
    }
    return places;
}

} // namespace

bool AudioDecoder::Impl::setUpResampler()
{
    const AVChannelLayout& layout = frame->ch_layout;
    if (swr && frame->format == swrFormat && frame->sample_rate == swrRate
        && av_channel_layout_compare(&layout, &swrLayout) == 0)
        return true;
    swr_free(&swr);
    av_channel_layout_uninit(&swrLayout);
    if (av_channel_layout_copy(&swrLayout, &layout) < 0)
        return false;
    swrFormat = frame->format;
    swrRate = frame->sample_rate;
    std::vector<double> gains;
    if (!channelMixDown(placesOf(layout), outChannels, gains))
        return false;
    // The resampler learns only how many channels come in: where they sit
    // is in the gains. As many in as out and no gains: no mixing at all.
    AVChannelLayout inLayout{};
    AVChannelLayout outLayout{};
    av_channel_layout_default(&inLayout, layout.nb_channels);
    av_channel_layout_default(&outLayout, outChannels);
    int ret = swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_FLT, rateHz, &inLayout,
                                  static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0, nullptr);
    if (ret >= 0 && !swr)
        ret = AVERROR(ENOMEM);
    if (ret >= 0 && !gains.empty())
        ret = swr_set_matrix(swr, gains.data(), layout.nb_channels);
    if (ret >= 0)
        ret = swr_init(swr);
    if (ret < 0) {
        swr_free(&swr);
        return false;
    }
    return true;
}

bool AudioDecoder::Impl::convert()
{
    if (frame->nb_samples <= 0 || frame->sample_rate <= 0 || frame->ch_layout.nb_channels <= 0)
        return false;
    if (!setUpResampler())
        return false;
    const int maxOut = swr_get_out_samples(swr, frame->nb_samples);
    if (maxOut < 0)
        return false;
    const size_t channels = static_cast<size_t>(outChannels);
    const size_t lead = static_cast<size_t>(owedSilence) * channels;
    const size_t needed = lead + static_cast<size_t>(maxOut) * channels;
    if (pending.size() < needed)
        pending.resize(needed);
    noteBuffer(pending.capacity());
    auto* out = reinterpret_cast<uint8_t*>(pending.data() + lead);
    const int got =
        swr_convert(swr, &out, maxOut, const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
    if (got < 0)
        return false;
    std::fill(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(lead), 0.0f);
    // A damaged packet can decode to NaN or infinities: never hand those on.
    const size_t end = lead + static_cast<size_t>(got) * channels;
    for (size_t i = lead; i < end; ++i) {
        if (!std::isfinite(pending[i]))
            pending[i] = 0.0f;
    }
    decodedFrames += got;
    pendingFrames = owedSilence + got;
    pendingPos = 0;
    owedSilence = 0;
    return true;
}

void AudioDecoder::Impl::owe(std::int64_t frames)
{
    owedSilence = std::min(owedSilence + std::clamp<std::int64_t>(frames, 0, kMaxGapFrames), kMaxOwedFrames);
}

void AudioDecoder::Impl::owe(const AVPacket& failed)
{
    if (failed.duration > 0)
        owe(av_rescale_q(failed.duration, timeBase, AVRational{1, rateHz}));
}

void AudioDecoder::Impl::noteDamage(int& errorsInARow)
{
    ++decodeErrors;
    if (++errorsInARow > kMaxConsecutiveErrors)
        finished = true;
}

// Decodes until some frames are pending; false at the end of the stream.
bool AudioDecoder::Impl::refill()
{
    pendingFrames = 0;
    pendingPos = 0;
    int errorsInARow = 0;
    while (!finished) {
        int ret = avcodec_receive_frame(codec, frame);
        if (ret == 0) {
            // A frame may announce a rate of its own (FLAC does); resampled,
            // a few bytes marked 1 Hz would become hours. Such a frame is
            // damage: silence of its length at the stream's rate.
            if (frame->sample_rate != rateHz) {
                owe(frame->nb_samples);
                av_frame_unref(frame);
                noteDamage(errorsInARow);
                continue;
            }
            const bool converted = convert();
            av_frame_unref(frame);
            if (!converted) {
                noteDamage(errorsInARow);
                continue;
            }
            if (pendingFrames > 0)
                return true;
            continue;
        }
        if (ret == AVERROR_EOF) {
            finished = true;
            break;
        }
        if (ret != AVERROR(EAGAIN)) {
            noteDamage(errorsInARow);
            continue;
        }
        if (packetsDone) {
            finished = true;
            break;
        }
        ret = av_read_frame(format, packet);
        if (ret < 0) {
            // End of file, a truncated file or a read error: what was read
            // so far is all there is. The flush hands out what the decoder
            // still holds, then EOF.
            packetsDone = true;
            avcodec_send_packet(codec, nullptr);
            continue;
        }
        if (packet->stream_index == streamIndex) {
            // The decoder holds no frame here, so an error belongs to this
            // very packet.
            ret = avcodec_send_packet(codec, packet);
            if (ret < 0) {
                noteDamage(errorsInARow);
                owe(*packet);
                av_packet_unref(packet);
                continue;
            }
            errorsInARow = 0;
        }
        av_packet_unref(packet);
    }
    return false;
}

AudioDecoder::AudioDecoder() = default;

AudioDecoder::~AudioDecoder() = default;

bool AudioDecoder::fail(DecodeError error)
{
    d_.reset();
    error_ = error;
    return false;
}

void AudioDecoder::close()
{
    d_.reset();
}

bool AudioDecoder::open(const QString& path)
{
    close();
    error_ = DecodeError::None;
    const QFileInfo info(path);
    if (!info.exists())
        return fail(DecodeError::FileNotFound);
    if (info.isDir() || !info.isReadable())
        return fail(DecodeError::FileUnreadable);
    if (info.size() == 0)
        return fail(DecodeError::FileEmpty);

    routeFfmpegLog();
    d_ = std::make_unique<Impl>();
    // The "file:" prefix keeps a name with a colon from being read as
    // another protocol.
    const QByteArray url = "file:" + QFile::encodeName(info.absoluteFilePath());
    int ret = avformat_open_input(&d_->format, url.constData(), nullptr, nullptr);
    if (ret < 0) {
        if (ret == AVERROR(ENOENT))
            return fail(DecodeError::FileNotFound);
        if (ret == AVERROR(EACCES) || ret == AVERROR(EISDIR))
            return fail(DecodeError::FileUnreadable);
        return fail(DecodeError::NotAudio);
    }
    if (d_->format->probe_score < kMinProbeScore)
        return fail(DecodeError::NotAudio);
    if (avformat_find_stream_info(d_->format, nullptr) < 0)
        return fail(DecodeError::NotAudio);

    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(d_->format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (index < 0 || !codec)
        return fail(DecodeError::NotAudio);
    d_->streamIndex = index;
    for (unsigned i = 0; i < d_->format->nb_streams; ++i) {
        if (static_cast<int>(i) != index)
            d_->format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVStream* stream = d_->format->streams[index];

    d_->timeBase = stream->time_base;
    d_->codec = avcodec_alloc_context3(codec);
    if (!d_->codec || avcodec_parameters_to_context(d_->codec, stream->codecpar) < 0)
        return fail(DecodeError::NotAudio);
    // FLAC frames carry a checksum: a frame that fails it is refused (and
    // becomes silence) instead of being decoded into noise.
    if (codec->id == AV_CODEC_ID_FLAC)
        d_->codec->err_recognition |= AV_EF_CRCCHECK | AV_EF_EXPLODE;
    if (avcodec_open2(d_->codec, codec, nullptr) < 0)
        return fail(DecodeError::NotAudio);
    d_->rateHz = d_->codec->sample_rate;
    d_->sourceChannels = d_->codec->ch_layout.nb_channels;
    if (d_->rateHz < kMinRateHz || d_->rateHz > kMaxRateHz || d_->sourceChannels <= 0
        || d_->sourceChannels > kMaxMixChannels)
        return fail(DecodeError::NotAudio);
    d_->outChannels = d_->sourceChannels == 1 ? 1 : 2;

    // Uncompressed samples fill their bits exactly; anything else is held
    // to the densest packing we know.
    const int bitsPerSample = av_get_bits_per_sample(d_->codec->codec_id);
    d_->framesHeld = bitsPerSample > 0
        ? info.size() * 8 / (std::int64_t{bitsPerSample} * d_->sourceChannels)
        : std::min<std::int64_t>(info.size(), INT64_MAX / kMaxFramesPerByte) * kMaxFramesPerByte;

    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        d_->estimated = av_rescale_q(stream->duration, stream->time_base, AVRational{1, d_->rateHz});
    else if (d_->format->duration != AV_NOPTS_VALUE && d_->format->duration > 0)
        d_->estimated = av_rescale(d_->format->duration, d_->rateHz, AV_TIME_BASE);

    d_->packet = av_packet_alloc();
    d_->frame = av_frame_alloc();
    if (!d_->packet || !d_->frame)
        return fail(DecodeError::TooLarge);
    return true;
}

int AudioDecoder::sampleRateHz() const
{
    return d_ ? d_->rateHz : 0;
}

int AudioDecoder::channelCount() const
{
    return d_ ? d_->outChannels : 0;
}

int AudioDecoder::sourceChannelCount() const
{
    return d_ ? d_->sourceChannels : 0;
}

std::int64_t AudioDecoder::estimatedFrames() const
{
    return d_ ? d_->estimated : 0;
}

bool AudioDecoder::atEnd() const
{
    return !d_ || (d_->finished && d_->pendingPos == d_->pendingFrames);
}

std::int64_t AudioDecoder::largestBufferFrames() const
{
    return d_ ? d_->largestBuffer : 0;
}

std::int64_t AudioDecoder::framesRead() const
{
    return d_ ? d_->delivered : 0;
}

std::int64_t AudioDecoder::read(float* interleaved, std::int64_t maxFrames)
{
    if (!d_ || maxFrames <= 0)
        return 0;
    Impl& d = *d_;
    const int channels = d.outChannels;
    std::int64_t total = 0;
    while (total < maxFrames) {
        if (d.pendingPos == d.pendingFrames && !d.refill())
            break;
        const std::int64_t n = std::min(maxFrames - total, d.pendingFrames - d.pendingPos);
        std::memcpy(interleaved + total * channels, d.pending.data() + d.pendingPos * channels,
                    sizeof(float) * static_cast<size_t>(n * channels));
        d.pendingPos += n;
        total += n;
    }
    d.delivered += total;
    if (total == 0 && d.decodedFrames == 0 && d.decodeErrors > 0)
        error_ = DecodeError::Damaged;
    return total;
}

bool AudioDecoder::decodeAll(DecodedAudio& out, const Progress& progress)
{
    if (!d_)
        return false;
    const int channels = d_->outChannels;
    const std::int64_t estimated = d_->estimated;
    DecodedAudio result;
    result.sampleRateHz = d_->rateHz;
    result.channelCount = channels;
    result.sourceChannelCount = d_->sourceChannels;

    // Room for the announced length and a little over (headers round), so
    // the buffers rarely move while decoding. A length the file cannot
    // hold is a lie (a damaged or hostile header): start small and grow
    // instead. A believable header can still be wrong, and a memory limit
    // may not allow its claim: then start small too.
    const bool believable = estimated > 0 && estimated <= d_->framesHeld;
    std::int64_t capacity = believable ? estimated + estimated / 64 + kChunkFrames : kInitialFrames;
    capacity = std::min(capacity, frameLimit_ + kChunkFrames);
    float chunk[2 * kChunkFrames];
    int reported = -1;
    try {
        RecordingBuffers buffers(channels, capacity, kInitialFrames);
        d_->noteBuffer(static_cast<size_t>(buffers.capacityFrames() * channels));
        if (progress && estimated > 0)
            progress(++reported);
        while (true) {
            const std::int64_t n = read(chunk, kChunkFrames);
            if (n == 0)
                break;
            if (buffers.numFrames() + n > frameLimit_)
                return fail(DecodeError::TooLarge);
            buffers.append(chunk, n);
            d_->noteBuffer(static_cast<size_t>(buffers.capacityFrames() * channels));
            if (progress && estimated > 0) {
                const auto percent =
                    static_cast<int>(std::min<std::int64_t>(100, buffers.numFrames() * 100 / estimated));
                while (reported < percent)
                    progress(++reported);
            }
        }
        if (error_ != DecodeError::None)
            return fail(error_);
        buffers.finishInto(result);
    } catch (const std::bad_alloc&) {
        return fail(DecodeError::TooLarge);
    } catch (const std::length_error&) {
        return fail(DecodeError::TooLarge);
    }
    out = std::move(result);
    return true;
}
