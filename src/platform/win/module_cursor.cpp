#include "platform/win/module_cursor.h"

#include <string>
#include <vector>

#include "platform/win/binary_reader.h"
#include "platform/win/icon_image.h"

namespace vemra::win {

std::optional<ui::CursorShape> moduleCursor(const PeModule& module, const ResourceId& name) {
    const auto group = module.resource(resource_types::groupCursor, name);
    if (!group) return std::nullopt;
    // The group: a 6-byte header, then 14-byte entries whose height counts colour image and mask.
    const BinaryReader g(*group, module.what() + ": cursor group " + name.text());
    const std::size_t count = g.u16(4);
    if (count == 0) g.fail("no images");
    std::vector<ImageChoice> choices(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = 6 + i * 14;
        choices[i] = {g.u16(e), g.u16(e + 2) / 2, g.u16(e + 6)};
    }
    const std::uint16_t imageId = g.u16(6 + preferredImage(choices) * 14 + 12);
    const auto image = module.resource(resource_types::cursor, imageId);
    if (!image) g.fail("cursor image #" + std::to_string(imageId) + " is missing");
    // A cursor image: its hot spot, then the image.
    const std::string what = module.what() + ": cursor image #" + std::to_string(imageId);
    const BinaryReader c(*image, what);
    const gfx::Point hotspot{c.u16(0), c.u16(2)};
    ui::CursorShape shape;
    shape.frames.push_back(withContext(what, [&] { return decodeCursorImage(c.bytes(4, c.size() - 4), hotspot); }));
    return shape;
}

}  // namespace vemra::win
