#include "app/content_check_steps.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "app/content_check_files.h"
#include "app/content_check_media.h"
#include "content/content_error.h"
#include "content/content_file.h"
#include "content/content_source.h"
#include "content/keyboard_tables.h"
#include "content/pictures.h"
#include "content/text_readers.h"
#include "content/whole_text_file.h"
#include "designs/design.h"
#include "media/album_picture.h"
#include "media/clip_screen.h"
#include "media/gallery_lists.h"
#include "media/narration_index.h"
#include "media/player_variants.h"
#include "platform/gfx/font.h"
#include "platform/win/binary_reader.h"
#include "platform/win/cursor_file.h"
#include "text/section_entries.h"
#include "text/text_sources.h"
#include "title/text_files.h"
#include "title/title_texts.h"

namespace vemra::app {

namespace {

using content::WholeTextFile;

std::string two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// ---- text files: each read as the title reads it, then what its records point at ------------------

// The lines of a text file, or nothing when it is missing or cannot be read (noted).
std::optional<std::vector<std::string>> lines(ContentCheck& check, std::string_view path, std::string_view what) {
    std::optional<std::vector<std::string>> read;
    check.read(path, what, [&] { read = content::loadLines(path); });
    return read;
}

std::optional<WholeTextFile> whole(ContentCheck& check, std::string_view path, std::string_view what) {
    std::optional<WholeTextFile> read;
    check.read(path, what, [&] { read = WholeTextFile::load(path); });
    return read;
}

std::int64_t recordCount(const WholeTextFile& file, std::int64_t recordLength) {
    return std::int64_t(file.text().size()) / recordLength;
}

// A field file: its records whole, every field a number (the reader's own message names the first
// that is not). Nothing when it cannot be read.
std::optional<WholeTextFile> fields(ContentCheck& check, std::string_view path, std::string_view what,
                                    std::int64_t recordLength) {
    auto file = whole(check, path, what);
    if (!file) return std::nullopt;
    check.read(path, what, [&] {
        if (recordCount(*file, recordLength) == 0) file->field(1);  // the reader's own words, when it has some
        if (recordCount(*file, recordLength) == 0)
            throw content::ContentError(std::string(path) + ": holds no record of " + std::to_string(recordLength) +
                                        " characters");
        for (std::int64_t at = 1; at + 8 <= recordCount(*file, recordLength) * recordLength + 1; at += 8) file->field(at);
    });
    return file;
}

// Both files are told when one names what the other does not hold: which of the two is damaged
// cannot be told from outside.
void mismatch(ContentCheck& check, std::string_view index, const std::string& says, std::string_view target,
              const std::string& holds) {
    check.fault(index, std::string(index) + ": " + says + ", but " + std::string(target) + " holds " + holds);
    check.fault(target, std::string(target) + ": holds " + holds + ", but " + std::string(index) + " " + says);
}

// Start and length pairs at `pairs` field offsets of every record, inside `pool` (its whole text).
void rangesInPool(ContentCheck& check, const WholeTextFile& index, std::int64_t recordLength,
                  std::initializer_list<int> pairs, const WholeTextFile& pool) {
    const std::int64_t size = std::int64_t(pool.text().size());
    for (std::int64_t r = 0; r < recordCount(index, recordLength); ++r)
        for (const int pair : pairs) {
            const std::int64_t at = r * recordLength + pair * 8 + 1;
            const std::int64_t start = index.field(at), length = index.field(at + 8);
            if (start < 0 || length < 0) {
                check.fault(index.name(), index.name() + ": record " + std::to_string(r + 1) + " names characters from " +
                                              std::to_string(start) + ", " + std::to_string(length) + " of them");
                return;
            }
            if (start + length > size) {
                mismatch(check, index.name(),
                         "record " + std::to_string(r + 1) + " names characters up to " + std::to_string(start + length),
                         pool.name(), std::to_string(size));
                return;
            }
            if (pool.text().find('\0', std::size_t(start)) < std::size_t(start + length)) {
                check.fault(pool.name(), pool.name() + ": the text of record " + std::to_string(r + 1) + " of " +
                                             index.name() + " holds a NUL byte, which is no glyph");
                return;
            }
        }
}

// Every start and length of a record is not negative (parts within an article).
void rangesNotNegative(ContentCheck& check, const WholeTextFile& index, std::int64_t recordLength) {
    for (std::int64_t at = 1; at + 8 <= recordCount(index, recordLength) * recordLength + 1; at += 8)
        if (index.field(at) < 0) {
            check.fault(index.name(), index.name() + ": field at position " + std::to_string(at) + " holds " +
                                          std::to_string(index.field(at)) + ", no place in a text");
            return;
        }
}

// First and last entry (8 characters each, counted from `base`) of every 16-character record, inside
// the entries of `entries`.
void rangesInEntries(ContentCheck& check, const WholeTextFile& ranges, const WholeTextFile& entries, int base) {
    const std::int64_t count = recordCount(entries, 8);
    for (std::int64_t r = 0; r < recordCount(ranges, 16); ++r) {
        const std::int64_t first = ranges.field(r * 16 + 1), last = ranges.field(r * 16 + 9);
        if (last < first) continue;
        if (first < base || last >= count + base) {
            mismatch(check, ranges.name(),
                     "record " + std::to_string(r + 1) + " names entries " + std::to_string(first) + " to " +
                         std::to_string(last),
                     entries.name(), std::to_string(count) + " entries");
            return;
        }
    }
}

// Every entry of `entries` is a line number (from 1) of `titles`, and that line holds a title.
void entriesNameLines(ContentCheck& check, const WholeTextFile& entries, std::string_view titlesPath,
                      const std::vector<std::string>& titles) {
    for (std::int64_t e = 0; e < recordCount(entries, 8); ++e) {
        const std::int64_t line = entries.field(e * 8 + 1);
        if (line < 1 || line > std::int64_t(titles.size())) {
            mismatch(check, entries.name(), "entry " + std::to_string(e) + " names line " + std::to_string(line),
                     titlesPath, std::to_string(titles.size()) + " lines");
            return;
        }
    }
}

// A list of titles: no title is empty, none holds a NUL byte (no glyph), none is longer than a screen.
void titlesReadable(ContentCheck& check, std::string_view path, const std::vector<std::string>& titles) {
    if (titles.empty()) return check.fault(path, std::string(path) + ": holds no title");
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string& t = titles[i];
        const std::string line = std::string(path) + ": line " + std::to_string(i + 1);
        if (t.empty()) return check.fault(path, line + " is empty, a title without text");
        if (t.find('\0') != std::string::npos) return check.fault(path, line + " holds a NUL byte, which is no glyph");
        if (t.size() > 4096) return check.fault(path, line + " holds " + std::to_string(t.size()) + " characters, more than a screen shows");
    }
}

// A text of lines (names, page texts): not empty lines only, no NUL byte.
void linesReadable(ContentCheck& check, std::string_view path, const std::vector<std::string>& text) {
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i].find('\0') != std::string::npos)
            return check.fault(path, std::string(path) + ": line " + std::to_string(i + 1) + " holds a NUL byte, which is no glyph");
        if (text[i].size() > 1 << 16)
            return check.fault(path, std::string(path) + ": line " + std::to_string(i + 1) + " holds " +
                                         std::to_string(text[i].size()) + " characters, more than a screen shows");
        any = any || !text[i].empty();
    }
    if (!any) check.fault(path, std::string(path) + ": holds no text (" + std::to_string(text.size()) + " empty lines)");
}

