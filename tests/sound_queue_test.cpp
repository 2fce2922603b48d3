#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/media/sound_queue.h"

using vemra::media::SoundQueue;

namespace {

// Stereo blocks of a counting signal: frame f holds the samples 2f and 2f + 1.
std::vector<std::int16_t> countingFrames(int firstFrame, int frames) {
    std::vector<std::int16_t> samples(std::size_t(frames) * 2);
    std::iota(samples.begin(), samples.end(), std::int16_t(firstFrame * 2));
    return samples;
}

}  // namespace

TEST(SoundQueue, HandsOverEverySampleInOrderWhateverTheSizesOfBlocksAndReads) {
    SoundQueue queue(2, 100);
    std::vector<std::int16_t> heard;
    int pushed = 0;
    // Blocks of 1152 frames (an MPEG audio frame) read in buffers of 2048 and odd sizes, so that
    // reads end in the middle of blocks and the read part is dropped many times over.
    for (int round = 0; round < 40; ++round) {
        queue.push(std::nullopt, countingFrames(pushed, 1152));
        pushed += 1152;
        std::vector<std::int16_t> buffer(std::size_t(round % 3 == 0 ? 2048 : 777) * 2);
        const int read = queue.read(buffer.data(), int(buffer.size() / 2));
        heard.insert(heard.end(), buffer.begin(), buffer.begin() + read * 2);
        EXPECT_EQ(queue.frames(), pushed - std::int64_t(heard.size() / 2));
    }
    std::vector<std::int16_t> rest(std::size_t(queue.frames()) * 2);
    EXPECT_EQ(queue.read(rest.data(), int(queue.frames()) + 10), int(rest.size() / 2));
    heard.insert(heard.end(), rest.begin(), rest.end());
    EXPECT_EQ(heard, countingFrames(0, pushed));
    EXPECT_EQ(queue.frames(), 0);
}

TEST(SoundQueue, LinesTheFirstBlockUpWithTheStartPoint) {
    SoundQueue queue(2, 100);
    std::vector<std::int16_t> out(20);

    queue.restart(1000);
    queue.push(990, countingFrames(990, 5));  // wholly before the start point: dropped
    queue.push(997, countingFrames(997, 6));  // begins 3 frames early: those are cut
    ASSERT_EQ(queue.read(out.data(), 10), 3);
    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.begin() + 6), countingFrames(1000, 3));

    queue.restart(2000);
    queue.push(2004, countingFrames(2004, 2));  // 4 frames late: silence before it
    ASSERT_EQ(queue.read(out.data(), 10), 6);
    std::vector<std::int16_t> expected(8, 0);
    const auto block = countingFrames(2004, 2);
    expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(std::vector<std::int16_t>(out.begin(), out.begin() + 12), expected);

    queue.restart(0);
    queue.push(500, countingFrames(500, 1));  // a gap longer than the longest allowed
    EXPECT_EQ(queue.frames(), 101);
}
