#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <sys/stat.h>

#include <fstream>

#include "content/content_error.h"
#include "content/content_source.h"
#include "content/pictures.h"
#include "content/text_readers.h"
#include "content/whole_text_file.h"
#include "scenario_support.h"

namespace vemra::content {
namespace {

using ::testing::HasSubstr;
using ::testing::ElementsAre;
using testing::TempDir;

class ContentReadersTest : public ::testing::Test {
protected:
    ContentReadersTest() {
        std::filesystem::create_directories(dir / "data2");
        setContentRoot(dir.path());
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    template <class F>
    std::string errorOf(F&& f) {
        try {
            f();
        } catch (const ContentError& e) {
            return e.what();
        }
        ADD_FAILURE() << "no ContentError";
        return {};
    }
    TempDir dir;
};

TEST_F(ContentReadersTest, LinesEndAtCrLfLoneCrAndLoneLf) {
    write("data2/a.dat", "one\r\ntwo\rthree\nfour\n\r\n\xC3\xFF\x01 end");
    EXPECT_THAT(loadLines("DATA2\\A.DAT"), ElementsAre("one", "two", "three", "four", "", "\xC3\xFF\x01 end"));
    write("data2/b.dat", "");
    EXPECT_TRUE(loadLines("data2\\b.dat").empty());
    write("data2/c.dat", "x\r\n");
    EXPECT_THAT(loadLines("data2\\c.dat"), ElementsAre("x"));
}

// Every reader names the file by its content path and says the true reason.
TEST_F(ContentReadersTest, UnreadableFilesAreErrorsNamingTheContentPathAndTheReason) {
    EXPECT_EQ(errorOf([] { loadLines("data2\\qem0099.dat"); }), "cannot open data2\\qem0099.dat: no such file");
    EXPECT_THAT(errorOf([] { WholeTextFile::load("data2\\qem0098.dat"); }), HasSubstr("data2\\qem0098.dat"));
    EXPECT_EQ(errorOf([] { loadLines("data2"); }), "cannot open data2: is a directory");
    std::filesystem::create_directory(dir / "data2" / "qem0001.dat");
    EXPECT_EQ(errorOf([] { openModule("DATA2\\qem0001.dat"); }), "cannot open DATA2\\qem0001.dat: is a directory");
    EXPECT_EQ(errorOf([] { loadBitmapFile("data2\\qem0001.dat"); }), "cannot open data2\\qem0001.dat: is a directory");
    ASSERT_EQ(::mkfifo((dir / "data2" / "pipe.dat").c_str(), 0600), 0);
    EXPECT_EQ(errorOf([] { loadLines("data2\\pipe.dat"); }), "cannot open data2\\pipe.dat: is not a regular file");
    write("data2/module.dat", "MZ, and nothing of a module after it");
    EXPECT_THAT(errorOf([] { openModule("data2\\module.dat"); }), HasSubstr("data2\\module.dat"));
    EXPECT_THAT(errorOf([] { openModule("data2\\module.dat"); }), ::testing::Not(HasSubstr(dir.path().string())));
}

TEST_F(ContentReadersTest, WholeTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(wholeText({"ab", "", "c"}), "ab\r\n\r\nc\r\n");
    EXPECT_EQ(wholeText({}), "");
}

TEST(ReadField, BlanksAndControlCharactersAroundTheNumberDoNotCount) {
    EXPECT_EQ(readField("      12", 1), 12);
    EXPECT_EQ(readField("12      ", 1), 12);
    EXPECT_EQ(readField("xx\t -345\x01\r\nyy", 3), -345);
    EXPECT_EQ(readField("+7", 1), 7);
    EXPECT_EQ(readField("99999999", 1), 99999999);
    EXPECT_EQ(readField("-9999999", 1), -9999999);
    EXPECT_EQ(readField("123456789", 2), 23456789);
}

TEST(ReadField, AnythingButOneDecimalIntegerIsAnErrorNamingPositionAndCharacters) {
    auto message = [](std::string_view text, std::int64_t pos) {
        try {
            readField(text, pos);
        } catch (const ContentError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_THAT(message("    1 2 ", 1), HasSubstr("position 1: \"    1 2 \""));
    EXPECT_THAT(message("xxxx  \xC3" "5", 5), HasSubstr("position 5: \"  \\xC35\""));
    for (const char* bad : {"        ", "   -    ", "  --5   ", " 0x10   ", "  $10   ", "  1e3   "})
        EXPECT_THAT(message(bad, 1), HasSubstr("not a decimal integer")) << bad;
    EXPECT_THAT(message("12345678", 9), HasSubstr("position 9: \"\""));
    EXPECT_THAT(message("12345678", 0), HasSubstr("position 0"));
}

TEST_F(ContentReadersTest, FieldFileWrittenInTwoLinesShiftsLaterFieldsByTwo) {
    write("data2/one.dat", "       1       2       3");
    write("data2/two.dat", "       1\r\n       2       3");
    const auto one = WholeTextFile::load("data2\\one.dat"), two = WholeTextFile::load("data2\\two.dat");
    EXPECT_EQ(one.field(9), 2);
    EXPECT_EQ(one.field(17), 3);
    EXPECT_EQ(two.field(11), 2);
    EXPECT_EQ(two.field(19), 3);
    EXPECT_THAT(errorOf([&] { two.field(9); }), HasSubstr("data2\\two.dat: field at position 9: \"\\x0D\\x0A"));
    EXPECT_EQ(two.field(17), 2);  // the wrong number: the old position of the third field
}

TEST(Slice, TakesLengthCharactersFromOffsetPlusOne) {
    const std::string text = "abc\r\ndef\r\n";
    EXPECT_EQ(slice(text, 0, 3), "abc");
    EXPECT_EQ(slice(text, 2, 4), "c\r\nd");
    EXPECT_EQ(slice(text, 8, 50), "\r\n");
    EXPECT_EQ(slice(text, 10, 1), "");
    EXPECT_EQ(slice(text, 1000, 5), "");
    EXPECT_EQ(slice(text, -2, 4), "ab");
    EXPECT_EQ(slice(text, -20, 4), "");
    EXPECT_EQ(slice(text, 1, 0), "");
    EXPECT_EQ(slice(text, 1, -3), "");
    EXPECT_EQ(slice(text, INT64_MAX, INT64_MAX), "");
    EXPECT_EQ(slice(text, INT64_MIN, INT64_MAX), "");
}

}  // namespace
}  // namespace vemra::content
