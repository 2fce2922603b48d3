// The whole navigation tree walked through the real hotspots of every link of the map.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <map>
#include <string>
#include <vector>

#include "designs/design.h"
#include "scenario_support.h"
#include "test_paths.h"
#include "title/navigation_map.h"

using namespace vemra;
using vemra::testing::findWindow;
using vemra::testing::runTitle;

namespace {

constexpr std::string_view titleRow = "a title row";
constexpr std::string_view keyWithNoLetter = "a key with no letter";

// What a screen plays and animates when opened (an empty track or 0: not its own to check).
struct Expected {
    std::string track;
    int animationSet = 0;
};

const std::map<std::string, Expected, std::less<>> catalogue = {
    {"frm9", {"data1\\08.dat", 8}},   {"frm23", {"data1\\07.dat", 5}},  {"frm24", {"data1\\18.dat", 25}},
    {"frm26", {"data1\\13.dat", 11}}, {"frm7", {"data1\\03.dat", 3}},   {"frm33", {"data1\\01.dat", 0}},
    {"frm34", {"data1\\08.dat", 12}}, {"frm10", {"data1\\11.dat", 15}}, {"frm22", {"data1\\10.dat", 13}},
    {"frm21", {"data1\\09.dat", 9}},  {"frm11", {"data1\\04.dat", 6}},  {"frm12", {"data1\\14.dat", 19}},
    {"frm18", {"data1\\02.dat", 18}}, {"frm20", {"data1\\05.dat", 12}}, {"frm5", {"data1\\00.dat", 0}},
    {"frm8", {"", 4}},                {"frm27", {"data1\\17.dat", 21}}, {"frm29", {"data1\\06.dat", 22}},
    {"frm28", {"data1\\19.dat", 24}}, {"frm30", {"data1\\15.dat", 0}},  {"frm31", {"data1\\16.dat", 26}},
    {"Frm14", {"data1\\12.dat", 0}},  {"frm32", {"data1\\12.dat", 0}},
};

const designs::ComponentDesign& component(std::string_view window, std::string_view name) {
    for (const auto& c : designs::findDesign(window)->components)
        if (c.name == name) return c;
    throw std::runtime_error(std::string(name) + " is not on " + std::string(window));
}

// A point of a component of a full screen (shown at the display's origin) near its top left
// corner, which stays where it is when the corner animation resizes its label.
std::string pointOf(std::string_view window, std::string_view name) {
    const gfx::Rect r = component(window, name).rect;
    return std::to_string(r.left + std::min(r.width / 2, 20)) + " " + std::to_string(r.top + std::min(r.height / 2, 20));
}

// The commands that open a link's target from its opener.
std::string follow(const shell::Link& l) {
    if (l.trigger == titleRow) return "click " + pointOf(l.opener, "Label2") + "\n";
    if (l.trigger == keyWithNoLetter) return "type A\n";
    if (l.trigger == "a double click on the index") {
        const gfx::Rect list = component(l.opener, "ls1").rect;
        return "click " + pointOf(l.opener, "l1") + "\nwait 100\ndblclick " + std::to_string(list.left + 20) + " " +
               std::to_string(list.top + 8) + "\n";
    }
    return "click " + pointOf(l.opener, l.trigger) + "\n";
}

// The links from the main menu down to `window`, taking the first link into each screen.
std::vector<shell::Link> pathTo(std::string_view window) {
    std::vector<shell::Link> path;
    while (window != "frm1") {
        for (const shell::Link& l : title::navigationMap())
            if (l.target == window) {
                path.insert(path.begin(), l);
                window = l.opener;
                break;
            }
    }
    return path;
}

std::string walk(const std::vector<shell::Link>& path, int finalWait) {
    std::string script;
    for (std::size_t i = 0; i < path.size(); ++i)
        script += follow(path[i]) + "wait " + std::to_string(i + 1 == path.size() ? finalWait : 300) + "\n";
    return script;
}

std::string back(std::size_t levels) {
    std::string script;
    for (std::size_t i = 0; i < levels; ++i) script += "key Escape\nwait 300\n";
    return script;
}

// The screen of the state stack is a path of the tree: each opener is the window beneath.
void expectPathOfTree(const nlohmann::json& state) {
    std::string beneath = "frm1";
    for (const auto& o : state["opened"]) {
        EXPECT_EQ(o["opener"], beneath) << state["opened"].dump();
        beneath = o["window"];
    }
}

// The track and animation a link's target has: the secondary reading screens take them from the
// tag of the item that opened them.
Expected expectedFor(const shell::Link& l) {
    if (l.target == "frm36") {
        const int kind = component(l.opener, l.trigger).tag;
        return {std::string("data1\\") + (kind + 4 < 10 ? "0" : "") + std::to_string(kind + 4) + ".dat", kind};
    }
    if (l.target == "frm35") {
        const bool questions = component(l.opener, l.trigger).tag == 10;
        return {questions ? "data1\\04.dat" : "data1\\03.dat", questions ? 13 : 14};
    }
    const auto it = catalogue.find(l.target);
    return it == catalogue.end() ? Expected{} : it->second;
}

}  // namespace

