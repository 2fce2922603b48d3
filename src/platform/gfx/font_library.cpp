#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <tuple>

#include "platform/gfx/font.h"
#include "platform/gfx/font_bitmap.h"
#include "platform/gfx/font_fontconfig.h"
#include "platform/gfx/font_freetype.h"
#include "platform/gfx/font_truetype.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"

#include FT_WINFONTS_H

namespace vemra::gfx {

namespace {

// Face names compare without regard to case, as Windows compares them.
std::string folded(std::string_view name) {
    std::string s(name);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

struct RegisteredFace {
    std::string family;
    int height = 0;  // character height of a bitmap face (cell without internal leading); 0 if scalable
    long index = 0;
    FacePtr face;
};

struct RegisteredFile {
    std::string name;
    FontData data;
    std::vector<RegisteredFace> faces;
    long declaredFaces = 0;
};

std::string identity(const std::filesystem::path& file) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(file, error);
    return (error ? file.lexically_normal() : canonical).string();
}

// The nearer of two heights to `wanted`; on a tie the smaller, which never overflows the line.
bool nearer(int candidate, int best, int wanted) {
    const int dc = std::abs(candidate - wanted), db = std::abs(best - wanted);
    return dc < db || (dc == db && candidate < best);
}

// A raster font's character height, which a request's height names: the cell's pixel height less
// its internal leading, read from the FNT header (FreeType's y_ppem for other bitmap formats).
int characterHeight(FT_Face face) {
    FT_WinFNT_HeaderRec header;
    if (FT_Get_WinFNT_Header(face, &header) == 0) return int(header.pixel_height) - int(header.internal_leading);
    return int((face->available_sizes[0].y_ppem + 32) >> 6);
}

}  // namespace

struct FontLibrary::Impl {
    FreeTypePtr freetype = openFreeType();
    std::unique_ptr<FontMatcher> matcher;  // made on the first fallback, fontconfig being slow to load
    std::vector<RegisteredFile> files;
    std::map<std::tuple<std::string, int, unsigned>, std::shared_ptr<const Font>> resolved;

    RegisteredFile* find(std::string_view name) {
        const auto it = std::find_if(files.begin(), files.end(), [&](const auto& f) { return f.name == name; });
        return it == files.end() ? nullptr : &*it;
    }