// Runs `body`, a fault going to `path`: a record that cannot be read stops the checks of its file.
template <class Body>
void guarded(ContentCheck& check, std::string_view path, Body&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        check.fault(path, e.what());
    }
}

void articleIndex(ContentCheck& check) {
    const auto ranges = fields(check, text::sectionRangesFile, "article index: first and last entry of each section", 16);
    const auto entries = fields(check, text::entryNumbersFile, "article index: title line of each entry", 8);
    const auto titles = lines(check, text::titleLinesFile, "article titles");
    if (titles) titlesReadable(check, text::titleLinesFile, *titles);
    if (ranges && entries) guarded(check, ranges->name(), [&] { rangesInEntries(check, *ranges, *entries, 0); });
    if (entries && titles)
        guarded(check, entries->name(), [&] { entriesNameLines(check, *entries, text::titleLinesFile, *titles); });
}

void partedArticles(ContentCheck& check, const text::ArticleSource& source, std::string_view what) {
    const auto starts = fields(check, source.starts, std::string(what) + ": start and length of each article", 16);
    const auto parts = fields(check, source.parts, std::string(what) + ": its parts", 16 * source.partCount);
    const auto pool = whole(check, source.pool, std::string(what) + ": their texts");
    if (pool) check.read(source.pool, "", [&] { linesReadable(check, source.pool, content::loadLines(source.pool)); });
    if (starts && pool) guarded(check, starts->name(), [&] { rangesInPool(check, *starts, 16, {0}, *pool); });
    if (parts) guarded(check, parts->name(), [&] { rangesNotNegative(check, *parts, 16 * source.partCount); });
}

