#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

// One scratch file of a fuzz target for its whole run, named `name` in a directory of its own that
// goes when the run ends.
inline const std::filesystem::path& scratchFile(const char* name) {
    class ScratchDirectory {
    public:
        ScratchDirectory() {
            std::string pattern = (std::filesystem::temp_directory_path() / "vemra-fuzz-XXXXXX").string();
            if (!::mkdtemp(pattern.data())) __builtin_trap();
            dir_ = pattern;
        }
        ~ScratchDirectory() {
            std::error_code ignored;
            std::filesystem::remove_all(dir_, ignored);
        }
        const std::filesystem::path& path() const { return dir_; }

    private:
        std::filesystem::path dir_;
    };
    static const ScratchDirectory dir;
    static const std::filesystem::path file = dir.path() / name;
    return file;
}
