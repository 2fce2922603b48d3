#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "format_builders.h"
#include "platform/gfx/bmp.h"
#include "platform/win/binary_reader.h"
#include "platform/win/module_cursor.h"
#include "platform/win/pe_module.h"
#include "scenario_support.h"

namespace vemra::win {
namespace {

using testing::ResourceSpec;

const std::vector<std::uint8_t> redPixel = testing::dib({1, 1, 24, 0, {}, {}, {0, 0, 0xFF, 0}});
const std::vector<std::uint8_t> jpegBytes = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3};

std::vector<std::uint8_t> withU32(std::vector<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.at(at + std::size_t(i)) = std::uint8_t(value >> (8 * i));
    return bytes;
}

std::vector<std::uint8_t> sampleModule() {
    return testing::peModule({
        {std::uint16_t(2), std::string("A101"), redPixel},
        {std::uint16_t(2), std::uint16_t(7), redPixel},
        {std::string("JPG"), std::string("AK12"), jpegBytes},
        {std::uint16_t(6), std::uint16_t(1), testing::stringBlock({u"", u"", u"", u"", u"", u"1234", u"\u00e9\u0628"})},
        {std::string("TEXT"), std::string("LANG"), {1}, 1033},
        {std::string("TEXT"), std::string("LANG"), {2}, 0},
    });
}

TEST(PeModule, FindsResourcesByNameIgnoringCaseOrByNumber) {
    const auto module = PeModule::fromBytes(sampleModule());
    EXPECT_EQ(module.resource("jpg", "ak12"), jpegBytes);
    EXPECT_EQ(module.resource("JPG", "AK12"), jpegBytes);
    EXPECT_FALSE(module.resource("jpg", "ak1"));
    EXPECT_FALSE(module.resource(2, "ak12"));
    EXPECT_EQ(module.resource(2, 7), redPixel);
    EXPECT_EQ(module.resource("#2", "#7"), redPixel);
    EXPECT_EQ(module.resource("text", "lang"), std::vector<std::uint8_t>{2}) << "the neutral language comes first";
    EXPECT_EQ(module.resources().size(), 6u);
}

TEST(PeModule, DecodesBitmapsAndReadsStringTableEntries) {
    const auto module = PeModule::fromBytes(sampleModule());
    const auto bitmap = module.bitmap("a101");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->pixel(0, 0), 0xFF0000u);
    EXPECT_FALSE(module.bitmap("a102"));
    EXPECT_EQ(module.string(5), "1234");
    EXPECT_EQ(module.string(6), "\xE9?");
    EXPECT_FALSE(module.string(4)) << "empty entry";
    EXPECT_FALSE(module.string(16)) << "missing block";
}

TEST(PeModule, ReadsCursorGroups) {
    testing::Bytes group;
    group.u16(0).u16(2).u16(2);
    group.u16(16).u16(32).u16(1).u16(32).u32(0).u16(1);  // 16 x 16
    group.u16(32).u16(64).u16(1).u16(32).u32(0).u16(2);  // 32 x 32
    testing::Bytes small, large;
    small.u16(1).u16(1).append(testing::argbIconImage(16, 16, 0xFF00FF00));
    large.u16(5).u16(6).append(testing::argbIconImage(32, 32, 0xFFFF0000));
    const auto module = PeModule::fromBytes(testing::peModule({{std::uint16_t(12), std::string("QEM1"), group.data},
                                                               {std::uint16_t(1), std::uint16_t(1), small.data},
                                                               {std::uint16_t(1), std::uint16_t(2), large.data}}));
    const auto cursor = moduleCursor(module, "qem1");
    ASSERT_TRUE(cursor);
    ASSERT_EQ(cursor->frames.size(), 1u);
    EXPECT_EQ(cursor->frames[0].width, 32);
    EXPECT_EQ(cursor->frames[0].hotspot, (gfx::Point{5, 6}));
    EXPECT_EQ(cursor->frames[0].argb[0], 0xFFFF0000u);
    EXPECT_FALSE(moduleCursor(module, "qem2"));
}

