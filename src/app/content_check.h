#pragma once

namespace vemra::app {

// Goes through every file the title can read in the content chosen before, reads each as the
// title does and prints a table a folder (file, what it is, ok / missing / damaged and why, in
// the words of the title's error boxes) and a summary, or with `json` a report for programs.
// Files no rule names are listed apart; a file found only under another case is noted. Writes
// nothing and opens no window; a progress bar shows while standard error is a terminal. Returns
// the exit code: 0 when every file is there and reads, else 1.
int checkContent(bool json);

}  // namespace vemra::app
