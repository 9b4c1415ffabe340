#include "AudioPlayer.h"

#include "ChainControls.h"
#include "MetaData.h"
#include "ProcessingChain.h"

#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

Q_LOGGING_CATEGORY(lcPlayer, "tonbrook.audio.player", QtWarningMsg)

constexpr int positionTimerMs = 10;
constexpr int feedSleepMs = 10;
// Blocks and loop jumps one turn of the feed loop may make: a turn after a
// stream start pushes four blocks; the cap only matters for a loop that
// jumps without making a block (a selection at the very end).
constexpr int maxBlocksPerTurn = 16;
constexpr int seekFrames = 32768;
// The read reaches framesize × the pitch factor frames past the position;
// the chain keeps the factor within these bounds.
constexpr float minimumReachFactor = 0.125f;
constexpr float maximumReachFactor = 8.0f;
// Beats are compared with the read position this far ahead: half the
// analysis frame, so a beat counts when it reaches the frame's centre.
constexpr float beatLead = 2048.0f;
constexpr std::int64_t minimumPlotScale = 1000;
constexpr std::int64_t maximumPlotScale = 2000000000;

float reachFactor(float interp)
{
    if (std::isnan(interp))
        return 1.0f;
    return std::clamp(interp, minimumReachFactor, maximumReachFactor);
}

std::uint64_t packLoop(int start, int end)
{
    return (std::uint64_t(std::uint32_t(end)) << 32) | std::uint64_t(std::uint32_t(start));
}

// Open interval (low, high).
bool inside(std::int64_t low, std::int64_t high, int position)
{
    return low < position && position < high;
}

// Window of beat i: from the beat 2048 frames early (unless the beat lies
// before 2048) to 2048 frames before the next beat; offset moves it back.
bool inBeatWindow(const float* beats, int i, int position, int offset)
{
    const std::int64_t start = std::int64_t(beats[i]) - (beats[i] > beatLead ? 2048 : 0) - offset;
    const std::int64_t end = std::int64_t(beats[i + 1] - beatLead) - offset;
    return inside(start, end, position);
}

} // namespace

struct AudioPlayer::BlockBuffers
{
    float outLeft[chain::hop] = {};
    float outRight[chain::hop] = {};
    float interleaved[2 * chain::hop] = {};
    std::atomic<float> graph[chain::isolationCurveLength] = {};
};

// ---------------------------------------------------------------------------
// Construction and set-up

AudioPlayer::AudioPlayer(AudioOutput& output, FeedDriver driver)
    : output(output), driver(driver), block(std::make_unique<BlockBuffers>())
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
    stopped.store(true);
    feeding.store(false);
    const StreamHandle old = stream.exchange(0);
    if (old != 0) {
        output.stop(old);
        output.freeStream(old);
    }
    chain::setRecording(nullptr, nullptr, 0);
}

void AudioPlayer::close()
{
    running.store(false, std::memory_order_release);
    feeding.store(false);
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
        stopped.store(true);
        feeding.store(false);
        endPending.store(false);
        const bool stereo = channels == 2 && right != nullptr;
        this->length = length;
        this->sampleRate = sampleRate;
        this->channels = stereo ? 2 : 1;
        basePitch.store(1.0f);
        chain::setRecording(left, stereo ? right : nullptr, length);
        chain::applyLoadDefaults();
        playStart.store(0);
        beatOffsetSamples.store(0);
        lastClickBeat.store(0);
        flushBuffers();
        replaceStream();
    }
    positionTimer->start();
    elapsed.restart();
    ensureThread();
    return true;
}

void AudioPlayer::forgetRecording()
{
    stop();
    PlaybackHold hold(*this);
    stopped.store(true);
    feeding.store(false);
    endPending.store(false);
    const StreamHandle old = stream.exchange(0);
    if (old != 0) {
        output.stop(old);
        output.freeStream(old);
    }
    chain::setRecording(nullptr, nullptr, 0);
    length = 0;
    channels = 0;
    flushBuffers();
    leaveRiffAndSongMode();
    chain::currentposition.store(chain::hop);
    playStart.store(0);
}

