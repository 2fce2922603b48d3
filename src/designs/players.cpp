#include "designs/building_blocks.h"
#include "designs/windows.h"

// The two narration players. Their transport buttons are empty pictures that take a pressed look
// from a hidden picture of the whole bar while held.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size contentsPlayerClient{640, 480};
constexpr gfx::Size titledPlayerClient{640, 482};

constexpr ComponentDesign timeLabel(std::string_view name, gfx::Rect rect, int fontHeight) {
    return textLabel(name, rect, systemBoldFont(fontHeight), Align::right);
}

constexpr ComponentDesign contentsRow(std::string_view name, int top) {
    ComponentDesign row = textLabel(name, {411, top, 180, 30}, naskeFont(29), Align::right);
    row.cursor = listCursor;
    return row;
}

// Variant 2 replaces the background Image1 at creation with a bitmap of a picture module.
constexpr ComponentDesign contentsPlayerComponents[] = {
    transparentLabel("Labm", fill(contentsPlayerClient)),
    artPicture("m9", {490, 400, 150, 80}),
    artPicture("Image10", {598, 182, 21, 19}),
    artPicture("Image9", {598, 373, 21, 19}),
    artPicture("Image1", fill(contentsPlayerClient)),
    {.name = "Label12",
     .kind = Kind::label,
     .rect = {586, 407, 55, 73},
     .cursor = hotspotCursor,
     .hint = "خروج",
     .transparent = true},
    withHint(hotspot("Image6", {46, 428, 37, 27}), "pause"),
    withHint(hotspot("Image5", {85, 428, 33, 26}), "play"),
    withHint(hotspot("Image8", {122, 429, 35, 25}), "10 sec. previous"),
    withHint(hotspot("Image11", {160, 428, 35, 26}), "10 sec. next"),
    withHint(hotspot("Image12", {198, 428, 34, 26}), "first"),
    withHint(hotspot("Image7", {236, 428, 34, 26}), "last"),
    withHint(hotspot("Image4", {305, 426, 31, 29}), "page down"),
    withHint(hotspot("Image3", {339, 427, 30, 28}), "page up"),
    hidden(artPicture("Image13", {35, 420, 340, 39})),
    // geometry chosen: not given (only the position is)
    textLabel("Label15", {286, 432, 19, 16}, systemBoldFont(13), Align::center),
    timeLabel("Label7", {450, 106, 25, 16}, 13),
    timeLabel("Label8", {475, 106, 25, 16}, 13),
    timeLabel("Label9", {500, 106, 25, 16}, 13),
    timeLabel("Label10", {450, 127, 25, 16}, 13),
    timeLabel("Label11", {475, 127, 25, 16}, 13),
    timeLabel("Label22", {500, 127, 25, 16}, 13),
    textLabel("l0", {26, 141, 363, 274}, naskeFont(29)),
    contentsRow("lls1", 162),
    contentsRow("lls2", 192),
    contentsRow("lls3", 222),
    contentsRow("lls4", 252),
    contentsRow("lls5", 282),
    contentsRow("lls6", 312),
    contentsRow("lls7", 342),
    contentsRow("lls8", 372),
    arrowLabel("luptrs", {593, 176, 31, 33}, "line up"),
    arrowLabel("ldntrs", {592, 368, 33, 30}, "line down"),
    // geometry chosen: not given (only the start is; the width follows the text)
    {.name = "labcamov",
     .kind = Kind::label,
     .rect = {392, 33, 180, 30},
     .font = FontDesign{.face = naske, .height = 32, .charset = 184},
     .color = gfx::Color{255, 164, 164},
     .autoSize = true},
    invisibleLabel("Laev1", {300, 20, 30, 13}),    // geometry chosen: not given
    invisibleLabel("lablst1", {340, 20, 30, 13}),  // geometry chosen: not given
    invisibleLabel("Label4", {380, 20, 30, 13}),   // geometry chosen: not given
    invisibleLabel("Label25", {420, 20, 30, 13}),  // geometry chosen: not given
    transparentLabel("Label5", {0, 0, 225, 121}),
    timer("Timer1", 250, false),
    timer("t2", 100, false),
    timer("t11", 100, true),
};

// Right-aligned time labels that size to their text and keep their right edges at 566, 591, 611.
// geometry chosen: their widths and heights are not given; transparency chosen: not given
constexpr ComponentDesign elapsedOrLength(std::string_view name, int right, int top) {
    ComponentDesign label = timeLabel(name, {right - 20, top, 20, 18}, 15);
    label.autoSize = true;
    return label;
}

constexpr ComponentDesign titledPlayerComponents[] = {
    transparentLabel("Labm", fill(titledPlayerClient)),
    litPicture("m2", {508, 393, 132, 87}),
    artPicture("m1", fill(titledPlayerClient)),
    transparentLabel("Label12", {583, 421, 57, 61}, hotspotCursor),
    withHint(hotspot("Image6", {94, 432, 37, 26}), "pause"),
    withHint(hotspot("Image5", {131, 432, 36, 25}), "play"),
    withHint(hotspot("Image8", {170, 432, 37, 25}), "10 sec. previous"),
    withHint(hotspot("Image11", {208, 432, 36, 25}), "10 sec. next"),
    withHint(hotspot("Image12", {247, 432, 34, 25}), "first"),
    withHint(hotspot("Image7", {285, 432, 35, 25}), "last"),
    withHint(hotspot("Image4", {354, 432, 29, 27}), "page down"),
    withHint(hotspot("Image3", {387, 432, 29, 27}), "page up"),
    hidden(artPicture("Image1", {79, 420, 348, 46})),
    // transparency chosen: not given, as for the time labels
    textLabel("Label15", {328, 435, 21, 21}, systemBoldFont(15), Align::center),
    elapsedOrLength("Label7", 566, 121),
    elapsedOrLength("Label6", 591, 121),
    elapsedOrLength("Label5", 611, 121),
    elapsedOrLength("Label10", 566, 146),
    elapsedOrLength("Label9", 591, 146),
    elapsedOrLength("Label8", 611, 146),
    textLabel("l0", {22, 131, 483, 284}, naskeFont(35)),
    textLabel("Label3", {288, 75, 217, 38}, naskeFont(35), Align::center),
    invisibleLabel("Label4", {300, 20, 30, 13}),   // geometry chosen: not given
    invisibleLabel("Label11", {340, 20, 30, 13}),  // geometry chosen: not given
    transparentLabel("Label2", {1, 1, 223, 110}),
    timer("Timer1", 250, true),
    timer("t11", 100, true),
};

}  // namespace

extern constexpr WindowDesign frm2{
    .name = "frm2", .className = "Tfrm2", .client = contentsPlayerClient, .components = contentsPlayerComponents};

extern constexpr WindowDesign frm8{
    .name = "frm8", .className = "Tfrm8", .client = titledPlayerClient, .components = titledPlayerComponents};

}  // namespace vemra::designs::windows
