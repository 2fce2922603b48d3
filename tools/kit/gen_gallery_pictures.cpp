#include "kit/gen_gallery_pictures.h"

#include <array>
#include <string>

#include "kit/bmp_writer.h"
#include "kit/demo_sizes.h"
#include "kit/gen_art_landscape.h"

namespace vemra::kit {

namespace {
constexpr std::array<gfx::Size, 6> sizes{{{290, 116}, {240, 110}, {116, 116}, {100, 230}, {180, 112}, {300, 100}}};
}

gfx::Size galleryPictureSize(int number) { return sizes[std::size_t(number - 1) % sizes.size()]; }

std::filesystem::path galleryPicturePath(const std::filesystem::path& root, int number) {
    return root / "data3" / ((number < 10 ? "0" : "") + std::to_string(number) + ".bmp");
}

void writeGalleryPictures(const std::filesystem::path& root) {
    for (int n = 1; n <= galleryPictureCount; ++n) {
        const std::string caption = "Gallery " + std::to_string(n) + ": " + std::string(landscapeTitle(n));
        writeBmp(galleryPicturePath(root, n), landscapePicture(galleryPictureSize(n), n, caption));
    }
}

}  // namespace vemra::kit
