#include "menus/section_menus.h"

#include <array>

#include <nlohmann/json.hpp>

#include "content/text_readers.h"
#include "designs/design.h"
#include "platform/ui/application.h"
#include "shell/navigation.h"
#include "shell/un4.h"

namespace vemra::menus {

namespace {
using shell::un4;

// What a hotspot click sets before the target is created.
enum class Choice { none, selectedKindFromTag, playerVariantFromTag };

// Lists a menu loads at creation, before it copies the zero-advance codes.
enum class Lists { none, galleries, playerTitles };

}  // namespace

struct SectionMenuTraits {
    std::string_view name;
    std::array<std::string_view, 6> hotspots;
    int animationSet;
    const char* track;
    Choice choice = Choice::none;
    Lists lists = Lists::none;
    bool clearsClickedHotspot = true;
    bool fillsExitCornerFromLit = false;
};

namespace {

const SectionMenuTraits menus[] = {
    {.name = "frm9",
     .hotspots = {"m2", "m3", "m4"},
     .animationSet = 8,
     .track = "data1\\08.dat"},
    {.name = "frm23",
     .hotspots = {"m2", "m3", "m4"},
     .animationSet = 5,
     .track = "data1\\07.dat"},
    {.name = "frm24",
     .hotspots = {"m2", "m3"},
     .animationSet = 25,
     .track = "data1\\18.dat",
     .choice = Choice::selectedKindFromTag},
    {.name = "frm26",
     .hotspots = {"m2", "m3", "m4"},
     .animationSet = 11,
     .track = "data1\\13.dat",
     .lists = Lists::galleries,
     .fillsExitCornerFromLit = true},
    {.name = "frm7",
     .hotspots = {"m2", "m3", "m4", "Image2", "Image3", "Image4"},
     .animationSet = 3,
     .track = "data1\\03.dat",
     .choice = Choice::playerVariantFromTag,
     .lists = Lists::playerTitles,
     .clearsClickedHotspot = false},
};

}  // namespace

SectionMenu::SectionMenu(const SectionMenuTraits& traits, shell::Screen& opener)
    : Screen(*designs::findDesign(traits.name), {.animationSet = traits.animationSet, .track = traits.track}, &opener),
      menu_(traits) {
    for (std::string_view h : menu_.hotspots) {
        if (h.empty()) continue;
        addHotspot(h);
        get<ui::Picture>(h).onClick = [this](ui::Widget& w) { hotspotClick(w); };
    }
    endHoverOn("m1");
    setExitCorner();
    if (menu_.fillsExitCornerFromLit) {
        onShow = [this, centre = onShow](ui::Widget& w) {
            shell::copyLitLook(get<ui::Picture>("m9"), get<ui::Picture>("Image1"));
            centre(w);
        };
    }
    describeScreen = [this](nlohmann::json& screen) {
        screen["litHotspot"] = litHotspot ? nlohmann::json(litHotspot->name()) : nlohmann::json(nullptr);
    };
    ui::app().handle([this] { FormCreate(); });
}

void SectionMenu::FormCreate() {
    litHotspot = nullptr;
    if (menu_.lists == Lists::galleries) {
        un4().pictureTitles.clear();
        un4().gallerySections.clear();
        un4().pictureEntries.clear();
        un4().soundTitles.clear();
        un4().pictureTitles = content::loadLines("data2\\qem0026.dat");
        un4().gallerySections = content::loadLines("data2\\qem0028.dat");
        un4().pictureEntries = content::loadLines("data2\\qem0027.dat");
        un4().soundTitles = content::loadLines("data2\\qem0025.dat");
    }
    if (menu_.lists == Lists::playerTitles) {
        un4().playerTitles.clear();
        un4().playerTitles = content::loadLines("data2\\qem0046.dat");
        onDestroy = [](ui::Widget&) { un4().playerTitles.clear(); };
    }
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
}

void SectionMenu::hotspotClick(ui::Widget& hotspot) {
    if (menu_.clearsClickedHotspot) static_cast<ui::Picture&>(hotspot).clear();
    if (menu_.choice == Choice::selectedKindFromTag) un4().selectedKind = hotspot.tag;
    if (menu_.choice == Choice::playerVariantFromTag) un4().playerVariant = hotspot.tag;
    un4().transitionCover = &cover();
    if (shell::Screen* screen = shell::navigation().follow(hotspot.name(), *this)) openScreen(*screen);
}

shell::Screen* createSectionMenu(std::string_view name, shell::Screen& opener) {
    for (const SectionMenuTraits& m : menus)
        if (m.name == name) return &ui::app().create<SectionMenu>(m, opener);
    return nullptr;
}

}  // namespace vemra::menus
