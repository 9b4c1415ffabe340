#include "DevicesTab.h"
#include "FakePreferencesDialogs.h"
#include "PreferencesMenu.h"
#include "RowName.h"
#include "SettingsStore.h"

#include "PlayerTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Answers the page's queries as the player does and records what it is sent.
class FakePlayer : public QObject
{
public:
    QStringList devices = {"System default", "Card A", "Card B", "No sound"};
    QString current = "System default";
    std::vector<int> deviceSwitches;
    std::vector<int> bufferSizes;

    // Joins a sender's three outgoing signals to this player.
    template <class Sender, class IndexSignal, class DeviceSignal, class BufferSignal>
    void takeCommands(Sender* sender, IndexSignal toIndex, DeviceSignal setDevice, BufferSignal setBuffer)
    {
        connect(sender, toIndex, this, [this](QString name) { return int(devices.indexOf(name)); });
        connect(sender, setDevice, this, [this](int index) { deviceSwitches.push_back(index); });
        connect(sender, setBuffer, this, [this](int ms) { bufferSizes.push_back(ms); });
    }
};

void wirePage(DevicesTab* page, FakePlayer* player)
{
    QObject::connect(page, &DevicesTab::getDeviceList, player, [player] { return player->devices; });
    QObject::connect(page, &DevicesTab::getCurrentDevice, player, [player] { return player->current; });
}

class DevicesTabTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wirePage(&page, &player);
        player.takeCommands(&page, &DevicesTab::deviceStringToIndex, qOverload<int>(&DevicesTab::setDevice),
                            &DevicesTab::setDeviceBufferSize);
    }

    QStringList comboTexts() const
    {
        QStringList texts;
        for (int i = 0; i < page.deviceCombo->count(); ++i)
            texts << page.deviceCombo->itemText(i);
        return texts;
    }

    void apply() { QTest::mouseClick(page.findChild<QPushButton*>(), Qt::LeftButton); }

    FakePlayer player;
    DevicesTab page{nullptr};
    struct Shown
    {
        explicit Shown(QWidget& widget) { widget.show(); }
    } shown{page}; // laid out, so that the button takes clicks
};

TEST_F(DevicesTabTest, EmptyNamesAreLeftOutAndTheDeviceInUseSelected)
{
    player.devices = QStringList{"System default", "", QString(), "Card B", "No sound"};
    player.current = "Card B";
    page.initDeviceList();
    EXPECT_EQ(comboTexts(), QStringList({"System default", "Card B", "No sound"}));
    EXPECT_EQ(page.deviceCombo->currentText(), "Card B");
    EXPECT_FALSE(page.touched);
}

TEST_F(DevicesTabTest, FixedEntriesReadInTheUsersLanguageAndGoOutByTheirNames)
{
    QTranslator german;
    ASSERT_TRUE(german.load(":/translations/tonbrook_de.qm"));
    QCoreApplication::installTranslator(&german);
    page.initDeviceList();
    const QString systemDefault = QCoreApplication::translate("AudioOutput", "System default");
    const QString noSound = QCoreApplication::translate("AudioOutput", "No sound");
    QCoreApplication::removeTranslator(&german);

    EXPECT_NE(systemDefault, "System default"); // looked up under the file's context
    EXPECT_EQ(comboTexts(), QStringList({systemDefault, "Card A", "Card B", noSound}));
    EXPECT_EQ(page.deviceCombo->currentIndex(), 0); // the device in use, found by its name
    page.deviceCombo->setCurrentIndex(3);
    apply();
    EXPECT_EQ(player.deviceSwitches, std::vector<int>{3}); // asked for by name: "No sound"
}

TEST_F(DevicesTabTest, DeviceInUseMissingFromTheListSelectsNothing)
{
    player.current = "card b"; // names compare exactly
    page.initDeviceList();
    EXPECT_EQ(page.deviceCombo->currentIndex(), -1);
    EXPECT_FALSE(page.touched);
}

TEST_F(DevicesTabTest, PickingMarksThePageAndRefillingClearsIt)
{
    page.initDeviceList();
    page.deviceCombo->setCurrentIndex(2);
    EXPECT_TRUE(page.touched);
    page.initDeviceList();
    EXPECT_FALSE(page.touched);
    EXPECT_EQ(page.deviceCombo->currentText(), "System default");
}

TEST_F(DevicesTabTest, ApplySendsTheDeviceByNameThenTheBufferAndClearsTheMark)
{
    page.initDeviceList();
    page.deviceCombo->setCurrentIndex(2);
    page.bufferSizeEdit->setText("120");
    apply();
    EXPECT_EQ(player.deviceSwitches, std::vector<int>{2});
    EXPECT_EQ(player.bufferSizes, std::vector<int>{120});
    EXPECT_FALSE(page.touched);
}

