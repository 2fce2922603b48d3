#include "content/disc_image.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>

#include <cdio/iso9660.h>
#include <cdio/logging.h>

#include "content/content_error.h"
#include "content/content_file.h"
#include "content/content_path.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"

namespace vemra::content {
namespace {

constexpr std::uint64_t blockSize = ISO_BLOCKSIZE;
// Far beyond any real disc; they bound the work and memory a crafted image can ask for. A directory
// of a title's disc holds some hundred entries of some 40 bytes each, a whole disc a few thousand.
constexpr int maxDepth = 32;
constexpr std::size_t maxEntries = 1 << 16;
constexpr std::uint64_t maxDirectoryBytes = 1 << 20;

// The library's warnings about odd images would only clutter stderr: what matters reaches the
// caller as an error.
void quietLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler([](cdio_log_level_t, const char*) {}); });
}

// The one error of an image that cannot serve as a content tree, naming it and saying why.
[[noreturn]] void refuse(const std::filesystem::path& image, const std::string& why) {
    throw ContentSourceError("cannot read the disc image " + image.string() + ": " + why);
}

// A directory whose records the library cannot list: with Joliet names, one damaged UTF-16 name
// is enough.
class UnlistedDirectory : public ContentSourceError {
public:
    using ContentSourceError::ContentSourceError;
};

struct IsoCloser {
    void operator()(iso9660_t* iso) const { iso9660_close(iso); }
};
struct ListFreer {
    void operator()(CdioISO9660FileList_t* list) const { iso9660_filelist_free(list); }
};
struct StatFreer {
    void operator()(iso9660_stat_t* stat) const { iso9660_stat_free(stat); }
};

// The name a content path matches: primary names lose their version (";1") and a trailing dot.
std::string entryName(const char* recorded) {
    std::string name(recorded);
    if (const auto semicolon = name.rfind(';'); semicolon != std::string::npos &&
        name.find_first_not_of("0123456789", semicolon + 1) == std::string::npos)
        name.erase(semicolon);
    if (!name.empty() && name.back() == '.') name.pop_back();
    return name;
}

class TreeReader {
public:
    TreeReader(const std::filesystem::path& image, iso9660_t* iso, std::uint64_t end)
        : image_(image), iso_(iso), end_(end) {}

    std::vector<DiscImage::Node> read(const iso9660_stat_t& root) {
        nodes_.push_back(nodeOf(root, "the root directory"));
        readDirectory("", 0, 0);
        return std::move(nodes_);
    }

private:
    [[noreturn]] void fail(const std::string& why) const { refuse(image_, why); }

    DiscImage::Node nodeOf(const iso9660_stat_t& stat, const std::string& what) const {
        DiscImage::Node node;
        node.directory = stat.type == iso9660_stat_s::_STAT_DIR;
        node.size = stat.size;
        if (stat.lsn < 0) fail("the record of " + what + " points outside the image");
        node.offset = std::uint64_t(stat.lsn) * blockSize;
        if (node.offset > end_ || node.size > end_ - node.offset)
            fail("the record of " + what + " points outside the image");
        return node;
    }

    void readDirectory(const std::string& path, std::size_t index, int depth) {
        if (depth > maxDepth) fail("its directories nest deeper than " + std::to_string(maxDepth));
        if (nodes_[index].size > maxDirectoryBytes)
            fail("the directory " + (path.empty() ? "/" : path) + " says it holds " + readableSize(nodes_[index].size) +
                 ", more than the " + readableBound(maxDirectoryBytes) + " a directory may");
        if (!visited_.insert(nodes_[index].offset).second)
            fail("the directory " + path + " loops: its record points at a directory already read");
        const std::unique_ptr<CdioISO9660FileList_t, ListFreer> list(
            iso9660_ifs_readdir(iso_, path.empty() ? "/" : path.c_str()));
        if (!list)
            throw UnlistedDirectory("cannot read the disc image " + image_.string() + ": the directory " +
                                    (path.empty() ? "/" : path) + " cannot be read");

        std::vector<std::pair<std::string, std::size_t>> entries;
        std::vector<std::pair<std::string, std::size_t>> subdirectories;  // recorded name, node
        for (CdioListNode_t* item = _cdio_list_begin(list.get()); item; item = _cdio_list_node_next(item)) {
            const auto* stat = static_cast<const iso9660_stat_t*>(_cdio_list_node_data(item));
            if (!stat || std::strcmp(stat->filename, ".") == 0 || std::strcmp(stat->filename, "..") == 0) continue;
            const std::string name = entryName(stat->filename);
            if (name.empty() || name.find('/') != std::string::npos) continue;
            if (++entryCount_ > maxEntries) fail("it holds more than " + std::to_string(maxEntries) + " entries");
            DiscImage::Node node = nodeOf(*stat, path + "/" + stat->filename);
            if (node.directory) subdirectories.emplace_back(stat->filename, nodes_.size());
            entries.emplace_back(name, nodes_.size());
            nodes_.push_back(std::move(node));
        }
        std::sort(entries.begin(), entries.end());
        for (auto& [name, child] : entries) {
            nodes_[index].names.push_back(name);
            nodes_[index].children.push_back(child);
        }
        for (const auto& [recorded, child] : subdirectories) readDirectory(path + "/" + recorded, child, depth + 1);
    }

