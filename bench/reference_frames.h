#pragma once

namespace vemra::bench {

// The share of one core (percent) that a program with the real window takes over `seconds` when it
// does nothing but compose and show a whole 640 × 480 frame every 200 ms: the reference the title's
// idle figures are compared with, measured in the same run on the same machine.
double referenceFramesCorePercent(int seconds);

}  // namespace vemra::bench
