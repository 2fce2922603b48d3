#include "platform/win/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"
#include "platform/win/text_lines.h"

namespace vemra::win {
namespace {

std::string_view trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

// The section name of a "[name]" line.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t[0] != '[') return std::nullopt;
    return trim(t.substr(1, t.find(']') == std::string_view::npos ? std::string_view::npos : t.find(']') - 1));
}

// The key of a "key=value" line.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::string_view t = trim(line);
    const std::size_t equals = t.find('=');
    if (t.empty() || t[0] == ';' || equals == std::string_view::npos) return std::nullopt;
    return trim(t.substr(0, equals));
}

// Where an entry is, or would go, in the lines of a profile.
struct Location {
    std::optional<std::size_t> lastOfSection;  // the section's last non-blank line, its header at least
    std::optional<std::size_t> keyLine;
};

// Only the first section of a name counts, and in it the first line of a key.
Location locate(const std::vector<TextLine>& lines, std::string_view section, std::string_view key) {
    Location at;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i].text)) {
            if (at.lastOfSection) break;
            inSection = sameName(*name, trim(section));
            if (inSection) at.lastOfSection = i;
            continue;
        }
        if (!inSection) continue;
        if (!trim(lines[i].text).empty()) at.lastOfSection = i;
        const auto name = keyName(lines[i].text);
        if (!at.keyLine && name && sameName(*name, trim(key))) at.keyLine = i;
    }
    return at;
}

// The most a profile may hold: the platform's own profiles stayed under 64 KiB.
constexpr std::uint64_t maxProfileBytes = 1 << 20;

// The file's text; nothing when it does not exist, an error when it exists but cannot be read (a
// directory, no permission, larger than a profile may be), so that a write never replaces a file it
// could not read.
std::optional<std::string> readFile(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 && errno == ENOENT) return std::nullopt;
    const std::vector<std::uint8_t> bytes = readBinaryFile(file, {}, std::nullopt, maxProfileBytes);
    return std::string(bytes.begin(), bytes.end());
}

[[noreturn]] void failWrite(const std::filesystem::path& file, const char* why) {
    throw std::runtime_error("cannot write " + file.string() + ": " + why);
}

// Writes the text to a new temporary file beside `file` (created exclusively, so no link standing
// there is followed), flushes it to the disk and renames it over `file`, keeping the old file's
// permissions. A file the user made read-only is left as it is.
void replaceFile(const std::filesystem::path& file, const std::string& text) {
    struct stat old {};
    const bool exists = ::lstat(file.c_str(), &old) == 0;
    // Judged by the mode bits, not by access(): the owner's choice holds even for a superuser.
    if (exists && S_ISREG(old.st_mode) && (old.st_mode & 0222) == 0) failWrite(file, "the file is read-only");
    const mode_t mode = exists && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : 0644;
    std::string temporary = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) failWrite(file, std::strerror(errno));
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += std::size_t(n);
    }
    bool ok = done == text.size() && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temporary.c_str());
        failWrite(file, std::strerror(error));
    }
}

void checkStorable(std::string_view what, std::string_view text, std::string_view forbidden) {
    if (text.find_first_of(forbidden) != std::string_view::npos || text.find_first_of("\r\n") != std::string_view::npos)
        throw std::invalid_argument("a profile " + std::string(what) + " cannot hold \"" + std::string(text) + "\"");
}

}  // namespace

std::string profileValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    const auto lines = splitLines(text);
    const Location at = locate(lines, section, key);
    if (!at.keyLine) return std::string(fallback);
    const std::string_view line = lines[*at.keyLine].text;
    std::string_view value = trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string readProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view fallback) {
    std::optional<std::string> text;
    try {
        text = readFile(file);
    } catch (const FormatError&) {
    }
    return text ? profileValue(*text, section, key, fallback) : std::string(fallback);
}

std::string withProfileEntry(std::string_view old, std::string_view section, std::string_view key,
                             std::string_view value) {
    checkStorable("section", section, "]");
    checkStorable("key", key, "=");
    checkStorable("value", value, "");
    if (trim(section).empty() || trim(key).empty() || trim(key).front() == ';' || trim(key).front() == '[')
        throw std::invalid_argument("a profile entry needs a section and a key name");

    const auto lines = splitLines(old);
    const std::string_view newline = lines.empty() || lines.front().ending.empty() ? "\r\n" : lines.front().ending;
    const Location at = locate(lines, section, key);

    std::string text;
    auto append = [&](std::string_view line, std::string_view ending) {
        text += line;
        text += ending;
    };
    const std::string entry = std::string(trim(key)) + "=" + std::string(value);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool isKey = at.keyLine == i;
        const bool insertAfter = !at.keyLine && at.lastOfSection == i;
        const std::string_view ending = lines[i].ending.empty() && insertAfter ? newline : lines[i].ending;
        if (isKey) {
            append(std::string(*keyName(lines[i].text)) + "=" + std::string(value), ending);
        } else {
            append(lines[i].text, ending);
        }
        if (insertAfter) append(entry, newline);
    }
    if (!at.lastOfSection) {
        if (!lines.empty() && lines.back().ending.empty()) text += newline;
        if (!lines.empty() && !trim(lines.back().text).empty()) text += newline;
        append("[" + std::string(trim(section)) + "]", newline);
        append(entry, newline);
    }
    return text;
}

void writeProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    std::string old;
    try {
        old = readFile(file).value_or("");
    } catch (const FormatError& e) {
        throw std::runtime_error(e.what());
    }
    replaceFile(file, withProfileEntry(old, section, key, value));
}

}  // namespace vemra::win
