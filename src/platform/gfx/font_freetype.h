#pragma once

#include <filesystem>
#include <cstdint>
#include <memory>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace vemra::gfx {

// FreeType handles. Every face keeps its library alive, so a font may outlive its FontLibrary.
using FreeTypePtr = std::shared_ptr<FT_LibraryRec_>;
using FacePtr = std::shared_ptr<FT_FaceRec_>;

// A font file's bytes, kept alive by every face opened from them.
using FontData = std::shared_ptr<const std::vector<std::uint8_t>>;

FreeTypePtr openFreeType();
// Face `index` of a font file (index -1 only counts the faces: see num_faces), null when unreadable.
FacePtr openFace(const FreeTypePtr& library, const std::filesystem::path& file, long index);
FacePtr openFace(const FreeTypePtr& library, const FontData& data, long index);

}  // namespace vemra::gfx
