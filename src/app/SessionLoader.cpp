#include "SessionLoader.h"

#include "AudioPlayer.h"
#include "BeatLabel.h"
#include "BeatSelection.h"
#include "ChordsTab.h"
#include "CustomButton.h"
#include "JamTab.h"
#include "PitchValue.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "RealTimeToolsTab.h"
#include "Riff.h"
#include "SongStep.h"
#include "StepContextMenu.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <algorithm>
#include <cmath>

using session::RiffTexts;
using session::StepTexts;
using session::WorkingSet;

// The elements applied as they are met.
class SessionLoader::MetHandler final : public session::WalkHandler
{
public:
    MetHandler(const SessionViews& views, SessionShell& shell) : views_(views), shell_(shell) { }

    bool fileName(const QString& path) override
    {
        // The recording already open applies as it is, analysis and all.
        if (shell_.recordingLoaded() && shell_.audioFileName() == path)
            return true;
        if (shell_.openRecording(path) != 0)
            return false;
        shell_.forgetOpenedRecent();
        return true;
    }

    void looped(int value) override
    {
        // The button's toggled() reaches the player only when it changes.
        if (value != 0)
            views_.transport->loopButton->latch();
        else
            views_.transport->loopButton->unlatch();
    }

    void currentTab(int value) override { shell_.setCurrentTab(value); }

    void scrollButton(int value) override { views_.waveBg->scrollButton->setValueFromSession(value != 0); }

private:
    const SessionViews& views_;
    SessionShell& shell_;
};

SessionLoader::SessionLoader(const SessionViews& views, SessionShell& shell) : views_(views), shell_(shell) { }

SessionLoader::Status SessionLoader::load(const QString& path)
{
    QByteArray bytes;
    readStatus_ = session::readFile(path, bytes);
    if (readStatus_ != session::ReadStatus::Ok)
        return Status::NotLoaded;
    return load(bytes);
}

SessionLoader::Status SessionLoader::load(const QByteArray& bytes)
{
    QDomDocument document;
    readStatus_ = session::parse(bytes, document);
    if (readStatus_ != session::ReadStatus::Ok)
        return Status::NotLoaded;
    return loadDocument(document);
}

SessionLoader::Status SessionLoader::loadDocument(const QDomDocument& document)
{
    WorkingSet set;
    MetHandler handler(views_, shell_);
    if (!session::walk(document.documentElement(), set, handler))
        return Status::Stopped;
    apply(set);
    // Playback stops; the next start begins at the stored position (the
    // player keeps it within the recording).
    views_.player->stop();
    views_.player->setCurrentPositionFromSession(set.playbackPos);
    return Status::Completed;
}

float SessionLoader::stepInterp(const QString& text)
{
    const float value = text.toFloat();
    if (!std::isfinite(value) || value <= 0.0f)
        return 1.0f;
    return std::clamp(value, Riff::lowestFactor, Riff::highestFactor);
}

float SessionLoader::stepSemitone(const QString& text)
{
    const float value = text.toFloat();
    if (!std::isfinite(value))
        return 0.0f;
    return std::clamp(value, -12.0f, 12.0f);
}

float SessionLoader::stepRatio(float interp, float semitone)
{
    const float ratio = pitchvalue::ratioOfSemitones(double(semitone));
    return std::abs(interp - ratio) <= ratioTolerance ? interp : ratio;
}

int SessionLoader::stepState(const QString& text)
{
    const int state = text.toInt();
    return state >= RiffModel::Unused && state <= RiffModel::OutsideLoop ? state : RiffModel::Unused;
}

