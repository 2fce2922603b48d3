#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "designs/design.h"

namespace vemra::designs {
namespace {

const WindowDesign& design(std::string_view window) {
    const WindowDesign* found = findDesign(window);
    if (!found) throw std::runtime_error("no design " + std::string(window));
    return *found;
}

// Index of a component in creation order; -1 when the window has none of that name.
int indexOf(const WindowDesign& w, std::string_view name) {
    for (std::size_t i = 0; i < w.components.size(); ++i)
        if (w.components[i].name == name) return int(i);
    return -1;
}

const ComponentDesign& component(std::string_view window, std::string_view name) {
    const WindowDesign& w = design(window);
    const int i = indexOf(w, name);
    if (i < 0) throw std::runtime_error(std::string(window) + " has no " + std::string(name));
    return w.components[std::size_t(i)];
}

// The component's rectangle in window client coordinates.
gfx::Rect onWindow(const WindowDesign& w, const ComponentDesign& c) {
    gfx::Rect r = c.rect;
    for (std::string_view parent = c.parent; !parent.empty();) {
        const ComponentDesign& p = w.components[std::size_t(indexOf(w, parent))];
        r = r.translated(p.rect.left, p.rect.top);
        parent = p.parent;
    }
    return r;
}

bool contains(gfx::Rect outer, gfx::Rect inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

std::string where(const WindowDesign& w, const ComponentDesign& c) {
    return std::string(w.name) + "." + std::string(c.name);
}

TEST(DesignCatalogue, EveryWindowHasItsDesignedClassSizeAndBorder) {
    struct Entry {
        std::string_view name, className;
        gfx::Size client;
        Border border;
    };
    const Entry catalogue[] = {
        {"frm16", "Tfrm16", {636, 453}, Border::none}, {"Frm17", "TFrm17", {427, 306}, Border::none},
        {"frm1", "Tfrm1", {641, 475}, Border::none},   {"frm9", "Tfrm9", {642, 479}, Border::none},
        {"frm23", "Tfrm23", {642, 479}, Border::none}, {"frm24", "Tfrm24", {642, 479}, Border::none},
        {"frm26", "Tfrm26", {642, 479}, Border::none}, {"frm7", "Tfrm7", {642, 479}, Border::none},
        {"frm33", "Tfrm33", {641, 475}, Border::none}, {"frm34", "Tfrm34", {642, 479}, Border::none},
        {"frm10", "Tfrm10", {639, 479}, Border::none}, {"frm22", "Tfrm22", {642, 479}, Border::none},
        {"frm21", "Tfrm21", {642, 479}, Border::none}, {"frm11", "Tfrm11", {642, 479}, Border::none},
        {"frm12", "Tfrm12", {642, 479}, Border::none}, {"frm19", "Tfrm19", {639, 478}, Border::none},
        {"frm18", "Tfrm18", {640, 480}, Border::none}, {"frm35", "Tfrm35", {640, 480}, Border::none},
        {"frm36", "Tfrm36", {640, 480}, Border::none}, {"frm20", "Tfrm20", {640, 480}, Border::none},
        {"frm5", "Tfrm5", {640, 478}, Border::none},   {"frm2", "Tfrm2", {640, 480}, Border::none},
        {"frm8", "Tfrm8", {640, 482}, Border::none},   {"frm27", "Tfrm27", {642, 479}, Border::none},
        {"frm29", "Tfrm29", {642, 479}, Border::none}, {"frm28", "Tfrm28", {642, 479}, Border::none},
        {"frm30", "Tfrm30", {644, 509}, Border::none}, {"frm31", "Tfrm31", {640, 482}, Border::none},
        {"sear", "Tsear", {270, 139}, Border::single}, {"Frm14", "TFrm14", {640, 479}, Border::none},
        {"frm32", "Tfrm32", {640, 486}, Border::none}, {"frm15", "Tfrm15", {590, 355}, Border::none},
        {"Frm37", "TFrm37", {199, 100}, Border::single},
    };
    EXPECT_EQ(allDesigns().size(), std::size(catalogue));
    for (const Entry& e : catalogue) {
        const WindowDesign* w = findDesign(e.name);
        ASSERT_NE(w, nullptr) << e.name;
        EXPECT_EQ(w->className, e.className) << e.name;
        EXPECT_EQ(w->client, e.client) << e.name;
        EXPECT_EQ(w->border, e.border) << e.name;
        EXPECT_FALSE(w->components.empty()) << e.name;
    }
    EXPECT_EQ(findDesign("frm14"), nullptr) << "names are matched exactly";
    EXPECT_EQ(findDesign("frm3"), nullptr);
}

TEST(DesignStructure, ComponentNamesAreUniqueAndParentsArePanelsCreatedFirst) {
    for (const WindowDesign* w : allDesigns()) {
        std::set<std::string_view> seen;
        for (const ComponentDesign& c : w->components) {
            EXPECT_FALSE(c.name.empty()) << w->name;
            EXPECT_TRUE(seen.insert(c.name).second) << "duplicate " << where(*w, c);
            if (c.parent.empty()) continue;
            const int parent = indexOf(*w, c.parent);
            ASSERT_GE(parent, 0) << where(*w, c) << " names a missing parent";
            EXPECT_LT(parent, indexOf(*w, c.name)) << where(*w, c) << " comes before its parent";
            EXPECT_EQ(w->components[std::size_t(parent)].kind, Kind::panel) << where(*w, c);
        }
    }
}

TEST(DesignStructure, TimersHaveIntervalsAndArtworkIsOnPicturesOnly) {
    for (const WindowDesign* w : allDesigns())
        for (const ComponentDesign& c : w->components) {
            if (c.kind == Kind::timer) {
                EXPECT_GT(c.interval, 0) << where(*w, c);
            }
            if (c.artwork) {
                EXPECT_EQ(c.kind, Kind::picture) << where(*w, c);
            }
        }
}

// Full screens are shown at 640 × 480 whatever their designed size; exit corners may overhang an
// edge by a few pixels as designed.
TEST(DesignStructure, HotspotsLieInsideTheirWindow) {
    constexpr int overhang = 6;
    for (const WindowDesign* w : allDesigns()) {
        gfx::Rect area = {0, 0, w->client.width, w->client.height};
        if (w->border == Border::none && w->client.width > 600) area = area.united({0, 0, 640, 480});
        const gfx::Rect allowed{-overhang, -overhang, area.width + 2 * overhang, area.height + 2 * overhang};
        for (const ComponentDesign& c : w->components) {
            const bool hotspot = c.cursor == 5 && !c.artwork && c.kind == Kind::picture;
            const bool hotLabel = c.cursor == 5 && c.kind == Kind::label && c.visible;
            if (!hotspot && !hotLabel) continue;
            EXPECT_FALSE(c.rect.empty()) << where(*w, c);
            EXPECT_TRUE(contains(allowed, onWindow(*w, c))) << where(*w, c);
        }
    }
}

TEST(DesignHotspotScreens, SectionMenusHaveTheStandardComponentsInOrder) {
    for (std::string_view name : {"frm9", "frm23", "frm24", "frm26", "frm7"}) {
        SCOPED_TRACE(std::string(name));
        const WindowDesign& w = design(name);
        const int image1 = indexOf(w, "Image1"), labm = indexOf(w, "Labm"), m9 = indexOf(w, "m9"),
                  m1 = indexOf(w, "m1"), label1 = indexOf(w, "Label1"), lout = indexOf(w, "Lout"),
                  m2 = indexOf(w, "m2"), tr1 = indexOf(w, "tr1");
        EXPECT_EQ(image1, 0);
        EXPECT_TRUE(image1 < labm && labm < m9 && m9 < m1 && m1 < label1 && label1 < lout && lout < m2 && m2 < tr1);
        EXPECT_EQ(tr1, int(w.components.size()) - 1);

        const ComponentDesign& lit = component(name, "Image1");
        EXPECT_FALSE(lit.visible);
        EXPECT_TRUE(lit.artwork);
        const ComponentDesign& cover = component(name, "Labm");
        EXPECT_EQ(cover.kind, Kind::label);
        EXPECT_TRUE(cover.transparent);
        EXPECT_EQ(cover.rect, (gfx::Rect{0, 0, 642, 479}));
        EXPECT_EQ(component(name, "m1").rect, (gfx::Rect{0, 0, 642, 479}));
        EXPECT_TRUE(component(name, "m1").artwork);
        const ComponentDesign& exit = component(name, "Lout");
        EXPECT_EQ(exit.rect, (gfx::Rect{586, 411, 52, 67}));
        EXPECT_EQ(exit.cursor, 5);
        EXPECT_TRUE(exit.transparent);
        const ComponentDesign& track = component(name, "tr1");
        EXPECT_EQ(track.kind, Kind::timer);
        EXPECT_EQ(track.interval, 10);
        EXPECT_FALSE(track.timerEnabled);
    }
    EXPECT_EQ(component("frm9", "m9").rect, (gfx::Rect{490, 400, 150, 80}));
    EXPECT_EQ(component("frm9", "Image1").rect, (gfx::Rect{453, 104, 131, 136}));
    EXPECT_EQ(component("frm9", "Label1").rect, (gfx::Rect{8, 8, 332, 145}));
    EXPECT_FALSE(component("frm26", "m9").artwork) << "frm26 fills its exit corner from Image1";
}

TEST(DesignHotspotScreens, HotspotsLieInsideThePictureTheyLightFrom) {
    struct Lighting {
        std::string_view window, litPicture;
        std::vector<std::string_view> hotspots;
    };
    const Lighting lightings[] = {
        {"frm1", "Image1", {"m3", "m4", "m5", "m6", "m7", "m8", "Image2"}},
        {"frm1", "Image6", {"m10", "Image4", "Image5"}},
        {"frm9", "Image1", {"m2", "m3", "m4"}},
        {"frm23", "Image1", {"m2", "m3", "m4"}},
        {"frm24", "Image1", {"m2", "m3"}},
        {"frm26", "Image1", {"m2", "m3", "m4"}},
        {"frm7", "Image1", {"m2", "m3", "m4", "Image2", "Image3", "Image4"}},
        {"frm34", "Image1", {"Lab1", "Lab2", "Lab3"}},
        {"frm19", "Image1", {"imgg1", "imgg2", "imgg3", "imgg4"}},
        {"frm20", "Image3", {"Imgg1", "Imgg2", "Imgg3", "Imgg4", "Imgg5", "Imgg6", "Imgg7"}},
        {"frm5", "Image2", {"Image3", "Image4"}},
        {"frm2", "Image13", {"Image6", "Image5", "Image8", "Image11", "Image12", "Image7", "Image4", "Image3"}},
        {"frm8", "Image1", {"Image6", "Image5", "Image8", "Image11", "Image12", "Image7", "Image4", "Image3"}},
        {"frm27", "imgr2", {"imgr3", "imgr4"}},
    };
    for (const Lighting& l : lightings) {
        const gfx::Rect lit = component(l.window, l.litPicture).rect;
        for (std::string_view h : l.hotspots)
            EXPECT_TRUE(contains(lit, component(l.window, h).rect)) << l.window << "." << h;
    }
}

// The cover and the pictures resting behind the background are created before it, so that at rest
// the background hides them and receives the mouse.
TEST(DesignHotspotScreens, BackgroundAndCoverFillTheWindowAndRestAboveCoverAndLitExit) {
    struct Layers {
        std::string_view window, background, cover, litExit;
    };
    const Layers screens[] = {
        {"frm1", "m1", "Label1", "m9"},    {"frm9", "m1", "Labm", "m9"},      {"frm33", "m1", "Label1", "m9"},
        {"frm34", "m1", "Labm", "m9"},     {"frm10", "m1", "Labm", "m9"},     {"frm12", "m1", "Labm", "m9"},
        {"frm19", "m1", "Labm", "m5"},     {"frm18", "m1", "Labm", "m9"},     {"frm35", "m1", "Labm", "m9"},
        {"frm36", "m1", "Labm", "m9"},     {"frm20", "m1", "Labm", "m5"},     {"frm5", "m1", "Labm", "m5"},
        {"frm2", "Image1", "Labm", "m9"},  {"frm8", "m1", "Labm", "m2"},      {"frm28", "m1", "Labm", "m9"},
        {"frm30", "m1", "Labm", "m9"},     {"frm31", "m1", "Labm", "m9"},     {"Frm14", "Image1", "Label1", "m2"},
        {"frm32", "Image1", "Label1", "m2"},
    };
    for (const Layers& s : screens) {
        SCOPED_TRACE(std::string(s.window));
        const WindowDesign& w = design(s.window);
        const gfx::Rect client{0, 0, w.client.width, w.client.height};
        EXPECT_EQ(component(s.window, s.background).rect, client);
        EXPECT_EQ(component(s.window, s.cover).rect, client);
        EXPECT_TRUE(component(s.window, s.cover).transparent);
        EXPECT_LT(indexOf(w, s.cover), indexOf(w, s.background));
        EXPECT_LT(indexOf(w, s.litExit), indexOf(w, s.background));
    }
    EXPECT_EQ(component("frm16", "m1").rect, (gfx::Rect{0, 0, 636, 453}));
    EXPECT_TRUE(component("frm16", "m1").stretch);
}

TEST(DesignSpotChecks, GeometryAsDesigned) {
    EXPECT_EQ(component("frm1", "Image3").rect, (gfx::Rect{-88, 144, 100, 100}));
    EXPECT_EQ(component("frm1", "m10").rect, (gfx::Rect{180, 412, 110, 48}));
    EXPECT_EQ(component("frm7", "Image3").rect, (gfx::Rect{479, 310, 127, 41}));
    EXPECT_EQ(component("frm33", "Lab8").rect, (gfx::Rect{14, 235, 554, 52}));
    EXPECT_EQ(component("frm10", "Label9").rect, (gfx::Rect{415, 319, 175, 34}));
    EXPECT_EQ(component("frm22", "ldntrs").rect, (gfx::Rect{263, 364, 31, 33}));
    EXPECT_EQ(component("frm11", "Image1").rect, (gfx::Rect{238, 406, 63, 63}));
    EXPECT_EQ(component("frm19", "llsd").rect, (gfx::Rect{419, 236, 32, 31}));
    EXPECT_EQ(onWindow(design("frm19"), component("frm19", "llsd")), (gfx::Rect{436, 394, 32, 31}));
    EXPECT_EQ(component("frm18", "Label8").rect, (gfx::Rect{423, 337, 173, 35}));
    EXPECT_EQ(component("frm35", "m6").rect, (gfx::Rect{-1, 414, 61, 66}));
    EXPECT_EQ(component("frm20", "Imgg6").rect, (gfx::Rect{494, 282, 127, 42}));
    EXPECT_EQ(component("frm5", "l16").rect, (gfx::Rect{168, 392, 73, 33}));
    EXPECT_EQ(component("frm2", "lls8").rect, (gfx::Rect{411, 372, 180, 30}));
    EXPECT_EQ(component("frm8", "Image11").rect, (gfx::Rect{208, 432, 36, 25}));
    EXPECT_EQ(component("frm29", "Label11").rect, (gfx::Rect{145, 379, 175, 31}));
    EXPECT_EQ(component("frm28", "Image4").rect, (gfx::Rect{354, 416, 21, 19}));
    EXPECT_EQ(component("frm30", "Image6").rect, (gfx::Rect{0, 207, 33, 55}));
    EXPECT_EQ(component("frm31", "Panv").rect, (gfx::Rect{122, 133, 240, 180}));
    EXPECT_EQ(component("sear", "rad2").rect, (gfx::Rect{104, 69, 15, 14}));
    EXPECT_EQ(component("frm32", "Label6").rect, (gfx::Rect{0, 230, 392, 45}));
    EXPECT_EQ(component("frm32", "Label6").parent, "Panel4");
}

TEST(DesignSpotChecks, KindsTagsFontsAndWindowStates) {
    const ComponentDesign& row = component("frm12", "Label5");
    ASSERT_TRUE(row.font.has_value());
    EXPECT_EQ(row.font->face, "Read01 Naske");
    EXPECT_EQ(row.font->height, 32);
    EXPECT_EQ(row.font->color, (gfx::Color{255, 255, 0}));
    EXPECT_EQ(row.alignment, Align::right);
    EXPECT_EQ(row.cursor, 2) << "list rows carry the list cursor as designed";

    EXPECT_EQ(component("frm7", "m2").tag, 4);
    EXPECT_EQ(component("frm33", "Lab5").tag, 11);
    EXPECT_EQ(component("frm5", "l4").tag, 68);

    const ComponentDesign& overlay = component("frm2", "labcamov");
    EXPECT_EQ(overlay.color, (gfx::Color{255, 164, 164}));
    ASSERT_TRUE(overlay.font.has_value());
    EXPECT_EQ(overlay.font->charset, 184);
    EXPECT_EQ(component("frm2", "Label12").hint, "خروج");
    EXPECT_FALSE(component("frm2", "Label12").showHint);
    EXPECT_TRUE(component("frm1", "Image2").showHint);
    EXPECT_EQ(component("frm1", "Image2").hint, "about the center");

    const ComponentDesign& option = component("sear", "rad1");
    EXPECT_EQ(option.kind, Kind::radio);
    EXPECT_EQ(option.cursor, 2);
    EXPECT_EQ(option.color, (gfx::Color{225, 238, 246}));
    EXPECT_EQ(component("sear", "Label2").cursor, -21);
    EXPECT_EQ(component("frm5", "ls1").itemHeight, 24);
    EXPECT_EQ(component("frm27", "Sr1").kind, Kind::scrollBar);

    EXPECT_TRUE(component("frm16", "Timer2").timerEnabled);
    EXPECT_EQ(component("frm16", "Timer2").interval, 10);
    EXPECT_EQ(component("frm30", "Timer1").interval, 3000);
    EXPECT_FALSE(component("frm8", "Label4").visible);

    EXPECT_FALSE(component("frm36", "m1").artwork) << "taken from the picture module";
    EXPECT_FALSE(component("frm28", "Image5").artwork) << "loaded from data3";
    EXPECT_TRUE(component("frm19", "Image2").artwork);

    EXPECT_FALSE(design("Frm17").enabled);
    EXPECT_TRUE(design("Frm17").maximized);
    EXPECT_EQ(design("Frm17").color, (gfx::Color{0, 0, 0}));
    EXPECT_TRUE(design("frm32").stayOnTop);
    EXPECT_EQ(design("frm1").color, (gfx::Color{255, 255, 255}));
}

}  // namespace
}  // namespace vemra::designs
