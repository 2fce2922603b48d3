#include "scenario_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>
#include "test_paths.h"

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
    const std::string command = env + "'" + test_paths::binary + "' " + args + " --script '" + (dir / "run.script").string() +
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

std::string commandOutput(const std::string& command) {
    std::string text;
    FILE* out = popen(command.c_str(), "r");
    if (!out) return text;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, out)) > 0;) text.append(buf, n);
    pclose(out);
    return text;
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

std::string fileContents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
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

bool inFront(const nlohmann::json& state, const std::string& picture, const std::string& over) {
    int pictureAt = -1, overAt = -1, i = 0;
    for (const auto& c : state["controls"]) {
        if (c["name"] == picture) pictureAt = i;
        if (c["name"] == over) overAt = i;
        ++i;
    }
    return pictureAt > overAt;
}

int pixelsOf(const gfx::Bitmap& shot, gfx::Rect r, gfx::Color c) {
    int n = 0;
    for (int y = r.top; y < r.bottom(); ++y)
        for (int x = r.left; x < r.right(); ++x) n += shot.pixel(x, y) == c.pixel();
    return n;
}

gfx::Rect differingArea(const gfx::Bitmap& a, const gfx::Bitmap& b, std::optional<gfx::Rect> within) {
    const gfx::Rect r = within ? within->intersected(a.bounds()) : a.bounds();
    gfx::Rect area;
    for (int y = r.top; y < r.bottom(); ++y)
        for (int x = r.left; x < r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) area = area.united({x, y, 1, 1});
    return area;
}

// Xvfb picks a free display itself and writes its number to a pipe (-displayfd): tests that start
// servers at the same time never race for one display number.
VirtualDisplay::VirtualDisplay() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    const int writeFd = fcntl(fds[1], F_DUPFD, 3);  // without close-on-exec: Xvfb writes the display here
    close(fds[1]);
    if (writeFd < 0) {
        close(fds[0]);
        return;
    }
    const std::string fdText = std::to_string(writeFd);
    const char* argv[] = {"Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(writeFd);
    std::string number;
    if (failed == 0) {
        pollfd ready{fds[0], POLLIN, 0};
        char c;
        while (poll(&ready, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    }
    close(fds[0]);
    if (failed != 0) return;
    pid_ = pid;
    if (number.empty()) {
        stop();
        return;
    }
    name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay() { stop(); }

void VirtualDisplay::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace vemra::testing
