#pragma once

// Content trees for the scenario tests of the text screens: the demo tree's fonts, music and
// intro, with the text files and pictures that each test writes for the case it checks.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "scenario_support.h"

namespace vemra::testing {

// Runs the title on a content tree with the intro skipped: headless, or with its window on the
// display that `displayEnv` names (VirtualDisplay::env()), with `extraArgs` on the command line.
ScriptRun runOnTree(const std::filesystem::path& tree, const std::string& script, const std::string& displayEnv = "",
                    const std::string& extraArgs = "");

// `count` lines of `length` glyph codes that all draw ink, different for each seed.
std::string glyphLine(int length, int seed);
std::vector<std::string> glyphLines(int count, int length, int seed);

// A picture whose every pixel tells its position, in colours that no text is drawn in.
gfx::Bitmap patterned(int width, int height);

// The part of `area` where a screenshot differs from a panel background drawn at `origin`.
gfx::Rect inkOver(const gfx::Bitmap& shot, gfx::Rect area, const gfx::Bitmap& background, gfx::Point origin);

class TextTree {
public:
    TextTree();

    const std::filesystem::path& path() const { return dir_.path(); }
    void writeLines(std::string_view contentPath, const std::vector<std::string>& lines) const;
    // One line of 8-character fields.
    void writeFields(std::string_view contentPath, const std::vector<std::int64_t>& values) const;
    void writePicture(std::string_view contentPath, const gfx::Bitmap& bitmap) const;
    void remove(std::string_view contentPath) const;
    // Writes a text pool of `texts` and the field file of their starts and lengths.
    void writeTexts(std::string_view poolPath, std::string_view indexPath,
                    const std::vector<std::vector<std::string>>& texts) const;

    ScriptRun run(const std::string& script, const std::string& displayEnv = "") const {
        return runOnTree(path(), script, displayEnv);
    }
    std::string shotPath(const std::string& name) const { return (dir_ / (name + ".png")).string(); }
    gfx::Bitmap shot(const std::string& name) const;

private:
    TempDir dir_;
};

// The article content most tests share. Sections 6 to 10 (the lists frm10, frm22, frm21, frm11,
// frm12) hold 3, 8, 20, 2 and 2 titles; frm12's first title is wider than its row. The titles
// file holds the titles in reverse order, so entry e stands for article 34 - e. Every article has
// a first part of 4 lines, the first of them marks alone, and a second part of 20 lines; even
// articles have parts 3 and 4 of 14 and 2 characters, odd ones of 15 and 14.
struct StandardArticles {
    static constexpr int titleCount = 35;
    std::vector<std::vector<std::string>> sections;
    static int articleOfEntry(int e) { return titleCount - 1 - e; }
};
StandardArticles writeStandardArticles(const TextTree& tree);

// The demo tree with files left out (content paths such as "data1\00.dat"), for a test to write
// its own in their place or to do without them.
class DemoTreeWithout {
public:
    explicit DemoTreeWithout(std::string_view contentPath) : DemoTreeWithout({contentPath}) {}
    explicit DemoTreeWithout(std::initializer_list<std::string_view> contentPaths);
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
};

// Writes the titles and texts of the title and text reading screen.
void writeReadings(const TextTree& tree, const std::vector<std::string>& titles,
                   const std::vector<std::vector<std::string>>& texts);

}  // namespace vemra::testing
