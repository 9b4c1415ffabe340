// The keyboard shortcuts as the window routes them: each found by its name
// reaches its action, once, also after the editor rebuilt them; none acts
// while a recording opens or while the preferences dialog is open.
#include "ShellTestSupport.h"

#include "../preferences/FakePreferencesDialogs.h"

#include "AudioPlayer.h"
#include "CustomButton.h"
#include "IncrementWidget.h"
#include "Knob.h"
#include "MetaDataThread.h"
#include "Plotter.h"
#include "PowerButton.h"
#include "PreferencesMenu.h"
#include "RealTimeToolsTab.h"
#include "RowName.h"
#include "SettingsStore.h"
#include "ShortcutActions.h"
#include "ShortcutsTab.h"
#include "TabWidget.h"
#include "TransportWidget.h"
#include "WaveBg.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {

using shell_test::ShellTest;

class ShortcutTest : public ShellTest
{
public:
    using ShellTest::dialogs;
    using ShellTest::window;

    void SetUp() override
    {
        ShellTest::SetUp();
        recordingPath = writeRecording("practice.wav", 44100 * 5);
        makeWindow();
        window->preferences()->setDialogs(&preferencesDialogs);
        ASSERT_EQ(window->open(recordingPath, false), 0);
        window->analysisThread()->wait();
    }

    QShortcut* shortcut(ShortcutActions::Id id) const
    {
        for (QShortcut* candidate : window->preferences()->shortcutsTab->shortcuts()) {
            if (candidate->objectName() == QLatin1String(ShortcutActions::name(id)))
                return candidate;
        }
        return nullptr;
    }

    void activate(ShortcutActions::Id id)
    {
        QShortcut* target = shortcut(id);
        ASSERT_NE(target, nullptr);
        emit target->activated();
    }

    void restoreDefaults()
    {
        preferencesDialogs.answers.push_back(QMessageBox::Yes);
        window->preferences()->shortcutsTab->restoreDefaults();
    }

    int logged(const QString& prefix) const
    {
        int count = 0;
        for (const QString& entry : dialogs->log)
            count += entry.startsWith(prefix) ? 1 : 0;
        return count;
    }

    RealTimeToolsTab* tools() const { return window->tabArea()->realTimeToolsTab; }
    TransportWidget* transport() const { return window->transport(); }

    QString recordingPath;
    FakePreferencesDialogs preferencesDialogs;

protected:
    SettingsStore::Redirect isolated{temp.filePath("settings.ini")};
};

// An observation of the window, and what one activation makes of it.
struct RouteCase
{
    const char* name;
    ShortcutActions::Id action;
    std::function<void(ShortcutTest&)> setUp;
    std::function<double(ShortcutTest&)> observe;
    std::function<double(double)> afterOne;
    // Run before each activation: waits out a throttle.
    std::function<void(ShortcutTest&)> settle = nullptr;
};

// Zoom steps are throttled (a tenth of a second): the next step counts
// once the throttle ran out. Waiting longer is always safe.
void zoomSettled(ShortcutTest&)
{
    QTest::qWait(250);
}

class ShortcutRoutes : public ShortcutTest, public ::testing::WithParamInterface<RouteCase>
{
};

TEST_P(ShortcutRoutes, EachReachesItsActionOnceAlsoAfterRestoringDefaults)
{
    const RouteCase& c = GetParam();
    if (c.setUp)
        c.setUp(*this);
    const double before = c.observe(*this);
    if (c.settle)
        c.settle(*this);
    activate(c.action);
    const double once = c.observe(*this);
    EXPECT_EQ(once, c.afterOne(before));

    restoreDefaults();
    if (c.settle)
        c.settle(*this);
    activate(c.action);
    EXPECT_EQ(c.observe(*this), c.afterOne(once)) << "the rebuilt shortcut, connected once";
}

double flag(bool on)
{
    return on ? 1.0 : 0.0;
}

auto toggled = [](double value) { return 1.0 - value; };
auto plusOne = [](double value) { return value + 1.0; };
auto minusOne = [](double value) { return value - 1.0; };
auto plusSeek = [](double value) { return value + 32768.0; };

