#include "BusyMovieBytes.h"

#include "projects/BusyMovie.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "swf/encoder/EncoderService.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace glimmora::bench {
namespace {

class QuietReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override { std::cerr << "bench: " << message << '\n'; }
};

std::filesystem::path Folder()
{
    return std::filesystem::temp_directory_path() / "glimmora-bench-player";
}

}  // namespace

const std::vector<uint8_t>& BusyMovieBytes()
{
    static const std::vector<uint8_t> bytes = [] {
        const auto folder = Folder();
        std::filesystem::create_directories(folder);
        const auto project = WriteBusyProject(folder);
        QuietReporter reporter;
        ClockRandomSource random;
        auto service = MakeEncoderService();
        TVuzozUzev builder(*service, reporter, random);
        builder.WorkingProject = folder / "working.gmr";
        builder.WorkingMovie = folder / "working.swf";
        builder.BasePath = std::filesystem::path(project).replace_extension();
        TXMLDocument document;
        IXMLMovie movie = LoadProject(document, project, builder.WorkingProject);
        builder.SetDocument(&movie);
        builder.BuildMovie();
        // Kept for measuring the standalone player on the same movie.
        std::filesystem::copy_file(builder.WorkingMovie, folder / "busy.swf",
                                   std::filesystem::copy_options::overwrite_existing);
        std::ifstream in(builder.WorkingMovie, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

std::filesystem::path BusyMovieFile()
{
    BusyMovieBytes();
    return Folder() / "busy.swf";
}

}  // namespace glimmora::bench
