// F5 reads the text a screen shows aloud, in Persian; F5 again or Escape stops it, and Escape still
// leaves the screen. Headless runs record what would be spoken.
#include <gtest/gtest.h>

#include "scenario_support.h"

using namespace vemra::testing;

TEST(ReadAloud, F5ReadsWhatTheScreenShowsAndF5OrEscapeStops) {
    const std::string toArticlePart =
        "click 380 130\nwait 150\nclick 500 125\nwait 150\nclick 530 185\nwait 150\nclick 500 155\nwait 650\n"
        "click 540 268\nwait 650\n";
    const auto run = runTitle("key F5\nstate\n" + toArticlePart +
                              "key Ctrl+C\nkey F5\nstate\nkey F5\nstate\nkey F5\nkey Escape\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);

    const auto& menu = run.states[0]["speech"];
    EXPECT_FALSE(menu["speaking"]) << "the main menu shows no text to read";
    EXPECT_EQ(menu["text"], "");

    const auto& reading = run.states[1];
    ASSERT_EQ(reading["active"], "frm19");
    EXPECT_TRUE(reading["speech"]["speaking"]);
    EXPECT_NE(reading["clipboard"], "");
    EXPECT_EQ(reading["speech"]["text"], reading["clipboard"]) << "it reads what Ctrl+C copies";
    EXPECT_EQ(reading["speech"]["language"], "fa");

    EXPECT_FALSE(run.states[2]["speech"]["speaking"]) << "F5 again stops";
    EXPECT_EQ(run.states[2]["active"], "frm19");

    const auto& escaped = run.states[3];
    EXPECT_FALSE(escaped["speech"]["speaking"]) << "Escape stops";
    EXPECT_NE(escaped["active"], "frm19") << "and still leaves the screen";
}
