#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "control_test_fixture.h"
#include "platform/ui/edit.h"

namespace vemra::ui {
namespace {

class EditTest : public ControlTest {
protected:
    EditTest() {
        edit.setBounds({20, 30, 120, 24});
        edit.onChange = [this](Widget&) { ++changes; };
        edit.setFocus();
    }

    // Where the boundary before byte i is drawn, in the box's coordinates.
    int boundaryX(int i) const {
        const auto font = gfx::FontLibrary::shared().font(edit.font());
        const int area = edit.width() - 6, textWidth = font->textWidth(edit.text());
        const int left = edit.alignment() == Alignment::right ? 3 + area - textWidth : 3;
        return left + font->textWidth(edit.text().substr(0, std::size_t(i)));
    }

    Edit& edit = window.add<Edit>("e");
    int changes = 0;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndReplacesTheSelectionUpToMaxLength) {
    edit.setMaxLength(4);
    type("abcde");
    EXPECT_EQ(edit.text(), "abcd");
    EXPECT_EQ(edit.selStart(), 4);
    edit.setSelStart(1);
    edit.setSelLength(2);
    type("X");
    EXPECT_EQ(edit.text(), "aXd");
    EXPECT_EQ(edit.selStart(), 2);
    EXPECT_EQ(edit.selLength(), 0);
    EXPECT_EQ(changes, 5);
}

TEST_F(EditTest, BackspaceAndDeleteRemoveAroundTheCaretOrTheSelection) {
    edit.setText("abcd");
    edit.setSelStart(2);
    type("\b");
    EXPECT_EQ(edit.text(), "acd");
    EXPECT_EQ(edit.selStart(), 1);
    key(vk::del);
    EXPECT_EQ(edit.text(), "ad");
    EXPECT_EQ(edit.selStart(), 1);

    key(vk::home);
    key(vk::right, shiftKey);
    key(vk::right, shiftKey);
    EXPECT_EQ(edit.selLength(), 2);
    type("\b");
    EXPECT_EQ(edit.text(), "");

    const int before = changes;
    type("\b");
    key(vk::del);
    EXPECT_EQ(changes, before) << "nothing to remove is no change";
}

TEST_F(EditTest, ShiftExtendsFromTheFixedEnd) {
    edit.setText("abcdef");
    edit.setSelStart(4);
    key(vk::left, shiftKey);
    key(vk::left, shiftKey);
    EXPECT_EQ(edit.selStart(), 2);
    EXPECT_EQ(edit.selLength(), 2);
    key(vk::end, shiftKey);
    EXPECT_EQ(edit.selStart(), 4);
    EXPECT_EQ(edit.selLength(), 2);
    key(vk::home);
    EXPECT_EQ(edit.selStart(), 0);
    EXPECT_EQ(edit.selLength(), 0);
}

TEST_F(EditTest, HandlersConsumeKeysAndTheWindowHearsTheRest) {
    std::vector<int> windowKeys;
    window.onKeyDown = [&](Widget&, int& k, unsigned) { windowKeys.push_back(k); };
    window.onKeyPress = [&](Widget&, std::uint8_t& c) { windowKeys.push_back(1000 + c); };
    edit.onKeyPress = [](Widget&, std::uint8_t& c) {
        if (c == 'x') c = 0;
    };
    edit.onKeyDown = [](Widget&, int& k, unsigned) {
        if (k == vk::home) k = 0;
    };
    type("axb");
    EXPECT_EQ(edit.text(), "ab");
    key(vk::home);
    EXPECT_EQ(edit.selStart(), 2) << "Home was consumed by the handler";
    key(vk::left);
    key(vk::escape);
    key(vk::enter);
    type("\r\x1b");
    EXPECT_EQ(edit.selStart(), 1);
    EXPECT_EQ(windowKeys, (std::vector<int>{vk::escape, vk::enter, 1000 + '\r', 1000 + 27}));
}

TEST_F(EditTest, PointerPlacesTheCaretAtTheNearestBoundaryAndDragSelects) {
    for (Alignment a : {Alignment::left, Alignment::right}) {
        SCOPED_TRACE(a == Alignment::left ? "left" : "right");
        edit.setAlignment(a);
        edit.setText("wmwm");
        for (int i = 0; i <= 4; ++i) {
            click(edit, {boundaryX(i) + 1, 12});
            EXPECT_EQ(edit.selStart(), i);
        }
        click(edit, {1, 12});
        EXPECT_EQ(edit.selStart(), 0);
        click(edit, {edit.width() - 2, 12});
        EXPECT_EQ(edit.selStart(), 4);
    }
    down(edit, {boundaryX(3), 12});
    move(edit, {boundaryX(1), 12});
    up(edit, {boundaryX(1), 12});
    nlohmann::json out;
    edit.describe(out);
    EXPECT_EQ(out["caption"], "776d776d");
    EXPECT_EQ(out["selStart"], 1);
    EXPECT_EQ(out["selLength"], 2);
}

}  // namespace
}  // namespace vemra::ui
