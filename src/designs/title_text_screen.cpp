#include "designs/building_blocks.h"
#include "designs/windows.h"

// The title and text reader opened from the main menu: eight title rows drawn glyph by glyph and a
// text panel.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size readerClient{640, 480};

constexpr ComponentDesign titleRow(std::string_view name, int top) {
    ComponentDesign row = textLabel(name, {423, top, 173, 35}, naskeFont(27));
    row.visible = false;
    row.cursor = hotspotCursor;
    return row;
}

constexpr ComponentDesign readerComponents[] = {
    transparentLabel("Labm", fill(readerClient)),
    artPicture("Image2", {604, 182, 21, 19}),
    artPicture("Image3", {604, 373, 21, 19}),
    artPicture("m9", {490, 400, 150, 80}),
    artPicture("m1", fill(readerClient)),
    titleRow("Label2", 158),
    titleRow("Label3", 188),
    titleRow("Label4", 218),
    titleRow("Label5", 248),
    titleRow("Label6", 278),
    titleRow("Label7", 308),
    titleRow("Label8", 337),
    titleRow("Label9", 366),
    invisibleLabel("Laev1", {496, 92, 30, 13}),    // geometry chosen: not given (only the position is)
    invisibleLabel("lablst1", {436, 112, 30, 13}), // geometry chosen: not given (only the position is)
    invisibleLabel("labmtn", {460, 92, 30, 13}),   // geometry chosen: not given (only the position is)
    arrowLabel("luptrs", {597, 174, 35, 35}, "line up"),
    arrowLabel("ldntrs", {598, 367, 34, 35}, "line down"),
    hotspot("m6", {579, 414, 67, 65}),
    transparentLabel("Label1", {1, 1, 209, 120}),
    {.name = "Panel1", .kind = Kind::panel, .rect = {12, 110, 387, 334}, .visible = false},
    inside("Panel1", artPicture("Image4", {351, 3, 21, 19})),
    inside("Panel1", artPicture("Image5", {352, 312, 21, 19})),
    inside("Panel1", artPicture("Image1", {0, 0, 387, 334})),
    inside("Panel1", textLabel("lmtn", {11, 30, 364, 274}, naskeFont(32))),
    inside("Panel1", arrowLabel("lupmts", {346, 0, 33, 28}, "line up")),
    inside("Panel1", arrowLabel("ldnmts", {347, 308, 32, 31}, "line down")),
    timer("t1", 100, true),
    timer("t2", 100, false),
    timer("tr1", 10, false),
};

}  // namespace

extern constexpr WindowDesign frm18{
    .name = "frm18", .className = "Tfrm18", .client = readerClient, .components = readerComponents};

}  // namespace vemra::designs::windows
