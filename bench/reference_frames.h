#pragma once

namespace vemra::bench {

// The share of one core (percent) that a program with the real window takes over `seconds` when it
// does nothing but compose and show a whole 640 × 480 frame every 200 ms: the reference the title's
// idle figures are compared with, measured in the same run on the same machine.
double referenceFramesCorePercent(int seconds);

// The idle stretches of the title's runs: VEMRA_BENCH_SECONDS, 30 unless set.
int idleSeconds();
// The reference over an idle stretch, measured once per run of the benchmarks.
double referencePercent();

}  // namespace vemra::bench