void articles(ContentCheck& check) {
    articleIndex(check);
    partedArticles(check, text::fourPartArticles, "articles");
    partedArticles(check, text::sevenPartArticles, "seven-part articles");
}

void readings(ContentCheck& check) {
    const auto titles = lines(check, text::readingTitlesFile, "reading screen: titles");
    const auto index = fields(check, text::readingIndexFile, "reading screen: start and length of each text", 16);
    const auto pool = whole(check, text::readingPoolFile, "reading screen: the texts");
    if (titles) {
        auto kept = *titles;
        if (index) text::keepTitlesWithTexts(kept, *index);
        titlesReadable(check, text::readingTitlesFile, kept);
    }
    if (index && pool) guarded(check, index->name(), [&] { rangesInPool(check, *index, 16, {0}, *pool); });

    const auto places = fields(check, text::placeRecordsFile, "place screen: start and length of each place text", 16);
    const auto placeTexts = lines(check, text::placeTextsFile, "place screen: the place texts");
    if (places && placeTexts) {
        const WholeTextFile pool(std::string(text::placeTextsFile), content::wholeText(*placeTexts));
        guarded(check, places->name(), [&] { rangesInPool(check, *places, 16, {0}, pool); });
    }
}

void secondaryTexts(ContentCheck& check) {
    for (int kind = text::firstSingleTextKind; kind <= text::lastSingleTextKind; ++kind) {
        const std::string path = text::singleTextFile(kind);
        if (const auto text = lines(check, path, "secondary text of kind " + std::to_string(kind)))
            linesReadable(check, path, *text);
    }
    for (const int kind : text::titledTextKinds) {
        const auto list = lines(check, text::titleListFile(kind), "secondary list of kind " + std::to_string(kind));
        if (!list) continue;
        const auto titles = text::listedTitles(*list, kind);
        titlesReadable(check, text::titleListFile(kind), *list);
        for (std::size_t entry = 1; entry <= titles.size(); ++entry) {
            const std::string path = text::listedTextFile(kind, int(entry));
            if (const auto text = lines(check, path, "secondary text of entry " + std::to_string(entry) + " of that list"))
                linesReadable(check, path, *text);
        }
    }
}

void players(ContentCheck& check) {
    const auto storyTitles = lines(check, media_screens::storyTitlesFile, "story player: narration titles");
    if (storyTitles) titlesReadable(check, media_screens::storyTitlesFile, *storyTitles);
    for (const auto& variants : {media_screens::tourVariants(), media_screens::storyVariants()})
        for (const auto& v : variants) {
            const std::string narration = std::string(" of ") + v.narration;
            if (const auto index = fields(check, v.pageIndex, "page index" + narration, 24))
                if (const auto text = whole(check, v.pageText, "page text" + narration))
                    guarded(check, v.pageIndex, [&] { rangesInPool(check, *index, 24, {0}, *text); });
            if (!v.contentsIndex) continue;
            if (const auto index = fields(check, v.contentsIndex, "contents index" + narration, 32))
                if (const auto text = whole(check, v.contentsText, "contents text" + narration))
                    guarded(check, v.contentsIndex, [&] { rangesInPool(check, *index, 32, {0}, *text); });
        }
}

