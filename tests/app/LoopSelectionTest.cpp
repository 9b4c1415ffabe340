// The practised loop in the main window, through the real widgets: what a
// drag selects while the view follows playback, the "Save Audio
// Selection" action following the selection, and the exported loop's
// length.
//
// The recordings' beats come from an analysis cache written before the
// open, so every test starts with a known beat grid and no analysis runs.
#include "ShellTestSupport.h"

#include "AnalysisCache.h"
#include "AudioDecoder.h"
#include "AudioPlayer.h"
#include "BeatLead.h"
#include "CacheReading.h"
#include "ChainControls.h"
#include "Knob.h"
#include "MetaDataThread.h"
#include "MouseEvents.h"
#include "PlayMarker.h"
#include "PlotSelection.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "RealTimeToolsTab.h"
#include "RowName.h"
#include "Startup.h"
#include "TabWidget.h"
#include "WaveBg.h"
#include "ZoomLevel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

using shell_test::ShellTest;

// Writes a regular beat grid as the recording's cache.
bool cacheBeats(const QString& audioPath, float first, float spacing, int count)
{
    AnalysisResult grid;
    grid.bpm = 44100.0f * 60.0f / spacing;
    for (int i = 0; i < count; ++i)
        grid.beats.append(first + float(i) * spacing);
    grid.chordVec = QVector<QString>(count - 1, QStringLiteral("C"));
    grid.chordVecDetected = {QStringLiteral("C")};
    grid.beatLengthPercent = int(spacing / 100.0f);
    return AnalysisCache::write(CacheReading::cachePathFor(saveLocation, audioPath), audioPath, grid)
        == AnalysisCache::WriteStatus::Written;
}

// The beat the loop snaps to for a pointer at canvas x: the frame under
// it, one beat lead early, to the nearest beat (distances truncated; the
// lower beat wins a tie).
int beatUnder(const QVector<float>& beats, int frames, int canvasWidth, int canvasX)
{
    const int frame =
        std::clamp(saturatingInt(FrameScale(frames, canvasWidth).frameOf(float(canvasX))), 0, frames);
    const float raw = float(std::max(frame - base::beatLeadFrames, 0));
    int best = 0;
    for (int i = 1; i < beats.size(); ++i)
        if (saturatingInt(std::fabs(raw - beats[i])) < saturatingInt(std::fabs(raw - beats[best])))
            best = i;
    return best;
}

void showLevel(Plotter* plotter, int level)
{
    while (plotter->zoomLevel().level() != level) {
        plotter->zoomPlot(plotter->zoomLevel().level() < level ? 120 : -120);
        plotter->updateZoom();
    }
}

// Lets the player's and the views' 10 ms timers run a few times: time for
// a view that follows playback to move under the pointer.
void settle()
{
    QTest::qWait(60);
}

// ---- What a drag selects ------------------------------------------------------

struct DragCase
{
    const char* name;
    int level;
    int pressX; // in the view; its middle is 442
    int releaseX;
    bool autoScroll;
};

// One window for the table: a 20-second recording with a beat every 7350
// frames (360 BPM), dense enough that a view moved under the pointer
// lands on other beats at every level.
class DragTable : public ::testing::TestWithParam<DragCase>
{
protected:
    static constexpr int frames = 44100 * 20;
    static constexpr float firstBeat = 3675.0f;
    static constexpr float spacing = 7350.0f;

    static void SetUpTestSuite()
    {
        temp = new QTemporaryDir;
        savedLocation = saveLocation;
        saveLocation = temp->path() + "/data/Tonbrook";
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp->path() + "/config");
        const QString path = temp->filePath("take.wav");
        ASSERT_TRUE(fixtures::writeWav(path, fixtures::sines(44100, 2, frames, 440.0, 660.0), 44100, 2));
        ASSERT_TRUE(cacheBeats(path, firstBeat, spacing, int((float(frames) - firstBeat) / spacing)));
        window = new MainWindow;
        if (auto* timer = window->findChild<QTimer*>("startupLoadTimer"))
            timer->stop();
        window->setDialogs(std::make_unique<shell_test::FakeDialogs>());
        window->show();
        ASSERT_EQ(window->open(path, false), 0);
        ASSERT_FALSE(window->analysisThread()->isRunning()) << "the cache is read";
    }
    static void TearDownTestSuite()
    {
        delete window;
        saveLocation = savedLocation;
        delete temp;
    }

    static QTemporaryDir* temp;
    static QString savedLocation;
    static MainWindow* window;
};

