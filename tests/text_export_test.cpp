// --export-text on the demo tree and on a damaged copy of it: the HTML book read back with a real
// XML parser, the plain text files beside it, and the report of what was converted and left out.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "content/logical_text.h"
#include "kit/corpus/corpus.h"
#include "kit/shaper.h"
#include "platform/gfx/utf8.h"
#include "scenario_support.h"
#include "test_paths.h"
#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

// The windows that show texts, in the order of the navigation map.
const std::vector<std::string> pageWindows = {"frm10", "frm22", "frm21", "frm11", "frm12", "frm2",
                                              "frm27", "frm29", "frm28", "frm8",  "frm5",  "frm30",
                                              "frm31", "frm18", "frm36", "frm35", "frm32"};

struct Export {
    int exitCode = -1;
    std::string report, errors;
};

Export exportText(const fs::path& tree, const fs::path& out) {
    const TempDir logs;
    const std::string command = "'" + std::string(test_paths::binary) + "' --export-text '" + out.string() +
                                "' --content '" + tree.string() + "' >'" + (logs / "out").string() + "' 2>'" +
                                (logs / "err").string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileContents(logs / "out"), fileContents(logs / "err")};
}

// Every page of the book as an XML parser reads it (and fails on one that is not well formed): its
// file, the html element's lang and dir, and in document order its headings, list entries and the
// lines of its paragraphs, each as [tag, text].
const char* const readBook = R"(
import glob, json, os, sys, xml.dom.minidom
def text(node):
    if node.nodeType == node.TEXT_NODE:
        return node.data
    return "".join(text(child) for child in node.childNodes)
pages = []
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*.html"))):
    document = xml.dom.minidom.parse(path)
    items = []
    for element in document.getElementsByTagName("*"):
        if element.tagName in ("h1", "h2", "h3", "h4", "h5", "h6", "li"):
            items.append([element.tagName, text(element)])
        elif element.tagName == "p":
            items += [["p", line] for line in text(element).split("\n")]
    root = document.documentElement
    pages.append({"file": os.path.basename(path), "lang": root.getAttribute("lang"),
                  "dir": root.getAttribute("dir"), "items": items})
print(json.dumps(pages))
)";

nlohmann::json parsedBook(const fs::path& html) {
    const TempDir dir;
    std::ofstream(dir / "read_book.py") << readBook;
    const std::string command = "python3 '" + (dir / "read_book.py").string() + "' '" + html.string() + "' >'" +
                                (dir / "book.json").string() + "'";
    if (std::system(command.c_str()) != 0) return nullptr;
    return nlohmann::json::parse(fileContents(dir / "book.json"));
}

const nlohmann::json& pageOf(const nlohmann::json& book, const std::string& window) {
    for (const auto& page : book)
        if (page["file"].get<std::string>().ends_with("-" + window + ".html")) return page;
    throw std::runtime_error("no page for " + window);
}

std::vector<std::string> itemsTagged(const nlohmann::json& page, const std::string& tag) {
    std::vector<std::string> texts;
    for (const auto& item : page["items"])
        if (item[0] == tag) texts.push_back(item[1]);
    return texts;
}

// The headings right under the level-2 heading `heading` of a page.
std::vector<std::string> subheadings(const nlohmann::json& page, const std::string& heading) {
    std::vector<std::string> found;
    bool under = false;
    for (const auto& item : page["items"]) {
        if (item[0] == "h2") under = item[1] == heading;
        if (under && item[0] == "h3") found.push_back(item[1]);
    }
    return found;
}

bool persian(const std::string& text) {
    return std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// A text of the kit's corpus as the fonts show it: without its marks, digits as Persian digits.
std::string asShown(std::string_view source) {
    const std::u32string characters = gfx::decodeUtf8(source).value();
    std::u32string shown;
    for (const char32_t c : characters)
        if (!(c >= U'\u064B' && c <= U'\u065F') && c != U'\u0670') shown += kit::normalised(c);
    return content::toUtf8(shown);
}

// The parts of the seven-part articles that can be picked: those that are not empty.
std::size_t sevenPartParts() {
    std::size_t parts = 0;
    for (const auto& article : kit::corpus::sevenPartArticles())
        parts += std::size_t(std::ranges::count_if(article.parts, [](const auto& p) { return !p.empty(); }));
    return parts;
}

std::vector<std::string> asShown(const std::vector<std::string_view>& sources) {
    std::vector<std::string> shown;
    for (const std::string_view s : sources) shown.push_back(asShown(s));
    return shown;
}

// Every line of the demo's text files as stored, without a player's white-line mark and without
// the zero-advance marks, which the export drops.
std::set<std::string> storedLines() {
    std::set<std::string> lines;
    for (const auto& entry : fs::directory_iterator(fs::path(test_paths::demoTree) / "data2")) {
        std::istringstream in(fileContents(entry.path()));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (const auto mark = line.find('\x0e'); mark != std::string::npos) line.erase(mark, 1);
            std::erase_if(line, [](char c) {
                const auto code = static_cast<unsigned char>(c);
                return code >= 195 && code <= 222;
            });
            lines.insert(line);
        }
    }
    return lines;
}

