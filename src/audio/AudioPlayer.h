// The player: plays the loaded recording through the processing chain into
// a push stream of the output layer, on its own playback thread. Tracks the
// beat under the read position into the analysis model, mixes the metronome
// click at each beat, wraps around the loop selection, stops at the end of
// the recording, and keeps a smoothed play position for the views. Its
// slots (GUI thread) are the transport, the volumes, the tempo, pitch, mode
// and isolation controls and the output device choice.
//
// Set-up order (GUI thread):
//   AudioPlayer player(output);          // output outlives the player
//   player.initMetaData(&model);
//   player.initLoop(&selection.loopStart, &selection.loopEnd);
//   player.initBeep(click, click, length);
//   per file: player.forgetRecording() (stops and waits; the old buffers
//   may go now), player.resetMetaData(), decode, then
//   player.setPlaybackVars(left, right, channels, frames, rate).
//   Offline renders hold an AudioPlayer::PlaybackHold while they run.
// Views poll getSampleIndexPtr() (relaxed loads).
//
// Threads. The object lives in the GUI thread; every slot runs there. The
// playback thread runs feedOnce() every 10 ms. It never waits: each block
// (one chain step and one push) happens inside the step gate, which it only
// tries to take, skipping its turn when the GUI thread holds it. The GUI
// thread takes the gate (waiting for at most the block in flight) whenever
// it stops playback, replaces the stream, the recording, the model or the
// click, so after stop() returns no step runs until playback is started
// again. Fields that both threads touch only inside the gate are plain
// (the gate's acquire/release orders them): the recording's length, rate
// and channels, the click table, the model pointer, the block buffers and
// zeroFirstSample. Everything the playback thread reads outside the gate,
// or the GUI reads while playing, is a lock-free atomic (relaxed: each is
// an independent value; the loop points travel as one word).
//
// Loop points: the selection owns two ints and lends them by address
// (initLoop). Only the GUI thread reads them: it copies the pair into one
// atomic word before every transport slot uses it, at every 10 ms tick of
// the position timer and whenever loopPointsChanged() is called (connect
// the selection's change to it for an immediate update). The playback
// thread reads only that word, so it never sees a half-changed selection.
#pragma once

#include "AudioOutput.h"
#include "PlayPositionEstimate.h"
#include "ToolSwitches.h"
#include "TryGate.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class MetaData;
class QTimer;

class AudioPlayer : public QThread
{
    Q_OBJECT

public:
    // Who runs the feed loop: the player's own thread, or the caller
    // through feedOnce() (tests and benchmarks, deterministic).
    enum class FeedDriver { OwnThread, Caller };

    // Playback stops feeding while the stream holds more than this: 4096
    // stereo float frames (93 ms at 44.1 kHz).
    static constexpr std::int64_t queueThresholdBytes = 32767;

    // The layer must outlive the player. running follows whether it
    // initialised; a layer that failed leaves the player off (nothing
    // plays, the slots still set their values).
    explicit AudioPlayer(AudioOutput& output, FeedDriver driver = FeedDriver::OwnThread);
    ~AudioPlayer() override;

    // Set-up. left/right full scale ±1, one float per frame, alive until
    // forgetRecording() or the next setPlaybackVars(); right is not read
    // for mono. Stops playback first. False (nothing loaded then) for no
    // buffer or no frames.
    bool setPlaybackVars(float* left, float* right, int channels, int length, int sampleRate);
    // Stops, waits for the step in flight and drops the recording, so its
    // buffers may be released. play() does nothing until the next load.
    void forgetRecording();
    // Stops, waits, then resets the analysis model (opening a file resets
    // it before decoding while the old file may still play).
    void resetMetaData();
    void initLoop(int* start, int* end);
    void initMetaData(MetaData* metaData);
    // Copies the click; the left table serves both channels.
    void initBeep(const float* left, const float* right, int length);
    void initAudio();
    // Stops the feeding (the thread only sleeps from then on).
    void stopThread();
    // Clears running and waits for the playback thread to end. Also done
    // by the destructor.
    void close();

    // The smoothed play position in frames, advanced by the position timer.
    const std::atomic<float>* getSampleIndexPtr() const { return &displayPosition; }

