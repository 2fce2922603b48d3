#include "designs/building_blocks.h"
#include "designs/windows.h"

// The intro and the black backdrop. Their media devices are no controls and have no design here.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size introClient{636, 453};

constexpr ComponentDesign introComponents[] = {
    {.name = "m1", .kind = Kind::picture, .rect = fill(introClient), .stretch = true, .artwork = true},
    {.name = "p1", .kind = Kind::panel, .rect = {54, 118, 318, 235}, .color = black},
    timer("Timer1", 100, false),
    timer("Timer2", 10, true),
};

// The hidden labels carry the transition effects, the exit effect, the animation loader and the
// effect rotation as click handlers; nothing shows them.
constexpr ComponentDesign backdropComponents[] = {
    invisibleLabel("Label1", {8, 8, 32, 13}),     // geometry chosen: not given
    invisibleLabel("Label2", {48, 8, 32, 13}),    // geometry chosen: not given
    invisibleLabel("Label3", {88, 8, 32, 13}),    // geometry chosen: not given
    invisibleLabel("Label4", {128, 8, 32, 13}),   // geometry chosen: not given
    invisibleLabel("Label5", {168, 8, 32, 13}),   // geometry chosen: not given
    invisibleLabel("Label6", {208, 8, 32, 13}),   // geometry chosen: not given
    invisibleLabel("Label7", {248, 8, 32, 13}),   // geometry chosen: not given
    invisibleLabel("Label8", {288, 8, 32, 13}),   // geometry chosen: not given
    invisibleLabel("Label15", {8, 32, 38, 13}),   // geometry chosen: not given
    invisibleLabel("Label19", {56, 32, 38, 13}),  // geometry chosen: not given
    invisibleLabel("Lab", {104, 32, 18, 13}),     // geometry chosen: not given
    timer("Timer7", 100, false),
};

}  // namespace

extern constexpr WindowDesign frm16{
    .name = "frm16", .className = "Tfrm16", .client = introClient, .color = white, .components = introComponents};

extern constexpr WindowDesign Frm17{.name = "Frm17",
                                    .className = "TFrm17",
                                    .client = {427, 306},
                                    .color = black,
                                    .components = backdropComponents,
                                    .enabled = false,
                                    .maximized = true};

}  // namespace vemra::designs::windows
