#pragma once

#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "parts/arrow_repeat.h"
#include "parts/full_title_overlay.h"
#include "parts/list_rows.h"
#include "shell/screen.h"

namespace vemra::media {

// The five entry rows of the album and the clip screen (`Label2` … `Label6`): the list-row
// mechanism on the shared `listTop`, each entry tagged with its number from 1, the chosen one in
// red, the line arrows `luptrs` and `ldntrs` with auto-repeat, and the opaque full-title overlay.
class EntryRows {
public:
    EntryRows(shell::Screen& screen, std::function<void(ui::Label& row)> choose);

    // New entries, shown from the first.
    void setEntries(std::vector<std::string> lines);
    void refresh();
    // Marks `row` red (and the overlay with it), the row marked before yellow again.
    void mark(ui::Label& row);
    // The mouse left the rows: the overlay goes out of sight.
    void hideFullTitle() { overlay_.hide(); }
    // On activation: overlay parked, no auto-repeat.
    void reset();
    // `selectedEntry`: the number of the marked entry, -1 before any.
    int selectedEntry() const { return rows_.markedTag() == 0 ? -1 : rows_.markedTag(); }
    void describe(nlohmann::json& screen) const;

private:
    void step(void (parts::ListRows::*move)());

    parts::ListRows rows_;
    parts::FullTitleOverlay overlay_;
    parts::ArrowRepeat repeat_;
    ui::Label& overlayLabel_;
};

}  // namespace vemra::media
