#include "app/content_check_files.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/content_check_steps.h"
#include "content/content_error.h"
#include "content/content_source.h"

namespace vemra::app {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

CheckedFile& ContentCheck::name(std::string_view path, std::string_view what) {
    const std::string key = lower(path);
    if (const auto found = index_.find(key); found != index_.end()) return files_[found->second];
    CheckedFile file{std::string(path), std::string(what), {}, FileState::ok, {}};
    const auto& source = content::contentSource();
    if (const auto stored = source.storedPath(path); stored && *stored != path) file.storedAs = *stored;
    if (source.kind(path) == content::EntryKind::none) {
        file.state = FileState::missing;
        file.reasons.push_back("cannot open " + std::string(path) + ": no such file");
    }
    index_.emplace(key, files_.size());
    files_.push_back(std::move(file));
    return files_.back();
}

void ContentCheck::fault(std::string_view path, const std::string& message) {
    // The file the message names first, of those named so far (of two names that start at one
    // place, the longer).
    const std::string text = lower(message);
    std::optional<std::size_t> blamed;
    std::size_t earliest = std::string::npos, longest = 0;
    for (const auto& [key, i] : index_) {
        const auto at = text.find(key);
        if (at == std::string::npos || at > earliest || (at == earliest && key.size() <= longest)) continue;
        earliest = at;
        longest = key.size();
        blamed = i;
    }
    if (!blamed && path.empty()) {
        // A message of the title's readers starts with the file ("X: …", "cannot open X: …").
        std::string_view named = message;
        if (named.starts_with("cannot open ")) named.remove_prefix(12);
        path = named.substr(0, named.find(':'));
    }
    CheckedFile& file = blamed ? files_[*blamed] : name(path, "");
    if (file.state == FileState::missing) return;
    file.state = FileState::damaged;
    if (std::ranges::find(file.reasons, message) == file.reasons.end()) file.reasons.push_back(message);
}

void ContentCheck::read(std::string_view path, std::string_view what, const std::function<void()>& read) {
    if (name(path, what).state == FileState::missing) return;
    try {
        read();
    } catch (const std::bad_alloc&) {
        fault(path, std::string(path) + ": not enough memory to read it");
    } catch (const std::exception& e) {
        fault(path, e.what());
    }
}

std::vector<std::string> ContentCheck::unnamed() const {
    std::vector<std::string> left;
    const auto& source = content::contentSource();
    std::vector<std::string> named;
    for (const CheckedFile& f : files_)
        if (const auto stored = source.storedPath(f.path)) named.push_back(lower(*stored));
    std::ranges::sort(named);
    const std::function<void(const std::string&)> walk = [&](const std::string& directory) {
        for (const std::string& entry : source.entries(directory)) {
            const std::string path = directory.empty() ? entry : directory + "\\" + entry;
            if (source.kind(path) == content::EntryKind::directory)
                walk(path);
            else if (!std::ranges::binary_search(named, lower(path)))
                left.push_back(path);
        }
    };
    walk("");
    return left;
}

void ContentCheck::run(const std::function<void(std::size_t, std::size_t, std::string_view)>& step) {
    const auto steps = checkSteps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        step(i, steps.size(), steps[i].name);
        steps[i].run(*this);
    }
}

}  // namespace vemra::app