TEST(NavigationTree, EveryLinkOfTheMapOpensItsScreenThroughItsHotspotAndEscapeComesBack) {
    const auto links = title::navigationMap();
    // Effects off (the main menu's switch), so that the long walk costs no strips.
    std::string script = "wait 2000\nclick " + pointOf("frm1", "Image5") + "\nmove 5 300\nwait 100\n";
    for (const shell::Link& l : links) {
        std::vector<shell::Link> path = pathTo(l.opener);
        path.push_back(l);
        script += walk(path, 1100) + "state\n" + back(path.size()) + "state\n";
    }
    const auto run = runTitle(script + "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2 * links.size()) << run.errors;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const shell::Link& l = links[i];
        const auto& on = run.states[2 * i];
        const std::string where = std::string(l.opener) + " " + std::string(l.trigger) + " → " + std::string(l.target);
        ASSERT_EQ(on["active"], l.target) << where;
        const auto* w = findWindow(on, std::string(l.target));
        const designs::WindowDesign& design = *designs::findDesign(l.target);
        EXPECT_EQ((*w)["class"], design.className) << where;
        EXPECT_EQ((*w)["modal"], l.modal) << where;
        const gfx::Size client = l.modal ? design.client : gfx::Size{640, 480};
        EXPECT_EQ((*w)["width"], client.width) << where;
        EXPECT_EQ((*w)["height"], client.height) << where;
        expectPathOfTree(on);
        EXPECT_EQ(on["opened"].back()["window"], l.target) << where;
        const bool inSecondaryBranch = on["opened"][0]["window"] == "frm33";
        EXPECT_EQ(on["vars"]["secondaryBranchOpen"], inSecondaryBranch ? 1 : 0) << where;
        const Expected expected = expectedFor(l);
        if (!expected.track.empty()) {
            EXPECT_EQ(on["devices"]["shared"]["file"], expected.track) << where;
        }
        if (expected.animationSet != 0) {
            EXPECT_EQ(on["vars"]["animationSet"], expected.animationSet) << where;
            EXPECT_EQ(on["vars"]["animationModule"], inSecondaryBranch ? "data3\\qem008.dat" : "data3\\qem001.dat") << where;
        }
        const auto& back = run.states[2 * i + 1];
        EXPECT_EQ(back["active"], "frm1") << where;
        EXPECT_TRUE(back["opened"].empty()) << where;
    }
}

TEST(NavigationTree, ExitCornersCloseRequestsAndTheDeepestStacksComeBackToTheirOpeners) {
    const auto open = [](std::string_view target) { return walk(pathTo(target), 1100); };
    std::string script = "wait 2000\n";
    // frm36 from the sub-menu, left by its exit corner; the sub-menu by a close request; the
    // secondary menu by its exit corner.
    script += walk({{"frm1", "m10", "frm33"}, {"frm33", "Lab5", "frm34"}, {"frm34", "Lab2", "frm36"}}, 1100) + "state\n";
    script += "click " + pointOf("frm36", "m6") + "\nwait 1100\nstate\nclose\nwait 1100\nstate\n";
    script += "click " + pointOf("frm33", "Lout") + "\nwait 1100\nstate\n";
    // The deepest stack, then a list with the search window and the key message over it.
    script += open("frm19") + "state\n" + back(4) + "state\n";
    script += open("frm10") + follow({"frm10", "Image1", "sear", true}) + "wait 100\ntype A\nwait 100\nstate\n" + back(5) +
              "state\n";
    // The names screen over the screen about the center, whose music goes on under it.
    script += open("frm32") + "state\nwait 500\nstate\n" + back(1) + "state\nquit\n";
    const auto run = runTitle(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 11u) << run.errors;
    const auto& s = run.states;
    const auto active = [&](std::size_t i) { return s[i]["active"].get<std::string>(); };
    EXPECT_EQ(active(0), "frm36");
    EXPECT_EQ(s[0]["devices"]["shared"]["file"], "data1\\14.dat");
    EXPECT_EQ(active(1), "frm34");
    EXPECT_EQ(s[1]["devices"]["shared"]["file"], "data1\\08.dat");
    EXPECT_EQ(active(2), "frm33");
    EXPECT_EQ(s[2]["devices"]["shared"]["file"], "data1\\01.dat");  // the sub-menu's music stopped with it
    EXPECT_EQ(s[2]["devices"]["shared"]["mode"], 2);
    EXPECT_EQ(active(3), "frm1");
    EXPECT_EQ(s[3]["vars"]["secondaryBranchOpen"], 0);
    EXPECT_EQ(s[3]["vars"]["exitLit"], 1);  // the secondary menu leaves the exit light as it was
    EXPECT_EQ(active(4), "frm19");
    EXPECT_EQ(s[4]["opened"].size(), 4u);
    EXPECT_EQ(active(6), "Frm37");
    EXPECT_EQ(s[6]["opened"].size(), 5u);
    for (std::size_t i : {0, 4, 6}) expectPathOfTree(s[i]);
    for (std::size_t i : {5, 7}) EXPECT_EQ(active(i), "frm1");
    for (std::size_t i : {8, 9}) {
        EXPECT_EQ(active(i), "frm32");
        EXPECT_EQ(s[i]["devices"]["shared"]["file"], "data1\\12.dat");
        EXPECT_EQ(s[i]["devices"]["shared"]["mode"], 2);
    }
    EXPECT_EQ(s[9]["devices"]["shared"]["position"].get<int>() - s[8]["devices"]["shared"]["position"].get<int>(), 500);
    EXPECT_EQ(active(10), "Frm14");
}

TEST(NavigationTree, ReadmeShowsTheMapTheProgramOpensWindowsBy) {
    std::ifstream in(std::string(test_paths::testData) + "/../../README.md");
    std::stringstream readme;
    readme << in.rdbuf();
    const std::string start = "<!-- navigation map: scripts/navigation-map -->\n";
    const std::string text = readme.str();
    const auto from = text.find(start);
    const auto to = text.find("<!-- end of navigation map -->");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(text.substr(from + start.size(), to - from - start.size()), title::navigationTree())
        << "scripts/navigation-map writes it again";
}
