#include "ShortcutsTab.h"
#include "FakePreferencesDialogs.h"
#include "KeyTexts.h"
#include "RowName.h"
#include "ShortcutActions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

QKeySequence keys(const char* portable)
{
    return QKeySequence(QString::fromLatin1(portable), QKeySequence::PortableText);
}

const QString cmd = KeyTexts::commandSign();

// With nothing changed, the stored list holds these, in name order.
const QStringList defaultStoredList = {
    cmd + "+Q", "RIGHT", cmd + "+L", "'",        "\\", cmd + "+O", "RETURN", "F7", "F8", "DOWN",
    "SPACE",    "LEFT",  cmd + "+A", cmd + "+S", "3",  "1",        "2",      "F5", "F6", "F3",
    "L",        "F4",    "S",        "F2",       "F1", "[",        "]",      "=",  "-"};

class ShortcutsTabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page = std::make_unique<ShortcutsTab>(nullptr);
        page->setDialogs(&dialogs);
        page->resize(400, 600);
        page->show();
        tree = page->findChild<QTreeWidget*>("shortcutTree");
        edit = page->findChild<QLineEdit*>("shortcutEdit");
        prompt = page->findChild<QLabel*>("promptLabel");
        ASSERT_TRUE(tree && edit && prompt);
    }

    QTreeWidgetItem* row(ShortcutActions::Id id) const
    {
        const QList<QTreeWidgetItem*> found =
            tree->findItems(QString::fromLatin1(ShortcutActions::name(id)), Qt::MatchExactly, 0);
        return found.value(0);
    }

    QString displayOf(ShortcutActions::Id id) const { return page->getEditedShortcutValues().at(id); }
    QKeySequence keyOf(ShortcutActions::Id id) const { return page->shortcuts().at(id)->key(); }

    void select(ShortcutActions::Id id)
    {
        QTreeWidgetItem* item = row(id);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(item).center());
        ASSERT_EQ(tree->currentItem(), item);
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(tree, Qt::Key(key), modifiers);
    }

    void click(const char* button) { QTest::mouseClick(page->findChild<QPushButton*>(button), Qt::LeftButton); }

    QStringList stored() const
    {
        QStringList list;
        for (const QString& text : page->getEditedShortcutValues())
            list << KeyTexts::storedFromDisplay(text);
        return list;
    }

    FakePreferencesDialogs dialogs;
    std::unique_ptr<ShortcutsTab> page;
    QTreeWidget* tree = nullptr;
    QLineEdit* edit = nullptr;
    QLabel* prompt = nullptr;
};

TEST_F(ShortcutsTabTest, StartsOnExitWithTheDefaultStoredList)
{
    EXPECT_EQ(tree->currentItem(), row(ShortcutActions::Exit));
    EXPECT_EQ(prompt->text(), "Enter keystroke for \"Exit\":");
    EXPECT_EQ(stored(), defaultStoredList);
    EXPECT_EQ(row(ShortcutActions::Exit)->text(1), "Ctrl+Q");
    EXPECT_EQ(row(ShortcutActions::PlayStop)->text(1), "Space");
}

TEST_F(ShortcutsTabTest, OneNamedApplicationShortcutPerActionInNameOrder)
{
    const QList<QShortcut*> shortcuts = page->shortcuts();
    ASSERT_EQ(shortcuts.size(), ShortcutActions::count);
    for (int i = 0; i < ShortcutActions::count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(shortcuts.at(i)->objectName(), QString::fromLatin1(ShortcutActions::actions[i].name));
        EXPECT_EQ(shortcuts.at(i)->context(), Qt::ApplicationShortcut);
        EXPECT_EQ(shortcuts.at(i)->key(),
                  QKeySequence(QString::fromLatin1(ShortcutActions::actions[i].defaultKeys),
                               QKeySequence::PortableText));
    }
}

struct PressCase
{
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString display; // "" when nothing is captured
    const char* shown;
};

class ShortcutsTabCapture : public ShortcutsTabTest, public ::testing::WithParamInterface<PressCase>
{
};

