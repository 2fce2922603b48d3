#pragma once

#include <filesystem>

namespace vemra::kit {

// The demo's five picture modules (data3\qem001, qem002, qem006, qem007, qem008) as resource
// scripts with their resource files, one folder each under `out` (out/qem001/qem001.rc …), for a
// second producer of the same modules: windres and a linker.
void writeModuleScripts(const std::filesystem::path& out);

}  // namespace vemra::kit