TEST(PeModule, MalformedModulesAreRejected) {
    const auto valid = sampleModule();
    const std::size_t rsrc = testing::resourceSectionOffset;
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"no MZ", withU32(valid, 0, 0)},
        {"PE header past the end", withU32(valid, 0x3C, 0x7FFFFFF0)},
        {"no PE signature", withU32(valid, 0x40, 0)},
        {"64-bit optional header", withU32(valid, 0x58, 0x20B)},
        {"type directory loops to the root", withU32(valid, rsrc + 16 + 4, 0x80000000)},
        {"data entry at the type level", withU32(valid, rsrc + 16 + 4, 0)},
        {"entry count beyond the section", withU32(valid, rsrc + 12, 0xFFFF0000)},
        {"name string past the end", withU32(valid, rsrc + 16 + 8, 0x8000FFF0)},
        {"section beyond the file", withU32(valid, 0x40 + 24 + 224 + 20, 0x7FFFF000)},
        {"truncated", {valid.begin(), valid.end() - 40}},
        {"empty", {}},
    };
    for (const auto& [what, bytes] : cases) EXPECT_THROW(PeModule::fromBytes(bytes), FormatError) << what;
    // One resource: root, type and name directories of one entry each, then its data entry.
    const auto single = testing::peModule({{std::uint16_t(2), std::uint16_t(7), redPixel}});
    const std::size_t dataEntry = rsrc + 3 * 24;
    ASSERT_EQ(PeModule::fromBytes(single).resource(2, 7), redPixel);
    EXPECT_THROW(PeModule::fromBytes(withU32(single, dataEntry, 0x5000)), FormatError) << "data in no section";
    EXPECT_THROW(PeModule::fromBytes(withU32(single, dataEntry + 4, 0x1000)), FormatError) << "data past its section";
}

TEST(PeModule, BadBitmapResourceThrowsNamingIt) {
    const auto module = PeModule::fromBytes(testing::peModule({{std::uint16_t(2), std::string("A11"), {1, 2, 3}}}), "qem006");
    try {
        module.bitmap("a11");
        FAIL() << "no error";
    } catch (const FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("qem006: bitmap a11"), std::string::npos) << e.what();
    }
}

// A module made by the platform's own resource compiler and linker, when they are installed.
TEST(PeModule, ReadsAResourceOnlyLibraryFromTheCrossTools) {
    if (std::system("command -v i686-w64-mingw32-windres >/dev/null && command -v i686-w64-mingw32-ld >/dev/null") != 0)
        GTEST_SKIP() << "i686-w64-mingw32 binutils not installed";
    vemra::testing::TempDir dir;
    auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    };
    write("pic.bmp", testing::bmpFile({1, 1, 24, 0, {}, {}, {0, 0xFF, 0, 0}}));
    write("ak3.jpg", jpegBytes);
    write("frame.cur", testing::curFile({{4, 4, 1, 2, testing::argbIconImage(4, 4, 0xFF0000FF)}}));
    std::ofstream(dir / "lib.rc") << "a25010 BITMAP \"pic.bmp\"\nAK3 JPG \"ak3.jpg\"\nQEM1 CURSOR \"frame.cur\"\n"
                                     "STRINGTABLE\nBEGIN\n  3, \"7\"\n  40, \"abc\"\nEND\n";
    const std::string d = dir.path().string();
    ASSERT_EQ(std::system(("cd " + d + " && i686-w64-mingw32-windres --preprocessor=cat lib.rc -O coff -o lib.o && "
                           "i686-w64-mingw32-ld --dll -e 0 -o lib.dll lib.o")
                              .c_str()),
              0);
    const auto module = PeModule::open(dir / "lib.dll");
    const auto bitmap = module.bitmap("A25010");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(module.resource("jpg", "ak3"), jpegBytes);
    EXPECT_EQ(module.string(3), "7");
    EXPECT_EQ(module.string(40), "abc");
    EXPECT_FALSE(module.string(41));
    const auto cursor = moduleCursor(module, "qem1");
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->frames[0].hotspot, (gfx::Point{1, 2}));
    EXPECT_EQ(cursor->frames[0].argb[0], 0xFF0000FFu);
}

}  // namespace
}  // namespace vemra::win
