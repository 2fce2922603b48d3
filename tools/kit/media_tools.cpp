#include "kit/media_tools.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace vemra::kit {
namespace {

// Thrown by ToolInput::write when the tool closed its input; runTool then looks at its exit status.
struct InputClosed {};

using File = std::unique_ptr<FILE, decltype(&std::fclose)>;

File scratchFile(const std::string& program) {
    File file(std::tmpfile(), &std::fclose);
    if (!file) throw std::system_error(errno, std::generic_category(), "creating a scratch file for " + program);
    return file;
}

// The last `keep` bytes of a file, without trailing line ends.
std::string tailOf(FILE* log, long keep = 1500) {
    std::fseek(log, 0, SEEK_END);
    const long size = std::ftell(log);
    std::fseek(log, size > keep ? size - keep : 0, SEEK_SET);
    std::string text(std::size_t(size > keep ? keep : size), '\0');
    text.resize(std::fread(text.data(), 1, text.size(), log));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

std::string describeStatus(int status) {
    if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

void ToolInput::write(std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        // A socket rather than a pipe: MSG_NOSIGNAL turns a vanished reader into EPIPE instead of SIGPIPE.
        const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) continue;
            if (errno == EPIPE || errno == ECONNRESET) throw InputClosed{};
            throw std::system_error(errno, std::generic_category(), "writing to a tool's input");
        }
        bytes = bytes.subspan(std::size_t(sent));
    }
}

namespace {

// Runs the program with stderr (and stdout when `output` is given) going to scratch files.
void run(const std::vector<std::string>& argv, const std::function<void(ToolInput&)>& feed, FILE* output) {
    if (argv.empty()) throw std::invalid_argument("runTool: no program given");
    const std::string& program = argv.front();
    const File errors = scratchFile(program);

    int input[2] = {-1, -1};
    SpawnActions actions;
    if (feed) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0)
            throw std::system_error(errno, std::generic_category(), "creating the input stream of " + program);
        posix_spawn_file_actions_adddup2(actions.get(), input[1], STDIN_FILENO);
    } else {
        posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    posix_spawn_file_actions_adddup2(actions.get(), fileno(errors.get()), STDERR_FILENO);
    if (output) posix_spawn_file_actions_adddup2(actions.get(), fileno(output), STDOUT_FILENO);

    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program.c_str(), actions.get(), nullptr, args.data(), environ);
    if (feed) ::close(input[1]);
    if (spawned != 0) {
        if (feed) ::close(input[0]);
        if (spawned == ENOENT) throw std::runtime_error(program + " is not installed (scripts/install-deps installs it)");
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(spawned));
    }

    bool inputCut = false;
    std::exception_ptr feedError;
    if (feed) {
        try {
            ToolInput in(input[0]);
            feed(in);
        } catch (const InputClosed&) {
            inputCut = true;
        } catch (...) {
            feedError = std::current_exception();
        }
        ::close(input[0]);
    }

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "waiting for " + program);
    }
    if (feedError) std::rethrow_exception(feedError);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed (" + describeStatus(status) + "): " + tailOf(errors.get()));
    if (inputCut) throw std::runtime_error(program + " stopped reading its input: " + tailOf(errors.get()));
}

}  // namespace

void runTool(const std::vector<std::string>& argv, const std::function<void(ToolInput&)>& feed) {
    run(argv, feed, nullptr);
}

std::string runToolForOutput(const std::vector<std::string>& argv) {
    const File output = scratchFile(argv.empty() ? std::string() : argv.front());
    run(argv, {}, output.get());
    std::fseek(output.get(), 0, SEEK_SET);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, output.get())) > 0;) text.append(buffer, n);
    return text;
}

std::vector<std::string> ffmpegCommand() { return {"ffmpeg", "-hide_banner", "-nostdin", "-v", "error", "-y"}; }

void appendReproducibleOutput(std::vector<std::string>& args) {
    args.insert(args.end(), {"-fflags", "+bitexact", "-flags", "+bitexact", "-threads", "1", "-map_metadata", "-1"});
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vemra-kit-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::system_error(errno, std::generic_category(), "creating a temporary directory");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace vemra::kit
