#include "kit/disc_image_writer.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "kit/media_tools.h"

namespace vemra::kit {

void writeDiscImage(const std::filesystem::path& tree, const std::filesystem::path& image, DiscNames names) {
    // xorriso takes every time stamp from here, so that images do not depend on when they were made.
    ::setenv("SOURCE_DATE_EPOCH", "946684800", 1);
    std::vector<std::string> args{"xorriso", "-as", "mkisofs", "-quiet", "-V", "VEMRA", "-m", ".made-by-kit",
                                  "-o", image.string()};
    if (names == DiscNames::asInTree) args.insert(args.end(), {"-J", "-R"});
    args.push_back(tree.string());
    runTool(args);
}

}  // namespace vemra::kit
