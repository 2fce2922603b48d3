#include "title/title_texts.h"

#include <algorithm>
#include <functional>
#include <map>

#include "content/content_error.h"
#include "media/album_screen.h"
#include "media/clip_screen.h"
#include "media/gallery_lists.h"
#include "media/gallery_screen.h"
#include "media/narration_index.h"
#include "media/player_variants.h"
#include "names/names_screen.h"
#include "parts/text_pool.h"
#include "text/article_list.h"
#include "text/section_entries.h"
#include "text/text_sources.h"
#include "title/navigation_map.h"

namespace vemra::title {

namespace {

using PageMaker = std::function<TextPage(TextFiles&)>;

// Runs one step of reading; a file or record that cannot be read ends the step and is noted.
void attempt(TextPage& page, const std::function<void()>& step) {
    try {
        step();
    } catch (const content::ContentError& e) {
        if (std::ranges::find(page.damage, e.what()) == page.damage.end()) page.damage.emplace_back(e.what());
    }
}

StoredText stored(std::string_view file, std::vector<std::string> lines) {
    return {std::string(file), std::move(lines)};
}

TextNode titleNode(std::string_view file, std::string title) { return {.title = stored(file, {std::move(title)})}; }

TextNode listNode(std::string label, std::string_view file, std::vector<std::string> entries) {
    return {.label = std::move(label), .text = stored(file, std::move(entries)), .listed = true};
}

TextNode textNode(std::string label, std::string_view file, std::vector<std::string> lines) {
    return {.label = std::move(label), .text = stored(file, std::move(lines))};
}

// The index's titles of a section, and every article they open with the parts that can be picked.
void addSection(TextPage& page, TextFiles& files, int record, const text::ArticleSource& source) {
    const text::SectionEntries section = text::sectionEntries(
        record, {files.lines(text::sectionRangesFile), files.lines(text::entryNumbersFile),
                 files.lines(text::titleLinesFile)});
    page.nodes.push_back(listNode("Titles", text::titleLinesFile, section.titles));
    for (std::size_t i = 0; i < section.titles.size(); ++i) {
        TextNode& article = page.nodes.emplace_back(titleNode(text::titleLinesFile, section.titles[i]));
        attempt(page, [&] {
            const std::string body =
                text::articleText(files.whole(source.starts), files.whole(source.pool), section.articles[i]);
            const content::WholeTextFile& partIndex = files.whole(source.parts);
            for (int k = 0; k < source.partCount; ++k) {
                const parts::TextRange part = text::partRange(source, partIndex, section.articles[i], k);
                if (!text::canBePicked(part)) continue;
                article.children.push_back(textNode("Part " + std::to_string(k + 1), source.pool,
                                                parts::textLines(text::partText(source, body, part))));
            }
        });
    }
}

TextPage articleList(const text::ArticleListMember& list, TextFiles& files) {
    TextPage page{std::string(list.name), "article list, section record " + std::to_string(list.sectionRecord)};
    attempt(page, [&] { addSection(page, files, list.sectionRecord, text::fourPartArticles); });
    return page;
}

// The pages of a narration as the player shows their text, after its contents if it has them.
void addNarration(TextPage& page, TextNode& narration, TextFiles& files, const media_screens::PlayerVariant& variant,
                  std::size_t pageLimit) {
    attempt(page, [&] {
        if (!variant.contentsIndex) return;
        const content::WholeTextFile& captions = files.whole(variant.contentsText);
        std::vector<std::string> entries;
        for (const auto& entry :
             media_screens::readContentsIndex(files.whole(variant.contentsIndex), media_screens::contentsLimit))
            entries.push_back(media_screens::contentsCaption(captions, entry));
        narration.children.push_back(listNode("Contents", variant.contentsText, std::move(entries)));
    });
    attempt(page, [&] {
        const content::WholeTextFile& pageText = files.whole(variant.pageText);
        int number = 0;
        for (const auto& record : media_screens::readPageIndex(files.whole(variant.pageIndex), pageLimit)) {
            auto lines = media_screens::withoutWhiteMarks(media_screens::pageLines(pageText, record));
            narration.children.push_back(textNode("Page " + std::to_string(++number), variant.pageText, lines));
        }
    });
}

TextPage tourPlayer(TextFiles& files) {
    TextPage page{"frm2", "narration player with contents"};
    int number = 0;
    for (const auto& variant : media_screens::tourVariants()) {
        TextNode& narration = page.nodes.emplace_back(TextNode{.label = "Narration " + std::to_string(++number)});
        addNarration(page, narration, files, variant, media_screens::tourPageLimit);
    }
    return page;
}

TextPage storyPlayer(TextFiles& files) {
    TextPage page{"frm8", "narration player with a title"};
    std::vector<std::string> titles;
    attempt(page, [&] { titles = files.lines(media_screens::storyTitlesFile); });
    std::size_t number = 0;
    for (const auto& variant : media_screens::storyVariants()) {
        TextNode& narration = page.nodes.emplace_back(
            number < titles.size() ? titleNode(media_screens::storyTitlesFile, titles[number])
                                   : TextNode{.label = "Narration " + std::to_string(number + 1)});
        ++number;
        addNarration(page, narration, files, variant, media_screens::storyPageLimit);
    }
    return page;
}

TextPage gallery(const media_screens::GalleryMember& member, TextFiles& files) {
    using namespace media_screens;
    TextPage page{std::string(member.name), "picture gallery, section record " + std::to_string(member.sectionRecord)};
    attempt(page, [&] {
        const GalleryEntries pictures =
            galleryPictures(files.whole(gallerySectionsFile), member.sectionRecord, files.whole(pictureEntriesFile),
                            files.lines(pictureTitlesFile));
        for (std::size_t i = 0; i < pictures.titles.size(); ++i) {
            TextNode& picture = page.nodes.emplace_back(titleNode(pictureTitlesFile, pictures.titles[i]));
            attempt(page, [&] {
                picture.text = stored(soundTitlesFile, media_screens::pictureSounds(files.whole(pictureSoundsFile),
                                                                                   pictures.indexes[i],
                                                                                   files.whole(soundEntriesFile),
                                                                                   files.lines(soundTitlesFile))
                                                           .titles);
                picture.listed = true;
            });
        }
    });
    return page;
}

TextPage places(TextFiles& files) {
    TextPage page{"frm5", "places and the article index"};
    TextNode& placeTexts = page.nodes.emplace_back(TextNode{.label = "Places"});
    attempt(page, [&] {
        const content::WholeTextFile& records = files.whole(text::placeRecordsFile);
        const std::vector<std::string>& texts = files.lines(text::placeTextsFile);
        for (int place = 0; place < text::placeCount; ++place)
            attempt(page, [&] {
                const std::string shown = text::placeText(texts, text::placeRange(records, place));
                if (!shown.empty())
                    placeTexts.children.push_back(
                        textNode("Place " + std::to_string(place + 1), text::placeTextsFile, parts::textLines(shown)));
            });
    });
    attempt(page, [&] { addSection(page, files, text::placeIndexSection, text::sevenPartArticles); });
    return page;
}

TextPage titleList(std::string window, std::string what, std::string label, std::string_view file, TextFiles& files) {
    TextPage page{std::move(window), std::move(what)};
    attempt(page, [&] { page.nodes.push_back(listNode(std::move(label), file, files.lines(file))); });
    return page;
}

TextPage readings(TextFiles& files) {
    TextPage page{"frm18", "titles and their texts"};
    attempt(page, [&] {
        std::vector<std::string> titles = files.lines(text::readingTitlesFile);
        const content::WholeTextFile& pool = files.whole(text::readingPoolFile);
        const content::WholeTextFile& index = files.whole(text::readingIndexFile);
        text::keepTitlesWithTexts(titles, index);
        page.nodes.push_back(listNode("Titles", text::readingTitlesFile, titles));
        for (std::size_t i = 0; i < titles.size(); ++i) {
            TextNode& entry = page.nodes.emplace_back(titleNode(text::readingTitlesFile, titles[i]));
            attempt(page, [&] {
                const std::string shown = text::readingText(index, pool, int(i) + 1);
                entry.text = stored(text::readingPoolFile, parts::textLines(shown));
            });
        }
    });
    return page;
}

TextPage singleTexts(TextFiles& files) {
    TextPage page{"frm36", "texts of the secondary menus"};
    for (int kind = text::firstSingleTextKind; kind <= text::lastSingleTextKind; ++kind)
        attempt(page, [&] {
            const std::string file = text::singleTextFile(kind);
            page.nodes.push_back(textNode("Text " + std::to_string(kind), file, files.lines(file)));
        });
    return page;
}

TextPage titledTexts(TextFiles& files) {
    TextPage page{"frm35", "titles of the secondary menus and their texts"};
    int number = 0;
    for (const int kind : text::titledTextKinds) {
        TextNode& list = page.nodes.emplace_back(TextNode{.label = "List " + std::to_string(++number)});
        attempt(page, [&] {
            const std::string_view file = text::titleListFile(kind);
            const std::vector<std::string> titles = text::listedTitles(files.lines(file), kind);
            list.children.push_back(listNode("Titles", file, titles));
            for (std::size_t i = 0; i < titles.size(); ++i) {
                TextNode& entry = list.children.emplace_back(titleNode(file, titles[i]));
                attempt(page, [&] {
                    const std::string textFile = text::listedTextFile(kind, int(i) + 1);
                    entry.text = stored(textFile, files.lines(textFile));
                });
            }
        });
    }
    return page;
}

TextPage namesPage(TextFiles& files) {
    TextPage page{"frm32", "names"};
    attempt(page, [&] { page.nodes.push_back(textNode("Names", names::namesFile, files.lines(names::namesFile))); });
    return page;
}

const std::map<std::string_view, PageMaker>& pageMakers() {
    static const std::map<std::string_view, PageMaker> makers = [] {
        std::map<std::string_view, PageMaker> m;
        for (const text::ArticleListMember& list : text::articleListMembers())
            m[list.name] = [&list](TextFiles& files) { return articleList(list, files); };
        for (const media_screens::GalleryMember& member : media_screens::galleryMembers())
            m[member.name] = [&member](TextFiles& files) { return gallery(member, files); };
        m["frm2"] = tourPlayer;
        m["frm8"] = storyPlayer;
        m["frm5"] = places;
        m["frm30"] = [](TextFiles& files) {
            return titleList("frm30", "picture album", "Album entries", media::albumTitlesFile, files);
        };
        m["frm31"] = [](TextFiles& files) {
            return titleList("frm31", "video clips", "Clips", media::clipTitlesFile, files);
        };
        m["frm18"] = readings;
        m["frm36"] = singleTexts;
        m["frm35"] = titledTexts;
        m["frm32"] = namesPage;
        return m;
    }();
    return makers;
}

}  // namespace

std::vector<std::string_view> textWindows() {
    std::vector<std::string_view> windows = windowsInMapOrder();
    std::erase_if(windows, [](std::string_view w) { return !pageMakers().contains(w); });
    return windows;
}

TextPage collectTexts(std::string_view window, TextFiles& files) {
    const auto maker = pageMakers().find(window);
    return maker == pageMakers().end() ? TextPage{std::string(window), {}} : maker->second(files);
}

}  // namespace vemra::title
