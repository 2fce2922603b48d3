#include "platform/script/state.h"

#include <map>

#include "platform/ui/message_box.h"
#include "platform/ui/window.h"

namespace vemra::script {

namespace {
std::map<std::string, std::function<nlohmann::json()>>& sections() {
    static std::map<std::string, std::function<nlohmann::json()>> all;
    return all;
}

void describeTree(const ui::Widget& parent, nlohmann::json& out) {
    for (const auto& child : parent.children()) {
        nlohmann::json c;
        child->describe(c);
        out.push_back(std::move(c));
        describeTree(*child, out);
    }
}
}  // namespace

void setStateSection(const std::string& key, std::function<nlohmann::json()> section) {
    sections()[key] = std::move(section);
}

void clearStateSections() { sections().clear(); }

nlohmann::json stateReport(ui::Application& app) {
    nlohmann::json state;
    state["t"] = app.nowMs();
    state["windows"] = nlohmann::json::array();
    state["messageBoxes"] = nlohmann::json::array();
    for (ui::Window* w : app.windows()) {
        const gfx::Point client = w->clientOrigin();
        state["windows"].push_back({{"name", w->name()},
                                    {"class", w->className()},
                                    {"visible", w->visible()},
                                    {"modal", w->modal()},
                                    {"enabled", w->enabled()},
                                    {"left", client.x},
                                    {"top", client.y},
                                    {"width", w->clientWidth()},
                                    {"height", w->clientHeight()},
                                    {"caption", w->caption}});
        if (auto* box = dynamic_cast<ui::MessageBox*>(w))
            state["messageBoxes"].push_back({{"caption", box->caption}, {"text", box->text()}});
    }
    ui::Window* active = app.activeWindow();
    state["active"] = active ? nlohmann::json(active->name()) : nlohmann::json(nullptr);
    state["programActive"] = app.programActive();
    state["clipboard"] = app.backend().clipboardText();
    const speech::Speech& speech = app.speech();
    state["speech"] = {
        {"speaking", speech.speaking()}, {"text", speech.last().text}, {"language", speech.last().language}};
    state["cursor"] = app.currentCursor();
    state["hint"] = app.hintText();
    state["controls"] = nlohmann::json::array();
    state["screen"] = nlohmann::json::object();
    if (active) {
        describeTree(*active, state["controls"]);
        active->describeScreen(state["screen"]);
        if (ui::Widget* f = active->focusedControl()) state["focus"] = f->name();
    }
    state["devices"] = nlohmann::json::object();
    state["vars"] = nlohmann::json::object();
    for (auto& [key, section] : sections()) state[key] = section();
    return state;
}

}  // namespace vemra::script
