// The player's set-up, the step gate, the playback thread and the GUI
// tick. The transport slots are in AudioPlayerTransport.cpp, the tool
// slots in AudioPlayerTools.cpp, the device slots in AudioPlayerDevices.cpp.
#include "AudioPlayer.h"

#include "AudioPlayerLog.h"
#include "ChainControls.h"
#include "MetaData.h"
#include "ProcessingChain.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

constexpr int positionTimerMs = 10;
constexpr int feedSleepMs = 10;

} // namespace

// ---------------------------------------------------------------------------
// Construction and set-up

AudioPlayer::AudioPlayer(AudioOutput& layer, FeedDriver feedDriver)
    : output(layer), driver(feedDriver), feed(layer, tools)
{
    // One player per process: constructing it is the chain's start.
    init_buffers();
    chain::resetToProgramStart();
    tools.resetAll();

    positionTimer = new QTimer(this);
    positionTimer->setInterval(positionTimerMs);
    connect(positionTimer, &QTimer::timeout, this, &AudioPlayer::incrementTimeBuffer);

    if (!output.isInitialised()) {
        qCWarning(lcPlayer) << "The audio output did not start; playback is off";
        return;
    }
    running.store(true);
    setAudioDevice(-1);
}

AudioPlayer::~AudioPlayer()
{
    close();
    PlaybackHold hold(*this);
    feed.stopped.store(true);
    feed.feeding.store(false);
    const StreamHandle old = feed.stream.exchange(0);
    if (old != 0) {
        output.stop(old);
        output.freeStream(old);
    }
    chain::setRecording(nullptr, nullptr, 0);
}

void AudioPlayer::close()
{
    running.store(false, std::memory_order_release);
    feed.feeding.store(false);
    if (driver == FeedDriver::OwnThread) {
        wait();
        // Pairs with the release at the end of run(): orders the thread's
        // last accesses before whatever follows here, in a way
        // ThreadSanitizer sees (it cannot look inside QThread::wait).
        (void)runsInside.load(std::memory_order_acquire);
    }
}

bool AudioPlayer::setPlaybackVars(float* left, float* right, int channels, int length, int sampleRate)
{
    if (left == nullptr || length <= 0) {
        forgetRecording();
        return false;
    }
    stop();
    {
        PlaybackHold hold(*this);
        feed.stopped.store(true);
        feed.feeding.store(false);
        feed.endPending.store(FeedLoop::PlaybackEnd::None);
        const bool stereo = channels == 2 && right != nullptr;
        feed.setRecordingInfo(length, sampleRate, stereo ? 2 : 1);
        feed.basePitch.store(1.0f);
        chain::setRecording(left, stereo ? right : nullptr, length);
        chain::applyLoadDefaults();
        feed.playStart.store(0);
        feed.beatOffsetSamples.store(0);
        flushBuffers();
        replaceStream();
    }
    updateQueueThreshold();
    positionTimer->start();
    elapsed.restart();
    ensureThread();
    return true;
}

void AudioPlayer::forgetRecording()
{
    stop();
    PlaybackHold hold(*this);
    feed.stopped.store(true);
    feed.feeding.store(false);
    feed.endPending.store(FeedLoop::PlaybackEnd::None);
    const StreamHandle old = feed.stream.exchange(0);
    if (old != 0) {
        output.stop(old);
        output.freeStream(old);
    }
    drainingStream = 0;
    chain::setRecording(nullptr, nullptr, 0);
    feed.setRecordingInfo(0, feed.sampleRate(), 0);
    flushBuffers();
    leaveRiffAndSongMode();
    chain::currentposition.store(chain::hop);
    feed.playStart.store(0);
}

void AudioPlayer::resetMetaData()
{
    stop();
    PlaybackHold hold(*this);
    if (feed.model() != nullptr)
        feed.model()->resetMetaData();
    feed.lastClickBeat.store(0);
}

void AudioPlayer::initLoop(int* start, int* end)
{
    loopStart = start;
    loopEnd = end;
    publishLoop();
}

