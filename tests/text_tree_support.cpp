#include "text_tree_support.h"

#include <algorithm>
#include <fstream>
#include <functional>

#include "kit/bmp_writer.h"
#include "platform/gfx/png.h"
#include "test_paths.h"

namespace vemra::testing {

namespace fs = std::filesystem;

namespace {

// Letters of the display fonts (beh, teh, seen, sheen, sad and their forms).
constexpr std::uint8_t inkCodes[] = {40, 41, 42, 43, 48, 49, 50, 51, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 93};

fs::path fileOf(const fs::path& root, std::string_view contentPath) {
    fs::path file = root;
    for (std::size_t start = 0, end; start <= contentPath.size(); start = end + 1) {
        end = std::min(contentPath.find('\\', start), contentPath.size());
        file /= std::string(contentPath.substr(start, end - start));
    }
    fs::create_directories(file.parent_path());
    return file;
}

std::string withCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

ScriptRun runOnTree(const fs::path& tree, const std::string& script, const std::string& displayEnv,
                    const std::string& extraArgs) {
    if (!fs::exists(fs::path(test_paths::demoTree) / "read01.fon"))
        ADD_FAILURE() << "no demo tree at " << test_paths::demoTree << " (./test builds it)";
    TempDir windows;
    return runScript("wait 20\nclick 638 470\nwait 50\n" + script,
                     (displayEnv.empty() ? "--headless " : "") + extraArgs + " --content '" + tree.string() + "'",
                     displayEnv + "VEMRA_WINDOWS_DIR='" + windows.path().string() + "' ");
}

std::string glyphLine(int length, int seed) {
    std::string line;
    for (int i = 0; i < length; ++i) line += char(inkCodes[std::size_t(seed * 7 + i * 3) % std::size(inkCodes)]);
    return line;
}

std::vector<std::string> glyphLines(int count, int length, int seed) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(glyphLine(length, seed * 31 + i));
    return lines;
}

gfx::Bitmap patterned(int width, int height) {
    gfx::Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.setPixel(x, y, gfx::Color{std::uint8_t(40 + x % 128), std::uint8_t(y % 128), 100}.pixel());
    return b;
}

gfx::Rect inkOver(const gfx::Bitmap& shot, gfx::Rect area, const gfx::Bitmap& background, gfx::Point origin) {
    gfx::Rect ink;
    for (int y = area.top; y < area.bottom(); ++y)
        for (int x = area.left; x < area.right(); ++x)
            if (shot.pixel(x, y) != background.pixel(x - origin.x, y - origin.y)) ink = ink.united({x, y, 1, 1});
    return ink;
}

TextTree::TextTree() {
    const fs::path demo = test_paths::demoTree;
    for (const char* name : {"read01.fon", "read02.fon", "Serife.fon", "data1", "qem00.ani"})
        if (fs::exists(demo / name)) fs::create_symlink(demo / name, dir_ / name);
    // The lists the main menu loads, empty until a test writes them.
    for (const char* list : {"data2\\qem0001.dat", "data2\\qem0002.dat", "data2\\qem0024.dat"}) writeLines(list, {});
}

void TextTree::writeLines(std::string_view contentPath, const std::vector<std::string>& lines) const {
    std::ofstream(fileOf(path(), contentPath), std::ios::binary) << withCrLf(lines);
}

void TextTree::writeFields(std::string_view contentPath, const std::vector<std::int64_t>& values) const {
    std::string text;
    for (const std::int64_t v : values) {
        const std::string digits = std::to_string(v);
        text += std::string(8 - std::min<std::size_t>(8, digits.size()), ' ') + digits;
    }
    std::ofstream(fileOf(path(), contentPath), std::ios::binary) << text;
}

void TextTree::writePicture(std::string_view contentPath, const gfx::Bitmap& bitmap) const {
    kit::writeBmp(fileOf(path(), contentPath), bitmap);
}

void TextTree::remove(std::string_view contentPath) const { fs::remove(fileOf(path(), contentPath)); }

void TextTree::writeTexts(std::string_view poolPath, std::string_view indexPath,
                          const std::vector<std::vector<std::string>>& texts) const {
    std::string pool;
    std::vector<std::int64_t> ranges;
    for (const auto& text : texts) {
        const std::string body = withCrLf(text);
        ranges.push_back(std::int64_t(pool.size()));
        ranges.push_back(std::int64_t(body.size()) - 2);  // a text ends before its last line end
        pool += body;
    }
    std::ofstream(fileOf(path(), poolPath), std::ios::binary) << pool;
    writeFields(indexPath, ranges);
}

gfx::Bitmap TextTree::shot(const std::string& name) const { return gfx::readPng(shotPath(name)); }

StandardArticles writeStandardArticles(const TextTree& tree) {
    StandardArticles content;
    content.sections.resize(5);
    int seed = 0;
    for (const int size : {3, 8, 20, 2, 2}) content.sections.push_back(glyphLines(size, 6, ++seed));
    content.sections[9][0] = glyphLine(40, 99);

    std::vector<std::string> titles;
    std::vector<std::int64_t> ranges, entries;
    for (const auto& section : content.sections) {
        ranges.push_back(std::int64_t(titles.size()));
        titles.insert(titles.end(), section.begin(), section.end());
        ranges.push_back(std::int64_t(titles.size()) - 1);
    }
    for (int e = 0; e < StandardArticles::titleCount; ++e) entries.push_back(StandardArticles::titleCount - e);
    tree.writeLines("data2\\qem0024.dat", {titles.rbegin(), titles.rend()});
    tree.writeFields("data2\\qem0001.dat", ranges);
    tree.writeFields("data2\\qem0002.dat", entries);

    // Each article is one text of the pool; its four parts are texts of a second pool laid over it.
    std::vector<std::vector<std::string>> articles;
    std::vector<std::int64_t> parts;
    for (int n = 0; n < StandardArticles::titleCount; ++n) {
        std::vector<std::string> first = glyphLines(4, 12, n);
        first[0] = "\xC3\xC4\xC5";
        const std::vector<std::vector<std::string>> four{first, glyphLines(20, 10, n + 100),
                                                         {glyphLine(n % 2 == 0 ? 14 : 15, n)},
                                                         {glyphLine(n % 2 == 0 ? 2 : 14, n)}};
        std::vector<std::string> article;
        std::int64_t offset = 0;
        for (const auto& part : four) {
            const std::int64_t length = std::int64_t(withCrLf(part).size()) - 2;
            parts.insert(parts.end(), {offset, length});
            offset += length + 2;
            article.insert(article.end(), part.begin(), part.end());
        }
        articles.push_back(article);
    }
    tree.writeTexts("data2\\qem0005.dat", "data2\\qem0003.dat", articles);
    tree.writeFields("data2\\qem0004.dat", parts);
    return content;
}

DemoTreeWithout::DemoTreeWithout(std::initializer_list<std::string_view> contentPaths) {
    std::vector<fs::path> left;
    for (std::string_view contentPath : contentPaths) left.push_back(fileOf(test_paths::demoTree, contentPath));
    const auto holdsLeftOut = [&](const fs::path& dir) {
        return std::ranges::any_of(left, [&](const fs::path& file) {
            return std::mismatch(dir.begin(), dir.end(), file.begin(), file.end()).first == dir.end();
        });
    };
    // Directories on the way to the files left out are made afresh; everything else is linked.
    std::function<void(const fs::path&, const fs::path&)> mirror = [&](const fs::path& from, const fs::path& to) {
        for (const auto& entry : fs::directory_iterator(from)) {
            const fs::path target = to / entry.path().filename();
            if (std::ranges::find(left, entry.path()) != left.end()) continue;
            if (entry.is_directory() && holdsLeftOut(entry.path())) {
                fs::create_directories(target);
                mirror(entry.path(), target);
            } else {
                fs::create_symlink(entry.path(), target);
            }
        }
    };
    mirror(test_paths::demoTree, path());
}

void writeReadings(const TextTree& tree, const std::vector<std::string>& titles,
                   const std::vector<std::vector<std::string>>& texts) {
    tree.writeLines("data2\\qem0015.dat", titles);
    tree.writeTexts("data2\\qem0017.dat", "data2\\qem0016.dat", texts);
}

}  // namespace vemra::testing
