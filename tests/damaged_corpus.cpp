#include "damaged_corpus.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "test_paths.h"

namespace vemra::testing {

std::vector<CorpusCase> corpusCases() {
    std::ifstream manifest(std::filesystem::path(test_paths::damagedCorpus) / "manifest.tsv");
    std::vector<CorpusCase> cases;
    for (std::string line; std::getline(manifest, line);) {
        std::vector<std::string> fields;
        std::stringstream row(line);
        for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
        fields.resize(6);
        cases.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5] == "quick"});
    }
    return cases;
}

std::vector<CorpusCase> casesToPlay() {
    const char* which = std::getenv("VEMRA_DAMAGED_CORPUS");
    const bool full = which && std::string(which) == "full";
    std::vector<CorpusCase> cases;
    for (auto& c : corpusCases())
        if (full || c.quick) cases.push_back(std::move(c));
    return cases;
}

void playTwoAtATime(const std::vector<CorpusCase>& cases, const std::function<void(const CorpusCase&)>& play) {
    std::atomic<std::size_t> next = 0;
    auto worker = [&] {
        for (std::size_t i; (i = next++) < cases.size();) play(cases[i]);
    };
    std::thread other(worker);
    worker();
    other.join();
}

}  // namespace vemra::testing
