#include "kit/gen_album.h"

#include <array>
#include <string>

#include "kit/demo_sizes.h"
#include "kit/gen_album_jpeg.h"
#include "kit/gen_art_landscape.h"

namespace vemra::kit {

namespace {
constexpr std::array<gfx::Size, 6> sizes{{{300, 200}, {600, 500}, {481, 397}, {400, 300}, {240, 320}, {460, 260}}};
}

gfx::Size albumPictureSize(int number) { return sizes[std::size_t(number - 1) % sizes.size()]; }

ResourceModuleWriter albumModule() {
    ResourceModuleWriter module;
    for (int n = 1; n <= albumPictureCount; ++n) {
        const std::string caption = "Album picture " + std::to_string(n) + ": " + std::string(landscapeTitle(n));
        std::vector<std::uint8_t> jpeg = encodeJpeg(landscapePicture(albumPictureSize(n), n, caption));
        module.addString(std::uint16_t(n), std::to_string(jpeg.size()));
        module.add("JPG", "AK" + std::to_string(n), std::move(jpeg));
    }
    return module;
}

void writeAlbumModule(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "data3");
    albumModule().write(root / "data3" / "qem002.dat");
}

}  // namespace vemra::kit