int tabShown(ShortcutTest& fixture)
{
    return fixture.window->tabArea()->pageStack->currentIndex();
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShortcutRoutes,
    ::testing::Values(
        RouteCase{"fast_forward", ShortcutActions::FastForward, nullptr,
                  [](ShortcutTest& fixture) { return double(fixture.window->player()->getCurrentPosition()); },
                  plusSeek},
        RouteCase{"rewind", ShortcutActions::Rewind,
                  [](ShortcutTest& fixture) { fixture.window->player()->setCurrentPositionFromSession(150000); },
                  [](ShortcutTest& fixture) {
                      return double(fixture.window->player()->getCurrentPosition() < 150000 - 32768 / 2);
                  },
                  [](double) { return 1.0; }},
        RouteCase{"metronome_down", ShortcutActions::MetronomeVolumeDown,
                  [](ShortcutTest& fixture) { fixture.transport()->metronomeKnob->setValue(50); },
                  [](ShortcutTest& fixture) { return double(fixture.transport()->metronomeKnob->value()); },
                  minusOne},
        RouteCase{"metronome_up", ShortcutActions::MetronomeVolumeUp,
                  [](ShortcutTest& fixture) { fixture.transport()->metronomeKnob->setValue(50); },
                  [](ShortcutTest& fixture) { return double(fixture.transport()->metronomeKnob->value()); },
                  plusOne},
        RouteCase{"volume_down", ShortcutActions::VolumeDown, nullptr,
                  [](ShortcutTest& fixture) { return double(fixture.transport()->volumeKnob->value()); },
                  minusOne},
        RouteCase{"volume_up", ShortcutActions::VolumeUp,
                  [](ShortcutTest& fixture) { fixture.transport()->volumeKnob->setValue(50); },
                  [](ShortcutTest& fixture) { return double(fixture.transport()->volumeKnob->value()); }, plusOne},
        RouteCase{"open_audio_file", ShortcutActions::OpenAudioFile,
                  [](ShortcutTest& fixture) {
                      fixture.dialogs->files = {QString(), QString()};
                  },
                  [](ShortcutTest& fixture) { return double(fixture.logged("file:")); }, plusOne},
        RouteCase{"load_session", ShortcutActions::LoadSession,
                  [](ShortcutTest& fixture) {
                      fixture.dialogs->files = {QString(), QString()};
                  },
                  [](ShortcutTest& fixture) { return double(fixture.logged("file:")); }, plusOne},
        // Enabled once a recording is open.
        RouteCase{"save_audio", ShortcutActions::SaveAudio,
                  [](ShortcutTest& fixture) {
                      fixture.dialogs->saveNames = {QString(), QString()};
                  },
                  [](ShortcutTest& fixture) { return double(fixture.logged("save:")); }, plusOne},
        RouteCase{"pause", ShortcutActions::Pause, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.window->player()->isPlaying()); }, toggled},
        RouteCase{"play_stop", ShortcutActions::PlayStop, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.window->player()->isPlaying()); }, toggled},
        RouteCase{"play_from_selection_start", ShortcutActions::PlayFromSelectionStart, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.window->player()->isPlaying()); },
                  [](double) { return 1.0; }},
        RouteCase{"pitch_down", ShortcutActions::PitchDown, nullptr,
                  [](ShortcutTest& fixture) { return double(fixture.tools()->semitoneWidget()->value()); },
                  minusOne},
        RouteCase{"pitch_up", ShortcutActions::PitchUp, nullptr,
                  [](ShortcutTest& fixture) { return double(fixture.tools()->semitoneWidget()->value()); },
                  plusOne},
        RouteCase{"tempo_down", ShortcutActions::TempoDown,
                  [](ShortcutTest& fixture) { fixture.tools()->setBPM(120.0f); },
                  [](ShortcutTest& fixture) { return double(fixture.tools()->bpmWidget()->value()); }, minusOne},
        RouteCase{"tempo_up", ShortcutActions::TempoUp,
                  [](ShortcutTest& fixture) { fixture.tools()->setBPM(120.0f); },
                  [](ShortcutTest& fixture) { return double(fixture.tools()->bpmWidget()->value()); }, plusOne},
        RouteCase{"show_chords_tab", ShortcutActions::ShowChordViewerTab, nullptr,
                  [](ShortcutTest& fixture) { return double(tabShown(fixture)); }, [](double) { return 2.0; }},
        RouteCase{"show_tools_tab", ShortcutActions::ShowJamMasterTab,
                  [](ShortcutTest& fixture) { fixture.window->tabArea()->pageStack->setCurrentIndex(2); },
                  [](ShortcutTest& fixture) { return double(tabShown(fixture)); }, [](double) { return 0.0; }},
        RouteCase{"show_jam_tab", ShortcutActions::ShowRiffBuilderTab, nullptr,
                  [](ShortcutTest& fixture) { return double(tabShown(fixture)); }, [](double) { return 1.0; }},
        RouteCase{"toggle_isolate", ShortcutActions::ToggleIsolateTool, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.tools()->isolationPowerButton()->isOn()); },
                  toggled},
        RouteCase{"toggle_pitch", ShortcutActions::TogglePitchTool, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.tools()->pitchPowerButton()->isOn()); },
                  toggled},
        RouteCase{"toggle_tempo", ShortcutActions::ToggleTempoTool, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.tools()->tempoPowerButton()->isOn()); },
                  toggled},
        RouteCase{"toggle_loop", ShortcutActions::ToggleLoop, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.transport()->loopButton->isChecked()); },
                  toggled},
        RouteCase{"toggle_scroll", ShortcutActions::ToggleScroll, nullptr,
                  [](ShortcutTest& fixture) { return flag(fixture.window->waveArea()->scrollButton->isOn()); },
                  toggled},
        RouteCase{"view_help", ShortcutActions::ViewHelp, nullptr,
                  [](ShortcutTest& fixture) { return double(fixture.logged("url:")); }, plusOne},
        RouteCase{
            "zoom_in", ShortcutActions::ZoomIn, nullptr,
            [](ShortcutTest& fixture) { return double(fixture.window->waveArea()->plotter->zoomLevel().level()); },
            plusOne, zoomSettled},
        RouteCase{
            "zoom_out", ShortcutActions::ZoomOut,
            [](ShortcutTest& fixture) {
                for (int i = 0; i < 4; ++i) {
                    zoomSettled(fixture);
                    fixture.window->waveArea()->plotter->zoomIn();
                }
            },
            [](ShortcutTest& fixture) { return double(fixture.window->waveArea()->plotter->zoomLevel().level()); },
            minusOne, zoomSettled}),
    RowName());

