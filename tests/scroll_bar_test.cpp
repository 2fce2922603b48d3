#include <cstdint>
#include <vector>

#include "control_test_fixture.h"
#include "platform/ui/scroll_bar.h"

namespace vemra::ui {
namespace {

// A bar 200 × 16 over [0, 152]: 16-pixel arrows and thumb, so the thumb's left edge is 16 + position.
class ScrollBarTest : public ControlTest {
protected:
    struct Action {
        ScrollCode code;
        int pos;
        std::int64_t ms;
        bool operator==(const Action&) const = default;
    };

    ScrollBarTest() {
        bar.setBounds({10, 100, 200, 16});
        bar.setMax(152);
        bar.onScroll = [this](ScrollBar&, ScrollCode code, int& pos) { actions.push_back({code, pos, app.nowMs()}); };
        bar.onChange = [this](Widget&) { ++changes; };
    }

    ScrollBar& bar = window.add<ScrollBar>("sb");
    std::vector<Action> actions;
    int changes = 0;
};

TEST_F(ScrollBarTest, HeldArrowRepeatsAfter400MsThenEvery50WhileThePointerStaysOnIt) {
    const gfx::Point rightArrow{192, 8};
    down(bar, rightArrow);
    wait(399);
    EXPECT_EQ(actions, (std::vector<Action>{{ScrollCode::lineDown, 1, 0}}));
    wait(101);
    move(bar, {100, 8});
    wait(100);
    move(bar, rightArrow);
    wait(50);
    up(bar, rightArrow);
    wait(500);
    using enum ScrollCode;
    EXPECT_EQ(actions, (std::vector<Action>{{lineDown, 1, 0},
                                            {lineDown, 2, 400},
                                            {lineDown, 3, 450},
                                            {lineDown, 4, 500},
                                            {lineDown, 5, 650},
                                            {endScroll, 5, 650}}));
    EXPECT_EQ(bar.position(), 5);
    EXPECT_EQ(changes, 5);
}

TEST_F(ScrollBarTest, HeldTrackPagesTowardsThePointerUntilTheThumbReachesIt) {
    bar.setLargeChange(20);
    down(bar, {100, 8});
    wait(1000);
    up(bar, {100, 8});
    using enum ScrollCode;
    EXPECT_EQ(actions, (std::vector<Action>{{pageDown, 20, 0},
                                            {pageDown, 40, 400},
                                            {pageDown, 60, 450},
                                            {pageDown, 80, 500},
                                            {endScroll, 80, 1000}}));
    actions.clear();
    click(bar, {20, 8});
    EXPECT_EQ(actions.front(), (Action{pageUp, 60, 1000}));
}

TEST_F(ScrollBarTest, ThumbDragTracksAndTheReleaseSetsThePosition) {
    bar.setPosition(10);  // thumb over 26..41
    down(bar, {30, 8});
    move(bar, {80, 30});
    move(bar, {400, 8});
    move(bar, {90, 8});
    move(bar, {90, 9});
    EXPECT_EQ(bar.position(), 70);
    up(bar, {90, 9});
    using enum ScrollCode;
    EXPECT_EQ(actions, (std::vector<Action>{{thumbTrack, 60, 0},
                                            {thumbTrack, 152, 0},
                                            {thumbTrack, 70, 0},
                                            {thumbPosition, 70, 0},
                                            {endScroll, 70, 0}}));
    EXPECT_EQ(changes, 4);
}

TEST_F(ScrollBarTest, HandlerChoosesThePositionAndOnChangeFollowsOnlyChanges) {
    bar.setFocus();
    bar.onScroll = [this](ScrollBar&, ScrollCode code, int& pos) {
        actions.push_back({code, pos, 0});
        if (code == ScrollCode::lineDown) pos = 142;
    };
    key(vk::right);
    EXPECT_EQ(bar.position(), 142);
    key(vk::end);
    key(vk::end);
    EXPECT_EQ(bar.position(), 152);
    EXPECT_EQ(changes, 2);
    key(vk::home);
    EXPECT_EQ(bar.position(), 0);
    using enum ScrollCode;
    EXPECT_EQ(actions, (std::vector<Action>{{lineDown, 1, 0},
                                            {endScroll, 142, 0},
                                            {bottom, 152, 0},
                                            {endScroll, 152, 0},
                                            {bottom, 152, 0},
                                            {endScroll, 152, 0},
                                            {top, 0, 0},
                                            {endScroll, 0, 0}}));
    bar.setPosition(500);
    bar.setMax(40);
    EXPECT_EQ(bar.position(), 40);
    EXPECT_EQ(changes, 5) << "the program's changes count too";
}

}  // namespace
}  // namespace vemra::ui
