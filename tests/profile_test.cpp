#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/win/profile.h"
#include "scenario_support.h"

namespace vemra::win {
namespace {

class ProfileTest : public ::testing::Test {
protected:
    void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    std::string read() const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    vemra::testing::TempDir dir;
    std::filesystem::path file = dir / "system.ini";
};

TEST_F(ProfileTest, ReadsIgnoringCaseAndBlanks) {
    write("[boot]\r\nshell=x\r\n[Drivers32]\r\n; msacm.l3codec=comment\r\n  MSACM.L3Codec =  l3codecp.acm  \r\n"
          "msacm.l3codec=second\r\n[drivers32]\r\nmsacm.other=1\r\n");
    EXPECT_EQ(readProfileString(file, "drivers32", "msacm.l3codec", "0"), "l3codecp.acm");
    EXPECT_EQ(readProfileString(file, " DRIVERS32 ", "msacm.other", "0"), "0") << "only the first section counts";
    EXPECT_EQ(readProfileString(file, "boot", "missing", "0"), "0");
    EXPECT_EQ(readProfileString(file, "nosection", "shell", "0"), "0");
    EXPECT_EQ(readProfileString(dir / "none.ini", "boot", "shell", "fallback"), "fallback");
    write("[a]\nq=\"quoted value\" \nempty=\n");
    EXPECT_EQ(readProfileString(file, "a", "q", ""), "quoted value");
    EXPECT_EQ(readProfileString(file, "a", "empty", "x"), "");
}

TEST_F(ProfileTest, ReplacingAValueKeepsEveryOtherByte) {
    const std::string before = "; top\r\n[boot]\r\nshell=Explorer.exe  \r\n\r\n[drivers32]\r\n  msacm.l3codec = old\r\n"
                               "wave=mmdrv.dll\r\n\r\n[386Enh]\r\nx=1";
    write(before);
    writeProfileString(file, "Drivers32", "MSACM.L3CODEC", "c:\\disc\\l3codecp.acm");
    EXPECT_EQ(read(), "; top\r\n[boot]\r\nshell=Explorer.exe  \r\n\r\n[drivers32]\r\nmsacm.l3codec=c:\\disc\\l3codecp.acm\r\n"
                      "wave=mmdrv.dll\r\n\r\n[386Enh]\r\nx=1");
    EXPECT_EQ(readProfileString(file, "drivers32", "msacm.l3codec", "0"), "c:\\disc\\l3codecp.acm");
}

TEST_F(ProfileTest, MissingKeyGoesAtTheEndOfItsSection) {
    write("[drivers32]\r\nwave=mmdrv.dll\r\n\r\n[386Enh]\r\nx=1\r\n");
    writeProfileString(file, "drivers32", "msacm.l3codec", "v");
    EXPECT_EQ(read(), "[drivers32]\r\nwave=mmdrv.dll\r\nmsacm.l3codec=v\r\n\r\n[386Enh]\r\nx=1\r\n");
    write("[386Enh]\nx=1");
    writeProfileString(file, "386enh", "y", "2");
    EXPECT_EQ(read(), "[386Enh]\nx=1\ny=2\n");
}

TEST_F(ProfileTest, MissingSectionGoesAtTheEndInTheFileLineStyle) {
    write("[boot]\nshell=x");
    writeProfileString(file, "drivers32", "msacm.l3codec", "v");
    EXPECT_EQ(read(), "[boot]\nshell=x\n\n[drivers32]\nmsacm.l3codec=v\n");
}

TEST_F(ProfileTest, MissingFileIsCreatedAndNoTemporaryFileStays) {
    writeProfileString(file, "drivers32", "msacm.l3codec", "v");
    EXPECT_EQ(read(), "[drivers32]\r\nmsacm.l3codec=v\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
    EXPECT_THROW(writeProfileString(dir / "no" / "such.ini", "a", "b", "c"), std::runtime_error);
}

TEST_F(ProfileTest, EntriesThatALineCannotHoldAreRefused) {
    EXPECT_THROW(writeProfileString(file, "a]", "k", "v"), std::invalid_argument);
    EXPECT_THROW(writeProfileString(file, "a", "k=", "v"), std::invalid_argument);
    EXPECT_THROW(writeProfileString(file, "a", "k", "v\r\nx=y"), std::invalid_argument);
    EXPECT_THROW(writeProfileString(file, "a", " ", "v"), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace vemra::win
