#pragma once

// One scratch file for a whole fuzzing run, in a private directory that goes when the run ends,
// for code under test that reads files by path.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace vemra::fuzzing {

class ScratchFile {
public:
    explicit ScratchFile(const std::string& name) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vemra-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) __builtin_trap();
        dir_ = pattern;
        file_ = dir_ / name;
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the file's content with the input.
    const std::filesystem::path& holding(const std::uint8_t* data, std::size_t size) const {
        std::ofstream(file_, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
        return file_;
    }

private:
    std::filesystem::path dir_;
    std::filesystem::path file_;
};

}  // namespace vemra::fuzzing
