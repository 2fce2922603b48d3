// The title played straight from a disc image of the demo tree: it reads every file as the folder
// holds it, plays the same road with the same states and pixels, writes nothing beside the image,
// and refuses a damaged image with one line and exit code 2.
#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>

#include "content/content_error.h"
#include "content/disc_image.h"
#include "platform/gfx/png.h"
#include "platform/win/binary_file.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

// The demo tree's images that scripts/make-demo makes: its own names, and old-disc names.
const fs::path joliet = std::string(test_paths::demoTree) + ".iso";
const fs::path oldDisc = std::string(test_paths::demoTree) + "-old.iso";

std::vector<std::uint8_t> bytesOf(const fs::path& file) { return win::readBinaryFile(file); }

void writeBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Every state of a run, without what differs between any two runs (their private directories).
std::vector<nlohmann::json> comparable(std::vector<nlohmann::json> states) {
    for (auto& s : states) s["vars"].erase("windowsDir");
    return states;
}

// The offset of a directory record in the root directory of a plain ISO 9660 image.
std::size_t rootRecord(const std::vector<std::uint8_t>& image, std::string_view name) {
    const std::size_t pvd = 16 * 2048;
    std::uint32_t root = 0;
    std::memcpy(&root, &image[pvd + 156 + 2], 4);
    for (std::size_t at = std::size_t(root) * 2048; image[at] != 0; at += image[at])
        if (std::string_view(reinterpret_cast<const char*>(&image[at + 33]), image[at + 32]) == name) return at;
    ADD_FAILURE() << name << " is not in the root directory";
    return 0;
}

// Sets the extent of a root directory record, in both byte orders.
void pointRecordAt(std::vector<std::uint8_t>& image, std::string_view name, std::uint32_t block) {
    const std::size_t at = rootRecord(image, name);
    for (int i = 0; i < 4; ++i) {
        image[at + 2 + std::size_t(i)] = std::uint8_t(block >> (8 * i));
        image[at + 9 - std::size_t(i)] = std::uint8_t(block >> (8 * i));
    }
}

// Sets a number stored in both byte orders, as ISO 9660 keeps its sizes and extents.
void setBothOrders(std::vector<std::uint8_t>& image, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        image[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
        image[at + 7 - std::size_t(i)] = std::uint8_t(value >> (8 * i));
    }
}

void setRecordSize(std::vector<std::uint8_t>& image, std::string_view name, std::uint32_t bytes) {
    setBothOrders(image, rootRecord(image, name) + 10, bytes);
}

void setVolumeBlocks(std::vector<std::uint8_t>& image, std::uint32_t blocks) { setBothOrders(image, 16 * 2048 + 80, blocks); }

// A directory extent of `bytes` full of records of one-letter files, 60 to a block.
std::vector<std::uint8_t> crowdedDirectory(std::size_t bytes) {
    std::vector<std::uint8_t> extent(bytes, 0);
    for (std::size_t block = 0; block < bytes; block += 2048)
        for (std::size_t at = block; at + 34 <= block + 2040; at += 34) {
            extent[at] = 34;
            extent[at + 32] = 1;
            extent[at + 33] = at == 0 ? 0 : at == 34 ? 1 : 'A';  // "." and ".." first
            if (at < 68) extent[at + 25] = 2;                     // they are directories
        }
    return extent;
}

// The Joliet name of the first entry after "." and ".." in the Joliet directory `name` (UTF-16
// big-endian) of an image with Joliet names: the offset of its length byte.
std::size_t firstJolietEntry(const std::vector<std::uint8_t>& image, std::string_view name) {
    std::size_t svd = 17 * 2048;
    while (image[svd] != 2) svd += 2048;
    std::uint32_t root = 0;
    std::memcpy(&root, &image[svd + 156 + 2], 4);
    std::string wide;
    for (const char c : name) wide += {'\0', c};
    for (std::size_t at = std::size_t(root) * 2048; image[at] != 0; at += image[at])
        if (std::string_view(reinterpret_cast<const char*>(&image[at + 33]), image[at + 32]) == wide) {
            std::uint32_t dir = 0;
            std::memcpy(&dir, &image[at + 2], 4);
            std::size_t entry = std::size_t(dir) * 2048;
            entry += image[entry];  // "."
            entry += image[entry];  // ".."
            return entry + 32;
        }
    ADD_FAILURE() << name << " is not in the Joliet root directory";
    return 0;
}

std::uint32_t rootBlock(const std::vector<std::uint8_t>& image) {
    std::uint32_t root = 0;
    std::memcpy(&root, &image[16 * 2048 + 156 + 2], 4);
    return root;
}

}  // namespace

