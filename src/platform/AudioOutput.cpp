#include "AudioOutput.h"

#include "PlatformLog.h"
#include "PortAudioDevice.h"
#include "SilentDevice.h"
#include "StreamMixer.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>

namespace {

const char* const kDefaultDeviceName = QT_TRANSLATE_NOOP("AudioOutput", "System default");
const char* const kNoSoundName = QT_TRANSLATE_NOOP("AudioOutput", "No sound");
constexpr int kMinBufferLengthMs = 10;
constexpr int kMaxBufferLengthMs = 2000;

bool wantRealDevices(AudioBackend backend)
{
    switch (backend) {
    case AudioBackend::RealDevices:
        return true;
    case AudioBackend::SilentOnly:
        return false;
    case AudioBackend::Environment:
        break;
    }
    return qEnvironmentVariable("TONBROOK_AUDIO") != QLatin1String("none");
}

// The layer: one stream mixer drained by the selected device.
class DeviceAudioOutput final : public AudioOutput
{
public:
    explicit DeviceAudioOutput(const AudioOutputOptions& options)
        : silentRateHz_(options.silentRateHz > 0 ? options.silentRateHz : 44100),
          silentInPeriods_(options.silentDrainsInPeriods), silent_(mixer_, silentRateHz_, options.manualClock)
    {
        if (wantRealDevices(options.backend) && !options.manualClock) {
            portAudio_ = std::make_unique<PortAudioSystem>();
            if (!portAudio_->isInitialised())
                portAudio_.reset();
        }
        names_ << QString::fromLatin1(kDefaultDeviceName);
        if (portAudio_) {
            for (const PortAudioDeviceInfo& info : portAudio_->outputDevices())
                names_ << info.name;
        }
        names_ << QString::fromLatin1(kNoSoundName);
        useSelected();
    }

    ~DeviceAudioOutput() override
    {
        device_->stop();
        mixer_.freeAll();
        real_.reset();
    }

    bool isInitialised() const override { return true; }
    QStringList deviceNames() const override { return names_; }
    QString currentDeviceName() const override { return names_.value(selected_); }
    int currentDeviceIndex() const override { return selected_; }
    int deviceSampleRateHz() const override { return device_->sampleRateHz(); }
    int bufferLengthMs() const override { return bufferMs_; }

    bool selectDevice(int index) override
    {
        if (index < -1 || index >= names_.size())
            return false;
        device_->stop();
        mixer_.freeAll();
        selected_ = std::max(index, 0);
        useSelected();
        return true;
    }

    void setBufferLengthMs(int ms) override
    {
        ms = std::clamp(ms, kMinBufferLengthMs, kMaxBufferLengthMs);
        if (ms == bufferMs_)
            return;
        bufferMs_ = ms;
        updateSilentPeriod();
        if (!real_)
            return;
        // The latency is fixed when the device opens: reopen it, and the
        // streams go on where they were.
        const bool wasRunning = device_->isRunning();
        device_->stop();
        const PortAudioDeviceInfo info = realInfo_;
        real_ = std::make_unique<PortAudioDevice>(mixer_, info, bufferMs_);
        device_ = real_.get();
        updateStartFrames();
        if (wasRunning)
            ensureRunning();
    }

    StreamHandle createStream(int sampleRateHz) override
    {
        return mixer_.create(sampleRateHz, device_->sampleRateHz());
    }

    bool freeStream(StreamHandle stream) override { return mixer_.free(stream); }

    bool play(StreamHandle stream) override
    {
        if (mixer_.state(stream) == StreamState::Invalid)
            return false;
        ensureRunning();
        return mixer_.play(stream);
    }

    bool pause(StreamHandle stream) override { return mixer_.pause(stream); }
    bool stop(StreamHandle stream) override { return mixer_.stop(stream); }
    StreamState state(StreamHandle stream) const override { return mixer_.state(stream); }

    bool push(StreamHandle stream, const float* interleaved, std::int64_t numFrames) override
    {
        return mixer_.push(stream, interleaved, numFrames);
    }

    std::int64_t queuedBytes(StreamHandle stream) const override
    {
        const std::int64_t frames = mixer_.queuedFrames(stream);
        return frames < 0 ? -1 : frames * kBytesPerStreamFrame;
    }

