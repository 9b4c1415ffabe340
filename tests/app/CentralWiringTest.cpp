// The central wiring, one row per connection the main window makes between
// its components: each is looked up on a constructed window by
// disconnecting it (true only when it exists) and connecting it again. A
// connection dropped while the wiring changes fails its own row; one made
// without a row fails the count of the signals the window wires.
#include "ShellTestSupport.h"

#include "AudioPlayer.h"
#include "BeatSelection.h"
#include "ChordFilterWidget.h"
#include "ChordStepBoxes.h"
#include "ChordsStrip.h"
#include "ChordsTab.h"
#include "CustomButton.h"
#include "DevicesTab.h"
#include "IncrementWidget.h"
#include "JamTab.h"
#include "Knob.h"
#include "LanguageTab.h"
#include "LoopLengthWidget.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "PitchSyncWidget.h"
#include "PlayMarker.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "PreferencesMenu.h"
#include "ProcessingLabel.h"
#include "RealTimeToolsTab.h"
#include "RiffIdWidget.h"
#include "RiffStep.h"
#include "RowName.h"
#include "SSSPlot.h"
#include "ShortcutsTab.h"
#include "SingleChordEditWidget.h"
#include "SmallPlot.h"
#include "SongStep.h"
#include "StepContextMenu.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMetaMethod>
#include <QStackedWidget>
#include <QTimer>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// A signal of one object: the sender and the signal's method index.
using SignalKey = std::pair<const QObject*, int>;
using SignalCounts = std::map<SignalKey, int>;

// While set, every row's lookup counts the signal it names here.
SignalCounts* listedSignals = nullptr;

template <class Sender, class Signal>
void listed(Sender* sender, Signal signal)
{
    if (listedSignals != nullptr)
        ++(*listedSignals)[{sender, QMetaMethod::fromSignal(signal).methodIndex()}];
}

// True when the connection exists; it exists again afterwards (as the last
// receiver of its signal).
template <class Sender, class Signal, class Receiver, class Slot>
bool wired(Sender* sender, Signal signal, Receiver* receiver, Slot slot)
{
    listed(sender, signal);
    if (!QObject::disconnect(sender, signal, receiver, slot))
        return false;
    QObject::connect(sender, signal, receiver, slot);
    return true;
}

// The same for each of the six riffs.
bool everyRiff(const std::function<bool(int)>& wiredFor)
{
    for (int i = 0; i < JamTab::riffCount; ++i)
        if (!wiredFor(i))
            return false;
    return true;
}

} // namespace

// Names the window's private actions and slots for the table.
class WiringProbe
{
public:
    struct Row
    {
        std::string name;
        std::function<bool(const WiringProbe&)> wired;
    };

    WiringProbe(MainWindow& w, shell_test::FakeDialogs* boxes)
        : window(&w), dialogs(boxes), player(w.player()), plotter(w.waveArea()->plotter),
          selection(plotter->plotSelection), overview(w.waveArea()->smallPlot), strip(plotter->chordsStrip),
          tools(w.tabArea()->realTimeToolsTab), chords(w.tabArea()->chordsTab), jam(w.tabArea()->jamTab),
          transport(w.transport()), analysis(w.analysisThread()), preferences(w.preferences())
    {
    }

    static std::vector<Row> rows();

    // Makes the window's central wiring a second time.
    void wireAgain() const { window->initConnections(); }

    // Every object the wiring can reach: the window's tree and the
    // components that have no parent.
    QList<QObject*> objects() const
    {
        QList<QObject*> all;
        for (QObject* root : std::initializer_list<QObject*>{window, player, analysis, preferences}) {
            all << root;
            all += root->findChildren<QObject*>();
        }
        return all;
    }

    MainWindow* window;
    shell_test::FakeDialogs* dialogs;
    AudioPlayer* player;
    Plotter* plotter;
    PlotSelection* selection;
    SmallPlot* overview;
    ChordsStrip* strip;
    RealTimeToolsTab* tools;
    ChordsTab* chords;
    JamTab* jam;
    TransportWidget* transport;
    MetaDataThread* analysis;
    PreferencesMenu* preferences;
};

using P = const WiringProbe&;

