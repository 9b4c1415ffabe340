// The output-device slots: the lookup by name and the switch while
// stopped, paused and playing.
#include "DeviceChoice.h"
#include "PlayerTestSupport.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace player_test;

namespace {

// ---------------------------------------------------------------------------
// Output devices.

struct NameCase
{
    const char* name;
    QString deviceName;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const NameCase& c)
{
    return os << c.name;
}

class DeviceNames : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(DeviceNames, FindTheFirstMatchingEntry)
{
    const QStringList names = {QStringLiteral("System default"), QStringLiteral("USB Audio Device"),
                               QStringLiteral("USB Audio"), QStringLiteral("No sound")};
    EXPECT_EQ(indexOfDevice(names, GetParam().deviceName), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeviceNames,
    ::testing::Values(NameCase{"exact", QStringLiteral("No sound"), 3},
                      NameCase{"default_suffix_removed", QStringLiteral("USB Audio Device (Default)"), 1},
                      NameCase{"empty_name_is_the_first_entry", QString(), 0},
                      NameCase{"containing_entry_before_the_equal_one", QStringLiteral("USB Audio"), 1},
                      NameCase{"case_sensitive", QStringLiteral("usb audio"), -1},
                      NameCase{"gone", QStringLiteral("HDMI 2"), -1}),
    RowName());

TEST(DeviceNames, ThePlayerLooksUpTheLayersList)
{
    Rig rig;
    EXPECT_EQ(rig.player->getDeviceList(), rig.output->deviceNames());
    EXPECT_EQ(rig.player->deviceStringToIndex(QStringLiteral("No sound")), 1);
    EXPECT_EQ(rig.player->getAudioDevice(), QStringLiteral("System default"));
}

struct SwitchCase
{
    const char* name;
    bool playing;
    bool paused;
    int index;
    const char* deviceAfter;
    bool playingAfter;
};

std::ostream& operator<<(std::ostream& os, const SwitchCase& c)
{
    return os << c.name;
}

class DeviceSwitch : public ::testing::TestWithParam<SwitchCase>
{
};

TEST_P(DeviceSwitch, StartsNothingAndGoesOnFromTheReadPosition)
{
    const SwitchCase c = GetParam();
    Rig rig;
    if (c.playing) {
        rig.player->play();
        for (int i = 0; i < 10; ++i)
            rig.turn(10.0);
        if (c.paused)
            rig.player->pause();
    }
    const int position = rig.player->getCurrentPosition();
    const size_t pushesBefore = rig.probe->pushes.size();
    const StreamHandle streamBefore = rig.probe->lastStream;

    rig.player->setAudioDevice(c.index);
    EXPECT_EQ(rig.player->getAudioDevice(), QString::fromLatin1(c.deviceAfter));
    EXPECT_EQ(rig.player->isPlaying(), c.playingAfter);
    EXPECT_EQ(rig.player->getCurrentPosition(), position);
    EXPECT_LE(rig.probe->live.size(), 1u);

    rig.turn(30.0); // enough for a block on the old stream too
    if (!c.playingAfter) {
        EXPECT_EQ(rig.probe->pushes.size(), pushesBefore) << "switching started playback";
        return;
    }
    ASSERT_GT(rig.probe->pushes.size(), pushesBefore);
    const ProbeOutput::Push& next = rig.probe->pushes[pushesBefore];
    EXPECT_EQ(next.positionAfter, position + chain::hop) << "goes on from the read position";
    if (next.stream != streamBefore) {
        EXPECT_EQ(next.frames[0], 0.0f) << "a new stream starts silent";
    }
    EXPECT_EQ(rig.output->state(next.stream), StreamState::Playing);
}

INSTANTIATE_TEST_SUITE_P(
    States, DeviceSwitch,
    ::testing::Values(SwitchCase{"stopped", false, false, 1, "No sound", false},
                      SwitchCase{"paused", true, true, 1, "No sound", false},
                      SwitchCase{"playing", true, false, 1, "No sound", true},
                      SwitchCase{"playing_to_the_default", true, false, -1, "System default", true},
                      SwitchCase{"playing_to_an_index_past_the_list", true, false, 7, "System default", true}),
    RowName());

TEST(DeviceSwitch, ResumeAfterASwitchWhilePausedGoesOn)
{
    Rig rig;
    rig.player->play();
    for (int i = 0; i < 10; ++i)
        rig.turn(10.0);
    rig.player->pause();
    const int position = rig.player->getCurrentPosition();
    rig.player->setAudioDevice(1);
    rig.player->pause();
    ASSERT_TRUE(rig.player->isPlaying());
    const size_t before = rig.probe->pushes.size();
    rig.turn(10.0);
    ASSERT_GT(rig.probe->pushes.size(), before);
    EXPECT_EQ(rig.probe->pushes[before].positionAfter, position + chain::hop);
}

} // namespace