// The names list and the texts every window shows, read by the text collector as
// their screens read them (what it cannot read is a fault of the file its message names).
void otherLists(ContentCheck& check) {
    if (const auto names = lines(check, "data2\\qem0040.dat", "names list")) linesReadable(check, "data2\\qem0040.dat", *names);
    title::TextFiles files;
    for (const std::string_view window : title::textWindows())
        for (const std::string& damage : title::collectTexts(window, files).damage) check.fault("", damage);
    for (const std::string& asked : files.asked()) check.name(asked, "a text a window shows");
}

// A bitmap file read as the title reads it; a palette larger than its pixels can index is a fault
// the reader passes over.
void bitmapFile(ContentCheck& check, const std::string& path, const std::string& what) {
    check.read(path, what, [&] {
        content::loadBitmapFile(path);
        const auto bytes = content::readContentFile(path, content::FileKind::bitmap);
        const auto u32 = [&](std::size_t at) {
            return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
                   std::uint32_t(bytes[at + 3]) << 24;
        };
        if (bytes.size() < 50 || u32(14) < 40) return;
        const unsigned bits = unsigned(bytes[28]) | unsigned(bytes[29]) << 8;
        const std::uint32_t most = bits <= 8 ? 1u << bits : 256;
        if (u32(46) > most)
            throw content::ContentError(path + ": its header says " + std::to_string(u32(46)) + " palette colours, more than the " +
                                        std::to_string(most) + " a picture of " + std::to_string(bits) + " bits a pixel has");
    });
}

// ---- galleries and album: the lists, then the pictures and sounds they name -------------------------

void galleries(ContentCheck& check) {
    using namespace media_screens;
    const auto pictureTitles = lines(check, pictureTitlesFile, "galleries: picture titles");
    const auto soundTitles = lines(check, soundTitlesFile, "galleries: sound titles");
    const auto sections = fields(check, gallerySectionsFile, "galleries: first and last picture of each gallery", 16);
    const auto pictureEntries = fields(check, pictureEntriesFile, "galleries: title line of each picture", 8);
    const auto pictureSoundRanges = fields(check, pictureSoundsFile, "galleries: first and last sound of each picture", 16);
    const auto soundEntries = fields(check, soundEntriesFile, "galleries: title line of each sound", 8);
    if (pictureTitles) titlesReadable(check, pictureTitlesFile, *pictureTitles);
    if (soundTitles) titlesReadable(check, soundTitlesFile, *soundTitles);
    if (sections && pictureEntries) guarded(check, gallerySectionsFile, [&] { rangesInEntries(check, *sections, *pictureEntries, 0); });
    if (pictureSoundRanges && soundEntries)
        guarded(check, pictureSoundsFile, [&] { rangesInEntries(check, *pictureSoundRanges, *soundEntries, 0); });
    if (pictureEntries && pictureTitles)
        guarded(check, pictureEntriesFile, [&] { entriesNameLines(check, *pictureEntries, pictureTitlesFile, *pictureTitles); });
    if (soundEntries && soundTitles)
        guarded(check, soundEntriesFile, [&] { entriesNameLines(check, *soundEntries, soundTitlesFile, *soundTitles); });
    if (!sections || !pictureEntries || !pictureTitles) return;
    for (int section = 1; section <= 3; ++section) {
        GalleryEntries pictures;
        try {
            pictures = galleryPictures(*sections, section, *pictureEntries, *pictureTitles);
        } catch (const std::exception& e) {
            check.fault(gallerySectionsFile, e.what());
            continue;
        }
        for (const int picture : pictures.indexes) {
            const std::string path = galleryPicturePath(picture);
            bitmapFile(check, path, "gallery picture");
            if (!pictureSoundRanges || !soundEntries || !soundTitles) continue;
            try {
                for (const int sound : pictureSounds(*pictureSoundRanges, picture, *soundEntries, *soundTitles).indexes)
                    checkMedia(check, gallerySoundPath(sound), "gallery sound", MediaUse::sound);
            } catch (const std::exception& e) {
                check.fault(pictureSoundsFile, e.what());
            }
        }
    }
}

