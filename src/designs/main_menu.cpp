#include "designs/building_blocks.h"
#include "designs/windows.h"

namespace vemra::designs::windows {

namespace {

constexpr gfx::Size mainMenuClient{641, 475};

// Image6 lights the bottom left strip (m10 and the two switches), Image1 the section hotspots.
// The switches Image4 and Image5 have their design pictures cleared at creation, so none is supplied.
constexpr ComponentDesign mainMenuComponents[] = {
    hidden(artPicture("Image6", {10, 378, 283, 94})),
    hidden(artPicture("Image1", {309, 26, 320, 262})),
    artPicture("m9", {488, 400, 150, 80}),
    transparentLabel("Label1", fill(mainMenuClient)),
    artPicture("m1", fill(mainMenuClient)),
    hotspot("m3", {463, 108, 142, 54}),
    hotspot("m6", {311, 169, 146, 54}),
    hotspot("m5", {310, 230, 147, 55}),
    hotspot("m4", {312, 108, 144, 54}),
    hotspot("m7", {461, 168, 145, 56}),
    hotspot("m8", {392, 46, 144, 55}),
    withHint(hotspot("Image2", {538, 39, 91, 63}), "about the center"),
    hidden(artPicture("Image3", {-88, 144, 100, 100})),
    transparentLabel("Lout", {584, 400, 55, 83}, hotspotCursor),
    withHint(transparentLabel("Label3", {-1, 1, 282, 160}, hotspotCursor), "About the Program"),
    withHint(hotspot("Image4", {30, 379, 47, 46}), "sounds of pictures"),
    withHint(hotspot("Image5", {16, 424, 60, 46}), "estate of moving"),
    hotspot("m10", {180, 412, 110, 48}),
    timer("Timer1", 10, false),
};

}  // namespace

extern constexpr WindowDesign frm1{.name = "frm1",
                                   .className = "Tfrm1",
                                   .client = mainMenuClient,
                                   .color = white,
                                   .components = mainMenuComponents};

}  // namespace vemra::designs::windows
