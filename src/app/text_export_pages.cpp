#include "app/text_export_pages.h"

#include <algorithm>

namespace vemra::app {

namespace {

constexpr std::string_view style =
    "body{font-family:\"Noto Naskh Arabic\",\"Noto Sans Arabic\",serif;font-size:20px;line-height:1.9;"
    "max-width:44em;margin:1.5em auto;padding:0 1em;color:#222;background:#fdfcf8}"
    "[lang=en]{font-family:\"DejaVu Sans\",sans-serif;font-size:.8em}"
    "h1{font-size:1.4em}h2{font-size:1.25em;border-bottom:1px solid #ccc}h3,h4,h5,h6{font-size:1.1em}"
    "nav{margin-bottom:1em}ol{list-style-type:persian}ol[lang=en]{list-style-type:decimal}.damage{color:#a00}";

// The program's own words in the Persian page.
std::string english(std::string_view text) { return "<span lang=\"en\" dir=\"ltr\">" + escapedHtml(text) + "</span>"; }

std::string head(std::string_view title) {
    return "<!DOCTYPE html>\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"fa\" xml:lang=\"fa\" dir=\"rtl\">\n"
           "<head>\n<meta charset=\"utf-8\"/>\n<title>" +
           escapedHtml(title) + "</title>\n<style>" + std::string(style) + "</style>\n</head>\n<body>\n";
}

std::string pageTitle(const title::TextPage& page) { return page.window + ": " + page.what; }

std::string link(const BookPage& page, std::string_view relation) {
    return " · <a href=\"" + escapedHtml(page.name) + ".html\" rel=\"" + std::string(relation) + "\">" +
           (relation == "prev" ? "previous: " : "next: ") + escapedHtml(page.window) + "</a>";
}

void addHtml(std::string& out, const title::TextNode& node, const LogicalTexts& texts, int depth) {
    const std::string level = std::to_string(std::min(depth + 2, 6));
    out += "<section>\n<h" + level + ">";
    if (node.title) {
        for (const std::string& line : texts.of(*node.title)) out += escapedHtml(line);
    } else {
        out += english(node.label);
    }
    out += "</h" + level + ">\n";
    const std::vector<std::string>& lines = texts.of(node.text);
    if (!lines.empty()) {
        out += node.listed ? "<ol>\n" : "<p>";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (node.listed) {
                out += "<li>" + escapedHtml(lines[i]) + "</li>\n";
            } else {
                out += (i > 0 ? "<br/>\n" : "") + escapedHtml(lines[i]);
            }
        }
        out += node.listed ? "</ol>\n" : "</p>\n";
    }
    for (const title::TextNode& child : node.children) addHtml(out, child, texts, depth + 1);
    out += "</section>\n";
}

void addPlain(std::string& out, const title::TextNode& node, const LogicalTexts& texts, int depth) {
    out += "\n" + std::string(std::size_t(depth + 2), '#') + " ";
    if (node.title) {
        for (const std::string& line : texts.of(*node.title)) out += line;
    } else {
        out += node.label;
    }
    out += "\n";
    const std::vector<std::string>& lines = texts.of(node.text);
    if (!lines.empty()) out += "\n";
    for (const std::string& line : lines) out += (node.listed ? "- " : "") + line + "\n";
    for (const title::TextNode& child : node.children) addPlain(out, child, texts, depth + 1);
}

}  // namespace

std::string escapedHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
        }
    }
    return out;
}

std::string htmlPage(const title::TextPage& page, const LogicalTexts& texts, const BookPage* previous,
                     const BookPage* next) {
    std::string out = head(pageTitle(page));
    out += "<nav lang=\"en\" dir=\"ltr\"><a href=\"index.html\" rel=\"contents\">contents</a>";
    if (previous) out += link(*previous, "prev");
    if (next) out += link(*next, "next");
    out += "</nav>\n<h1>" + english(pageTitle(page)) + "</h1>\n";
    for (const std::string& damage : page.damage)
        out += "<p class=\"damage\" lang=\"en\" dir=\"ltr\">Left out: " + escapedHtml(damage) + "</p>\n";
    for (const title::TextNode& node : page.nodes) addHtml(out, node, texts, 0);
    return out + "</body>\n</html>\n";
}

std::string htmlContents(std::span<const BookPage> pages) {
    std::string out = head("The texts of the title");
    out += "<h1>" + english("The texts of the title") + "</h1>\n<ol lang=\"en\" dir=\"ltr\">\n";
    for (const BookPage& page : pages)
        out += "<li><a href=\"" + escapedHtml(page.name) + ".html\">" + escapedHtml(page.window) + "</a>: " +
               escapedHtml(page.what) + " (<a href=\"../text/" + escapedHtml(page.name) +
               ".txt\">plain text</a>)</li>\n";
    return out + "</ol>\n</body>\n</html>\n";
}

std::string plainPage(const title::TextPage& page, const LogicalTexts& texts) {
    std::string out = "# " + pageTitle(page) + "\n";
    for (const std::string& damage : page.damage) out += "\nLeft out: " + damage + "\n";
    for (const title::TextNode& node : page.nodes) addPlain(out, node, texts, 0);
    return out;
}

}  // namespace vemra::app
