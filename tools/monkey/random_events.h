#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/script/script.h"

namespace vemra::monkey {

// Seeded random input as script commands: moves, clicks and double clicks (anywhere, or on a
// control of the active window), drags, keys, close requests, focus changes and waits of 0 to
// 700 ms. The same seed and the same states give the same commands.
class RandomEvents {
public:
    explicit RandomEvents(std::uint32_t seed) : random_(seed) {}

    // The commands of the next event, chosen for `state` (the state report of the moment). On the
    // main menu nothing that would end the program is chosen: its exit corner and close requests.
    std::vector<script::Command> next(const nlohmann::json& state);

private:
    int below(int n) { return int(random_() % unsigned(n)); }
    script::Command pointerAt(script::Command::Op op, const nlohmann::json& state);

    std::mt19937 random_;
};

// The script line of a command (what the script parser reads back as the same command).
std::string scriptLine(const script::Command& c);

}  // namespace vemra::monkey
