#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/script/script.h"
#include "monkey/random_events.h"

namespace vemra::monkey {

// Drives the title like a script, one command at a time, and checks its state after every batch.
// The commands come from seeded random events (`events` of them, a check after every `batch`) or
// from a script played back, where every `state` line is a check. Each command is written to
// `log` as it is played, so that a run that dies still leaves what led there.
class MonkeyDriver : public ui::Driver {
public:
    MonkeyDriver(ui::Application& app, std::FILE* log);

    void playRandom(std::uint32_t seed, long events, int batch);
    void playBack(std::vector<script::Command> commands);

    bool step() override;
    std::int64_t deadlineUs() const override { return runner_.deadlineUs(); }
    bool finished() const override { return (done() || !failure_.empty()) && runner_.finished(); }

    const std::string& failure() const { return failure_; }
    long played() const { return played_; }

private:
    bool done() const;
    std::vector<script::Command> nextCommands();
    void check();

    ui::Application& app_;
    std::FILE* log_;
    script::ScriptRunner runner_;
    std::optional<RandomEvents> random_;
    long events_ = 0;
    int batch_ = 1;
    std::vector<script::Command> script_;
    std::size_t scriptNext_ = 0;
    long played_ = 0;
    std::string failure_;
};

}  // namespace vemra::monkey