void AudioPlayer::resetMetaData()
{
    stop();
    PlaybackHold hold(*this);
    if (metaData != nullptr)
        metaData->resetMetaData();
    lastClickBeat.store(0);
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
    if (metaData != nullptr)
        disconnect(this, &AudioPlayer::changeBeat, metaData, &MetaData::changeBeat);
    metaData = model;
    if (metaData != nullptr)
        connect(this, &AudioPlayer::changeBeat, metaData, &MetaData::changeBeat);
}

void AudioPlayer::initBeep(const float* left, const float* right, int length)
{
    PlaybackHold hold(*this);
    if (left == nullptr || length <= 0) {
        clickLeft.clear();
        clickRight.clear();
        clickLength = 0;
        clickLoaded = false;
        return;
    }
    clickLeft.assign(left, left + length);
    clickRight.assign(right != nullptr ? right : left, (right != nullptr ? right : left) + length);
    clickLength = length;
    clickLoaded = true;
}

void AudioPlayer::initAudio()
{
    PlaybackHold hold(*this);
    stopped.store(true);
    playStart.store(0);
}

void AudioPlayer::stopThread()
{
    feeding.store(false);
}

void AudioPlayer::setCurrentPositionFromSession(int pos)
{
    placeReadPosition(pos);
}

int AudioPlayer::getCurrentPosition() const
{
    return chain::currentposition.load();
}

bool AudioPlayer::isPlaying() const
{
    return !stopped.load();
}

bool AudioPlayer::isLooping() const
{
    return looping.load();
}

float AudioPlayer::getVolume() const
{
    return volume.load();
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
        QThread::msleep(feedSleepMs);
    }
    runsInside.fetch_sub(1, std::memory_order_release);
}

int AudioPlayer::feedOnce()
{
    int pushed = 0;
    for (int turn = 0; turn < maxBlocksPerTurn; ++turn) {
        if (!gate.tryEnter())
            break; // the GUI thread holds playback: try again next turn
        BlockOutcome outcome;
        feedBlock(outcome);
        gate.leaveTried();

        // Outside the gate, so that a receiver called directly may stop
        // the player.
        if (outcome.clicked)
            emit flashMetro();
        if (outcome.beatChanged) {
            emit changeBeat();
            if (outcome.flashed)
                emit flashMainPlay(outcome.flash);
        }
        if (outcome.result == BlockResult::Pushed)
            ++pushed;
        else if (outcome.result != BlockResult::Moved)
            break;
    }
    return pushed;
}

// One block, inside the gate:
//  1. Nothing while stopped, not feeding, or the stream holds more than
//     the threshold.
//  2. Normal playback with a looped selection: a position outside the
//     selection goes back to its start.
//  3. Beat tracking and the click at the position.
//  4. While the frame to read lies inside the recording: one chain step,
//     the block assembled and pushed. Otherwise the end: loop back, or
//     stop.
// Riff and song stepping, which may move the position, goes before 3.
void AudioPlayer::feedBlock(BlockOutcome& outcome)
{
    if (!feeding.load() || stopped.load() || length <= 0)
        return;
    const StreamHandle handle = stream.load();
    const std::int64_t queued = output.queuedBytes(handle);
    if (queued < 0 || queued > queueThresholdBytes)
        return;

    const bool normalPlayback = !riffMode.load() && !songMode.load();
    const LoopPoints loop = loadLoop();
    const bool loopOn = looping.load();
    int position = chain::currentposition.load();
    if (normalPlayback && loop.selection() && loopOn && (position >= loop.end || position < loop.start)) {
        placeReadPosition(loop.start);
        resetPhases();
        position = chain::currentposition.load();
    }

    playBeep = false;
    trackBeats(position, normalPlayback, outcome);

    // Signed: a position past the end (a seek there, a long tempo step)
    // is an end, never a huge remainder.
    const std::int64_t remaining = std::int64_t(length) - position;
    const chain::VocoderSwitches switches = chain::vocoderSwitches.load();
    const float reach = switches.TSMPSMEnabled ? reachFactor(chain::interpfactor.load()) : 1.0f;
    if (double(remaining) > double(reach) * chain::framesize) {
        if (!processaudio(block->outLeft, block->outRight, block->graph))
            return; // a render holds the chain
        assembleBlock(switches.TSMPSMEnabled);
        if (output.push(handle, block->interleaved, chain::hop))
            outcome.result = BlockResult::Pushed;
        return;
    }

    // The end of the recording: no stale block is pushed again.
    if (loopOn) {
        placeReadPosition(loop.selection() ? loop.start : 0);
        resetPhases();
        outcome.result = BlockResult::Moved;
        return;
    }
    endFromPlaybackThread(loop);
    outcome.result = BlockResult::Ended;
}

