#include "parts/reading_state.h"

#include <nlohmann/json.hpp>

#include "shell/un4.h"

namespace vemra::parts {

void describeTitleRows(nlohmann::json& screen, const ListRows& titles) {
    screen["listTop"] = shell::un4().listTop;
    screen["maxTop"] = titles.maxTop();
    screen["titleCount"] = titles.count();
    screen["markedEntry"] = titles.markedTag();
    ui::Label* marked = titles.markedRow();
    screen["markedRow"] = marked ? nlohmann::json(marked->name()) : nlohmann::json();
}

void describeTextRows(nlohmann::json& screen, const GlyphTextRows& text, const ArrowRepeat& repeat,
                      const ReactivationWatch& watch) {
    screen["textTop"] = text.textTop();
    screen["textMaxTop"] = text.textMaxTop();
    screen["textLines"] = text.lineCount();
    screen["repeatDir"] = repeat.direction();
    screen["activated"] = watch.isActivated();
}

}  // namespace vemra::parts
