// The title's text on a real desktop: the SDL window under Xvfb takes Persian letters from the X
// keyboard into the search box, and what Ctrl+C copies is on X's clipboard for other programs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "scenario_support.h"
#include "test_paths.h"

using namespace vemra::testing;

namespace {

// What another program reads from the clipboard once it holds `wanted`, or its last text.
std::string waitForClipboard(const VirtualDisplay& display, const std::string& wanted) {
    std::string text;
    for (int tries = 0; tries < 150 && text != wanted; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        text = commandOutput("DISPLAY=" + display.name() + " timeout 2 xclip -selection clipboard -o 2>/dev/null");
    }
    return text;
}

}  // namespace

TEST(DesktopText, PersianFromTheXKeyboardTypesIntoTheSearchBoxAndCopiedTextReachesOtherPrograms) {
    const std::string toPart = "click 380 130\nwait 1000\nclick 500 125\nwait 1000\nclick 530 185\nwait 1000\n"
                               "click 500 155\nwait 1000\nclick 540 268\nwait 1000\nkey Ctrl+C\n";
    const auto headless = runTitle(toPart + "state\nquit\n");
    ASSERT_EQ(headless.states.size(), 1u) << headless.errors;
    const std::string part = headless.states[0]["clipboard"];
    ASSERT_FALSE(part.empty());

    const VirtualDisplay display;
    ASSERT_TRUE(display.running());
    // The part is copied; back to the crafts list, its search window, beh typed and copied; then the
    // X keyboard types the rest of the word.
    const std::string script = "wait 300\nclick 638 470\nwait 1000\n" + toPart + "wait 3000\nkey Escape\nwait 1000\n" +
                               "key Escape\nwait 1000\nclick 530 300\nwait 1500\nclick 407 415\nwait 1000\ntype f\n" +
                               "key Ctrl+C\nwait 6000\nstate\nquit\n";
    ScriptRun windowed;
    std::thread program([&] {
        windowed = runScript(script, "--content '" + std::string(test_paths::demoTree) + "' --scale 1", display.env());
    });
    const std::string copiedPart = waitForClipboard(display, part);
    const std::string copiedBeh = waitForClipboard(display, "\u0628");
    if (copiedBeh == "\u0628") commandOutput("DISPLAY=" + display.name() + " xdotool type --delay 100 '\u0627\u0641\u06CC'");
    program.join();
    EXPECT_EQ(copiedPart, part);
    EXPECT_EQ(copiedBeh, "\u0628");
    ASSERT_EQ(windowed.exitCode, 0) << windowed.errors;
    ASSERT_EQ(windowed.states.size(), 1u) << windowed.errors;
    EXPECT_EQ(windowed.states[0]["active"], "sear");
    EXPECT_EQ(windowed.states[0]["screen"]["text"], "a9751f2b");  // as the keys fhtd type it
}
