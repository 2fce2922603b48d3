#pragma once

#include <filesystem>

namespace vemra::kit {

enum class Speech { spoken, estimated };

// The narrations of both player screens with their page texts, page indexes and the tour player's
// contents (data2\qem0009 … qem0012, qem0018 … qem0023, qem0031 … qem0036, qem0041 … qem0044),
// and the story titles (data2\qem0046). The narrations are data1\qem01.dat … qem07.dat and
// data4\223.dat; with Speech::estimated they are left out and the time marks are estimated.
void writePlayers(const std::filesystem::path& root, Speech speech);
void writePlayers(const std::filesystem::path& root);

}  // namespace vemra::kit
