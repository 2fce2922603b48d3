#pragma once

#include <filesystem>

namespace vemra::kit {

// The search window's keyboard tables from the code table's key layout: "data1\1\3.txt" (the
// letter record each character code 1 … 126 types), "data1\1\c2.txt" (each letter record's first
// and last form code) and "data1\1\c1.txt" (the form codes). A control character types nothing;
// a printable key without a letter leads to a record without numbers, for which the search window
// shows its message.
void writeKeyboardTables(const std::filesystem::path& root);

}  // namespace vemra::kit
