#include "designs/building_blocks.h"
#include "designs/windows.h"

// The three picture galleries share one design and differ in the places of their lists, arrows,
// picture, clip panel and the width of the corner animation area.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size galleryClient{642, 479};

struct Gallery {
    gfx::Point pictureRows, soundRows;  // left and top of the first row; rows are 175 × 31 at a pitch of 31
    gfx::Point up, down;                // luptrs (34 × 30), ldntrs (31 × 33): the picture list
    gfx::Point soundUp, soundDown;      // luptrs1, ldntrs1: the sound list
    gfx::Point upPressed, downPressed;  // Image2, Image3 (21 × 19)
    gfx::Point soundUpPressed, soundDownPressed;  // Image1, Image4
    gfx::Point picture;                 // Image5
    gfx::Point panel;                   // Panel1 (189 × 53)
    int animationWidth;                 // Label1 at 10, 9, 145 high
};

constexpr std::array<std::string_view, 5> pictureRowNames{"Label2", "Label3", "Label4", "Label5", "Label6"};
constexpr std::array<std::string_view, 5> soundRowNames{"Label7", "Label8", "Label9", "Label10", "Label11"};

constexpr ComponentDesign listRow(gfx::Point first, bool visible) {
    ComponentDesign row = textLabel({}, {first.x, first.y, 175, 31}, naskeFont(35), Align::right);
    row.visible = visible;
    row.cursor = listCursor;
    return row;
}

constexpr gfx::Rect arrowPress(gfx::Point at) { return {at.x, at.y, 21, 19}; }

// A time figure of the clip panel. transparency chosen: not given
constexpr ComponentDesign panelTime(std::string_view name, int left) {
    return inside("Panel1", textLabel(name, {left, 9, 18, 22}, {.height = 11, .color = yellow}, Align::right));
}

// The selected picture (Image5) is loaded at run time from data3 and carries no artwork.
constexpr auto galleryComponents(const Gallery& g) {
    ComponentList<43> list;
    list.add(transparentLabel("Labm", fill(galleryClient)));
    list.add(artPicture("m9", {490, 400, 150, 80}));
    list.add(artPicture("Image2", arrowPress(g.upPressed)));
    list.add(artPicture("Image3", arrowPress(g.downPressed)));
    list.add(artPicture("Image1", arrowPress(g.soundUpPressed)));
    list.add(artPicture("Image4", arrowPress(g.soundDownPressed)));
    list.add(artPicture("m1", fill(galleryClient)));
    list.add(transparentLabel("Lout", {586, 411, 52, 67}, hotspotCursor));
    list.addRows(pictureRowNames, listRow(g.pictureRows, true), 31);
    list.addRows(soundRowNames, listRow(g.soundRows, false), 31);
    list.add(arrowLabel("luptrs", {g.up.x, g.up.y, 34, 30}, "line up"));
    list.add(arrowLabel("ldntrs", {g.down.x, g.down.y, 31, 33}, "line down"));
    list.add(arrowLabel("luptrs1", {g.soundUp.x, g.soundUp.y, 34, 30}, "line up"));
    list.add(arrowLabel("ldntrs1", {g.soundDown.x, g.soundDown.y, 31, 33}, "line down"));
    // geometry chosen: not given (the picture sizes to its content)
    list.add({.name = "Image5", .rect = {g.picture.x, g.picture.y, 100, 100}, .autoSize = true});
    // geometry chosen: not given (only the start is; the width follows the text, the height a row's)
    list.add({.name = "labcamov", .kind = Kind::label, .rect = {416, 8, 175, 31}, .autoSize = true});
    list.add(invisibleLabel("Laev1", {300, 20, 30, 13}));    // geometry chosen: not given
    list.add(invisibleLabel("lablst1", {340, 20, 30, 13}));  // geometry chosen: not given
    list.add(invisibleLabel("Laev2", {380, 20, 30, 13}));    // geometry chosen: not given
    list.add(invisibleLabel("lablst2", {420, 20, 30, 13}));  // geometry chosen: not given
    list.add(transparentLabel("Label1", {10, 9, g.animationWidth, 145}));
    list.add({.name = "Panel1", .kind = Kind::panel, .rect = {g.panel.x, g.panel.y, 189, 53}, .visible = false});
    list.add(inside("Panel1", artPicture("imgr2", {2, 2, 63, 35})));
    list.add(inside("Panel1", artPicture("imgr1", {0, 1, 188, 52})));
    list.add(inside("Panel1", hotspot("imgr3", {6, 4, 29, 28}, 2)));
    list.add(inside("Panel1", hotspot("imgr4", {35, 5, 28, 26}, 1)));
    list.add(panelTime("lt1", 63));
    list.add(panelTime("lt2", 81));
    list.add(panelTime("lt3", 100));
    list.add(panelTime("lt4", 122));
    list.add(panelTime("lt5", 141));
    list.add(panelTime("lt6", 161));
    list.add(inside("Panel1", {.name = "Sr1", .kind = Kind::scrollBar, .rect = {8, 37, 174, 10}}));
    list.add(timer("t2", 100, false));
    list.add(timer("tr1", 10, false));
    return list.finished();
}

constexpr Gallery frm27Gallery{{383, 133}, {132, 277}, {560, 128}, {560, 264}, {309, 272}, {309, 411},
                               {563, 133}, {564, 272}, {313, 279}, {314, 418}, {264, 16},  {382, 340}, 247};
constexpr Gallery frm28Gallery{{404, 149}, {170, 277}, {584, 144}, {584, 280}, {349, 272}, {349, 411},
                               {589, 149}, {590, 288}, {353, 277}, {354, 416}, {300, 12},  {398, 332}, 279};
constexpr Gallery frm29Gallery{{393, 143}, {145, 255}, {569, 139}, {572, 276}, {325, 248}, {325, 387},
                               {577, 144}, {577, 283}, {329, 255}, {330, 394}, {281, 14},  {382, 340}, 255};

constexpr auto frm27Components = galleryComponents(frm27Gallery);
constexpr auto frm28Components = galleryComponents(frm28Gallery);
constexpr auto frm29Components = galleryComponents(frm29Gallery);

}  // namespace

extern constexpr WindowDesign frm27{
    .name = "frm27", .className = "Tfrm27", .client = galleryClient, .components = frm27Components};
extern constexpr WindowDesign frm28{
    .name = "frm28", .className = "Tfrm28", .client = galleryClient, .components = frm28Components};
extern constexpr WindowDesign frm29{
    .name = "frm29", .className = "Tfrm29", .client = galleryClient, .components = frm29Components};

}  // namespace vemra::designs::windows
