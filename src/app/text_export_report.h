#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "app/text_export_logical.h"

namespace vemra::app {

// What an export did, for the person who ran it: where it wrote how many pages, texts, lines and
// glyphs, in how long; every code it left out and every mark it dropped, with how often and in
// which files; and the damaged files it left out.
std::string exportReport(const ExportTally& tally, std::size_t pages, const std::filesystem::path& out,
                         const std::vector<std::string>& damage, double seconds);

}  // namespace vemra::app
