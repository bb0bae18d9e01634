#pragma once
// The commands of glimmora-cli. Each returns the process exit code and throws
// UsageError for bad arguments; any other exception is an error of the work.

#include <string>
#include <vector>

namespace glimmora::cli {

// The movie was written, but some pictures or sounds could not be used.
constexpr int kExitWrittenWithProblems = 3;

int RunBuildCommand(const std::vector<std::string>& args);
int RunImportPictureCommand(const std::vector<std::string>& args);
int RunSwfToExeCommand(const std::vector<std::string>& args);
int RunExeToSwfCommand(const std::vector<std::string>& args);

}  // namespace glimmora::cli
