// The kit's pictures: BMP files read back by the program's reader and by FFmpeg, the window artwork
// drawn from the designs, the picture modules read by the program's module reader and wrestool, the
// album's JPEG pictures decoded by libjpeg, the gallery pictures.
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

#include "designs/design.h"
#include "kit/bmp_writer.h"
#include "kit/byte_buffer.h"
#include "kit/demo_sizes.h"
#include "kit/gen_album.h"
#include "kit/gen_art.h"
#include "kit/gen_art_paint.h"
#include "kit/gen_art_window.h"
#include "kit/gen_gallery_pictures.h"
#include "kit/gen_modules.h"
#include "kit/gen_palette.h"
#include "kit/icon.h"
#include "kit/media_tools.h"
#include "platform/gfx/bmp.h"
#include "platform/win/binary_file.h"
#include "platform/win/pe_module.h"

namespace vemra::kit {
namespace {

namespace fs = std::filesystem;

std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8 | std::uint32_t(b.at(at + 2)) << 16 |
           std::uint32_t(b.at(at + 3)) << 24;
}

int bitsPerPixel(const std::vector<std::uint8_t>& bmp) { return bmp.at(28) | bmp.at(29) << 8; }

// The pixels as FFmpeg decodes the file: rows of red, green and blue bytes, top row first. The format
// is named, since FFmpeg's guess from the content takes some small pictures for tracker music.
std::string decodedByFfmpeg(const fs::path& file) {
    return runToolForOutput(
        {"ffmpeg", "-v", "error", "-f", "bmp_pipe", "-i", file.string(), "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
}

std::string rgbBytes(const gfx::Bitmap& b) {
    std::string out;
    for (const gfx::Pixel p : b.pixels()) {
        const gfx::Color c = gfx::Color::fromPixel(p);
        out += {char(c.r), char(c.g), char(c.b)};
    }
    return out;
}

// A bitmap of an odd width (rows need padding) in palette colours.
gfx::Bitmap paletteColours() {
    gfx::Bitmap b(13, 7, gfx::Color{0, 51, 102});
    b.fill({2, 1, 5, 4}, gfx::Color{255, 204, 51});
    b.setPixel(12, 6, gfx::Color{8, 8, 8}.pixel());
    return b;
}

// As many colours as a colour table holds.
gfx::Bitmap allTableColours() {
    gfx::Bitmap b(16, 16);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            b.setPixel(x, y, gfx::Color{std::uint8_t(x * 17), std::uint8_t(y * 17), 99}.pixel());
    return b;
}

// More colours than a colour table holds.
gfx::Bitmap manyColours() {
    gfx::Bitmap b(37, 9);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            b.setPixel(x, y, gfx::Color{std::uint8_t(x * 7), std::uint8_t(y * 29), std::uint8_t(x * y)}.pixel());
    return b;
}

TEST(KitBmp, FilesOfEightAndTwentyFourBitsReadBackExactlyInBothReaders) {
    TempDir dir;
    for (const auto& [bitmap, bits] :
         {std::pair{paletteColours(), 8}, std::pair{allTableColours(), 8}, std::pair{manyColours(), 24}}) {
        const std::vector<std::uint8_t> file = bmpFile(bitmap);
        ASSERT_GT(file.size(), 54u);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(u32At(file, 2), file.size());
        EXPECT_EQ(bitsPerPixel(file), bits);
        EXPECT_EQ(u32At(file, 22), std::uint32_t(bitmap.height()));  // positive: bottom-up
        const std::uint32_t colours = u32At(file, 46);
        EXPECT_EQ(u32At(file, 10), 54 + 4 * colours);
        EXPECT_EQ(gfx::decodeBmp(file), bitmap);

        const fs::path path = dir.path() / ("picture" + std::to_string(bitmap.width()) + ".bmp");
        writeBmp(path, bitmap);
        EXPECT_EQ(decodedByFfmpeg(path), rgbBytes(bitmap)) << bitmap.width() << " wide";
    }
}

TEST(KitPalette, EveryColourMapsToTheNearestOfTwoHundredFiftySixThatStayPut) {
    std::set<gfx::Pixel> palette;
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 3)
                palette.insert(nearestKitColour({std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}).pixel());
    for (int v = 0; v < 256; ++v)
        palette.insert(nearestKitColour({std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)}).pixel());
    EXPECT_EQ(palette.size(), 256u);
    for (const gfx::Pixel p : palette) EXPECT_EQ(nearestKitColour(gfx::Color::fromPixel(p)).pixel(), p);

    const auto distance2 = [](gfx::Color a, gfx::Color b) {
        return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
    };
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        const auto p = gfx::Pixel(random() & 0xFFFFFF);
        const gfx::Color c = gfx::Color::fromPixel(p);
        int best = 1 << 30;
        for (const gfx::Pixel q : palette) best = std::min(best, distance2(c, gfx::Color::fromPixel(q)));
        EXPECT_EQ(distance2(c, nearestKitColour(c)), best) << std::hex << p;
    }
}

