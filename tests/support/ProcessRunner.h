#pragma once
// Runs a program of ours and captures its exit code and output.

#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::vector<std::string>& argv);

// Runs a player executable (`argv`: the file and its arguments) offscreen and
// silent until it has shown `frames` frames, when it prints "played N frames"
// and ends; after 60 s it is stopped (exit code 124).
ProcessResult RunPlayerFor(int frames, const std::vector<std::string>& argv);

// The program folder's executable of that name (e.g. "glimmora-cli").
std::filesystem::path ProgramPath(const std::string& name);

}  // namespace glimmora::test
