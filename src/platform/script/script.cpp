#include "platform/script/script.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "platform/gfx/png.h"
#include "platform/gfx/utf8.h"
#include "platform/script/state.h"
#include "platform/ui/trace.h"
#include "platform/ui/window.h"

namespace vemra::script {

namespace {

using Op = Command::Op;

bool parseInt(std::string_view s, int& out) {
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

const std::pair<const char*, Op> opNames[] = {
    {"wait", Op::wait},   {"move", Op::move},       {"down", Op::down},         {"up", Op::up},
    {"click", Op::click}, {"dblclick", Op::dblclick}, {"key", Op::key},         {"char", Op::charCode},
    {"type", Op::type},   {"text", Op::text},   {"drop", Op::drop},   {"close", Op::close},     {"deactivate", Op::deactivate}, {"activate", Op::activate},
    {"shot", Op::shot},   {"state", Op::state},     {"quit", Op::quit},
};

}  // namespace

std::vector<Command> readScriptFile(const std::filesystem::path& file) {
    const auto fail = [&](const std::string& why) {
        throw std::runtime_error("cannot read the script " + file.string() + ": " + why);
    };
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error) fail(error.message());
    if (std::filesystem::is_directory(status)) fail("it is a directory");
    if (!std::filesystem::is_regular_file(status)) fail("it is not a regular file");
    std::ifstream in(file, std::ios::binary);
    if (!in) fail(std::strerror(errno));
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) fail(std::strerror(errno));
    if (const auto nul = text.find('\0'); nul != std::string::npos)
        fail("line " + std::to_string(1 + std::count(text.begin(), text.begin() + std::ptrdiff_t(nul), '\n')) +
             " holds a NUL byte, which no text does");
    std::istringstream lines(text);
    return parseScript(lines);
}

int keyCode(std::string_view name, unsigned& shift) {
    static const std::pair<const char*, int> names[] = {
        {"Escape", ui::vk::escape}, {"Enter", ui::vk::enter}, {"Backspace", ui::vk::back},
        {"Delete", ui::vk::del},    {"Home", ui::vk::home},   {"End", ui::vk::end},
        {"Left", ui::vk::left},     {"Right", ui::vk::right}, {"Up", ui::vk::up},
        {"Down", ui::vk::down},     {"Tab", ui::vk::tab},     {"Space", ui::vk::space},
        {"PageUp", ui::vk::prior},  {"PageDown", ui::vk::next}, {"Insert", ui::vk::insert},
    };
    shift = 0;
    while (true) {
        if (name.starts_with("Alt+")) shift |= ui::altKey;
        else if (name.starts_with("Ctrl+")) shift |= ui::ctrlKey;
        else if (name.starts_with("Shift+")) shift |= ui::shiftKey;
        else break;
        name.remove_prefix(name.find('+') + 1);
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];  // a letter key, as Ctrl+C
    if (int n = 0; name.size() >= 2 && name[0] == 'F' && parseInt(name.substr(1), n) && n >= 1 && n <= 12)
        return ui::vk::f1 + n - 1;
    for (auto& [n, code] : names)
        if (name == n) return code;
    int code = 0;
    if (parseInt(name, code) && code > 0 && code < 256) return code;
    return -1;
}

int keyCharacter(int vkCode, unsigned shift) {
    if (shift & (ui::altKey | ui::ctrlKey)) return 0;
    const bool upper = shift & ui::shiftKey;
    if (vkCode >= 'A' && vkCode <= 'Z') return upper ? vkCode : vkCode + 32;
    if (vkCode >= '0' && vkCode <= '9' && !upper) return vkCode;
    switch (vkCode) {
    case ui::vk::back:
    case ui::vk::tab:
    case ui::vk::enter:
    case ui::vk::escape:
    case ui::vk::space:
        return vkCode;
    default:
        return 0;
    }
}

