#pragma once
// The exit codes of glimmora-cli, the same for every command.

#include <string>
#include <vector>

namespace glimmora::cli {

constexpr int kExitSuccess = 0;
// The work could not be done; the reason is printed and nothing was written
// (or, for several projects, at least one of them failed).
constexpr int kExitFailure = 1;
// The command line is wrong: the usage is printed.
constexpr int kExitUsage = 2;
// The movie was written, but some pictures or sounds could not be used.
constexpr int kExitWrittenWithProblems = 3;

struct ExitCodeMeaning {
    int code;
    std::string meaning;
};

// Every exit code with its meaning, for the help and the manual page.
const std::vector<ExitCodeMeaning>& ExitCodeMeanings();

}  // namespace glimmora::cli
