#pragma once

#include <cstdio>
#include <filesystem>
#include <istream>
#include <string>
#include <vector>

#include "platform/ui/application.h"

namespace vemra::script {

// One parsed script line.
struct Command {
    enum class Op { wait, move, down, up, click, dblclick, key, charCode, type, text, drop, close, deactivate, activate, shot, state, quit };
    Op op = Op::wait;
    int a = 0;
    int b = 0;
    bool right = false;
    unsigned shift = 0;
    std::string text;
    int line = 0;
};

// Parses a whole script; throws std::runtime_error naming the line of the first bad command or of
// the first line longer than `maxLineBytes`.
inline constexpr std::size_t maxLineBytes = 1 << 20;
std::vector<Command> parseScript(std::istream& in);
// Reads and parses a script file; throws std::runtime_error ("cannot read the script FILE: why")
// for anything that is not a regular file of text: a directory, a device, a FIFO, a NUL byte.
std::vector<Command> readScriptFile(const std::filesystem::path& file);

// Virtual-key code of a key name as scripts write it ("Escape", "Alt+F4", "65"); -1 if unknown.
int keyCode(std::string_view name, unsigned& shift);
// The character a key types, 0 when it types none.
int keyCharacter(int vkCode, unsigned shift);

// Feeds a script to the application's loop, one command whenever everything due has been handled.
class ScriptRunner : public ui::Driver {
public:
    ScriptRunner(ui::Application& app, std::vector<Command> commands, std::FILE* stateOut = stdout);

    // Adds a command after the last one (a driver that makes its commands as it goes).
    void append(Command c) { commands_.push_back(std::move(c)); }

    bool step() override;
    std::int64_t deadlineUs() const override { return waiting() ? waitUntilUs_ : ui::Backend::noDeadline; }
    bool finished() const override { return next_ >= commands_.size() && !waiting(); }

private:
    bool waiting() const { return waitUntilUs_ > app_.nowUs(); }
    void run(const Command& c);
    void mouse(ui::InputEvent::Type type, int x, int y, bool right);

    ui::Application& app_;
    std::vector<Command> commands_;
    std::size_t next_ = 0;
    std::int64_t waitUntilUs_ = 0;
    unsigned buttons_ = 0;
    std::FILE* stateOut_;
};

}  // namespace vemra::script