// With b the model's beats, c its current beat and p the position: the
// first beat i in 1 … n − 3 whose window holds p becomes current; before
// that (unless i is 1) the click windows of c and c + 1 are checked, and
// a beat not clicked yet clicks. One click per block, one per beat.
void AudioPlayer::trackBeats(int position, bool normalPlayback, BlockOutcome& outcome)
{
    if (metaData == nullptr)
        return;
    MetaData::BeatsReadAccess access(*metaData);
    if (!access || !metaData->metaDataValid.load(std::memory_order_acquire))
        return;
    const QVector<float>& beatList = metaData->beats;
    const int n = beatList.size();
    if (n < 4)
        return;
    const float* beats = beatList.constData();
    const int current = metaData->currentBeat.load(std::memory_order_relaxed);
    const int offset = normalPlayback ? beatOffsetSamples.load() : 0;

    int entered = -1;
    for (int i = 1; i <= n - 3; ++i) {
        if (i != current && inBeatWindow(beats, i, position, 0)) {
            entered = i;
            break;
        }
    }

    if (entered != 1) {
        const int last = lastClickBeat.load();
        for (const int k : {current, current + 1}) {
            if (k >= 0 && k + 1 < n && k != last && inBeatWindow(beats, k, position, offset)) {
                playBeep = true;
                lastClickBeat.store(k);
                outcome.clicked = true;
                break;
            }
        }
    }

    if (entered >= 0) {
        metaData->currentBeat.store(entered, std::memory_order_relaxed);
        outcome.beatChanged = true;
        if (normalPlayback) {
            const bool flash = !mainFlash.load();
            mainFlash.store(flash);
            outcome.flashed = true;
            outcome.flash = flash;
        }
    }
}

void AudioPlayer::assembleBlock(bool vocoderRuns)
{
    float* outLeft = block->outLeft;
    float* outRight = block->outRight;
    float* interleaved = block->interleaved;
    const float gain = volume.load();
    const float clickGain = metroVolume.load();
    const bool monoMix = vocoderRuns && chain::vocoderModeFlags.load().monoMix;
    const int clickFrames = (clickLoaded && playBeep) ? std::min(clickLength, chain::hop) : 0;

    if (zeroFirstSample) {
        outLeft[0] = 0.0f;
        outRight[0] = 0.0f;
        zeroFirstSample = false;
    }
    for (int f = 0; f < chain::hop; ++f) {
        float left;
        float right;
        if (monoMix) {
            left = right = float(double(gain) * (double(outLeft[f]) + double(outRight[f])) / 1.5);
        } else {
            left = outLeft[f] * gain;
            right = outRight[f] * gain;
        }
        if (f < clickFrames) {
            const float click = clickLeft[size_t(f)] * clickGain;
            left += click;
            right += click;
        }
        interleaved[2 * f] = left;
        interleaved[2 * f + 1] = right;
    }
}