QTemporaryDir* DragTable::temp = nullptr;
QString DragTable::savedLocation;
MainWindow* DragTable::window = nullptr;

TEST_P(DragTable, SelectsTheBeatsUnderThePressAndTheReleaseAsTheViewWasAtThePress)
{
    const DragCase c = GetParam();
    ASSERT_NE(window, nullptr);
    Plotter* plotter = window->waveArea()->plotter;
    PlotSelection* selection = plotter->plotSelection;
    AudioPlayer* player = window->player();
    const QVector<float>& beats = window->analysisThread()->metaData->beats;

    // Stopped in the middle of the recording, the view on it.
    window->waveArea()->scrollButton->setValueFromSession(c.autoScroll);
    showLevel(plotter, c.level);
    player->stop();
    player->setCurrentPositionFromSession(frames / 2);
    plotter->setCentreZoomPos(float(plotter->width() / 2));
    const float middle = float(plotter->width() / 2);
    // Auto-scroll gets there within a few ticks of the timers.
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::fabs(plotter->zoomCentre - middle) <= 2.0f; }, 5000))
        << "the view centres at " << plotter->zoomCentre;

    // The pointer goes where the user sees the beats; each event lands
    // where the layer is at that moment.
    auto at = [&](int viewX) { return selection->mapFrom(plotter, QPoint(viewX, 60)); };
    const int canvasAtPress = selection->mapTo(plotter, QPoint()).x();
    press(selection, at(c.pressX), Qt::LeftButton);
    settle();
    move(selection, at((c.pressX + c.releaseX) / 2), Qt::LeftButton);
    settle();
    move(selection, at(c.releaseX), Qt::LeftButton);
    settle();
    EXPECT_EQ(selection->mapTo(plotter, QPoint()).x(), canvasAtPress) << "the view moved under the drag";
    release(selection, at(c.releaseX), Qt::LeftButton);

    const int first = beatUnder(beats, frames, selection->width(), std::min(c.pressX, c.releaseX) - canvasAtPress);
    const int last = beatUnder(beats, frames, selection->width(), std::max(c.pressX, c.releaseX) - canvasAtPress);
    EXPECT_EQ(selection->startBeat, first);
    EXPECT_EQ(selection->endBeat, last);
    EXPECT_GT(last, first);

    // After the release the view follows the play position again, which
    // the press put on the first pressed beat.
    if (c.autoScroll && c.level > 0) {
        auto playLineOffCentre = [&] {
            return std::abs(plotter->playMarker->x() + int(plotter->playMarker->playPosition())
                            - plotter->width() / 2);
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return playLineOffCentre() <= 1; }, 5000))
            << "the play line stays " << playLineOffCentre() << " pixels off the centre";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DragTable,
                         ::testing::Values(DragCase{"whole_left_of_centre_following", 0, 142, 442, true},
                                           DragCase{"whole_at_centre_following", 0, 442, 742, true},
                                           DragCase{"whole_right_of_centre_following", 0, 742, 442, true},
                                           DragCase{"whole_left_of_centre_still", 0, 142, 442, false},
                                           DragCase{"whole_at_centre_still", 0, 442, 742, false},
                                           DragCase{"whole_right_of_centre_still", 0, 742, 442, false},
                                           DragCase{"level4_left_of_centre_following", 4, 142, 442, true},
                                           DragCase{"level4_at_centre_following", 4, 442, 742, true},
                                           DragCase{"level4_right_of_centre_following", 4, 742, 442, true},
                                           DragCase{"level4_left_of_centre_still", 4, 142, 442, false},
                                           DragCase{"level4_at_centre_still", 4, 442, 742, false},
                                           DragCase{"level4_right_of_centre_still", 4, 742, 442, false},
                                           DragCase{"deepest_left_of_centre_following", 7, 142, 442, true},
                                           DragCase{"deepest_at_centre_following", 7, 442, 742, true},
                                           DragCase{"deepest_right_of_centre_following", 7, 742, 442, true},
                                           DragCase{"deepest_left_of_centre_still", 7, 142, 442, false},
                                           DragCase{"deepest_at_centre_still", 7, 442, 742, false},
                                           DragCase{"deepest_right_of_centre_still", 7, 742, 442, false}),
                         RowName());

