#pragma once

#include <filesystem>
#include <memory>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace vemra::gfx {

// FreeType handles. Every face keeps its library alive, so a font may outlive its FontLibrary.
using FreeTypePtr = std::shared_ptr<FT_LibraryRec_>;
using FacePtr = std::shared_ptr<FT_FaceRec_>;

FreeTypePtr openFreeType();
// Face `index` of a font file (index -1 only counts the faces: see num_faces), null when unreadable.
FacePtr openFace(const FreeTypePtr& library, const std::filesystem::path& file, long index);

}  // namespace vemra::gfx
