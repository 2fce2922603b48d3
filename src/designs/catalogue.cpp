#include <algorithm>
#include <array>

#include "designs/windows.h"

namespace vemra::designs {

namespace {

constexpr std::array<const WindowDesign*, 33> catalogue{
    &windows::frm16, &windows::Frm17, &windows::frm1,  &windows::frm9,  &windows::frm23, &windows::frm24,
    &windows::frm26, &windows::frm7,  &windows::frm33, &windows::frm34, &windows::frm10, &windows::frm22,
    &windows::frm21, &windows::frm11, &windows::frm12, &windows::frm19, &windows::frm18, &windows::frm35,
    &windows::frm36, &windows::frm20, &windows::frm5,  &windows::frm2,  &windows::frm8,  &windows::frm27,
    &windows::frm29, &windows::frm28, &windows::frm30, &windows::frm31, &windows::sear,  &windows::Frm14,
    &windows::frm32, &windows::frm15, &windows::Frm37,
};

}  // namespace

std::span<const WindowDesign* const> allDesigns() { return catalogue; }

const WindowDesign* findDesign(std::string_view name) {
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [name](const WindowDesign* design) { return design->name == name; });
    return found == catalogue.end() ? nullptr : *found;
}

}  // namespace vemra::designs
