// What the window keeps between runs: read at start-up, written at closing
// and before a language relaunch, in an isolated store.
#include "ShellTestSupport.h"

#include "AudioPlayer.h"
#include "ChordTabButtons.h"
#include "ChordsTab.h"
#include "KeyTexts.h"
#include "Knob.h"
#include "PathsManager.h"
#include "PathsTab.h"
#include "PreferencesMenu.h"
#include "RowName.h"
#include "SettingsStore.h"
#include "ShortcutActions.h"
#include "ShortcutsTab.h"
#include "TabWidget.h"
#include "TransportWidget.h"

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>

#include <functional>

namespace {

using shell_test::ShellTest;

const QString cmd = KeyTexts::commandSign();

QStringList defaultStoredShortcuts()
{
    QStringList list;
    for (const QString& text : ShortcutsTab::defaultTexts())
        list << KeyTexts::storedFromDisplay(text);
    return list;
}

QMenu* recentMenu(MainWindow& window)
{
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->title() == "Recent files")
            return menu;
    }
    return nullptr;
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

class SettingsTest : public ShellTest
{
public:
    void store(const QString& key, const QVariant& value)
    {
        SettingsStore::open()->setValue("MainWindow/" + key, value);
    }
    QVariant stored(const QString& key) const { return SettingsStore::open()->value("MainWindow/" + key); }

    PreferencesMenu* preferences() const { return window->preferences(); }

protected:
    SettingsStore::Redirect isolated{temp.filePath("settings.ini")};
};

// What a start finds in the store, and what it makes of it.
struct StartCase
{
    const char* name;
    std::function<void(SettingsTest&)> stored;
    std::function<void(SettingsTest&, MainWindow&)> check;
};

class SettingsAtStart : public SettingsTest, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(SettingsAtStart, RestoresWhatTheStoreHolds)
{
    GetParam().stored(*this);
    makeWindow();
    GetParam().check(*this, *window);
}