    bool markEnd(StreamHandle stream) override { return mixer_.markEnd(stream); }
    double drainPeriodMs() const override { return device_->drainPeriodMs(); }
    std::int64_t underrunCount() const override { return mixer_.underrunCount(); }

private:
    // Points device_ at the selected entry, without starting it.
    void useSelected()
    {
        real_.reset();
        silent_.setSampleRateHz(silentRateHz_);
        updateSilentPeriod();
        device_ = &silent_;
        mixer_.setStartFrames(0);
        if (!portAudio_ || selected_ == names_.size() - 1)
            return;
        const auto& devices = portAudio_->outputDevices();
        const int position = selected_ == 0 ? portAudio_->defaultDevice() : selected_ - 1;
        if (position < 0 || position >= static_cast<int>(devices.size()))
            return;
        realInfo_ = devices[static_cast<size_t>(position)];
        real_ = std::make_unique<PortAudioDevice>(mixer_, realInfo_, bufferMs_);
        device_ = real_.get();
        updateStartFrames();
    }

    // A card fills its whole buffer as it starts: a stream waits until it
    // has that much, so the first pushes are not followed by a hole.
    void updateStartFrames()
    {
        mixer_.setStartFrames(std::int64_t(device_->drainPeriodMs() * device_->sampleRateHz() / 1000.0));
    }

    void ensureRunning()
    {
        if (device_->isRunning() || device_->start())
            return;
        // The card is gone or busy: keep time on the silent device at the
        // same rate, so the streams made for the card stay valid.
        qCWarning(lcOutput) << "Falling back to the silent device";
        silent_.setSampleRateHz(device_->sampleRateHz());
        updateSilentPeriod();
        device_ = &silent_;
        mixer_.setStartFrames(0);
        silent_.start();
    }

    // While stopped: a quarter of the buffer length, or smooth draining.
    void updateSilentPeriod()
    {
        const std::int64_t quarter = std::int64_t(silent_.sampleRateHz()) * bufferMs_ / 4000;
        silent_.setPeriodFrames(silentInPeriods_ ? std::max<std::int64_t>(quarter, 1) : 0);
    }

    StreamMixer mixer_; // outlives the devices that drain it
    int silentRateHz_;
    bool silentInPeriods_;
    SilentDevice silent_;
    std::unique_ptr<PortAudioSystem> portAudio_;
    std::unique_ptr<PortAudioDevice> real_;
    PortAudioDeviceInfo realInfo_;
    OutputDevice* device_ = nullptr;
    QStringList names_;
    int selected_ = 0;
    int bufferMs_ = AudioOutput::kDefaultBufferLengthMs;
};

// Stands in for a sound layer that could not start: everything fails.
class FailedAudioOutput final : public AudioOutput
{
public:
    bool isInitialised() const override { return false; }
    QStringList deviceNames() const override { return {}; }
    QString currentDeviceName() const override { return {}; }
    int currentDeviceIndex() const override { return -1; }
    bool selectDevice(int) override { return false; }
    int deviceSampleRateHz() const override { return 0; }
    int bufferLengthMs() const override { return AudioOutput::kDefaultBufferLengthMs; }
    void setBufferLengthMs(int) override { }
    StreamHandle createStream(int) override { return 0; }
    bool freeStream(StreamHandle) override { return false; }
    bool play(StreamHandle) override { return false; }
    bool pause(StreamHandle) override { return false; }
    bool stop(StreamHandle) override { return false; }
    StreamState state(StreamHandle) const override { return StreamState::Invalid; }
    bool push(StreamHandle, const float*, std::int64_t) override { return false; }
    std::int64_t queuedBytes(StreamHandle) const override { return -1; }
    bool markEnd(StreamHandle) override { return false; }
    double drainPeriodMs() const override { return 0.0; }
    std::int64_t underrunCount() const override { return 0; }
};

} // namespace

QString AudioOutput::displayName(const QString& deviceName)
{
    for (const char* fixed : {kDefaultDeviceName, kNoSoundName}) {
        if (deviceName == QLatin1String(fixed))
            return QCoreApplication::translate("AudioOutput", fixed);
    }
    return deviceName;
}

std::unique_ptr<AudioOutput> AudioOutput::create(const AudioOutputOptions& options)
{
    return std::make_unique<DeviceAudioOutput>(options);
}

std::unique_ptr<AudioOutput> AudioOutput::createFailed()
{
    return std::make_unique<FailedAudioOutput>();
}