std::vector<WiringProbe::Row> WiringProbe::rows()
{
    using MW = MainWindow;
    return {
        // Transport.
        {"play_released_pauses",
         [](P p) {
             return wired(p.transport->playButton, &CustomButton::released, p.player, &AudioPlayer::pause);
         }},
        {"stop_released_stops",
         [](P p) {
             return wired(p.transport->stopButton, &CustomButton::released, p.player, &AudioPlayer::stop);
         }},
        {"fwd_released_seeks_forward",
         [](P p) {
             return wired(p.transport->fwdButton, &CustomButton::released, p.player, &AudioPlayer::seekF);
         }},
        {"back_released_seeks_back",
         [](P p) {
             return wired(p.transport->backButton, &CustomButton::released, p.player, &AudioPlayer::seekB);
         }},
        {"cueb_released_to_beginning",
         [](P p) {
             return wired(p.transport->cuebButton, &CustomButton::released, p.player, &AudioPlayer::toBeginning);
         }},
        {"cuef_released_to_end",
         [](P p) {
             return wired(p.transport->cuefButton, &CustomButton::released, p.player, &AudioPlayer::toEnd);
         }},
        {"loop_toggled_loops",
         [](P p) { return wired(p.transport->loopButton, &CustomButton::toggled, p.player, &AudioPlayer::loop); }},
        {"play_released_shows_the_play_line",
         [](P p) {
             return wired(p.transport->playButton, &CustomButton::released, p.plotter->playMarker, &QWidget::show);
         }},
        {"loop_toggled_tells_the_chords_tab",
         [](P p) {
             return wired(p.transport->loopButton, &CustomButton::toggled, p.chords, &ChordsTab::setLooping);
         }},
        {"loop_released_shows_the_play_line",
         [](P p) {
             return wired(p.transport->loopButton, &CustomButton::released, p.plotter->playMarker, &QWidget::show);
         }},
        {"volume_knob_sets_the_volume",
         [](P p) {
             return wired(p.transport->volumeKnob, &Knob::valueChanged, p.player, &AudioPlayer::setVolume);
         }},
        {"metronome_knob_sets_its_volume",
         [](P p) {
             return wired(p.transport->metronomeKnob, &Knob::valueChanged, p.player, &AudioPlayer::setMetroVolume);
         }},

        // Waveform view.
        {"overview_moves_the_play_position",
         [](P p) {
             return wired(p.overview, &SmallPlot::setPlaybackPosition, p.player, &AudioPlayer::setPlaybackPos);
         }},
        {"selection_double_click_plays",
         [](P p) {
             return wired(p.selection, &PlotSelection::selectionDoubleClick, p.player, &AudioPlayer::play);
         }},
        {"selection_double_click_latches_play",
         [](P p) {
             return wired(p.selection, &PlotSelection::selectionDoubleClick, p.transport->playButton,
                          &CustomButton::latch);
         }},
        {"selection_single_click_places_the_position",
         [](P p) {
             return wired(p.selection, &PlotSelection::selectionSingleClick, p.player,
                          &AudioPlayer::selectionSingleClick);
         }},
        {"view_picture_to_overview",
         [](P p) {
             return wired(p.plotter, &Plotter::setSmallPlotPixmap, p.overview, &SmallPlot::setSmallPlotPixmap);
         }},
        {"view_centre_to_overview",
         [](P p) {
             return wired(p.plotter, &Plotter::setSmallPlotZoomCentre, p.overview,
                          &SmallPlot::setSmallPlotZoomCentre);
         }},
        {"view_zoom_to_overview",
         [](P p) {
             return wired(p.plotter, &Plotter::setSmallPlotZoomFactor, p.overview, &SmallPlot::setZoomFactor);
         }},
        {"selection_range_to_overview",
         [](P p) {
             return wired(p.selection, &PlotSelection::setSmallPlotSelection, p.overview,
                          &SmallPlot::setSelection);
         }},
        {"selection_loop_points_to_player",
         [](P p) {
             return wired(p.selection, &PlotSelection::loopPointsChanged, p.player,
                          &AudioPlayer::loopPointsChanged);
         }},
        {"selection_loop_points_to_chords_tab",
         [](P p) {
             return wired(p.selection, &PlotSelection::loopPointsChanged, p.chords, &ChordsTab::loopPointsChanged);
         }},
        {"riff_overlays_arm_their_steps",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.plotter->beatSelections[i], &BeatSelection::setActiveStep, p.jam->riffSteps[i],
                              &RiffStep::setArmedStep);
             });
         }},
        {"riff_overlays_commit_their_steps",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.plotter->beatSelections[i], &BeatSelection::commitStep, p.jam->riffSteps[i],
                              &RiffStep::commitStep);
             });
         }},
        {"riff_overlay_commits_set_the_riff_exports",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.plotter->beatSelections[i], &BeatSelection::commitStep, p.window,
                              &MW::checkEnableAudioExport);
             });
         }},
        {"riff_overlay_checks_set_the_riff_exports",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.plotter->beatSelections[i], &BeatSelection::checkEnableAudioExport, p.window,
                              &MW::checkEnableAudioExport);
             });
         }},
        {"strip_asks_the_chords_tab_for_shifted_names",
         [](P p) {
             return wired(p.strip, &ChordsStrip::getShiftedChordIndex, p.chords,
                          qOverload<QString, int>(&ChordsTab::getChordIndex));
         }},
        {"chord_correction_rebuilds_the_grid",
         [](P p) {
             return wired(p.plotter->singleChordEdit, &SingleChordEditWidget::reInitDetectedChordsWidget, p.chords,
                          qOverload<>(&ChordsTab::initDetectedChords));
         }},
        {"chord_correction_rewrites_the_cache",
         [](P p) {
             return wired(p.plotter->singleChordEdit, &SingleChordEditWidget::saveTBM, p.analysis,
                          &MetaDataThread::saveTBM);
         }},
        {"selection_sets_its_export",
         [](P p) {
             return wired(p.selection, &PlotSelection::enableSaveSelection, p.window, &MW::enableSelectionExport);
         }},

        // Tools tab.
        {"tempo_factor",
         [](P p) { return wired(p.tools, &RealTimeToolsTab::setHopFactor, p.player, &AudioPlayer::setHop); }},
        {"tempo_power",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::activateTempo, p.player, &AudioPlayer::activateTempo);
         }},
        {"tempo_mode",
         [](P p) { return wired(p.tools, &RealTimeToolsTab::changeMode, p.player, &AudioPlayer::changeMode); }},
        {"tempo_knob_reset",
         [](P p) {
             return wired(p.tools->tempoKnobWidget(), &Knob::resetKnob, p.player, &AudioPlayer::resetHopFactor);
         }},
        {"pitch_factor",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::setInterpFactor, p.player, &AudioPlayer::setInterp);
         }},
        {"pitch_power",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::activatePitch, p.player, &AudioPlayer::activatePitch);
         }},
        {"isolation_power",
         [](P p) { return wired(p.tools, &RealTimeToolsTab::activateSSS, p.player, &AudioPlayer::activateSSS); }},
        {"isolation_width",
         [](P p) { return wired(p.tools, &RealTimeToolsTab::widthChanged, p.player, &AudioPlayer::setWidth); }},
        {"isolation_separation",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::separationChanged, p.player, &AudioPlayer::setSeparation);
         }},
        {"isolation_azimuth",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::azimuthChanged, p.player, &AudioPlayer::setAzimuth);
         }},
        {"isolation_curve_query",
         [](P p) {
             return wired(p.tools->isolationDisplay(), &SSSPlot::getCurve, p.player, &AudioPlayer::getSSSCurve);
         }},
        {"isolation_plot_scale",
         [](P p) {
             return wired(p.tools->isolationDisplay(), &SSSPlot::setPlotScale, p.player, &AudioPlayer::setPScale);
         }},
        {"isolation_mute_solo",
         [](P p) { return wired(p.tools, &RealTimeToolsTab::setMuteSolo, p.player, &AudioPlayer::setInverted); }},
        {"isolation_band",
         [](P p) { return wired(p.tools, &RealTimeToolsTab::setFilter, p.player, &AudioPlayer::setFilter); }},
        {"isolation_band_knob",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::filterChanged, p.player, &AudioPlayer::setFilterKnob);
         }},
        {"tools_tempo_to_chords_tab",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::updateChordTempo, p.chords->tempoWidget,
                          &TempoWidget::updateTempo);
         }},
        {"bpm_box_to_chords_tab",
         [](P p) {
             return wired(p.tools->bpmWidget(), &IncrementWidget::updateChordTempo, p.chords->tempoWidget,
                          &TempoWidget::updateTempo);
         }},
        {"tools_first_tempo_to_chords_tab",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::initChordTempo, p.chords->tempoWidget,
                          &TempoWidget::initTempo);
         }},
        {"tools_key_to_chords_tab",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::updateChordKeyShift, p.chords->keyShiftWidget,
                          &KeyShiftWidget::updateKeyShift);
         }},
        {"tools_session_pitch_to_pitch_model",
         [](P p) {
             return wired(p.tools, &RealTimeToolsTab::initPitchSyncWidgetFromSession, p.window->pitchModel(),
                          &PitchSyncWidget::initFromSession);
         }},
        {"pitch_knob_to_pitch_model",
         [](P p) {
             return wired(p.tools->pitchKnobWidget(), &Knob::setSyncValueSignal, p.window->pitchModel(),
                          &PitchSyncWidget::setSyncValue);
         }},
        {"fine_tune_box_to_pitch_model",
         [](P p) {
             return wired(p.tools->fineTuneWidget(), &IncrementWidget::setSyncValueSignal, p.window->pitchModel(),
                          &PitchSyncWidget::setSyncValue);
         }},
        {"semitone_box_to_pitch_model",
         [](P p) {
             return wired(p.tools->semitoneWidget(), &IncrementWidget::setSyncValueSignal, p.window->pitchModel(),
                          &PitchSyncWidget::setSyncValue);
         }},
        {"semitone_box_resets_the_pitch",
         [](P p) {
             return wired(p.tools->semitoneWidget(), &IncrementWidget::resetPitch, p.window->pitchModel(),
                          &PitchSyncWidget::resetPitch);
         }},
        {"fine_tune_box_resets_the_fine_tune",
         [](P p) {
             return wired(p.tools->fineTuneWidget(), &IncrementWidget::resetFineTune, p.window->pitchModel(),
                          &PitchSyncWidget::resetFineTune);
         }},

        // Chords tab.
        {"chords_tempo_to_bpm_box",
         [](P p) {
             return wired(p.chords->tempoWidget, &TempoWidget::tempoChanged, p.tools->bpmWidget(),
                          &IncrementWidget::tempoChangedFromChords);
         }},
        {"chords_key_to_semitone_box",
         [](P p) {
             return wired(p.chords->keyShiftWidget, &KeyShiftWidget::shiftKey, p.tools->semitoneWidget(),
                          &IncrementWidget::keyShiftFromChords);
         }},
        {"chords_key_to_strip",
         [](P p) {
             return wired(p.chords, &ChordsTab::setChordStripKeyShift, p.strip, &ChordsStrip::setKeyShift);
         }},
        {"chords_tab_asks_the_player_for_its_position",
         [](P p) {
             return wired(p.chords, &ChordsTab::getPlayPosition, p.player, &AudioPlayer::getCurrentPosition);
         }},
        {"chord_filter_recalculates",
         [](P p) {
             return wired(p.chords->chordFilterWidget, &ChordFilterWidget::recalculateChords, p.window,
                          &MW::recalculateChords);
         }},
        {"chord_filter_stops_playback",
         [](P p) {
             return wired(p.chords->chordFilterWidget, &ChordFilterWidget::stopPlayback, p.player,
                          &AudioPlayer::stop);
         }},
        {"chords_key_to_pitch_model",
         [](P p) {
             return wired(p.chords->keyShiftWidget, &KeyShiftWidget::setSyncValueSignal, p.window->pitchModel(),
                          &PitchSyncWidget::setSyncValue);
         }},
        {"chords_key_resets_the_fine_tune",
         [](P p) {
             return wired(p.chords->keyShiftWidget, &KeyShiftWidget::resetFineTune, p.window->pitchModel(),
                          &PitchSyncWidget::resetFineTune);
         }},

        // Jam tab.
        {"jam_power_switches_the_selection_page",
         [](P p) {
             return wired(p.jam->powerButton, &PowerButton::buttonOn, p.plotter,
                          &Plotter::activateBeatSelecitionWidget);
         }},
        {"jam_riff_to_view",
         [](P p) { return wired(p.jam, &JamTab::setActiveRiff, p.plotter, &Plotter::setActiveRiff); }},
        {"riff_rows_show_the_riff_overlays",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->riffSteps[i], &RiffStep::showStepSelection, p.plotter,
                              &Plotter::switchSelectionWidget);
             });
         }},
        {"riff_rows_arm_overlay_steps",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->riffSteps[i], &RiffStep::stepArmed, p.plotter->beatSelections[i],
                              qOverload<int>(&BeatSelection::setArmedStep));
             });
         }},
        {"riff_rows_set_the_riff_length",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->riffSteps[i], &StepWidget::setLoopLength, p.player,
                              &AudioPlayer::setRiffLength);
             });
         }},
        {"riff_rulers_set_the_riff_length",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->loopLengthWidgets[i], &LoopLengthWidget::setLoopLength, p.player,
                              &AudioPlayer::setRiffLength);
             });
         }},
        {"riff_rows_lock_their_overlays",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->riffSteps[i], &RiffStep::lockSelection, p.plotter->beatSelections[i],
                              &BeatSelection::lockSelection);
             });
         }},
        {"step_menus_set_step_pitches",
         [](P p) {
             return everyRiff([&](int i) {
                 for (int j = 0; j < JamTab::stepCount; ++j)
                     if (!wired(p.jam->contextMenus.at(i * JamTab::stepCount + j),
                                &StepContextMenu::contextPitchChanged, p.plotter->beatSelections[i],
                                &BeatSelection::interpChanged))
                         return false;
                 return true;
             });
         }},
        {"riff_rulers_set_overlay_lengths",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->loopLengthWidgets[i], &LoopLengthWidget::setLoopLength,
                              p.plotter->beatSelections[i], &BeatSelection::setLoopLength);
             });
         }},
        {"riff_rows_set_overlay_lengths",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->riffSteps[i], &StepWidget::setLoopLength, p.plotter->beatSelections[i],
                              &BeatSelection::setLoopLength);
             });
         }},
        {"riff_rulers_extend_overlay_loops",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.jam->loopLengthWidgets[i], &LoopLengthWidget::extendLoop,
                              p.plotter->beatSelections[i], &BeatSelection::extendLoopLength);
             });
         }},
        {"jam_riff_to_player",
         [](P p) { return wired(p.jam, &JamTab::setActiveRiff, p.player, &AudioPlayer::setRiff); }},
        {"jam_plays_the_riff",
         [](P p) { return wired(p.jam, &JamTab::playRiff, p.player, &AudioPlayer::playRiff); }},
        {"jam_plays_the_song",
         [](P p) { return wired(p.jam, &JamTab::playSong, p.player, &AudioPlayer::playSong); }},
        {"song_row_sets_the_song_length",
         [](P p) {
             return wired(p.jam->songStep, &StepWidget::setLoopLength, p.player, &AudioPlayer::setSongLength);
         }},
        {"beat_offset_knob_to_player",
         [](P p) {
             return wired(p.jam->beatOffsetKnob, &Knob::valueChanged, p.player, &AudioPlayer::setBeatOffset);
         }},
        {"jam_power_to_window",
         [](P p) { return wired(p.jam->powerButton, &PowerButton::buttonOn, p.window, &MW::jamTabPowerPressed); }},
        {"jam_power_to_play_line",
         [](P p) {
             return wired(p.jam->powerButton, &PowerButton::buttonOn, p.plotter->playMarker,
                          &PlayMarker::showPlaymarker);
         }},
        {"beat_offset_knob_to_strip",
         [](P p) {
             return wired(p.jam->beatOffsetKnob, &Knob::valueChanged, p.strip,
                          qOverload<int>(&ChordsStrip::repositionChords));
         }},
        {"song_row_to_window",
         [](P p) {
             return wired(p.jam->songStep, &StepWidget::setLoopLength, p.window, &MW::checkSongLoopLength);
         }},
        {"song_row_stops_song_playback",
         [](P p) {
             return wired(p.jam->songStep, &SongStep::stopSongPlayback, p.player, &AudioPlayer::stopSongPlayback);
         }},

        // Player.
        {"player_enables_the_jam_tab",
         [](P p) {
             return wired(p.player, &AudioPlayer::enableJamTab, p.jam->powerButton,
                          &PowerButton::setValueFromSession);
         }},
        {"player_steps_the_riff_rows",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.player, &AudioPlayer::setCurrentBeatStep, p.jam->riffSteps[i],
                              &StepWidget::setStep);
             });
         }},
        {"player_beat_offset_repaints_the_riff_overlays",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.player, &AudioPlayer::updateBeatSelections, p.plotter->beatSelections[i],
                              qOverload<>(&QWidget::update));
             });
         }},
        {"player_steps_the_riff_overlays",
         [](P p) {
             return everyRiff([&](int i) {
                 return wired(p.player, &AudioPlayer::setCurrentBeatStep, p.plotter->beatSelections[i],
                              &BeatSelection::setAnimatedStep);
             });
         }},
        {"player_steps_the_song_row",
         [](P p) {
             return wired(p.player, &AudioPlayer::setCurrentSongStep, p.jam->songStep, &StepWidget::setStep);
         }},
        {"song_riff_to_view",
         [](P p) { return wired(p.player, &AudioPlayer::songRiffChanged, p.plotter, &Plotter::setActiveRiff); }},
        {"song_riff_to_riff_letter",
         [](P p) {
             return wired(p.player, &AudioPlayer::songRiffChanged, p.jam->riffIdWidget, &RiffIdWidget::setRiffId);
         }},
        {"song_riff_to_riff_rows",
         [](P p) {
             return wired(p.player, &AudioPlayer::songRiffChanged, p.jam->riffStepStack,
                          &QStackedWidget::setCurrentIndex);
         }},
        {"song_riff_to_riff_rulers",
         [](P p) {
             return wired(p.player, &AudioPlayer::songRiffChanged, p.jam->loopLengthStack,
                          &QStackedWidget::setCurrentIndex);
         }},
        {"player_beat_offset_moves_the_selection",
         [](P p) {
             return wired(p.player, &AudioPlayer::updateBeatSelections, p.selection,
                          &PlotSelection::updateSelectionFromOffset);
         }},
        {"player_greys_the_transport",
         [](P p) {
             return wired(p.player, &AudioPlayer::setGreyedButtonsHidden, p.transport,
                          &TransportWidget::setGreyedButtonsHidden);
         }},
        {"player_riff_song_playback_to_view",
         [](P p) { return wired(p.player, &AudioPlayer::playRiffSong, p.plotter, &Plotter::riffSongPlayback); }},
        {"player_step_pitch_to_jam_tab",
         [](P p) { return wired(p.player, &AudioPlayer::changeBeatPitch, p.jam, &JamTab::setBeatPitchLabel); }},
        {"player_unlatches_play",
         [](P p) {
             return wired(p.player, &AudioPlayer::unlatchMainPlay, p.transport->playButton,
                          &CustomButton::unlatch);
         }},
        {"player_unlatches_riff_play",
         [](P p) {
             return wired(p.player, &AudioPlayer::unlatchRiffPlay, p.jam->playRiffButton, &CustomButton::unlatch);
         }},
        {"player_unlatches_song_play",
         [](P p) {
             return wired(p.player, &AudioPlayer::unlatchSongPlay, p.jam->playSongButton, &CustomButton::unlatch);
         }},
        {"player_flashes_the_metronome",
         [](P p) {
             return wired(p.player, &AudioPlayer::flashMetro, p.transport, &TransportWidget::flashMetronome);
         }},

        // Analysis thread.
        {"analysis_tempo_to_tools",
         [](P p) { return wired(p.analysis, &MetaDataThread::setBPM, p.tools, &RealTimeToolsTab::setBPM); }},
        {"analysis_results_to_chords_tab",
         [](P p) {
             return wired(p.analysis, &MetaDataThread::gotMetaData, p.chords,
                          qOverload<>(&ChordsTab::initDetectedChords));
         }},
        {"analysis_results_to_strip",
         [](P p) {
             return wired(p.analysis, &MetaDataThread::gotMetaData, p.strip, &ChordsStrip::initChordStrip);
         }},
        {"analysis_chords_to_chord_filter",
         [](P p) {
             return wired(p.analysis, &MetaDataThread::setChordFilterSelection, p.chords->chordFilterWidget,
                          &ChordFilterWidget::setSelectionFromDetectedChords);
         }},
        {"analysis_results_hide_the_notice",
         [](P p) {
             return wired(p.analysis, &MetaDataThread::gotMetaData, p.plotter->processingLabel, &QWidget::hide);
         }},
        {"analysis_results_stop_the_notice_dots",
         [](P p) {
             return wired(p.analysis, &MetaDataThread::gotMetaData, p.plotter->processingLabel->dotTimer,
                          &QTimer::stop);
         }},

        // Pitch model.
        {"pitch_model_to_player",
         [](P p) {
             return wired(p.window->pitchModel(), &PitchSyncWidget::setInterpFactor, p.player,
                          &AudioPlayer::setInterp);
         }},
        {"pitch_model_to_tools",
         [](P p) {
             return wired(p.window->pitchModel(), &PitchSyncWidget::updatePitchWidgets, p.tools,
                          &RealTimeToolsTab::updatePitchWidgets);
         }},

        // Menus and actions.
        {"recent_files",
         [](P p) { return wired(p.window->recentFilesMenu, &QMenu::triggered, p.window, &MW::loadRecent); }},
        {"open_action",
         [](P p) { return wired(p.window->openAction, &QAction::triggered, p.window, qOverload<>(&MW::open)); }},
        {"open_cd_action",
         [](P p) { return wired(p.window->openCDAction, &QAction::triggered, p.window, &MW::openCD); }},
        {"save_session_as_action",
         [](P p) {
             return wired(p.window->saveSessionAsAction, &QAction::triggered, p.window, &MW::saveSessionFileAs);
         }},
        {"save_session_action",
         [](P p) {
             return wired(p.window->saveSessionAction, &QAction::triggered, p.window, &MW::saveSessionFile);
         }},
        {"load_session_action",
         [](P p) {
             return wired(p.window->loadSessionAction, &QAction::triggered, p.window,
                          qOverload<>(&MW::loadSession));
         }},
        {"save_selection_action_exports",
         [](P p) {
             return wired(p.window->saveAudioSelectionAction, &QAction::triggered, p.window, &MW::exportSelection);
         }},
        {"save_selection_action_unlatches_song_play",
         [](P p) {
             return wired(p.window->saveAudioSelectionAction, &QAction::triggered, p.jam->playSongButton,
                          &CustomButton::unlatch);
         }},
        {"save_selection_action_unlatches_riff_play",
         [](P p) {
             return wired(p.window->saveAudioSelectionAction, &QAction::triggered, p.jam->playRiffButton,
                          &CustomButton::unlatch);
         }},
        {"save_audio_action_exports",
         [](P p) {
             return wired(p.window->saveAudioAction, &QAction::triggered, p.window,
                          qOverload<>(&MW::exportAudioMP3));
         }},
        {"save_audio_action_unlatches_song_play",
         [](P p) {
             return wired(p.window->saveAudioAction, &QAction::triggered, p.jam->playSongButton,
                          &CustomButton::unlatch);
         }},
        {"save_audio_action_unlatches_riff_play",
         [](P p) {
             return wired(p.window->saveAudioAction, &QAction::triggered, p.jam->playRiffButton,
                          &CustomButton::unlatch);
         }},
        {"save_song_action_exports",
         [](P p) {
             return wired(p.window->saveSongAudioAction, &QAction::triggered, p.window, &MW::exportSongWav);
         }},
        {"save_song_action_unlatches_song_play",
         [](P p) {
             return wired(p.window->saveSongAudioAction, &QAction::triggered, p.jam->playSongButton,
                          &CustomButton::unlatch);
         }},
        {"save_song_action_unlatches_riff_play",
         [](P p) {
             return wired(p.window->saveSongAudioAction, &QAction::triggered, p.jam->playRiffButton,
                          &CustomButton::unlatch);
         }},
        {"save_riff_action_exports",
         [](P p) {
             return wired(p.window->saveRiffAudioAction, &QAction::triggered, p.window, &MW::exportRiffWav);
         }},
        {"save_riff_action_unlatches_riff_play",
         [](P p) {
             return wired(p.window->saveRiffAudioAction, &QAction::triggered, p.jam->playRiffButton,
                          &CustomButton::unlatch);
         }},
        {"save_riff_action_unlatches_song_play",
         [](P p) {
             return wired(p.window->saveRiffAudioAction, &QAction::triggered, p.jam->playSongButton,
                          &CustomButton::unlatch);
         }},
        {"preferences_actions",
         [](P p) {
             return wired(p.window->preferencesGroup, &QActionGroup::triggered, p.preferences,
                          &PreferencesMenu::showPreferences);
         }},
        {"help_action",
         [](P p) { return wired(p.window->viewHelpAction, &QAction::triggered, p.window, &MW::viewOnlineDocs); }},
        {"about_action",
         [](P p) { return wired(p.window->aboutAction, &QAction::triggered, p.window, &MW::about); }},

        // Preferences dialog.
        {"devices_page_asks_for_devices",
         [](P p) {
             return wired(p.preferences->devicesTab, &DevicesTab::getDeviceList, p.player,
                          &AudioPlayer::getDeviceList);
         }},
        {"devices_page_asks_for_the_device",
         [](P p) {
             return wired(p.preferences->devicesTab, &DevicesTab::getCurrentDevice, p.player,
                          &AudioPlayer::getAudioDevice);
         }},
        {"dialog_asks_for_a_device_index",
         [](P p) {
             return wired(p.preferences, &PreferencesMenu::deviceStringToIndex, p.player,
                          &AudioPlayer::deviceStringToIndex);
         }},
        {"dialog_sets_the_device",
         [](P p) {
             return wired(p.preferences, &PreferencesMenu::setAudioDevice, p.player, &AudioPlayer::setAudioDevice);
         }},
        {"dialog_sets_the_buffer",
         [](P p) {
             return wired(p.preferences, &PreferencesMenu::setDeviceBufferSize, p.player,
                          &AudioPlayer::setDeviceBufferSize);
         }},
        {"dialog_sets_the_folders",
         [](P p) {
             return wired(p.preferences, &PreferencesMenu::updatePaths, p.window->paths(),
                          &PathsManager::updatePaths);
         }},
        {"refused_save_location_is_reported",
         [](P p) {
             // A lambda of the window's, with no slot to name: its box tells.
             listed(p.window->paths(), &PathsManager::saveLocationRefused);
             p.dialogs->log.clear();
             emit p.window->paths()->saveLocationRefused(QStringLiteral("/nowhere"));
             return p.dialogs->log.size() == 1 && p.dialogs->log.at(0).startsWith(QLatin1String("warning:"));
         }},
        {"shortcuts_page_to_window",
         [](P p) {
             return wired(p.preferences->shortcutsTab, &ShortcutsTab::initMainWindowShortcuts, p.window,
                          &MW::initShortcuts);
         }},
        {"language_page_closes_the_window",
         [](P p) {
             return wired(p.preferences->languageTab, &LanguageTab::closeMainwindow, p.window, &QWidget::close);
         }},
        {"language_page_writes_the_settings",
         [](P p) {
             return wired(p.preferences->languageTab, &LanguageTab::writeSettings, p.window, &MW::writeSettings);
         }},
    };
}

