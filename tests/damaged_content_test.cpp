// One damaged file must not take the title down: a corner-animation module that cannot be read
// shows one error box naming it, then every screen works without the animation, and the exit ends
// the program normally.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "format_builders.h"
#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

// The demo tree, linked entry by entry, with data3 a real directory in which `damaged` is replaced
// by what `plant` puts there.
class DamagedTree {
public:
    template <class Plant>
    DamagedTree(const std::string& damaged, Plant plant) {
        const fs::path demo = VEMRA_DEMO_TREE;
        for (const auto& entry : fs::directory_iterator(demo))
            if (entry.path().filename() != "data3") fs::create_symlink(entry.path(), dir_ / entry.path().filename().string());
        fs::create_directory(dir_ / "data3");
        for (const auto& entry : fs::directory_iterator(demo / "data3"))
            if (entry.path().filename() != damaged) fs::create_symlink(entry.path(), dir_ / "data3" / entry.path().filename().string());
        plant(dir_ / "data3" / damaged);
    }
    const fs::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
};

void writeBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint8_t> randomBytes(std::size_t n) {
    std::mt19937 generator(7);
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes) b = std::uint8_t(generator());
    return bytes;
}

// A module whose resource type directory points back at the root directory.
std::vector<std::uint8_t> loopingModule() {
    DibSpec pixel;
    pixel.width = pixel.height = 1;
    pixel.pixels = {0, 0, 255, 0};
    Bytes module{peModule({{std::uint16_t(2), std::string("A101"), dib(pixel)}})};
    module.put32(resourceSectionOffset + 16 + 4, 0x80000000);
    return module.data;
}

const std::pair<const char*, std::function<void(const fs::path&)>> damages[] = {
    {"empty", [](const fs::path& f) { writeBytes(f, {}); }},
    {"random bytes", [](const fs::path& f) { writeBytes(f, randomBytes(4096)); }},
    {"a resource directory loop", [](const fs::path& f) { writeBytes(f, loopingModule()); }},
    {"a directory", [](const fs::path& f) { fs::create_directory(f); }},
};

}  // namespace

TEST(DamagedContent, AnUnreadableAnimationModuleIsReportedOnceAndTheTitleGoesOn) {
    // The box appears at the main menu's first activation; a close request answers it, the main
    // menu comes back (activating again without a second box), a section opens and closes, the exit ends.
    const std::string script =
        "state\nclose\nwait 100\nstate\nclick 380 130\nwait 300\nstate\nkey Escape\nwait 300\nstate\n"
        "click 610 440\nwait 3000\n";
    for (const auto& [what, plant] : damages) {
        const DamagedTree tree("qem001.dat", plant);
        const auto run = runOnTree(tree.path(), script);
        EXPECT_EQ(run.exitCode, 0) << what << "\n" << run.errors;
        ASSERT_EQ(run.states.size(), 4u) << what << "\n" << run.errors;
        const auto& boxes = run.states[0]["messageBoxes"];
        ASSERT_EQ(boxes.size(), 1u) << what;
        EXPECT_NE(std::string(boxes[0]["text"]).find("data3\\qem001.dat"), std::string::npos) << what << ": " << boxes[0];
        for (std::size_t i = 1; i < 4; ++i) EXPECT_TRUE(run.states[i]["messageBoxes"].empty()) << what << " " << i;
        EXPECT_EQ(run.states[1]["active"], "frm1") << what;
        EXPECT_EQ(run.states[2]["active"], "frm9") << what;
        EXPECT_EQ(run.states[2]["devices"]["shared"]["file"], "data1\\08.dat") << what;
        EXPECT_EQ(run.states[3]["active"], "frm1") << what;
    }
}
