#pragma once

#include <sys/types.h>

namespace vemra::bench {

// A second process that keeps one core busy for as long as the object lives (when `on`): the
// "loaded" runs of the benchmarks.
class CoreLoad {
public:
    explicit CoreLoad(bool on);
    ~CoreLoad();
    CoreLoad(const CoreLoad&) = delete;
    CoreLoad& operator=(const CoreLoad&) = delete;

private:
    pid_t pid_ = -1;
};

}  // namespace vemra::bench
