#include "title/navigation_map.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace vemra::title {

namespace {

constexpr std::string_view titleRow = "a title row";

constexpr shell::Link links[] = {
    {"frm1", "m4", "frm9"},
    {"frm1", "m3", "frm24"},
    {"frm1", "m5", "frm26"},
    {"frm1", "m6", "frm7"},
    {"frm1", "m7", "frm5"},
    {"frm1", "m8", "frm18"},
    {"frm1", "m10", "frm33"},
    {"frm1", "Image2", "Frm14"},
    {"frm1", "Label3", "frm15", true},

    {"frm9", "m2", "frm23"},
    {"frm9", "m3", "frm11"},
    {"frm9", "m4", "frm12"},
    {"frm23", "m2", "frm10"},
    {"frm23", "m3", "frm22"},
    {"frm23", "m4", "frm21"},
    {"frm10", titleRow, "frm19"},
    {"frm10", "Image1", "sear", true},
    {"frm22", titleRow, "frm19"},
    {"frm22", "Image1", "sear", true},
    {"frm21", titleRow, "frm19"},
    {"frm21", "Image1", "sear", true},
    {"frm11", titleRow, "frm19"},
    {"frm11", "Image1", "sear", true},
    {"frm12", titleRow, "frm19"},
    {"frm12", "Image1", "sear", true},
    {"sear", "a key with no letter", "Frm37", true},

    {"frm24", "m2", "frm2"},
    {"frm24", "m3", "frm2"},

    {"frm26", "m2", "frm27"},
    {"frm26", "m3", "frm29"},
    {"frm26", "m4", "frm28"},

    {"frm7", "m2", "frm8"},
    {"frm7", "m3", "frm8"},
    {"frm7", "m4", "frm8"},
    {"frm7", "Image2", "frm8"},
    {"frm7", "Image3", "frm8"},
    {"frm7", "Image4", "frm8"},

    {"frm5", "a double click on the index", "frm20"},
    {"frm5", "Image3", "frm30"},
    {"frm5", "Image4", "frm31"},

    {"frm33", "Lab1", "frm36"},
    {"frm33", "Lab2", "frm36"},
    {"frm33", "Lab3", "frm36"},
    {"frm33", "Lab4", "frm35"},
    {"frm33", "Lab5", "frm34"},
    {"frm33", "Lab6", "frm35"},
    {"frm33", "Lab7", "frm36"},
    {"frm33", "Lab8", "frm36"},
    {"frm33", "Lab9", "frm36"},
    {"frm33", "Lab10", "frm36"},
    {"frm33", "Lab11", "frm36"},
    {"frm34", "Lab1", "frm36"},
    {"frm34", "Lab2", "frm36"},
    {"frm34", "Lab3", "frm36"},

    {"Frm14", "Image3", "frm32"},
};

}  // namespace

std::span<const shell::Link> navigationMap() { return links; }

namespace {

// Visits the windows `window` opens in the order of the map, each with its first link from
// `window` and its depth, every one followed by the windows it opens in turn.
void walk(std::string_view window, int depth, const std::function<void(const shell::Link&, int)>& visit) {
    std::vector<std::string_view> done;
    for (const shell::Link& child : links) {
        if (child.opener != window || std::ranges::find(done, child.target) != done.end()) continue;
        done.push_back(child.target);
        visit(child, depth);
        walk(child.target, depth + 1, visit);
    }
}

}  // namespace

std::string navigationTree() {
    std::string out = "- `frm16` (the intro) hands over to\n- `frm1` (the main menu)\n";
    walk("frm1", 1, [&out](const shell::Link& child, int depth) {
        std::string triggers;
        for (const shell::Link& l : links)
            if (l.opener == child.opener && l.target == child.target)
                triggers += (triggers.empty() ? "" : ", ") + (l.trigger.find(' ') == std::string_view::npos
                                                                  ? "`" + std::string(l.trigger) + "`"
                                                                  : std::string(l.trigger));
        out += std::string(std::size_t(2 * depth), ' ') + "- `" + std::string(child.target) + "` by " + triggers +
               (child.modal ? " (modal)" : "") + "\n";
    });
    return out;
}

std::vector<std::string_view> windowsInMapOrder() {
    std::vector<std::string_view> windows{"frm1"};
    walk("frm1", 1, [&windows](const shell::Link& child, int) {
        if (std::ranges::find(windows, child.target) == windows.end()) windows.push_back(child.target);
    });
    return windows;
}

}  // namespace vemra::title
