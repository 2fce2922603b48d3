#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/text_export_logical.h"
#include "title/title_texts.h"

namespace vemra::app {

// A page of the exported book: its file name without extension ("01-frm10"), and what it holds.
struct BookPage {
    std::string name;
    std::string window;
    std::string what;
};

// A page as XHTML that HTML parsers read alike (`lang="fa" dir="rtl"`, the program's own words
// marked English and left to right), with links to the contents and the pages beside it.
std::string htmlPage(const title::TextPage& page, const LogicalTexts& texts, const BookPage* previous,
                     const BookPage* next);
// The contents of the book: every page, linked, with its plain text file beside it.
std::string htmlContents(std::span<const BookPage> pages);
// The same texts as plain text, headings marked as in Markdown.
std::string plainPage(const title::TextPage& page, const LogicalTexts& texts);

// The text with the characters that mark up HTML written as references, and without the control
// characters that no XML document may hold.
std::string escapedHtml(std::string_view text);

}  // namespace vemra::app
