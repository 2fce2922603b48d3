// The moment of a sound being heard, from the buffers an output was handed and when.
#include <gtest/gtest.h>

#include "platform/media/audio_clock.h"

namespace vemra::media {
namespace {

constexpr int rate = 1000;  // a frame a millisecond, so that frames read as milliseconds

TEST(AudioClock, MovesWithTheSoundHeardAfterTheOutputsLatencyAndHoldsWhenNothingMoreComes) {
    AudioClock clock(rate, 20'000);  // the output holds 20 ms ahead of what is heard
    clock.restart(0);
    EXPECT_EQ(clock.heardUs(5'000), 0);
    clock.handed(0, 30, 100'000);  // 30 ms of sound at 100 ms: heard from 120 ms on
    EXPECT_EQ(clock.heardUs(110'000), 0);
    EXPECT_EQ(clock.heardUs(120'000), 0);
    EXPECT_EQ(clock.heardUs(135'000), 15'000);  // between buffers it moves with the time
    clock.handed(30, 30, 130'000);
    EXPECT_EQ(clock.heardUs(145'000), 25'000);  // still the first buffer, though the second was handed
    EXPECT_EQ(clock.heardUs(155'000), 35'000);
    // Paused: nothing more is handed over, and the clock stops at the end of what was.
    EXPECT_EQ(clock.heardUs(400'000), 60'000);
    // Played again: the next buffer is heard after the latency, until then the clock stands.
    clock.handed(60, 30, 500'000);
    EXPECT_EQ(clock.heardUs(510'000), 60'000);
    EXPECT_EQ(clock.heardUs(530'000), 70'000);
    // A buffer handed over early does not make the clock jump back.
    clock.handed(90, 30, 540'000);
    EXPECT_GE(clock.heardUs(545'000), clock.heardUs(539'000));
    // A move elsewhere starts again from its frame.
    clock.restart(2000);
    EXPECT_EQ(clock.heardUs(600'000), 2'000'000);
}

}  // namespace
}  // namespace vemra::media