TEST_F(DevicesTabTest, BufferFieldStartsAtWhatTheOutputPlays)
{
    EXPECT_EQ(page.bufferSizeEdit->text().toInt(), AudioOutput::kDefaultBufferLengthMs);
}

struct BufferCase
{
    const char* name;
    const char* text;
    bool accepted;
};

class DevicesTabBuffer : public DevicesTabTest, public ::testing::WithParamInterface<BufferCase>
{
};

// Only whole milliseconds the output layer takes go out; "Apply" with any
// other text still switches the device.
TEST_P(DevicesTabBuffer, OnlyAFinishedLengthInRangeIsSent)
{
    const BufferCase& c = GetParam();
    const QString text = QString::fromLatin1(c.text);
    QString probe = text;
    int position = 0;
    EXPECT_EQ(page.bufferSizeEdit->validator()->validate(probe, position) == QValidator::Acceptable, c.accepted);

    page.initDeviceList();
    page.bufferSizeEdit->setText(text);
    apply();
    EXPECT_EQ(player.deviceSwitches.size(), 1u);
    EXPECT_EQ(player.bufferSizes, c.accepted ? std::vector<int>{text.toInt()} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Table, DevicesTabBuffer,
                         ::testing::Values(BufferCase{"lowest", "10", true}, BufferCase{"highest", "2000", true},
                                           BufferCase{"below", "9", false}, BufferCase{"above", "2001", false},
                                           BufferCase{"letters", "abc", false},
                                           BufferCase{"negative", "-5", false}, BufferCase{"empty", "", false},
                                           BufferCase{"grouped", "1,000", false},
                                           BufferCase{"fraction", "50.5", false}),
                         RowName());

TEST_F(DevicesTabTest, TypingCannotGoBeyondTheRange)
{
    page.bufferSizeEdit->clear();
    // "2001" may stand while typing (it could still become a number in
    // range once edited), a fifth digit, letters and signs cannot.
    QTest::keyClicks(page.bufferSizeEdit, "-20015x");
    EXPECT_EQ(page.bufferSizeEdit->text(), "2001");
}

// The dialog over the fake player, wired as the main window wires it.
class PreferencesDevicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog = std::make_unique<PreferencesMenu>(temp.path(), nullptr, Qt::Window | Qt::WindowCloseButtonHint);
        dialog->setDialogs(&dialogs);
        wirePage(dialog->devicesTab, &player);
        player.takeCommands(dialog.get(), &PreferencesMenu::deviceStringToIndex, &PreferencesMenu::setAudioDevice,
                            &PreferencesMenu::setDeviceBufferSize);
    }

    // Opens the dialog from an action named objectName and runs during
    // its modal loop, then leaves it as the step did (OK, Cancel or not).
    void openWith(const QString& objectName, std::function<void()> whileOpen)
    {
        QAction action(nullptr);
        action.setObjectName(objectName);
        bool ran = false;
        QTimer::singleShot(0, dialog.get(), [&] {
            ran = true;
            whileOpen();
            if (dialog->isVisible())
                dialog->reject();
        });
        dialog->showPreferences(&action);
        EXPECT_TRUE(ran);
        EXPECT_FALSE(dialog->isVisible());
    }

    void ok() { QTest::mouseClick(dialog->buttonBox->button(QDialogButtonBox::Ok), Qt::LeftButton); }
    void apply() { QTest::mouseClick(dialog->devicesTab->findChild<QPushButton*>(), Qt::LeftButton); }

    QTemporaryDir temp;
    SettingsStore::Redirect store{temp.filePath("settings.ini")};
    FakePreferencesDialogs dialogs;
    FakePlayer player;
    std::unique_ptr<PreferencesMenu> dialog;
};

struct PageCase
{
    const char* name;
    const char* objectName;
    int page;
};

class PreferencesPages : public PreferencesDevicesTest, public ::testing::WithParamInterface<PageCase>
{
};

TEST_P(PreferencesPages, ActionNameOpensItsPage)
{
    const PageCase& c = GetParam();
    dialog->tabWidget->setCurrentIndex(2);
    int shown = -1;
    openWith(QString::fromLatin1(c.objectName), [&] { shown = dialog->tabWidget->currentIndex(); });
    EXPECT_EQ(shown, c.page);
}

