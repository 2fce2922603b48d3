#include "designs/building_blocks.h"
#include "designs/windows.h"

// The seven-part article reader opened from the article index.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size sevenPartClient{640, 480};

constexpr ComponentDesign partButton(std::string_view name, gfx::Point at, int tag) {
    return hotspot(name, {at.x, at.y, 127, 42}, tag);
}

// The click of l2 … l8 shows part tag − 1.
constexpr ComponentDesign partShower(std::string_view name, int tag, int left) {
    ComponentDesign label = invisibleLabel(name, {left, 440, 20, 13});
    label.tag = tag;
    return label;
}

constexpr ComponentDesign sevenPartComponents[] = {
    transparentLabel("Labm", fill(sevenPartClient)),
    hidden(artPicture("Image3", {492, 54, 132, 318})),
    artPicture("m5", {490, 400, 150, 80}),
    artPicture("m1", fill(sevenPartClient)),
    textLabel("lname", {264, 100, 194, 37}, naskeFont(32), Align::right),
    partButton("Imgg1", {496, 56}, 1),
    partButton("Imgg2", {495, 101}, 2),
    partButton("Imgg3", {495, 147}, 3),
    partButton("Imgg4", {494, 193}, 4),
    partButton("Imgg5", {494, 238}, 5),
    partButton("Imgg6", {494, 282}, 6),
    partButton("Imgg7", {495, 329}, 7),
    // geometry chosen: not given (l2 … l8)
    partShower("l2", 2, 20),
    partShower("l3", 3, 44),
    partShower("l4", 4, 68),
    partShower("l5", 5, 92),
    partShower("l6", 6, 116),
    partShower("l7", 7, 140),
    partShower("l8", 8, 164),
    hotspot("m9", {584, 408, 56, 73}),
    transparentLabel("Label3", {-1, 1, 209, 145}),
    invisibleLabel("Label1", {188, 440, 30, 13}),  // geometry chosen: not given
    {.name = "Panel1", .kind = Kind::panel, .rect = {10, 146, 475, 274}, .visible = false},
    inside("Panel1", artPicture("Image1", {451, 33, 21, 19})),
    inside("Panel1", artPicture("Image2", {451, 224, 21, 19})),
    inside("Panel1", artPicture("mm", {0, 0, 475, 274})),
    inside("Panel1", textLabel("lmtn", {11, 11, 432, 253}, naskeFont(32))),
    inside("Panel1", arrowLabel("l10", {449, 29, 33, 28}, "line up")),
    inside("Panel1", arrowLabel("l11", {447, 219, 32, 31}, "line down")),
    timer("t2", 100, false),
    timer("T1", 100, false),
    timer("Tr1", 10, false),
};

}  // namespace

extern constexpr WindowDesign frm20{
    .name = "frm20", .className = "Tfrm20", .client = sevenPartClient, .components = sevenPartComponents};

}  // namespace vemra::designs::windows
