#include "designs/building_blocks.h"
#include "designs/windows.h"

// The article screen. Its pictures are the section 0 artwork; sections 1 to 4 replace m1, Image1,
// m5 and Image2 at creation with bitmaps of a picture module.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size articleClient{639, 478};

constexpr ComponentDesign articleComponents[] = {
    transparentLabel("Labm", fill(articleClient)),
    artPicture("Image1", {480, 201, 128, 179}),
    artPicture("m5", {491, 400, 149, 80}),
    artPicture("m1", fill(articleClient)),
    textLabel("Label2", {220, 114, 220, 38}, naskeFont(32), Align::right),
    hotspot("imgg1", {485, 207, 118, 33}, 1),
    hotspot("imgg2", {485, 252, 117, 32}, 2),
    hotspot("imgg3", {484, 297, 119, 33}, 3),
    hotspot("imgg4", {485, 344, 119, 32}, 4),
    hotspot("m6", {586, 409, 54, 71}),
    transparentLabel("Label3", {-1, 1, 218, 128}),
    invisibleLabel("Label1", {584, 64, 30, 13}),  // geometry chosen: not given (only the position is)
    {.name = "Panel1", .kind = Kind::panel, .rect = {17, 158, 451, 275}, .visible = false},
    inside("Panel1", artPicture("Image4", {426, 14, 21, 19})),
    inside("Panel1", artPicture("Image3", {426, 242, 21, 19})),
    inside("Panel1", artPicture("Image2", {0, 0, 451, 275})),
    inside("Panel1", textLabel("l7", {16, 18, 393, 240}, naskeFont(32))),
    inside("Panel1", arrowLabel("llsu", {418, 8, 33, 28}, "line up")),
    inside("Panel1", arrowLabel("llsd", {419, 236, 32, 31}, "line down")),
    timer("t2", 100, false),
    timer("T1", 100, false),
};

}  // namespace

extern constexpr WindowDesign frm19{
    .name = "frm19", .className = "Tfrm19", .client = articleClient, .components = articleComponents};

}  // namespace vemra::designs::windows
