#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/gfx/font.h"
#include "test_paths.h"

namespace vemra::gfx {
namespace {

const std::filesystem::path sansSerifFon = "/usr/share/wine/fonts/sserife.fon";
const std::filesystem::path tahomaTtf = "/usr/share/wine/fonts/tahoma.ttf";
const std::filesystem::path goldenDir = std::filesystem::path(test_paths::testData) / "golden";

// One line per row: '#' black ink, '.' untouched white, '+' anything between.
std::string textArt(const Bitmap& b) {
    std::string art;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            const Pixel p = b.pixel(x, y);
            art += p == colors::black.pixel() ? '#' : p == colors::white.pixel() ? '.' : '+';
        }
        art += '\n';
    }
    return art;
}

std::string rendered(const Font& font, std::string_view text) {
    Bitmap b(font.textWidth(text), font.lineHeight(), colors::white);
    font.drawText(b, b.bounds(), 0, 0, text, colors::black);
    return textArt(b);
}

std::string golden(const std::string& name) {
    std::ifstream in(goldenDir / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

FontSpec sansSerif(int height, unsigned style = 0) { return {"MS Sans Serif", height, colors::black, style}; }

class BitmapFaceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(library.registerFile(sansSerifFon), 3); }
    FontLibrary library;
};

TEST_F(BitmapFaceTest, ReportsFacesAndHeightsMatchingNamesWithoutCase) {
    EXPECT_EQ(library.registeredFaces(), std::vector<std::string>{"MS Sans Serif"});
    EXPECT_EQ(library.heightsOf("ms SANS serif"), (std::vector<int>{11, 13, 16}));
    EXPECT_TRUE(library.heightsOf("Courier").empty());
    EXPECT_EQ(library.registerFile(sansSerifFon), 3);  // registering again adds nothing
    EXPECT_EQ(library.heightsOf("MS Sans Serif").size(), 3u);
}

// The face's cells of 13, 16 and 20 pixels have internal leadings of 2, 3 and 4: a request names
// the character height (cell less leading), 11, 13 or 16, never the cell.
TEST_F(BitmapFaceTest, ChoosesTheCharacterHeightExactOrNearestAndTheSmallerOnATie) {
    const std::pair<int, int> askedAndCell[] = {{11, 13}, {13, 16}, {16, 20}, {12, 13}, {14, 16},
                                                {15, 20}, {20, 20}, {8, 13},  {40, 20}};
    for (const auto& [asked, cell] : askedAndCell) {
        const auto font = library.font(sansSerif(asked));
        EXPECT_EQ(font->faceName(), "MS Sans Serif");
        EXPECT_EQ(font->lineHeight(), cell) << "asked for " << asked;
    }
    EXPECT_EQ(library.font(sansSerif(11))->ascent(), 11);
}

TEST_F(BitmapFaceTest, TextWidthIsTheSumOfAdvancesAndBoldAddsOnePerGlyph) {
    const auto font = library.font(sansSerif(11));
    const auto bold = library.font(sansSerif(11, styleBold));
    const std::string text = "Hello, World";
    int sum = 0;
    for (const char c : text) {
        EXPECT_GT(font->advance(std::uint8_t(c)), 0) << c;
        EXPECT_EQ(bold->advance(std::uint8_t(c)), font->advance(std::uint8_t(c)) + 1) << c;
        sum += font->advance(std::uint8_t(c));
    }
    EXPECT_EQ(font->textWidth(text), sum);
    EXPECT_EQ(bold->textWidth(text), sum + int(text.size()));
}

TEST_F(BitmapFaceTest, EachCodeHasItsOwnGlyphAndCodesOutOfRangeTheDefault) {
    const auto font = library.font(sansSerif(11));
    std::set<std::string> shapes;
    for (const char c : std::string_view("ABCabc\xC8\xE9")) shapes.insert(rendered(*font, std::string(1, c)));
    EXPECT_EQ(shapes.size(), 8u);
    // This font starts at code 32; its default char is code 129, a bar.
    EXPECT_EQ(rendered(*font, "\x14"), rendered(*font, "\x81"));
    EXPECT_NE(rendered(*font, "\x14"), rendered(*font, " "));
}

TEST_F(BitmapFaceTest, RendersLikeTheGoldenImages) {
    EXPECT_EQ(rendered(*library.font(sansSerif(11)), "Ag"), golden("sserife13_Ag.txt"));
    EXPECT_EQ(rendered(*library.font(sansSerif(11, styleBold | styleUnderline)), "Ab"),
              golden("sserife13_bold_underline_Ab.txt"));
}

