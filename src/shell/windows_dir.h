#pragma once

#include <filesystem>
#include <string>

namespace vemra::shell {

// The program's private stand-in for the Windows directory, with a trailing separator:
// $VEMRA_WINDOWS_DIR, else $XDG_STATE_HOME/vemra/windows/ (an absolute XDG_STATE_HOME only, as the
// XDG rules say), else ~/.local/state/vemra/windows/; relative names are taken from the directory
// the program was started in. It is created when missing; when it cannot be, a new private
// directory under the system's temporary directory serves, removed when the program ends; throws
// when even that cannot be made.
std::string windowsDirectory();

// Deletes a scratch file of the Windows directory when it is a regular file; links are left alone.
void removeScratchFile(const std::string& windowsDir, const std::string& name);

// Makes sure system.ini in `windowsDir` names the audio codec: left alone when its entry is exactly
// "l3codecp.acm" and the codec lies in the system directory there, else set to the content root
// (the folder, or the disc image's path) as an absolute path, one separator, and "l3codecp.acm".
// Failures are not reported.
void codecCheck(const std::string& windowsDir, const std::filesystem::path& contentRoot);

}  // namespace vemra::shell
