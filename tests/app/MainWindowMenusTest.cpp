// The menus and actions as built, the window's start state, the small
// slots, the settings kept between runs and the order of shutting down.
#include "ShellTestSupport.h"

#include "AudioPlayer.h"
#include "MetaDataThread.h"
#include "PathsManager.h"
#include "RowName.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>

namespace {

using shell_test::ShellTest;

QMenu* menuTitled(MainWindow& window, const QString& title)
{
    for (QAction* action : window.menuBar()->actions()) {
        if (action->menu() && action->menu()->title() == title)
            return action->menu();
        if (action->menu()) {
            for (QAction* inner : action->menu()->actions()) {
                if (inner->menu() && inner->menu()->title() == title)
                    return inner->menu();
            }
        }
    }
    return nullptr;
}

struct MenuCase
{
    const char* name;
    const char* title;
    QStringList items; // "|" a separator, "Recent files >" the submenu
    bool enabled;
};

class MenuTable : public ShellTest, public ::testing::WithParamInterface<MenuCase>
{
};

TEST_P(MenuTable, HoldsItsItemsInOrder)
{
    makeWindow();
    QMenu* menu = menuTitled(*window, GetParam().title);
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("|")
                      : action->menu()  ? action->menu()->title() + " >"
                                        : action->text());
    EXPECT_EQ(items, GetParam().items);
    EXPECT_EQ(menu->isEnabled(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuTable,
    ::testing::Values(
        MenuCase{"file",
                 "&File",
                 {"&Open Audio File...", "Open CD Track...", "|", "&Save Session", "Save Session &As...",
                  "&Load Session...", "|", "Save Audio", "Save Audio Selection", "Save Riff Audio...",
                  "Save Song Audio...", "|", "Recent files >"},
                 true},
        MenuCase{"recent_files_on_a_first_start", "Recent files", {"|", "&Clear Recent"}, false},
        MenuCase{"options",
                 "&Options",
                 {"Set &Audio Device", "Set &Default Folders", "Set &Keyboard Shortcuts", "Set &Language"},
                 true},
        MenuCase{"help", "&Help", {"View Help", "About Tonbrook"}, true}),
    RowName());

struct ActionCase
{
    const char* name;
    const char* text;
    const char* objectName;
    bool enabled;
};

class ActionTable : public ShellTest, public ::testing::WithParamInterface<ActionCase>
{
};

TEST_P(ActionTable, StartsInItsStateWithoutShortcutOrCheckMark)
{
    makeWindow();
    QAction* found = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == GetParam().text && !action->menu())
            found = action;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->objectName(), QString(GetParam().objectName));
    EXPECT_EQ(found->isEnabled(), GetParam().enabled);
    EXPECT_FALSE(found->isCheckable());
    EXPECT_TRUE(found->shortcut().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Actions, ActionTable,
                         ::testing::Values(ActionCase{"open", "&Open Audio File...", "", true},
                                           ActionCase{"open_cd", "Open CD Track...", "", true},
                                           ActionCase{"save_session_as", "Save Session &As...", "", false},
                                           ActionCase{"save_session", "&Save Session", "", false},
                                           ActionCase{"load_session", "&Load Session...", "", true},
                                           ActionCase{"save_selection", "Save Audio Selection", "", false},
                                           ActionCase{"save_audio", "Save Audio", "", false},
                                           ActionCase{"save_song", "Save Song Audio...", "", false},
                                           ActionCase{"save_riff", "Save Riff Audio...", "", false},
                                           ActionCase{"device", "Set &Audio Device", "device", true},
                                           ActionCase{"paths", "Set &Default Folders", "paths", true},
                                           ActionCase{"shortcuts", "Set &Keyboard Shortcuts", "shortcuts", true},
                                           ActionCase{"language", "Set &Language", "language", true},
                                           ActionCase{"help", "View Help", "", true},
                                           ActionCase{"about", "About Tonbrook", "", true}),
                         RowName());

TEST_F(ShellTest, TheWindowStartsPlainAndFixed)
{
    makeWindow();
    EXPECT_EQ(window->windowTitle(), "Tonbrook");
    EXPECT_TRUE(window->statusBar()->isHidden());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    ASSERT_NE(window->centralWidget(), nullptr);
    EXPECT_EQ(window->centralWidget()->size(), QSize(MainWindow::contentWidth, MainWindow::contentHeight));
    const QSize before = window->size();
    window->resize(before + QSize(200, 100));
    EXPECT_EQ(window->size(), before);
    EXPECT_EQ(window->findChildren<QActionGroup*>().size(), 1);
    EXPECT_EQ(window->findChildren<QActionGroup*>().at(0)->actions().size(), 4);
    EXPECT_TRUE(window->acceptDrops());
}

TEST_F(ShellTest, AboutShowsTheVersionFirstAndHelpOpensTheOnlinePage)
{
    makeWindow();
    menuTitled(*window, "&Help")->actions().at(1)->trigger();
    menuTitled(*window, "&Help")->actions().at(0)->trigger();
    ASSERT_EQ(dialogs->log.size(), 2);
    EXPECT_TRUE(dialogs->log.at(0).startsWith("about:Tonbrook v1.6.3.0<br />"));
    EXPECT_TRUE(dialogs->log.at(1).startsWith("url:https://"));
}

TEST_F(ShellTest, AFirstStartOpensTheDialogInTheMusicFolder)
{
    makeWindow();
    EXPECT_EQ(window->paths()->getFilePath(), QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    EXPECT_EQ(window->paths()->getSavePath(), saveLocation);
}

TEST_F(ShellTest, RecentFilesAndTheLastFileSurviveARestart)
{
    const QString a = writeRecording("a.wav");
    const QString b = writeRecording("b.wav");
    makeWindow();
    ASSERT_EQ(window->open(a, false), 0);
    window->analysisThread()->wait();
    ASSERT_EQ(window->open(b, false), 0);
    window->analysisThread()->wait();
    window->close();
    window.reset();

    {
        QSettings settings("Halvarine", "Tonbrook");
        settings.beginGroup("MainWindow");
        EXPECT_EQ(settings.value("recent files").toStringList(), (QStringList{b, a}));
        EXPECT_EQ(settings.value("file path").toString(), b);
    }

    makeWindow();
    QMenu* recent = menuTitled(*window, "Recent files");
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isEnabled());
    ASSERT_EQ(recent->actions().size(), 4);
    EXPECT_EQ(recent->actions().at(0)->text(), b);
    EXPECT_EQ(recent->actions().at(1)->text(), a);
    EXPECT_EQ(window->paths()->getFileName(), b);
    EXPECT_EQ(window->paths()->getFilePath(), temp.path()) << "the folder of the last file";
}

TEST_F(ShellTest, AWindowNeverShownWritesNoSettingsWhenClosed)
{
    makeWindow();
    window->hide();
    window->close();
    QSettings settings("Halvarine", "Tonbrook");
    EXPECT_FALSE(settings.contains("MainWindow/recent files"));
}

TEST_F(ShellTest, ClosingDeletesThePlayerBeforeTheAnalysisThreadAndWaitsForBoth)
{
    const QString path = writeRecording("long.wav", 44100 * 30);
    makeWindow();
    ASSERT_EQ(window->open(path, false), 0);
    window->player()->play();
    EXPECT_TRUE(window->player()->isPlaying());
    QStringList order;
    QObject::connect(window->player(), &QObject::destroyed, [&order] { order << "player"; });
    QObject::connect(window->analysisThread(), &QObject::destroyed, [&order] { order << "analysis"; });
    EXPECT_TRUE(window->analysisThread()->isRunning()) << "thirty seconds take a while to analyse";
    window->close();
    window.reset();
    EXPECT_EQ(order, (QStringList{"player", "analysis"}));
}

} // namespace
