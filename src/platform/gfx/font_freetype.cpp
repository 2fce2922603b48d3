#include "platform/gfx/font_freetype.h"

#include <stdexcept>

namespace vemra::gfx {

FreeTypePtr openFreeType() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("cannot initialise FreeType");
    return {library, FT_Done_FreeType};
}

FacePtr openFace(const FreeTypePtr& library, const std::filesystem::path& file, long index) {
    FT_Face face = nullptr;
    if (FT_New_Face(library.get(), file.c_str(), index, &face) != 0) return nullptr;
    return {face, [library](FT_Face f) { FT_Done_Face(f); }};
}

FacePtr openFace(const FreeTypePtr& library, const FontData& data, long index) {
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library.get(), data->data(), FT_Long(data->size()), index, &face) != 0) return nullptr;
    return {face, [library, data](FT_Face f) { FT_Done_Face(f); }};
}

}  // namespace vemra::gfx
