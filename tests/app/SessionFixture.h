// The objects a session reads and sets, without a main window: the player
// on the silent device, the waveform band, the transport and the three
// tabs over one synthesised recording with a regular beat grid, joined by
// the connections the session relies on (as the main window makes them),
// and a shell that records what the loader asked of it.
#pragma once

#include "AudioPlayer.h"
#include "BeatSelection.h"
#include "ChordStepBoxes.h"
#include "ChordsTab.h"
#include "CustomButton.h"
#include "IncrementWidget.h"
#include "JamTab.h"
#include "LoopLengthWidget.h"
#include "MetaData.h"
#include "PitchSyncWidget.h"
#include "PlayerTestSupport.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "RealTimeToolsTab.h"
#include "RiffStep.h"
#include "SessionTargets.h"
#include "SongStep.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QStackedWidget>
#include <QTimer>

#include <functional>
#include <vector>

namespace sessiontest {

// The main window's side of a load, recorded.
class FakeShell final : public SessionShell
{
public:
    QString audioFileName() const override { return audioPath; }
    bool recordingLoaded() const override { return loaded; }
    int frameCount() const override { return frames; }
    int currentTab() const override { return pages ? pages->currentIndex() : tab; }
    void setCurrentTab(int index) override
    {
        tabCalls.push_back(index);
        // The tab buttons ignore an index outside 0 … 2.
        if (index >= 0 && index <= 2) {
            tab = index;
            if (pages)
                pages->setCurrentIndex(index);
        }
    }
    int openRecording(const QString& path) override
    {
        opened.push_back(path);
        if (openResult != 0)
            return openResult;
        audioPath = path;
        loaded = true;
        if (onOpen)
            onOpen();
        return 0;
    }
    void forgetOpenedRecent() override { ++recentForgotten; }

    QString audioPath;
    bool loaded = false;
    int frames = 0;
    int tab = 0;
    QStackedWidget* pages = nullptr;
    int openResult = 0;
    std::function<void()> onOpen; // what an opening resets
    std::vector<QString> opened;
    std::vector<int> tabCalls;
    int recentForgotten = 0;
};

struct SessionRig
{
    static constexpr int beatSpacing = 22050; // 120 BPM at 44.1 kHz
    static constexpr int firstBeat = 11025;

    explicit SessionRig(int frames = 44100 * 20, player_test::Signal signal = player_test::Signal::Sine)
        : rig(signal, frames)
    {
        window.resize(1000, 674);
        waveBg = new WaveBg(&window);
        waveBg->setGeometry(0, 0, 1000, 228);
        transport = new TransportWidget(&window);
        pages = new QStackedWidget(&window);
        pages->setGeometry(0, 300, 1000, 355);
        tools = new RealTimeToolsTab(pages);
        jam = new JamTab(pages);
        chords = new ChordsTab(pages);
        pages->addWidget(tools);
        pages->addWidget(jam);
        pages->addWidget(chords);
        shell.pages = pages;

        Plotter* p = plotter();
        AudioPlayer* pl = player();
        // The player loops over the selection's points, tracks the model.
        pl->initLoop(&p->plotSelection->loopStart, &p->plotSelection->loopEnd);
        pl->initMetaData(&model);
        p->initMetaData(&model);
        for (int r = 0; r < Plotter::riffCount; ++r) {
            p->beatSelections[r]->flashTimer = jam->riffSteps[r]->highlight->flashTimer;
            p->beatSelections[r]->initMetaData(&model);
            pl->addRiff(p->beatSelections[r]);
        }
        pl->setSong(jam->songStep);
        jam->setMetaData(&model);
        chords->initMetaData(&model);
        chords->initLoop(&p->plotSelection->loopStart, &p->plotSelection->loopEnd);
        wire();
        window.show();
        openRecording();
    }

