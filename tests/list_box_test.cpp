#include <string>
#include <vector>

#include "control_test_fixture.h"
#include "platform/ui/list_box.h"

namespace vemra::ui {
namespace {

// A list 120 × 84: five items of 16 pixels fill its inside.
class ListBoxTest : public ControlTest {
protected:
    ListBoxTest() {
        list.setBounds({10, 10, 120, 84});
        list.onClick = [this](Widget&) { clicks.push_back(list.itemIndex()); };
        list.onDblClick = [this](Widget&) { ++doubleClicks; };
    }
    static std::vector<std::string> numbered(int n) {
        std::vector<std::string> items;
        for (int i = 0; i < n; ++i) items.push_back("item " + std::to_string(i));
        return items;
    }

    ListBox& list = window.add<ListBox>("lb");
    std::vector<int> clicks;
    int doubleClicks = 0;
    const gfx::Point downArrow{110, 76}, upArrow{110, 8}, trackBottom{110, 64};
};

TEST_F(ListBoxTest, ClicksSelectTheItemOfVariableHeightUnderThePointer) {
    list.onMeasureItem = [](ListBox&, int index, int& height) { height = 10 + 4 * index; };
    list.setItems(numbered(4));  // rows 10, 14, 18, 22 pixels high from y = 2
    click(list, {30, 2 + 10 + 14 + 17});
    EXPECT_EQ(list.itemIndex(), 2);
    click(list, {30, 2 + 10 + 3});
    EXPECT_EQ(list.itemIndex(), 1);
    click(list, {30, 2 + 64 + 5});
    EXPECT_EQ(list.itemIndex(), 1) << "below the last item";
    EXPECT_EQ(doubleClicks, 0);

    int selectedOnDouble = -1;
    list.onDblClick = [&](Widget&) { selectedOnDouble = list.itemIndex(); };
    click(list, {30, 2 + 10 + 14 + 17});
    click(list, {30, 2 + 10 + 14 + 17});
    EXPECT_EQ(selectedOnDouble, 2);
}

TEST_F(ListBoxTest, OwnerDrawingGetsTheRowsInViewBesideTheBar) {
    struct Drawn {
        int index;
        gfx::Rect rect;
        bool selected;
        bool operator==(const Drawn&) const = default;
    };
    std::vector<Drawn> drawn;
    list.onDrawItem = [&](ListBox&, int index, gfx::Canvas&, gfx::Rect rect, bool selected) {
        drawn.push_back({index, rect, selected});
    };
    list.setItems(numbered(10));
    list.setItemIndex(7);
    window.paintDirty();
    ASSERT_EQ(list.topIndex(), 3);
    EXPECT_EQ(drawn, (std::vector<Drawn>{{3, {0, 0, 100, 16}, false},
                                         {4, {0, 16, 100, 16}, false},
                                         {5, {0, 32, 100, 16}, false},
                                         {6, {0, 48, 100, 16}, false},
                                         {7, {0, 64, 100, 16}, true}}));

    drawn.clear();
    list.setItems(numbered(2));
    window.paintDirty();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].rect, (gfx::Rect{0, 16, 116, 16})) << "no bar when everything fits";
}

TEST_F(ListBoxTest, BarPressesScrollWithoutClicking) {
    list.setItems(numbered(10));
    click(list, downArrow);
    EXPECT_EQ(list.topIndex(), 1);
    click(list, trackBottom);
    EXPECT_EQ(list.topIndex(), 5) << "a page, up to the last item at the bottom";
    click(list, downArrow);
    EXPECT_EQ(list.topIndex(), 5);
    click(list, upArrow);
    click(list, upArrow);
    EXPECT_EQ(list.topIndex(), 3) << "a quick second press scrolls again";
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(doubleClicks, 0);
    EXPECT_EQ(list.itemIndex(), -1);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndScrollItIntoView) {
    list.setItems(numbered(10));
    list.setFocus();
    key(vk::down);
    EXPECT_EQ(list.itemIndex(), 0);
    key(vk::next);
    EXPECT_EQ(list.itemIndex(), 4) << "a page is the rows in view less one";
    EXPECT_EQ(list.topIndex(), 0);
    key(vk::next);
    EXPECT_EQ(list.itemIndex(), 8);
    EXPECT_EQ(list.topIndex(), 4);
    key(vk::end);
    EXPECT_EQ(list.itemIndex(), 9);
    EXPECT_EQ(list.topIndex(), 5);
    key(vk::down);
    key(vk::prior);
    EXPECT_EQ(list.itemIndex(), 5);
    EXPECT_EQ(list.topIndex(), 5);
    key(vk::up);
    EXPECT_EQ(list.topIndex(), 4);
    key(vk::home);
    EXPECT_EQ(list.topIndex(), 0);
    key(vk::up);
    EXPECT_EQ(clicks, (std::vector<int>{0, 4, 8, 9, 5, 4, 0})) << "every change of the selection, once";
}

TEST_F(ListBoxTest, VariableHeightsScrollUntilTheLastItemStandsAtTheBottom) {
    const std::vector<int> heights{30, 30, 30, 20, 20};
    list.onMeasureItem = [&](ListBox&, int index, int& height) { height = heights[std::size_t(index)]; };
    list.setItems(numbered(5));
    list.setTopIndex(4);
    EXPECT_EQ(list.topIndex(), 2);
    list.setTopIndex(0);
    list.setItemIndex(3);
    EXPECT_EQ(list.topIndex(), 1) << "the least scrolling that shows item 3 whole";
}

}  // namespace
}  // namespace vemra::ui
