#pragma once
// A progress bar on a terminal, redrawn in place when the percentage moves;
// nothing at all when the output is not a terminal (a log or a pipe).

#include "export/MovieExporter.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace glimmora::cli {

class TerminalProgress : public exporting::ExportProgress {
public:
    TerminalProgress(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}

    bool Step(int done, int total) override
    {
        if (!terminal_ || total <= 0) return true;
        const int percent = int(int64_t(done) * 100 / total);
        if (percent == shown_) return true;
        shown_ = percent;
        constexpr int kWidth = 40;
        const int filled = percent * kWidth / 100;
        out_ << "\rExporting [" << std::string(size_t(filled), '#') << std::string(size_t(kWidth - filled), ' ')
             << "] " << percent << "%" << std::flush;
        return true;
    }
    // Ends the bar's line.
    void Finish()
    {
        if (terminal_ && shown_ >= 0) out_ << '\n' << std::flush;
    }

private:
    std::ostream& out_;
    bool terminal_;
    int shown_ = -1;
};

}  // namespace glimmora::cli
