// Resource modules the kit writes, read by icoutils' wrestool and by the program's own module reader.
#include <gtest/gtest.h>

#include "kit/media_tools.h"
#include "kit/pe_writer.h"
#include "platform/win/pe_module.h"

namespace vemra::kit {
namespace {

namespace fs = std::filesystem;

// A picture with few colours (stored with a palette) and one with many (stored as 24 bits).
gfx::Bitmap fewColours() {
    gfx::Bitmap b(5, 3, gfx::colors::white);
    b.setPixel(0, 0, gfx::colors::red.pixel());
    b.setPixel(4, 2, gfx::Color{1, 2, 3}.pixel());
    return b;
}

gfx::Bitmap manyColours() {
    gfx::Bitmap b(23, 17);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) b.setPixel(x, y, gfx::Color{std::uint8_t(x * 11), std::uint8_t(y * 15), 7}.pixel());
    return b;
}

const std::vector<std::uint8_t> jpegBytes{0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3, 0xFF, 0xD9};

class KitResourceModule : public ::testing::Test {
protected:
    KitResourceModule() {
        writer.addBitmap("a101", fewColours());
        writer.addBitmap("Data012", manyColours());
        writer.addBitmap(7, fewColours());
        writer.add("jpg", "ak12", jpegBytes);
        writer.addString(12, "4520");
        writer.addString(40, "17");
        writer.write(file);
    }

    TempDir dir;
    fs::path file = dir.path() / "qem.dat";
    ResourceModuleWriter writer;
};

TEST_F(KitResourceModule, WrestoolListsEveryResourceWithUpperCaseNames) {
    const std::string list = runToolForOutput({"wrestool", "-l", file.string()});
    for (const char* entry : {"--type=2 --name='A101' --language=0", "--type=2 --name='DATA012' --language=0",
                              "--type=2 --name=7 --language=0", "--type=6 --name=1 --language=0",
                              "--type=6 --name=3 --language=0"})
        EXPECT_NE(list.find(entry), std::string::npos) << entry << " not in\n" << list;
    EXPECT_NE(list.find("--type='JPG'"), std::string::npos) << list;
    const std::string jpeg = runToolForOutput({"wrestool", "-x", "-R", "--type=JPG", "--name=AK12", file.string()});
    EXPECT_EQ(jpeg, std::string(jpegBytes.begin(), jpegBytes.end()));
}

TEST_F(KitResourceModule, TheModuleReaderGetsBackPicturesBytesAndStrings) {
    const auto module = win::PeModule::open(file);
    EXPECT_EQ(module.bitmap("A101"), fewColours());
    EXPECT_EQ(module.bitmap("data012"), manyColours());
    EXPECT_EQ(module.bitmap(7), fewColours());
    EXPECT_EQ(module.resource("JPG", "ak12"), jpegBytes);
    EXPECT_EQ(module.string(12), "4520");
    EXPECT_EQ(module.string(40), "17");
    EXPECT_EQ(module.string(13), std::nullopt);  // empty entry of a block that exists
    EXPECT_EQ(module.string(20), std::nullopt);  // a block that does not
    EXPECT_EQ(module.bitmap("a102"), std::nullopt);
}

TEST_F(KitResourceModule, NamesAreUniqueWithoutRegardToCase) {
    EXPECT_THROW(writer.addBitmap("A101", fewColours()), std::invalid_argument);
    EXPECT_THROW(writer.addString(40, "1"), std::invalid_argument);
    writer.add("JPG", 7, jpegBytes);  // the same name under another type is another resource
}

}  // namespace
}  // namespace vemra::kit
