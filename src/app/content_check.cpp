#include "app/content_check.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "app/content_check_files.h"
#include "app/text_export_progress.h"
#include "content/content_source.h"

namespace vemra::app {

namespace {

constexpr const char* stateNames[] = {"ok", "missing", "damaged"};

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? "(root)" : path.substr(0, slash);
}

std::string fileOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Pads to `width` columns, counting UTF-8 characters.
std::string padded(const std::string& text, std::size_t width) {
    std::size_t columns = 0;
    for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return text + std::string(width > columns ? width - columns : 1, ' ');
}

std::string stateText(const CheckedFile& f) {
    std::string text = stateNames[int(f.state)];
    if (!f.reasons.empty() && f.state != FileState::ok) {
        text += ": " + f.reasons.front();
        if (f.reasons.size() > 1) text += " (and " + std::to_string(f.reasons.size() - 1) + " more)";
    }
    if (!f.storedAs.empty()) text += " (found as " + f.storedAs + ")";
    return text;
}

// Folders in the order their first file was named; a folder's files in that order too.
std::vector<std::pair<std::string, std::vector<const CheckedFile*>>> byFolder(const std::vector<CheckedFile>& files) {
    std::vector<std::pair<std::string, std::vector<const CheckedFile*>>> folders;
    for (const CheckedFile& f : files) {
        const std::string folder = folderOf(f.path);
        auto it = std::ranges::find_if(folders, [&](const auto& entry) { return entry.first == folder; });
        if (it == folders.end()) it = folders.insert(folders.end(), {folder, {}});
        it->second.push_back(&f);
    }
    std::ranges::stable_sort(folders, {}, [](const auto& entry) { return entry.first; });
    return folders;
}

struct Counts {
    std::size_t ok = 0, missing = 0, damaged = 0, otherCase = 0;
};

Counts count(const std::vector<const CheckedFile*>& files) {
    Counts c;
    for (const CheckedFile* f : files) {
        (f->state == FileState::ok ? c.ok : f->state == FileState::missing ? c.missing : c.damaged) += 1;
        c.otherCase += !f->storedAs.empty();
    }
    return c;
}

Counts count(const std::vector<CheckedFile>& files) {
    std::vector<const CheckedFile*> all;
    for (const CheckedFile& f : files) all.push_back(&f);
    return count(all);
}

std::string summary(const Counts& c, std::size_t files, std::size_t unnamed, double seconds) {
    char took[32];
    std::snprintf(took, sizeof took, "%.1f s", seconds);
    std::string text = "checked " + std::to_string(files) + " files of " + content::contentSource().location().string() +
                       " in " + took + ": " + std::to_string(c.ok) + " ok, " + std::to_string(c.missing) +
                       " missing, " + std::to_string(c.damaged) + " damaged";
    if (c.otherCase) text += "; " + std::to_string(c.otherCase) + " found under another case";
    if (unnamed) text += "; " + std::to_string(unnamed) + (unnamed == 1 ? " other file" : " other files") + " no rule names";
    text += c.missing + c.damaged == 0 ? "\nevery file the title reads is there and reads: the title will play\n"
                                       : "\nthe title will not play as made where these files are needed\n";
    return text;
}

void printTables(const std::vector<CheckedFile>& files, const std::vector<std::string>& unnamed) {
    for (const auto& [folder, list] : byFolder(files)) {
        std::size_t nameWidth = 4, whatWidth = 4;
        for (const CheckedFile* f : list) {
            nameWidth = std::max(nameWidth, fileOf(f->path).size());
            whatWidth = std::max(whatWidth, f->what.size());
        }
        const Counts c = count(list);
        std::printf("%s (%zu file%s: %zu ok, %zu missing, %zu damaged)\n", folder.c_str(), list.size(),
                    list.size() == 1 ? "" : "s", c.ok, c.missing, c.damaged);
        std::printf("  %s%s%s\n", padded("file", nameWidth + 2).c_str(), padded("what", whatWidth + 2).c_str(), "state");
        for (const CheckedFile* f : list)
            std::printf("  %s%s%s\n", padded(fileOf(f->path), nameWidth + 2).c_str(), padded(f->what, whatWidth + 2).c_str(),
                        stateText(*f).c_str());
        std::printf("\n");
    }
    if (!unnamed.empty()) {
        std::printf("files no rule names (never read by the title):\n");
        for (const std::string& path : unnamed) std::printf("  %s\n", path.c_str());
        std::printf("\n");
    }
}

nlohmann::json report(const std::vector<CheckedFile>& files, const std::vector<std::string>& unnamed, const Counts& c,
                      double seconds) {
    nlohmann::json list = nlohmann::json::array();
    for (const CheckedFile& f : files) {
        nlohmann::json entry{{"path", f.path}, {"folder", folderOf(f.path)}, {"what", f.what},
                             {"state", stateNames[int(f.state)]}, {"reasons", f.reasons}};
        if (!f.storedAs.empty()) entry["storedAs"] = f.storedAs;
        list.push_back(std::move(entry));
    }
    return {{"content", content::contentSource().location().string()},
            {"files", std::move(list)},
            {"unnamed", unnamed},
            {"summary",
             {{"files", files.size()}, {"ok", c.ok}, {"missing", c.missing}, {"damaged", c.damaged},
              {"otherCase", c.otherCase}, {"unnamed", unnamed.size()}, {"seconds", seconds}, {"plays", c.missing + c.damaged == 0}}}};
}

}  // namespace

int checkContent(bool json) {
    const auto start = std::chrono::steady_clock::now();
    ContentCheck check;
    {
        std::optional<ProgressBar> progress;
        check.run([&](std::size_t done, std::size_t total, std::string_view name) {
            if (!progress) progress.emplace(total);
            progress->show(done, name);
        });
    }
    const auto unnamed = check.unnamed();
    const Counts c = count(check.files());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (json) {
        std::printf("%s\n", report(check.files(), unnamed, c, seconds).dump(2).c_str());
    } else {
        printTables(check.files(), unnamed);
        std::fputs(summary(c, check.files().size(), unnamed.size(), seconds).c_str(), stdout);
    }
    return c.missing + c.damaged == 0 ? 0 : 1;
}

}  // namespace vemra::app