namespace {

using shell_test::ShellTest;

// One window for the whole table: construction costs more than all rows.
class CentralWiring : public ::testing::TestWithParam<WiringProbe::Row>
{
protected:
    static void SetUpTestSuite()
    {
        temp = new QTemporaryDir;
        savedLocation = saveLocation;
        saveLocation = temp->path() + "/data/Tonbrook";
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp->path() + "/config");
        window = new MainWindow;
        if (auto* timer = window->findChild<QTimer*>("startupLoadTimer"))
            timer->stop();
        auto dialogs = std::make_unique<shell_test::FakeDialogs>();
        probe = new WiringProbe(*window, dialogs.get());
        window->setDialogs(std::move(dialogs));
    }
    static void TearDownTestSuite()
    {
        delete probe;
        delete window;
        saveLocation = savedLocation;
        delete temp;
    }

    static QTemporaryDir* temp;
    static QString savedLocation;
    static MainWindow* window;
    static WiringProbe* probe;
};

QTemporaryDir* CentralWiring::temp = nullptr;
QString CentralWiring::savedLocation;
MainWindow* CentralWiring::window = nullptr;
WiringProbe* CentralWiring::probe = nullptr;

TEST_P(CentralWiring, ConnectionIsMade)
{
    EXPECT_TRUE(GetParam().wired(*probe));
}