const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsAtStart,
    ::testing::Values(
        StartCase{"first_start", [](SettingsTest&) {},
                  [](SettingsTest& fixture, MainWindow& w) {
                      // No screen count stored never equals the screens there are.
                      EXPECT_EQ(w.pos(), QPoint(0, 0));
                      EXPECT_EQ(w.paths()->getSavePath(), saveLocation);
                      EXPECT_EQ(fixture.preferences()->pathsTab->saveLocationEdit->text(), saveLocation);
                      EXPECT_EQ(w.paths()->getFilePath(), music);
                      EXPECT_EQ(w.player()->getAudioDevice(), "System default");
                      EXPECT_EQ(w.tabArea()->chordsTab->getNeckType(), 0);
                      QMenu* recent = recentMenu(w);
                      ASSERT_NE(recent, nullptr);
                      EXPECT_FALSE(recent->isEnabled());
                      EXPECT_EQ(menuTexts(recent), QStringList({"|", "&Clear Recent"}));
                      EXPECT_EQ(fixture.preferences()->shortcutsTab->getEditedShortcutValues().size(),
                                ShortcutActions::count);
                  }},
        StartCase{"same_screens_position_on_them",
                  [](SettingsTest& fixture) {
                      fixture.store("screen count", QGuiApplication::screens().size());
                      fixture.store("pos", QPoint(40, 30));
                  },
                  [](SettingsTest&, MainWindow& w) { EXPECT_EQ(w.pos(), QPoint(40, 30)); }},
        StartCase{"same_screens_position_elsewhere",
                  [](SettingsTest& fixture) {
                      fixture.store("screen count", QGuiApplication::screens().size());
                      const QRect screen = QGuiApplication::primaryScreen()->geometry();
                      fixture.store("pos", screen.bottomRight() + QPoint(1, 1));
                  },
                  [](SettingsTest&, MainWindow& w) { EXPECT_EQ(w.pos(), QPoint(0, 0)); }},
        StartCase{"other_screen_count",
                  [](SettingsTest& fixture) {
                      fixture.store("screen count", QGuiApplication::screens().size() + 1);
                      fixture.store("pos", QPoint(40, 30));
                  },
                  [](SettingsTest&, MainWindow& w) { EXPECT_EQ(w.pos(), QPoint(0, 0)); }},
        // After "Clear Recent" the open dialog still starts in the folder
        // the page shows chosen.
        StartCase{"always_open_without_recent_files",
                  [](SettingsTest& fixture) {
                      fixture.store("always open folder string", "/srv/practice");
                      fixture.store("always open folder bool", true);
                  },
                  [](SettingsTest& fixture, MainWindow& w) {
                      EXPECT_EQ(w.paths()->getFilePath(), "/srv/practice");
                      EXPECT_TRUE(fixture.preferences()->pathsTab->useAudioEditPath());
                      EXPECT_EQ(fixture.preferences()->pathsTab->getAudioPath(), "/srv/practice");
                      EXPECT_FALSE(fixture.preferences()->pathsTab->touched);
                  }},
        StartCase{"always_open_off_uses_the_last_file",
                  [](SettingsTest& fixture) {
                      fixture.store("always open folder string", "/srv/practice");
                      fixture.store("always open folder bool", false);
                      fixture.store("file path", "/music/album/song.wav");
                      fixture.store("recent files", QStringList{"/music/album/song.wav"});
                  },
                  [](SettingsTest& fixture, MainWindow& w) {
                      EXPECT_EQ(w.paths()->getFilePath(), "/music/album");
                      EXPECT_EQ(w.paths()->getFileName(), "/music/album/song.wav");
                      EXPECT_TRUE(fixture.preferences()->pathsTab->openPreviousRadio->isChecked());
                  }},
        StartCase{"save_location", [](SettingsTest& fixture) { fixture.store("save location", "/srv/tonbrook"); },
                  [](SettingsTest& fixture, MainWindow& w) {
                      EXPECT_EQ(w.paths()->getSavePath(), "/srv/tonbrook");
                      EXPECT_EQ(w.paths()->getSessionPath(), "/srv/tonbrook/sessions");
                      EXPECT_EQ(fixture.preferences()->pathsTab->saveLocationEdit->text(), "/srv/tonbrook");
                  }},
        StartCase{"device_by_name", [](SettingsTest& fixture) { fixture.store("audio device", "No sound"); },
                  [](SettingsTest&, MainWindow& w) { EXPECT_EQ(w.player()->getAudioDevice(), "No sound"); }},
        StartCase{"device_gone_gives_the_default",
                  [](SettingsTest& fixture) { fixture.store("audio device", "Unplugged card"); },
                  [](SettingsTest&, MainWindow& w) { EXPECT_EQ(w.player()->getAudioDevice(), "System default"); }},
        StartCase{"neck_type", [](SettingsTest& fixture) { fixture.store("neck type", 2); },
                  [](SettingsTest&, MainWindow& w) { EXPECT_EQ(w.tabArea()->chordsTab->getNeckType(), 2); }},
        StartCase{"recent_entries_in_order",
                  [](SettingsTest& fixture) {
                      fixture.store("recent files", QStringList{"/b.wav", "", "&Clear Recent", "/a.tb"});
                  },
                  [](SettingsTest&, MainWindow& w) {
                      QMenu* recent = recentMenu(w);
                      ASSERT_NE(recent, nullptr);
                      EXPECT_TRUE(recent->isEnabled());
                      EXPECT_EQ(menuTexts(recent), QStringList({"/b.wav", "/a.tb", "|", "&Clear Recent"}));
                  }},
        StartCase{"stored_meta_shortcut_answers_to_control",
                  [](SettingsTest& fixture) {
                      QStringList list = defaultStoredShortcuts();
                      list[ShortcutActions::Pause] = "META+P";
                      fixture.store("edited shortcuts", list);
                  },
                  [](SettingsTest& fixture, MainWindow&) {
                      ShortcutsTab* page = fixture.preferences()->shortcutsTab;
                      EXPECT_EQ(page->shortcuts().at(ShortcutActions::Pause)->key(),
                                QKeySequence("Meta+P", QKeySequence::PortableText));
                      EXPECT_EQ(page->getEditedShortcutValues().at(ShortcutActions::Pause), "CTRL+P");
                  }},
        StartCase{"short_shortcut_list_keeps_the_defaults",
                  [](SettingsTest& fixture) {
                      fixture.store("edited shortcuts", QStringList{"F12", "F11"});
                  },
                  [](SettingsTest& fixture, MainWindow&) {
                      EXPECT_EQ(
                          fixture.preferences()->shortcutsTab->getEditedShortcutValues().at(ShortcutActions::Exit),
                          cmd + "+Q");
                  }}),
    RowName());

