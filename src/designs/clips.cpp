#include "designs/building_blocks.h"
#include "designs/windows.h"

// The video clip screen. Its own media device plays into the panel Panv and is no control.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size clipsClient{640, 482};

constexpr ComponentDesign clipRow(std::string_view name, int top) {
    ComponentDesign row = textLabel(name, {444, top, 148, 33}, naskeFont(27), Align::right);
    row.cursor = hotspotCursor;
    return row;
}

constexpr ComponentDesign clipsComponents[] = {
    transparentLabel("Labm", fill(clipsClient)),
    artPicture("m9", {491, 397, 149, 83}),
    artPicture("Image2", {599, 137, 21, 19}),
    artPicture("Image3", {599, 288, 21, 19}),
    artPicture("Image1", {119, 328, 87, 34}),
    artPicture("m1", fill(clipsClient)),
    transparentLabel("Lout", {588, 411, 52, 67}, hotspotCursor),
    clipRow("Label2", 143),
    clipRow("Label3", 174),
    clipRow("Label4", 205),
    clipRow("Label5", 236),
    clipRow("Label6", 267),
    arrowLabel("luptrs", {594, 134, 31, 29}, "line up"),
    arrowLabel("ldntrs", {594, 282, 32, 29}, "line down"),
    // geometry chosen: not given (only the start is; the width follows the text, the height a row's)
    {.name = "labcamov",
     .kind = Kind::label,
     .rect = {424, 8, 148, 33},
     .color = gfx::Color{0, 55, 111},
     .autoSize = true},
    invisibleLabel("Laev1", {300, 8, 30, 13}),    // geometry chosen: not given
    invisibleLabel("lablst1", {340, 8, 30, 13}),  // geometry chosen: not given
    // colour chosen: not given; black around the clip's picture and before its first one
    {.name = "Panv", .kind = Kind::panel, .rect = {122, 133, 240, 180}, .visible = false, .color = black},
    hotspot("Image4", {126, 331, 38, 29}),
    hotspot("Image5", {163, 331, 38, 29}),
    transparentLabel("Label1", {-1, 1, 233, 118}),
    timer("t2", 100, false),
    timer("Tr1", 10, false),
};

}  // namespace

extern constexpr WindowDesign frm31{
    .name = "frm31", .className = "Tfrm31", .client = clipsClient, .components = clipsComponents};

}  // namespace vemra::designs::windows