TEST_F(BitmapFaceTest, WritesOnlyTheInkColourAndOnlyInsideTheClip) {
    const auto font = library.font(sansSerif(11));
    const Color ink{0, 0, 255};
    Bitmap whole(20, 13, colors::red);
    Bitmap clipped = whole;
    const Rect clip{0, 4, 6, 5};
    font->drawGlyph(whole, whole.bounds(), 2, 0, 'W', ink);
    font->drawGlyph(clipped, clip, 2, 0, 'W', ink);
    int inked = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const Pixel p = whole.pixel(x, y);
            ASSERT_TRUE(p == ink.pixel() || p == colors::red.pixel()) << x << "," << y;
            inked += p == ink.pixel();
            EXPECT_EQ(clipped.pixel(x, y), clip.contains({x, y}) ? p : colors::red.pixel()) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 10);
}

TEST_F(BitmapFaceTest, UnregisteringRemovesTheFacesButNotFontsInUse) {
    const auto held = library.font(sansSerif(11));
    EXPECT_TRUE(library.unregisterFile(sansSerifFon));
    EXPECT_FALSE(library.unregisterFile(sansSerifFon));
    EXPECT_TRUE(library.registeredFaces().empty());
    EXPECT_TRUE(library.heightsOf("MS Sans Serif").empty());
    EXPECT_NE(library.font(sansSerif(11))->faceName(), "MS Sans Serif");
    EXPECT_EQ(rendered(*held, "Ag"), golden("sserife13_Ag.txt"));
}

TEST(FontLibraryTest, RejectsFilesFreeTypeCannotRead) {
    FontLibrary library;
    EXPECT_EQ(library.registerFile(goldenDir / "sserife13_Ag.txt"), 0);
    EXPECT_EQ(library.registerFile("/no/such/font.fon"), 0);
    // Neither a directory nor a FIFO (which nobody writes: reading it would never end).
    const auto dir = std::filesystem::temp_directory_path() / ("font-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "folder.fon");
    ASSERT_EQ(::mkfifo((dir / "fifo.fon").c_str(), 0600), 0);
    EXPECT_EQ(library.registerFile(dir / "folder.fon"), 0);
    EXPECT_EQ(library.registerFile(dir / "fifo.fon"), 0);
    std::filesystem::remove_all(dir);
    EXPECT_TRUE(library.registeredFaces().empty());
}

TEST(FontLibraryTest, RegisteredScalableFaceServesEveryHeight) {
    FontLibrary library;
    ASSERT_EQ(library.registerFile(tahomaTtf), 1);
    EXPECT_EQ(library.registeredFaces(), std::vector<std::string>{"Tahoma"});
    EXPECT_TRUE(library.heightsOf("Tahoma").empty());
    const auto font = library.font({"tahoma", 30, colors::black, 0});
    EXPECT_EQ(font->faceName(), "Tahoma");
    EXPECT_GE(font->lineHeight(), 30);
}

TEST(FontLibraryTest, UnknownFaceFallsBackToAnAntialiasedScalableFont) {
    FontLibrary library;
    const auto font = library.font({"No Such Face", 20, colors::black, 0});
    EXPECT_EQ(font->faceName(), "DejaVu Sans");
    EXPECT_GE(font->lineHeight(), 20);
    EXPECT_GT(font->advance('m'), 0);
    EXPECT_EQ(font->textWidth("mm"), 2 * font->advance('m'));
    const std::string art = rendered(*font, "Ag");
    EXPECT_NE(art.find('#'), std::string::npos);
    EXPECT_NE(art.find('+'), std::string::npos);
}

TEST(FontLibraryTest, FallbackReadsValidUtf8AndAnythingElseAsLatin1) {
    FontLibrary library;
    const auto font = library.font({"No Such Face", 20, colors::black, 0});
    const auto width = [&](std::uint8_t code) { return font->advance(code); };
    EXPECT_EQ(font->textWidth("\xC3\xA9"), width(0xE9));
    EXPECT_EQ(font->textWidth("a\xE9"), width('a') + width(0xE9));
    EXPECT_EQ(font->textWidth("\xC3"), width(0xC3));                      // cut short
    EXPECT_EQ(font->textWidth("\xC0\xAE"), width(0xC0) + width(0xAE));    // overlong
    EXPECT_EQ(font->textWidth("\xED\xA0\x80"), width(0xED) + width(0xA0) + width(0x80));  // surrogate
}

}  // namespace
}  // namespace vemra::gfx
