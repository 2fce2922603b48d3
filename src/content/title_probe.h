#pragma once

#include <filesystem>
#include <string>

namespace vemra::content {

// A quick look at whether a folder or a disc image holds a title (a data1 folder, in any case):
// a folder costs one directory listing, an image no more than a few sectors (its volume
// descriptors and root directory), so that places can be searched often. Opening the content
// checks the whole tree afterwards.
struct TitleProbe {
    bool holdsTitle = false;
    std::string why;  // when it does not: one line for the user
};

TitleProbe probeFolder(const std::filesystem::path& folder);
TitleProbe probeDiscImage(const std::filesystem::path& image);
// A directory is probed as a folder, a regular file as a disc image.
TitleProbe probeLocation(const std::filesystem::path& location);

}  // namespace vemra::content
