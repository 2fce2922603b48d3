#include <gtest/gtest.h>

#include <fstream>

#include "content/folder_source.h"
#include "scenario_support.h"

namespace vemra::content {
namespace {

using testing::TempDir;

class ContentPathsTest : public ::testing::Test {
protected:
    ContentPathsTest() {
        std::filesystem::create_directories(dir / "Data1" / "sub");
        std::ofstream(dir / "Data1" / "08.DAT") << "x";
        std::ofstream(dir / "Data1" / "sub" / "c1.txt") << "x";
        std::ofstream(dir / "Data1" / "Same.dat") << "x";
        std::ofstream(dir / "Data1" / "same.dat") << "x";
    }
    TempDir dir;
    FolderSource root{dir.path()};
};

TEST_F(ContentPathsTest, EveryComponentMatchesIgnoringCase) {
    EXPECT_EQ(root.resolve("data1\\08.dat"), dir / "Data1/08.DAT");
    EXPECT_EQ(root.resolve("DATA1\\SUB\\C1.TXT"), dir / "Data1/sub/c1.txt");
    EXPECT_EQ(root.resolve("data1/sub/c1.txt"), dir / "Data1/sub/c1.txt");
    EXPECT_EQ(root.resolve("data1\\\\.\\08.dat"), dir / "Data1/08.DAT");
}

TEST_F(ContentPathsTest, ExactCaseWinsThenByteOrder) {
    EXPECT_EQ(root.resolve("data1\\same.dat"), dir / "Data1/same.dat");
    EXPECT_EQ(root.resolve("data1\\Same.dat"), dir / "Data1/Same.dat");
    EXPECT_EQ(root.resolve("data1\\SAME.DAT"), dir / "Data1/Same.dat");
}

TEST_F(ContentPathsTest, FileExistsOnlyForFiles) {
    EXPECT_EQ(root.kind("data1\\08.dat"), EntryKind::file);
    EXPECT_NE(root.kind("data1\\09.dat"), EntryKind::file);
    EXPECT_NE(root.kind("data1"), EntryKind::file);
    EXPECT_NE(root.kind("data1\\08.dat\\x"), EntryKind::file);
}

TEST_F(ContentPathsTest, PathsThatLeaveTheTreeNeverResolve) {
    std::ofstream(dir / "top.txt") << "x";
    for (const std::string_view path : std::initializer_list<std::string_view>{"data1\\..\\top.txt", "..\\x", "\\data1\\08.dat", "/top.txt",
                                        "c:\\top.txt", "", std::string_view("data1\\08.dat\0.x", 16)})
        EXPECT_FALSE(root.resolve(path)) << path;
}

}  // namespace
}  // namespace vemra::content
