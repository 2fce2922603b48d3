#pragma once

// The damaged-file corpus as the tests read it: scripts/make-damaged-corpus writes the files and
// the table (manifest.tsv) that says what each damage must give.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vemra::testing {

struct CorpusCase {
    std::string name, contentPath, damage, road, expected;
    bool quick = false;
};

// Every case of the table, in its order (none when the corpus has not been made).
std::vector<CorpusCase> corpusCases();
// The cases marked quick, or every case with VEMRA_DAMAGED_CORPUS=full (scripts/damaged-corpus).
std::vector<CorpusCase> casesToPlay();
// Runs `play` on every case, two at a time.
void playTwoAtATime(const std::vector<CorpusCase>& cases, const std::function<void(const CorpusCase&)>& play);

}  // namespace vemra::testing
