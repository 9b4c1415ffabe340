#include "SessionWriter.h"

#include "AudioPlayer.h"
#include "BeatLabel.h"
#include "BeatSelection.h"
#include "ChordStepBoxes.h"
#include "ChordWidget.h"
#include "ChordsContainer.h"
#include "ChordsTab.h"
#include "IncrementWidget.h"
#include "JamTab.h"
#include "Knob.h"
#include "LoopLengthWidget.h"
#include "PlotButton.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "RealTimeToolsTab.h"
#include "RiffIdWidget.h"
#include "SessionDocument.h"
#include "Slider.h"
#include "SongStep.h"
#include "StepContextMenu.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QSaveFile>

namespace {

void captureTools(const RealTimeToolsTab& tab, SessionState& s)
{
    s.tempo.mode = tab.modeWidget()->value();
    const RealTimeToolsTab::StoredTempo tempo = tab.storedTempo();
    s.tempo.bpm = tempo.bpm;
    s.tempo.exactBpm = tempo.exactBpm;
    s.tempo.knobValue = tab.tempoKnobWidget()->value();
    s.tempo.state = tab.tempoPowerButton()->isOn();

    s.pitch.semitones = tab.getSemitones();
    s.pitch.fineTune = tab.fineTuneWidget()->value();
    s.pitch.knobValue = tab.pitchKnobWidget()->value();
    s.pitch.state = tab.pitchPowerButton()->isOn();

    s.sourceSep.sepKnobValue = tab.separationKnobWidget()->value();
    s.sourceSep.widthKnobValue = tab.widthKnobWidget()->value();
    s.sourceSep.filterKnobValue = tab.filterKnobWidget()->value();
    s.sourceSep.hilo = tab.filterSwitch()->getState();
    s.sourceSep.azimuthValue = tab.azimuthSlider()->value();
    s.sourceSep.solo = tab.muteSoloSwitch()->getState();
    s.sourceSep.state = tab.isolationPowerButton()->isOn();
}

void captureChords(const ChordsTab& tab, SessionState& s)
{
    s.chords.openClosed = tab.getChordType();
    s.chords.neckType = tab.getNeckType();
    s.chords.capo = tab.capoWidget->fret();
    s.chords.openContainerPos = tab.chordsContainer->openPosition();
    s.chords.powerContainerPos = tab.chordsContainer->powerPosition();
    s.chords.finderChord = tab.finderChordWidget->shownIndex();
}

void captureJam(const JamTab& jam, const Plotter& plotter, SessionState& s)
{
    s.jamPower = jam.powerButton->isOn();
    s.currentRiff = jam.riffIdWidget->getRiffId();
    s.beatOffset = jam.beatOffsetKnob->value();
    for (int r = 0; r < session::riffCount; ++r) {
        SessionRiff& riff = s.riffs[size_t(r)];
        riff.riffLength = jam.loopLengthWidgets[r]->getValue();
        riff.riffLengthMax = jam.loopLengthWidgets[r]->getMaxValue();
        const BeatSelection& selection = *plotter.beatSelections[r];
        for (int i = 0; i < session::stepCount; ++i) {
            const BeatLabel& label = *selection.beatLabels[i];
            const ContextPitchWidget& pitch = *jam.contextMenus.at(r * session::stepCount + i)->pitchWidget;
            SessionStep& step = riff.steps[size_t(i)];
            step.beat = label.getBeat();
            step.state = label.getState();
            step.startSample = label.getStartSample();
            step.endSample = label.getEndSample();
            step.semitone = pitch.getPitchSemitone();
            step.interp = pitch.getPitchInterp();
        }
    }
    s.songLength = jam.songLengthWidget->getValue();
    s.songLengthMax = jam.songLengthWidget->getMaxValue();
    const QList<int> song = jam.songStep->song();
    for (int i = 0; i < session::songSlotCount; ++i)
        s.song[size_t(i)] = i < song.size() ? song.at(i) : -1;
}

} // namespace

SessionWriter::SessionWriter(const SessionViews& views, const SessionShell& shell) : views_(views), shell_(shell)
{
}

SessionState SessionWriter::capture() const
{
    SessionState s;
    const Plotter& plotter = *views_.waveBg->plotter;
    s.fileName = shell_.audioFileName();
    s.looped = views_.player->isLooping();
    s.loopStart = plotter.plotSelection->startX;
    s.loopEnd = plotter.plotSelection->endX;
    s.loopStartFrame = plotter.plotSelection->startFrame;
    s.loopEndFrame = plotter.plotSelection->endFrame;
    s.volume = views_.player->getVolume();
    s.currentTab = shell_.currentTab();
    s.playbackPos = views_.player->getCurrentPosition();
    s.scrollButton = views_.waveBg->scrollButton->isOn();
    captureTools(*views_.toolsTab, s);
    captureChords(*views_.chordsTab, s);
    captureJam(*views_.jamTab, plotter, s);
    s.zoomCentre = plotter.zoomCentre;
    s.zoomFactor = plotter.zoomFactor();
    return s;
}

SessionWriter::Result SessionWriter::save(const QString& path) const
{
    const QString audio = shell_.audioFileName();
    if (audio.isEmpty())
        return {Status::NoAudioFile, QString()};
    if (session::firstForbiddenXmlChar(audio) >= 0)
        return {Status::ForbiddenCharacter, audio};

    const QByteArray bytes = session::toXml(capture());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Status::WriteFailed, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {Status::WriteFailed, reason};
    }
    if (writeHook_ && !writeHook_(bytes)) {
        file.cancelWriting();
        return {Status::WriteFailed, QStringLiteral("Write error")};
    }
    if (!file.commit())
        return {Status::WriteFailed, file.errorString()};
    return {Status::Saved, QString()};
}

QString SessionWriter::proposedName(const QString& audioFileName, const QString& sessionFolder)
{
    static const char* const extensions[] = {".mp3", ".wav",  ".aac", ".m4a", ".mp4", ".aiff",
                                             ".aif", ".flac", ".wma", ".ogg", ".cda"};
    // The text from the last "/" on; the "/" stays.
    const int slash = audioFileName.lastIndexOf(QLatin1Char('/'));
    QString name = slash >= 0 ? audioFileName.mid(slash) : QLatin1Char('/') + audioFileName;
    for (const char* extension : extensions)
        name.remove(QLatin1String(extension), Qt::CaseSensitive);
    return sessionFolder + name;
}

QString SessionWriter::withSessionSuffix(const QString& chosen)
{
    if (chosen.contains(QLatin1String(session::suffix)))
        return chosen;
    return chosen + QLatin1String(session::suffix);
}
