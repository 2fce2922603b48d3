#pragma once

#include <filesystem>

namespace vemra::kit {

// Small valid inputs for the fuzz targets that read whole files the kit can write: a picture
// library of three album pictures (sized right, size string too large, no size string) and a font
// file of one face at two sizes. Written as DIR/<target>/<seed>.
void writeFuzzSeeds(const std::filesystem::path& dir);

}  // namespace vemra::kit
