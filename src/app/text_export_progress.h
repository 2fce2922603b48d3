#pragma once

#include <cstddef>
#include <string_view>

namespace vemra::app {

// A bar on standard error that shows how far a long task has come, drawn only when standard error
// is a terminal. It goes when it is destroyed.
class ProgressBar {
public:
    explicit ProgressBar(std::size_t total);
    ~ProgressBar() { clear(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // `done` of the steps are done and the next is `next`.
    void show(std::size_t done, std::string_view next);
    // Takes the bar off its line, so that a message can be written there; the next step draws it again.
    void clear();

private:
    std::size_t total_;
    bool terminal_;
    bool drawn_ = false;
};

}  // namespace vemra::app
