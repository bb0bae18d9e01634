#include "app/cli/Templates.h"

#include "files/ProgramFolder.h"

#include <algorithm>
#include <system_error>

namespace glimmora::cli {

std::filesystem::path TemplateFolder() { return files::ProgramFolder() / "template"; }

std::vector<std::string> TemplateNames()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(TemplateFolder(), error)) {
        if (entry.path().extension() == ".gmr" && entry.is_regular_file(error)) names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace glimmora::cli