INSTANTIATE_TEST_SUITE_P(Table, PreferencesPages,
                         ::testing::Values(PageCase{"device", "device", 0}, PageCase{"paths", "paths", 1},
                                           PageCase{"shortcuts", "shortcuts", 2},
                                           PageCase{"language", "language", 3},
                                           PageCase{"other_keeps_last", "Paths", 2},
                                           PageCase{"empty_keeps_last", "", 2}),
                         RowName());

TEST_F(PreferencesDevicesTest, OkRightAfterOpeningSendsNothing)
{
    openWith("device", [&] { ok(); });
    EXPECT_TRUE(player.deviceSwitches.empty());
    EXPECT_TRUE(player.bufferSizes.empty());
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_F(PreferencesDevicesTest, MissingDeviceInUseAndOkSendsNothing)
{
    player.current = "Unplugged card";
    openWith("device", [&] {
        EXPECT_EQ(dialog->devicesTab->deviceCombo->currentIndex(), -1);
        ok();
    });
    EXPECT_TRUE(player.deviceSwitches.empty());
}

TEST_F(PreferencesDevicesTest, ChosenDeviceAndOkSwitchesOnceWithoutBuffer)
{
    openWith("device", [&] {
        dialog->devicesTab->deviceCombo->setCurrentIndex(1);
        ok();
    });
    EXPECT_EQ(player.deviceSwitches, std::vector<int>{1});
    EXPECT_TRUE(player.bufferSizes.empty());
}

TEST_F(PreferencesDevicesTest, ApplyThenOkSwitchesOnceAndSetsTheBuffer)
{
    openWith("device", [&] {
        dialog->devicesTab->deviceCombo->setCurrentIndex(3);
        apply();
        ok();
    });
    EXPECT_EQ(player.deviceSwitches, std::vector<int>{3});
    EXPECT_EQ(player.bufferSizes, std::vector<int>{50});
}

TEST_F(PreferencesDevicesTest, CancelKeepsThePickButTheNextOpeningRefills)
{
    openWith("device", [&] { dialog->devicesTab->deviceCombo->setCurrentIndex(2); });
    EXPECT_TRUE(player.deviceSwitches.empty());
    openWith("device", [&] {
        EXPECT_EQ(dialog->devicesTab->deviceCombo->currentText(), "System default");
        ok();
    });
    EXPECT_TRUE(player.deviceSwitches.empty());
}

// The page and the dialog on the real player, on the silent device.
TEST(PreferencesRealPlayer, NoSoundAndTheLongestBufferReachTheOutput)
{
    QTemporaryDir temp;
    SettingsStore::Redirect store(temp.filePath("settings.ini"));
    player_test::Rig rig;
    PreferencesMenu dialog(temp.path(), nullptr, Qt::Window);
    AudioPlayer* player = rig.player.get();
    QObject::connect(dialog.devicesTab, &DevicesTab::getDeviceList, player, &AudioPlayer::getDeviceList);
    QObject::connect(dialog.devicesTab, &DevicesTab::getCurrentDevice, player, &AudioPlayer::getAudioDevice);
    QObject::connect(&dialog, &PreferencesMenu::deviceStringToIndex, player, &AudioPlayer::deviceStringToIndex);
    QObject::connect(&dialog, &PreferencesMenu::setAudioDevice, player, &AudioPlayer::setAudioDevice);
    QObject::connect(&dialog, &PreferencesMenu::setDeviceBufferSize, player, &AudioPlayer::setDeviceBufferSize);

    dialog.show(); // laid out, so that the button takes clicks
    dialog.devicesTab->initDeviceList();
    ASSERT_EQ(dialog.devicesTab->deviceCombo->currentText(), "System default");
    ASSERT_EQ(dialog.devicesTab->deviceCombo->itemText(dialog.devicesTab->deviceCombo->count() - 1), "No sound");
    dialog.devicesTab->deviceCombo->setCurrentText("No sound");
    dialog.devicesTab->bufferSizeEdit->setText("2000");
    QTest::mouseClick(dialog.devicesTab->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(rig.output->currentDeviceName(), "No sound");
    EXPECT_EQ(rig.output->bufferLengthMs(), 2000);

    // Back to the default through OK alone.
    dialog.devicesTab->initDeviceList();
    EXPECT_EQ(dialog.devicesTab->deviceCombo->currentText(), "No sound");
    dialog.devicesTab->deviceCombo->setCurrentIndex(0);
    dialog.accept();
    EXPECT_EQ(rig.output->currentDeviceName(), "System default");
    EXPECT_EQ(rig.output->bufferLengthMs(), 2000);
}

} // namespace
