#include "RecentFiles.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <random>

namespace {

class RecentFilesTest : public ::testing::Test
{
protected:
    QWidget window;
    QMenu* menu = new QMenu("Recent files", &window);
    QAction* clearAction = new QAction("&Clear Recent", &window);

    void SetUp() override { menu->setEnabled(false); }

    // The menu as texts, the separator as "|".
    QStringList shown() const
    {
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
        return texts;
    }

    static QStringList files(int from, int to) // newest first
    {
        QStringList list;
        for (int i = to; i >= from; --i)
            list << QStringLiteral("/music/%1.mp3").arg(i);
        return list;
    }

    // One separator, right above "&Clear Recent", which is last; no entry twice.
    void expectWellFormed() const
    {
        const QList<QAction*> actions = menu->actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_EQ(actions.last(), clearAction);
        int separators = 0;
        QStringList entries;
        for (int i = 0; i < actions.size(); ++i) {
            if (actions.at(i)->isSeparator()) {
                ++separators;
                EXPECT_EQ(i, actions.size() - 2);
            } else if (actions.at(i) != clearAction) {
                EXPECT_FALSE(entries.contains(actions.at(i)->text())) << actions.at(i)->text().toStdString();
                entries << actions.at(i)->text();
            }
        }
        EXPECT_EQ(separators, 1);
    }
};

TEST_F(RecentFilesTest, RestoringNothingLeavesTheMenuDisabledWithOnlyItsClearAction)
{
    RecentFiles::restore(menu, clearAction, {});
    EXPECT_FALSE(menu->isEnabled());
    EXPECT_EQ(shown(), (QStringList{"|", "&Clear Recent"}));
}

TEST_F(RecentFilesTest, RestoringSkipsEmptyTextsAndTheClearActionWithoutALimit)
{
    QStringList stored = files(1, 12);
    stored.insert(3, "");
    stored.insert(5, "&Clear Recent");
    stored.insert(6, "Clear Recent");
    RecentFiles::restore(menu, clearAction, stored);
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(shown(), (files(1, 12) + QStringList{"|", "&Clear Recent"}));
}

TEST_F(RecentFilesTest, NineAudioFilesLeaveTheEightNewest)
{
    RecentFiles::restore(menu, clearAction, {});
    for (int i = 1; i <= 9; ++i)
        RecentFiles::addAudioFile(menu, clearAction, QStringLiteral("/music/%1.mp3").arg(i));
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(shown(), (files(2, 9) + QStringList{"|", "&Clear Recent"}));
    expectWellFormed();
}

TEST_F(RecentFilesTest, ReopeningAListedFileMovesItToTheTopOnce)
{
    RecentFiles::restore(menu, clearAction, files(1, 5));
    RecentFiles::addAudioFile(menu, clearAction, "/music/2.mp3");
    EXPECT_EQ(shown(),
              (QStringList{"/music/2.mp3", "/music/5.mp3", "/music/4.mp3", "/music/3.mp3", "/music/1.mp3", "|",
                           "&Clear Recent"}));
    RecentFiles::addSessionFile(menu, clearAction, "/music/4.mp3");
    EXPECT_EQ(shown(),
              (QStringList{"/music/4.mp3", "/music/2.mp3", "/music/5.mp3", "/music/3.mp3", "/music/1.mp3", "|",
                           "&Clear Recent"}));
}

TEST_F(RecentFilesTest, TextsDifferingInCaseAreDifferentEntries)
{
    RecentFiles::restore(menu, clearAction, {"/music/Song.MP3"});
    RecentFiles::addAudioFile(menu, clearAction, "/music/Song.MP3");
    EXPECT_EQ(shown(), (QStringList{"/music/Song.MP3", "|", "&Clear Recent"}));
    RecentFiles::addAudioFile(menu, clearAction, "/music/Song.mp3");
    EXPECT_EQ(shown(), (QStringList{"/music/Song.mp3", "/music/Song.MP3", "|", "&Clear Recent"}));
}

TEST_F(RecentFilesTest, ClearingEmptiesAndDisablesUntilTheNextOpen)
{
    RecentFiles::restore(menu, clearAction, files(1, 3));
    RecentFiles::clear(menu);
    EXPECT_FALSE(menu->isEnabled());
    EXPECT_TRUE(menu->actions().isEmpty());
    RecentFiles::addAudioFile(menu, clearAction, "/music/new.wav");
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(shown(), (QStringList{"/music/new.wav", "|", "&Clear Recent"}));

    RecentFiles::clear(menu);
    RecentFiles::addSessionFile(menu, clearAction, "/s/a.tb");
    EXPECT_EQ(shown(), (QStringList{"/s/a.tb", "|", "&Clear Recent"}));
}

TEST_F(RecentFilesTest, TwelveRestoredEntriesStayTwelve)
{
    RecentFiles::restore(menu, clearAction, files(1, 12));
    RecentFiles::addAudioFile(menu, clearAction, "/music/13.mp3");
    RecentFiles::addAudioFile(menu, clearAction, "/music/14.mp3");
    EXPECT_EQ(shown(), (files(3, 14) + QStringList{"|", "&Clear Recent"}));
}

TEST_F(RecentFilesTest, SessionsKeepNineEntries)
{
    RecentFiles::restore(menu, clearAction, {});
    for (int i = 1; i <= 10; ++i)
        RecentFiles::addSessionFile(menu, clearAction, QStringLiteral("/music/%1.mp3").arg(i));
    EXPECT_EQ(shown(), (files(2, 10) + QStringList{"|", "&Clear Recent"}));
    expectWellFormed();
}

TEST_F(RecentFilesTest, AStoredPathHoldingTheClearTextIsShownButNotSavedAgain)
{
    RecentFiles::restore(menu, clearAction, {"/music/Clear Recent/a.mp3", "/music/b.mp3"});
    EXPECT_EQ(shown(), (QStringList{"/music/Clear Recent/a.mp3", "/music/b.mp3", "|", "&Clear Recent"}));
    EXPECT_EQ(RecentFiles::texts(menu), QStringList{"/music/b.mp3"});
}

TEST_F(RecentFilesTest, AnAmpersandShowsAsItselfAndThePathIsKeptAsItIs)
{
    const QString duo = "/music/Simon & Garfunkel/Song.mp3";
    const QString band = "/music/Earth, Wind && Fire.flac";
    RecentFiles::restore(menu, clearAction, {duo});
    RecentFiles::addAudioFile(menu, clearAction, band);
    RecentFiles::addSessionFile(menu, clearAction, duo);
    RecentFiles::addAudioFile(menu, clearAction, band);

    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 4) << "each path listed once";
    // The menu shows the text with its mnemonics taken out.
    EXPECT_EQ(entries.at(0)->iconText(), band);
    EXPECT_EQ(entries.at(1)->iconText(), duo);
    EXPECT_EQ(RecentFiles::pathOf(entries.at(0)), band);
    EXPECT_EQ(RecentFiles::texts(menu), (QStringList{band, duo}));
}

TEST_F(RecentFilesTest, AnyMixOfAddsAndClearsKeepsOneSeparatorAboveClear)
{
    RecentFiles::restore(menu, clearAction, files(1, 4));
    std::mt19937 random(17);
    std::uniform_int_distribution<int> pick(0, 14);
    for (int step = 0; step < 400; ++step) {
        const int n = pick(random);
        const QString path = QStringLiteral("/music/%1.mp3").arg(n);
        if (n == 14)
            RecentFiles::clear(menu);
        else if (n % 3 == 0)
            RecentFiles::addSessionFile(menu, clearAction, path);
        else
            RecentFiles::addAudioFile(menu, clearAction, path);
        if (n == 14)
            continue;
        SCOPED_TRACE(step);
        expectWellFormed();
        EXPECT_EQ(menu->actions().first()->text(), path) << "the newest entry leads";
        EXPECT_LE(menu->actions().size(), 11);
    }
}

} // namespace
