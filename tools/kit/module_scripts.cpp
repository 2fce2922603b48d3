#include "kit/module_scripts.h"

#include "kit/gen_album.h"
#include "kit/gen_modules.h"

namespace vemra::kit {

void writeModuleScripts(const std::filesystem::path& out) {
    const auto write = [&](const ResourceModuleWriter& module, const char* stem) { module.writeResourceScript(out / stem, stem); };
    write(animationModule(FrameStyle::star), "qem001");
    write(albumModule(), "qem002");
    write(articleArtModule(), "qem006");
    write(secondaryTextArtModule(), "qem007");
    write(animationModule(FrameStyle::rings), "qem008");
}

}  // namespace vemra::kit
