#pragma once

#include <string>

namespace vemra::bench {

// Script roads from the main menu (intro skipped) to the screens the benchmarks measure.
// frm1 → frm9 → frm23 → the list frm10 → frm19 with its second part open: five transition effects.
inline const std::string toArticlePart =
    "wait 1000\nclick 380 130\nwait 1000\nclick 500 125\nwait 1000\nclick 530 185\nwait 1000\nclick 500 155\n"
    "wait 1000\nclick 540 268\nwait 1000\nclick 450 410\nwait 1000\n";
// From frm19 back to frm9: four more effects, so that with the road above all eight have run.
inline const std::string backToSection = "key Escape\nwait 1000\nkey Escape\nwait 1000\nkey Escape\nwait 1000\nkey Escape\nwait 1000\n";
inline const std::string toPlayerWithNarration =
    "wait 1000\nclick 530 130\nwait 1000\nclick 420 270\nwait 1000\nclick 500 267\nwait 500\n";

}  // namespace vemra::bench
