#include "media/album_picture.h"

#include <charconv>
#include <span>

#include "content/pictures.h"
#include "platform/gfx/jpeg.h"
#include "platform/win/binary_reader.h"

namespace vemra::media {

namespace {

constexpr const char* libraryPath = "data3\\qem002.dat";
constexpr std::size_t maxSizeDigits = 10;

std::optional<std::size_t> byteCount(std::string_view text) {
    std::size_t count = 0;
    if (text.empty() || text.size() > maxSizeDigits) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return count;
}

std::string label(int number) { return "picture " + std::to_string(number) + ": "; }

}  // namespace

std::variant<gfx::Bitmap, std::string> albumPicture(const win::PeModule& library, int number) {
    const std::string name = label(number);
    if (number < 1 || number > 0xffff) return name + "no such resource";
    try {
        const auto jpeg = library.resource("jpg", "ak" + std::to_string(number));
        if (!jpeg) return name + "no resource AK" + std::to_string(number);
        const auto sizeText = library.string(std::uint16_t(number));
        if (!sizeText) return name + "no size string";
        const auto size = byteCount(*sizeText);
        if (!size) return name + "size string \"" + *sizeText + "\" is no byte count";
        if (*size > jpeg->size())
            return name + "size " + std::to_string(*size) + " exceeds the resource's " + std::to_string(jpeg->size());
        return gfx::decodeJpeg(std::span(*jpeg).first(*size));
    } catch (const std::runtime_error& e) {  // a malformed module or picture
        return name + e.what();
    }
}

std::variant<gfx::Bitmap, std::string> loadAlbumPicture(int number) {
    try {
        const auto library = content::openModule(libraryPath);
        if (!library) return label(number) + libraryPath + " is missing";
        return albumPicture(*library, number);
    } catch (const std::runtime_error& e) {  // the module cannot be read
        return label(number) + e.what();
    }
}

}  // namespace vemra::media
