#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/gfx/bitmap.h"
#include "test_paths.h"

namespace vemra::testing {

// The outcome of running the program on a script: its exit code and every `state` line it printed.
struct ScriptRun {
    int exitCode = -1;
    std::vector<nlohmann::json> states;
    std::string errors;
};

// A fresh directory for one test's files, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Runs the program binary with `args` and the script text; `env` is prefixed to the command.
ScriptRun runScript(const std::string& script, const std::string& args = "--headless --toolkit-check", const std::string& env = "");

// What a shell command writes on its standard output.
std::string commandOutput(const std::string& command);

// Runs a script on the title with a content tree (the demo tree unless given) and a private
// Windows directory; unless told otherwise the intro is skipped first by a click on the intro
// window outside its picture.
ScriptRun runTitle(const std::string& script, const std::filesystem::path& tree = test_paths::demoTree,
                   bool skipIntro = true);

// The bytes of a file (empty when it cannot be read).
std::string fileContents(const std::filesystem::path& file);

const nlohmann::json* findWindow(const nlohmann::json& state, const std::string& name);
const nlohmann::json* findControl(const nlohmann::json& state, const std::string& name);
// Whether the control `picture` stands above `over` in a state's controls (listed bottom to top).
bool inFront(const nlohmann::json& state, const std::string& picture, const std::string& over);

// The rectangle that holds every pixel where two bitmaps of one size differ (empty when equal),
// looking only inside `within` when given.
gfx::Rect differingArea(const gfx::Bitmap& a, const gfx::Bitmap& b, std::optional<gfx::Rect> within = {});

// How many pixels of a rectangle of a screenshot have the colour.
int pixelsOf(const gfx::Bitmap& shot, gfx::Rect r, gfx::Color c);

// Starts Xvfb on a free display for the life of the object; `running()` is false when it can't.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    bool running() const { return !name_.empty(); }
    // The display's name, as DISPLAY gives it (":93").
    const std::string& name() const { return name_; }
    // System display libraries loaded by SDL leave a few bytes that the leak checker cannot attribute.
    // A window run keeps what it played in its configuration folder: a scratch one, never the user's.
    std::string env() const {
        return "DISPLAY=" + name_ + " SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 XDG_CONFIG_HOME='" + config_.path().string() + "' ";
    }

private:
    void stop();

    int pid_ = -1;
    std::string name_;
    TempDir config_;
};

}  // namespace vemra::testing