// The stop of the end of the recording, on the playback thread: the
// state only. The GUI tick stops the stream and tells the transport
// (the output's control calls belong to the GUI thread).
void AudioPlayer::endFromPlaybackThread(const LoopPoints& loop)
{
    stopped.store(true);
    placeReadPosition(loop.start);
    flushBuffers();
    leaveRiffAndSongMode();
    restorePitch();
    endPending.store(true);
}

// ---------------------------------------------------------------------------
// GUI-thread helpers

void AudioPlayer::startStream()
{
    endPending.store(false);
    zeroFirstSample = true;
    feeding.store(true);
    replaceStream();
    output.play(stream.load());
}

void AudioPlayer::replaceStream()
{
    const StreamHandle old = stream.exchange(0);
    if (old != 0)
        output.freeStream(old);
    if (!running.load())
        return;
    const StreamHandle created = output.createStream(sampleRate);
    if (created == 0)
        qCWarning(lcPlayer) << "No output stream at" << sampleRate << "Hz; playback stays silent";
    stream.store(created);
}

void AudioPlayer::ensureThread()
{
    if (driver == FeedDriver::OwnThread && running.load())
        start(QThread::InheritPriority); // nothing when it runs already
}

void AudioPlayer::completeEnd()
{
    if (!endPending.exchange(false))
        return;
    {
        PlaybackHold hold(*this);
        if (stopped.load())
            output.stop(stream.load());
    }
    emit unlatchMainPlay();
    emit setGreyedButtonsHidden(true);
    emit flashMainPlay(false);
    emit flashSongPlay(false);
    emit flashRiffPlay(false);
}

void AudioPlayer::publishLoop()
{
    if (loopStart == nullptr || loopEnd == nullptr) {
        loopWord.store(0);
        return;
    }
    const int start = std::min(*loopStart, *loopEnd);
    const int end = std::max(*loopStart, *loopEnd);
    loopWord.store(packLoop(start, end));
}

AudioPlayer::LoopPoints AudioPlayer::loadLoop() const
{
    const std::uint64_t word = loopWord.load();
    LoopPoints points;
    points.start = std::int32_t(std::uint32_t(word & 0xffffffffu));
    points.end = std::int32_t(std::uint32_t(word >> 32));
    return points;
}

void AudioPlayer::placeReadPosition(std::int64_t s, bool setPlayStart)
{
    const std::int64_t kept = std::clamp<std::int64_t>(s, 0, std::max(length, 0));
    const std::int64_t position = kept < chain::hop ? kept + chain::hop : kept;
    chain::currentposition.store(int(position));
    if (setPlayStart)
        playStart.store(int(kept));
}

// Puts the pitch of the pitch controls back after riff steps changed it.
void AudioPlayer::restorePitch()
{
    tools.restore(ToolSwitches::Tool::Pitch, basePitch.load());
}

void AudioPlayer::leaveRiffAndSongMode()
{
    riffMode.store(false);
    songMode.store(false);
}

void AudioPlayer::incrementTimeBuffer()
{
    publishLoop();
    completeEnd();
    const std::int64_t elapsedMs = elapsed.isValid() ? elapsed.elapsed() : 0;
    displayPosition.store(positionEstimate.tick(elapsedMs, !stopped.load(), chain::currentposition.load(),
                                                sampleRate, chain::hopfactor.load()));
}

// ---------------------------------------------------------------------------
// Transport

void AudioPlayer::play()
{
    if (!hasRecording())
        return;
    publishLoop();
    {
        PlaybackHold hold(*this);
        leaveRiffAndSongMode();
        placeReadPosition(loadLoop().start);
        const bool wasStopped = stopped.exchange(false);
        restorePitch();
        if (wasStopped || !feeding.load())
            startStream();
    }
    ensureThread();
    positionEstimate.restart(0.0f);
    displayPosition.store(0.0f);
    positionTimer->start();
    elapsed.restart();
    mainFlash.store(false);
    riffFlash = false;
    songFlash = false;
    emit flashSongPlay(false);
    emit flashRiffPlay(false);
    emit unlatchRiffPlay();
    emit unlatchSongPlay();
}

