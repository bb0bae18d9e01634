#pragma once
// The templates a new project starts from: the .gmr files of the program
// folder's "template" folder ("blank", "normal").

#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::cli {

std::filesystem::path TemplateFolder();

// The templates' names (the file names without ".gmr"), sorted.
std::vector<std::string> TemplateNames();

}  // namespace glimmora::cli
