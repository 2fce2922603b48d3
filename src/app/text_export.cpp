#include "app/text_export.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/text_export_logical.h"
#include "app/text_export_pages.h"
#include "app/text_export_progress.h"
#include "app/text_export_report.h"
#include "content/content_source.h"
#include "content/glyph_map.h"
#include "title/title_texts.h"

namespace vemra::app {

namespace fs = std::filesystem;

namespace {

class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool within(const fs::path& folder, const fs::path& path) {
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first == folder.end();
}

// Whether `out` lies in the content folder, as named or where its links lead.
bool insideContent(const fs::path& out) {
    const fs::path& content = content::contentSource().location();
    std::error_code error;
    if (!fs::is_directory(content, error)) return false;
    if (within(fs::absolute(content).lexically_normal(), fs::absolute(out).lexically_normal())) return true;
    const fs::path root = fs::canonical(content, error);
    const fs::path target = fs::weakly_canonical(out, error);
    return !error && within(root, target);
}

// Why nothing can be written into `out`, if so: it lies in the content folder or cannot be made.
std::optional<std::string> unusableOutput(const fs::path& out) {
    if (insideContent(out))
        return out.string() + " lies inside the content " + content::contentSource().location().string() +
               ", which is never written to";
    std::error_code error;
    for (const char* folder : {"html", "text"}) {
        fs::create_directories(out / folder, error);
        if (error) return "cannot make " + (out / folder).string() + ": " + error.message();
    }
    return std::nullopt;
}

void write(const fs::path& file, const std::string& text) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream << text;
    stream.close();
    if (!stream) throw WriteError("cannot write " + file.string());
}

std::string pageName(std::size_t number, std::string_view window) {
    return (number < 10 ? "0" : "") + std::to_string(number) + "-" + std::string(window);
}

}  // namespace

int exportText(const fs::path& out) {
    const auto start = std::chrono::steady_clock::now();
    if (const auto problem = unusableOutput(out)) {
        std::fprintf(stderr, "vemra: %s\n", problem->c_str());
        return 2;
    }
    const std::vector<std::string_view> windows = title::textWindows();
    ProgressBar progress(windows.size());
    std::vector<std::string> damage;
    const auto noteDamage = [&](const std::string& what) {
        if (std::ranges::find(damage, what) != damage.end()) return;
        damage.push_back(what);
        progress.clear();
        std::fprintf(stderr, "vemra: %s (left out)\n", what.c_str());
    };

    const content::ContentGlyphMap glyphs = content::readGlyphMap();
    if (glyphs.damage) noteDamage(*glyphs.damage);
    title::TextFiles files;
    ExportTally tally;
    std::vector<BookPage> book;
    for (std::size_t i = 0; i < windows.size(); ++i)
        book.push_back({pageName(i + 1, windows[i]), std::string(windows[i]), {}});
    try {
        for (std::size_t i = 0; i < windows.size(); ++i) {
            progress.show(i, windows[i]);
            const title::TextPage page = title::collectTexts(windows[i], files);
            book[i].what = page.what;
            for (const std::string& d : page.damage) noteDamage(d);
            const LogicalTexts texts(page, glyphs.map, tally);
            write(out / "html" / (book[i].name + ".html"),
                  htmlPage(page, texts, i > 0 ? &book[i - 1] : nullptr, i + 1 < book.size() ? &book[i + 1] : nullptr));
            write(out / "text" / (book[i].name + ".txt"), plainPage(page, texts));
        }
        write(out / "html" / "index.html", htmlContents(book));
    } catch (const WriteError& e) {
        progress.clear();
        std::fprintf(stderr, "vemra: %s\n", e.what());
        return 2;
    }
    progress.clear();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::fputs(exportReport(tally, book.size(), out, damage, took.count()).c_str(), stdout);
    return damage.empty() ? 0 : 1;
}

}  // namespace vemra::app
