#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemra::content {

// The components of a content path ("data1\08.dat"; slashes work too), with empty and "."
// components left out. Nothing for a path that would leave the tree: empty, absolute, with a drive
// letter, a ".." component or a NUL byte.
std::optional<std::vector<std::string_view>> splitContentPath(std::string_view contentPath);

// Whether two names differ at most in ASCII case, as the title's names are matched.
bool sameIgnoringCase(std::string_view a, std::string_view b);

// The entry of a directory that `name` stands for: an exact match, else the first in byte order
// that differs only in ASCII case (copies of a disc often change the case of names). `sortedNames`
// is in byte order. Null when none matches.
const std::string* matchName(const std::vector<std::string>& sortedNames, std::string_view name);

}  // namespace vemra::content
