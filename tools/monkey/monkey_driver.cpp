#include "monkey/monkey_driver.h"

#include "monkey/sanity.h"
#include "platform/script/state.h"
#include "title/navigation_map.h"

namespace vemra::monkey {

MonkeyDriver::MonkeyDriver(ui::Application& app, std::FILE* log) : app_(app), log_(log), runner_(app, {}, log) {}

void MonkeyDriver::playRandom(std::uint32_t seed, long events, int batch) {
    random_.emplace(seed);
    events_ = events;
    batch_ = batch;
}

void MonkeyDriver::playBack(std::vector<script::Command> commands) { script_ = std::move(commands); }

bool MonkeyDriver::done() const { return random_ ? played_ >= events_ : scriptNext_ >= script_.size(); }

std::vector<script::Command> MonkeyDriver::nextCommands() {
    if (!random_) return {script_[scriptNext_++]};
    ++played_;
    auto commands = random_->next(script::stateReport(app_));
    if (played_ % batch_ == 0 || played_ == events_) {
        script::Command state;
        state.op = script::Command::Op::state;
        commands.push_back(state);
    }
    return commands;
}

void MonkeyDriver::check() {
    app_.presentNow();
    failure_ = insanity(script::stateReport(app_), title::navigationMap());
    std::fprintf(log_, "state\n");
    if (!failure_.empty()) std::fprintf(log_, "# insane: %s\n", failure_.c_str());
    std::fflush(log_);
}

bool MonkeyDriver::step() {
    if (runner_.step()) return true;
    if (!runner_.finished() || done() || !failure_.empty()) return false;
    for (script::Command& c : nextCommands()) {
        if (c.op == script::Command::Op::state) {
            check();
            if (!failure_.empty()) return true;
            continue;
        }
        if (!random_) ++played_;
        std::fprintf(log_, "%s\n", scriptLine(c).c_str());
        runner_.append(std::move(c));
    }
    std::fflush(log_);
    return true;
}

}  // namespace vemra::monkey