// ---- The selection's export ------------------------------------------------------

QAction* fileAction(MainWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->actions().at(0)->menu()->actions())
        if (action->text() == text)
            return action;
    ADD_FAILURE() << "no action " << text.toStdString();
    return nullptr;
}

// 120 BPM: a beat every 22050 frames from 11025, over ten seconds.
class SelectionExport : public ShellTest
{
protected:
    static constexpr float firstBeat = 11025.0f;
    static constexpr float spacing = 22050.0f;

    void SetUp() override
    {
        ShellTest::SetUp();
        path = writeRecording("take.wav", 441000);
        ASSERT_TRUE(cacheBeats(path, firstBeat, spacing, 20));
        makeWindow();
        window->show();
        ASSERT_EQ(window->open(path, false), 0);
        selection = window->waveArea()->plotter->plotSelection;
        exportAction = fileAction(*window, "Save Audio Selection");
        ASSERT_NE(exportAction, nullptr);
    }

    // The layer's x whose frame, one beat lead early, is exactly beat b.
    int xOfBeat(int b) const
    {
        const float frame = firstBeat + spacing * float(b) + float(base::beatLeadFrames);
        return int(std::lround(FrameScale(441000, selection->width()).pixelOf(frame)));
    }

    void drag(int fromBeat, int toBeat)
    {
        press(selection, QPoint(xOfBeat(fromBeat), 60), Qt::LeftButton);
        move(selection, QPoint(xOfBeat(toBeat), 60), Qt::LeftButton);
        release(selection, QPoint(xOfBeat(toBeat), 60), Qt::LeftButton);
    }

    QString path;
    PlotSelection* selection = nullptr;
    QAction* exportAction = nullptr;
};

TEST_F(SelectionExport, TheActionFollowsTheSelection)
{
    EXPECT_FALSE(exportAction->isEnabled()) << "nothing selected after an open";
    drag(2, 6);
    EXPECT_TRUE(exportAction->isEnabled());
    const QPoint beat8(xOfBeat(8), 60);
    press(selection, beat8, Qt::LeftButton);
    release(selection, beat8, Qt::LeftButton);
    EXPECT_FALSE(exportAction->isEnabled()) << "a click clears the selection";
    drag(3, 3);
    EXPECT_FALSE(exportAction->isEnabled()) << "both ends on one beat select nothing";

    // A session keeps the selection; the open it starts with clears it.
    drag(3, 7);
    const QString session = temp.filePath("practice.tb");
    dialogs->saveNames = {session};
    fileAction(*window, "Save Session &As...")->trigger();
    ASSERT_TRUE(QFileInfo::exists(session));
    ASSERT_EQ(window->open(path, false), 0);
    EXPECT_FALSE(exportAction->isEnabled()) << "an open clears the selection";
    dialogs->files = {session};
    fileAction(*window, "&Load Session...")->trigger();
    EXPECT_TRUE(exportAction->isEnabled()) << "the session's selection";
    EXPECT_EQ(selection->startBeat, 3);
    EXPECT_EQ(selection->endBeat, 7);
}

TEST_F(SelectionExport, WritesTheSelectedBeatsAtTheTempo)
{
    // Half again as fast: the tempo knob at 150, the tempo tool on.
    RealTimeToolsTab* tools = window->tabArea()->realTimeToolsTab;
    tools->tempoKnobWidget()->setValue(150);
    if (!tools->tempoPowerButton()->isOn())
        QMetaObject::invokeMethod(window.get(), "toggleTempo");
    ASSERT_FLOAT_EQ(chain::hopfactor.load(), 1.5f);

    drag(2, 6);
    ASSERT_TRUE(exportAction->isEnabled());
    const QString wav = temp.filePath("loop.wav");
    dialogs->saveNames = {wav};
    exportAction->trigger();

    AudioDecoder decoder;
    ASSERT_TRUE(decoder.open(wav));
    DecodedAudio audio;
    ASSERT_TRUE(decoder.decodeAll(audio));
    // Four beats of 22050 frames played at 1.5 times the tempo. The render
    // goes in hops of 1024 frames and writes the hop that passes the end
    // in full.
    const double played = 4.0 * double(spacing) / 1.5;
    EXPECT_GE(double(audio.numFrames), played);
    EXPECT_LE(double(audio.numFrames), played + 1024.0);
}

} // namespace
