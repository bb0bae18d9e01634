#include "LongMovieFiles.h"

#include "projects/LongMovies.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "swf/encoder/EncoderService.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <utility>

namespace glimmora::bench {
namespace {

class QuietReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override { std::cerr << "bench: " << message << '\n'; }
};

std::filesystem::path Build(LongMovieKind kind, int count)
{
    const std::string name = kind == LongMovieKind::Texts      ? "texts-" + std::to_string(count)
                             : kind == LongMovieKind::Pictures ? "pictures-" + std::to_string(count)
                                                               : "texts-" + std::to_string(count) + "-come-in";
    const auto folder = std::filesystem::temp_directory_path() / "glimmora-bench-long" / name;
    std::filesystem::create_directories(folder);
    std::filesystem::path project;
    if (kind == LongMovieKind::Pictures) {
        project = WritePictureMovie(folder, name, count);
    } else {
        TextMovieShape shape{.texts = count, .effects = {}};
        if (kind == LongMovieKind::ComeInTexts) shape.effects = {"Come In"};
        project = WriteTextMovie(folder, name, shape);
    }
    QuietReporter reporter;
    ClockRandomSource random;
    auto service = MakeEncoderService();
    TVuzozUzev builder(*service, reporter, random);
    builder.WorkingProject = folder / "working.gmr";
    builder.WorkingMovie = folder / (name + ".swf");
    builder.BasePath = std::filesystem::path(project).replace_extension();
    TXMLDocument document;
    IXMLMovie movie = LoadProject(document, project, builder.WorkingProject);
    builder.SetDocument(&movie);
    builder.BuildMovie();
    return builder.WorkingMovie;
}

}  // namespace

const std::filesystem::path& LongMovieFile(LongMovieKind kind, int count)
{
    static std::map<std::pair<LongMovieKind, int>, std::filesystem::path> built;
    auto it = built.find({kind, count});
    if (it == built.end()) it = built.emplace(std::pair{kind, count}, Build(kind, count)).first;
    return it->second;
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace glimmora::bench