TEST(KitWindowArt, EveryComponentWithArtworkGetsAPictureOfItsSizeIn256Colours) {
    TempDir dir;
    writeWindowArtwork(dir.path());
    std::size_t expected = 0;
    for (const designs::WindowDesign* design : designs::allDesigns()) {
        for (const designs::ComponentDesign& c : design->components) {
            if (!c.artwork) continue;
            ++expected;
            const fs::path file = dir.path() / "art" / std::string(design->name) / (std::string(c.name) + ".bmp");
            ASSERT_TRUE(fs::exists(file)) << file;
            const std::vector<std::uint8_t> bytes = win::readBinaryFile(file);
            EXPECT_EQ(bitsPerPixel(bytes), 8) << file;
            EXPECT_EQ(gfx::decodeBmp(bytes).size(), c.rect.size()) << file;
        }
    }
    std::size_t written = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) written += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(written, expected);
}

// Compares a lit or pressed picture with the background under it: equal outside the hotspots,
// visibly different inside each of them.
void expectLitExactlyInHotspots(std::string_view window, std::string_view background, std::string_view lit) {
    const designs::WindowDesign& design = *designs::findDesign(window);
    WindowArt art(design, windowScheme(window), "test");
    const gfx::Bitmap under = art.picture(background);
    const gfx::Bitmap look = art.picture(lit);
    gfx::Rect litRect{};
    std::vector<gfx::Rect> hotspots;
    for (const designs::ComponentDesign& c : design.components) {
        if (c.name == lit) litRect = c.rect;
        if (c.cursor == 5 && !c.artwork && c.parent.empty()) hotspots.push_back(c.rect);
    }
    std::vector<int> changed(hotspots.size(), 0);
    int changedOutside = 0;
    for (int y = 0; y < look.height(); ++y) {
        for (int x = 0; x < look.width(); ++x) {
            const gfx::Point at{litRect.left + x, litRect.top + y};
            if (!under.bounds().contains(at)) continue;
            const bool differs = look.pixel(x, y) != under.pixel(at.x, at.y);
            bool inside = false;
            for (std::size_t h = 0; h < hotspots.size(); ++h) {
                if (!hotspots[h].contains(at)) continue;
                inside = true;
                changed[h] += differs ? 1 : 0;
            }
            changedOutside += differs && !inside ? 1 : 0;
        }
    }
    EXPECT_EQ(changedOutside, 0) << window << " " << lit;
    for (std::size_t h = 0; h < hotspots.size(); ++h) {
        const gfx::Rect overlap = hotspots[h].intersected(litRect).intersected({0, 0, under.width(), under.height()});
        if (overlap.empty()) continue;
        EXPECT_GT(changed[h] * 2, overlap.width * overlap.height) << window << " " << lit << " hotspot " << h;
    }
}

TEST(KitWindowArt, LitAndPressedLooksDifferFromTheBackgroundExactlyInsideTheHotspots) {
    expectLitExactlyInHotspots("frm9", "m1", "Image1");
    expectLitExactlyInHotspots("frm9", "m1", "m9");
    expectLitExactlyInHotspots("frm1", "m1", "Image6");
    expectLitExactlyInHotspots("frm33", "m1", "Image1");
    expectLitExactlyInHotspots("frm2", "Image1", "Image13");
}

TEST(KitWindowArt, ThePicturesAreTheSameOnEveryRun) {
    const designs::WindowDesign& design = *designs::findDesign("frm7");
    WindowArt first(design, windowScheme("frm7"), "Tfrm7"), second(design, windowScheme("frm7"), "Tfrm7");
    EXPECT_EQ(bmpFile(first.picture("m1")), bmpFile(second.picture("m1")));
    EXPECT_NE(first.picture("m1"), WindowArt(design, windowScheme("frm9"), "Tfrm7").picture("m1"));
}

