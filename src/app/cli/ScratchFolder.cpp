#include "app/cli/ScratchFolder.h"

#include "document/ConversionError.h"
#include "document/ProjectFiles.h"

#include <random>
#include <system_error>

namespace glimmora::cli {

ScratchFolder::ScratchFolder()
{
    std::random_device rd;
    for (;;) {
        path_ = TempFolder() / ("glimmora-cli-" + std::to_string(rd()));
        std::error_code ec;
        if (std::filesystem::create_directories(path_, ec)) return;
        if (ec) throw DocumentError("Cannot create a working folder in " + TempFolder().string() + ": " + ec.message());
    }
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace glimmora::cli
