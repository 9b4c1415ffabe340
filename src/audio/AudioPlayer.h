// The player: plays the loaded recording through the processing chain into
// a push stream of the output layer, on its own playback thread. Tracks the
// beat under the read position into the analysis model, mixes the metronome
// click where each beat is heard, wraps around the loop selection, plays
// the recording out to its last frame, and keeps a smoothed play position
// for the views.
// Its slots (GUI thread) are the transport, the volumes, the tempo, pitch,
// mode and isolation controls and the output device choice.
//
// The class is the facade: the playback thread's work is FeedLoop, the
// tempo and pitch switches ToolSwitches, the beat tracking trackBeat
// (BeatTracking.h), the device lookup DeviceChoice.h. Its slots live in
// AudioPlayer.cpp (set-up, thread, tick), AudioPlayerTransport.cpp,
// AudioPlayerTools.cpp (tempo, pitch, mode, isolation),
// AudioPlayerDevices.cpp (output device) and AudioPlayerJam.cpp (riff and
// song playback, the beat offset and the offline renders; their rules are
// JamSteps.h, their state JamStepper, their loops JamPlayback.h, their
// blocks StepSplicer).
//
// Set-up order (GUI thread):
//   AudioPlayer player(output);          // output outlives the player
//   player.initMetaData(&model);
//   player.initLoop(&selection.loopStart, &selection.loopEnd);
//   player.initBeep(click, click, length);
//   player.addRiff(riff) six times, "A" … "F"; player.setSong(&song);
//   per file: player.forgetRecording() (stops and waits; the old buffers
//   may go now), player.resetMetaData(), decode, then
//   player.setPlaybackVars(left, right, channels, frames, rate).
//   Offline renders hold an AudioPlayer::PlaybackHold while they run.
// Views poll getSampleIndexPtr() (relaxed loads).
//
// Threads. The object lives in the GUI thread; every slot runs there. The
// playback thread runs feedOnce() every 10 ms. It never waits and never
// calls Qt: each block (one chain step and one push) happens inside the
// step gate, which it only tries to take, skipping its turn when the GUI
// thread holds it; what it has to tell (beats, clicks, the end) it leaves
// as lock-free events that the 10 ms GUI tick turns into the signals, in
// the order they happened. The GUI thread takes the gate (waiting for at
// most the block in flight) whenever it stops playback, replaces the
// stream, the recording, the model or the click, so after stop() returns
// no step runs until playback is started again.
//
// Loop points: the selection owns two ints and lends them by address
// (initLoop). Only the GUI thread reads them: it copies the pair into one
// atomic word before every transport slot uses it, at every 10 ms tick of
// the position timer and whenever loopPointsChanged() is called (connect
// the selection's change to it for an immediate update). The playback
// thread reads only that word, so it never sees a half-changed selection.
#pragma once

#include "AudioOutput.h"
#include "FeedLoop.h"
#include "PlayPositionEstimate.h"
#include "ToolSwitches.h"
#include "TryGate.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <atomic>
#include <cstdint>

class MetaData;
class QTimer;

class AudioPlayer : public QThread
{
    Q_OBJECT

public:
    // Who runs the feed loop: the player's own thread, or the caller
    // through feedOnce() (tests and benchmarks, deterministic).
    enum class FeedDriver { OwnThread, Caller };

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
    // less than queueThresholdFrames(). Returns the blocks pushed. The
    // playback thread calls it every 10 ms; with FeedDriver::Caller the
    // caller does, on one thread at a time.
    int feedOnce();
    // The queue the feed loop keeps, frames at the recording's rate: at
    // least 4096 (93 ms at 44.1 kHz), and more than the device takes at
    // once whatever the buffer length.
    int queueThresholdFrames() const { return feed.queueThresholdFrames(); }

    // Riffs and song, at set-up: the jam tab's six riffs in the order
    // "A" … "F" (a seventh is ignored), and its song. Not owned; they
    // outlive the player or are never replaced while it plays.
    void addRiff(RiffSource* riff);
    void setSong(const SongSource* song);

    // GUI thread. One stepping check of riff or song playback at the read
    // position, its signals emitted at once (the playback thread makes its
    // own checks while playing).
    void calculatePosFromRiff();
    void calculatePosFromSong();
    // A step's pitch factor on top of the pitch controls' factor; emits
    // changeBeatPitch with the step's semitones.
    void setStepInterp(float factor);

    // Offline renders, GUI thread; each stops playback first and holds it.
    // The export blocks that follow render the selection [start, end)
    // once: from its start's attack, pre-rolled, to exactly its end.
    void startSelectionExport(int start, int end);
    // One block of the export into exportLeft/exportRight (a hop each,
    // less for a selection's last); true at the end: after a selection's
    // last frames, or with a block of zeros and the position back at the
    // start once 8191 frames or fewer remain after the position.
    bool processAudioFrame();
    // The active riff once, into riffWavLeft/riffWavRight, and the song
    // once, into songWavLeft/songWavRight (both empty when nothing can
    // play): from the first frame of the first step, the chain pre-rolled,
    // each step exactly its beat. Both end with the pitch tool bypassed at
    // 1.0, the pitch controls' factor 1.0 and the chain emptied.
    void calculateRiffWavData();
    void calculateSongWavData();

