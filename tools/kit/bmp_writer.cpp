#include "kit/bmp_writer.h"

#include "kit/byte_buffer.h"
#include "kit/dib_writer.h"

namespace vemra::kit {

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;

}  // namespace

std::vector<std::uint8_t> bmpFile(const gfx::Bitmap& bitmap) {
    const std::vector<std::uint8_t> dib = packedDib(bitmap);
    const std::uint32_t colourCount = std::uint32_t(dib[32]) | std::uint32_t(dib[33]) << 8 |
                                      std::uint32_t(dib[34]) << 16 | std::uint32_t(dib[35]) << 24;
    ByteBuffer out;
    out.u8('B'), out.u8('M');
    out.u32(fileHeaderSize + std::uint32_t(dib.size()));
    out.u32(0);                                                  // reserved
    out.u32(fileHeaderSize + infoHeaderSize + 4 * colourCount);  // where the pixels start
    out.append(dib);
    return out.bytes();
}

void writeBmp(const std::filesystem::path& file, const gfx::Bitmap& bitmap) {
    std::filesystem::create_directories(file.parent_path());
    writeBinaryFile(file, bmpFile(bitmap));
}

}  // namespace vemra::kit