// The Persian texts of a plain text page in order: headings, list entries and lines.
std::vector<std::string> plainTexts(const std::string& text) {
    std::vector<std::string> texts;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("#")) line.erase(0, line.find(' ') + 1);
        if (line.starts_with("- ")) line.erase(0, 2);
        if (persian(line)) texts.push_back(line);
    }
    return texts;
}

}  // namespace

TEST(TextExport, TheDemoBecomesAnHtmlBookAndPlainTextInTheOrderOfTheMapWithAReport) {
    const TempDir out;
    const Export run = exportText(test_paths::demoTree, out.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "") << "no progress bar when standard error is no terminal";
    const nlohmann::json book = parsedBook(out.path() / "html");
    ASSERT_TRUE(book.is_array()) << "the HTML is not well formed";
    ASSERT_EQ(book.size(), pageWindows.size() + 1);
    for (std::size_t i = 0; i < book.size(); ++i) {
        EXPECT_EQ(book[i]["lang"], "fa") << book[i]["file"];
        EXPECT_EQ(book[i]["dir"], "rtl") << book[i]["file"];
        if (book[i]["file"] == "index.html") continue;
        const std::string window = pageWindows[i];
        EXPECT_TRUE(itemsTagged(book[i], "h1").at(0).starts_with(window + ": ")) << book[i]["file"];
        EXPECT_EQ(book[i]["file"], (i < 9 ? "0" : "") + std::to_string(i + 1) + "-" + window + ".html");
    }

    // The article lists in the order of their section records, each with its titles.
    const std::vector<std::string> lists = {"frm10", "frm22", "frm21", "frm11", "frm12"};
    for (std::size_t k = 0; k < lists.size(); ++k) {
        std::vector<std::string_view> titles;
        for (const auto& article : kit::corpus::articleLists()[k]) titles.push_back(article.title);
        EXPECT_EQ(itemsTagged(pageOf(book, lists[k]), "li"), asShown(titles)) << lists[k];
    }
    const auto crafts = itemsTagged(pageOf(book, "frm21"), "li");
    EXPECT_TRUE(std::ranges::any_of(crafts, [](const std::string& t) { return t.find("بافی") != t.npos; }));
    // Parts too short to be picked are left out, as the article screen leaves them.
    const std::vector<std::string> firstTwo = {"Part 1", "Part 2"};
    EXPECT_EQ(subheadings(pageOf(book, "frm10"), asShown("گاه‌شمار مرکز")), firstTwo);
    EXPECT_EQ(subheadings(pageOf(book, "frm10"), asShown("پیدایش مرکز")).size(), 4u);

    std::vector<std::string_view> stories, albums, clips, names;
    for (const auto& story : kit::corpus::storyNarrations()) stories.push_back(story.title);
    for (const auto& entry : kit::corpus::albumEntries()) albums.push_back(entry.title);
    for (const auto title : kit::corpus::clipTitles()) clips.push_back(title);
    for (const auto name : kit::corpus::names()) names.push_back(name);
    EXPECT_EQ(itemsTagged(pageOf(book, "frm8"), "h2"), asShown(stories));
    EXPECT_EQ(itemsTagged(pageOf(book, "frm30"), "li"), asShown(albums));
    EXPECT_EQ(itemsTagged(pageOf(book, "frm31"), "li"), asShown(clips));
    EXPECT_EQ(itemsTagged(pageOf(book, "frm32"), "p"), asShown(names));
    EXPECT_EQ(itemsTagged(pageOf(book, "frm5"), "h3").size(), 21 + sevenPartParts())
        << "the 21 places and the parts of the seven-part articles";

    // Every Persian text of the book is a stored line of the demo read back, and the plain text
    // files hold the same texts in the same order.
    const std::set<std::string> stored = storedLines();
    std::size_t texts = 0;
    for (std::size_t i = 0; i < pageWindows.size(); ++i) {
        std::vector<std::string> persianItems;
        for (const auto& item : book[i]["items"])
            if (persian(item[1])) persianItems.push_back(item[1]);
        for (const std::string& text : persianItems) {
            // The list of questions shows its titles with "- " before them, which reads after them.
            const bool dashed = text.ends_with(" -");
            EXPECT_TRUE(stored.contains(kit::shape(text)) ||
                        (dashed && stored.contains(kit::shape(text.substr(0, text.size() - 2)))))
                << pageWindows[i] << ": " << text;
        }
        const fs::path plain = (out.path() / "text" / book[i]["file"].get<std::string>()).replace_extension(".txt");
        EXPECT_EQ(plainTexts(fileContents(plain)), persianItems) << plain;
        texts += persianItems.size();
    }
    EXPECT_GT(texts, 1000u);

    // The report: what was converted, and every unmapped code of the demo's texts with its files.
    EXPECT_TRUE(run.report.starts_with("exported 17 pages to " + out.path().string())) << run.report;
    std::set<int> unreachable = {2, 25, 162, 163};
    for (int mark = 195; mark <= 206; ++mark) unreachable.insert(mark);
    for (const auto& entry : fs::directory_iterator(fs::path(test_paths::demoTree) / "data2")) {
        const std::string bytes = fileContents(entry.path());
        for (const int code : unreachable) {
            if (bytes.find(char(code)) == std::string::npos) continue;
            const std::string line = "  code " + std::to_string(code) + ": ";
            const auto at = run.report.find(line);
            ASSERT_NE(at, std::string::npos) << line << "\n" << run.report;
            const std::string reported = run.report.substr(at, run.report.find('\n', at) - at);
            const std::string file = "data2\\" + entry.path().filename().string();
            EXPECT_NE(reported.find(file + " ("), std::string::npos) << reported;
        }
    }
    std::istringstream report(run.report);
    for (std::string line; std::getline(report, line);)
        if (line.starts_with("  code ")) {
            EXPECT_TRUE(unreachable.contains(std::stoi(line.substr(7)))) << line;
        }
}

