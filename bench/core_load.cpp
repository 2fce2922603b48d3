#include "core_load.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vemra::bench {

CoreLoad::CoreLoad(bool on) {
    if (!on) return;
    pid_ = fork();
    if (pid_ == 0) {
        volatile unsigned long spin = 0;
        for (;;) spin = spin + 1;
    }
}

CoreLoad::~CoreLoad() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

}  // namespace vemra::bench