// Every key the window reads comes back as it was stored, and the window
// writes the twelve keys.
TEST_F(SettingsTest, EveryKeyRoundTrips)
{
    QStringList shortcuts = defaultStoredShortcuts();
    shortcuts[ShortcutActions::Pause] = "META+P";
    shortcuts[ShortcutActions::Rewind] = "";  // cleared
    shortcuts[ShortcutActions::ZoomIn] = ","; // a comma, inside a stored list
    shortcuts[ShortcutActions::LoadSession] = "META+" + cmd + "+L";
    const QVariantMap written = {
        {"pos", QPoint(40, 30)},
        {"screen count", int(QGuiApplication::screens().size())},
        {"neck type", 3},
        {"recent files", QStringList{"/music/b.wav", "/music/a, with comma.wav", "/sessions/s.tb"}},
        {"audio device", "No sound"},
        {"always open folder string", "/srv/practice"},
        {"always open folder bool", true},
        {"file path", "/music/b.wav"},
        {"save location", temp.filePath("elsewhere")},
        {"edited shortcuts", shortcuts},
    };
    for (auto it = written.begin(); it != written.end(); ++it)
        store(it.key(), it.value());

    makeWindow();
    window->transport()->volumeKnob->setValue(50);
    window->writeSettings();

    for (auto it = written.begin(); it != written.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_EQ(stored(it.key()), it.value()) << stored(it.key()).toString().toStdString();
    }
    EXPECT_EQ(stored("version").toString(), "1.6.3.0");
    EXPECT_FLOAT_EQ(stored("volume").toFloat(), 0.5f);
    QStringList keys = SettingsStore::open()->allKeys();
    keys.sort();
    EXPECT_EQ(keys,
              QStringList({"MainWindow/always open folder bool", "MainWindow/always open folder string",
                           "MainWindow/audio device", "MainWindow/edited shortcuts", "MainWindow/file path",
                           "MainWindow/neck type", "MainWindow/pos", "MainWindow/recent files",
                           "MainWindow/save location", "MainWindow/screen count", "MainWindow/version",
                           "MainWindow/volume"}));
}

TEST_F(SettingsTest, ARecentEntryHoldingTheClearTextIsShownButNotWrittenAgain)
{
    store("recent files", QStringList{"/music/Clear Recent/a.wav", "/music/b.wav"});
    makeWindow();
    QMenu* recent = recentMenu(*window);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->actions().first()->text(), "/music/Clear Recent/a.wav");
    window->writeSettings();
    EXPECT_EQ(stored("recent files").toStringList(), QStringList({"/music/b.wav"}));
}

TEST_F(SettingsTest, ClosingTheShownWindowWritesTheSettings)
{
    makeWindow();
    window->tabArea()->chordsTab->neckTypeWidget->setNeckType(1);
    window->close();
    EXPECT_EQ(stored("neck type").toInt(), 1);
}

TEST_F(SettingsTest, AnEditedKeyAndTheDeviceSurviveARestart)
{
    makeWindow();
    ShortcutsTab* page = preferences()->shortcutsTab;
    page->keyPressed("Ctrl+Shift+P");
    page->setShortcut(); // the current row, "Exit"
    window->player()->setAudioDevice(window->player()->deviceStringToIndex("No sound"));
    window->close();
    window.reset();

    makeWindow();
    EXPECT_EQ(preferences()->shortcutsTab->shortcuts().at(ShortcutActions::Exit)->key(),
              QKeySequence("Ctrl+Shift+P", QKeySequence::PortableText));
    EXPECT_EQ(window->player()->getAudioDevice(), "No sound");
}

} // namespace
