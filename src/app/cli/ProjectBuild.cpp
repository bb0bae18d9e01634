#include "app/cli/ProjectBuild.h"

#include "app/cli/ScratchFolder.h"
#include "document/ConversionError.h"
#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "swf/encoder/EncoderService.h"

#include <system_error>

namespace glimmora::cli {

void BuildProjectMovie(const std::filesystem::path& project, const std::filesystem::path& target,
                       IErrorReporter& reporter, const std::function<void(IXMLMovie&)>& edit)
{
    std::error_code ec;
    const auto status = std::filesystem::status(project, ec);
    if (!std::filesystem::exists(status))
        throw DocumentError("Cannot open " + project.string() + ": no such file");
    if (std::filesystem::is_directory(status))
        throw DocumentError("Cannot open " + project.string() + ": it is a folder, not a project file");
    if (!std::filesystem::is_regular_file(status))
        throw DocumentError("Cannot open " + project.string() + ": it is not a regular file");

    ScratchFolder scratch;
    auto service = MakeEncoderService();
    ClockRandomSource random;
    TVuzozUzev builder(*service, reporter, random);
    builder.WorkingProject = scratch.Path() / "Untitled.gmr";
    builder.WorkingMovie = scratch.Path() / "Untitled.swf";
    builder.SourceFile = project;
    builder.BasePath = std::filesystem::absolute(project).replace_extension();

    TXMLDocument document;
    IXMLMovie movie = LoadProject(document, project, builder.WorkingProject);
    if (edit) edit(movie);
    builder.SetDocument(&movie);
    try {
        builder.BuildMovie(target);
    } catch (const std::exception& error) {
        // Errors of the document's content say what is wrong, not where.
        throw DocumentError(project.string() + ": " + error.what());
    }
}

}  // namespace glimmora::cli
