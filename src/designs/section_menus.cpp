#include "designs/building_blocks.h"
#include "designs/windows.h"

// The five section menus share one design and differ in their hotspots, lit picture, exit corner
// and corner animation area.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size sectionMenuClient{642, 479};

struct MenuHotspot {
    std::string_view name;
    int tag;
    gfx::Rect rect;
};

template <std::size_t Hotspots>
struct SectionMenu {
    gfx::Rect lit;                // Image1, the look of the hotspot area with every hotspot lit
    gfx::Rect exitCorner;         // m9
    bool exitCornerArt;           // false: the screen fills m9 from Image1 when shown
    gfx::Rect animation;          // Label1
    std::array<MenuHotspot, Hotspots> hotspots;
};

template <std::size_t Hotspots>
constexpr auto sectionMenuComponents(const SectionMenu<Hotspots>& menu) {
    ComponentList<Hotspots + 7> list;
    list.add({.name = "Image1", .rect = menu.lit, .visible = false, .autoSize = true, .artwork = true});
    list.add(transparentLabel("Labm", fill(sectionMenuClient)));
    list.add({.name = "m9", .rect = menu.exitCorner, .autoSize = menu.exitCornerArt, .artwork = menu.exitCornerArt});
    list.add(artPicture("m1", fill(sectionMenuClient)));
    list.add(transparentLabel("Label1", menu.animation));
    list.add(transparentLabel("Lout", {586, 411, 52, 67}, hotspotCursor));
    for (const MenuHotspot& h : menu.hotspots) list.add(hotspot(h.name, h.rect, h.tag));
    list.add(timer("tr1", 10, false));
    return list.finished();
}

constexpr gfx::Rect exitCorner{490, 400, 150, 80};

constexpr SectionMenu<3> frm9Menu{{453, 104, 131, 136}, exitCorner, true, {8, 8, 332, 145},
                                  {{{"m2", 1, {457, 108, 124, 40}},
                                    {"m3", 2, {457, 152, 124, 40}},
                                    {"m4", 3, {457, 197, 124, 39}}}}};
constexpr SectionMenu<3> frm23Menu{{461, 157, 154, 167}, exitCorner, true, {2, 1, 332, 145},
                                   {{{"m2", 1, {467, 163, 143, 43}},
                                     {"m3", 2, {467, 218, 146, 44}},
                                     {"m4", 3, {467, 276, 145, 44}}}}};
constexpr SectionMenu<2> frm24Menu{{340, 245, 178, 99}, exitCorner, true, {0, 73, 255, 184},
                                   {{{"m2", 1, {345, 251, 168, 40}},
                                     {"m3", 2, {342, 298, 170, 40}}}}};
constexpr SectionMenu<3> frm26Menu{{249, 310, 391, 170}, {499, 400, 144, 80}, false, {8, 8, 332, 145},
                                   {{{"m2", 1, {497, 323, 119, 48}},
                                     {"m3", 2, {377, 368, 120, 49}},
                                     {"m4", 3, {259, 411, 115, 46}}}}};
// The tags, not the screen order, choose the player variant: the top hotspot gives 4.
constexpr SectionMenu<6> frm7Menu{{467, 101, 148, 309}, {466, 401, 174, 79}, true, {2, 1, 223, 145},
                                  {{{"m2", 4, {479, 109, 126, 41}},
                                    {"m3", 2, {479, 154, 126, 41}},
                                    {"m4", 6, {479, 199, 126, 61}},
                                    {"Image2", 3, {479, 265, 126, 41}},
                                    {"Image3", 1, {479, 310, 127, 41}},
                                    {"Image4", 5, {479, 355, 126, 41}}}}};

constexpr auto frm9Components = sectionMenuComponents(frm9Menu);
constexpr auto frm23Components = sectionMenuComponents(frm23Menu);
constexpr auto frm24Components = sectionMenuComponents(frm24Menu);
constexpr auto frm26Components = sectionMenuComponents(frm26Menu);
constexpr auto frm7Components = sectionMenuComponents(frm7Menu);

}  // namespace

extern constexpr WindowDesign frm9{
    .name = "frm9", .className = "Tfrm9", .client = sectionMenuClient, .components = frm9Components};
extern constexpr WindowDesign frm23{
    .name = "frm23", .className = "Tfrm23", .client = sectionMenuClient, .components = frm23Components};
extern constexpr WindowDesign frm24{
    .name = "frm24", .className = "Tfrm24", .client = sectionMenuClient, .components = frm24Components};
extern constexpr WindowDesign frm26{
    .name = "frm26", .className = "Tfrm26", .client = sectionMenuClient, .components = frm26Components};
extern constexpr WindowDesign frm7{
    .name = "frm7", .className = "Tfrm7", .client = sectionMenuClient, .components = frm7Components};

}  // namespace vemra::designs::windows
