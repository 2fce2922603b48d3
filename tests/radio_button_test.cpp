#include <vector>

#include "control_test_fixture.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"

namespace vemra::ui {
namespace {

class RadioButtonTest : public ControlTest {
protected:
    RadioButtonTest() {
        first.setBounds({10, 10, 15, 15});
        second.setBounds({40, 10, 15, 15});
        panel.setBounds({100, 100, 60, 40});
        inPanel.setBounds({5, 5, 15, 15});
    }
    std::vector<bool> states() const { return {first.checked(), second.checked(), inPanel.checked()}; }

    RadioButton& first = window.add<RadioButton>("rad1");
    RadioButton& second = window.add<RadioButton>("rad2");
    Panel& panel = window.add<Panel>("p");
    RadioButton& inPanel = panel.add<RadioButton>("rad3");
};

TEST_F(RadioButtonTest, ClickAndSpaceCheckBeforeOnClickAndUncheckOnlyTheSameParent) {
    inPanel.setChecked(true);
    first.setChecked(true);
    std::vector<bool> seen;
    second.onClick = [&](Widget&) { seen.push_back(second.checked() && !first.checked()); };
    click(second, {7, 7});
    EXPECT_EQ(seen, (std::vector<bool>{true}));
    EXPECT_EQ(states(), (std::vector<bool>{false, true, true}));

    first.setChecked(true);
    EXPECT_EQ(states(), (std::vector<bool>{true, false, true}));
    key(vk::space);
    EXPECT_EQ(seen, (std::vector<bool>{true, true})) << "the click left the focus on the second";
    EXPECT_EQ(states(), (std::vector<bool>{false, true, true}));
}

}  // namespace
}  // namespace vemra::ui