    // The tempo and pitch tools' switches (kept factors, bypass state).
    const ToolSwitches& toolSwitches() const { return tools; }

    void setCurrentPositionFromSession(int pos);
    int getCurrentPosition() const;
    bool isPlaying() const;
    // The loop button's state as the player took it (sessions save it).
    bool isLooping() const;
    // The playback gain, 0 … 0.99 (sessions and settings save it).
    float getVolume() const;

    // One turn of the playback loop: pushes blocks while the stream holds
    // no more than queueThresholdBytes. Returns the blocks pushed. The
    // playback thread calls it every 10 ms; with FeedDriver::Caller the
    // caller does, on one thread at a time.
    int feedOnce();

    // Index of deviceName in names: " (Default)" is removed, then the first
    // entry equal to it or containing it wins (case-sensitive); -1 if none.
    static int indexOfDevice(const QStringList& names, QString deviceName);

    // GUI thread: while one is alive, the playback thread makes no step
    // (offline renders, releasing buffers). Waits for the block in flight.
    // Nests.
    class PlaybackHold
    {
    public:
        explicit PlaybackHold(AudioPlayer& player);
        ~PlaybackHold();
        PlaybackHold(const PlaybackHold&) = delete;
        PlaybackHold& operator=(const PlaybackHold&) = delete;

    private:
        AudioPlayer& m_player;
    };

public slots:
    // Transport. play and stop take no argument, so that they connect to
    // argument-less signals by pointer to member.
    void play();
    void playFromSelectionStart();
    void pause();
    void playStop();
    void stop();
    void toBeginning();
    void toEnd();
    void seekF();
    void seekB();
    void loop(bool looped);
    void selectionSingleClick();
    void setPlaybackPos(int xPos, int width);
    void setVolume(int vol);
    void setMetroVolume(int metroVol);
    void loopPointsChanged();

    // Tempo, pitch and vocoder mode. The activate slots take true to bypass.
    void setHop(float hopFactor);
    void activateTempo(bool activate);
    void resetHopFactor();
    void setInterp(float interpFactor);
    void activatePitch(bool activate);
    void changeMode(int mode);

    // Isolation.
    void activateSSS(bool activate);
    void setWidth(int width);
    void setSeparation(int separation);
    void setAzimuth(int azimuth);
    void setInverted(bool invert);
    void setFilterKnob(int filterValue);
    void setFilter(bool filter);
    void setPScale(int plotScale);
    QVector<QPointF> getSSSCurve() const;

    // Output device.
    QStringList getDeviceList() const;
    QString getAudioDevice() const;
    int deviceStringToIndex(QString deviceName) const;
    void setAudioDevice(int deviceIndex);
    void setDeviceBufferSize(int bufferSize);

signals:
    // Playback thread, queued: the read position entered a new beat.
    void changeBeat();
    // Playback thread, queued: a click starts.
    void flashMetro();
    // Toggles at every beat of normal playback; false from the transport.
    void flashMainPlay(bool on);
    void flashRiffPlay(bool on);
    void flashSongPlay(bool on);
    // Riff or song playback left by pause (false).
    void playRiffSong(bool riffSong);
    // The transport's greyed overlay: hidden (true) at stop.
    void setGreyedButtonsHidden(bool hidden);
    void unlatchMainPlay();
    void unlatchSongPlay();
    void unlatchRiffPlay();

protected:
    void run() override;

private slots:
    // Every 10 ms on the GUI thread: the play position estimate, the loop
    // points, and the end of a playback that the playback thread stopped.
    void incrementTimeBuffer();

private:
    enum class BlockResult { Idle, Pushed, Moved, Ended };

    // What one block did; its signals are emitted after the gate is left.
    struct BlockOutcome
    {
        BlockResult result = BlockResult::Idle;
        bool clicked = false;
        bool beatChanged = false;
        bool flashed = false;
        bool flash = false;
    };

    struct LoopPoints
    {
        int start = 0;
        int end = 0;
        bool selection() const { return start != end; }
    };

    // Playback thread (or the feedOnce caller), inside the gate.
    void feedBlock(BlockOutcome& outcome);
    void trackBeats(int position, bool normalPlayback, BlockOutcome& outcome);
    void assembleBlock(bool vocoderRuns);
    void endFromPlaybackThread(const LoopPoints& loop);

