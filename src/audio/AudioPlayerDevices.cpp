// The player's output-device slots: the layer's list, the current device,
// the lookup by name, the switch and the buffer length.
#include "AudioPlayer.h"

#include "AudioPlayerLog.h"
#include "DeviceChoice.h"

#include <utility>

QStringList AudioPlayer::getDeviceList() const
{
    return output.deviceNames();
}

QString AudioPlayer::getAudioDevice() const
{
    return output.currentDeviceName();
}

int AudioPlayer::deviceStringToIndex(QString deviceName) const
{
    return indexOfDevice(getDeviceList(), std::move(deviceName));
}

// Switching frees every stream of the layer; a stream that was playing
// restarts on the new device from the read position.
void AudioPlayer::setAudioDevice(int deviceIndex)
{
    if (!running.load())
        return;
    if (deviceIndex < -1 || deviceIndex >= output.deviceNames().size()) {
        qCWarning(lcPlayer) << "No output device" << deviceIndex << "; keeping" << output.currentDeviceName();
        return;
    }
    bool restarted = false;
    {
        PlaybackHold hold(*this);
        feed.feeding.store(false);
        // A stream playing out the end of the recording does not count.
        const bool wasActive = output.isActive(feed.stream.load()) && !feed.stopped.load();
        output.selectDevice(deviceIndex);
        feed.stream.store(0); // freed by the switch
        drainingStream = 0;
        if (wasActive) {
            startStream();
            restarted = true;
        } else {
            replaceStream();
        }
    }
    updateQueueThreshold();
    if (restarted)
        ensureThread();
}

// The layer applies a new length at once, also to a playing stream, so no
// restart (which would drop the queued audio) is needed; the queue kept
// follows the device's new period.
void AudioPlayer::setDeviceBufferSize(int bufferSize)
{
    output.setBufferLengthMs(bufferSize);
    updateQueueThreshold();
}