    const std::filesystem::path& image_;
    iso9660_t* iso_;
    std::uint64_t end_;
    std::vector<DiscImage::Node> nodes_;
    std::set<std::uint64_t> visited_;
    std::size_t entryCount_ = 0;
};

}  // namespace

DiscImage::DiscImage(std::filesystem::path image) : image_(std::move(image)) {
    quietLibrary();
    const auto fail = [&](const std::string& why) { refuse(image_, why); };
    std::error_code error;
    const std::uint64_t fileSize = std::filesystem::file_size(image_, error);
    if (error) fail(error.message());
    // The library says only that it failed; the system says why a file cannot be opened.
    if (std::FILE* probe = std::fopen(image_.c_str(), "rb")) std::fclose(probe);
    else fail(std::strerror(errno));
    try {
        nodes_ = readTree(ISO_EXTENSION_ALL, fileSize);
    } catch (const UnlistedDirectory&) {
        // A Joliet name the library cannot convert is a damaged name, not a damaged image: the tree
        // is read again under its Rock Ridge names, else its ISO 9660 names.
        nodes_ = readTree(ISO_EXTENSION_ALL & ~ISO_EXTENSION_JOLIET, fileSize);
    }
}

std::vector<DiscImage::Node> DiscImage::readTree(std::uint8_t extensions, std::uint64_t fileSize) const {
    const auto fail = [&](const std::string& why) { refuse(image_, why); };
    const std::unique_ptr<iso9660_t, IsoCloser> iso(iso9660_open_ext(image_.c_str(), extensions));
    iso9660_pvd_t pvd;
    if (!iso || !iso9660_ifs_read_pvd(iso.get(), &pvd)) {
        if (fileSize < (ISO_PVD_SECTOR + 1) * blockSize) fail("it is too short to be an ISO 9660 image");
        fail("it is not an ISO 9660 image");
    }
    if (iso9660_get_pvd_block_size(&pvd) != int(blockSize)) fail("its blocks are not of 2048 bytes");
    const std::uint64_t volumeSize = std::uint64_t(std::max(iso9660_get_pvd_space_size(&pvd), 0)) * blockSize;
    if (volumeSize > fileSize)
        fail("it is truncated (the volume holds " + std::to_string(volumeSize) + " bytes, the file " +
             std::to_string(fileSize) + ")");
    const std::unique_ptr<iso9660_stat_t, StatFreer> root(iso9660_ifs_stat(iso.get(), "/"));
    if (!root || root->type != iso9660_stat_s::_STAT_DIR) fail("its root directory cannot be read");
    return TreeReader(image_, iso.get(), volumeSize).read(*root);
}

const DiscImage::Node* DiscImage::find(std::string_view contentPath) const {
    const auto parts = splitContentPath(contentPath);
    if (!parts) return nullptr;
    const Node* node = &nodes_.front();
    for (const std::string_view part : *parts) {
        if (!node->directory) return nullptr;
        const std::string* name = matchName(node->names, part);
        if (!name) return nullptr;
        node = &nodes_[node->children[std::size_t(name - node->names.data())]];
    }
    return node;
}

std::vector<std::string> DiscImage::entries(std::string_view directoryPath) const {
    const Node* node = directoryPath.empty() ? &nodes_.front() : find(directoryPath);
    if (!node || !node->directory) return {};
    return node->names;
}

EntryKind DiscImage::kind(std::string_view contentPath) const {
    const Node* node = find(contentPath);
    return !node ? EntryKind::none : node->directory ? EntryKind::directory : EntryKind::file;
}

std::vector<std::uint8_t> DiscImage::read(std::string_view contentPath, std::uint64_t maxBytes) const {
    const Node* node = find(contentPath);
    const std::string name(contentPath);
    if (!node) throw ContentError("cannot open " + name + ": no such file");
    if (node->directory) throw ContentError("cannot open " + name + ": is a directory");
    try {
        return win::readBinaryFile(image_, name, win::FileRange{node->offset, node->size}, maxBytes);
    } catch (const win::TooLargeError&) {
        throw;
    } catch (const win::FormatError& e) {
        throw ContentError(e.what());
    }
}

std::optional<media::MediaSource> DiscImage::mediaSource(std::string_view contentPath) const {
    const Node* node = find(contentPath);
    if (!node || node->directory) return std::nullopt;
    return media::MediaSource(image_, node->offset, node->size, std::string(contentPath));
}

}  // namespace vemra::content
