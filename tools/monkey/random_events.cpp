#include "monkey/random_events.h"

#include <array>

namespace vemra::monkey {

namespace {

using Op = script::Command::Op;

constexpr int displayWidth = 640, displayHeight = 480;
// The main menu's exit label, which ends the program.
constexpr int exitLeft = 584, exitTop = 400;

const std::array<const char*, 12> keyNames = {"Escape", "Enter", "Left", "Right", "Up", "Down",
                                              "Home",   "End",   "Backspace", "Delete", "Tab", "Space"};

script::Command command(Op op, int a = 0, int b = 0) {
    script::Command c;
    c.op = op;
    c.a = a;
    c.b = b;
    return c;
}

bool onMainMenu(const nlohmann::json& state) { return state["active"] == "frm1"; }

// A click on the main menu's exit ends the program; so does a double click on the exit corner
// of a screen the main menu opened, whose second click lands on the main menu's exit.
bool endsTheProgram(const script::Command& c, const nlohmann::json& state) {
    const bool reachesMainMenu = onMainMenu(state) || (c.op == Op::dblclick && state["opened"].size() <= 1);
    return reachesMainMenu && c.a >= exitLeft && c.b >= exitTop;
}

}  // namespace

script::Command RandomEvents::pointerAt(Op op, const nlohmann::json& state) {
    std::vector<const nlohmann::json*> targets;
    for (const auto& c : state["controls"])
        if (c["visible"] == true && c["enabled"] == true && c["width"] > 0 && c["height"] > 0) targets.push_back(&c);
    script::Command c = command(op, below(displayWidth), below(displayHeight));
    if (!targets.empty() && below(2) == 0) {
        const auto& t = *targets[std::size_t(below(int(targets.size())))];
        c.a = int(t["left"]) + below(int(t["width"]));
        c.b = int(t["top"]) + below(int(t["height"]));
    }
    if (endsTheProgram(c, state)) c.a = below(exitLeft);
    return c;
}

std::vector<script::Command> RandomEvents::next(const nlohmann::json& state) {
    const int roll = below(100);
    if (roll < 15) return {command(Op::move, below(displayWidth), below(displayHeight))};
    if (roll < 45) return {pointerAt(Op::click, state)};
    if (roll < 52) return {pointerAt(Op::dblclick, state)};
    if (roll < 58) {  // a drag: down, a few moves, up
        script::Command down = pointerAt(Op::down, state);
        std::vector<script::Command> drag = {down};
        for (int i = below(4); i >= 0; --i) drag.push_back(command(Op::move, below(displayWidth), below(displayHeight)));
        script::Command up = command(Op::up, below(displayWidth), below(displayHeight));
        if (endsTheProgram(up, state)) up.a = below(exitLeft);
        drag.push_back(up);
        return drag;
    }
    if (roll < 66) {
        unsigned shift = 0;
        return {command(Op::key, script::keyCode(keyNames[std::size_t(below(int(keyNames.size())))], shift))};
    }
    if (roll < 72) {
        script::Command letter = command(Op::key, 'A' + below(26));
        letter.shift = below(3) == 0 ? unsigned(ui::shiftKey) : 0u;
        return {letter};
    }
    if (roll < 74 && !onMainMenu(state)) return {command(Op::close)};
    if (roll < 76) return {command(Op::deactivate), command(Op::wait, below(701)), command(Op::activate)};
    return {command(Op::wait, below(701))};
}

std::string scriptLine(const script::Command& c) {
    const std::string at = " " + std::to_string(c.a) + " " + std::to_string(c.b);
    switch (c.op) {
    case Op::wait: return "wait " + std::to_string(c.a);
    case Op::move: return "move" + at;
    case Op::down: return "down" + at;
    case Op::up: return "up" + at;
    case Op::click: return "click" + at;
    case Op::dblclick: return "dblclick" + at;
    case Op::key: return std::string("key ") + (c.shift & ui::shiftKey ? "Shift+" : "") + std::to_string(c.a);
    case Op::close: return "close";
    case Op::deactivate: return "deactivate";
    case Op::activate: return "activate";
    case Op::state: return "state";
    default: return "# unused command";
    }
}

}  // namespace vemra::monkey
