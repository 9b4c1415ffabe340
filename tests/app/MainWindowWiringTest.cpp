// The main window with its views: what an open draws and starts, the
// hand-overs, the small slots on the transport and the tabs, and the
// orders of receivers that the central wiring fixes.
#include "ShellTestSupport.h"

#include "AudioPlayer.h"
#include "ChainControls.h"
#include "ChordLabel.h"
#include "ChordsStrip.h"
#include "ChordsTab.h"
#include "CustomButton.h"
#include "JamTab.h"
#include "Knob.h"
#include "MetaDataThread.h"
#include "PlayMarker.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "ProcessingLabel.h"
#include "ProgressBar.h"
#include "RealTimeToolsTab.h"
#include "Slider.h"
#include "SmallPlot.h"
#include "SongStep.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

namespace {

using shell_test::ShellTest;

// Bounded: the analysis of a few seconds of audio takes well under this.
constexpr int analysisTimeoutMs = 60000;

bool waitForAnalysis(MainWindow& window)
{
    MetaDataThread* analysis = window.analysisThread();
    if (!analysis->wait(analysisTimeoutMs))
        return false;
    // Its results arrive queued.
    QSignalSpy done(analysis, &MetaDataThread::gotMetaData);
    QCoreApplication::processEvents();
    return analysis->metaData->metaDataValid.load();
}

QAction* fileAction(MainWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->actions().at(0)->menu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

TEST_F(ShellTest, AnOpenDrawsTheWaveformAndAnalysesThenAReopenReadsTheCache)
{
    const QString song = writeSong("song.wav", 8);
    makeWindow();
    WaveBg* wave = window->waveArea();
    Plotter* plotter = wave->plotter;
    EXPECT_FALSE(plotter->processingLabel->isVisible());

    ASSERT_EQ(window->open(song, false), 0);
    EXPECT_TRUE(plotter->isVisible());
    EXPECT_TRUE(wave->smallPlot->isVisible());
    EXPECT_FALSE(wave->progressLabel->isVisible()) << "the drawing text is cleared";
    EXPECT_FALSE(wave->progressBar->isVisible());
    EXPECT_TRUE(plotter->processingLabel->isVisible());
    EXPECT_TRUE(plotter->processingLabel->dotTimer->isActive());

    ASSERT_TRUE(waitForAnalysis(*window));
    EXPECT_FALSE(plotter->processingLabel->isVisible());
    EXPECT_FALSE(plotter->processingLabel->dotTimer->isActive());
    const QVector<QString> analysed = window->analysisThread()->metaData->chordVec;
    EXPECT_TRUE(analysed.contains("C") && analysed.contains("G")) << "the song's chords are found";
    EXPECT_TRUE(window->tabArea()->jamTab->isEnabled()) << "the results enable the jam tab";

    // The cache written by the analysis serves the reopening at once.
    QSignalSpy results(window->analysisThread(), &MetaDataThread::gotMetaData);
    ASSERT_EQ(window->open(song, false), 0);
    EXPECT_EQ(results.count(), 1) << "read on the GUI thread during the open";
    EXPECT_FALSE(window->analysisThread()->isRunning());
    EXPECT_FALSE(plotter->processingLabel->isVisible());
    EXPECT_EQ(window->analysisThread()->metaData->chordVec, analysed);
}

TEST_F(ShellTest, AfterAnOpenThePlayerIsolatesWhatTheKnobsShow)
{
    const QString path = writeRecording("take.wav");
    makeWindow();
    RealTimeToolsTab* tools = window->tabArea()->realTimeToolsTab;
    ASSERT_EQ(window->open(path, false), 0);
    // The player's own mappings of the four controls.
    EXPECT_EQ(chain::cutFrequencyValue.load(), float(tools->filterKnobWidget()->value()));
    EXPECT_EQ(tools->filterKnobWidget()->value(), 19);
    EXPECT_EQ(chain::bleedThresholdValue.load(), 100.0f - float(tools->separationKnobWidget()->value()));
    EXPECT_FLOAT_EQ(chain::rangeValue.load(), float((tools->widthKnobWidget()->value() + 0.001) / 100.0));
    const float azimuth = chain::azimuthValue.load();
    window->player()->setAzimuth(tools->azimuthSlider()->value());
    EXPECT_EQ(chain::azimuthValue.load(), azimuth);
}

TEST_F(ShellTest, AFailedOpenLeavesTheWaveformHidden)
{
    const QString good = writeRecording("good.wav");
    makeWindow();
    ASSERT_EQ(window->open(good, false), 0);
    waitForAnalysis(*window);
    const QString broken = temp.filePath("broken.mp3");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, '\x7f'));
    file.close();
    ASSERT_EQ(window->open(broken, false), -1);
    EXPECT_FALSE(window->waveArea()->plotter->isVisible());
    EXPECT_FALSE(window->waveArea()->smallPlot->isVisible());
    EXPECT_FALSE(window->waveArea()->progressLabel->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tonbrook");
}

TEST_F(ShellTest, ADoubleClickOnTheSelectionPlaysBeforeThePlayButtonLatches)
{
    const QString path = writeRecording("take.wav");
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    CustomButton* play = window->transport()->playButton;
    bool playingWhenLatched = false;
    QObject::connect(play, &CustomButton::toggled,
                     [&](bool on) { playingWhenLatched = on && window->player()->isPlaying(); });
    emit window->waveArea()->plotter->plotSelection->selectionDoubleClick();
    EXPECT_TRUE(play->isChecked());
    EXPECT_TRUE(playingWhenLatched);
}

TEST_F(ShellTest, PlayStopAndPauseKeepThePlayButtonWithThePlayer)
{
    const QString path = writeRecording("take.wav");
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    CustomButton* play = window->transport()->playButton;
    QList<bool> playingAtToggle;
    QObject::connect(play, &CustomButton::toggled,
                     [&](bool) { playingAtToggle << window->player()->isPlaying(); });

    QMetaObject::invokeMethod(window.get(), "playStop");
    EXPECT_TRUE(play->isChecked());
    EXPECT_TRUE(window->player()->isPlaying());
    QMetaObject::invokeMethod(window.get(), "pause");
    EXPECT_FALSE(play->isChecked());
    EXPECT_FALSE(window->player()->isPlaying());
    QMetaObject::invokeMethod(window.get(), "pause");
    QMetaObject::invokeMethod(window.get(), "playStop");
    EXPECT_FALSE(play->isChecked());
    EXPECT_FALSE(window->player()->isPlaying());
    QMetaObject::invokeMethod(window.get(), "playFromSelectionStart");
    EXPECT_TRUE(play->isChecked());
    EXPECT_TRUE(window->player()->isPlaying());
    // The button changes before the player does.
    EXPECT_EQ(playingAtToggle, (QList<bool>{false, true, false, true, false}));
}

TEST_F(ShellTest, TheToggleSlotsActAsTheirButtonsDo)
{
    const QString path = writeRecording("take.wav");
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    CustomButton* loop = window->transport()->loopButton;
    QMetaObject::invokeMethod(window.get(), "toggleLoop");
    EXPECT_TRUE(loop->isChecked());
    QMetaObject::invokeMethod(window.get(), "toggleLoop");
    EXPECT_FALSE(loop->isChecked());

    PowerButton* scroll = window->waveArea()->scrollButton;
    EXPECT_TRUE(scroll->isOn()) << "auto-scroll starts on";
    QMetaObject::invokeMethod(window.get(), "toggleScroll");
    EXPECT_FALSE(scroll->isOn());
    QMetaObject::invokeMethod(window.get(), "toggleScroll");
    EXPECT_TRUE(scroll->isOn());

    RealTimeToolsTab* tools = window->tabArea()->realTimeToolsTab;
    for (auto [slot, button] :
         {std::pair{"toggleTempo", tools->tempoPowerButton()}, std::pair{"togglePitch", tools->pitchPowerButton()},
          std::pair{"toggleIsolate", tools->isolationPowerButton()}}) {
        const bool before = button->isOn();
        QMetaObject::invokeMethod(window.get(), slot);
        EXPECT_NE(button->isOn(), before) << slot;
        QMetaObject::invokeMethod(window.get(), slot);
        EXPECT_EQ(button->isOn(), before) << slot;
    }
}

TEST_F(ShellTest, EveryExportActionUnlatchesBothJamPlayButtons)
{
    const QString path = writeRecording("take.wav");
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    JamTab* jam = window->tabArea()->jamTab;
    // The two processed exports' dialogs are cancelled; riff and song
    // exports of an empty jam tab only say so.
    dialogs->saveNames = {"", ""};
    for (const char* text : {"Save Audio Selection", "Save Audio", "Save Song Audio...", "Save Riff Audio..."}) {
        jam->playRiffButton->latch();
        jam->playSongButton->latch();
        QAction* action = fileAction(*window, text);
        ASSERT_NE(action, nullptr) << text;
        action->setEnabled(true);
        action->trigger();
        EXPECT_FALSE(jam->playRiffButton->isChecked()) << text;
        EXPECT_FALSE(jam->playSongButton->isChecked()) << text;
    }
}

TEST_F(ShellTest, SwitchingTheJamToolsOffStopsPlaybackAndUnlatchesTheJamButtons)
{
    const QString path = writeRecording("take.wav");
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    JamTab* jam = window->tabArea()->jamTab;
    Plotter* plotter = window->waveArea()->plotter;

    // On (the button leaves "off"): playback goes on, the riff overlays show.
    window->player()->play();
    emit jam->powerButton->buttonOn(false);
    EXPECT_TRUE(window->player()->isPlaying());
    EXPECT_EQ(plotter->selectionStack->currentIndex(), 1);

    jam->playRiffButton->latch();
    jam->playSongButton->latch();
    emit jam->powerButton->buttonOn(true);
    EXPECT_FALSE(window->player()->isPlaying());
    EXPECT_FALSE(jam->playRiffButton->isChecked());
    EXPECT_FALSE(jam->playSongButton->isChecked());
    EXPECT_EQ(plotter->selectionStack->currentIndex(), 0);
}

TEST_F(ShellTest, AnEmptySongDisablesItsPlayButton)
{
    makeWindow();
    CustomButton* song = window->tabArea()->jamTab->playSongButton;
    song->latch();
    QMetaObject::invokeMethod(window.get(), "checkSongLoopLength");
    EXPECT_FALSE(song->isEnabledTo(window->tabArea()->jamTab));
    EXPECT_FALSE(song->isChecked());
}

TEST_F(ShellTest, RecalculatingChordsNeedsARecordingAndNoRunningAnalysis)
{
    const QString path = writeSong("song.wav", 6);
    makeWindow();
    Plotter* plotter = window->waveArea()->plotter;
    const QVector<QVector<int>> choice(12, QVector<int>(7, 0));
    QMetaObject::invokeMethod(window.get(), "recalculateChords", Q_ARG(QVector<QVector<int>>, choice));
    EXPECT_FALSE(window->analysisThread()->isRunning()) << "nothing loaded";
    EXPECT_FALSE(plotter->processingLabel->isVisible());

    ASSERT_EQ(window->open(path, false), 0);
    ASSERT_TRUE(window->analysisThread()->isRunning());
    QMetaObject::invokeMethod(window.get(), "recalculateChords", Q_ARG(QVector<QVector<int>>, choice));
    EXPECT_TRUE(plotter->chordsStrip->isVisibleTo(plotter)) << "ignored while the first analysis runs";
    ASSERT_TRUE(waitForAnalysis(*window));

    QMetaObject::invokeMethod(window.get(), "recalculateChords", Q_ARG(QVector<QVector<int>>, choice));
    EXPECT_TRUE(window->analysisThread()->isRunning());
    EXPECT_TRUE(plotter->processingLabel->isVisible());
    EXPECT_FALSE(plotter->chordsStrip->isVisibleTo(plotter));
    ASSERT_TRUE(waitForAnalysis(*window));
    EXPECT_FALSE(plotter->processingLabel->isVisible());
}

} // namespace

