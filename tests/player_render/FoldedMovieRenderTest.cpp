// A movie whose settled letters the writer folded into sprites (because a
// frame would show more objects than a movie holds) looks, frame by frame,
// exactly like the same movie written without folding. A lowered limit folds
// a short movie of real letter effects.

#include "RenderFixture.h"

#include "projects/LongMovies.h"
#include "support/CollectingReporter.h"
#include "support/DrawingOrder.h"
#include "support/TempDir.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"
#include "swf/encoder/EncoderMovie.h"
#include "swf/encoder/EncoderService.h"

#include <algorithm>

namespace glimmora::test {
namespace {

// The encoder service, keeping hold of the movie the builder makes with it.
class KeepingService : public swfService {
public:
    std::unique_ptr<swfMovie> CreateMovie() override
    {
        auto movie = inner_->CreateMovie();
        made = dynamic_cast<swf::EncoderMovie*>(movie.get());
        return movie;
    }
    std::unique_ptr<swfObject> CreateObject() override { return inner_->CreateObject(); }

    swf::EncoderMovie* made = nullptr;

private:
    std::unique_ptr<swfService> inner_ = MakeEncoderService();
};

std::shared_ptr<const swf::DecodedMovie> Decoded(const std::vector<uint8_t>& bytes)
{
    return std::make_shared<const swf::DecodedMovie>(swf::DecodeMovie(bytes.data(), bytes.size()));
}

TEST(FoldedMovie, EveryFrameLooksAsWrittenWithoutFolding)
{
    TempDir dir;
    bench::TextMovieShape shape;
    shape.texts = 9;
    // Letters that stay, with runs that come and go ranked between them.
    shape.effects = {"Come In", "Heart Beat", "Come In", "Come In", "Fade Out", "Come In"};
    const auto project = bench::WriteTextMovie(dir.Path(), "letters", shape);

    KeepingService service;
    CollectingReporter reporter;
    ClockRandomSource random;
    TVuzozUzev builder(service, reporter, random);
    builder.WorkingProject = dir.Path() / "working.gmr";
    builder.WorkingMovie = dir.Path() / "working.swf";
    builder.BasePath = std::filesystem::path(project).replace_extension();
    TXMLDocument document;
    IXMLMovie xml = LoadProject(document, project, builder.WorkingProject);
    builder.SetDocument(&xml);
    builder.BuildMovie();
    ASSERT_TRUE(reporter.messages.empty()) << reporter.messages.front();
    ASSERT_NE(service.made, nullptr);
    const swf::EncoderMovie& movie = *service.made;

    const auto plain = Decoded(movie.EncodeMovie());
    const size_t most = MostShownAtOnce(*plain);
    ASSERT_GT(most, 100u);
    swf::MovieSettings settings = movie.Settings();
    settings.mostShownAtOnce = uint32_t(most / 2);
    const auto folded = Decoded(swf::EncodeMovie(settings, movie.GetTimeline()).bytes);
    ASSERT_GT(folded->TagCount(swf::TagCode::DefineSprite), 1u);
    EXPECT_LE(MostShownAtOnce(*folded), settings.mostShownAtOnce);
    EXPECT_TRUE(DrawsAsPlaced(movie.GetTimeline(), *folded));

    const QSize size(plain->header.WidthPixels(), plain->header.HeightPixels());
    player::StageCursor plainCursor(plain), foldedCursor(folded);
    player::FrameRenderer plainRenderer(plain), foldedRenderer(folded);
    for (int frame = 0; frame < plain->FrameCount(); ++frame) {
        const QImage expected = plainRenderer.Render(plainCursor.Seek(frame), size);
        const QImage actual = foldedRenderer.Render(foldedCursor.Seek(frame), size);
        ASSERT_TRUE(actual == expected) << "frame " << frame << " differs";
    }
}

}  // namespace
}  // namespace glimmora::test
