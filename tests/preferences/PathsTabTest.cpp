#include "PathsTab.h"
#include "FakePreferencesDialogs.h"
#include "PreferencesMenu.h"
#include "RowName.h"
#include "SettingsStore.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString musicFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

class PathsTabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        defaultLocation = temp.filePath("data/Tonbrook");
        page = std::make_unique<PathsTab>(defaultLocation, nullptr);
        page->setDialogs(&dialogs);
        page->show(); // laid out, so that the buttons take clicks
    }

    QPushButton* button(const char* name) const { return page->findChild<QPushButton*>(name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void pressOn(const char* name) { QTest::mousePress(page->findChild<QWidget*>(name), Qt::LeftButton); }

    QTemporaryDir temp;
    QString defaultLocation;
    FakePreferencesDialogs dialogs;
    std::unique_ptr<PathsTab> page;
};

TEST_F(PathsTabTest, StartsWithPreviousLocationTheMusicFolderAndTheDefaultSaveLocation)
{
    EXPECT_TRUE(page->openPreviousRadio->isChecked());
    EXPECT_FALSE(page->useAudioEditPath());
    EXPECT_EQ(page->getAudioPath(), musicFolder());
    EXPECT_EQ(page->saveLocationEdit->text(), defaultLocation);
    EXPECT_FALSE(page->audioPathEdit->isEnabled());
    EXPECT_FALSE(button("audioPathButton")->isEnabled());
    EXPECT_FALSE(page->touched);
}

struct PressCase
{
    const char* name;
    const char* target;
    bool startAlwaysOpen;
    bool alwaysOpenAfter;
};

class PathsTabPress : public PathsTabTest, public ::testing::WithParamInterface<PressCase>
{
};

TEST_P(PathsTabPress, PressOnALabelOrTheGreyedFieldPicksItsChoice)
{
    const PressCase& c = GetParam();
    page->initDefaultFilePath(c.startAlwaysOpen, temp.path());
    pressOn(c.target);
    EXPECT_EQ(page->alwaysOpenRadio->isChecked(), c.alwaysOpenAfter);
    EXPECT_EQ(page->openPreviousRadio->isChecked(), !c.alwaysOpenAfter);
    EXPECT_EQ(page->audioPathEdit->isEnabled(), c.alwaysOpenAfter);
    EXPECT_EQ(button("audioPathButton")->isEnabled(), c.alwaysOpenAfter);
    EXPECT_TRUE(page->touched);
}

INSTANTIATE_TEST_SUITE_P(Table, PathsTabPress,
                         ::testing::Values(PressCase{"greyed_field", "audioPathEdit", false, true},
                                           PressCase{"always_open_label", "alwaysOpenLabel", false, true},
                                           PressCase{"open_previous_label", "openPreviousLocationLabel", true,
                                                     false},
                                           // Pressing the checked choice's label keeps it and marks the page.
                                           PressCase{"already_checked", "alwaysOpenLabel", true, true}),
                         RowName());

TEST_F(PathsTabTest, StoredChoiceShowsUntouched)
{
    page->initDefaultFilePath(true, "/srv/music");
    EXPECT_TRUE(page->useAudioEditPath());
    EXPECT_EQ(page->getAudioPath(), "/srv/music");
    EXPECT_TRUE(page->audioPathEdit->isEnabled());
    EXPECT_FALSE(page->touched);
    page->initDefaultFilePath(false, "/elsewhere");
    EXPECT_TRUE(page->openPreviousRadio->isChecked());
    EXPECT_EQ(page->getAudioPath(), "/srv/music");
    EXPECT_FALSE(page->touched);
}

TEST_F(PathsTabTest, ChosenAudioFolderLeavesTheCurrentFolderAlone)
{
    page->initDefaultFilePath(true, temp.path());
    const QString before = QDir::currentPath();
    dialogs.folders = {QString(), temp.filePath("chosen")};
    click("audioPathButton");
    EXPECT_EQ(page->getAudioPath(), temp.path());
    EXPECT_FALSE(page->touched);
    click("audioPathButton");
    EXPECT_EQ(page->getAudioPath(), temp.filePath("chosen"));
    EXPECT_TRUE(page->touched);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(dialogs.startFolders, QStringList({temp.path(), temp.path()}));
    EXPECT_EQ(dialogs.folderOptions.value(0), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    EXPECT_EQ(dialogs.log.value(0), "folder:Select Default Audio Path");
}

TEST_F(PathsTabTest, ChosenSaveLocationStartsAtTheFolderItself)
{
    const QString chosen = temp.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkpath(chosen));
    dialogs.folders = {chosen};
    click("savePathButton");
    EXPECT_EQ(dialogs.startFolders, QStringList({defaultLocation}));
    EXPECT_EQ(dialogs.folderOptions.value(0), QFileDialog::Options(QFileDialog::ShowDirsOnly));
    EXPECT_EQ(page->saveLocationEdit->text(), chosen);
    EXPECT_TRUE(page->touched);
    EXPECT_EQ(dialogs.log, QStringList({"folder:Select Default Tonbrook Save Folder"}));
}

TEST_F(PathsTabTest, SaveLocationThatCannotBeWrittenIsRefused)
{
    // A file where the folder should be: it can be neither made nor
    // written, whoever runs the test.
    QFile blocker(temp.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs.folders = {temp.filePath("blocker/sub")};
    click("savePathButton");
    EXPECT_EQ(page->saveLocationEdit->text(), defaultLocation);
    EXPECT_FALSE(page->touched);
    ASSERT_EQ(dialogs.log.size(), 2);
    EXPECT_TRUE(dialogs.log.at(1).startsWith("warning:Cannot Use Folder:"));
}

TEST_F(PathsTabTest, CancelledSaveDialogChangesNothing)
{
    dialogs.folders = {QString()};
    click("savePathButton");
    EXPECT_EQ(page->saveLocationEdit->text(), defaultLocation);
    EXPECT_FALSE(page->touched);
}

TEST_F(PathsTabTest, RestoreDefaultsAnsweredNoChangesNothing)
{
    page->initDefaultFilePath(true, temp.path());
    page->setSessionPath(temp.path());
    dialogs.answers = {QMessageBox::No};
    click("restoreDefaultsButton");
    EXPECT_EQ(
        dialogs.log.value(0),
        "question:Restore Default Folder Paths:Are you sure you want to restore the default folder settings?");
    EXPECT_TRUE(page->useAudioEditPath());
    EXPECT_EQ(page->getAudioPath(), temp.path());
    EXPECT_EQ(page->saveLocationEdit->text(), temp.path());
    EXPECT_FALSE(page->touched);
}

// The dialog over the page: what OK hands the folder manager.
class PreferencesPathsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        defaultLocation = temp.filePath("data/Tonbrook");
        dialog = std::make_unique<PreferencesMenu>(defaultLocation, nullptr, Qt::Window);
        dialog->setDialogs(&dialogs);
        dialog->show();
        QObject::connect(dialog.get(), &PreferencesMenu::updatePaths, dialog.get(),
                         [this](const QString& audio, const QString& save) { updates << audio + "|" + save; });
    }

    void ok() { QTest::mouseClick(dialog->buttonBox->button(QDialogButtonBox::Ok), Qt::LeftButton); }

    QTemporaryDir temp;
    SettingsStore::Redirect store{temp.filePath("settings.ini")};
    QString defaultLocation;
    FakePreferencesDialogs dialogs;
    std::unique_ptr<PreferencesMenu> dialog;
    QStringList updates;
};