void AudioPlayer::initMetaData(MetaData* model)
{
    PlaybackHold hold(*this);
    if (feed.model() != nullptr)
        disconnect(this, &AudioPlayer::changeBeat, feed.model(), &MetaData::changeBeat);
    feed.setModel(model);
    if (model != nullptr)
        connect(this, &AudioPlayer::changeBeat, model, &MetaData::changeBeat);
}

void AudioPlayer::initBeep(const float* left, const float* /*right*/, int length)
{
    PlaybackHold hold(*this);
    feed.setClick(left, length);
}

void AudioPlayer::initAudio()
{
    PlaybackHold hold(*this);
    feed.stopped.store(true);
    feed.playStart.store(0);
}

void AudioPlayer::stopThread()
{
    feed.feeding.store(false);
}

void AudioPlayer::setCurrentPositionFromSession(int pos)
{
    feed.placeReadPosition(pos);
}

int AudioPlayer::getCurrentPosition() const
{
    return chain::currentposition.load();
}

bool AudioPlayer::isPlaying() const
{
    return !feed.stopped.load();
}

bool AudioPlayer::isLooping() const
{
    return feed.looping.load();
}

float AudioPlayer::getVolume() const
{
    return feed.volume.load();
}

// ---------------------------------------------------------------------------
// The step gate

AudioPlayer::PlaybackHold::PlaybackHold(AudioPlayer& player) : m_player(player)
{
    m_player.enterGate();
}

AudioPlayer::PlaybackHold::~PlaybackHold()
{
    m_player.leaveGate();
}

void AudioPlayer::enterGate()
{
    Q_ASSERT(QThread::currentThread() == thread());
    // The playback thread holds it for one block at most.
    gate.enterWaiting();
}

void AudioPlayer::leaveGate()
{
    gate.leaveWaiting();
}

// ---------------------------------------------------------------------------
// The playback thread

void AudioPlayer::run()
{
    runsInside.fetch_add(1, std::memory_order_relaxed);
    while (running.load(std::memory_order_acquire)) {
        feedOnce();
        std::this_thread::sleep_for(std::chrono::milliseconds(feedSleepMs));
    }
    runsInside.fetch_sub(1, std::memory_order_release);
}

int AudioPlayer::feedOnce()
{
    int pushed = 0;
    // Enough turns to refill the queue after a stream start or a device
    // period, and to pass a loop jump that makes no block.
    const int maximumTurns = feed.maximumBlocksPerTurn();
    for (int turn = 0; turn < maximumTurns; ++turn) {
        if (!gate.tryEnter())
            break; // the GUI thread holds playback: try again next turn
        const FeedLoop::BlockResult result = feed.feedBlock();
        gate.leaveTried();
        if (result == FeedLoop::BlockResult::Pushed)
            ++pushed;
        else if (result != FeedLoop::BlockResult::Moved)
            break;
    }
    return pushed;
}

// ---------------------------------------------------------------------------
// The GUI tick

void AudioPlayer::incrementTimeBuffer()
{
    publishLoop();
    emitPlaybackEvents();
    completeEnd();
    stopDrainedStream();
    updateQueueThreshold();
    const std::int64_t elapsedMs = elapsed.isValid() ? elapsed.elapsed() : 0;
    displayPosition.store(positionEstimate.tick(elapsedMs, isPlaying(), chain::currentposition.load(),
                                                feed.sampleRate(), chain::hopfactor.load()));
}

// The signals of what the playback thread did, in the order it did it.
void AudioPlayer::emitPlaybackEvents()
{
    feed.takeEvents([this](const PlaybackEvent& event) {
        switch (event.kind) {
        case PlaybackEvent::Kind::Click:
            emit flashMetro();
            break;
        case PlaybackEvent::Kind::BeatChanged:
            emit changeBeat();
            break;
        case PlaybackEvent::Kind::Flash:
            emit flashMainPlay(event.on);
            break;
        }
    });
    // Each step is told once the device has played its first frame.
    feed.jam.drain([this](const StepNotice& notice) { emitStepNotice(notice); }, feed.playedFrames());
}

