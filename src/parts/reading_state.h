#pragma once

#include <nlohmann/json_fwd.hpp>

#include "parts/arrow_repeat.h"
#include "parts/glyph_text_rows.h"
#include "parts/list_rows.h"
#include "parts/reactivation_watch.h"

namespace vemra::parts {

// What a reading screen reports in `state`: its title rows (list top, marked entry) and its text
// rows (top line, limit, line count), with the arrows' repeat direction and the watch's flag.
void describeTitleRows(nlohmann::json& screen, const ListRows& titles);
void describeTextRows(nlohmann::json& screen, const GlyphTextRows& text, const ArrowRepeat& repeat,
                      const ReactivationWatch& watch);

}  // namespace vemra::parts
