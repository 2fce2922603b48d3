#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/ref.h"

namespace vemra::ui {

// A message-driven timer: fires on the UI thread, never while a handler runs, once per due time
// however late it is. Changing the interval of an enabled timer starts a new period.
class Timer {
public:
    Timer(std::string name, int intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    const Lifetime& lifetime() const { return lifetime_; }

    int interval() const { return intervalMs_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);

    std::function<void(Timer& sender)> onTimer;
    // While this says true a tick would do nothing, so on a real clock the program does not wake
    // for it and its due ticks are passed over. Whatever makes it false must happen on the UI
    // thread or wake the application (a sound that runs out does).
    std::function<bool()> idleWhile;

    // Used by the application: the clock time (µs) of the next firing, or -1 when it never fires.
    std::int64_t dueUs() const { return active() && !held_ ? dueUs_ : -1; }
    // A held timer does not fire; released, it starts a new period.
    void setHeld(bool h);
    std::uint64_t sequence() const { return sequence_; }
    void fire(std::int64_t nowUs);
    // A due tick that is not fired: the next one is a period away, as after a fired one.
    void passOver(std::int64_t nowUs) { dueUs_ = nowUs + std::int64_t(intervalMs_) * 1000; }
    bool idle() const { return idleWhile && idleWhile(); }

private:
    bool active() const { return enabled_ && intervalMs_ > 0; }
    void restart();

    std::string name_;
    int intervalMs_;
    bool enabled_;
    bool held_ = false;
    std::int64_t dueUs_ = 0;
    std::uint64_t sequence_;
    Lifetime lifetime_;
};

}  // namespace vemra::ui
