#include "designs/building_blocks.h"
#include "designs/windows.h"

// The secondary menu and its sub-menu: item rows are transparent labels lit from the hidden Image1.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Size secondaryMenuClient{641, 475};
constexpr gfx::Size subMenuClient{642, 479};

constexpr ComponentDesign itemRow(std::string_view name, gfx::Rect rect, int tag) {
    ComponentDesign row = transparentLabel(name, rect, hotspotCursor);
    row.tag = tag;
    return row;
}

constexpr ComponentDesign secondaryMenuComponents[] = {
    transparentLabel("Label1", fill(secondaryMenuClient)),
    artPicture("m9", {490, 400, 150, 80}),
    artPicture("m1", fill(secondaryMenuClient)),
    hidden(artPicture("Image1", fill(secondaryMenuClient))),
    transparentLabel("Lout", {584, 400, 55, 83}, hotspotCursor),
    itemRow("Lab1", {20, 37, 242, 28}, 1),
    itemRow("Lab2", {20, 65, 346, 28}, 2),
    itemRow("Lab3", {22, 93, 464, 28}, 3),
    itemRow("Lab4", {15, 123, 349, 28}, 10),
    itemRow("Lab5", {20, 151, 266, 28}, 11),
    itemRow("Lab6", {22, 179, 275, 28}, 12),
    itemRow("Lab7", {21, 204, 400, 32}, 4),
    itemRow("Lab8", {14, 235, 554, 52}, 5),
    itemRow("Lab9", {22, 293, 424, 51}, 6),
    itemRow("Lab10", {20, 346, 452, 32}, 7),
    itemRow("Lab11", {16, 376, 377, 34}, 8),
    timer("Timer1", 10, false),
};

constexpr ComponentDesign subMenuComponents[] = {
    transparentLabel("Labm", fill(subMenuClient)),
    artPicture("m9", {490, 400, 150, 80}),
    artPicture("m1", fill(subMenuClient)),
    hidden(artPicture("Image1", {63, 139, 524, 120})),
    transparentLabel("Lout", {586, 411, 52, 67}, hotspotCursor),
    transparentLabel("Label1", {-63, -7, 209, 120}),
    itemRow("Lab1", {68, 141, 469, 33}, 9),
    itemRow("Lab2", {76, 177, 483, 36}, 10),
    itemRow("Lab3", {108, 217, 479, 35}, 11),
    timer("tr1", 10, false),
};

}  // namespace

extern constexpr WindowDesign frm33{.name = "frm33",
                                    .className = "Tfrm33",
                                    .client = secondaryMenuClient,
                                    .color = white,
                                    .components = secondaryMenuComponents};

extern constexpr WindowDesign frm34{
    .name = "frm34", .className = "Tfrm34", .client = subMenuClient, .components = subMenuComponents};

}  // namespace vemra::designs::windows
