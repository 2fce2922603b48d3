// Ctrl+C on the reading screens: the text a screen shows goes onto the clipboard as Unicode, one
// stored line a line, which shaped again gives back the stored lines of the demo's texts.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "kit/shaper.h"
#include "scenario_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

// Every line of the demo's text files, without a player's white-line mark.
std::set<std::string> storedLines() {
    std::set<std::string> lines;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(test_paths::demoTree) / "data2")) {
        std::ifstream in(entry.path(), std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (const auto mark = line.find('\x0e'); mark != std::string::npos) line.erase(mark, 1);
            lines.insert(line);
        }
    }
    return lines;
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

}  // namespace

TEST(CopyText, EveryReadingScreenCopiesTheTextItShows) {
    const std::string settle = "wait 650\n";
    const std::pair<const char*, std::string> roads[] = {
        {"frm19", "click 380 130\nwait 150\nclick 500 125\nwait 150\nclick 530 185\nwait 150\nclick 500 155\n" + settle +
                      "click 540 268\n" + settle},
        {"frm18", "click 460 70\n" + settle + "click 510 203\n" + settle},
        {"frm5", "click 530 195\nwait 400\nclick 313 80\nwait 50\n"},
        {"frm20", "click 530 195\nwait 400\nclick 550 35\nwait 100\ndblclick 450 104\n" + settle + "click 560 77\n" + settle},
        {"frm2", "click 530 130\nwait 150\nclick 420 270\n" + settle + "click 500 267\nwait 300\n"},
        {"frm35", "click 200 432\n" + settle + "click 40 130\n" + settle + "click 100 167\nwait 150\n"},
    };
    const std::set<std::string> stored = storedLines();
    for (const auto& [window, road] : roads) {
        const auto run = runTitle("key Ctrl+C\nstate\n" + road + "key Ctrl+C\nstate\nquit\n");
        ASSERT_EQ(run.exitCode, 0) << window << run.errors;
        ASSERT_EQ(run.states.size(), 2u) << window;
        EXPECT_EQ(run.states[0]["clipboard"], "") << "the main menu shows no text to copy";
        EXPECT_EQ(run.states[1]["active"], window);
        const std::string copied = run.states[1]["clipboard"];
        const auto lines = splitAt(copied, '\n');
        EXPECT_GE(lines.size(), 1u) << window;
        for (const std::string& line : lines) EXPECT_TRUE(stored.contains(kit::shape(line))) << window << ": " << line;
    }
}
