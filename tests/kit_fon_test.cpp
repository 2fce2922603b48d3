// The display fonts the kit writes, read back through the program's font library (FreeType) and
// fontconfig: faces, heights, glyph pictures, joins, and the FNT bitmap layout itself.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "kit/code_table.h"
#include "kit/display_fonts.h"
#include "kit/fon_writer.h"
#include "kit/media_tools.h"
#include "platform/gfx/font.h"

namespace vemra::kit {
namespace {

namespace fs = std::filesystem;

const std::vector<int> allHeights(std::begin(displayFontHeights), std::end(displayFontHeights));

// The glyph of `code` alone on white: true where it is black.
std::vector<std::vector<bool>> inkOf(const gfx::Font& font, std::uint8_t code) {
    gfx::Bitmap b(font.advance(code), font.lineHeight(), gfx::colors::white);
    font.drawGlyph(b, b.bounds(), 0, 0, code, gfx::colors::black);
    std::vector<std::vector<bool>> ink(std::size_t(b.height()), std::vector<bool>(std::size_t(b.width())));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) ink[std::size_t(y)][std::size_t(x)] = b.pixel(x, y) == gfx::colors::black.pixel();
    return ink;
}

int inkCount(const std::vector<std::vector<bool>>& ink) {
    int n = 0;
    for (const auto& row : ink) n += int(std::count(row.begin(), row.end(), true));
    return n;
}

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class KitDisplayFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<TempDir>();
        writeDisplayFonts(dir->path());
    }
    static void TearDownTestSuite() { dir.reset(); }

    static fs::path fontFile(std::string_view name) { return dir->path() / name; }
    static inline std::unique_ptr<TempDir> dir;
};

TEST_F(KitDisplayFonts, EachFileHoldsItsFaceAtEveryHeightTheScreensUse) {
    const std::pair<std::string_view, std::string> faces[] = {
        {"read01.fon", "Read01 Naske"}, {"read02.fon", "msread"}, {"Serife.fon", "Serife"}};
    for (const auto& [file, face] : faces) {
        gfx::FontLibrary library;
        EXPECT_EQ(library.registerFile(fontFile(file)), int(allHeights.size())) << file;
        EXPECT_EQ(library.registeredFaces(), std::vector<std::string>{face});
        EXPECT_EQ(library.heightsOf(face), allHeights);
    }
}

// fontconfig reads the pixel size from the header's nominal size: it must come out as the
// character height the library chooses by.
TEST_F(KitDisplayFonts, FontconfigReportsTheFaceNamesAndCharacterHeights) {
    for (const auto& [file, face] : {std::pair{"read01.fon", "Read01 Naske"}, {"read02.fon", "msread"}}) {
        std::string expected;
        for (const int height : allHeights) expected += std::string(face) + " " + std::to_string(height) + "\n";
        EXPECT_EQ(runToolForOutput({"fc-query", "--format=%{family} %{pixelsize}\n", fontFile(file).string()}),
                  expected);
    }
}

TEST_F(KitDisplayFonts, ResolvedFontsHaveTheAskedHeightAndDrawTheirGlyphs) {
    gfx::FontLibrary library;
    library.registerFile(fontFile("read01.fon"));
    for (const int height : allHeights) {
        const auto font = library.font({"read01 naske", height});
        ASSERT_EQ(font->faceName(), "Read01 Naske");
        // The cell holds the character height and an internal leading for the marks above.
        EXPECT_GT(font->lineHeight(), height);
        EXPECT_GT(font->ascent(), height / 2);
        EXPECT_GT(inkCount(inkOf(*font, 132)), height / 2) << "lam at " << height;  // a tall letter
        EXPECT_GT(inkCount(inkOf(*font, 198)), 0) << "fatha at " << height;
        EXPECT_GT(font->advance(' '), 0);
        EXPECT_EQ(inkCount(inkOf(*font, ' ')), 0);
        // A code without a letter shows the default box rather than nothing.
        EXPECT_GT(inkCount(inkOf(*font, 255)), 0);
    }
}