TEST(TextExport, ADamagedFileIsNamedAndLeftOutAndTheRestIsExportedButNothingIntoTheContent) {
    const DemoTreeWithout tree({"data2\\qem0005.dat", "data2\\qem0013.dat"});
    fs::create_directory(tree.path() / "data2" / "qem0005.dat");
    std::ofstream(tree.path() / "data2" / "qem0013.dat") << "<&>     ";
    const TempDir out;
    const Export run = exportText(tree.path(), out.path());
    EXPECT_EQ(run.exitCode, 1) << run.errors;
    EXPECT_NE(run.errors.find("data2\\qem0005.dat: is a directory"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("data2\\qem0013.dat: field at position 1"), std::string::npos) << run.errors;
    EXPECT_NE(run.report.find("damaged files, left out:\n"), std::string::npos) << run.report;

    const nlohmann::json book = parsedBook(out.path() / "html");
    ASSERT_TRUE(book.is_array()) << "the HTML is not well formed";
    ASSERT_EQ(book.size(), pageWindows.size() + 1);
    const auto& list = pageOf(book, "frm10");
    EXPECT_EQ(itemsTagged(list, "li").size(), 8u) << "the titles without the article texts";
    EXPECT_EQ(itemsTagged(list, "h3").size(), 0u);
    const auto& places = pageOf(book, "frm5");
    EXPECT_EQ(itemsTagged(places, "p").at(0),
              "Left out: data2\\qem0013.dat: field at position 1: \"<&>     \" is not a decimal integer");
    EXPECT_EQ(subheadings(places, "Places").size(), 0u);
    EXPECT_EQ(itemsTagged(places, "h3").size(), sevenPartParts())
        << "the seven-part articles have their own pool";
    EXPECT_GT(itemsTagged(pageOf(book, "frm2"), "h3").size(), 10u);

    const fs::path inside = tree.path() / "data2" / "export";
    const Export refused = exportText(tree.path(), inside);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.errors.find("lies inside the content"), std::string::npos) << refused.errors;
    EXPECT_FALSE(fs::exists(inside));
}
