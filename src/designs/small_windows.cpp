#include "designs/building_blocks.h"
#include "designs/windows.h"

// The "about the center" screen, the names screen, the "About the Program" picture and the key
// message window.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size aboutCenterClient{640, 479};
constexpr gfx::Size namesClient{640, 486};

constexpr ComponentDesign aboutCenterComponents[] = {
    transparentLabel("Label1", fill(aboutCenterClient)),
    litPicture("Image3", {1, 0, 97, 60}),
    litPicture("m2", {490, 400, 150, 80}),
    artPicture("Image1", fill(aboutCenterClient)),
    withHint(transparentLabel("Label2", {18, 2, 69, 58}, hotspotCursor), "the names"),
    transparentLabel("l1", {576, 418, 62, 62}, hotspotCursor),
    timer("Tr1", 10, false),
};

constexpr ComponentDesign nameRow(std::string_view name, int top) {
    return inside("Panel4", textLabel(name, {0, top, 392, 45}, naskeFont(40), Align::center));
}

constexpr ComponentDesign namesComponents[] = {
    transparentLabel("Label1", fill(namesClient)),
    litPicture("m2", {490, 400, 150, 80}),
    artPicture("Image1", fill(namesClient)),
    transparentLabel("l1", {576, 418, 62, 62}, hotspotCursor),
    {.name = "pan", .kind = Kind::label, .rect = {216, 61, 310, 108}, .color = black},
    // The picture strip, 4264 × 110, never shown. geometry chosen: not given (the strip's own size)
    hidden(artPicture("m1", {0, 0, 4264, 110})),
    {.name = "Panel4", .kind = Kind::panel, .rect = {35, 231, 390, 228}, .color = black},
    nameRow("Label7", 0),
    nameRow("Label2", 46),
    nameRow("Label3", 92),
    nameRow("Label4", 138),
    nameRow("Label5", 183),
    nameRow("Label6", 230),
    // geometry chosen: not given (the list is never shown)
    {.name = "ls1", .kind = Kind::listBox, .rect = {440, 231, 121, 97}, .visible = false},
    // intervals chosen: not given (creation and activation set both to 50 ms)
    timer("Timer1", 50, true),
    timer("Timer2", 50, true),
};

constexpr ComponentDesign aboutProgramComponents[] = {
    artPicture("m1", {0, 0, 590, 355}),
};

constexpr ComponentDesign keyMessageComponents[] = {
    artPicture("Image1", {0, 0, 199, 100}),
};

}  // namespace

extern constexpr WindowDesign Frm14{
    .name = "Frm14", .className = "TFrm14", .client = aboutCenterClient, .components = aboutCenterComponents};

extern constexpr WindowDesign frm32{.name = "frm32",
                                    .className = "Tfrm32",
                                    .client = namesClient,
                                    .components = namesComponents,
                                    .stayOnTop = true};

extern constexpr WindowDesign frm15{
    .name = "frm15", .className = "Tfrm15", .client = {590, 355}, .components = aboutProgramComponents};

extern constexpr WindowDesign Frm37{.name = "Frm37",
                                    .className = "TFrm37",
                                    .client = {199, 100},
                                    .border = Border::single,
                                    .components = keyMessageComponents};

}  // namespace vemra::designs::windows
