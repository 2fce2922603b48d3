#include "shell/navigation.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/trace.h"

namespace vemra::shell {

Navigation& navigation() {
    static Navigation instance;
    return instance;
}

void Navigation::addModal(std::string_view name, ModalMaker open) {
    modals_.insert_or_assign(std::string(name), std::move(open));
}

std::string_view Navigation::targetOf(std::string_view opener, std::string_view trigger) const {
    for (const Link& l : links_)
        if (l.opener == opener && l.trigger == trigger) return l.target;
    return {};
}

bool Navigation::linked(std::string_view opener, std::string_view target) const {
    return std::ranges::any_of(links_, [&](const Link& l) { return l.opener == opener && l.target == target; });
}

bool Navigation::mayOpen(std::string_view opener, std::string_view target) const {
    if (!linked(opener, target)) {
        ui::trace("no way from " + std::string(opener) + " to", target);
        return false;
    }
    for (const ui::Window* w : ui::app().windows())
        if (w->name() == target && !w->released()) {
            ui::trace("already open", target);
            return false;
        }
    return true;
}

Screen* Navigation::create(std::string_view target, Screen& opener) {
    if (!mayOpen(opener.name(), target)) return nullptr;
    for (const ScreenMaker& family : families_)
        if (Screen* screen = family(target, opener)) return screen;
    ui::trace("no such screen", target);
    return nullptr;
}

void Navigation::openModal(std::string_view target, const ui::Window& opener) {
    const auto open = modals_.find(target);
    if (open == modals_.end() || !mayOpen(opener.name(), target)) return;
    openModals_.push_back({std::string(target), opener.name()});
    try {
        open->second();
    } catch (...) {
        openModals_.pop_back();
        throw;
    }
    openModals_.pop_back();
}

std::vector<Navigation::Opened> Navigation::opened() const {
    std::vector<Opened> result;
    for (const ui::Window* w : ui::app().windows()) {
        const auto* screen = dynamic_cast<const Screen*>(w);
        if (screen && screen->parentScreen() && !w->released()) result.push_back({w->name(), screen->parentScreen()->name()});
    }
    result.insert(result.end(), openModals_.begin(), openModals_.end());
    return result;
}

}  // namespace vemra::shell
