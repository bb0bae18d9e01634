#include "app/cli/MovieInput.h"

#include "app/cli/ProjectBuild.h"
#include "document/FileBytes.h"
#include "document/ProjectFiles.h"

#include <cctype>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace glimmora::cli {
namespace {

MovieInput ReadMovie(const std::filesystem::path& file)
{
    MovieInput input;
    input.movie = swf::DecodeMovieFile(file.string());
    const auto bytes = ReadFileBytes(file);
    if (!bytes) throw swf::DecodeError("cannot read \"" + file.string() + "\"");
    input.swf.assign(bytes->begin(), bytes->end());
    return input;
}

}  // namespace

MovieInput LoadMovieInput(const std::filesystem::path& input, IErrorReporter& reporter)
{
    std::string extension = input.extension().string();
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (extension != ".gmr") return ReadMovie(input);

    const auto movieFile = TempFolder() / ("glimmora-cli-" + std::to_string(::getpid()) + ".swf");
    try {
        BuildProjectMovie(input, movieFile, reporter);
        MovieInput built = ReadMovie(movieFile);
        std::filesystem::remove(movieFile);
        return built;
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(movieFile, ec);
        throw;
    }
}

}  // namespace glimmora::cli
