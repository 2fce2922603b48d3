#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vemra::content {

// The kinds of file the title reads whole. Each may hold at most so many bytes, far above anything
// a title of its kind holds, so that a size a damaged or hostile file declares never becomes memory.
// Media files stream and have no such bound.
enum class FileKind { text, pictureModule, bitmap, font, cursor };

// A size as people read it: "512 bytes", "1.5 KiB", "1.0 GiB"; a bound, a whole number of MiB,
// as "16 MiB".
std::string readableSize(std::uint64_t bytes);
std::string readableBound(std::uint64_t bytes);

// The bytes of a content file of the kind. Throws ContentError naming the content path and the
// reason: "no such file", "is a directory", why the system could not read it, or that the file
// is larger than its kind may be ("data2\qem0024.dat: 1.0 GiB, more than the 16 MiB a text file
// may be"). Every reader of the tree comes here.
std::vector<std::uint8_t> readContentFile(std::string_view contentPath, FileKind kind);

}  // namespace vemra::content