TEST(KitModules, BothAnimationModulesHoldEveryFrameOfEverySet) {
    TempDir dir;
    const std::vector<std::uint8_t> stars = animationModule(FrameStyle::star).bytes();
    const std::vector<std::uint8_t> rings = animationModule(FrameStyle::rings).bytes();
    EXPECT_EQ(stars, animationModule(FrameStyle::star).bytes());
    for (const std::vector<std::uint8_t>* bytes : {&stars, &rings}) {
        const win::PeModule module = win::PeModule::fromBytes(*bytes);
        const fs::path file = dir.path() / "frames.dat";
        writeBinaryFile(file, *bytes);
        const std::string listed = runToolForOutput({"wrestool", "-l", file.string()});
        for (int set = 1; set <= 26; ++set) {
            std::optional<gfx::Bitmap> previous;
            for (int frame = 1; frame <= 10; ++frame) {
                const std::string name = "a" + std::to_string(set) + "0" + std::to_string(frame);
                const std::optional<gfx::Bitmap> bitmap = module.bitmap(name);
                ASSERT_TRUE(bitmap) << name;
                EXPECT_EQ(bitmap->size(), (gfx::Size{120, 80})) << name;
                if (previous) {
                    EXPECT_NE(*bitmap, *previous) << name << " repeats the frame before it";
                }
                previous = bitmap;
                const std::string stored = "A" + name.substr(1);
                EXPECT_NE(listed.find("--type=2 --name='" + stored + "'"), std::string::npos) << stored;
            }
        }
    }
    EXPECT_NE(win::PeModule::fromBytes(stars).bitmap("a101"), win::PeModule::fromBytes(rings).bitmap("a101"));
}

TEST(KitModules, TheMainMenusFiveFrameAnimationLoopsWithoutAJump) {
    // The emblem (left of the number and the dots) of set 1 repeats every five frames; that of
    // another set turns on through all ten.
    const gfx::Rect emblem{0, 0, 76, 80};
    const auto emblemOf = [&](int set, int frame) {
        gfx::Bitmap part(emblem.width, emblem.height);
        part.copyFrom(animationFrame(set, frame, FrameStyle::star), emblem, {0, 0});
        return part;
    };
    EXPECT_EQ(emblemOf(1, 6), emblemOf(1, 1));
    EXPECT_NE(emblemOf(1, 5), emblemOf(1, 1));
    EXPECT_NE(emblemOf(2, 6), emblemOf(2, 1));
}

TEST(KitModules, ArticleAndSecondaryTextPicturesHaveTheSizesOfTheirScreens) {
    const win::PeModule article = win::PeModule::fromBytes(articleArtModule().bytes());
    for (int section = 1; section <= 4; ++section) {
        const std::string a = "a" + std::to_string(section);
        EXPECT_EQ(article.bitmap(a + "1")->size(), (gfx::Size{639, 478})) << a;
        EXPECT_EQ(article.bitmap(a + "2")->size(), (gfx::Size{128, 179})) << a;
        EXPECT_EQ(article.bitmap(a + "3")->size(), (gfx::Size{149, 80})) << a;
        EXPECT_EQ(article.bitmap(a + "4")->size(), (gfx::Size{451, 275})) << a;
    }
    EXPECT_NE(*article.bitmap("a11"), *article.bitmap("a21"));
    EXPECT_EQ(article.bitmap("a51")->size(), (gfx::Size{640, 480}));

    const win::PeModule secondary = win::PeModule::fromBytes(secondaryTextArtModule().bytes());
    for (int kind = 1; kind <= 11; ++kind) {
        EXPECT_EQ(secondary.bitmap("data" + std::to_string(kind))->size(), (gfx::Size{640, 480})) << kind;
        EXPECT_EQ(secondary.bitmap("data0" + std::to_string(kind))->size(), (gfx::Size{150, 80})) << kind;
    }
    EXPECT_EQ(secondary.bitmap("data12")->size(), (gfx::Size{640, 480}));
    EXPECT_EQ(secondary.bitmap("data012")->size(), (gfx::Size{150, 80}));
    EXPECT_EQ(secondary.bitmap("data0012")->size(), (gfx::Size{389, 334}));
}

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
};

void jumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->failed, 1); }