// Enabled once the session has a name: the key saves to it again.
TEST_F(ShortcutTest, SaveSessionSavesToTheSessionsName)
{
    activate(ShortcutActions::SaveSession);
    EXPECT_TRUE(dialogs->log.isEmpty()) << "disabled until the session has a name";

    const QString session = temp.filePath("practice.tb");
    dialogs->saveNames = {session};
    ASSERT_TRUE(QMetaObject::invokeMethod(window.get(), "saveSessionFileAs"));
    ASSERT_TRUE(QFile::remove(session));
    activate(ShortcutActions::SaveSession);
    EXPECT_TRUE(QFile::exists(session));
    EXPECT_EQ(logged("save:"), 1) << "no second dialog";
}

class ShortcutWithoutRecording : public ShellTest
{
protected:
    SettingsStore::Redirect isolated{temp.filePath("settings.ini")};
};

TEST_F(ShortcutWithoutRecording, SavingKeysDoNothingWhileTheirActionsAreDisabled)
{
    makeWindow();
    for (QShortcut* each : window->preferences()->shortcutsTab->shortcuts()) {
        const int action = ShortcutActions::indexOf(each->objectName());
        if (action == ShortcutActions::SaveAudio || action == ShortcutActions::SaveSession)
            emit each->activated();
    }
    EXPECT_TRUE(dialogs->log.isEmpty()) << dialogs->log.join("\n").toStdString();
}

TEST_F(ShortcutTest, ExitClosesTheWindowWithItsClosingSteps)
{
    window->player()->play();
    activate(ShortcutActions::Exit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->player()->isPlaying());
    EXPECT_TRUE(SettingsStore::open()->contains("MainWindow/version")) << "the settings were written";
}

