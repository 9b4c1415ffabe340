// An output that hands every call to the real layer underneath it. The
// tests' watching outputs derive from it and override only what they
// watch.
#pragma once

#include "AudioOutput.h"

#include <memory>
#include <utility>

class ForwardingOutput : public AudioOutput
{
public:
    explicit ForwardingOutput(std::unique_ptr<AudioOutput> inner) : inner_(std::move(inner)) { }

    bool isInitialised() const override { return inner_->isInitialised(); }
    QStringList deviceNames() const override { return inner_->deviceNames(); }
    QString currentDeviceName() const override { return inner_->currentDeviceName(); }
    int currentDeviceIndex() const override { return inner_->currentDeviceIndex(); }
    bool selectDevice(int index) override { return inner_->selectDevice(index); }
    int deviceSampleRateHz() const override { return inner_->deviceSampleRateHz(); }
    int bufferLengthMs() const override { return inner_->bufferLengthMs(); }
    void setBufferLengthMs(int ms) override { inner_->setBufferLengthMs(ms); }
    StreamHandle createStream(int sampleRateHz) override { return inner_->createStream(sampleRateHz); }
    bool freeStream(StreamHandle stream) override { return inner_->freeStream(stream); }
    bool play(StreamHandle stream) override { return inner_->play(stream); }
    bool pause(StreamHandle stream) override { return inner_->pause(stream); }
    bool stop(StreamHandle stream) override { return inner_->stop(stream); }
    StreamState state(StreamHandle stream) const override { return inner_->state(stream); }
    bool push(StreamHandle stream, const float* interleaved, std::int64_t numFrames) override
    {
        return inner_->push(stream, interleaved, numFrames);
    }
    std::int64_t queuedBytes(StreamHandle stream) const override { return inner_->queuedBytes(stream); }
    bool markEnd(StreamHandle stream) override { return inner_->markEnd(stream); }
    double drainPeriodMs() const override { return inner_->drainPeriodMs(); }
    std::int64_t underrunCount() const override { return inner_->underrunCount(); }

private:
    std::unique_ptr<AudioOutput> inner_;
};