// The size of a JPEG file that libjpeg decodes to its last row, or nothing.
std::optional<gfx::Size> decodedJpegSize(const std::vector<std::uint8_t>& bytes) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    if (setjmp(errors.failed)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> row(std::size_t(info.output_width) * std::size_t(info.output_components));
    JSAMPROW rows[1] = {row.data()};
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, rows, 1);
    const gfx::Size size{int(info.output_width), int(info.output_height)};
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return size;
}

TEST(KitAlbum, PicturesAreJpegFilesOfTheirSizesWithTheirByteCountsAsStrings) {
    const std::vector<std::uint8_t> bytes = albumModule().bytes();
    EXPECT_EQ(bytes, albumModule().bytes());
    const win::PeModule module = win::PeModule::fromBytes(bytes);
    std::set<std::pair<int, int>> sizes;
    for (int n = 1; n <= albumPictureCount; ++n) {
        const auto jpeg = module.resource("jpg", "ak" + std::to_string(n));
        ASSERT_TRUE(jpeg) << n;
        EXPECT_EQ(module.string(std::uint16_t(n)), std::to_string(jpeg->size())) << n;
        const std::optional<gfx::Size> size = decodedJpegSize(*jpeg);
        ASSERT_TRUE(size) << n;
        EXPECT_EQ(*size, albumPictureSize(n)) << n;
        sizes.insert({size->width, size->height});
    }
    EXPECT_TRUE(sizes.count({300, 200}) && sizes.count({600, 500}));
}

TEST(KitGallery, PicturesAreNumberedBitmapsOfTheirSizes) {
    ASSERT_GE(galleryPictureCount, 10);
    TempDir dir;
    writeGalleryPictures(dir.path());
    EXPECT_EQ(galleryPicturePath(dir.path(), 9), dir.path() / "data3" / "09.bmp");
    EXPECT_EQ(galleryPicturePath(dir.path(), 10), dir.path() / "data3" / "10.bmp");
    for (int n = 1; n <= galleryPictureCount; ++n)
        EXPECT_EQ(gfx::readBmp(galleryPicturePath(dir.path(), n)).size(), galleryPictureSize(n)) << n;
    EXPECT_FALSE(fs::exists(galleryPicturePath(dir.path(), galleryPictureCount + 1)));
}

TEST(KitGallery, EveryPictureShowsClearOfTheListsArrowsAndCornerAnimationOfEachGallery) {
    for (const char* window : {"frm27", "frm28", "frm29"}) {
        const designs::WindowDesign& design = *designs::findDesign(window);
        gfx::Point at;
        std::vector<const designs::ComponentDesign*> keepClear;
        for (const designs::ComponentDesign& c : design.components) {
            if (c.name == "Image5") at = c.rect.origin();
            const bool rowOrArrow = c.kind == designs::Kind::label && c.cursor != 0 && c.parent.empty();
            if (rowOrArrow || c.name == "Label1" || c.name == "Panel1") keepClear.push_back(&c);
        }
        for (int n = 1; n <= galleryPictureCount; ++n) {
            const gfx::Rect picture{at.x, at.y, galleryPictureSize(n).width, galleryPictureSize(n).height};
            EXPECT_LE(picture.right(), 640) << window << " picture " << n;
            for (const designs::ComponentDesign* c : keepClear)
                EXPECT_TRUE(picture.intersected(c->rect).empty())
                    << window << " picture " << n << " covers " << c->name;
        }
    }
}

TEST(KitIcon, EverySizeIsTheSameDesignAveragedAndOthersAreRefused) {
    const gfx::Bitmap large = drawIcon(256);
    for (const int size : {48, 64, 128}) {
        // Shrinking the large icon by whole blocks where the sizes allow it gives the small one, but
        // for the rounding of two averages instead of one.
        const gfx::Bitmap small = drawIcon(size);
        ASSERT_EQ(small.size(), (gfx::Size{size, size}));
        if (256 % size != 0) continue;
        const gfx::Bitmap expected = shrunk(large, 256 / size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const gfx::Color a = gfx::Color::fromPixel(small.pixel(x, y)), b = gfx::Color::fromPixel(expected.pixel(x, y));
                ASSERT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 3) << size << " at " << x << "," << y;
            }
    }
    // Edges are smoothed: the large icon has colours between those it is painted with.
    std::set<gfx::Pixel> colours(large.pixels().begin(), large.pixels().end());
    EXPECT_GT(colours.size(), 30u);
    EXPECT_THROW(drawIcon(100), std::invalid_argument);
}

}  // namespace
}  // namespace vemra::kit