    // The connections a session load relies on, as the main window makes
    // them.
    void wire()
    {
        AudioPlayer* pl = player();
        QObject::connect(transport->loopButton, &CustomButton::toggled, pl, &AudioPlayer::loop);
        QObject::connect(plotter()->plotSelection, &PlotSelection::loopPointsChanged, pl,
                         &AudioPlayer::loopPointsChanged);
        QObject::connect(jam->powerButton, &PowerButton::buttonOn, plotter(),
                         &Plotter::activateBeatSelecitionWidget);
        for (int r = 0; r < Plotter::riffCount; ++r) {
            BeatSelection* riff = plotter()->beatSelections[r];
            QObject::connect(jam->loopLengthWidgets[r], &LoopLengthWidget::setLoopLength, riff,
                             &BeatSelection::setLoopLength);
            QObject::connect(jam->riffSteps[r], &RiffStep::setLoopLength, riff, &BeatSelection::setLoopLength);
        }
        QObject::connect(tools, &RealTimeToolsTab::setHopFactor, pl, &AudioPlayer::setHop);
        QObject::connect(tools, &RealTimeToolsTab::activateTempo, pl, &AudioPlayer::activateTempo);
        QObject::connect(tools, &RealTimeToolsTab::changeMode, pl, &AudioPlayer::changeMode);
        QObject::connect(tools, &RealTimeToolsTab::setInterpFactor, pl, &AudioPlayer::setInterp);
        QObject::connect(tools, &RealTimeToolsTab::activatePitch, pl, &AudioPlayer::activatePitch);
        QObject::connect(tools, &RealTimeToolsTab::initPitchSyncWidgetFromSession, &pitchSync,
                         &PitchSyncWidget::initFromSession);
        QObject::connect(&pitchSync, &PitchSyncWidget::setInterpFactor, pl, &AudioPlayer::setInterp);
        QObject::connect(&pitchSync, &PitchSyncWidget::updatePitchWidgets, tools,
                         &RealTimeToolsTab::updatePitchWidgets);
        // The chords tab's boxes in step with the tools tab's, its diagrams
        // with the player.
        QObject::connect(tools, &RealTimeToolsTab::updateChordTempo, chords->tempoWidget,
                         &TempoWidget::updateTempo);
        QObject::connect(tools->bpmWidget(), &IncrementWidget::updateChordTempo, chords->tempoWidget,
                         &TempoWidget::updateTempo);
        QObject::connect(chords->tempoWidget, &TempoWidget::tempoChanged, tools->bpmWidget(),
                         &IncrementWidget::tempoChangedFromChords);
        QObject::connect(tools, &RealTimeToolsTab::initChordTempo, chords->tempoWidget, &TempoWidget::initTempo);
        QObject::connect(tools, &RealTimeToolsTab::updateChordKeyShift, chords->keyShiftWidget,
                         &KeyShiftWidget::updateKeyShift);
        QObject::connect(chords, &ChordsTab::getPlayPosition, pl, &AudioPlayer::getCurrentPosition);
        QObject::connect(transport->loopButton, &CustomButton::toggled, chords, &ChordsTab::setLooping);
    }

    // What an opening does to the views, then the recording, drawn, with
    // its analysis.
    void openRecording(const QString& path = QStringLiteral("/music/Song.wav"))
    {
        resetViews();
        Plotter* p = plotter();
        const int frames = rig.frames();
        EXPECT_TRUE(
            player()->setPlaybackVars(rig.recording.left.data(), rig.recording.right.data(), 2, frames, 44100));
        p->initPlotter(rig.recording.left.data(), rig.recording.right.data(), frames, true);
        p->show();
        for (int r = 0; r < Plotter::riffCount; ++r)
            p->beatSelections[r]->setSampleCount(frames);
        model.handOver(player_test::evenBeats(frames / beatSpacing, float(firstBeat), float(beatSpacing)));
        tools->setBPM(detectedBpm);
        shell.audioPath = path;
        shell.loaded = true;
        shell.frames = frames;
    }

    void resetViews()
    {
        player()->resetMetaData();
        tools->resetRealTimeTools();
        chords->resetChordsTab();
        jam->resetJamTab();
        waveBg->scrollButton->setValueFromSession(true);
        for (int r = 0; r < Plotter::riffCount; ++r)
            plotter()->beatSelections[r]->resetBeatSelection();
    }

    SessionViews views() { return SessionViews{player(), transport, waveBg, tools, chords, jam}; }

    AudioPlayer* player() { return rig.player.get(); }
    Plotter* plotter() { return waveBg->plotter; }

    // The tempo each opening's analysis gives.
    float detectedBpm = 120.0f;
    player_test::Rig rig;
    MetaData& model = rig.model;
    PitchSyncWidget pitchSync{nullptr};
    QWidget window;
    WaveBg* waveBg = nullptr;
    TransportWidget* transport = nullptr;
    QStackedWidget* pages = nullptr;
    RealTimeToolsTab* tools = nullptr;
    JamTab* jam = nullptr;
    ChordsTab* chords = nullptr;
    FakeShell shell;
};

} // namespace sessiontest
