#pragma once

#include <span>
#include <string_view>

namespace vemra::app {

class ContentCheck;

// One step of the content check: the files of one kind, named by their rules and read.
struct CheckStep {
    std::string_view name;
    void (*run)(ContentCheck& check);
};

// Every step, the lists before the files they name.
std::span<const CheckStep> checkSteps();

}  // namespace vemra::app
