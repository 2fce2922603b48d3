#include <string>
#include <vector>

#include "control_test_fixture.h"
#include "platform/ui/memo.h"

namespace vemra::ui {
namespace {

class MemoTest : public ControlTest {
protected:
    static std::vector<std::string> numberedLines(int n) {
        std::vector<std::string> lines;
        for (int i = 0; i < n; ++i) lines.push_back("line " + std::to_string(i));
        return lines;
    }
    int lineHeight() const { return gfx::FontLibrary::shared().font(memo.font())->lineHeight(); }

    Memo& memo = window.add<Memo>("m");
};

TEST_F(MemoTest, TextJoinsLinesWithCrLfAndSplitsBackAtThem) {
    memo.setLines({"ab", "", "c\rd"});
    EXPECT_EQ(memo.text(), "ab\r\n\r\nc\rd");
    for (std::string text : {"", "a", "a\r\n", "\r\n\r\n", "x\ny\r\nz"}) {
        memo.setText(text);
        EXPECT_EQ(memo.text(), text);
    }
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"x\ny", "z"}));
}

TEST_F(MemoTest, SelectionCountsLineBreaksAsTwoCharactersAndClamps) {
    memo.setLines({"ab", "cd"});  // "ab\r\ncd": 6 characters
    memo.setSelStart(1);
    memo.setSelLength(4);
    EXPECT_EQ(memo.selText(), "b\r\nc");
    memo.setSelStart(5);
    EXPECT_EQ(memo.selLength(), 0) << "a new start empties the selection";
    memo.setSelLength(10);
    EXPECT_EQ(memo.selLength(), 1);
    EXPECT_EQ(memo.selText(), "d");
    memo.setSelStart(100);
    memo.setSelLength(3);
    EXPECT_EQ(memo.selStart(), 6);
    EXPECT_EQ(memo.selText(), "");
    memo.setSelStart(-3);
    memo.setSelLength(2);
    EXPECT_EQ(memo.selText(), "ab");
}

TEST_F(MemoTest, KeysScrollWithinTheLines) {
    memo.setBounds({10, 10, 200, 4 + 5 * lineHeight()});
    memo.setLines(numberedLines(12));
    memo.setFocus();
    key(vk::down);
    key(vk::down);
    EXPECT_EQ(memo.topLine(), 2);
    key(vk::next);
    EXPECT_EQ(memo.topLine(), 7) << "12 lines, 5 in view";
    key(vk::next);
    EXPECT_EQ(memo.topLine(), 7);
    key(vk::prior);
    EXPECT_EQ(memo.topLine(), 2);
    key(vk::end);
    EXPECT_EQ(memo.topLine(), 7);
    key(vk::home);
    EXPECT_EQ(memo.topLine(), 0);
    key(vk::up);
    EXPECT_EQ(memo.topLine(), 0);
}

TEST_F(MemoTest, BarArrowsScrollAndAreNotClicks) {
    memo.setBounds({10, 10, 200, 4 + 5 * lineHeight()});
    memo.setScrollBars(ScrollBars::vertical);
    memo.setLines(numberedLines(12));
    int clicks = 0;
    memo.onClick = [&](Widget&) { ++clicks; };
    const gfx::Point downArrow{memo.width() - 10, memo.height() - 6};
    click(memo, downArrow);
    EXPECT_EQ(memo.topLine(), 1);
    EXPECT_EQ(clicks, 0);
    click(memo, {20, 10});
    EXPECT_EQ(clicks, 1);
}

TEST_F(MemoTest, RightAlignedLinesEndAtTheTextAreaRightEdge) {
    memo.setBounds({10, 10, 200, 60});
    memo.setAlignment(Alignment::right);
    memo.setScrollBars(ScrollBars::vertical);
    memo.setLines({"abc"});
    window.paintDirty();

    // The text area lies inside the border and a one-pixel margin, left of the bar.
    const gfx::Rect area{10 + 3, 10 + 2, 200 - 6 - 16, 60 - 4};
    gfx::Bitmap expected = window.surface();
    expected.fill(area, memo.color());
    const auto font = gfx::FontLibrary::shared().font(memo.font());
    font->drawText(expected, area, area.right() - font->textWidth("abc"), area.top, "abc", memo.font().color);
    EXPECT_TRUE(window.surface() == expected);
}

TEST_F(MemoTest, RightAlignedTextScrollsFromItsRightEnd) {
    memo.setBounds({10, 10, 100, 60});
    memo.setAlignment(Alignment::right);
    memo.setScrollBars(ScrollBars::both);
    memo.setLines({std::string(60, 'w')});
    const int overflow = gfx::FontLibrary::shared().font(memo.font())->textWidth(std::string(60, 'w')) - (100 - 6 - 16);
    EXPECT_EQ(memo.scrollLeft(), overflow);
    memo.setScrollLeft(0);
    memo.addLine("short");
    EXPECT_EQ(memo.scrollLeft(), 0);
    memo.setLines({std::string(70, 'w')});
    EXPECT_GT(memo.scrollLeft(), overflow) << "a longer line is shown from its right end too";
}

}  // namespace
}  // namespace vemra::ui
