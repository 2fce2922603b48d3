#include "kit/gen_modules.h"

#include <string>

#include "designs/design.h"
#include "kit/gen_art.h"
#include "kit/gen_art_window.h"

namespace vemra::kit {

namespace {

constexpr int articleSections = 4;
constexpr int secondaryTextKinds = 11;
constexpr int secondaryTitlesKind = 12;

// The pictures of a window design drawn as variant `variant`, with that variant named on them.
WindowArt variantArt(std::string_view window, int variant, const std::string& variantName) {
    const designs::WindowDesign& design = *designs::findDesign(window);
    return WindowArt(design, windowScheme(window, variant), std::string(design.className) + ", " + variantName);
}

}  // namespace

ResourceModuleWriter animationModule(FrameStyle style) {
    ResourceModuleWriter module;
    for (int set = 1; set <= animationSetCount; ++set)
        for (int frame = 1; frame <= animationFramesPerSet; ++frame)
            module.addBitmap(animationFrameName(set, frame), animationFrame(set, frame, style));
    return module;
}

ResourceModuleWriter articleArtModule() {
    ResourceModuleWriter module;
    for (int section = 1; section <= articleSections; ++section) {
        WindowArt art = variantArt("frm19", section, "section " + std::to_string(section));
        const std::string prefix = "a" + std::to_string(section);
        module.addBitmap(prefix + "1", art.picture("m1"));
        module.addBitmap(prefix + "2", art.picture("Image1"));
        module.addBitmap(prefix + "3", art.picture("m5"));
        module.addBitmap(prefix + "4", art.picture("Image2"));
    }
    module.addBitmap("a51", variantArt("frm2", 1, "variant 2").picture("Image1"));
    return module;
}

ResourceModuleWriter secondaryTextArtModule() {
    ResourceModuleWriter module;
    for (int kind = 1; kind <= secondaryTextKinds; ++kind) {
        WindowArt art = variantArt("frm36", kind, "text " + std::to_string(kind));
        module.addBitmap("data" + std::to_string(kind), art.picture("m1"));
        module.addBitmap("data0" + std::to_string(kind), art.picture("m9"));
    }
    const std::string kind = std::to_string(secondaryTitlesKind);
    WindowArt art = variantArt("frm35", 1, "list " + kind);
    module.addBitmap("data" + kind, art.picture("m1"));
    module.addBitmap("data0" + kind, art.picture("m9"));
    module.addBitmap("data00" + kind, art.picture("Image1"));
    return module;
}

void writePictureModules(const std::filesystem::path& root) {
    const std::filesystem::path data3 = root / "data3";
    std::filesystem::create_directories(data3);
    animationModule(FrameStyle::star).write(data3 / "qem001.dat");
    animationModule(FrameStyle::rings).write(data3 / "qem008.dat");
    articleArtModule().write(data3 / "qem006.dat");
    secondaryTextArtModule().write(data3 / "qem007.dat");
}

}  // namespace vemra::kit