TEST_F(KitDisplayFonts, JoinedFormsTouch) {
    gfx::FontLibrary library;
    library.registerFile(fontFile("read02.fon"));
    for (const int height : allHeights) {
        const auto font = library.font({"msread", height});
        for (const Letter& letter : letters()) {
            if (letter.joining != Joining::dual) continue;
            // Visual order puts the final form left of the initial one: its right edge meets the
            // initial form's left edge on some row.
            const auto left = inkOf(*font, letter.code(Form::final));
            const auto right = inkOf(*font, letter.code(Form::initial));
            bool touch = false;
            for (int y = 0; y < height; ++y)
                touch |= left[std::size_t(y)].back() && right[std::size_t(y)].front();
            EXPECT_TRUE(touch) << letter.name << " at " << height;
        }
    }
}

TEST_F(KitDisplayFonts, EveryRunWritesTheSameBytes) {
    const TempDir again;
    writeDisplayFonts(again.path());
    for (const DisplayFontFile& file : displayFontFiles())
        EXPECT_EQ(fileBytes(again.path() / file.file), fileBytes(fontFile(file.file))) << file.file;
}

// A face whose glyph `A` is a known pattern more than 8 pixels wide, `count` glyphs in all.
BitmapFace patternFace(int width, std::size_t count) {
    BitmapFace face;
    face.name = "Pattern";
    face.pixelHeight = 12;
    face.ascent = 10;
    face.firstChar = 'A';
    face.defaultChar = 'A';
    face.breakChar = 'A';
    GlyphBitmap glyph;
    glyph.width = width;
    glyph.ink.resize(std::size_t(width * face.pixelHeight));
    for (int y = 0; y < face.pixelHeight; ++y)
        for (int x = 0; x < width; ++x) glyph.ink[std::size_t(y * width + x)] = (x * 3 + y * 5) % 7 < 3;
    for (std::size_t i = 0; i < count; ++i) {
        face.glyphs.push_back(glyph);
        glyph.ink[i % glyph.ink.size()] ^= 1;  // each glyph different, so none is shared
    }
    return face;
}

TEST(KitFntFont, GlyphsReadBackPixelForPixelInVersion2AndVersion3) {
    for (const auto& [width, count, version] : {std::tuple{11, std::size_t(3), 0x200}, {250, std::size_t(190), 0x300}}) {
        const BitmapFace face = patternFace(width, count);
        const auto fnt = fntResource(face);
        EXPECT_EQ(fnt[0] | (fnt[1] << 8), version);

        const TempDir dir;
        const BitmapFace faces[] = {face};
        writeFonFile(dir.path() / "pattern.fon", "PATTERN", faces);
        gfx::FontLibrary library;
        ASSERT_EQ(library.registerFile(dir.path() / "pattern.fon"), 1);
        const auto font = library.font({"Pattern", 12});
        EXPECT_EQ(font->ascent(), 10);
        const auto ink = inkOf(*font, 'A');
        ASSERT_EQ(ink.size(), 12u);
        ASSERT_EQ(ink[0].size(), std::size_t(width));
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(ink[std::size_t(y)][std::size_t(x)], bool(face.glyphs[0].ink[std::size_t(y * width + x)]))
                    << "pixel " << x << "," << y;
        // A code past the last glyph shows the default character.
        EXPECT_EQ(font->advance(std::uint8_t('A' + count)), width);
    }
}

TEST(KitFntFont, RefusesFacesItCannotEncode) {
    BitmapFace face = patternFace(4, 2);
    face.defaultChar = 'Z';
    EXPECT_THROW(fntResource(face), std::invalid_argument);
    face = patternFace(4, 2);
    face.glyphs[1].ink.pop_back();
    EXPECT_THROW(fntResource(face), std::invalid_argument);
}

}  // namespace
}  // namespace vemra::kit
