#include "shell/windows_dir.h"

#include <stdlib.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <filesystem>
#include <system_error>

#include "platform/win/profile.h"

namespace vemra::shell {

namespace fs = std::filesystem;

namespace {

fs::path preferredDirectory() {
    if (const char* dir = std::getenv("VEMRA_WINDOWS_DIR"); dir && *dir) return dir;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && fs::path(state).is_absolute())
        return fs::path(state) / "vemra" / "windows";
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local" / "state" / "vemra" / "windows";
    return {};
}

std::string withSeparator(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

// The profile file as the title names it ("system.Ini"), matched without regard to case.
fs::path systemIni(const std::string& windowsDir) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(windowsDir, ec)) {
        std::string name = entry.path().filename().string();
        for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (name == "system.ini") return entry.path();
    }
    return fs::path(windowsDir) / "system.ini";
}

// The private temporary directory made for this run, removed with everything in it when the program ends.
class TemporaryDirectory {
public:
    ~TemporaryDirectory() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    void set(fs::path path) { path_ = std::move(path); }

private:
    fs::path path_;
};

// A fresh directory of this user's alone (mode 0700) under the system's temp directory: the shared
// temp directory itself is never used, where another user could plant links at the names we write.
fs::path privateTemporaryDirectory() {
    static TemporaryDirectory made;
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string pattern = (base / "vemra-windows-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a directory for the program's files in " + base.string() + ": " +
                                 std::strerror(errno));
    made.set(pattern);
    return pattern;
}

}  // namespace

std::string windowsDirectory() {
    std::error_code ec;
    const fs::path dir = preferredDirectory();
    if (!dir.empty() && (fs::create_directories(dir, ec), fs::is_directory(dir, ec))) return withSeparator(dir.string());
    return withSeparator(privateTemporaryDirectory().string());
}

void removeScratchFile(const std::string& windowsDir, const std::string& name) {
    const fs::path file = fs::path(windowsDir) / name;
    std::error_code ec;
    // Only a file of its own kind goes: a link standing at the name is neither followed nor removed.
    if (fs::symlink_status(file, ec).type() == fs::file_type::regular) fs::remove(file, ec);
}

void codecCheck(const std::string& windowsDir, const fs::path& contentRoot) {
    const fs::path ini = systemIni(windowsDir);
    const std::string value = win::readProfileString(ini, "drivers32", "msacm.l3codec", "0");
    std::error_code ec;
    if (value == "l3codecp.acm" && fs::exists(fs::path(windowsDir) / "system" / "l3codecp.acm", ec)) return;
    std::string current = fs::absolute(contentRoot, ec).string();
    const auto first = current.find_first_not_of(' ');
    current = first == std::string::npos ? std::string() : current.substr(first, current.find_last_not_of(' ') - first + 1);
    try {
        win::writeProfileString(ini, "drivers32", "msacm.l3codec", withSeparator(current) + "l3codecp.acm");
    } catch (const std::exception&) {
        // A profile that cannot be written is not reported; the program goes on.
    }
}

}  // namespace vemra::shell
