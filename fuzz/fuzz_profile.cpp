// The profile reader and writer on arbitrary file bytes: nothing crashes, and an entry written is
// the entry read back, whatever else the file holds.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win/profile.h"

namespace {

// One scratch file for the whole run, in a directory of its own that goes when the run ends.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-profile-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) __builtin_trap();
        dir_ = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::filesystem::path file() const { return dir_ / "system.ini"; }

private:
    std::filesystem::path dir_;
};

const std::filesystem::path& scratchFile() {
    static const ScratchDirectory dir;
    static const std::filesystem::path file = dir.file();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra::win;
    const auto& file = scratchFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    readProfileString(file, "drivers32", "msacm.l3codec", "none");
    try {
        writeProfileString(file, "drivers32", "msacm.l3codec", "l3codecp.acm");
    } catch (const std::runtime_error&) {
        return 0;
    }
    if (readProfileString(file, "drivers32", "msacm.l3codec", "none") != "l3codecp.acm") __builtin_trap();
    return 0;
}
