#include "parts/reactivation_watch.h"

#include "platform/ui/application.h"

namespace vemra::parts {

ReactivationWatch::ReactivationWatch(ui::Timer& timer, std::function<void()> activate)
    : activate_(std::move(activate)) {
    timer.onTimer = [this](ui::Timer&) { tick(); };
}

void ReactivationWatch::tick() {
    if (!ui::app().programActive())
        activated_ = false;
    else if (!activated_)
        activate_();
}

}  // namespace vemra::parts
