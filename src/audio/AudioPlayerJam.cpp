// The player's riff and song slots, the beat offset and the offline
// renders. The stepping rules are in JamSteps.h; while playing, the feed
// loop makes the checks on the playback thread and leaves their notices
// for the tick; here, on the GUI thread, the starts, the single checks
// and the renders run with playback held and emit at once.
#include "AudioPlayer.h"

#include "ChainControls.h"
#include "JamPlayback.h"
#include "MetaData.h"
#include "ProcessingChain.h"

#include <QTimer>

// The GUI thread's hold on the chain for the starts, the single checks and
// the renders (playback held): the position rule, the step pitch, one
// chain step, and the notices emitted as signals at once.
class AudioPlayer::GuiJamPort final : public ChainJamPort
{
public:
    explicit GuiJamPort(AudioPlayer& owner) : player_(owner) { }

    void placeReadPosition(int frames, bool setPlayStart) override
    {
        player_.feed.placeReadPosition(frames, setPlayStart);
    }
    float setStepInterp(float stepFactor) override
    {
        return jamplay::applyStepPitch(player_.tools, player_.feed.basePitch.load(), stepFactor);
    }
    void notify(const StepNotice& notice) override { player_.emitStepNotice(notice); }

private:
    AudioPlayer& player_;
};

// ---------------------------------------------------------------------------
// Set-up and the plain slots

void AudioPlayer::addRiff(RiffSource* riff)
{
    feed.jam.addRiff(riff);
}

void AudioPlayer::setSong(const SongSource* song)
{
    feed.jam.setSong(song);
}

void AudioPlayer::setRiff(int riff)
{
    feed.jam.setActiveRiff(riff);
}

void AudioPlayer::setRiffLength(int steps)
{
    riffLength = steps;
}

void AudioPlayer::setSongLength(int steps)
{
    songLength = steps;
}

void AudioPlayer::stopSongPlayback()
{
    if (feed.songMode.load())
        stop();
}

// ---------------------------------------------------------------------------
// GUI-thread helpers

// The GUI thread is the only writer of the beats, so it reads them as
// they are.
jamplay::BeatGrid AudioPlayer::guiBeatGrid() const
{
    const MetaData* model = feed.model();
    if (model == nullptr || !model->metaDataValid.load(std::memory_order_acquire))
        return jamplay::BeatGrid{};
    return jamplay::BeatGrid{model->beats.constData(), model->beats.size(), feed.length()};
}

bool AudioPlayer::jamPlayable() const
{
    const MetaData* model = feed.model();
    return hasRecording() && model != nullptr && model->metaDataValid.load(std::memory_order_acquire);
}

void AudioPlayer::emitStepNotice(const StepNotice& notice)
{
    if (notice.pitchShown)
        emit changeBeatPitch(notice.semitones);
    if (notice.slotShown) {
        emit songRiffChanged(notice.riff);
        emit setCurrentSongStep(notice.slot);
    }
    if (notice.stepShown)
        emit setCurrentBeatStep(notice.step);
    if (notice.flashed) {
        if (notice.song)
            emit flashSongPlay(notice.flash);
        else
            emit flashRiffPlay(notice.flash);
    }
}

// Inside the hold: step 0 in place with its pitch, told at once, and a
// fresh stream from there, the chain emptied of what played or rendered
// last and pre-rolled at the step's first frame.
void AudioPlayer::startJamPlayback(const jamplay::StepStart& start, bool song)
{
    feed.riffMode.store(!song);
    feed.songMode.store(song);
    feed.jam.clearFlashes();
    flushBuffers();
    GuiJamPort port(*this);
    jamplay::applyStart(start, song, port);
    feed.stopped.store(false);
    startStream();
    feed.prerollJamStart(start.position);
}

// The transport and the jam tab show a riff or the song playing.
void AudioPlayer::announceJamPlayback()
{
    emit playRiffSong(true);
    emit setGreyedButtonsHidden(false);
    emit flashMainPlay(false);
    emit flashRiffPlay(false);
    emit flashSongPlay(false);
    emit enableJamTab(true);
    emit unlatchMainPlay();
}

// While a riff or the song plays, the playing step's pitch goes on over
// the pitch controls' new state.
void AudioPlayer::reapplyStepPitch()
{
    if (!isPlaying() || (!feed.riffMode.load() && !feed.songMode.load()))
        return;
    PlaybackHold hold(*this);
    restorePitch();
    const RiffSource* riff = feed.jam.riffs()[size_t(feed.jam.activeRiff())];
    const float stepFactor = riff != nullptr ? riff->stepPitch(feed.jam.riffStep()) : 1.0f;
    jamplay::applyStepPitch(tools, feed.basePitch.load(), stepFactor);
}

