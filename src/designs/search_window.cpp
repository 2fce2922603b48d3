#include "designs/building_blocks.h"
#include "designs/windows.h"

// The search window: a small bordered window whose buttons and option captions are part of its
// background picture.
namespace vemra::designs::windows {

namespace {

constexpr gfx::Color optionColor{225, 238, 246};

constexpr ComponentDesign option(std::string_view name, gfx::Rect rect, bool checked) {
    return {.name = name,
            .kind = Kind::radio,
            .rect = rect,
            .cursor = listCursor,
            .color = optionColor,
            .checked = checked};
}

constexpr ComponentDesign searchComponents[] = {
    artPicture("Image2", {151, 94, 95, 32}),
    artPicture("Image3", {24, 94, 95, 32}),
    artPicture("Image1", {0, 0, 270, 139}),
    {.name = "me1",
     .kind = Kind::edit,
     .rect = {24, 23, 222, 31},
     .font = FontDesign{.face = naske, .height = 27, .charset = 184},
     .alignment = Align::right},
    option("rad1", {231, 68, 15, 15}, true),
    option("rad2", {104, 69, 15, 14}, false),
    transparentLabel("Label3", {149, 62, 81, 23}),
    transparentLabel("Label4", {30, 62, 73, 23}),
    transparentLabel("Label2", {152, 94, 94, 31}, handCursor),
    transparentLabel("Label1", {24, 93, 96, 33}, handCursor),
};

}  // namespace

extern constexpr WindowDesign sear{.name = "sear",
                                   .className = "Tsear",
                                   .client = {270, 139},
                                   .border = Border::single,
                                   .components = searchComponents};

}  // namespace vemra::designs::windows
