#include "content/pictures.h"

#include "content/content_error.h"
#include "content/content_file.h"
#include "content/content_source.h"
#include "platform/gfx/bmp.h"
#include "platform/win/binary_reader.h"

namespace vemra::content {
namespace {

// Runs `read`, turning errors of the binary formats into content errors.
template <class Read>
auto asContentError(Read&& read) {
    try {
        return read();
    } catch (const win::FormatError& e) {
        throw ContentError(e.what());
    }
}

}  // namespace

gfx::Bitmap loadBitmapFile(std::string_view contentPath) {
    const std::vector<std::uint8_t> bytes = readContentFile(contentPath);
    return asContentError([&] { return win::withContext(std::string(contentPath), [&] { return gfx::decodeBmp(bytes); }); });
}

std::optional<win::PeModule> openModule(std::string_view contentPath) {
    if (contentSource().kind(contentPath) == EntryKind::none) return std::nullopt;
    std::vector<std::uint8_t> bytes = readContentFile(contentPath);
    return asContentError([&] { return win::PeModule::fromBytes(std::move(bytes), std::string(contentPath)); });
}

gfx::Bitmap loadModuleBitmap(std::string_view modulePath, std::string_view name) {
    const auto module = openModule(modulePath);
    if (!module) return {};
    return asContentError([&] { return module->bitmap(name).value_or(gfx::Bitmap{}); });
}

}  // namespace vemra::content
