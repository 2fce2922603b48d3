#include "menus/navigation.h"

#include "platform/ui/trace.h"

namespace vemra::menus {

shell::Screen* createScreen(std::string_view name, shell::Screen&) {
    ui::trace("screen not built yet", name);
    return nullptr;
}

}  // namespace vemra::menus