std::vector<Command> parseScript(std::istream& in) {
    std::vector<Command> out;
    std::string raw;
    for (int lineNo = 1; std::getline(in, raw); ++lineNo) {
        if (raw.size() > maxLineBytes)
            throw std::runtime_error("script line " + std::to_string(lineNo) + ": longer than 1 MiB");
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::string_view line = raw;
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') continue;
        line.remove_prefix(first);
        const auto w = words(line);
        auto fail = [&](const std::string& why) {
            throw std::runtime_error("script line " + std::to_string(lineNo) + ": " + why + ": " + raw);
        };
        Command c;
        c.line = lineNo;
        bool known = false;
        for (auto& [name, op] : opNames)
            if (w[0] == name) {
                c.op = op;
                known = true;
            }
        if (!known) fail("unknown command");
        auto needInts = [&](std::size_t n) {
            if (w.size() < n + 1) fail("missing number");
            if (!parseInt(w[1], c.a) || (n > 1 && !parseInt(w[2], c.b))) fail("not a number");
        };
        switch (c.op) {
        case Op::wait:
            needInts(1);
            if (c.a < 0) fail("negative time");
            break;
        case Op::move:
        case Op::click:
        case Op::dblclick:
            needInts(2);
            break;
        case Op::down:
        case Op::up:
            needInts(2);
            c.right = w.size() > 3 && w[3] == "right";
            if (w.size() > 3 && !c.right) fail("expected 'right'");
            break;
        case Op::key:
            if (w.size() != 2) fail("expected one key");
            c.a = keyCode(w[1], c.shift);
            if (c.a < 0) fail("unknown key");
            break;
        case Op::charCode:
            needInts(1);
            if (c.a < 0 || c.a > 255) fail("character code out of range");
            break;
        case Op::type:
        case Op::text:
        case Op::drop: {
            const auto space = line.find(' ');
            c.text = space == std::string_view::npos ? std::string() : std::string(line.substr(space + 1));
            if (c.op != Op::type && !gfx::decodeUtf8(c.text)) fail("not UTF-8");
            if (c.op == Op::drop && c.text.empty()) fail("expected a path");
            break;
        }
        case Op::shot:
            if (w.size() != 2) fail("expected a file name");
            c.text = w[1];
            break;
        default:
            break;
        }
        out.push_back(std::move(c));
    }
    return out;
}

ScriptRunner::ScriptRunner(ui::Application& app, std::vector<Command> commands, std::FILE* stateOut)
    : app_(app), commands_(std::move(commands)), stateOut_(stateOut) {}

bool ScriptRunner::step() {
    if (waiting() || next_ >= commands_.size()) return false;
    run(commands_[next_++]);
    return true;
}

void ScriptRunner::mouse(ui::InputEvent::Type type, int x, int y, bool right) {
    gfx::Point origin{0, 0};
    if (ui::Window* w = app_.topModal() ? app_.topModal() : app_.activeWindow()) origin = w->clientOrigin();
    const unsigned bit = right ? ui::rightButton : ui::leftButton;
    if (type == ui::InputEvent::Type::mouseDown) buttons_ |= bit;
    if (type == ui::InputEvent::Type::mouseUp) buttons_ &= ~bit;
    ui::InputEvent e;
    e.type = type;
    e.x = origin.x + x;
    e.y = origin.y + y;
    e.button = right ? ui::MouseButton::right : ui::MouseButton::left;
    e.shift = buttons_;
    app_.postInput(e);
}

void ScriptRunner::run(const Command& c) {
    using T = ui::InputEvent::Type;
    auto post = [&](T type, int key = 0, unsigned shift = 0) {
        ui::InputEvent e;
        e.type = type;
        e.key = key;
        e.shift = shift;
        app_.postInput(e);
    };
    switch (c.op) {
    case Op::wait:
        waitUntilUs_ = app_.nowUs() + std::int64_t(c.a) * 1000;
        break;
    case Op::move:
        mouse(T::mouseMove, c.a, c.b, false);
        break;
    case Op::down:
        mouse(T::mouseDown, c.a, c.b, c.right);
        break;
    case Op::up:
        mouse(T::mouseUp, c.a, c.b, c.right);
        break;
    case Op::click:
    case Op::dblclick:
        mouse(T::mouseMove, c.a, c.b, false);
        for (int i = 0; i < (c.op == Op::click ? 1 : 2); ++i) {
            mouse(T::mouseDown, c.a, c.b, false);
            mouse(T::mouseUp, c.a, c.b, false);
        }
        break;
    case Op::key:
        post(T::keyDown, c.a, c.shift);
        if (int ch = keyCharacter(c.a, c.shift)) post(T::keyPress, ch);
        post(T::keyUp, c.a, c.shift);
        break;
    case Op::charCode:
        post(T::keyPress, c.a);
        break;
    case Op::type:
        for (unsigned char ch : c.text) post(T::keyPress, ch);
        break;
    case Op::text:
        for (const char32_t ch : gfx::decodeUtf8(c.text).value_or(std::u32string())) {
            ui::InputEvent e;
            e.type = T::character;
            e.character = ch;
            app_.postInput(e);
        }
        break;
    case Op::drop: {
        ui::InputEvent e;
        e.type = T::drop;
        e.text = c.text;
        app_.postInput(e);
        break;
    }
    case Op::close:
        post(T::closeRequest);
        break;
    case Op::deactivate:
        post(T::focusLost);
        break;
    case Op::activate:
        post(T::focusGained);
        break;
    case Op::shot:
        app_.presentNow();
        gfx::writePng(app_.composeDisplay(), c.text);
        ui::trace("shot", c.text);
        break;
    case Op::state:
        app_.presentNow();
        std::fprintf(stateOut_, "%s\n", stateReport(app_).dump().c_str());
        std::fflush(stateOut_);
        break;
    case Op::quit:
        app_.terminate();
        break;
    }
}

}  // namespace vemra::script
