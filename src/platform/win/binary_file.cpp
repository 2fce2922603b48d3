#include "platform/win/binary_file.h"

#include <fstream>
#include <iterator>

#include "platform/win/binary_reader.h"

namespace vemra::win {

std::vector<std::uint8_t> readBinaryFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) throw FormatError("cannot read " + file.string());
    return bytes;
}

}  // namespace vemra::win
