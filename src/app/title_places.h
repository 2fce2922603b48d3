#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vemra::app {

// A folder the first-run window looks in for titles it can play without being told.
struct TitlePlace {
    std::filesystem::path folder;
    // Where removable media are mounted: only the folders in it are looked at, not disc images.
    bool mountRoot = false;
};

// Where titles are looked for, in this order: each folder one level under /media/$USER,
// /run/media/$USER, /media and /mnt (VEMRA_MOUNT_ROOTS, a colon-separated list, replaces these
// four), then the download folder, the desktop and the home folder as the user's desktop names
// them ($XDG_CONFIG_HOME/user-dirs.dirs, else ~/Downloads and ~/Desktop). Each folder once.
std::vector<TitlePlace> titlePlaces();

// The home folder when $HOME names one absolutely, else empty.
std::filesystem::path homeFolder();

// The start of a small configuration file (at most 64 KiB; empty when it cannot be read).
std::string readConfigText(const std::filesystem::path& file);

// The user's configuration folder: $XDG_CONFIG_HOME when it is absolute, else ~/.config; empty
// without a home.
std::filesystem::path configHome();

}  // namespace vemra::app
