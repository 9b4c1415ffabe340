// The stream mixer as a sound card drives it: a card that pulls its whole
// buffer as it starts, and a card that reports running dry itself.
#include "StreamMixer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<float> frames(int numFrames, float value)
{
    return std::vector<float>(2 * size_t(numFrames), value);
}

// Until the card's start amount is queued a played stream stays silent and
// loses nothing; then it plays through the card's back-to-back pulls
// without a hole. Without a start amount it sounds from its first frame.
TEST(StreamMixer, StreamWaitsForTheCardsStartAmount)
{
    StreamMixer mixer;
    mixer.setStartFrames(1000);
    const StreamHandle s = mixer.create(44100, 44100);
    ASSERT_TRUE(mixer.play(s));
    const std::vector<float> some = frames(600, 0.5f);
    ASSERT_TRUE(mixer.push(s, some.data(), 600));
    std::vector<float> out(2 * 500);
    mixer.render(out.data(), 500);
    EXPECT_EQ(out.front(), 0.0f) << "sounded before the start amount";
    EXPECT_EQ(mixer.queuedFrames(s), 600);
    EXPECT_EQ(mixer.underrunCount(), 0);

    ASSERT_TRUE(mixer.push(s, some.data(), 600));
    mixer.render(out.data(), 500);
    mixer.render(out.data(), 500);
    EXPECT_EQ(out.back(), 0.5f);
    EXPECT_EQ(mixer.queuedFrames(s), 200);
    EXPECT_EQ(mixer.underrunCount(), 0);

    mixer.setStartFrames(0);
    const StreamHandle t = mixer.create(44100, 44100);
    ASSERT_TRUE(mixer.play(t));
    ASSERT_TRUE(mixer.push(t, some.data(), 10));
    mixer.stop(s);
    mixer.render(out.data(), 5);
    EXPECT_EQ(out.front(), 0.5f) << "no start amount: the first frame sounds";
}

// A card's start amount in a stream of a higher rate can be more than the
// ring holds (2 s of a 44.1 kHz card is 192 000 frames of a 96 kHz stream):
// the stream starts once most of the ring is queued instead of never.
TEST(StreamMixer, AStartAmountBeyondTheRingWaitsOnlyForMostOfIt)
{
    StreamMixer mixer;
    mixer.setStartFrames(88200);
    const StreamHandle s = mixer.create(96000, 44100);
    ASSERT_TRUE(mixer.play(s));
    const std::vector<float> block = frames(1024, 0.5f);
    std::vector<float> out(2 * 64);
    for (int pushed = 0; pushed < 100000; pushed += 1024)
        ASSERT_TRUE(mixer.push(s, block.data(), 1024));
    mixer.render(out.data(), 64);
    EXPECT_GT(out.back(), 0.0f) << "a queue as full as a player keeps it never started";
}

// A stream marked ended starts whatever it holds: a recording shorter than
// the card's buffer still plays.
TEST(StreamMixer, EndedStreamStartsWithLessThanTheStartAmount)
{
    StreamMixer mixer;
    mixer.setStartFrames(4096);
    const StreamHandle s = mixer.create(44100, 44100);
    const std::vector<float> some = frames(100, 0.25f);
    ASSERT_TRUE(mixer.push(s, some.data(), 100));
    ASSERT_TRUE(mixer.markEnd(s));
    ASSERT_TRUE(mixer.play(s));
    std::vector<float> out(2 * 200);
    mixer.render(out.data(), 200);
    EXPECT_EQ(out.front(), 0.25f);
    EXPECT_EQ(mixer.queuedFrames(s), 0);
    EXPECT_EQ(mixer.underrunCount(), 0);
}

// The card's own report of running dry counts while a stream sounded, not
// while only silence played.
TEST(StreamMixer, CardUnderflowCountsOnlyUnderSound)
{
    StreamMixer mixer;
    std::vector<float> out(2 * 64);
    mixer.render(out.data(), 64);
    mixer.noteDeviceUnderflow();
    EXPECT_EQ(mixer.underrunCount(), 0) << "nothing was playing";

    const StreamHandle s = mixer.create(44100, 44100);
    const std::vector<float> some = frames(1000, 0.5f);
    ASSERT_TRUE(mixer.push(s, some.data(), 1000));
    ASSERT_TRUE(mixer.play(s));
    mixer.render(out.data(), 64);
    mixer.noteDeviceUnderflow();
    EXPECT_EQ(mixer.underrunCount(), 1);
}

} // namespace
