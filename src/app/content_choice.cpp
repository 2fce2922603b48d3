#include "app/content_choice.h"

#include <filesystem>
#include <system_error>

#include "app/remembered_content.h"
#include "content/content_source.h"
#include "content/title_probe.h"

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

ContentStart startContent(const std::string& named, bool window) {
    std::error_code error;
    if (!named.empty() || !window || content::probeFolder(std::filesystem::current_path(error)).holdsTitle)
        return {chooseContent(named, true)};
    const auto remembered = rememberedContent();
    if (!remembered) return {.firstRun = true};
    const auto problem = chooseContent(remembered->string(), true);
    if (!problem) return {};
    std::error_code missing;
    if (!std::filesystem::exists(*remembered, missing))
        return {.firstRun = true, .rememberedGone = "The title played last, " + remembered->string() + ", is not there now: insert its disc or choose another."};
    return {.firstRun = true, .rememberedGone = "The title played last cannot play now: " + *problem};
}

}  // namespace vemra::app
