#include "kit/period_formats.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit/byte_buffer.h"
#include "kit/media_tools.h"

namespace vemra::kit {

namespace fs = std::filesystem;

namespace {

// ---- media: each file re-encoded by ffmpeg from the plain tree's own -------------------------------

struct MediaChange {
    const char* path;
    std::vector<std::string> output;  // codec options and format
};

// Spread over the road the tests play: the main menu, a section and its list, the tour player, a
// gallery with a sound, the place screen, the album and a clip.
const std::vector<MediaChange>& mediaChanges() {
    static const std::vector<MediaChange> changes = {
        {"data1/01.dat", {"-c:a", "pcm_u8", "-ar", "22050", "-ac", "1", "-f", "wav"}},           // main menu
        {"data1/08.dat", {"-c:a", "pcm_s16le", "-ar", "22050", "-f", "wav"}},                     // frm9
        {"data1/04.dat", {"-c:a", "adpcm_ima_wav", "-ar", "22050", "-f", "wav"}},                 // frm11
        {"data1/18.dat", {"-c:a", "adpcm_ms", "-ar", "22050", "-f", "wav"}},                      // frm24
        {"data1/qem05.dat", {"-c:a", "libmp3lame", "-b:a", "64k", "-f", "wav"}},                  // frm2's narration
        {"data1/13.dat", {"-c:a", "mp2", "-b:a", "160k", "-f", "mp2"}},                           // frm26
        {"data1/17.dat", {"-c:a", "mp2", "-b:a", "128k", "-f", "mpeg"}},                          // frm27
        {"data4/070.dat", {"-c:a", "libmp3lame", "-b:a", "32k", "-ar", "22050", "-f", "wav"}},    // a gallery sound
        {"data1/qem01.avi", {"-t", "4", "-c:v", "cinepak", "-c:a", "adpcm_ms", "-f", "avi"}},     // the intro, short
        {"data5/01.mpg", {"-c:v", "msvideo1", "-c:a", "libmp3lame", "-b:a", "96k", "-f", "avi"}}, // the first clip
    };
    return changes;
}

void reencode(const fs::path& root, const MediaChange& change) {
    const fs::path file = root / change.path;
    const fs::path plain = file.string() + ".plain";
    fs::rename(file, plain);
    std::vector<std::string> args = ffmpegCommand();
    args.insert(args.end(), {"-i", plain.string()});
    appendReproducibleOutput(args);
    args.insert(args.end(), change.output.begin(), change.output.end());
    args.push_back(file.string());
    runTool(args);
    fs::remove(plain);
}

// ---- bitmaps: the kit's 8-bit pictures written again as run-length encoded, 4-bit or top-down ------

std::uint32_t u32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return std::uint32_t(d.at(at)) | std::uint32_t(d.at(at + 1)) << 8 | std::uint32_t(d.at(at + 2)) << 16 |
           std::uint32_t(d.at(at + 3)) << 24;
}

// An 8-bit picture: its palette and its pixels, rows from the top.
struct IndexedPicture {
    int width = 0, height = 0;
    std::vector<std::array<std::uint8_t, 4>> palette;
    std::vector<std::vector<std::uint8_t>> rows;
};

std::optional<IndexedPicture> readIndexed(const std::vector<std::uint8_t>& d) {
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M' || u32(d, 14) != 40) return std::nullopt;
    const int bits = d[28] | d[29] << 8;
    if (bits != 8 || u32(d, 30) != 0) return std::nullopt;
    IndexedPicture p;
    p.width = int(u32(d, 18));
    const auto h = std::int32_t(u32(d, 22));
    if (h <= 0) return std::nullopt;
    p.height = h;
    const std::uint32_t colours = u32(d, 46) ? u32(d, 46) : 256;
    for (std::uint32_t i = 0; i < colours; ++i) p.palette.push_back({d.at(54 + 4 * i), d.at(55 + 4 * i), d.at(56 + 4 * i), 0});
    const std::size_t stride = (std::size_t(p.width) + 3) / 4 * 4;
    const std::size_t offset = u32(d, 10);
    p.rows.resize(std::size_t(p.height));
    for (int y = 0; y < p.height; ++y) {
        const std::size_t at = offset + std::size_t(p.height - 1 - y) * stride;
        p.rows[std::size_t(y)].assign(d.begin() + std::ptrdiff_t(at), d.begin() + std::ptrdiff_t(at) + p.width);
    }
    return p;
}

enum class Layout { rle8, fourBit, topDown };

std::vector<std::uint8_t> writeBmp(const IndexedPicture& p, Layout layout) {
    // Palette: for 4 bits the colours the pixels use, in their order, and the pixels renumbered.
    std::vector<std::array<std::uint8_t, 4>> palette = p.palette;
    std::vector<std::vector<std::uint8_t>> rows = p.rows;
    if (layout == Layout::fourBit) {
        std::map<std::uint8_t, std::uint8_t> renumbered;
        palette.clear();
        for (auto& row : rows)
            for (auto& index : row) {
                const auto [it, added] = renumbered.try_emplace(index, std::uint8_t(renumbered.size()));
                if (added) palette.push_back(p.palette.at(index));
                index = it->second;
            }
        palette.resize(16, {0, 0, 0, 0});
    }
    ByteBuffer bits;
    const auto pad = [&](std::size_t written) {
        for (; written % 4; ++written) bits.u8(0);
    };
    if (layout == Layout::rle8) {
        // Bottom row first; runs of one colour, at most 255 pixels each; an end of line after each row.
        for (int y = p.height - 1; y >= 0; --y) {
            const auto& row = rows[std::size_t(y)];
            for (std::size_t x = 0; x < row.size();) {
                std::size_t run = 1;
                while (x + run < row.size() && run < 255 && row[x + run] == row[x]) ++run;
                bits.u8(std::uint8_t(run)), bits.u8(row[x]);
                x += run;
            }
            bits.u8(0), bits.u8(y == 0 ? 1 : 0);
        }
    } else {
        for (int i = 0; i < p.height; ++i) {
            const auto& row = rows[std::size_t(layout == Layout::topDown ? i : p.height - 1 - i)];
            if (layout == Layout::fourBit) {
                for (std::size_t x = 0; x < row.size(); x += 2)
                    bits.u8(std::uint8_t(row[x] << 4 | (x + 1 < row.size() ? row[x + 1] : 0)));
                pad((row.size() + 1) / 2);
            } else {
                for (const std::uint8_t index : row) bits.u8(index);
                pad(row.size());
            }
        }
    }
    const std::uint32_t paletteBytes = std::uint32_t(palette.size() * 4);
    ByteBuffer out;
    out.text("BM");
    out.u32(std::uint32_t(14 + 40 + paletteBytes + bits.bytes().size()));
    out.u32(0);
    out.u32(14 + 40 + paletteBytes);
    out.u32(40);
    out.u32(std::uint32_t(p.width));
    out.u32(std::uint32_t(layout == Layout::topDown ? -p.height : p.height));
    out.u16(1);
    out.u16(layout == Layout::fourBit ? 4 : 8);
    out.u32(layout == Layout::rle8 ? 1 : 0);  // BI_RLE8
    out.u32(std::uint32_t(bits.bytes().size()));
    out.u32(2835), out.u32(2835);
    out.u32(std::uint32_t(palette.size())), out.u32(0);
    for (const auto& c : palette) out.u8(c[0]), out.u8(c[1]), out.u8(c[2]), out.u8(0);
    std::vector<std::uint8_t> file = out.bytes();
    file.insert(file.end(), bits.bytes().begin(), bits.bytes().end());
    return file;
}

std::vector<std::uint8_t> readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t coloursUsed(const IndexedPicture& p) {
    std::array<bool, 256> used{};
    for (const auto& row : p.rows)
        for (const std::uint8_t index : row) used[index] = true;
    return std::size_t(std::count(used.begin(), used.end(), true));
}

}  // namespace

void convertToPeriodFormats(const fs::path& root) {
    for (const MediaChange& change : mediaChanges()) reencode(root, change);
    // The artwork: pictures of at most 16 colours as 4-bit, the others in turn run-length encoded
    // and top-down, window by window.
    std::vector<fs::path> art;
    for (const auto& entry : fs::recursive_directory_iterator(root / "art"))
        if (entry.is_regular_file() && entry.path().extension() == ".bmp") art.push_back(entry.path());
    std::ranges::sort(art);
    std::map<std::string, int> windowTurn;
    for (const fs::path& file : art) {
        const auto picture = readIndexed(readFile(file));
        if (!picture) throw std::runtime_error(file.string() + " is not an 8-bit picture of the kit");
        const std::string window = file.parent_path().filename().string();
        const int turn = windowTurn.try_emplace(window, int(windowTurn.size())).first->second;
        const Layout layout = coloursUsed(*picture) <= 16 ? Layout::fourBit : turn % 2 == 0 ? Layout::rle8 : Layout::topDown;
        const std::vector<std::uint8_t> bytes = writeBmp(*picture, layout);
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
}

}  // namespace vemra::kit
