#include "platform/ui/timer.h"

#include "platform/ui/application.h"

namespace vemra::ui {

namespace {
std::uint64_t nextSequence = 0;
}

Timer::Timer(std::string name, int intervalMs, bool enabled)
    : name_(std::move(name)), intervalMs_(intervalMs), enabled_(enabled), sequence_(nextSequence++) {
    app().addTimer(*this);
    restart();
}

Timer::~Timer() {
    if (Application::exists()) app().removeTimer(*this);
}

void Timer::restart() {
    if (active()) dueUs_ = app().nowUs() + std::int64_t(intervalMs_) * 1000;
}

void Timer::setInterval(int ms) {
    if (ms == intervalMs_) return;
    intervalMs_ = ms;
    restart();
}

void Timer::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    restart();
}

void Timer::setHeld(bool h) {
    if (h == held_) return;
    held_ = h;
    if (!held_) restart();
}

void Timer::fire(std::int64_t nowUs) {
    dueUs_ = nowUs + std::int64_t(intervalMs_) * 1000;
    if (onTimer) onTimer(*this);
}

}  // namespace vemra::ui
