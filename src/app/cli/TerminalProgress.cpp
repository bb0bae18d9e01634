#include "app/cli/TerminalProgress.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace glimmora::cli {

namespace {

constexpr int kBarWidth = 30;

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& out, std::string label, bool enabled)
    : out_(out), label_(std::move(label)), enabled_(enabled)
{
}

TerminalProgress::~TerminalProgress() { Finish(); }

std::string TerminalProgress::Line(const std::string& label, int percent)
{
    percent = std::clamp(percent, 0, 100);
    const int filled = percent * kBarWidth / 100;
    char number[8];
    std::snprintf(number, sizeof number, "%3d%%", percent);
    return label + " [" + std::string(filled, '#') + std::string(kBarWidth - filled, ' ') + "] " + number;
}

void TerminalProgress::Show(int percent)
{
    if (!enabled_ || percent == shown_) return;
    shown_ = percent;
    out_ << '\r' << Line(label_, percent) << std::flush;
}

void TerminalProgress::Finish()
{
    if (!enabled_) return;
    if (shown_ >= 0) out_ << '\n' << std::flush;
    enabled_ = false;
}

bool StderrIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

}  // namespace glimmora::cli
