#pragma once
// A progress bar on the terminal: "Sound_1 [##########          ]  50%",
// redrawn in place as the percentage grows. Only drawn when the stream is a
// terminal, so that logs and pipes get no carriage returns.

#include <ostream>
#include <string>

namespace glimmora::cli {

class TerminalProgress {
public:
    // `enabled`: usually whether the stream is a terminal (StderrIsTerminal()).
    TerminalProgress(std::ostream& out, std::string label, bool enabled);
    ~TerminalProgress();

    // Draws the bar when the percentage (0 to 100) has changed.
    void Show(int percent);
    // Ends the bar's line; nothing more is drawn.
    void Finish();

    // The bar's line for `percent`, without the carriage return.
    static std::string Line(const std::string& label, int percent);

private:
    std::ostream& out_;
    std::string label_;
    bool enabled_;
    int shown_ = -1;
};

bool StderrIsTerminal();

}  // namespace glimmora::cli
