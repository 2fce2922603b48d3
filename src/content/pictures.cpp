#include "content/pictures.h"

#include <new>

#include "content/content_error.h"
#include "content/content_file.h"
#include "content/content_source.h"
#include "platform/gfx/bmp.h"
#include "platform/win/binary_reader.h"

namespace vemra::content {
namespace {

// Runs `read`, turning errors of the binary formats into content errors, and a picture too large
// for the memory left into one that names its file.
template <class Read>
auto asContentError(std::string_view contentPath, Read&& read) {
    try {
        return read();
    } catch (const win::FormatError& e) {
        throw ContentError(e.what());
    } catch (const std::bad_alloc&) {
        throw ContentError(std::string(contentPath) + ": not enough memory to decode it");
    }
}

}  // namespace

gfx::Bitmap loadBitmapFile(std::string_view contentPath) {
    const std::vector<std::uint8_t> bytes = readContentFile(contentPath, FileKind::bitmap);
    return asContentError(contentPath, [&] { return win::withContext(std::string(contentPath), [&] { return gfx::decodeBmp(bytes); }); });
}

std::optional<win::PeModule> openModule(std::string_view contentPath) {
    if (contentSource().kind(contentPath) == EntryKind::none) return std::nullopt;
    std::vector<std::uint8_t> bytes = readContentFile(contentPath, FileKind::pictureModule);
    return asContentError(contentPath, [&] { return win::PeModule::fromBytes(std::move(bytes), std::string(contentPath)); });
}

gfx::Bitmap loadModuleBitmap(std::string_view modulePath, std::string_view name) {
    const auto module = openModule(modulePath);
    if (!module) return {};
    return asContentError(modulePath, [&] { return module->bitmap(name).value_or(gfx::Bitmap{}); });
}

}  // namespace vemra::content
