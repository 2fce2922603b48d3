#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/glyph_line.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"
#include "platform/ui/window.h"

namespace vemra::shell {

// The process-wide variables through which the screens cooperate (one instance, UI thread only).
struct Un4 {
    ui::Ref<ui::Window> currentScreen;
    std::uint8_t musicOn = 1;
    std::uint8_t effectsOn = 1;
    std::uint8_t exitLit = 0;
    std::uint8_t trackPending = 0;
    std::uint8_t secondaryBranchOpen = 0;

    ui::Ref<ui::Label> transitionCover;
    ui::Ref<ui::Picture> transitionSource;

    ui::Ref<ui::Label> animationTarget;
    int animationFrameCount = 0;
    int animationSet = 0;
    std::string animationModule;  // the module the frames were last loaded from
    int animationFrame = 0;
    std::array<std::optional<gfx::Bitmap>, 11> animationFrames;

    std::string windowsDir;
    gfx::ZeroAdvanceCodes zeroAdvanceCodes;

    int selectedKind = 0;
    int playerVariant = 0;
    std::vector<std::string> playerTitles;

    // The gallery lists that `frm26` loads for the galleries.
    std::vector<std::string> pictureTitles;
    std::vector<std::string> gallerySections;
    std::vector<std::string> pictureEntries;
    std::vector<std::string> soundTitles;

    std::vector<std::string> titleLines;
    std::vector<std::string> sectionRanges;
    std::vector<std::string> entryNumbers;
    int listTop = 0;
    int articleIndex = 0;
    std::string articleTitle;

    const std::vector<std::string>* searchLines = nullptr;
    std::function<void()> searchRefresh;
};

Un4& un4();

// Caption "VEMRA", normal state, client area 640 × 480, centred on the display.
void CenterScreen();

}  // namespace vemra::shell