TEST_F(PreferencesPathsTest, RestoreDefaultsThenOkClearsTheFolderAndRestoresTheLocation)
{
    dialog->pathsTab->initDefaultFilePath(true, temp.path());
    dialog->pathsTab->setSessionPath(temp.path());
    dialogs.answers = {QMessageBox::Yes};
    QTest::mouseClick(dialog->pathsTab->findChild<QPushButton*>("restoreDefaultsButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->pathsTab->getAudioPath(), musicFolder());
    EXPECT_TRUE(dialog->pathsTab->openPreviousRadio->isChecked());
    EXPECT_TRUE(dialog->pathsTab->touched);
    ok();
    EXPECT_EQ(updates, QStringList({"|" + defaultLocation}));
}

TEST_F(PreferencesPathsTest, EveryOkAppliesATouchedPageAgain)
{
    QTest::mousePress(dialog->pathsTab->findChild<QLabel*>("alwaysOpenLabel"), Qt::LeftButton);
    ok();
    dialog->show();
    ok();
    EXPECT_EQ(updates,
              QStringList({musicFolder() + "|" + defaultLocation, musicFolder() + "|" + defaultLocation}));
}

TEST_F(PreferencesPathsTest, UntouchedPageSendsNothing)
{
    ok();
    EXPECT_TRUE(updates.isEmpty());
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