// The end of the recording or of the song, found by the playback thread:
// the transport hears of it; the stream plays its queue out and is
// stopped once empty.
void AudioPlayer::completeEnd()
{
    const FeedLoop::PlaybackEnd end = feed.endPending.exchange(FeedLoop::PlaybackEnd::None);
    if (end == FeedLoop::PlaybackEnd::None)
        return;
    emitPlaybackEvents();
    drainingStream = feed.stream.load();
    emit unlatchMainPlay();
    emit setGreyedButtonsHidden(true);
    emit flashMainPlay(false);
    emit flashSongPlay(false);
    emit flashRiffPlay(false);
    if (end == FeedLoop::PlaybackEnd::Jam) {
        PlaybackHold hold(*this);
        feed.jam.discardNotices();
        announceJamEnd();
    }
}

void AudioPlayer::stopDrainedStream()
{
    if (drainingStream == 0)
        return;
    PlaybackHold hold(*this);
    const bool current = drainingStream == feed.stream.load();
    if (current && feed.stopped.load() && output.queuedBytes(drainingStream) > 0)
        return; // still playing out
    if (current && feed.stopped.load())
        output.stop(drainingStream);
    drainingStream = 0;
}

void AudioPlayer::startStream()
{
    feed.endPending.store(FeedLoop::PlaybackEnd::None);
    drainingStream = 0;
    // Steps of the old stream were never heard.
    feed.jam.discardNotices();
    feed.prepareStreamStart();
    feed.feeding.store(true);
    replaceStream();
    output.play(feed.stream.load());
}

void AudioPlayer::replaceStream()
{
    const StreamHandle old = feed.stream.exchange(0);
    if (old != 0)
        output.freeStream(old);
    if (!running.load())
        return;
    const StreamHandle created = output.createStream(feed.sampleRate());
    if (created == 0)
        qCWarning(lcPlayer) << "No output stream at" << feed.sampleRate() << "Hz; playback stays silent";
    feed.stream.store(created);
}

void AudioPlayer::ensureThread()
{
    if (driver == FeedDriver::OwnThread && running.load())
        start(QThread::InheritPriority); // nothing when it runs already
}

void AudioPlayer::publishLoop()
{
    if (loopStart == nullptr || loopEnd == nullptr)
        feed.publishLoop(0, 0);
    else
        feed.publishLoop(*loopStart, *loopEnd);
}

// The device's period at the recording's rate: the queue stays above it.
void AudioPlayer::updateQueueThreshold()
{
    const double periodMs = output.drainPeriodMs();
    feed.setDrainPeriodFrames(std::int64_t(std::ceil(periodMs * feed.sampleRate() / 1000.0)));
}

// A playback starts: the thread runs and the display clock counts from 0.
void AudioPlayer::restartClock()
{
    updateQueueThreshold();
    ensureThread();
    positionEstimate.restart(0.0f);
    displayPosition.store(0.0f);
    positionTimer->start();
    elapsed.restart();
    feed.mainFlash.store(false);
}

// Puts the pitch of the pitch controls back after riff steps changed it.
void AudioPlayer::restorePitch()
{
    tools.restore(ToolSwitches::Tool::Pitch, feed.basePitch.load());
}

bool AudioPlayer::leaveRiffAndSongMode()
{
    const bool wasRiff = feed.riffMode.exchange(false);
    const bool wasSong = feed.songMode.exchange(false);
    return wasRiff || wasSong;
}

// After riff or song playback: the waveform shows its play line again, no
// riff step goes on sweeping, and the step rows and the step's pitch show
// that no step plays.
void AudioPlayer::announceJamEnd()
{
    emit playRiffSong(false);
    emit setCurrentBeatStep(-1);
    emit setCurrentSongStep(-1);
    emit changeBeatPitch(0.0f);
}