constexpr std::string_view albumModule = "data3\\qem002.dat";

void album(ContentCheck& check) {
    const auto titles = lines(check, "data2\\qem0037.dat", "album: entry titles");
    const auto ranges = fields(check, "data2\\qem0039.dat", "album: first and last picture of each entry", 16);
    const auto entries = fields(check, "data2\\qem0038.dat", "album: picture numbers", 8);
    if (titles) titlesReadable(check, "data2\\qem0037.dat", *titles);
    if (ranges && entries) guarded(check, ranges->name(), [&] { rangesInEntries(check, *ranges, *entries, 0); });
    if (titles && ranges && std::int64_t(titles->size()) > recordCount(*ranges, 16))
        mismatch(check, "data2\\qem0037.dat", "lists " + std::to_string(titles->size()) + " entries", ranges->name(),
                 std::to_string(recordCount(*ranges, 16)) + " records");
    std::vector<int> numbers;
    if (entries)
        guarded(check, entries->name(), [&] {
            for (std::int64_t e = 0; e < recordCount(*entries, 8); ++e) {
                const std::int32_t n = entries->field(e * 8 + 1);
                if (n < 1 || n > 999)
                    throw content::ContentError(entries->name() + ": entry " + std::to_string(e) + " is picture " +
                                                std::to_string(n) + ", not one of 1 … 999");
                numbers.push_back(n);
            }
        });
    check.read(albumModule, "album: picture library (JPEG pictures and their sizes)", [&] {
        const auto library = content::openModule(albumModule);
        for (const int n : numbers) {
            const auto picture = media::albumPicture(*library, n);
            if (const auto* why = std::get_if<std::string>(&picture))
                check.fault(albumModule, std::string(albumModule) + ": picture " + std::to_string(n) + ": " + *why);
        }
    });
}

// ---- picture modules and artwork ---------------------------------------------------------------------

// Module `path` and the bitmaps of it the title asks for: each found and decoded.
void moduleBitmaps(ContentCheck& check, std::string_view path, std::string_view what, const std::vector<std::string>& names) {
    check.read(path, what, [&] {
        const auto module = content::openModule(path);
        std::vector<std::string> absent;
        for (const std::string& name : names) {
            try {
                if (!module->bitmap(name)) absent.push_back(name);
            } catch (const win::FormatError& e) {
                throw content::ContentError(e.what());
            }
        }
        if (!absent.empty())
            check.fault(path, std::string(path) + ": has no bitmap " + absent.front() +
                                  (absent.size() > 1 ? " (nor " + std::to_string(absent.size() - 1) + " more)" : ""));
    });
}

std::vector<std::string> frames(std::initializer_list<std::pair<int, int>> setsAndFrames) {
    std::vector<std::string> names;
    for (const auto& [set, count] : setsAndFrames)
        for (int frame = 1; frame <= count; ++frame)
            names.push_back(("a" + std::to_string(set) + "0" + std::to_string(frame)).substr(0, 10));
    return names;
}