namespace {

using shell_test::ShellTest;

TEST_F(ShellTest, TheBeatOffsetKnobMovesTheBeatsBeforeTheStripLaysOutOnThem)
{
    const QString song = writeSong("song.wav", 8);
    makeWindow();
    ASSERT_EQ(window->open(song, false), 0);
    ASSERT_TRUE(window->analysisThread()->wait(60000));
    QCoreApplication::processEvents();
    ChordsStrip* strip = window->waveArea()->plotter->chordsStrip;
    ASSERT_FALSE(strip->chordLabels().isEmpty());
    const QVector<float> before = window->analysisThread()->metaData->beats;

    window->tabArea()->jamTab->beatOffsetKnob->setValue(60);
    const QVector<float> after = window->analysisThread()->metaData->beats;
    ASSERT_EQ(after.size(), before.size());
    EXPECT_GT(after.at(1), before.at(1)) << "the player moved the beats";
    QList<QRect> shown;
    for (ChordLabel* label : strip->chordLabels())
        shown << label->geometry();
    // A layout made now, on the moved beats, is the one already shown.
    strip->initChordStrip();
    QList<QRect> fresh;
    for (ChordLabel* label : strip->chordLabels())
        fresh << label->geometry();
    EXPECT_EQ(shown, fresh);
}

// Sized as the step boxes are: the design's points as pixels, not 4/3 as
// large at 96 dpi.
TEST_F(ShellTest, TheViewsLabelsTakeTheDesignSizesAsPixels)
{
    makeWindow();
    const struct
    {
        const char* label;
        QWidget* widget;
        int pixels;
    } labels[] = {
        {"jam tab's step pitch", window->tabArea()->jamTab->pitchLabel, 11},
        {"transport clock", window->transport(), 13},
        {"chords tab's beat count", window->tabArea()->chordsTab->beatsLabel, 17},
        {"processing notice", window->waveArea()->plotter->processingLabel, 15},
        {"progress text", window->waveArea()->progressLabel, 16},
    };
    for (const auto& l : labels)
        EXPECT_EQ(l.widget->font().pixelSize(), l.pixels) << l.label;
}

TEST_F(ShellTest, AFilledSongSlotEnablesSongPlayback)
{
    makeWindow();
    JamTab* jam = window->tabArea()->jamTab;
    // The jam tab itself waits for an analysis: ask of the button alone.
    EXPECT_FALSE(jam->playSongButton->isEnabledTo(jam));
    jam->songStep->setRiff(2, 5);
    EXPECT_TRUE(jam->playSongButton->isEnabledTo(jam));
    jam->songStep->setRiff(-1, 5);
    EXPECT_FALSE(jam->playSongButton->isEnabledTo(jam));
}

} // namespace
