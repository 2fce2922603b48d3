#include "program_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vemra::bench {

namespace {

bool containsAny(const std::string& text, std::initializer_list<const char*> parts) {
    for (const char* part : parts)
        if (text.find(part) != std::string::npos) return true;
    return false;
}

long MemorySplit::* bucketOf(const std::string& path) {
    if (path.empty() || path[0] == '[') return &MemorySplit::heap;  // [heap], [stack], anonymous
    if (containsAny(path, {"libLLVM", "/dri/", "libgallium", "libGL", "libEGL", "libglapi", "libdrm", "libvulkan",
                           "/dev/dri", "SYSV", "/dev/shm", "memfd:"}))
        return &MemorySplit::renderer;
    if (containsAny(path, {"libav", "libsw", "libpostproc", "libx264", "libx265", "libvpx", "libdav1d", "libaom",
                           "libmp3lame", "libopus", "libvorbis", "libtheora", "libspeex", "libtwolame", "libzvbi",
                           "libcodec2", "libgsm", "libshine", "libwebp", "libsnappy", "libsoxr", "libva", "libvdpau",
                           "libOpenCL", "libmfx", "libvpl", "libbluray", "libgme", "libopenmpt", "libchromaprint",
                           "libsrt", "libssh", "librabbitmq", "libzmq", "libxvid", "libjxl", "librsvg", "libSvtAv1",
                           "librav1e", "libudfread", "libopenjp2", "libgsm", "libdvdnav", "libdvdread"}))
        return &MemorySplit::media;
    if (path.ends_with("/vemra")) return &MemorySplit::program;
    return &MemorySplit::libraries;
}

MemorySplit readMemorySplit(pid_t pid) {
    MemorySplit split;
    std::ifstream smaps("/proc/" + std::to_string(pid) + "/smaps");
    std::string line;
    long MemorySplit::*bucket = &MemorySplit::heap;
    while (std::getline(smaps, line)) {
        const auto space = line.find(' ');
        if (space != std::string::npos && line.find('-') < space) {  // a mapping's header
            std::istringstream fields(line);
            std::string range, perms, offset, device, inode, path;
            fields >> range >> perms >> offset >> device >> inode;
            std::getline(fields >> std::ws, path);
            bucket = bucketOf(path);
        } else if (line.starts_with("Rss:")) {
            split.*bucket += std::stol(line.substr(4));
        }
    }
    return split;
}

long readPeakRssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
    return 0;
}

// User and system time from a /proc stat file (of the process or of one of its threads).
double readCpuSeconds(const std::string& statPath) {
    std::ifstream stat(statPath);
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    if (all.rfind(')') == std::string::npos) return 0;
    std::istringstream fields(all.substr(all.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15) ticks += std::stod(field);  // utime, stime
    return ticks / double(sysconf(_SC_CLK_TCK));
}

std::string firstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// Time on a CPU in nanoseconds, the first figure of a schedstat file: finer than the clock ticks of stat.
double readRunSeconds(const std::string& schedstatPath) {
    std::ifstream schedstat(schedstatPath);
    double ns = 0;
    schedstat >> ns;
    return ns / 1e9;
}

long voluntarySwitches(const std::string& statusPath) {
    std::ifstream status(statusPath);
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("voluntary_ctxt_switches:")) return std::stol(line.substr(24));
    return 0;
}

}  // namespace

std::vector<ThreadTime> readThreadTimes(int pid) {
    std::vector<ThreadTime> threads;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task/";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        const std::string dir = task.path().string() + "/";
        threads.push_back({.tid = std::stoi(task.path().filename().string()),
                           .name = firstLine(dir + "comm"),
                           .cpuSeconds = readRunSeconds(dir + "schedstat"),
                           .wakeUps = voluntarySwitches(dir + "status")});
    }
    return threads;
}

std::string MemorySplit::describe() const {
    std::ostringstream out;
    out << "renderer " << renderer / 1024 << " MB, media libraries " << media / 1024 << " MB, other libraries "
        << libraries / 1024 << " MB, program " << program / 1024 << " MB, heap " << heap / 1024 << " MB";
    return out.str();
}

ProgramRun runTitle(const std::string& script, const std::string& args, const std::string& env, bool skipIntro) {
    const std::string scriptFile = "/tmp/vemra-bench.script", errorFile = "/tmp/vemra-bench.err";
    std::ofstream(scriptFile) << (skipIntro ? "wait 20\nclick 638 470\nwait 50\n" : "") << script;
    const std::string command = "VEMRA_WINDOWS_DIR=/tmp/vemra-bench-windows SDL_AUDIODRIVER=dummy " + env + " exec '" +
                                VEMRA_BINARY + "' --content '" VEMRA_DEMO_TREE "' " + args + " --script " +
                                scriptFile + " 2>" + errorFile;
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) throw std::runtime_error("pipe");
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    ProgramRun run;
    FILE* out = fdopen(pipeEnds[0], "r");
    std::array<char, 1 << 16> line{};
    while (out && fgets(line.data(), int(line.size()), out)) {
        if (line[0] != '{') continue;
        // Sampled at once: the program reads its next script command only after this line.
        Sample sample{.state = nlohmann::json::parse(line.data()),
                      .wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                      .cpuSeconds = readCpuSeconds("/proc/" + std::to_string(pid) + "/stat"),
                      .peakRssKb = readPeakRssKb(pid),
                      .memory = readMemorySplit(pid),
                      .threads = readThreadTimes(pid)};
        run.samples.push_back(std::move(sample));
    }
    if (out) fclose(out);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errors(errorFile);
    for (std::string text; std::getline(errors, text);) run.traceLines.push_back(text);
    return run;
}

std::string demoTree() { return VEMRA_DEMO_TREE; }

double corePercentBetween(const Sample& a, const Sample& b) {
    const double seconds = (double(b.state["t"]) - double(a.state["t"])) / 1000.0;
    return 100.0 * (b.cpuSeconds - a.cpuSeconds) / seconds;
}

std::pair<long, std::string> splitTraceLine(const std::string& line) {
    const auto close = line.find("] ");
    if (line.empty() || line[0] != '[' || close == std::string::npos) return {-1, line};
    return {std::stol(line.substr(1, close - 1)), line.substr(close + 2)};
}

}  // namespace vemra::bench
