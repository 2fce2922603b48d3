#pragma once

#include <bit>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vemra::kit {

// The standard input of a running tool: bytes written here are read by the tool.
class ToolInput {
public:
    explicit ToolInput(int fd) : fd_(fd) {}
    // Writes all of `bytes`. When the tool has stopped reading (it exited), the feed ends here and
    // runTool reports the tool's own failure.
    void write(std::span<const std::byte> bytes);

private:
    int fd_;
};

// Runs an external program found on PATH (argv[0]) with these arguments, without a shell, and
// waits for it. Throws std::runtime_error naming the program when it is not installed, cannot
// start or exits with a non-zero status; the message carries the end of what it wrote to stderr.
// With `feed`, the program's standard input is a stream that `feed` writes and then closes;
// otherwise standard input is /dev/null.
void runTool(const std::vector<std::string>& argv, const std::function<void(ToolInput&)>& feed = {});
// Runs a program like runTool and returns what it wrote to standard output.
std::string runToolForOutput(const std::vector<std::string>& argv);

// Samples and pixels go to ffmpeg in memory order, declared as little-endian formats (s16le, bgr0).
static_assert(std::endian::native == std::endian::little);

// The start of every ffmpeg command of the kit: quiet, overwriting, never reading the keyboard.
std::vector<std::string> ffmpegCommand();
// Output options that make an encoded file depend on its input only: no version or time stamps,
// no metadata, one thread per encoder (the bitstream of some encoders depends on the thread count).
void appendReproducibleOutput(std::vector<std::string>& args);

// A fresh private directory under the system's temporary directory, removed with its contents
// when this object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vemra::kit