TEST_F(ShortcutTest, NoneActsWhileARecordingOpens)
{
    const QString longer = writeRecording("longer.wav", 441000);
    transport()->volumeKnob->setValue(50);
    int reached = 0;
    QTimer::singleShot(0, window.get(), [&] {
        ++reached;
        ASSERT_TRUE(window->isBusy());
        const int tab = window->tabArea()->pageStack->currentIndex();
        const float zoom = window->waveArea()->plotter->zoomFactor();
        const bool loop = transport()->loopButton->isChecked();
        const bool tempo = tools()->tempoPowerButton()->isOn();
        for (int i = 0; i < ShortcutActions::count; ++i)
            activate(ShortcutActions::Id(i));
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->player()->isPlaying());
        EXPECT_EQ(transport()->volumeKnob->value(), 50);
        EXPECT_EQ(window->tabArea()->pageStack->currentIndex(), tab);
        EXPECT_EQ(window->waveArea()->plotter->zoomFactor(), zoom);
        EXPECT_EQ(transport()->loopButton->isChecked(), loop);
        EXPECT_EQ(tools()->tempoPowerButton()->isOn(), tempo);
        EXPECT_EQ(tools()->semitoneWidget()->value(), 0.0f);
    });
    ASSERT_EQ(window->open(longer, false), 0);
    EXPECT_EQ(reached, 1);
    EXPECT_TRUE(dialogs->log.isEmpty()) << dialogs->log.join("\n").toStdString();
}

// Real key presses on the shown window, and none while the preferences
// dialog blocks it.
TEST_F(ShortcutTest, KeysActOnTheWindowButNotThroughTheModalDialog)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    transport()->volumeKnob->setValue(50);
    QTest::keyClick(window.get(), Qt::Key_BracketRight);
    EXPECT_EQ(transport()->volumeKnob->value(), 51);

    QAction deviceAction(nullptr);
    deviceAction.setObjectName("device");
    bool ran = false;
    QTimer::singleShot(0, window->preferences(), [&] {
        ran = true;
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_EQ(modal, window->preferences());
        QTest::keyClick(modal, Qt::Key_BracketRight);
        QTest::keyClick(window.get(), Qt::Key_BracketRight);
        EXPECT_EQ(transport()->volumeKnob->value(), 51);
        window->preferences()->reject();
    });
    window->preferences()->showPreferences(&deviceAction);
    EXPECT_TRUE(ran);
    QTest::keyClick(window.get(), Qt::Key_BracketRight);
    EXPECT_EQ(transport()->volumeKnob->value(), 52);
}

// A popup over a modal dialog (a file dialog's completer) keeps its keys:
// Return and the transport keys reach it, not the window's shortcuts.
TEST_F(ShortcutTest, APopupOverAModalDialogKeepsItsKeys)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    transport()->volumeKnob->setValue(50);

    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    QWidget popup(&dialog, Qt::Popup);
    auto* field = new QLineEdit(&popup);
    int returns = 0;
    QObject::connect(field, &QLineEdit::returnPressed, [&] { ++returns; });
    popup.show();
    field->setFocus();
    ASSERT_EQ(QApplication::activePopupWidget(), &popup);
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);

    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Space);
    QTest::keyClick(field, Qt::Key_BracketRight);
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(field->text(), QStringLiteral(" ]"));
    EXPECT_FALSE(window->player()->isPlaying());
    EXPECT_EQ(transport()->playButton->frame(), 0);
    EXPECT_EQ(transport()->volumeKnob->value(), 50);

    popup.close();
    dialog.close();
    QTest::keyClick(window.get(), Qt::Key_BracketRight);
    EXPECT_EQ(transport()->volumeKnob->value(), 51);
}

TEST_F(ShortcutTest, AKeyAssignedWithSetActsAtOnce)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ShortcutsTab* page = window->preferences()->shortcutsTab;
    transport()->volumeKnob->setValue(50);
    page->keyPressed("Shift+U");
    QTreeWidgetItem* row = nullptr;
    for (QTreeWidgetItem* item :
         page->findChildren<QTreeWidget*>().first()->findItems("Volume Up", Qt::MatchExactly))
        row = item;
    ASSERT_NE(row, nullptr);
    page->findChildren<QTreeWidget*>().first()->setCurrentItem(row);
    page->setShortcut();
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ShiftModifier);
    EXPECT_EQ(transport()->volumeKnob->value(), 51);
    QTest::keyClick(window.get(), Qt::Key_BracketRight);
    EXPECT_EQ(transport()->volumeKnob->value(), 51) << "the old key no longer acts";
}

TEST_F(ShortcutTest, TheWindowOwnsTheShortcutsAndDeletesTheDialog)
{
    for (QShortcut* each : window->preferences()->shortcutsTab->shortcuts())
        EXPECT_EQ(each->parent(), window.get());
    QPointer<PreferencesMenu> dialog = window->preferences();
    window.reset();
    EXPECT_TRUE(dialog.isNull());
}

} // namespace
