#include "kit/fuzz_seeds.h"

#include <fstream>

#include "kit/fon_writer.h"
#include "kit/gen_album_jpeg.h"
#include "kit/pe_writer.h"

namespace vemra::kit {

namespace {

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint8_t> albumLibrary() {
    ResourceModuleWriter module;
    for (int n = 1; n <= 3; ++n) {
        gfx::Bitmap picture(8 * n, 6 * n, gfx::Color{std::uint8_t(80 * n), 120, 40});
        std::vector<std::uint8_t> jpeg = encodeJpeg(picture);
        if (n == 1) module.addString(1, std::to_string(jpeg.size()));
        if (n == 2) module.addString(2, std::to_string(jpeg.size() + 1));
        module.add("JPG", "AK" + std::to_string(n), std::move(jpeg));
    }
    return module.bytes();
}

// A face of a few glyphs whose ink fills the cell in a pattern of its code.
BitmapFace face(int height) {
    BitmapFace f;
    f.name = "Seed";
    f.pixelHeight = height;
    f.ascent = height - 2;
    f.internalLeading = 1;
    f.firstChar = 32;
    f.defaultChar = 33;
    for (int code = 32; code < 40; ++code) {
        GlyphBitmap glyph{.width = 2 + code % 5, .ink = {}};
        for (int i = 0; i < glyph.width * height; ++i) glyph.ink.push_back(std::uint8_t((i + code) % 3 == 0));
        f.glyphs.push_back(glyph);
    }
    return f;
}

}  // namespace

void writeFuzzSeeds(const std::filesystem::path& dir) {
    writeBytes(dir / "fuzz_album_picture" / "three-pictures.dat", albumLibrary());
    const BitmapFace sizes[] = {face(8), face(13)};
    writeBytes(dir / "fuzz_font_file" / "two-sizes.fon", fonFile("SEED", sizes));
}

}  // namespace vemra::kit
