#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

namespace vemra::win {

// A malformed file of one of the binary Windows formats (bitmaps, modules, cursors).
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs `read` and puts `context` (a file or resource name) in front of the message of a FormatError.
template <class Read>
auto withContext(const std::string& context, Read&& read) {
    try {
        return read();
    } catch (const FormatError& e) {
        throw FormatError(context + ": " + e.what());
    }
}

// Bounds-checked little-endian reads from a byte span. Every offset and length is checked
// without overflow; a read outside the span throws FormatError naming `what` and the range.
class BinaryReader {
public:
    BinaryReader(std::span<const std::uint8_t> bytes, std::string what) : bytes_(bytes), what_(std::move(what)) {}

    std::size_t size() const { return bytes_.size(); }
    const std::string& what() const { return what_; }
    bool has(std::size_t offset, std::size_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::uint8_t u8(std::size_t offset) const { return bytes(offset, 1)[0]; }
    std::uint16_t u16(std::size_t offset) const {
        const auto b = bytes(offset, 2);
        return std::uint16_t(b[0] | (b[1] << 8));
    }
    std::uint32_t u32(std::size_t offset) const {
        const auto b = bytes(offset, 4);
        return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
               (std::uint32_t(b[3]) << 24);
    }
    std::int32_t i32(std::size_t offset) const { return std::int32_t(u32(offset)); }

    std::span<const std::uint8_t> bytes(std::size_t offset, std::size_t length) const {
        if (!has(offset, length))
            fail(std::to_string(length) + " bytes at offset " + std::to_string(offset) + " lie beyond its end (" +
                 std::to_string(bytes_.size()) + " bytes)");
        return bytes_.subspan(offset, length);
    }
    BinaryReader sub(std::size_t offset, std::size_t length) const { return {bytes(offset, length), what_}; }

    [[noreturn]] void fail(const std::string& problem) const { throw FormatError(what_ + ": " + problem); }

private:
    std::span<const std::uint8_t> bytes_;
    std::string what_;
};

}  // namespace vemra::win
