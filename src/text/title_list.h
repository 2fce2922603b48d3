#pragma once

#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "parts/arrow_repeat.h"
#include "parts/list_rows.h"
#include "platform/gfx/color.h"
#include "shell/screen.h"

namespace vemra::text {

// The title list of the two screens of titles and their texts, `frm18` and `frm35`: eight rows on
// the shared `listTop`, scrolled by line with the arrows `luptrs` and `ldntrs` through the screen's
// repeat. A click marks a title in `marked`; the others are yellow.
class TitleList {
public:
    using RowHandler = std::function<void(ui::Label& row)>;

    TitleList(shell::Screen& screen, parts::ArrowRepeat& repeat, gfx::Color marked, RowHandler click,
              RowHandler hover = {});

    // Sends the pressed looks of the four line arrows (`Image2` … `Image5`) behind their labels.
    void sendArrowLooksBack();
    // Lists `titles` from the top, numbered 1, 2, … from the first.
    void setTitles(std::vector<std::string> titles);
    parts::ListRows& rows() { return rows_; }
    void describe(nlohmann::json& screen) const;

private:
    shell::Screen& screen_;
    parts::ListRows rows_;
};

}  // namespace vemra::text
