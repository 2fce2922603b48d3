#include "shell/transition_effects.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace vemra::shell {
namespace {

struct Recorder : EffectPainter {
    std::vector<std::pair<gfx::Rect, gfx::Rect>> copies;
    std::vector<long> pauses;
    void copy(gfx::Rect destination, gfx::Rect source) override { copies.emplace_back(destination, source); }
    void pause(long iterations) override { pauses.push_back(iterations); }

    // Which rows (or columns) of the cover some copy touched.
    std::set<int> covered(bool rows) const {
        std::set<int> lines;
        for (auto& [r, s] : copies)
            for (int i = rows ? r.top : r.left; i < (rows ? r.bottom() : r.right()); ++i) lines.insert(i);
        return lines;
    }
};

TEST(TransitionEffects, BlindsOpenTwoPixelsAStepAndOddBandsKeepTheirLastLine) {
    Recorder even;
    runRotatingEffect(1, {640, 480}, even);  // band 48: 24 steps cover every row
    EXPECT_EQ(even.pauses.size(), 25u);
    EXPECT_EQ(even.copies.size(), 240u);
    EXPECT_EQ(even.covered(true).size(), 480u);
    EXPECT_EQ(even.copies[1].first, (gfx::Rect{0, 48, 640, 2}));  // second cursor, first step

    Recorder odd;
    runRotatingEffect(1, {642, 479}, odd);  // band 47: 23 steps, the 47th row of each band stays
    const auto rows = odd.covered(true);
    EXPECT_EQ(odd.pauses.size(), 24u);
    EXPECT_EQ(rows.count(46), 0u);
    EXPECT_EQ(rows.count(45), 1u);
    EXPECT_EQ(rows.count(470), 0u);  // beyond ten bands nothing reaches
}

TEST(TransitionEffects, WideLastStripsAndPausesFollowTheTable) {
    Recorder e2;
    runRotatingEffect(2, {640, 480}, e2);  // band 64, 32 steps; the tenth cursor copies 10 at the end
    EXPECT_EQ(e2.copies.back().first, (gfx::Rect{9 * 64 + 62, 0, 10, 480}));
    const auto columns = e2.covered(false);
    EXPECT_EQ(*columns.rbegin(), 647);  // reaches past the edge; the cover clips it
    EXPECT_EQ(columns.size(), 648u);

    Recorder e4;
    runRotatingEffect(4, {640, 480}, e4);
    EXPECT_EQ(e4.pauses.front(), 1'000'000);
    EXPECT_EQ(e4.pauses.back(), 2'000'000);
    EXPECT_EQ(e4.copies.front().first, (gfx::Rect{64, 0, 2, 480}));

    for (int effect : {7, 8}) {
        Recorder r;
        runRotatingEffect(effect, {640, 480}, r);
        EXPECT_EQ(r.pauses.size(), 24u) << effect;  // no final pause
        EXPECT_EQ(r.copies.size(), 24u * 11u) << effect;
    }
    Recorder e8;
    runRotatingEffect(8, {640, 480}, e8);  // group B first, from 4b downward
    EXPECT_EQ(e8.copies.front().first, (gfx::Rect{0, 192, 640, 2}));
    EXPECT_EQ(e8.copies[6].first, (gfx::Rect{0, 0, 640, 2}));  // then group A, from 0 upward
}

TEST(TransitionEffects, TooSmallACoverDrawsNothingButStillPausesAtTheEnd) {
    Recorder r;
    runRotatingEffect(3, {640, 19}, r);
    EXPECT_TRUE(r.copies.empty());
    EXPECT_EQ(r.pauses, (std::vector<long>{2'000'000}));
    EXPECT_THROW(runRotatingEffect(9, {640, 480}, r), std::out_of_range);
}

TEST(TransitionEffects, ExitEffectDrawsEveryCellOnceFromTheSourcesFirstCell) {
    Recorder r;
    int calls = 0;
    // A generator that also yields the out-of-range 0 now and then, which must be drawn again.
    runExitEffect({641, 475}, r, [&](int n) { return (++calls % 3 == 0) ? 0 : (calls * 37) % n + 1; });
    ASSERT_EQ(r.copies.size(), 100u);
    std::set<std::pair<int, int>> cells;
    for (auto& [dst, src] : r.copies) {
        EXPECT_EQ(src, (gfx::Rect{0, 0, 64, 47}));
        EXPECT_EQ(dst.size(), src.size());
        cells.insert({dst.left, dst.top});
    }
    EXPECT_EQ(cells.size(), 100u);
    EXPECT_EQ(r.pauses.size(), 101u);
    EXPECT_EQ(r.pauses.back(), 20'000'000);
}

}  // namespace
}  // namespace vemra::shell