    std::shared_ptr<const Font> resolve(const std::string& face, int height, unsigned style);
    std::shared_ptr<const Font> fallback(const std::string& face, int height, unsigned style);
};

std::shared_ptr<const Font> FontLibrary::Impl::resolve(const std::string& face, int height, unsigned style) {
    const RegisteredFace* bitmap = nullptr;
    const RegisteredFile* scalableFile = nullptr;
    const RegisteredFace* scalable = nullptr;
    for (const RegisteredFile& file : files) {
        for (const RegisteredFace& f : file.faces) {
            if (folded(f.family) != face) continue;
            if (f.height == 0) {
                if (!scalable) {
                    scalable = &f;
                    scalableFile = &file;
                }
            } else if (!bitmap || nearer(f.height, bitmap->height, height)) {
                bitmap = &f;
            }
        }
    }
    if (bitmap && (bitmap->height == height || !scalable))
        return std::make_shared<BitmapFont>(bitmap->face, style);
    if (scalable) {
        if (FacePtr sized = openFace(freetype, scalableFile->data, scalable->index))
            return std::make_shared<TrueTypeFont>(std::move(sized), height, style);
    }
    return fallback(face, height, style);
}

std::shared_ptr<const Font> FontLibrary::Impl::fallback(const std::string& face, int height, unsigned style) {
    if (!matcher) matcher = std::make_unique<FontMatcher>();
    const auto location = matcher->match(face, height, style);
    FacePtr sized = location ? openFace(freetype, location->file, location->index) : nullptr;
    if (!sized) throw std::runtime_error("no font installed for face \"" + face + "\"");
    return std::make_shared<TrueTypeFont>(std::move(sized), height, style);
}

FontLibrary& FontLibrary::shared() {
    static FontLibrary library;
    return library;
}

FontLibrary::FontLibrary() : impl_(std::make_unique<Impl>()) {}
FontLibrary::~FontLibrary() = default;

int FontLibrary::registerFile(const std::filesystem::path& file) {
    const std::string key = identity(file);
    if (const RegisteredFile* known = impl_->find(key)) return int(known->faces.size());
    // FreeType would wait for ever on a FIFO in the file's place, and so would reading it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return 0;
    try {
        return registerFont(key, win::readBinaryFile(file));
    } catch (const win::FormatError&) {
        return 0;
    }
}

int FontLibrary::registerFont(const std::string& name, std::vector<std::uint8_t> bytes) {
    if (const RegisteredFile* known = impl_->find(name)) return int(known->faces.size());
    const auto data = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    const FacePtr probe = openFace(impl_->freetype, data, -1);
    if (!probe) return 0;

    RegisteredFile entry{name, data, {}, probe->num_faces};
    for (long i = 0; i < probe->num_faces; ++i) {
        FacePtr face = openFace(impl_->freetype, data, i);
        if (!face || !face->family_name) continue;
        if (FT_IS_SCALABLE(face.get())) {
            entry.faces.push_back({face->family_name, 0, i, std::move(face)});
        } else if (face->num_fixed_sizes > 0) {
            // A bitmap face is used at its first size: an FNT resource has exactly one.
            if (const int height = characterHeight(face.get()); height > 0)
                entry.faces.push_back({face->family_name, height, i, std::move(face)});
        }
    }
    if (entry.faces.empty()) return 0;
    impl_->files.push_back(std::move(entry));
    impl_->resolved.clear();
    return int(impl_->files.back().faces.size());
}

bool FontLibrary::unregisterFile(const std::filesystem::path& file) { return unregisterFont(identity(file)); }

bool FontLibrary::unregisterFont(const std::string& name) {
    const RegisteredFile* known = impl_->find(name);
    if (!known) return false;
    impl_->files.erase(impl_->files.begin() + (known - impl_->files.data()));
    impl_->resolved.clear();
    return true;
}

FontDamage FontLibrary::damage(const std::string& name) const {
    FontDamage damage;
    const RegisteredFile* file = impl_->find(name);
    if (!file) return damage;
    damage.facesLeftOut = file->declaredFaces - long(file->faces.size());
    for (const RegisteredFace& f : file->faces) {
        FT_WinFNT_HeaderRec header;
        if (FT_Get_WinFNT_Header(f.face.get(), &header) == 0 && header.bits_offset >= file->data->size()) ++damage.headersOutside;
    }
    for (const RegisteredFace& f : file->faces)
        for (FT_Long glyph = 0; glyph < f.face->num_glyphs; ++glyph)
            damage.unreadableGlyphs += FT_Load_Glyph(f.face.get(), FT_UInt(glyph), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0;
    return damage;
}

std::vector<std::string> FontLibrary::registeredFaces() const {
    std::vector<std::string> names;
    std::vector<std::string> seen;
    for (const RegisteredFile& file : impl_->files) {
        for (const RegisteredFace& f : file.faces) {
            if (std::find(seen.begin(), seen.end(), folded(f.family)) != seen.end()) continue;
            seen.push_back(folded(f.family));
            names.push_back(f.family);
        }
    }
    return names;
}

std::vector<int> FontLibrary::heightsOf(std::string_view face) const {
    std::vector<int> heights;
    for (const RegisteredFile& file : impl_->files)
        for (const RegisteredFace& f : file.faces)
            if (f.height > 0 && folded(f.family) == folded(face)) heights.push_back(f.height);
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    return heights;
}

std::shared_ptr<const Font> FontLibrary::font(const FontSpec& request) {
    const unsigned style = request.style & (styleBold | styleItalic | styleUnderline | styleStrikeOut);
    auto key = std::make_tuple(folded(request.face), request.height, style);
    auto it = impl_->resolved.find(key);
    if (it == impl_->resolved.end())
        it = impl_->resolved.emplace(key, impl_->resolve(std::get<0>(key), request.height, style)).first;
    return it->second;
}

}  // namespace vemra::gfx
