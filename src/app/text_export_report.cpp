#include "app/text_export_report.h"

#include <cstdio>

namespace vemra::app {

namespace {

void addCodes(std::string& out, std::string_view heading, const std::map<std::uint8_t, ExportTally::Codes>& codes) {
    if (codes.empty()) return;
    out += std::string(heading) + ":\n";
    for (const auto& [code, found] : codes) {
        out += "  code " + std::to_string(code) + ": " + std::to_string(found.count) + " in ";
        std::string files;
        for (const auto& [file, times] : found.files)
            files += (files.empty() ? "" : ", ") + file + " (" + std::to_string(times) + ")";
        out += files + "\n";
    }
}

}  // namespace

std::string exportReport(const ExportTally& tally, std::size_t pages, const std::filesystem::path& out,
                         const std::vector<std::string>& damage, double seconds) {
    char time[32];
    std::snprintf(time, sizeof time, "%.2f", seconds);
    std::string report = "exported " + std::to_string(pages) + " pages to " + out.string() +
                         " (html/index.html and text/): " + std::to_string(tally.texts) + " texts, " +
                         std::to_string(tally.lines) + " lines, " + std::to_string(tally.glyphs) +
                         " glyphs converted in " + time + " s\n";
    addCodes(report, "codes left out (no letter of the title's keyboard)", tally.leftOut);
    addCodes(report, "marks dropped (zero-advance codes that no key types)", tally.marks);
    if (!damage.empty()) {
        report += "damaged files, left out:\n";
        for (const std::string& d : damage) report += "  " + d + "\n";
    }
    return report;
}

}  // namespace vemra::app