    QList<float> exportLeft;
    QList<float> exportRight;
    QList<float> riffWavLeft;
    QList<float> riffWavRight;
    QList<float> songWavLeft;
    QList<float> songWavRight;

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
    // argument-less signals by pointer to member. Without a recording play
    // and pause only emit unlatchMainPlay.
    void play();
    void playFromSelectionStart();
    // Pauses, or resumes from the first frame not heard before the pause.
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

    // Riffs and song. A riff outside 0 … 5 means riff "A".
    void setRiff(int riff);
    void setRiffLength(int steps);
    void setSongLength(int steps);
    // The jam tab's beat-offset knob: moves every beat by the change times
    // a hundredth of the average beat.
    void setBeatOffset(int beatOffset);
    // Start a riff or the song, or stop it when it plays.
    void playRiff();
    void playSong();
    // The song has no riff left.
    void stopSongPlayback();

    // Output device.
    QStringList getDeviceList() const;
    QString getAudioDevice() const;
    int deviceStringToIndex(QString deviceName) const;
    void setAudioDevice(int deviceIndex);
    void setDeviceBufferSize(int bufferSize);

signals:
    // GUI thread, from the tick: the read position entered a new beat.
    void changeBeat();
    // GUI thread, from the tick: a click starts.
    void flashMetro();
    // Toggles at every beat of normal playback; false from the transport.
    void flashMainPlay(bool on);
    void flashRiffPlay(bool on);
    void flashSongPlay(bool on);
    // Riff or song playback starts (true) or ends (false).
    void playRiffSong(bool riffSong);
    // The transport's greyed overlay: hidden (true) at stop.
    void setGreyedButtonsHidden(bool hidden);
    void unlatchMainPlay();
    void unlatchSongPlay();
    void unlatchRiffPlay();
    // Riff and song steps (while playing, from the tick once the device has
    // played the step's first frame; at once from the renders): the step's
    // own pitch in semitones, the step and song slot playing, the riff of
    // a new song slot. Once riff or song playback ends: step and slot -1,
    // pitch 0.
    void changeBeatPitch(float pitch);
    void setCurrentBeatStep(int step);
    void setCurrentSongStep(int step);
    void songRiffChanged(int index);
    // The beats moved (the beat-offset knob): sent with the offset, then
    // with 0.
    void updateBeatSelections(int offset = 0);
    // A riff or the song started (true).
    void enableJamTab(bool on);

protected:
    void run() override;

private slots:
    // Every 10 ms on the GUI thread: the playback thread's events as
    // signals, the play position estimate, the loop points, the queue
    // threshold, and the end of a playback that the playback thread ended.
    void incrementTimeBuffer();

private:
    // GUI thread.
    void enterGate();
    void leaveGate();
    bool hasRecording() const { return feed.length() > 0; }
    void emitPlaybackEvents();
    void startStream(); // the gate is held
    void ensureThread();
    void replaceStream(); // the gate is held: the old stream goes, a new one waits stopped
    void completeEnd();
    void stopDrainedStream();
    void publishLoop();
    void updateQueueThreshold();
    void restartClock(); // playback (re)starts at display position 0
    void restorePitch();
    bool leaveRiffAndSongMode(); // true when a riff or the song was playing
    void announceJamEnd();
    // Riffs and song (AudioPlayerJam.cpp).
    class GuiJamPort;
    jamplay::BeatGrid guiBeatGrid() const;
    bool jamPlayable() const;
    void emitStepNotice(const StepNotice& notice);
    void startJamPlayback(const jamplay::StepStart& start, bool song);
    void announceJamPlayback();
    void reapplyStepPitch();
    void endRender();

    AudioOutput& output;
    const FeedDriver driver;
    ToolSwitches tools;
    FeedLoop feed;

    // The playback thread's loop keeps running (release at close); writer: GUI; reader: playback thread.
    std::atomic<bool> running{false};
    // Smoothed play position, frames; writer: GUI tick; readers: the views.
    std::atomic<float> displayPosition{0.0f};
    // run() bodies in progress; its release at the end pairs with close().
    std::atomic<int> runsInside{0};
    // The step gate: the playback thread only tries it, the GUI thread
    // waits for it (and nests).
    base::TryGate gate;

    // GUI thread only.
    int* loopStart = nullptr;
    int* loopEnd = nullptr;
    // The beat-offset knob's last value (its centre is 49).
    int beatOffset = 49;
    int riffLength = 0;
    int songLength = 0;
    // A stream the end left playing out its queue; stopped once drained.
    StreamHandle drainingStream = 0;
    QTimer* positionTimer = nullptr;
    QElapsedTimer elapsed;
    PlayPositionEstimate positionEstimate;

    static_assert(std::atomic<float>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
};
