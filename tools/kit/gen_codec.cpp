#include "kit/gen_codec.h"

#include <fstream>
#include <stdexcept>

namespace vemra::kit {

void writeCodecStandIn(const std::filesystem::path& root) {
    std::filesystem::create_directories(root);
    const std::filesystem::path file = root / "l3codecp.acm";
    std::ofstream out(file, std::ios::binary);
    out << "VEMRA demo content: stand-in for the MPEG Layer-3 audio codec driver.\r\n"
           "The program checks that this file exists and writes its path into system.ini;\r\n"
           "it never loads it. Audio is decoded by the program itself.\r\n";
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace vemra::kit
