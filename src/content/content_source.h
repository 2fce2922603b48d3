#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/media/media_source.h"

namespace vemra::content {

// `other`: something that is neither, such as a FIFO standing where a file should be.
enum class EntryKind { none, file, directory, other };

// A content tree the program reads: a folder, or a disc image read in place. Content paths are
// relative, written with backslashes ("data1\08.dat"; slashes work too) and matched component by
// component ignoring ASCII case, as content_path.h says. Sources are read from several threads.
class ContentSource {
public:
    virtual ~ContentSource() = default;

    // The folder or image as the user named it.
    virtual const std::filesystem::path& location() const = 0;
    virtual EntryKind kind(std::string_view contentPath) const = 0;
    // The bytes of a file. Throws ContentError naming the content path and the reason: "no such
    // file", "is a directory", or why it could not be read; win::TooLargeError when the file holds
    // more than `maxBytes`, before anything is read.
    virtual std::vector<std::uint8_t> read(std::string_view contentPath, std::uint64_t maxBytes) const = 0;
    std::vector<std::uint8_t> read(std::string_view contentPath) const { return read(contentPath, UINT64_MAX); }
    // Where a file's bytes lie, for streaming; nullopt when the path names nothing.
    virtual std::optional<media::MediaSource> mediaSource(std::string_view contentPath) const = 0;
    // The names a directory holds as stored (their own case), in byte order; empty when the path
    // names no directory ("" is the root).
    virtual std::vector<std::string> entries(std::string_view directoryPath) const = 0;
    // The path as stored, each component in the case the tree spells it ("DATA1\08.DAT" for
    // "data1\08.dat"); nullopt when the path names nothing.
    std::optional<std::string> storedPath(std::string_view contentPath) const;
};

// A folder or disc image that cannot serve as a content tree at all; the text says which and why.
class ContentSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A directory opens as a folder, a regular file as an ISO 9660 disc image. Throws
// ContentSourceError when it is neither or the image cannot be read.
std::unique_ptr<ContentSource> openContentSource(const std::filesystem::path& location);

// The content tree the program reads: the working directory at the first call, unless set (at
// start, before anything reads content).
const ContentSource& contentSource();
// Makes the folder or image at `location` the program's content tree (see openContentSource).
void setContentRoot(const std::filesystem::path& location);

// The same questions of the program's content tree.
bool fileExists(std::string_view contentPath);
std::optional<media::MediaSource> mediaSource(std::string_view contentPath);

}  // namespace vemra::content
