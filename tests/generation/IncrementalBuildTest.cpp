// An editor's builder keeps what each object generated and puts back the
// objects an edit left alone. Whatever the edits, the movie it writes is the
// very file a fresh builder writes for the same project, it says the same,
// and every frame draws its objects in order.

#include "projects/BusyMovie.h"
#include "projects/LongMovies.h"
#include "projects/MediaFiles.h"
#include "support/CollectingReporter.h"
#include "support/DrawingOrder.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "swf/encoder/EncoderMovie.h"
#include "swf/encoder/EncoderService.h"
#include "swf/reader/DecodedMovie.h"
#include "swf/reader/RecordCount.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <set>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

// The colour changes and the jitter draw the same numbers after every reseed,
// so that an object generated again draws what it drew before.
class RepeatingRandom : public IRandomSource {
public:
    void Reseed() override { state_ = 0x9E3779B97F4A7C15ull; }
    int Next(int bound) override
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return int((state_ >> 33) % uint64_t(bound));
    }

private:
    uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

std::vector<uint8_t> ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

fs::path CopySample(const fs::path& folder, const fs::path& sample)
{
    for (const auto& entry : fs::directory_iterator(sample.parent_path()))
        if (entry.path().extension() == ".jpg") fs::copy_file(entry.path(), folder / entry.path().filename());
    fs::copy_file(sample, folder / sample.filename());
    return folder / sample.filename();
}

struct ProjectCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> write;
};

// A project loaded as the editor holds it, with one builder for all its builds.
class IncrementalBuild : public ::testing::TestWithParam<ProjectCase> {
protected:
    void SetUp() override
    {
        project = GetParam().write(dir.Path());
        base = fs::path(project).replace_extension();
        movie = LoadProject(document, project, dir / "working.gmr");
        builder = NewBuilder(*service, kept);
    }

    std::unique_ptr<TVuzozUzev> NewBuilder(swfService& on, CollectingReporter& reporter)
    {
        auto made = std::make_unique<TVuzozUzev>(on, reporter, random);
        made->WorkingProject = dir / "working.gmr";
        made->WorkingMovie = dir / "working.swf";
        made->BasePath = base;
        made->SetDocument(&movie);
        return made;
    }

    // Builds with the builder that keeps parts, then with a fresh service and
    // builder, and compares the files and the messages.
    void BuildBoth(const std::string& after)
    {
        SCOPED_TRACE(after);
        kept = {};
        builder->BuildMovie(dir / "kept.swf");
        CollectingReporter fresh;
        auto freshService = MakeEncoderService();
        NewBuilder(*freshService, fresh)->BuildMovie(dir / "fresh.swf");
        const auto keptBytes = ReadBytes(dir / "kept.swf");
        ASSERT_FALSE(keptBytes.empty());
        EXPECT_TRUE(keptBytes == ReadBytes(dir / "fresh.swf")) << "the movies differ";
        EXPECT_EQ(kept.messages, fresh.messages);
        EXPECT_EQ(kept.notes.size(), fresh.notes.size());
        EXPECT_TRUE(DrawsAsPlaced(BuiltTimeline(), swf::DecodeMovie(keptBytes.data(), keptBytes.size())));
        EXPECT_EQ(dynamic_cast<swf::EncoderMovie&>(*builder->Holders().movie).WrittenRecords(),
                  swf::CountDecodedRecords(keptBytes.data(), keptBytes.size()))
            << "the records counted while writing are those the reader counts";
    }

    const swf::Timeline& BuiltTimeline()
    {
        return dynamic_cast<swf::EncoderMovie&>(*builder->Holders().movie).GetTimeline();
    }

    std::optional<IXMLObj> FirstOf(const std::string& kind)
    {
        for (const IXMLObj& obj : movie.Obj().All())
            if (obj.ObjTypeName() == kind) return obj;
        return std::nullopt;
    }

    TempDir dir;
    fs::path project, base;
    TXMLDocument document;
    IXMLMovie movie;
    RepeatingRandom random;
    std::unique_ptr<swfService> service = MakeEncoderService();
    CollectingReporter kept;
    std::unique_ptr<TVuzozUzev> builder;
};

struct Edit {
    const char* what;
    std::function<void(IncrementalBuild&)> apply;
};

TEST_P(IncrementalBuild, WritesWhatAFreshBuilderWritesAfterEveryEdit)
{
    BuildBoth("the first build");

    // Typing into one text makes that text again and puts back the rest.
    std::set<const void*> before;
    for (const auto& part : BuiltTimeline().Parts()) before.insert(part.get());
    const auto text = FirstOf("Text");
    const std::string content = text ? text->ObjType().ObjText().Content() : "";
    if (text) {
        text->ObjType().ObjText().SetContent(content + "x");
        BuildBoth("a letter typed");
        size_t reused = 0;
        for (const auto& part : BuiltTimeline().Parts()) reused += before.count(part.get());
        EXPECT_GE(reused + 1, size_t(movie.Obj().Count())) << "every other object is put back";
        text->ObjType().ObjText().SetContent(content);
        BuildBoth("the letter taken back");
        text->ObjType().ObjText().SetEffectName("Rainbow");
        BuildBoth("the effect changed");
    }

    if (movie.Obj().Count() > 2) {
        movie.Obj().Delete(1);
        BuildBoth("the second object deleted");
        pugi::xml_node last = movie.Obj().Items(movie.Obj().Count() - 1).Node();
        last.parent().insert_move_before(last, movie.Obj().Items(0).Node());
        BuildBoth("the last object moved to the front");
    }

    if (const auto picture = FirstOf("Pic")) {
        const fs::path file = StoredPictureOf(base, picture->ObjName());
        bench::WriteJpeg(file, 64, 48, 4242);
        BuildBoth("the picture file changed");
        fs::remove(file);
        BuildBoth("the picture file removed");
        bench::WriteJpeg(file, 80, 60, 4343);
        BuildBoth("the picture file back");
    }

    movie.SetWidth(movie.Width() + 10);
    BuildBoth("the movie wider");
}

INSTANTIATE_TEST_SUITE_P(
    Projects, IncrementalBuild,
    ::testing::Values(
        ProjectCase{"TextEffectsSample",
                    [](const fs::path& folder) {
                        return CopySample(folder, fs::path(GLIMMORA_SOURCE_DIR) / "data/examples/text-effects.gmr");
                    }},
        ProjectCase{"PictureEffectsSample",
                    [](const fs::path& folder) {
                        return CopySample(folder, fs::path(GLIMMORA_SOURCE_DIR) / "data/examples/picture-effects.gmr");
                    }},
        ProjectCase{"NormalTemplate",
                    [](const fs::path& folder) {
                        return CopySample(folder, fs::path(GLIMMORA_SOURCE_DIR) / "data/template/normal.gmr");
                    }},
        ProjectCase{"BusyMovie", [](const fs::path& folder) { return bench::WriteBusyProject(folder); }},
        ProjectCase{"TextMovie",
                    [](const fs::path& folder) {
                        return bench::WriteTextMovie(folder, "texts", bench::TextMovieShape{.texts = 150, .effects = {}});
                    }},
        ProjectCase{"PictureMovie", [](const fs::path& folder) { return bench::WritePictureMovie(folder, "pictures", 40); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glimmora::test
