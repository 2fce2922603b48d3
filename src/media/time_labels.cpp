#include "media/time_labels.h"

namespace vemra::media_screens {

std::array<std::string, 3> timeCaptions(std::int32_t ms) {
    return {std::to_string(ms / 3'600'000) + ":", std::to_string(ms % 3'600'000 / 60'000) + ":",
            std::to_string(ms % 60'000 / 1000)};
}

void TimeLabels::show(std::int32_t ms) {
    const std::array<std::string, 3> captions = timeCaptions(ms);
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setCaption(captions[i]);
}

std::array<std::string, 3> TimeLabels::captions() const {
    return {labels_[0]->caption(), labels_[1]->caption(), labels_[2]->caption()};
}

}  // namespace vemra::media_screens
