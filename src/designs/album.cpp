#include "designs/building_blocks.h"
#include "designs/windows.h"

// The picture album. Its picture area (mpic2, mpic, mpic1) is composed at run time from the JPEG
// pictures of the picture library module and carries no artwork.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size albumClient{644, 509};
constexpr gfx::Rect pictureArea{33, 40, 481, 397};
constexpr gfx::Color overlayColor{0, 55, 111};

constexpr ComponentDesign albumRow(std::string_view name, int top) {
    ComponentDesign row = textLabel(name, {519, top, 106, 30}, naskeFont(27), Align::right);
    row.cursor = hotspotCursor;
    return row;
}

constexpr ComponentDesign albumComponents[] = {
    transparentLabel("Labm", fill(albumClient)),
    artPicture("m9", {523, 395, 117, 85}),
    artPicture("Image2", {604, 131, 21, 19}),
    artPicture("Image3", {604, 311, 21, 19}),
    artPicture("Image1", {0, 56, 33, 371}),
    artPicture("m1", fill(albumClient)),
    transparentLabel("Lout", {586, 411, 52, 67}, hotspotCursor),
    albumRow("Label2", 155),
    albumRow("Label3", 186),
    albumRow("Label4", 217),
    albumRow("Label5", 248),
    albumRow("Label6", 279),
    arrowLabel("luptrs", {599, 124, 31, 29}, "line up"),
    arrowLabel("ldntrs", {598, 308, 32, 29}, "line down"),
    // geometry chosen: not given (only the start is; the width follows the text, the height a row's)
    {.name = "labcamov", .kind = Kind::label, .rect = {424, 8, 106, 30}, .color = overlayColor, .autoSize = true},
    invisibleLabel("Laev1", {300, 8, 30, 13}),    // geometry chosen: not given
    invisibleLabel("lablst1", {340, 8, 30, 13}),  // geometry chosen: not given
    {.name = "mpic2", .rect = pictureArea},
    {.name = "mpic", .rect = pictureArea, .visible = false},
    {.name = "mpic1", .rect = pictureArea, .visible = false},
    transparentLabel("Labm1", pictureArea),
    hotspot("Image5", {2, 57, 32, 32}),
    hotspot("Image6", {0, 207, 33, 55}),
    hotspot("Image4", {1, 394, 32, 30}),
    invisibleLabel("Label1", {380, 8, 30, 13}),  // geometry chosen: not given
    invisibleLabel("Label7", {420, 8, 30, 13}),  // geometry chosen: not given
    timer("tr1", 10, false),
    timer("t2", 100, false),
    timer("Timer1", 3000, false),
};

}  // namespace

extern constexpr WindowDesign frm30{
    .name = "frm30", .className = "Tfrm30", .client = albumClient, .components = albumComponents};

}  // namespace vemra::designs::windows
