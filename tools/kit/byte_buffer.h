#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace vemra::kit {

// A growing little-endian byte image of a binary file, with room to fill in fields later.
class ByteBuffer {
public:
    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void append(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
    void text(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    // Text in a field of `width` bytes, cut or padded with zeros.
    void fixedText(std::string_view s, std::size_t width);
    void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void alignTo(std::size_t alignment);

    void patch16(std::size_t at, std::uint16_t v);
    void patch32(std::size_t at, std::uint32_t v);

private:
    std::vector<std::uint8_t> bytes_;
};

// Writes the bytes as a whole file; throws std::runtime_error naming the file on failure.
void writeBinaryFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

}  // namespace vemra::kit
