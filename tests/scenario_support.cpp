#include "scenario_support.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

namespace vemra::testing {

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("vemra-test-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

ScriptRun runScript(const std::string& script, const std::string& args, const std::string& env) {
    TempDir dir;
    {
        std::ofstream(dir / "run.script") << script;
    }
    const std::string command = env + "'" VEMRA_BINARY "' " + args + " --script '" + (dir / "run.script").string() +
                                "' 2>'" + (dir / "stderr").string() + "'";
    ScriptRun run;
    FILE* out = popen(command.c_str(), "r");
    if (!out) return run;
    std::string line;
    char buf[65536];
    while (fgets(buf, sizeof buf, out)) {
        line += buf;
        if (line.back() != '\n') continue;
        if (line.starts_with("{")) run.states.push_back(nlohmann::json::parse(line));
        line.clear();
    }
    const int status = pclose(out);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(dir / "stderr");
    std::stringstream ss;
    ss << err.rdbuf();
    run.errors = ss.str();
    return run;
}

ScriptRun runTitle(const std::string& script, const std::filesystem::path& tree, bool skipIntro) {
    if (!std::filesystem::exists(tree / "data1")) {
        ScriptRun missing;
        missing.errors = "no demo tree at " + tree.string() + " (./test builds it)";
        return missing;
    }
    TempDir windows;
    return runScript((skipIntro ? "wait 20\nclick 638 470\nwait 50\n" : "") + script,
                     "--headless --content '" + tree.string() + "'",
                     "VEMRA_WINDOWS_DIR='" + windows.path().string() + "' ");
}

const nlohmann::json* findWindow(const nlohmann::json& state, const std::string& name) {
    for (const auto& w : state["windows"])
        if (w["name"] == name) return &w;
    return nullptr;
}

const nlohmann::json* findControl(const nlohmann::json& state, const std::string& name) {
    for (const auto& c : state["controls"])
        if (c["name"] == name) return &c;
    return nullptr;
}

gfx::Rect differingArea(const gfx::Bitmap& a, const gfx::Bitmap& b, std::optional<gfx::Rect> within) {
    const gfx::Rect r = within ? within->intersected(a.bounds()) : a.bounds();
    gfx::Rect area;
    for (int y = r.top; y < r.bottom(); ++y)
        for (int x = r.left; x < r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) area = area.united({x, y, 1, 1});
    return area;
}

VirtualDisplay::VirtualDisplay() {
    if (access("/usr/bin/Xvfb", X_OK) != 0) return;
    for (number_ = 90; number_ < 140; ++number_) {
        const std::string lock = "/tmp/.X" + std::to_string(number_) + "-lock";
        if (access(lock.c_str(), F_OK) == 0) continue;
        const std::string display = ":" + std::to_string(number_);
        pid_ = fork();
        if (pid_ == 0) {
            freopen("/dev/null", "w", stderr);
            execl("/usr/bin/Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number_);
        for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        int status = 0;
        if (access(socket.c_str(), F_OK) == 0 && waitpid(pid_, &status, WNOHANG) == 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
}

VirtualDisplay::~VirtualDisplay() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
}

}  // namespace vemra::testing
