#include "shell/artwork.h"

#include "content/paths.h"
#include "content/pictures.h"
#include "platform/ui/trace.h"

namespace vemra::shell {

ArtSource artSource() {
    return [](std::string_view window, std::string_view component) -> std::optional<gfx::Bitmap> {
        const std::string path = "art\\" + std::string(window) + "\\" + std::string(component) + ".bmp";
        if (!content::fileExists(path)) return std::nullopt;
        try {
            return content::loadBitmapFile(path);
        } catch (const std::exception& e) {
            ui::trace("artwork not loaded", e.what());
            return std::nullopt;
        }
    };
}

void setPictureFromModule(ui::Picture& picture, std::string_view modulePath, std::string_view name) {
    gfx::Bitmap bitmap = content::loadModuleBitmap(modulePath, name);
    if (bitmap.empty())
        picture.clear();
    else
        picture.setBitmap(std::move(bitmap));
}

}  // namespace vemra::shell
