#include "designs/building_blocks.h"
#include "designs/windows.h"

// The two reading screens of the secondary branch, drawn in the "msread" face. Both keep their text
// lines in the hidden memo Me3.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size secondaryTextClient{640, 480};

constexpr FontDesign msreadFont(int height) { return {.face = msread, .height = height, .color = yellow}; }

constexpr ComponentDesign textArea(gfx::Rect rect) { return textLabel("lmtn", rect, msreadFont(19)); }

// geometry chosen: not given (the memo is never shown and is parked at top 2000)
constexpr ComponentDesign lineHolder{
    .name = "Me3", .kind = Kind::memo, .rect = {400, 2000, 185, 89}, .visible = false, .font = msreadFont(19)};

// frm36 always takes m1 and m9 from the picture module at creation, so it carries no artwork for them.
constexpr ComponentDesign singleTextComponents[] = {
    transparentLabel("Labm", fill(secondaryTextClient)),
    artPicture("Image4", {56, 112, 19, 18}),
    artPicture("Image5", {56, 364, 19, 18}),
    {.name = "m9", .rect = {490, 400, 150, 80}},
    {.name = "m1", .rect = fill(secondaryTextClient)},
    textArea({81, 114, 478, 271}),
    arrowLabel("lupmts", {44, 105, 35, 35}, "line up"),
    arrowLabel("ldnmts", {45, 359, 33, 34}, "line down"),
    hotspot("m6", {579, 414, 67, 65}),
    transparentLabel("Label1", {1, 0, 209, 108}),
    invisibleLabel("labmtn", {300, 20, 30, 13}),  // geometry chosen: not given
    lineHolder,
    timer("t1", 100, true),
    timer("t2", 100, false),
    timer("tr1", 10, false),
};

constexpr ComponentDesign titleRow(std::string_view name, int top) {
    return hidden(textLabel(name, {51, top, 176, 30}, msreadFont(16)));
}

// With selectedKind 12 m1, m9 and Image1 come from the picture module; with 0 the screen shows its own.
constexpr ComponentDesign titlesAndTextComponents[] = {
    transparentLabel("Labm", fill(secondaryTextClient)),
    artPicture("Image2", {22, 166, 21, 19}),
    artPicture("Image3", {22, 357, 21, 19}),
    hidden(artPicture("Image4", {255, 85, 21, 19})),
    hidden(artPicture("Image5", {252, 395, 21, 19})),
    artPicture("m9", {0, 400, 150, 80}),
    artPicture("m1", fill(secondaryTextClient)),
    titleRow("Label2", 152),
    titleRow("Label3", 182),
    titleRow("Label4", 212),
    titleRow("Label5", 242),
    titleRow("Label6", 272),
    titleRow("Label7", 302),
    titleRow("Label8", 332),
    titleRow("Label9", 362),
    arrowLabel("luptrs", {13, 158, 35, 35}, "line up"),
    arrowLabel("ldntrs", {14, 349, 34, 35}, "line down"),
    hidden(artPicture("Image1", {237, 83, 389, 334})),
    hidden(textArea({248, 111, 367, 274})),
    hidden(transparentLabel("lupmts", {248, 82, 33, 28}, hotspotCursor)),
    hidden(transparentLabel("ldnmts", {246, 391, 32, 31}, hotspotCursor)),
    // geometry chosen: not given (only the automatic width and the parking place are)
    {.name = "labcamov",
     .kind = Kind::label,
     .rect = {51, 8, 176, 30},
     .font = msreadFont(16),
     .color = gfx::Color{74, 74, 74},
     .autoSize = true},
    hotspot("m6", {-1, 414, 61, 66}),
    transparentLabel("Label1", {1, -7, 209, 120}),
    invisibleLabel("Laev1", {300, 20, 30, 13}),    // geometry chosen: not given
    invisibleLabel("lablst1", {340, 20, 30, 13}),  // geometry chosen: not given
    invisibleLabel("labmtn", {380, 20, 30, 13}),   // geometry chosen: not given
    lineHolder,
    timer("t1", 100, true),
    timer("t2", 100, false),
    timer("tr1", 10, false),
};

}  // namespace

extern constexpr WindowDesign frm36{.name = "frm36",
                                    .className = "Tfrm36",
                                    .client = secondaryTextClient,
                                    .components = singleTextComponents};

extern constexpr WindowDesign frm35{.name = "frm35",
                                    .className = "Tfrm35",
                                    .client = secondaryTextClient,
                                    .components = titlesAndTextComponents};

}  // namespace vemra::designs::windows
