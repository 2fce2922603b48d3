#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "content/content_source.h"

namespace vemra::content {

// A content tree read straight out of an ISO 9660 disc image (Joliet and Rock Ridge names when the
// image has them, else the primary names, whose ";1" versions and trailing dots are dropped; an
// image with a Joliet name that cannot be read is read under its other names). The whole directory
// tree is read and checked when the image opens: an image that cannot be opened, is truncated, is
// not ISO 9660, has a directory record pointing outside it or at a directory already read, or
// directories larger than a disc's ever are, throws ContentSourceError. Files are then read from their extents in place; nothing is copied
// out of the image.
class DiscImage final : public ContentSource {
public:
    explicit DiscImage(std::filesystem::path image);

    const std::filesystem::path& location() const override { return image_; }
    EntryKind kind(std::string_view contentPath) const override;
    using ContentSource::read;
    std::vector<std::uint8_t> read(std::string_view contentPath, std::uint64_t maxBytes) const override;
    std::optional<media::MediaSource> mediaSource(std::string_view contentPath) const override;
    std::vector<std::string> entries(std::string_view directoryPath) const override;

    struct Node {
        bool directory = false;
        std::uint64_t offset = 0;  // of the extent in the image
        std::uint64_t size = 0;
        std::vector<std::string> names;       // a directory's entries in byte order
        std::vector<std::size_t> children;    // their nodes, in the same order
    };

private:
    // The checked directory tree as the library reads it with these extensions.
    std::vector<Node> readTree(std::uint8_t extensions, std::uint64_t fileSize) const;
    const Node* find(std::string_view contentPath) const;

    std::filesystem::path image_;
    std::vector<Node> nodes_;  // the root first
};

}  // namespace vemra::content