void SessionLoader::applyRiffs(const WorkingSet& set)
{
    Plotter& plotter = *views_.waveBg->plotter;
    const int frames = std::max(0, shell_.frameCount());
    const auto sample = [frames](const QString& text) { return std::clamp(text.toInt(), 0, frames); };

    for (int r = 0; r < session::riffCount; ++r) {
        const RiffTexts& riff = set.riffs[size_t(r)];
        BeatSelection& selection = *plotter.beatSelections[r];

        int states[session::stepCount];
        bool inUse = false;
        for (int s = 0; s < session::stepCount; ++s) {
            states[s] = stepState(riff.steps[size_t(s)].state);
            inUse = inUse || states[s] != RiffModel::Unused;
        }

        if (!inUse) {
            // Restoring its lengths 0 and 0 would put step 0 into the loop
            // at beat 0 and light the exports for a riff that holds nothing.
            selection.resetBeatSelection();
        } else {
            selection.setMaxLoopLength(riff.riffLengthMax.toInt());
            selection.setLoopLength(riff.riffLength.toInt());
            for (int s = 0; s < session::stepCount; ++s) {
                const StepTexts& step = riff.steps[size_t(s)];
                const int beat = step.beat.toInt();
                // A stored beat of 0 leaves the step where it is. A step
                // never ends before it starts.
                if (beat > 0) {
                    const int start = sample(step.startSample);
                    selection.beatLabels[s]->setBeat(states[s], beat, start,
                                                     std::max(start, sample(step.endSample)));
                }
            }
        }

        for (int s = 0; s < session::stepCount; ++s) {
            const StepTexts& step = riff.steps[size_t(s)];
            const float semitone = stepSemitone(step.semitone);
            const float interp = stepRatio(stepInterp(step.interp), semitone);
            ContextPitchWidget* pitch = views_.jamTab->contextMenus.at(r * session::stepCount + s)->pitchWidget;
            pitch->setPitchInterp(interp);
            pitch->setPitchSemitone(semitone);
            selection.riff->setInterpFactor(interp, s);
        }
        selection.repositionBeats();
    }
}

void SessionLoader::apply(const WorkingSet& set)
{
    Plotter& plotter = *views_.waveBg->plotter;

    // 1. The riffs' steps and pitches.
    applyRiffs(set);

    // 2. The current riff, on the waveform and in the player; the power
    //    button's page of the selection stack.
    const QString currentRiffText = set.jam.value(QStringLiteral("currentRiff"));
    int currentRiff = currentRiffText.toInt();
    if (currentRiff < 0 || currentRiff >= session::riffCount)
        currentRiff = 0;
    plotter.beatSelectionStack->setCurrentIndex(currentRiff);
    views_.player->setRiff(currentRiff);
    plotter.switchSelectionWidget(set.jam.value(QStringLiteral("powerButton")).toInt());

    // 3. The song's slots.
    QStringList song;
    for (const QString& slot : set.song)
        song.append(slot);
    views_.jamTab->songStep->initFromSession(song);

    // 4. The tools tab.
    const auto list = [](const session::HeldTexts& held, std::initializer_list<const char*> names) {
        QStringList texts;
        for (const char* name : names)
            texts.append(held.value(QLatin1String(name)));
        return texts;
    };
    views_.toolsTab->setToolsFromSession(
        list(set.tempo, {"bpm", "knobValue", "mode", "state", "exactBpm"}),
        list(set.pitch, {"knobValue", "semitones", "fineTune", "state"}),
        list(set.sourceSep,
             {"sepKnobValue", "widthKnobValue", "filterKnobValue", "azimuthValue", "hilo", "solo", "state"}));

    // 5. The jam tab.
    QString riffLength[session::riffCount];
    QString riffLengthMax[session::riffCount];
    for (int r = 0; r < session::riffCount; ++r) {
        riffLength[r] = set.riffs[size_t(r)].riffLength;
        riffLengthMax[r] = set.riffs[size_t(r)].riffLengthMax;
    }
    views_.jamTab->setRiffsFromSession(set.jam.value(QStringLiteral("powerButton")), QString::number(currentRiff),
                                       set.jam.value(QStringLiteral("beatOffset")), riffLength, riffLengthMax,
                                       set.songLengths.value(QStringLiteral("songLength")),
                                       set.songLengths.value(QStringLiteral("songLengthMax")), set.song.data());

    // 6. The chords tab: the capo last.
    views_.chordsTab->setChordTabFromSession(list(
        set.chords, {"openClosed", "neckType", "openContainerPos", "powerContainerPos", "finderChord", "capo"}));

    // 7. The zoom, then the selection at that zoom.
    const QString zoomFactor = set.plot.value(QStringLiteral("zoomFactor"));
    plotter.setSessionPlotSettings({set.plot.value(QStringLiteral("zoomCentrePos")), zoomFactor});
    PlotSelection& selection = *plotter.plotSelection;
    selection.setZoomFactor(zoomFactor.toFloat());
    selection.setStartX(float(set.loopStart));
    selection.setEndX(float(set.loopEnd));
    // The view pixels of a long recording cannot tell every beat apart:
    // the frames, where the file has them, restore the very beats.
    if (set.loopStartFrame >= 0 && set.loopEndFrame >= 0)
        selection.setFrames(set.loopStartFrame, set.loopEndFrame);
}
