#include "app/text_export_progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace vemra::app {

namespace {
constexpr std::size_t width = 30;
}  // namespace

ProgressBar::ProgressBar(std::size_t total) : total_(total), terminal_(isatty(STDERR_FILENO) == 1) {}

void ProgressBar::show(std::size_t done, std::string_view next) {
    if (!terminal_ || total_ == 0) return;
    drawn_ = true;
    const std::size_t filled = done * width / total_;
    const std::string bar = std::string(filled, '#') + std::string(width - filled, '-');
    std::fprintf(stderr, "\r[%s] %zu/%zu %.*s\033[K", bar.c_str(), done, total_, int(next.size()), next.data());
    std::fflush(stderr);
}

void ProgressBar::clear() {
    if (!drawn_) return;
    drawn_ = false;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
}

}  // namespace vemra::app
