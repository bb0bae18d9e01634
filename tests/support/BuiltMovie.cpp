#include "support/BuiltMovie.h"

#include "support/CollectingReporter.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "swf/encoder/EncoderService.h"

#include <gtest/gtest.h>

namespace glimmora::test {

std::shared_ptr<const swf::DecodedMovie> BuiltMovie(const std::filesystem::path& project)
{
    CollectingReporter reporter;
    ClockRandomSource random;
    auto service = MakeEncoderService();
    TVuzozUzev builder(*service, reporter, random);
    builder.WorkingProject = project.parent_path() / "working.gmr";
    builder.WorkingMovie = project.parent_path() / "working.swf";
    builder.BasePath = std::filesystem::path(project).replace_extension();
    TXMLDocument document;
    IXMLMovie movie = LoadProject(document, project, builder.WorkingProject);
    builder.SetDocument(&movie);
    builder.BuildMovie();
    EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front();
    return std::make_shared<const swf::DecodedMovie>(swf::DecodeMovieFile(builder.WorkingMovie.string()));
}

}  // namespace glimmora::test
