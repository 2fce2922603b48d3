#include "app/title_search.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "content/title_probe.h"

namespace vemra::app {

namespace {

using Clock = std::chrono::steady_clock;

bool isDiscImageName(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".iso";
}

}  // namespace

std::vector<FoundTitle> titlesIn(const TitlePlace& place) {
    std::vector<FoundTitle> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(place.folder, error), end; !error && it != end; it.increment(error)) {
        const auto& path = it->path();
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (content::probeFolder(path).holdsTitle) found.push_back({path.filename().string(), path, place.folder, false});
        } else if (!place.mountRoot && isDiscImageName(path) && it->is_regular_file(kindError)) {
            if (content::probeDiscImage(path).holdsTitle) found.push_back({path.filename().string(), path, place.folder, true});
        }
    }
    std::sort(found.begin(), found.end(), [](const FoundTitle& a, const FoundTitle& b) { return a.name < b.name; });
    return found;
}

struct TitleSearch::Shared {
    struct Look {
        bool running = false;
        Clock::time_point since;
        std::vector<FoundTitle> found;
    };
    mutable std::mutex mutex;
    mutable std::condition_variable ended;
    std::vector<Look> looks;
    std::uint64_t generation = 0;
};

TitleSearch::TitleSearch(std::vector<TitlePlace> places) : places_(std::move(places)), shared_(std::make_shared<Shared>()) {
    shared_->looks.resize(places_.size());
    lookAgain();
}

TitleSearch::~TitleSearch() = default;

void TitleSearch::lookAgain() {
    std::lock_guard lock(shared_->mutex);
    for (std::size_t i = 0; i < places_.size(); ++i) {
        auto& look = shared_->looks[i];
        if (look.running) continue;
        look.running = true;
        look.since = Clock::now();
        // The thread owns what it uses, so it may outlive the search (and the window) when stuck.
        std::thread([shared = shared_, place = places_[i], i] {
            auto found = titlesIn(place);
            std::lock_guard lock(shared->mutex);
            auto& look = shared->looks[i];
            look.running = false;
            if (found != look.found) {
                look.found = std::move(found);
                ++shared->generation;
            }
            shared->ended.notify_all();
        }).detach();
    }
}

void TitleSearch::waitFor(std::chrono::milliseconds limit) const {
    std::unique_lock lock(shared_->mutex);
    shared_->ended.wait_for(lock, limit, [&] {
        return std::none_of(shared_->looks.begin(), shared_->looks.end(), [](const Shared::Look& l) { return l.running; });
    });
}

std::vector<FoundTitle> TitleSearch::found() const {
    std::lock_guard lock(shared_->mutex);
    std::vector<FoundTitle> all;
    for (const auto& look : shared_->looks) all.insert(all.end(), look.found.begin(), look.found.end());
    return all;
}

std::vector<std::filesystem::path> TitleSearch::notAnswering(std::chrono::milliseconds limit) const {
    std::lock_guard lock(shared_->mutex);
    std::vector<std::filesystem::path> slow;
    const auto now = Clock::now();
    for (std::size_t i = 0; i < places_.size(); ++i)
        if (shared_->looks[i].running && now - shared_->looks[i].since > limit) slow.push_back(places_[i].folder);
    return slow;
}

std::uint64_t TitleSearch::generation() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->generation;
}

}  // namespace vemra::app
