#pragma once

#include "platform/ui/label.h"

namespace vemra::ui {

// The left edge of text `textWidth` pixels wide set in the span of `width` pixels from `left`.
inline int alignedLeft(Alignment a, int left, int width, int textWidth) {
    switch (a) {
    case Alignment::right: return left + width - textWidth;
    case Alignment::center: return left + (width - textWidth) / 2;
    case Alignment::left: break;
    }
    return left;
}

}  // namespace vemra::ui