TEST_P(ShortcutsTabCapture, PressOnTheTreeFillsTheFieldAndLeavesTheRow)
{
    const PressCase& c = GetParam();
    select(ShortcutActions::Rewind);
    press(c.key, c.modifiers);
    EXPECT_EQ(page->capturedText(), c.display);
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
    // Arrow keys are captured, not used to move through the rows.
    EXPECT_EQ(tree->currentItem(), row(ShortcutActions::Rewind));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShortcutsTabCapture,
    ::testing::Values(PressCase{"command_o", Qt::Key_O, Qt::ControlModifier, cmd + "+O", "Ctrl+O"},
                      PressCase{"control_o", Qt::Key_O, Qt::MetaModifier, "CTRL+O", "Meta+O"},
                      PressCase{"command_and_control", Qt::Key_O, Qt::ControlModifier | Qt::MetaModifier,
                                "CTRL+" + cmd + "+O", "Meta+Ctrl+O"},
                      PressCase{"arrow_key", Qt::Key_Down, Qt::NoModifier, "DOWN", "Down"},
                      PressCase{"escape_goes_on", Qt::Key_Escape, Qt::NoModifier, "", ""},
                      PressCase{"lone_modifier", Qt::Key_Shift, Qt::ShiftModifier, "", ""}),
    RowName());