void AudioPlayer::playFromSelectionStart()
{
    play();
}

void AudioPlayer::pause()
{
    if (!hasRecording())
        return;
    bool resumed = false;
    bool leftRiff = false;
    {
        PlaybackHold hold(*this);
        if (stopped.load()) {
            leaveRiffAndSongMode();
            startStream();
            stopped.store(false);
            resumed = true;
        } else if (riffMode.load()) {
            riffMode.store(false);
            leftRiff = true;
        } else {
            output.pause(stream.load());
            stopped.store(true);
        }
    }
    if (resumed) {
        ensureThread();
        positionEstimate.restartTicks();
        positionTimer->start();
        elapsed.restart();
    }
    if (resumed || leftRiff)
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
    completeEnd();
    publishLoop();
    const LoopPoints loop = loadLoop();
    bool wasPlaying = false;
    {
        PlaybackHold hold(*this);
        if (stopped.load() && !looping.load()) {
            // A second stop: back to the start; a cue point without a
            // selection is dropped.
            placeReadPosition(0);
            if (!loop.selection() && loopStart != nullptr && loopEnd != nullptr) {
                *loopStart = 0;
                *loopEnd = 0;
            }
        } else {
            wasPlaying = true;
            stopped.store(true);
            placeReadPosition(looping.load() && !loop.selection() ? 0 : loop.start);
            output.stop(stream.load());
            flushBuffers();
            leaveRiffAndSongMode();
            restorePitch();
        }
    }
    publishLoop();
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
    const LoopPoints loop = loadLoop();
    placeReadPosition(loop.selection() ? loop.start : 0);
}

void AudioPlayer::toEnd()
{
    stop();
    placeReadPosition(length, false);
}

