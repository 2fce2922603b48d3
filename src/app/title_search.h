#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/title_places.h"

namespace vemra::app {

// A title found in one of the places: a folder holding one, or a disc image.
struct FoundTitle {
    std::string name;              // the folder's or image's name
    std::filesystem::path location;
    std::filesystem::path where;   // the place it was found in
    bool image = false;
    friend bool operator==(const FoundTitle&, const FoundTitle&) = default;
};

// Looks for titles in every place at once, each on a thread of its own, so that a slow or hung
// mount holds up neither the window nor the other places. A look that never ends (a hung network
// mount) cannot be cancelled: its thread is left to itself, and the place is not looked at again
// until it ends.
class TitleSearch {
public:
    explicit TitleSearch(std::vector<TitlePlace> places);
    ~TitleSearch();
    TitleSearch(const TitleSearch&) = delete;
    TitleSearch& operator=(const TitleSearch&) = delete;

    // Starts a new look in every place whose last look has ended.
    void lookAgain();
    // Waits until every look has ended, or `limit` has passed.
    void waitFor(std::chrono::milliseconds limit) const;
    // What the latest finished looks found, place by place.
    std::vector<FoundTitle> found() const;
    // Places whose look has gone on for longer than `limit`.
    std::vector<std::filesystem::path> notAnswering(std::chrono::milliseconds limit) const;
    // Changes whenever found() does.
    std::uint64_t generation() const;
    const std::vector<TitlePlace>& places() const { return places_; }

private:
    struct Shared;
    std::vector<TitlePlace> places_;
    std::shared_ptr<Shared> shared_;
};

// The titles in one place, looked for at once on the calling thread.
std::vector<FoundTitle> titlesIn(const TitlePlace& place);

}  // namespace vemra::app