INSTANTIATE_TEST_SUITE_P(Table, CentralWiring, ::testing::ValuesIn(WiringProbe::rows()), RowName());

// QObject::receivers is protected; named through a subclass, its member
// pointer applies to any object.
struct ReceiverCount : QObject
{
    static int of(const QObject* object, const QMetaMethod& signal)
    {
        const QByteArray name = QByteArray::number(QSIGNAL_CODE) + signal.methodSignature();
        return (object->*&ReceiverCount::receivers)(name.constData());
    }
};

// The receivers of every signal of objects (a default argument's short
// form counts with its full form).
SignalCounts receiverCounts(const QList<QObject*>& objects)
{
    SignalCounts counts;
    for (const QObject* object : objects) {
        const QMetaObject* meta = object->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal && !(method.attributes() & QMetaMethod::Cloned))
                counts[{object, i}] = ReceiverCount::of(object, method);
        }
    }
    return counts;
}

QString describe(const SignalKey& key)
{
    const QObject* object = key.first;
    return QString::fromLatin1(object->metaObject()->className()) + " '" + object->objectName() + "' "
        + QString::fromLatin1(object->metaObject()->method(key.second).methodSignature());
}

// A window of its own: the count wires it twice.
class CentralWiringCount : public ShellTest
{
};

// Wiring the window again adds one receiver per connection the wiring
// makes; each signal must gain as many as the table has rows for it.
TEST_F(CentralWiringCount, TheTableListsEveryConnectionTheWindowMakes)
{
    makeWindow();
    WiringProbe probe(*window, dialogs);
    const QList<QObject*> objects = probe.objects();
    const SignalCounts before = receiverCounts(objects);
    probe.wireAgain();
    const SignalCounts after = receiverCounts(objects);

    SignalCounts table;
    listedSignals = &table;
    for (const WiringProbe::Row& row : WiringProbe::rows())
        row.wired(probe);
    listedSignals = nullptr;

    QStringList faults;
    for (const auto& [key, count] : after) {
        const int made = count - before.at(key);
        const auto row = table.find(key);
        const int rows = row == table.end() ? 0 : row->second;
        if (made != rows)
            faults
                << QString("%1: the window makes %2, the table lists %3").arg(describe(key)).arg(made).arg(rows);
    }
    for (const auto& [key, rows] : table) {
        if (after.count(key) == 0)
            faults << describe(key) + ": listed on an object the window does not reach";
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

} // namespace