TEST_F(ShortcutsTabTest, SetWithoutClickingAssignsToExit)
{
    press(Qt::Key_X, Qt::ControlModifier);
    click("setButton");
    EXPECT_EQ(displayOf(ShortcutActions::Exit), cmd + "+X");
    EXPECT_EQ(keyOf(ShortcutActions::Exit), keys("Ctrl+X"));
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_F(ShortcutsTabTest, SetWithTheRowsOwnTextOnlyClearsTheField)
{
    select(ShortcutActions::PlayStop);
    press(Qt::Key_Space);
    click("setButton");
    EXPECT_TRUE(dialogs.log.isEmpty());
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(displayOf(ShortcutActions::PlayStop), "SPACE");
}

TEST_F(ShortcutsTabTest, SetWithAnEmptyFieldClearsTheRow)
{
    select(ShortcutActions::ZoomIn);
    click("setButton");
    EXPECT_EQ(displayOf(ShortcutActions::ZoomIn), "");
    EXPECT_TRUE(keyOf(ShortcutActions::ZoomIn).isEmpty());
}

struct OverwriteCase
{
    const char* name;
    QMessageBox::StandardButton answer;
    bool taken;
};

class ShortcutsTabOverwrite : public ShortcutsTabTest, public ::testing::WithParamInterface<OverwriteCase>
{
};

TEST_P(ShortcutsTabOverwrite, AnotherActionsKeyAsksFirst)
{
    const OverwriteCase& c = GetParam();
    select(ShortcutActions::Rewind);
    press(Qt::Key_Space);
    dialogs.answers.push_back(c.answer);
    click("setButton");
    ASSERT_EQ(dialogs.log.size(), 1);
    EXPECT_EQ(dialogs.log.first(),
              "question:Overwrite Existing Shortcut?:The keystroke \"Space\" is currently being used for the "
              "action \"Play/Stop\"<br />Do you want to overwrite that shortcut?");
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(displayOf(ShortcutActions::Rewind), c.taken ? "SPACE" : "LEFT");
    EXPECT_EQ(displayOf(ShortcutActions::PlayStop), c.taken ? "" : "SPACE");
    EXPECT_EQ(keyOf(ShortcutActions::Rewind), QKeySequence(c.taken ? Qt::Key_Space : Qt::Key_Left));
    EXPECT_EQ(keyOf(ShortcutActions::PlayStop), c.taken ? QKeySequence() : QKeySequence(Qt::Key_Space));
}

INSTANTIATE_TEST_SUITE_P(Table, ShortcutsTabOverwrite,
                         ::testing::Values(OverwriteCase{"no_keeps_both", QMessageBox::No, false},
                                           OverwriteCase{"yes_moves_the_key", QMessageBox::Yes, true}),
                         RowName());

class ShortcutsTabClearOverEmpty : public ShortcutsTabTest, public ::testing::WithParamInterface<OverwriteCase>
{
};

TEST_P(ShortcutsTabClearOverEmpty, AsksWithAnEmptyKeystroke)
{
    const OverwriteCase& c = GetParam();
    select(ShortcutActions::ZoomOut);
    click("clearButton");
    select(ShortcutActions::ZoomIn);
    dialogs.answers.push_back(c.answer);
    click("clearButton");
    ASSERT_EQ(dialogs.log.size(), 1);
    EXPECT_TRUE(
        dialogs.log.first().contains("The keystroke \"\" is currently being used for the action \"Zoom Out\""));
    EXPECT_EQ(displayOf(ShortcutActions::ZoomOut), "");
    EXPECT_EQ(displayOf(ShortcutActions::ZoomIn), c.taken ? "" : "=");
}

INSTANTIATE_TEST_SUITE_P(Table, ShortcutsTabClearOverEmpty,
                         ::testing::Values(OverwriteCase{"no_keeps_the_row", QMessageBox::No, false},
                                           OverwriteCase{"yes_empties_the_row", QMessageBox::Yes, true}),
                         RowName());

TEST_F(ShortcutsTabTest, RestoreDefaultsAnsweredNoChangesNothing)
{
    select(ShortcutActions::Rewind);
    click("clearButton");
    dialogs.answers.push_back(QMessageBox::No);
    click("restoreDefaultsButton");
    EXPECT_EQ(displayOf(ShortcutActions::Rewind), "");
    EXPECT_EQ(tree->currentItem(), row(ShortcutActions::Rewind));
}

TEST_F(ShortcutsTabTest, RestoreDefaultsRebuildsOnceWithNewObjects)
{
    select(ShortcutActions::Rewind);
    click("clearButton");
    QPointer<QShortcut> old = page->shortcuts().at(ShortcutActions::Rewind);
    QSignalSpy rebuilt(page.get(), &ShortcutsTab::initMainWindowShortcuts);
    dialogs.answers.push_back(QMessageBox::Yes);
    click("restoreDefaultsButton");
    EXPECT_EQ(dialogs.log.value(0),
              "question:Restore Default Shortcuts:Are you sure you want to reset the keyboard shortcuts?");
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(page->shortcuts().size(), ShortcutActions::count);
    EXPECT_EQ(keyOf(ShortcutActions::Rewind), QKeySequence(Qt::Key_Left));
    EXPECT_EQ(stored(), defaultStoredList);
    EXPECT_EQ(tree->currentItem(), row(ShortcutActions::Exit));
    EXPECT_EQ(prompt->text(), "Enter keystroke for \"Exit\":");
}

TEST_F(ShortcutsTabTest, ClickingARowNamesItInThePrompt)
{
    select(ShortcutActions::ToggleLoop);
    EXPECT_EQ(prompt->text(), "Enter keystroke for \"Toggle Loop\":");
}

TEST_F(ShortcutsTabTest, ShowingThePageClearsTheFieldAndFocusesTheTree)
{
    press(Qt::Key_K);
    ASSERT_FALSE(edit->text().isEmpty());
    page->hide();
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(page->capturedText().isEmpty());
    EXPECT_TRUE(tree->hasFocus());
}

// Command and Control together answer only to both, in this run and after
// the list went through the store.
TEST_F(ShortcutsTabTest, CommandAndControlKeptAcrossARestart)
{
    select(ShortcutActions::LoadSession);
    press(Qt::Key_K, Qt::ControlModifier | Qt::MetaModifier);
    click("setButton");
    const QKeySequence both = keys("Meta+Ctrl+K");
    EXPECT_EQ(keyOf(ShortcutActions::LoadSession), both);

    ShortcutsTab restarted(nullptr);
    restarted.setEditedShortcutValues(stored());
    EXPECT_EQ(restarted.shortcuts().at(ShortcutActions::LoadSession)->key(), both);
    EXPECT_EQ(restarted.getEditedShortcutValues(), page->getEditedShortcutValues());
}

TEST_F(ShortcutsTabTest, StoredMetaShowsAsControlAndAnswersToIt)
{
    QStringList list = defaultStoredList;
    list[ShortcutActions::Pause] = "META+P";
    QSignalSpy rebuilt(page.get(), &ShortcutsTab::initMainWindowShortcuts);
    page->setEditedShortcutValues(list);
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_EQ(displayOf(ShortcutActions::Pause), "CTRL+P");
    EXPECT_EQ(row(ShortcutActions::Pause)->text(1), "Meta+P");
    EXPECT_EQ(keyOf(ShortcutActions::Pause), keys("Meta+P"));
    EXPECT_EQ(stored().at(ShortcutActions::Pause), "META+P");
}

struct ListCase
{
    const char* name;
    int entries;
    bool applied;
};

class ShortcutsTabStoredList : public ShortcutsTabTest, public ::testing::WithParamInterface<ListCase>
{
};

// The list is read by position: one shorter than the actions would give
// keys to the wrong actions, so it is ignored; entries after the 29th are.
TEST_P(ShortcutsTabStoredList, OnlyAWholeListIsApplied)
{
    const ListCase& c = GetParam();
    QStringList list;
    for (int i = 0; i < c.entries; ++i)
        list << QString("F%1").arg(i + 1);
    QSignalSpy rebuilt(page.get(), &ShortcutsTab::initMainWindowShortcuts);
    page->setEditedShortcutValues(list);
    EXPECT_EQ(rebuilt.count(), c.applied ? 1 : 0);
    EXPECT_EQ(displayOf(ShortcutActions::Exit), c.applied ? "F1" : cmd + "+Q");
    EXPECT_EQ(displayOf(ShortcutActions::ZoomOut), c.applied ? "F29" : "-");
}

INSTANTIATE_TEST_SUITE_P(Table, ShortcutsTabStoredList,
                         ::testing::Values(ListCase{"one_entry", 1, false}, ListCase{"twenty_eight", 28, false},
                                           ListCase{"twenty_nine", 29, true},
                                           ListCase{"thirty_extra_ignored", 30, true}),
                         RowName());

TEST_F(ShortcutsTabTest, StoredCtrlIsTheCommandKey)
{
    QStringList list = defaultStoredList;
    list[ShortcutActions::Pause] = "CTRL+P";
    page->setEditedShortcutValues(list);
    EXPECT_EQ(displayOf(ShortcutActions::Pause), cmd + "+P");
    EXPECT_EQ(keyOf(ShortcutActions::Pause), keys("Ctrl+P"));
}

struct InUseCase
{
    const char* name;
    const char* storedForPause;
    int key;
    Qt::KeyboardModifiers modifiers;
};

class ShortcutsTabLoadedInUse : public ShortcutsTabTest, public ::testing::WithParamInterface<InUseCase>
{
};

// Hand-edited or loaded texts that name the captured keys in another
// spelling are still found, with their owner.
TEST_P(ShortcutsTabLoadedInUse, OwnerIsFoundAndAsked)
{
    const InUseCase& c = GetParam();
    QStringList list = defaultStoredList;
    list[ShortcutActions::Pause] = QString::fromLatin1(c.storedForPause);
    page->setEditedShortcutValues(list);
    select(ShortcutActions::Rewind);
    press(c.key, c.modifiers);
    dialogs.answers.push_back(QMessageBox::Yes);
    click("setButton");
    ASSERT_EQ(dialogs.log.size(), 1);
    EXPECT_TRUE(dialogs.log.first().contains("for the action \"Pause\"")) << dialogs.log.first().toStdString();
    EXPECT_EQ(displayOf(ShortcutActions::Pause), "");
    EXPECT_TRUE(keyOf(ShortcutActions::Pause).isEmpty());
    EXPECT_EQ(keyOf(ShortcutActions::Rewind), KeyTexts::keySequence(QString::fromLatin1(c.storedForPause)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShortcutsTabLoadedInUse,
    ::testing::Values(InUseCase{"loaded_meta_control_key", "META+P", Qt::Key_P, Qt::MetaModifier},
                      InUseCase{"lower_case_hand_edit", "pgdown", Qt::Key_PageDown, Qt::NoModifier}),
    RowName());

TEST_F(ShortcutsTabTest, DeletingThePageDeletesItsShortcutsWhereverTheyLive)
{
    QWidget window;
    QPointer<QShortcut> shortcut = page->shortcuts().first();
    shortcut->setParent(&window);
    page.reset();
    EXPECT_TRUE(shortcut.isNull());
}

} // namespace