    // GUI thread.
    void enterGate();
    void leaveGate();
    bool hasRecording() const { return length > 0; }
    void startStream(); // the gate is held
    void ensureThread();
    void replaceStream(); // the gate is held: the old stream goes, a new one waits stopped
    void completeEnd();
    void publishLoop();
    void restorePitch();
    void leaveRiffAndSongMode();

    // Any thread: the position rule. s is kept within the recording, then
    // raised by hop when below it.
    void placeReadPosition(std::int64_t s, bool setPlayStart = true);
    LoopPoints loadLoop() const;

    AudioOutput& output;
    const FeedDriver driver;

    // The block buffers and the isolation curve (written by the chain step,
    // read by getSSSCurve); sized by the chain, so kept out of this header.
    struct BlockBuffers;
    const std::unique_ptr<BlockBuffers> block;
    // The tempo and pitch tools' bypass logic and kept factors.
    ToolSwitches tools;

    // Inside the gate (see the top of this file).
    int length = 0;
    int sampleRate = 44100;
    int channels = 0;
    MetaData* metaData = nullptr;
    std::vector<float> clickLeft;
    std::vector<float> clickRight;
    int clickLength = 0;
    bool clickLoaded = false;
    bool zeroFirstSample = false;
    // A metronome click is due in the block being made.
    bool playBeep = false;

    // Shared, lock-free (relaxed unless noted).
    // Push stream being fed, 0 for none; writer: GUI under the gate; readers: both.
    std::atomic<StreamHandle> stream{0};
    // Frame where playback started (within the recording); writers: GUI, playback thread (loop jumps).
    std::atomic<int> playStart{0};
    // Playback gain, 0 … 0.99; writer: GUI; reader: block assembly.
    std::atomic<float> volume{0.99f};
    // Click gain, 0 … 0.99; writer: GUI; reader: block assembly.
    std::atomic<float> metroVolume{0.0f};
    // Stopped or paused; writers: GUI under the gate, playback thread at the end; readers: both.
    std::atomic<bool> stopped{true};
    // The loop button is down; writer: GUI; reader: playback thread.
    std::atomic<bool> looping{false};
    // A riff or the song plays; writers: GUI (and the riff stepping); readers: both.
    std::atomic<bool> riffMode{false};
    std::atomic<bool> songMode{false};
    // The playback thread may feed the stream; writer: GUI; reader: playback thread.
    std::atomic<bool> feeding{false};
    // The playback thread's loop keeps running (release at close); writer: GUI; reader: playback thread.
    std::atomic<bool> running{false};
    // Beat index of the last click; writers: playback thread, GUI at a load; reader: playback thread.
    std::atomic<int> lastClickBeat{0};
    // Toggles at every beat of normal playback; writers: playback thread, GUI at play.
    std::atomic<bool> mainFlash{false};
    // Frames the beats were moved by the beat-offset knob since the load; writer: GUI; reader: beat tracking.
    std::atomic<int> beatOffsetSamples{0};
    // Pitch factor of the pitch controls, out/in frequency, 0.5 … 2; writer: GUI; readers: both (riff steps).
    std::atomic<float> basePitch{1.0f};
    // Smoothed play position, frames; writer: GUI tick; readers: the views.
    std::atomic<float> displayPosition{0.0f};
    // Loop points in frames, start low 32 bits, end high; writer: GUI; reader: playback thread.
    std::atomic<std::uint64_t> loopWord{0};
    // Set by the playback thread when it stopped at the end of the
    // recording; the GUI tick stops the stream and tells the transport.
    std::atomic<bool> endPending{false};
    // The step gate: the playback thread only tries it, the GUI thread
    // waits for it (and nests).
    base::TryGate gate;
    // run() bodies in progress; its release at the end pairs with close().
    std::atomic<int> runsInside{0};

    // GUI thread only.
    int* loopStart = nullptr;
    int* loopEnd = nullptr;
    bool riffFlash = false;
    bool songFlash = false;
    QTimer* positionTimer = nullptr;
    QElapsedTimer elapsed;
    PlayPositionEstimate positionEstimate;

    static_assert(std::atomic<StreamHandle>::is_always_lock_free);
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
    static_assert(std::atomic<float>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
};