void pictureModules(ContentCheck& check) {
    // The corner animations: the main menu's set 1 of five frames, the others of ten;
    // the secondary branch's screens take sets 1 … 14 from qem008.
    std::vector<std::string> main = frames({{1, 5}});
    for (int set = 2; set <= 26; ++set)
        if (set != 17) {
            const auto more = frames({{set, 10}});
            main.insert(main.end(), more.begin(), more.end());
        }
    std::vector<std::string> secondary;
    for (int set = 1; set <= 14; ++set) {
        const auto more = frames({{set, 10}});
        secondary.insert(secondary.end(), more.begin(), more.end());
    }
    moduleBitmaps(check, "data3\\qem001.dat", "corner animation frames", main);
    moduleBitmaps(check, "data3\\qem008.dat", "corner animation frames of the secondary menus", secondary);
    std::vector<std::string> articleArt{"a51"};
    for (int section = 1; section <= 4; ++section)
        for (int k = 1; k <= 4; ++k) articleArt.push_back("a" + std::to_string(section) + std::to_string(k));
    moduleBitmaps(check, "data3\\qem006.dat", "artwork of the article screen and the story player", articleArt);
    std::vector<std::string> secondaryArt{"data12", "data012", "data0012"};
    for (int kind = 1; kind <= 11; ++kind) {
        secondaryArt.push_back(("data" + std::to_string(kind)).substr(0, 8));
        secondaryArt.push_back(("data0" + std::to_string(kind)).substr(0, 8));
    }
    moduleBitmaps(check, "data3\\qem007.dat", "artwork of the secondary text screens", secondaryArt);
}

void artwork(ContentCheck& check) {
    for (const designs::WindowDesign* design : designs::allDesigns())
        for (const designs::ComponentDesign& c : design->components)
            if (c.artwork) {
                const std::string path = "art\\" + std::string(design->name) + "\\" + std::string(c.name) + ".bmp";
                bitmapFile(check, path, "artwork of " + std::string(design->name));
            }
}

// ---- fonts, cursors, codec, keyboard ------------------------------------------------------------------

void fonts(ContentCheck& check) {
    gfx::FontLibrary& library = gfx::FontLibrary::shared();
    for (const char* name : {"read01.fon", "read02.fon", "Serife.fon"}) {
        check.read(name, "display font", [&] {
            const auto before = library.registeredFaces();
            if (library.registerFont(name, content::readContentFile(name, content::FileKind::font)) == 0)
                throw content::ContentError(std::string(name) + ": holds no font the font library can read");
            for (const std::string& face : library.registeredFaces()) {
                if (std::ranges::find(before, face) != before.end()) continue;
                for (const int height : library.heightsOf(face))
                    if (library.font({face, height})->textWidth("ABC") <= 0)
                        throw content::ContentError(std::string(name) + ": face " + face + " of height " +
                                                    std::to_string(height) + " draws nothing");
            }
            const gfx::FontDamage damage = library.damage(name);
            library.unregisterFont(name);
            if (damage.facesLeftOut > 0)
                throw content::ContentError(std::string(name) + ": " + std::to_string(damage.facesLeftOut) +
                                            " of its fonts cannot be read");
            if (damage.headersOutside > 0)
                throw content::ContentError(std::string(name) + ": " + std::to_string(damage.headersOutside) +
                                            " of its fonts place their glyphs past the end of the file");
            if (damage.unreadableGlyphs > 0)
                throw content::ContentError(std::string(name) + ": " + std::to_string(damage.unreadableGlyphs) +
                                            " glyphs cannot be drawn");
        });
    }
}

void cursorsAndCodec(ContentCheck& check) {
    for (const auto& [cursor, what] : {std::pair{"data1\\data2.cur", "list cursor"}, std::pair{"qem00.ani", "animated hotspot cursor"}})
        check.read(cursor, what, [path = cursor] {
            try {
                const auto bytes = content::readContentFile(path, content::FileKind::cursor);
                win::decodeCursorFile(bytes);
                if (const auto why = riffSizeProblem(bytes, bytes.size())) throw win::FormatError(*why);
            } catch (const win::FormatError& e) {
                throw content::ContentError(std::string(path) + ": " + e.what());
            }
        });
    // The title only names the codec's path in system.ini: it must be a file that reads.
    check.read("l3codecp.acm", "MPEG Layer-3 audio codec", [] {
        content::readContentFile("l3codecp.acm", content::FileKind::pictureModule);
    });
}

