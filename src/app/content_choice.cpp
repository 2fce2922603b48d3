#include "app/content_choice.h"

#include <filesystem>
#include <system_error>

#include "content/content_source.h"

namespace vemra::app {

std::optional<std::string> chooseContent(const std::string& contentOption, bool requireTitle) {
    if (contentOption.empty() && !requireTitle) return std::nullopt;
    std::error_code error;
    const std::filesystem::path location = contentOption.empty() ? std::filesystem::current_path(error) : std::filesystem::path(contentOption);
    try {
        content::setContentRoot(location);
    } catch (const content::ContentSourceError& e) {
        return e.what();
    }
    if (requireTitle && content::contentSource().kind("data1") != content::EntryKind::directory)
        return "no title content in " + location.string() +
               " (it has no data1 folder); name the title's disc image or folder with --content FILE.iso or "
               "--content DIR, or play the demo with --content build/demo";
    return std::nullopt;
}

}  // namespace vemra::app
