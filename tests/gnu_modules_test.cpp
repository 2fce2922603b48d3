// A second producer of the picture modules: the kit's resource scripts compiled with the GNU
// toolchain for 32-bit Windows (windres, then ld into a resource-only DLL). The program must find
// and decode every frame and picture resource of those modules exactly as it does the kit's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "media/album_picture.h"
#include "platform/win/pe_module.h"
#include "scenario_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

bool installed(const std::string& tool) { return std::system(("command -v " + tool + " >/dev/null").c_str()) == 0; }

void run(const std::string& command) { ASSERT_EQ(std::system(command.c_str()), 0) << command; }

std::string text(const win::PeModule::StoredId& id) {
    if (const auto* number = std::get_if<std::uint16_t>(&id)) return "#" + std::to_string(*number);
    std::string name;
    for (const char16_t c : std::get<std::u16string>(id)) name += char(c);
    return name;
}

win::ResourceId asId(const win::PeModule::StoredId& id) {
    if (const auto* number = std::get_if<std::uint16_t>(&id)) return *number;
    return text(id);
}

}  // namespace

TEST(GnuModules, EveryFrameAndPictureOfTheWindresModulesReadsAsTheKitsOwn) {
    if (!installed("i686-w64-mingw32-windres") || !installed("i686-w64-mingw32-ld"))
        GTEST_SKIP() << "binutils-mingw-w64-i686 is not installed";
    const TempDir work;
    run("'" + std::string(test_paths::buildDir) + "/vemra-kit' module-scripts '" + work.path().string() + "'");
    for (const char* stem : {"qem001", "qem002", "qem006", "qem007", "qem008"}) {
        SCOPED_TRACE(stem);
        const fs::path dir = work / stem;
        const std::string object = (dir / (std::string(stem) + ".o")).string(), dll = (dir / (std::string(stem) + ".dll")).string();
        // Without the MinGW compiler windres preprocesses with the system's cpp.
        run("cd '" + dir.string() + "' && i686-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-P -i " + stem +
            ".rc -O coff -o '" + object + "'");
        run("i686-w64-mingw32-ld --dll -e 0 -o '" + dll + "' '" + object + "'");
        const auto gnu = win::PeModule::open(dll);
        const auto kit = win::PeModule::open(fs::path(test_paths::demoTree) / "data3" / (std::string(stem) + ".dat"));

        std::set<std::string> kitResources, gnuResources;
        for (const auto& r : kit.resources()) kitResources.insert(text(r.type) + "/" + text(r.name));
        for (const auto& r : gnu.resources()) gnuResources.insert(text(r.type) + "/" + text(r.name));
        EXPECT_EQ(gnuResources, kitResources);
        ASSERT_FALSE(kitResources.empty());

        int bitmaps = 0, pictures = 0;
        for (const auto& r : kit.resources()) {
            const std::string what = text(r.type) + "/" + text(r.name);
            EXPECT_EQ(gnu.resource(asId(r.type), asId(r.name)), kit.resource(asId(r.type), asId(r.name))) << what;
            if (r.type == win::PeModule::StoredId(std::uint16_t(2))) {
                const auto fromKit = kit.bitmap(asId(r.name));
                const auto fromGnu = gnu.bitmap(asId(r.name));
                ASSERT_TRUE(fromKit && fromGnu) << what;
                EXPECT_FALSE(fromKit->empty()) << what;
                EXPECT_EQ(*fromGnu, *fromKit) << what;
                ++bitmaps;
            } else if (text(r.type) == "JPG") {
                const int n = std::stoi(text(r.name).substr(2));
                const auto fromKit = media::albumPicture(kit, n);
                const auto fromGnu = media::albumPicture(gnu, n);
                ASSERT_TRUE(std::holds_alternative<gfx::Bitmap>(fromKit)) << what;
                ASSERT_TRUE(std::holds_alternative<gfx::Bitmap>(fromGnu)) << what << ": " << std::get<std::string>(fromGnu);
                EXPECT_EQ(std::get<gfx::Bitmap>(fromGnu), std::get<gfx::Bitmap>(fromKit)) << what;
                EXPECT_EQ(gnu.string(std::uint16_t(n)), kit.string(std::uint16_t(n))) << what;
                ++pictures;
            }
        }
        EXPECT_GT(bitmaps + pictures, 0);
    }
}
