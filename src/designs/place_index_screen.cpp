#include "designs/building_blocks.h"
#include "designs/windows.h"

// The screen of picture places with its article index, opened from the main menu.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size placesClient{640, 478};

// A place on the picture: a transparent hotspot label lit from Image1; tag − 50 is its place record.
constexpr ComponentDesign place(std::string_view name, int tag, gfx::Rect rect) {
    ComponentDesign label = transparentLabel(name, rect, hotspotCursor);
    label.tag = tag;
    return label;
}

constexpr ComponentDesign placesComponents[] = {
    transparentLabel("Labm", fill(placesClient)),
    artPicture("m5", {490, 400, 150, 80}),
    artPicture("m1", fill(placesClient)),
    hidden(artPicture("Image1", {101, 7, 252, 432})),
    place("L20", 50, {282, 73, 63, 16}),
    place("L19", 51, {232, 88, 62, 14}),
    place("l5", 52, {263, 116, 46, 15}),
    place("l6", 53, {247, 131, 60, 16}),
    place("l7", 54, {248, 147, 57, 17}),
    place("l8", 55, {232, 172, 64, 16}),
    place("l9", 56, {240, 196, 47, 17}),
    place("l10", 57, {240, 226, 43, 17}),
    place("l11", 58, {219, 251, 63, 18}),
    place("l12", 59, {224, 278, 51, 19}),
    place("l13", 60, {200, 308, 63, 19}),
    place("l14", 61, {176, 345, 60, 19}),
    place("l15", 62, {176, 370, 43, 17}),
    place("l16", 63, {168, 392, 73, 33}),
    place("L17", 64, {144, 296, 41, 41}),
    place("L18", 65, {224, 102, 78, 14}),
    place("L22", 66, {190, 43, 28, 19}),
    place("L21", 67, {221, 49, 27, 19}),
    place("l4", 68, {310, 110, 44, 16}),
    place("L23", 69, {148, 23, 26, 18}),
    place("L24", 70, {123, 56, 48, 16}),
    transparentLabel("l1", {497, 19, 120, 35}, hotspotCursor),
    hidden(litPicture("m2", {499, 19, 114, 34})),
    hidden(artPicture("m3", {377, 83, 195, 316})),
    {.name = "ls1",
     .kind = Kind::listBox,
     .rect = {382, 90, 181, 302},
     .visible = false,
     .font = naskeFont(29, blue),
     .itemHeight = 24},
    hidden(artPicture("m4", {376, 116, 232, 222})),
    {.name = "me1",
     .kind = Kind::memo,
     .rect = {381, 124, 221, 207},
     .font = naskeFont(29, blue),
     .alignment = Align::right,
     .scrollBars = true},
    // geometry chosen: not given (the memo is never shown)
    {.name = "me2", .kind = Kind::memo, .rect = {381, 2000, 221, 207}, .visible = false},
    hotspot("Image3", {243, 427, 110, 29}, 1),
    hotspot("Image4", {367, 428, 109, 28}, 2),
    hidden(artPicture("Image2", {238, 423, 241, 38})),
    transparentLabel("l2", {580, 405, 61, 74}, hotspotCursor),
    invisibleLabel("Label1", {20, 440, 30, 13}),  // geometry chosen: not given
    timer("Tr1", 10, false),
};

}  // namespace

extern constexpr WindowDesign frm5{
    .name = "frm5", .className = "Tfrm5", .client = placesClient, .components = placesComponents};

}  // namespace vemra::designs::windows