TEST(DiscImage, EveryFileOfTheTreeReadsTheSameFromBothImages) {
    const fs::path demo = test_paths::demoTree;
    const content::DiscImage images[] = {content::DiscImage(joliet), content::DiscImage(oldDisc)};
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(demo)) {
        if (!entry.is_regular_file() || entry.path().filename() == ".made-by-kit") continue;
        std::string path = fs::relative(entry.path(), demo).string();
        std::replace(path.begin(), path.end(), '/', '\\');
        const auto bytes = bytesOf(entry.path());
        for (const auto& image : images) EXPECT_EQ(image.read(path), bytes) << path << " in " << image.location();
        ++files;
    }
    EXPECT_GT(files, 400);
    EXPECT_EQ(images[1].kind("DATA3"), content::EntryKind::directory);
    EXPECT_EQ(images[1].kind("data3\\QEM001.DAT;1"), content::EntryKind::none);
    EXPECT_THROW(images[1].read("data3"), content::ContentError);
    EXPECT_THROW(images[1].read("data3\\..\\read01.fon"), content::ContentError);
}

TEST(DiscImage, TheTypicalRoadFromAnOldDiscImageLooksAsFromTheFolder) {
    // Start-up with the intro, the road of the text screens with the display fonts, then the album's
    // first JPEG picture and the first clip playing.
    const std::string road =
        "state\nclick 380 130\nwait 100\nclick 500 125\nwait 100\nclick 530 185\nwait 100\nstate\nshot @list.png\n"
        "click 500 155\nwait 600\nclick 540 268\nwait 600\nclick 450 410\nwait 600\nstate\nshot @part.png\n"
        "key Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 100\nstate\n"
        "click 530 195\nwait 400\nclick 290 440\nwait 600\nclick 570 170\nwait 600\nstate\nshot @album.png\n"
        "key Escape\nwait 400\nclick 420 440\nwait 600\nclick 520 160\nwait 500\nstate\nshot @clip.png\nquit\n";
    const auto play = [&](const fs::path& content, const TempDir& shots) {
        std::string script = road;
        for (std::size_t at; (at = script.find('@')) != std::string::npos;) script.replace(at, 1, shots.path().string() + "/");
        return runOnTree(content, script);
    };
    const TempDir folderShots, imageShots;
    const auto folder = play(test_paths::demoTree, folderShots);
    const auto image = play(oldDisc, imageShots);
    ASSERT_EQ(image.exitCode, 0) << image.errors;
    ASSERT_EQ(image.states.size(), 6u) << image.errors;
    EXPECT_EQ(comparable(image.states), comparable(folder.states));
    EXPECT_EQ(image.states[2]["active"], "frm19");
    EXPECT_EQ(image.states[5]["devices"]["clips"]["mode"], 2);
    for (const char* shot : {"list.png", "part.png", "album.png", "clip.png"})
        EXPECT_TRUE(gfx::readPng(imageShots / shot) == gfx::readPng(folderShots / shot)) << shot;
}

TEST(DiscImage, AnImageInAReadOnlyDirectoryStaysAlone) {
    const TempDir place;
    const fs::path dir = place / "disc";
    fs::create_directory(dir);
    fs::copy_file(joliet, dir / "title.iso");
    const auto before = fs::last_write_time(dir);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    const auto run = runOnTree(dir / "title.iso", "click 380 130\nwait 300\nstate\nquit\n");
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    EXPECT_EQ(run.states[0]["active"], "frm9");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_EQ(fs::last_write_time(dir), before);
}

