#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/window.h"
#include "shell/screen.h"

namespace vemra::shell {

// One way into a window: from the window `opener`, through `trigger` (the component whose click
// opens it, or what else does), the window `target`. Modal windows open without a transition.
struct Link {
    std::string_view opener;
    std::string_view trigger;
    std::string_view target;
    bool modal = false;
};

// Every window after start-up opens through here: the map of links says which window may open
// which, and the families of screens say how each one is made. A window already shown is not
// opened a second time.
class Navigation {
public:
    using ModalMaker = std::function<void()>;

    void setLinks(std::span<const Link> links) { links_ = links; }
    // A family makes the screens it knows by name and returns null for the others.
    void addScreens(ScreenMaker family) { families_.push_back(std::move(family)); }
    void addModal(std::string_view name, ModalMaker open);

    std::span<const Link> links() const { return links_; }
    // The window that `trigger` of `opener` opens; empty when it opens none.
    std::string_view targetOf(std::string_view opener, std::string_view trigger) const;

    // Creates `target` above `opener`; null (and a trace line) when the map does not link them or
    // `target` is already shown.
    Screen* create(std::string_view target, Screen& opener);
    // Creates the window that `trigger` of `opener` opens, as the map says.
    Screen* follow(std::string_view trigger, Screen& opener) { return create(targetOf(opener.name(), trigger), opener); }
    // Shows the modal window `target` over `opener` and returns when it has closed.
    void openModal(std::string_view target, const ui::Window& opener);

    // The windows opened through here that are open now, bottom to top, each with its opener.
    struct Opened {
        std::string window;
        std::string opener;
    };
    std::vector<Opened> opened() const;

private:
    bool linked(std::string_view opener, std::string_view target) const;
    bool mayOpen(std::string_view opener, std::string_view target) const;

    std::span<const Link> links_;
    std::vector<ScreenMaker> families_;
    std::map<std::string, ModalMaker, std::less<>> modals_;
    std::vector<Opened> openModals_;
};

Navigation& navigation();

}  // namespace vemra::shell