// The renders end with the pitch tool bypassed at 1.0 and the pitch
// controls' factor 1.0, and nothing of them left in the chain for the
// next playback or export to hear.
void AudioPlayer::endRender()
{
    flushBuffers();
    tools.bypass(ToolSwitches::Tool::Pitch, true);
    tools.setKeptFactor(ToolSwitches::Tool::Pitch, 1.0f);
    feed.basePitch.store(1.0f);
}

// ---------------------------------------------------------------------------
// Riff and song playback

void AudioPlayer::playRiff()
{
    if (!jamPlayable())
        return;
    if (isPlaying() && feed.riffMode.load()) {
        stop();
        emit setGreyedButtonsHidden(true);
        return;
    }
    emitPlaybackEvents();
    bool started = false;
    {
        PlaybackHold hold(*this);
        if (const std::optional<jamplay::StepStart> start = feed.jam.startRiff(guiBeatGrid())) {
            startJamPlayback(*start, false);
            started = true;
        }
    }
    if (!started) {
        // No such riff, or no beats to play: the button comes back up.
        emit unlatchRiffPlay();
        return;
    }
    restartClock();
    announceJamPlayback();
    emit unlatchSongPlay();
}

// The song starts at the slot the last song playback left, or at the next
// used slot after it when that one is empty now.
void AudioPlayer::playSong()
{
    if (!jamPlayable())
        return;
    if (isPlaying() && feed.songMode.load()) {
        stop();
        emit setGreyedButtonsHidden(true);
        return;
    }
    emitPlaybackEvents();
    bool started = false;
    {
        PlaybackHold hold(*this);
        const jamplay::BeatGrid grid = guiBeatGrid();
        if (const std::optional<jamplay::StepStart> start = feed.jam.startSong(grid, feed.jam.songSlot())) {
            startJamPlayback(*start, true);
            started = true;
        }
    }
    if (!started) {
        // Every slot empty: only the button comes back up.
        emit unlatchSongPlay();
        return;
    }
    restartClock();
    announceJamPlayback();
    emit unlatchRiffPlay();
}

void AudioPlayer::calculatePosFromRiff()
{
    PlaybackHold hold(*this);
    GuiJamPort port(*this);
    jamplay::stepRiffOnce(feed.jam, guiBeatGrid(), port);
}

void AudioPlayer::calculatePosFromSong()
{
    bool songOver = false;
    {
        PlaybackHold hold(*this);
        GuiJamPort port(*this);
        songOver = jamplay::stepSongOnce(feed.jam, guiBeatGrid(), port).kind == jamplay::StepCheck::Kind::Stop;
    }
    if (songOver && feed.songMode.load())
        stop();
}

void AudioPlayer::setStepInterp(float factor)
{
    float semitones = 0.0f;
    {
        PlaybackHold hold(*this);
        semitones = jamplay::applyStepPitch(tools, feed.basePitch.load(), factor);
    }
    emit changeBeatPitch(semitones);
}

// ---------------------------------------------------------------------------
// The beat offset

void AudioPlayer::setBeatOffset(int offset)
{
    if (offset == beatOffset)
        return;
    const MetaData* model = feed.model();
    feed.moveBeats(model != nullptr ? (offset - beatOffset) * model->beatLengthPercent : 0);
    for (int r = 0; r < JamStepper::riffCount; ++r) {
        if (RiffSource* riff = feed.jam.riff(r))
            riff->repositionBeats();
    }
    beatOffset = offset;
    emit updateBeatSelections(offset);
    emit updateBeatSelections();
}

// ---------------------------------------------------------------------------
// Offline renders

bool AudioPlayer::processAudioFrame()
{
    if (!feed.stopped.load())
        stop();
    float left[chain::hop];
    float right[chain::hop];
    bool ended = false;
    int frames = 0;
    {
        PlaybackHold hold(*this);
        ended = feed.exportBlock(left, right, frames);
    }
    exportLeft.clear();
    exportRight.clear();
    for (int f = 0; f < frames; ++f) {
        exportLeft.append(left[f]);
        exportRight.append(right[f]);
    }
    return ended;
}

void AudioPlayer::startSelectionExport(int start, int end)
{
    if (!feed.stopped.load())
        stop();
    PlaybackHold hold(*this);
    feed.startSelectionExport(start, end);
}

void AudioPlayer::calculateRiffWavData()
{
    stop();
    PlaybackHold hold(*this);
    // Nothing of an earlier playback or render sounds in it.
    flushBuffers();
    GuiJamPort port(*this);
    jamplay::renderRiff(feed.jam, guiBeatGrid(), port, feed.renderSplicer(), riffWavLeft, riffWavRight);
    endRender();
}

void AudioPlayer::calculateSongWavData()
{
    stop();
    PlaybackHold hold(*this);
    flushBuffers();
    GuiJamPort port(*this);
    jamplay::renderSong(feed.jam, guiBeatGrid(), port, feed.renderSplicer(), songWavLeft, songWavRight);
    endRender();
}