TEST(DiscImage, ADamagedFileInsideAReadableImageGivesTheUsualErrorBox) {
    const TempDir dir;
    auto image = bytesOf(oldDisc);
    const auto module = content::DiscImage(oldDisc).mediaSource("data3\\qem001.dat");
    ASSERT_TRUE(module && module->length);
    std::fill_n(image.begin() + std::ptrdiff_t(module->offset), *module->length, std::uint8_t(0x5a));
    writeBytes(dir / "title.iso", image);
    const auto run = runOnTree(dir / "title.iso", "state\nquit\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    const auto& boxes = run.states[0]["messageBoxes"];
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(std::string(boxes[0]["text"]).find("data3\\qem001.dat"), std::string::npos) << boxes[0];
}

TEST(DiscImage, ADamagedImageEndsTheProgramWithOneLine) {
    const auto original = bytesOf(oldDisc);
    const std::pair<const char*, std::function<std::vector<std::uint8_t>()>> damages[] = {
        {"is truncated", [&] { return std::vector(original.begin(), original.begin() + std::ptrdiff_t(original.size() / 2)); }},
        {"too short", [&] { return std::vector(original.begin(), original.begin() + 1000); }},
        {"not an ISO 9660 image", [&] { return std::vector<std::uint8_t>(64 * 2048, 0x20); }},
        {"points outside the image",
         [&] {
             auto image = original;
             pointRecordAt(image, "DATA1", 0x7fffff);
             return image;
         }},
        {"loops: its record points at a directory already read",
         [&] {
             auto image = original;
             pointRecordAt(image, "DATA3", rootBlock(image));
             return image;
         }},
    };
    const TempDir dir;
    for (const auto& [what, make] : damages) {
        writeBytes(dir / "title.iso", make());
        const auto run = runScript("quit\n", "--headless --content '" + (dir / "title.iso").string() + "'");
        EXPECT_EQ(run.exitCode, 2) << what << "\n" << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << what << "\n" << run.errors;
        EXPECT_NE(run.errors.find("vemra: cannot read the disc image"), std::string::npos) << what << "\n" << run.errors;
        EXPECT_NE(run.errors.find(what), std::string::npos) << what << "\n" << run.errors;
    }
    const auto missing = runScript("quit\n", "--headless --content '" + (dir / "no-such.iso").string() + "'");
    EXPECT_EQ(missing.exitCode, 2) << missing.errors;
    EXPECT_NE(missing.errors.find("no-such.iso"), std::string::npos) << missing.errors;
}

// A directory larger than a disc's ever is, or more entries than a disc holds, is refused before
// it is read: a sparse image declaring a directory of 1 GiB, and directories of 1 MiB crowded with
// records.
TEST(DiscImage, AnImageDeclaringHugeDirectoriesIsRefusedBeforeTheyAreRead) {
    const TempDir dir;
    auto image = bytesOf(oldDisc);
    const std::uint32_t blocks = std::uint32_t(image.size() / 2048);
    setRecordSize(image, "DATA3", 1u << 30);
    setVolumeBlocks(image, blocks + (1u << 19));
    writeBytes(dir / "huge.iso", image);
    fs::resize_file(dir / "huge.iso", (std::uint64_t(blocks) << 11) + (1u << 30));  // sparse: nothing is written

    image = bytesOf(oldDisc);
    const auto crowded = crowdedDirectory(1 << 20);
    for (std::uint32_t k = 0; k < 3; ++k) {
        pointRecordAt(image, "DATA" + std::to_string(k + 1), blocks + k * 512);
        setRecordSize(image, "DATA" + std::to_string(k + 1), 1 << 20);
        image.insert(image.end(), crowded.begin(), crowded.end());
    }
    setVolumeBlocks(image, blocks + 3 * 512);
    writeBytes(dir / "crowded.iso", image);

    for (const auto& [file, what] : {std::pair{"huge.iso", "the directory /data3 says it holds 1.0 GiB, more than the 1 MiB a directory may"},
                                     std::pair{"crowded.iso", "it holds more than 65536 entries"}}) {
        const auto run = runScript("quit\n", "--headless --content '" + (dir / file).string() + "'");
        EXPECT_EQ(run.exitCode, 2) << file;
        EXPECT_EQ(run.errors, "vemra: cannot read the disc image " + (dir / file).string() + ": " + what + "\n");
    }
}

// One Joliet name that cannot be read (half a surrogate pair, an odd length) damages that name, not
// the image: the title plays under the image's other names.
TEST(DiscImage, AJolietNameThatCannotBeReadLeavesTheImagePlayable) {
    const TempDir dir;
    const auto original = bytesOf(joliet);
    const std::size_t name = firstJolietEntry(original, "data1");
    auto surrogate = original;
    surrogate[name + 1] = 0xD8;
    surrogate[name + 2] = 0x00;
    auto odd = original;
    --odd[name];
    for (const auto& [file, image] : {std::pair{"surrogate.iso", surrogate}, std::pair{"odd.iso", odd}}) {
        writeBytes(dir / file, image);
        const auto run = runOnTree(dir / file, "click 380 130\nwait 300\nstate\nquit\n");
        EXPECT_EQ(run.exitCode, 0) << file << "\n" << run.errors;
        ASSERT_EQ(run.states.size(), 1u) << file << "\n" << run.errors;
        EXPECT_EQ(run.states[0]["active"], "frm9") << file;
        EXPECT_TRUE(run.states[0]["messageBoxes"].empty()) << run.states[0]["messageBoxes"];
        EXPECT_EQ(content::DiscImage(dir / file).read("data1\\data2.cur"), bytesOf(fs::path(test_paths::demoTree) / "data1/data2.cur"));
    }
}

// An image the user may not read is refused with the system's reason, not taken for another format.
TEST(DiscImage, AnImageThatMayNotBeReadSaysWhy) {
    const TempDir dir;
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::copy_file(joliet, dir / "locked.iso");
    fs::permissions(dir / "locked.iso", fs::perms::none);
    // Root reads every file; as another user for this thread's file accesses, it may not.
    const bool root = geteuid() == 0;
    if (root) setfsuid(65534);
    std::string message;
    try {
        content::DiscImage image(dir / "locked.iso");
    } catch (const content::ContentSourceError& e) {
        message = e.what();
    }
    if (root) setfsuid(0);
    EXPECT_EQ(message, "cannot read the disc image " + (dir / "locked.iso").string() + ": Permission denied");
}