void keyboard(ContentCheck& check) {
    constexpr std::string_view keysPath = "data1\\1\\3.txt", recordsPath = "data1\\1\\c2.txt", codesPath = "data1\\1\\c1.txt";
    const auto keys = fields(check, keysPath, "search keyboard: the letter each key types", 8);
    const auto records = whole(check, recordsPath, "search keyboard: first and last form of each letter");
    const auto codes = whole(check, codesPath, "search keyboard: glyph codes of the forms");
    check.read(keysPath, "", [] {
        content::KeyboardTables tables;
        tables.load();
    });
    if (!keys || !records || !codes) return;
    // What each key types, as the search box looks it up: its letter's record, the record's forms.
    const auto beyond = [](const WholeTextFile& file, std::int64_t position) {
        return position < 1 || position + 7 > std::int64_t(file.text().size());
    };
    const auto blank = [](const WholeTextFile& file, std::int64_t position) {
        return file.text().substr(std::size_t(position - 1), 8).find_first_not_of(" \t") == std::string::npos;
    };
    for (int k = 1; k <= content::KeyboardTables::keyCount && k * 8 <= std::int64_t(keys->text().size()); ++k) {
        const std::string key = "key " + std::to_string(k);
        try {
            const std::int64_t record = keys->field((k - 1) * 8 + 1);
            if (beyond(*records, record * 16 + 1) || beyond(*records, record * 16 + 9))
                return mismatch(check, keysPath, key + " types letter " + std::to_string(record), recordsPath,
                                std::to_string(records->text().size() / 16) + " letters");
            // A letter left blank is a key with no letter: the search box shows its key message.
            if (blank(*records, record * 16 + 1) || blank(*records, record * 16 + 9)) continue;
            const std::int64_t first = records->field(record * 16 + 1), last = records->field(record * 16 + 9);
            const std::int64_t span = last - first;
            if (first == 0 || last == 0 || (span != 0 && span != 1 && span != 3)) continue;  // types nothing
            for (std::int64_t i = first; i <= last; ++i) {
                if (beyond(*codes, i * 8 + 1))
                    return mismatch(check, recordsPath, "letter " + std::to_string(record) + " has form " + std::to_string(i),
                                    codesPath, std::to_string(codes->text().size() / 8) + " forms");
                if (const auto code = codes->field(i * 8 + 1); code < 0 || code > 255)
                    return check.fault(codesPath, std::string(codesPath) + ": form " + std::to_string(i) + " is " +
                                                      std::to_string(code) + ", no glyph code (0 … 255)");
            }
        } catch (const std::exception& e) {
            return check.fault("", e.what());
        }
    }
}

// ---- media ---------------------------------------------------------------------------------------------

void music(ContentCheck& check) {
    for (int track = 0; track <= 19; ++track) checkMedia(check, "data1\\" + two(track) + ".dat", "music track", MediaUse::track);
}

void narrations(ContentCheck& check) {
    for (const auto& variants : {media_screens::tourVariants(), media_screens::storyVariants()})
        for (const auto& v : variants) checkMedia(check, v.narration, "narration", MediaUse::sound);
}

void intro(ContentCheck& check) { checkMedia(check, "data1\\qem01.avi", "intro video", MediaUse::video); }

void clips(ContentCheck& check) {
    const auto titles = lines(check, "data2\\qem0045.dat", "video clips: titles");
    if (!titles) return;
    titlesReadable(check, "data2\\qem0045.dat", *titles);
    for (std::size_t n = 1; n <= titles->size(); ++n) checkMedia(check, media::clipFile(int(n)), "video clip", MediaUse::clip);
}

constexpr CheckStep steps[] = {
    {"display fonts", fonts},
    {"cursors and codec", cursorsAndCodec},
    {"keyboard tables", keyboard},
    {"articles", articles},
    {"reading texts", readings},
    {"secondary texts", secondaryTexts},
    {"player texts", players},
    {"picture modules", pictureModules},
    {"artwork", artwork},
    {"album", album},
    {"galleries", galleries},
    {"music", music},
    {"narrations", narrations},
    {"intro", intro},
    {"video clips", clips},
    {"every window's texts", otherLists},
};

}  // namespace

std::span<const CheckStep> checkSteps() { return steps; }

}  // namespace vemra::app
