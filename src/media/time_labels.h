#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/ui/label.h"

namespace vemra::media_screens {

// A media time in milliseconds as the players and galleries show it in three labels, left to
// right: hours followed by ":", minutes followed by ":", seconds; decimal, no leading zeros.
std::array<std::string, 3> timeCaptions(std::int32_t ms);

class TimeLabels {
public:
    TimeLabels(ui::Label& hours, ui::Label& minutes, ui::Label& seconds) : labels_{&hours, &minutes, &seconds} {}

    void show(std::int32_t ms);
    // The three captions, for a state report.
    std::array<std::string, 3> captions() const;

private:
    std::array<ui::Label*, 3> labels_;
};

}  // namespace vemra::media_screens
