#include "kit/byte_buffer.h"

#include <fstream>
#include <stdexcept>

namespace vemra::kit {

void ByteBuffer::u16(std::uint16_t v) {
    u8(std::uint8_t(v));
    u8(std::uint8_t(v >> 8));
}

void ByteBuffer::u32(std::uint32_t v) {
    u16(std::uint16_t(v));
    u16(std::uint16_t(v >> 16));
}

void ByteBuffer::fixedText(std::string_view s, std::size_t width) {
    const std::string_view kept = s.substr(0, width);
    text(kept);
    zeros(width - kept.size());
}

void ByteBuffer::alignTo(std::size_t alignment) {
    if (const std::size_t rest = bytes_.size() % alignment) zeros(alignment - rest);
}

void ByteBuffer::patch16(std::size_t at, std::uint16_t v) {
    bytes_.at(at) = std::uint8_t(v);
    bytes_.at(at + 1) = std::uint8_t(v >> 8);
}

void ByteBuffer::patch32(std::size_t at, std::uint32_t v) {
    patch16(at, std::uint16_t(v));
    patch16(at + 2, std::uint16_t(v >> 16));
}

void writeBinaryFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace vemra::kit
