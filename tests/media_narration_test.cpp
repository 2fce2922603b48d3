// The narration tables of the players, the gallery file names, and the demo narrations' page marks
// against the silences of their speech.
#include <gtest/gtest.h>

#include <cmath>

#include "content/text_readers.h"
#include "media/gallery_lists.h"
#include "media/narration_index.h"
#include "platform/media/media_file.h"
#include "platform/win/binary_file.h"
#include "platform/win/text_lines.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::media_screens;

TEST(NarrationIndex, RecordsAreCountedWholeUpToTheTableAndMarksBecomeRoundedStartPoints) {
    const std::string record = "       0      12    1000";
    const content::WholeTextFile two("index", record + "      12       7    2000\r\n");
    const std::vector<PageRecord> pages = readPageIndex(two, 151);
    ASSERT_EQ(pages.size(), 2u);  // the closing CR LF makes no third
    EXPECT_EQ(pages[1].text.start, 12);
    EXPECT_EQ(pages[1].text.length, 7);
    EXPECT_EQ(pages[1].mark, 2000);
    EXPECT_EQ(readPageIndex(two, 1).size(), 1u);
    EXPECT_TRUE(readPageIndex({"short", record.substr(0, 23)}, 151).empty());
    EXPECT_THROW(readPageIndex({"bad", "       0      1x    1000"}, 151), std::exception);

    const content::WholeTextFile contents("contents", "       4       3       2     500\r\n");
    const std::vector<ContentsRecord> entries = readContentsIndex(contents, 101);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].caption.start, 4);
    EXPECT_EQ(entries[0].page, 2);
    EXPECT_EQ(entries[0].mark, 500);

    EXPECT_EQ(startPoint(1, 1000, 3), 333);
    EXPECT_EQ(startPoint(2, 1000, 3), 667);
    EXPECT_EQ(startPoint(7375882, 145607, 7375882), 145607);
}

TEST(GalleryFiles, NamesFollowTheIndexPlusOne) {
    EXPECT_EQ(galleryPicturePath(8), "data3\\09.bmp");
    EXPECT_EQ(galleryPicturePath(9), "data3\\10.bmp");
    EXPECT_EQ(galleryPicturePath(99), "data3\\100.bmp");
    EXPECT_EQ(gallerySoundPath(6), "data4\\007.dat");
    EXPECT_EQ(gallerySoundPath(41), "data4\\042.dat");
    EXPECT_EQ(gallerySoundPath(99), "data4\\100.dat");
    EXPECT_EQ(gallerySoundPath(122), "data4\\123.dat");
}

namespace {

constexpr int rate = 8000;

// The loudness (RMS of 16-bit samples) of each 10 ms of a sound file.
std::vector<double> loudness(const std::filesystem::path& file) {
    media::MediaFile sound(file, media::MediaKind::sound, rate, 1);
    std::vector<std::int16_t> samples;
    media::Decoded out;
    while (sound.decodeNext(out, {})) {
        for (const auto& block : out.sound) samples.insert(samples.end(), block.samples.begin(), block.samples.end());
        out.sound.clear();
    }
    std::vector<double> windows;
    for (std::size_t at = 0; at + rate / 100 <= samples.size(); at += rate / 100) {
        double sum = 0;
        for (std::size_t i = at; i < at + rate / 100; ++i) sum += double(samples[i]) * samples[i];
        windows.push_back(std::sqrt(sum / (rate / 100)));
    }
    return windows;
}

double loudest(const std::vector<double>& windows, int fromMs, int toMs) {
    double most = 0;
    for (int w = std::max(fromMs / 10, 0); w < toMs / 10 && std::size_t(w) < windows.size(); ++w)
        most = std::max(most, windows[std::size_t(w)]);
    return most;
}

}  // namespace

TEST(DemoNarrations, EachPageStartsAfterASilenceAndItsSpeechFollowsAtOnce) {
    const std::filesystem::path demo = test_paths::demoTree;
    struct Narration {
        const char* index;
        const char* sound;
        std::int64_t divisor;
    };
    for (const Narration& n : {Narration{"data2/qem0011.dat", "data1/qem05.dat", 7375882},
                               Narration{"data2/qem0043.dat", "data4/223.dat", 5507604},
                               Narration{"data2/qem0018.dat", "data1/qem01.dat", 5028205}}) {
        const std::vector<std::uint8_t> bytes = win::readBinaryFile(demo / n.index);
        std::vector<std::string> lines;
        for (const auto& line : win::splitLines({reinterpret_cast<const char*>(bytes.data()), bytes.size()}))
            lines.emplace_back(line.text);
        const content::WholeTextFile index(n.index, content::wholeText(lines));
        const std::int32_t length = media::MediaFile(demo / n.sound, media::MediaKind::sound, rate, 1).lengthMs();
        const std::vector<double> windows = loudness(demo / n.sound);
        const std::vector<PageRecord> pages = readPageIndex(index, 151);
        ASSERT_GE(pages.size(), 2u) << n.sound;
        for (std::size_t k = 1; k < pages.size(); ++k) {
            const int start = startPoint(pages[k].mark, length, n.divisor);
            // Before the page turns the voice has paused; within a second after it, it speaks again.
            EXPECT_LT(loudest(windows, start - 450, start), 100) << n.sound << " page " << k;
            EXPECT_GT(loudest(windows, start, start + 1000), 1000) << n.sound << " page " << k;
        }
    }
}
