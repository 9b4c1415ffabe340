#include "PortAudioDevice.h"

#include "PlatformLog.h"
#include "StreamMixer.h"

#include <portaudio.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Points stderr at /dev/null for its lifetime. Process-wide, so it is kept
// to the few control-thread calls that probe the sound system.
class QuietStderr
{
public:
    QuietStderr()
    {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
    }
    ~QuietStderr()
    {
        std::fflush(stderr);
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_ = -1;
};

int paCallback(const void*, void* output, unsigned long numFrames, const PaStreamCallbackTimeInfo*,
               PaStreamCallbackFlags flags, void* user)
{
    auto* device = static_cast<PortAudioDevice*>(user);
    if (flags & paOutputUnderflow)
        device->noteUnderflow();
    device->renderInto(static_cast<float*>(output), numFrames);
    return paContinue;
}

} // namespace

PortAudioSystem::PortAudioSystem()
{
    QuietStderr quiet;
    const PaError err = Pa_Initialize();
    if (err != paNoError) {
        qCWarning(lcOutput) << "PortAudio did not initialise:" << Pa_GetErrorText(err);
        return;
    }
    initialised_ = true;
    const PaDeviceIndex defaultIndex = Pa_GetDefaultOutputDevice();
    const int count = Pa_GetDeviceCount();
    for (int i = 0; i < count; ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (!info || info->maxOutputChannels < 1 || info->defaultSampleRate < kMinStreamRateHz)
            continue;
        if (i == defaultIndex)
            default_ = static_cast<int>(devices_.size());
        devices_.push_back({i, QString::fromUtf8(info->name), static_cast<int>(info->defaultSampleRate),
                            info->maxOutputChannels});
    }
}

PortAudioSystem::~PortAudioSystem()
{
    if (initialised_) {
        QuietStderr quiet;
        Pa_Terminate();
    }
}

PortAudioDevice::PortAudioDevice(StreamMixer& mixer, const PortAudioDeviceInfo& info, int latencyMs)
    : mixer_(mixer), info_(info), latencyMs_(std::max(latencyMs, kMinLatencyMs)),
      channels_(info.maxChannels >= 2 ? 2 : 1)
{
}

PortAudioDevice::~PortAudioDevice()
{
    stop();
}

bool PortAudioDevice::start()
{
    if (stream_)
        return true;
    PaStreamParameters params{};
    params.device = info_.index;
    params.channelCount = channels_;
    params.sampleFormat = paFloat32;
    params.suggestedLatency = latencyMs_ / 1000.0;
    PaStream* stream = nullptr;
    QuietStderr quiet;
    PaError err = Pa_OpenStream(&stream, nullptr, &params, info_.sampleRateHz, paFramesPerBufferUnspecified,
                                paNoFlag, &paCallback, this);
    if (err == paNoError) {
        err = Pa_StartStream(stream);
        if (err != paNoError)
            Pa_CloseStream(stream);
    }
    if (err != paNoError) {
        qCWarning(lcOutput) << "Cannot open" << info_.name << ":" << Pa_GetErrorText(err);
        return false;
    }
    stream_ = stream;
    return true;
}

void PortAudioDevice::stop()
{
    if (!stream_)
        return;
    QuietStderr quiet;
    // Pa_StopStream returns after the last callback has finished.
    Pa_StopStream(static_cast<PaStream*>(stream_));
    Pa_CloseStream(static_cast<PaStream*>(stream_));
    stream_ = nullptr;
}

double PortAudioDevice::drainPeriodMs() const
{
    const double seenMs = 1000.0 * double(largestCallbackFrames_.load(std::memory_order_relaxed))
        / double(std::max(info_.sampleRateHz, 1));
    return std::max(seenMs, double(latencyMs_));
}

void PortAudioDevice::noteUnderflow()
{
    mixer_.noteDeviceUnderflow();
}

void PortAudioDevice::renderInto(float* out, unsigned long numFrames)
{
    if (numFrames > largestCallbackFrames_.load(std::memory_order_relaxed))
        largestCallbackFrames_.store(numFrames, std::memory_order_relaxed);
    if (channels_ == 2) {
        mixer_.render(out, static_cast<int>(numFrames));
        return;
    }
    // A one-channel device gets the mean of left and right.
    while (numFrames > 0) {
        const int n = static_cast<int>(std::min<unsigned long>(numFrames, kChunkFrames));
        mixer_.render(chunk_, n);
        for (int i = 0; i < n; ++i)
            out[i] = 0.5f * (chunk_[2 * i] + chunk_[2 * i + 1]);
        out += n;
        numFrames -= static_cast<unsigned long>(n);
    }
}
