// The player's transport slots: play, pause and resume, stop, the cue
// and seek buttons, the loop, the position from the overview strip, and
// the two volumes.
#include "AudioPlayer.h"

#include "ChainControls.h"
#include "ProcessingChain.h"

#include <QTimer>

#include <algorithm>

namespace {

constexpr int seekFrames = 32768;

} // namespace

void AudioPlayer::play()
{
    // Nothing to play: the play button, latched by its click, goes out.
    if (!hasRecording()) {
        emit unlatchMainPlay();
        return;
    }
    emitPlaybackEvents();
    publishLoop();
    bool leftJam = false;
    {
        PlaybackHold hold(*this);
        leftJam = leaveRiffAndSongMode();
        // From the selection start at once, no riff step told any more.
        feed.jam.discardNotices();
        feed.dropCarriedSound();
        feed.placeReadPosition(feed.loadLoop().start);
        // A start clicks as after a load, whatever beat clicked last before.
        feed.lastClickBeat.store(0);
        const bool wasStopped = feed.stopped.exchange(false);
        restorePitch();
        if (wasStopped || !feed.feeding.load())
            startStream();
    }
    restartClock();
    feed.jam.clearFlashes();
    emit flashSongPlay(false);
    emit flashRiffPlay(false);
    emit unlatchRiffPlay();
    emit unlatchSongPlay();
    if (leftJam)
        announceJamEnd();
}

void AudioPlayer::playFromSelectionStart()
{
    play();
}

// A pause drops what the stream still holds and moves the read position
// back to the first frame not heard, so the resume (a new stream) goes on
// from there and the shown position waits there meanwhile.
void AudioPlayer::pause()
{
    if (!hasRecording()) {
        emit unlatchMainPlay();
        return;
    }
    bool resumed = false;
    bool leftJam = false;
    bool leftRiff = false;
    bool paused = false;
    int pausedAt = 0;
    {
        PlaybackHold hold(*this);
        if (feed.stopped.load()) {
            leftJam = leaveRiffAndSongMode();
            restorePitch();
            startStream();
            feed.stopped.store(false);
            resumed = true;
        } else if (feed.riffMode.load()) {
            // Normal playback goes on from here at the user's own pitch;
            // no step is told any more.
            feed.riffMode.store(false);
            feed.jam.discardNotices();
            restorePitch();
            leftRiff = true;
        } else {
            const StreamHandle handle = feed.stream.load();
            output.pause(handle);
            feed.stopped.store(true);
            // Exact now: the device takes nothing more of a paused stream.
            const std::int64_t queued = output.queuedBytes(handle);
            pausedAt = feed.rewindUnplayed(queued > 0 ? queued / kBytesPerStreamFrame : 0);
            output.stop(handle);
            feed.jam.discardNotices();
            paused = true;
        }
    }
    if (resumed) {
        updateQueueThreshold();
        ensureThread();
        positionEstimate.restartTicks();
        positionTimer->start();
        elapsed.restart();
    }
    if (paused) {
        positionEstimate.restart(float(pausedAt));
        displayPosition.store(float(pausedAt));
    }
    if (leftJam || leftRiff)
        announceJamEnd();
    else if (resumed)
        emit playRiffSong(false);
}

void AudioPlayer::playStop()
{
    if (isPlaying())
        stop();
    else
        pause();
}

void AudioPlayer::stop()
{
    if (!hasRecording())
        return;
    emitPlaybackEvents();
    completeEnd();
    publishLoop();
    const LoopPoints loop = feed.loadLoop();
    bool wasPlaying = false;
    bool leftJam = false;
    {
        PlaybackHold hold(*this);
        if (drainingStream != 0) {
            // The end's last frames, still playing out: silent at once.
            if (drainingStream == feed.stream.load())
                output.stop(drainingStream);
            drainingStream = 0;
        }
        if (feed.stopped.load() && !feed.looping.load()) {
            // A second stop: back to the start; a cue point without a
            // selection is dropped.
            feed.placeReadPosition(0);
            if (!loop.selection() && loopStart != nullptr && loopEnd != nullptr) {
                *loopStart = 0;
                *loopEnd = 0;
            }
        } else {
            wasPlaying = true;
            feed.stopped.store(true);
            feed.placeReadPosition(feed.looping.load() && !loop.selection() ? 0 : loop.start);
            output.stop(feed.stream.load());
            flushBuffers();
            feed.dropCarriedSound();
            feed.jam.discardNotices();
            leftJam = leaveRiffAndSongMode();
            restorePitch();
        }
    }
    publishLoop();
    if (leftJam)
        announceJamEnd();
    if (!wasPlaying)
        return;
    emit unlatchMainPlay();
    emit setGreyedButtonsHidden(true);
    emit flashMainPlay(false);
    emit flashSongPlay(false);
    emit flashRiffPlay(false);
}

void AudioPlayer::toBeginning()
{
    publishLoop();
    const LoopPoints loop = feed.loadLoop();
    feed.placeReadPosition(loop.selection() ? loop.start : 0);
}

void AudioPlayer::toEnd()
{
    stop();
    feed.placeReadPosition(feed.length(), false);
}

void AudioPlayer::seekF()
{
    if (!hasRecording())
        return;
    const std::int64_t target = std::int64_t(chain::currentposition.load()) + seekFrames;
    if (target > feed.length()) {
        chain::currentposition.store(feed.length());
        stop();
    } else {
        chain::currentposition.store(int(target));
    }
}

void AudioPlayer::seekB()
{
    if (!hasRecording())
        return;
    const int position = chain::currentposition.load();
    feed.placeReadPosition(position > seekFrames ? position - seekFrames : 0, false);
}

void AudioPlayer::loop(bool looped)
{
    if (hasRecording())
        feed.looping.store(looped);
}

void AudioPlayer::selectionSingleClick()
{
    publishLoop();
    if (feed.stopped.load())
        feed.placeReadPosition(feed.loadLoop().start);
}

void AudioPlayer::setPlaybackPos(int xPos, int width)
{
    if (width <= 0)
        return;
    // Exact, in 64-bit integers: in float the right edge of a recording
    // longer than 2^24 frames lands past its end.
    const std::int64_t x = std::clamp(xPos, 0, width);
    feed.placeReadPosition(x * feed.length() / width);
}

// The block assembly ramps to a new gain across one block.
void AudioPlayer::setVolume(int vol)
{
    feed.volume.store(float(vol) / 100.0f);
}

void AudioPlayer::setMetroVolume(int metroVol)
{
    feed.metroVolume.store(float(metroVol) / 100.0f);
}

void AudioPlayer::loopPointsChanged()
{
    publishLoop();
}
