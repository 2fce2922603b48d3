#include "monkey/sanity.h"

#include <algorithm>
#include <set>
#include <vector>

namespace vemra::monkey {

namespace {

// Windows that are shown but never opened through the map.
const std::set<std::string> unopened = {"Frm17", "frm1", "frm16"};

std::string openedPath(const nlohmann::json& opened, std::span<const shell::Link> map) {
    std::string beneath = "frm1";
    for (const auto& o : opened) {
        const std::string window = o["window"], opener = o["opener"];
        if (opener != beneath) return window + " was opened by " + opener + " but stands on " + beneath;
        if (std::none_of(map.begin(), map.end(), [&](const shell::Link& l) { return l.opener == opener && l.target == window; }))
            return "no link leads from " + opener + " to " + window;
        beneath = window;
    }
    return "";
}

}  // namespace

std::string insanity(const nlohmann::json& state, std::span<const shell::Link> map) {
    const auto& opened = state["opened"];
    if (std::string path = openedPath(opened, map); !path.empty()) return path;

    std::vector<std::string> shown;
    std::set<std::string> names;
    int boxes = 0;
    bool intro = false;
    for (const auto& w : state["windows"]) {
        const std::string name = w["name"];
        if (name == "frm16" && w["visible"] == true) intro = true;
        if (w["class"] == "TMessageForm") ++boxes;
        if (!names.insert(name).second && w["class"] != "TMessageForm") return name + " exists twice";
        if (w["visible"] == true && w["class"] != "TMessageForm" && !unopened.contains(name)) shown.push_back(name);
    }
    if (boxes > 1) return std::to_string(boxes) + " message boxes are open at once";
    std::vector<std::string> expected;
    for (const auto& o : opened) expected.push_back(o["window"]);
    std::vector<std::string> shownSorted = shown, expectedSorted = expected;
    std::sort(shownSorted.begin(), shownSorted.end());
    std::sort(expectedSorted.begin(), expectedSorted.end());
    if (shownSorted != expectedSorted) return "shown windows " + nlohmann::json(shown).dump() + " are not the opened " + opened.dump();

    const std::string top = expected.empty() ? "frm1" : expected.back();
    if (boxes == 0 && !intro && state["programActive"] == true && state["active"] != top)
        return "the active window is " + state["active"].dump() + ", the top screen " + top;

    for (const auto& [name, device] : state["devices"].items()) {
        const int position = device["position"], length = device["length"];
        if (position < 0 || (length > 0 && position > length))
            return "device " + name + " is at " + std::to_string(position) + " of " + std::to_string(length);
    }
    return "";
}

}  // namespace vemra::monkey
