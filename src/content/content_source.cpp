#include "content/content_source.h"

#include <cstring>
#include <system_error>

#include "content/content_path.h"
#include "content/disc_image.h"
#include "content/folder_source.h"

namespace vemra::content {
namespace {

std::unique_ptr<ContentSource>& sourceSlot() {
    static std::unique_ptr<ContentSource> source;
    return source;
}

}  // namespace

std::unique_ptr<ContentSource> openContentSource(const std::filesystem::path& location) {
    std::error_code error;
    const auto status = std::filesystem::status(location, error);
    if (error) throw ContentSourceError("cannot open " + location.string() + ": " + error.message());
    if (std::filesystem::is_directory(status)) return std::make_unique<FolderSource>(location);
    if (!std::filesystem::is_regular_file(status))
        throw ContentSourceError("cannot open " + location.string() + ": neither a folder nor a disc image");
    return std::make_unique<DiscImage>(location);
}

std::optional<std::string> ContentSource::storedPath(std::string_view contentPath) const {
    const auto parts = splitContentPath(contentPath);
    if (!parts) return std::nullopt;
    std::string stored;
    for (const std::string_view part : *parts) {
        const std::vector<std::string> names = entries(stored);
        const std::string* name = matchName(names, part);
        if (!name) return std::nullopt;
        stored += (stored.empty() ? "" : "\\") + *name;
    }
    return stored;
}

const ContentSource& contentSource() {
    auto& source = sourceSlot();
    if (!source) source = std::make_unique<FolderSource>(std::filesystem::current_path());
    return *source;
}

void setContentRoot(const std::filesystem::path& location) { sourceSlot() = openContentSource(location); }

bool fileExists(std::string_view contentPath) { return contentSource().kind(contentPath) == EntryKind::file; }

std::optional<media::MediaSource> mediaSource(std::string_view contentPath) {
    return contentSource().mediaSource(contentPath);
}

}  // namespace vemra::content
