#pragma once

#include <string_view>

#include "shell/screen.h"

namespace vemra::menus {

struct SectionMenuTraits;

// The five section menus `frm9`, `frm23`, `frm24`, `frm26` and `frm7`: one design, told apart by
// a table of their hotspots, animation sets, tracks and creation steps.
class SectionMenu : public shell::Screen {
public:
    SectionMenu(const SectionMenuTraits& traits, shell::Screen& opener);

private:
    void hotspotClick(ui::Widget& hotspot);
    void FormCreate();

    const SectionMenuTraits& menu_;
};

// Creates the section menu `name` above `opener`, or returns null when `name` is none of them.
shell::Screen* createSectionMenu(std::string_view name, shell::Screen& opener);

}  // namespace vemra::menus