void AudioPlayer::seekF()
{
    if (!hasRecording())
        return;
    const std::int64_t target = std::int64_t(chain::currentposition.load()) + seekFrames;
    if (target > length) {
        chain::currentposition.store(length);
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
    placeReadPosition(position > seekFrames ? position - seekFrames : 0, false);
}

void AudioPlayer::loop(bool looped)
{
    if (hasRecording())
        looping.store(looped);
}

void AudioPlayer::selectionSingleClick()
{
    publishLoop();
    if (stopped.load())
        placeReadPosition(loadLoop().start);
}

void AudioPlayer::setPlaybackPos(int xPos, int width)
{
    if (width <= 0)
        return;
    // Exact, in 64-bit integers: in float the right edge of a recording
    // longer than 2^24 frames lands past its end.
    const std::int64_t x = std::clamp(xPos, 0, width);
    placeReadPosition(x * length / width);
}

void AudioPlayer::setVolume(int vol)
{
    volume.store(float(vol) / 100.0f);
}

void AudioPlayer::setMetroVolume(int metroVol)
{
    metroVolume.store(float(metroVol) / 100.0f);
}

void AudioPlayer::loopPointsChanged()
{
    publishLoop();
}

// ---------------------------------------------------------------------------
// Tempo, pitch and mode. A switch to the state a tool is already in changes
// nothing, so the factor kept while bypassed survives a repeated bypass.

void AudioPlayer::setHop(float hopFactor)
{
    tools.setFactor(ToolSwitches::Tool::Tempo, hopFactor);
}

void AudioPlayer::activateTempo(bool activate)
{
    tools.bypass(ToolSwitches::Tool::Tempo, activate);
}

void AudioPlayer::resetHopFactor()
{
    tools.reset(ToolSwitches::Tool::Tempo);
}

void AudioPlayer::setInterp(float interpFactor)
{
    basePitch.store(interpFactor);
    tools.setFactor(ToolSwitches::Tool::Pitch, interpFactor);
}

void AudioPlayer::activatePitch(bool activate)
{
    tools.bypass(ToolSwitches::Tool::Pitch, activate);
}

void AudioPlayer::changeMode(int mode)
{
    if (const auto flags = chain::vocoderModeFlagsFor(mode))
        chain::vocoderModeFlags.store(*flags);
}

// ---------------------------------------------------------------------------
// Isolation

void AudioPlayer::activateSSS(bool activate)
{
    chain::ADRessEnabled.store(!activate);
}

void AudioPlayer::setWidth(int width)
{
    chain::rangeValue.store(float((double(width) + 0.001) / 100.0));
}

void AudioPlayer::setSeparation(int separation)
{
    chain::bleedThresholdValue.store(100.0f - float(separation));
}

// Slider 0 … 99 to the signed side gain: 50 is the centre (1.0), the ends
// come close to 0 (-0.0002 at 0, 0.0202 at 99) without reaching it.
void AudioPlayer::setAzimuth(int azimuth)
{
    // Outside the slider's range the mapping would change side.
    const int v = std::clamp(azimuth, 0, 99);
    float x = float(v - 50);
    if (v >= 51)
        x = float((100.01 - double(x)) / 50.0 - 1.0);
    if (x < 0.0f)
        x = float((double(x) + 100.01) / -50.0 + 1.0);
    chain::azimuthValue.store(x == 0.0f ? 1.0f : x);
}

void AudioPlayer::setInverted(bool inverted)
{
    chain::invert.store(inverted);
}

void AudioPlayer::setFilterKnob(int filterValue)
{
    chain::cutFrequencyValue.store(float(filterValue));
}

void AudioPlayer::setFilter(bool filter)
{
    chain::hipass.store(filter);
}

// 0 resets; a negative wheel step multiplies the divisor by 1.1, a positive
// one by 0.9, kept within bounds so the curve never becomes infinite and
// the divisor never leaves the int range.
void AudioPlayer::setPScale(int plotScale)
{
    if (plotScale == 0) {
        chain::plotscale.store(chain::defaultPlotScale);
        return;
    }
    const double factor = plotScale < 0 ? 1.1 : 0.9;
    const double scaled = std::trunc(std::fabs(double(chain::plotscale.load()) * factor));
    const double kept = std::clamp(scaled, double(minimumPlotScale), double(maximumPlotScale));
    chain::plotscale.store(int(kept));
}

QVector<QPointF> AudioPlayer::getSSSCurve() const
{
    QVector<QPointF> curve;
    if (!chain::ADRessEnabled.load())
        return curve;
    curve.reserve(chain::isolationCurveLength);
    for (int i = 0; i < chain::isolationCurveLength; ++i)
        curve.append(QPointF(i, double(block->graph[i].load(std::memory_order_relaxed))));
    return curve;
}

// ---------------------------------------------------------------------------
// Output device

int AudioPlayer::indexOfDevice(const QStringList& names, QString deviceName)
{
    deviceName.remove(QStringLiteral(" (Default)"));
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i) == deviceName || names.at(i).contains(deviceName))
            return i;
    }
    return -1;
}

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
    return indexOfDevice(getDeviceList(), deviceName);
}

// Switching frees every stream of the layer; a stream that was playing
// restarts on the new device from the read position.
void AudioPlayer::setAudioDevice(int deviceIndex)
{
    if (!running.load())
        return;
    if (deviceIndex < -1 || deviceIndex >= output.deviceNames().size()) {
        qCWarning(lcPlayer) << "No output device" << deviceIndex << "; keeping"
                            << output.currentDeviceName();
        return;
    }
    bool restarted = false;
    {
        PlaybackHold hold(*this);
        feeding.store(false);
        const bool wasActive = output.isActive(stream.load());
        output.selectDevice(deviceIndex);
        stream.store(0); // freed by the switch
        replaceStream();
        if (wasActive) {
            startStream();
            restarted = true;
        }
    }
    if (restarted)
        ensureThread();
}

// The layer applies a new length at once, also to a playing stream, so no
// restart (which would drop the queued audio) is needed.
void AudioPlayer::setDeviceBufferSize(int bufferSize)
{
    output.setBufferLengthMs(bufferSize);
}
