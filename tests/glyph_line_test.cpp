#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/glyph_line.h"

namespace vemra::gfx {
namespace {

const std::filesystem::path sansSerifFon = "/usr/share/wine/fonts/sserife.fon";
constexpr int lineTop = 3;
constexpr std::uint8_t mark = 0xC3, otherMark = 0xC8, thirdMark = 0xD0;

class GlyphLineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(FontLibrary::shared().registerFile(sansSerifFon), 3); }
    static void TearDownTestSuite() { FontLibrary::shared().unregisterFile(sansSerifFon); }

    GlyphLineTest() {
        state.font = {"MS Sans Serif", 13, colors::black, 0};
        state.brushClear = true;
    }

    int width(std::uint8_t code) const { return canvas.advance(code); }

    // What drawing each glyph on its own, cell left edge at the given x, gives.
    Bitmap drawnAt(const std::vector<std::pair<int, std::uint8_t>>& glyphs) const {
        const auto font = FontLibrary::shared().font(state.font);
        Bitmap b(target.width(), target.height(), colors::white);
        for (const auto& [x, code] : glyphs) font->drawGlyph(b, b.bounds(), x, lineTop, code, colors::black);
        return b;
    }

    Bitmap target{300, 20, colors::white};
    CanvasState state;
    Canvas canvas{target, {0, 0}, target.bounds(), state};
    const ZeroAdvanceCodes marks = standardZeroAdvanceCodes();
};

TEST_F(GlyphLineTest, StandardMarksAreCodes195To222) {
    EXPECT_EQ(marks.count(), 28u);
    EXPECT_TRUE(marks[195] && marks[222]);
    EXPECT_FALSE(marks[194] || marks[223]);
}

TEST_F(GlyphLineTest, RightAlignedOrdinaryGlyphsEndAtX0) {
    drawLineRightAligned(canvas, "AB", 200, lineTop, marks);
    EXPECT_EQ(target, drawnAt({{200 - width('B') - width('A'), 'A'}, {200 - width('B'), 'B'}}));
}

TEST_F(GlyphLineTest, RightAlignedMarksOnlyAllStandAtX0) {
    drawLineRightAligned(canvas, "\xC3\xC8\xD0", 200, lineTop, marks);
    EXPECT_EQ(target, drawnAt({{200, mark}, {200, otherMark}, {200, thirdMark}}));
}

TEST_F(GlyphLineTest, RightAlignedTrailingMarkOverhangsAndTheGlyphBeforeEndsAtX0) {
    drawLineRightAligned(canvas, "A\xC3", 200, lineTop, marks);
    EXPECT_EQ(target, drawnAt({{200, mark}, {200 - width('A'), 'A'}}));
}

TEST_F(GlyphLineTest, RightAlignedMarkSharesThePenOfTheGlyphAfterIt) {
    drawLineRightAligned(canvas, "A\xC3" "B", 200, lineTop, marks);
    const int b = 200 - width('B');
    EXPECT_EQ(target, drawnAt({{b, 'B'}, {b, mark}, {b - width('A'), 'A'}}));
}

TEST_F(GlyphLineTest, LeftAlignedOrdinaryGlyphsStartAtX0) {
    drawLineLeftAligned(canvas, "AB", 20, lineTop, marks);
    EXPECT_EQ(target, drawnAt({{20, 'A'}, {20 + width('A'), 'B'}}));
}

TEST_F(GlyphLineTest, LeftAlignedMarksStayAtThePen) {
    drawLineLeftAligned(canvas, "\xC3\xC8", 20, lineTop, marks);
    EXPECT_EQ(target, drawnAt({{20, mark}, {20, otherMark}}));
    drawLineLeftAligned(canvas, "A\xC3" "B", 100, lineTop, marks);
    const int b = 100 + width('A');
    EXPECT_EQ(target, drawnAt({{20, mark}, {20, otherMark}, {100, 'A'}, {b, mark}, {b, 'B'}}));
}

}  // namespace
}  // namespace vemra::gfx
