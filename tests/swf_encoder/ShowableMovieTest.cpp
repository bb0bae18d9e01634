// The writer refuses, before writing, what the player's reader would refuse:
// the record count it checks is the reader's own, and the stage size and
// file size limits are the reader's.

#include "EncoderFixture.h"

#include "swf/encoder/MovieEncoder.h"
#include "swf/encoder/ShowableMovie.h"
#include "swf/reader/RecordCount.h"
#include "support/TempDir.h"

#include <filesystem>

namespace glimmora::test {
namespace {

class ShowableMovie : public EncoderFixture {
protected:
    // Rectangles moving for `steps` frames and a text of three letters.
    std::vector<uint8_t> BusyMovie(int steps)
    {
        auto& rectangle = NewRectangle();
        auto& font = NewHolder();
        font.MakeFont("Sans");
        font.AddGlyph("Sans", U"Hey", 1);
        font.AddGlyph("Sans", U"H", 2);
        auto& text = NewHolder();
        text.MakeText(U"\x01\x02", font);
        for (int k = 0; k < steps; ++k) {
            movie.GotoFrame(k);
            if (k > 0) {
                movie.RemoveObject(rectangle);
                movie.RemoveObject(text);
            }
            rectangle.Translate(100.0 * k, 20.0 * k);
            text.Translate(0, 40.0 * k);
            movie.AddObject(rectangle);
            movie.AddObject(text);
        }
        return movie.EncodeMovie();
    }
};

TEST_F(ShowableMovie, CountIsExactlyTheReadersForOurMovies)
{
    for (int steps : {1, 7, 300}) {
        SCOPED_TRACE(steps);
        holders.clear();
        movie.SetSize(11000, 8000);
        const std::vector<uint8_t> bytes = BusyMovie(steps);
        const size_t count = swf::CountDecodedRecords(bytes.data(), bytes.size());
        EXPECT_EQ(swf::EncodeMovie(movie.Settings(), movie.GetTimeline()).records, count)
            << "the encoder counts as it writes what the reader counts";
        swf::DecodeLimits limits;
        limits.maxRecords = count;
        EXPECT_NO_THROW(swf::DecodeMovie(bytes.data(), bytes.size(), limits));
        limits.maxRecords = count - 1;
        EXPECT_THROW(swf::DecodeMovie(bytes.data(), bytes.size(), limits), swf::DecodeError);
    }
}

TEST_F(ShowableMovie, MoreRecordsThanThePlayerTakesAreRefusedWithTheCount)
{
    const std::vector<uint8_t> bytes = BusyMovie(50);
    const size_t count = swf::CountDecodedRecords(bytes.data(), bytes.size());
    swf::DecodeLimits limits;
    limits.maxRecords = count;
    EXPECT_NO_THROW(swf::RequireShowable(bytes, count, limits));
    limits.maxRecords = count - 1;
    try {
        swf::RequireShowable(bytes, count, limits);
        ADD_FAILURE() << "accepted";
    } catch (const SwfError& e) {
        EXPECT_NE(std::string(e.what()).find("would hold " + std::to_string(count) + " records"), std::string::npos)
            << e.what();
    }
}

TEST_F(ShowableMovie, AFileLargerThanThePlayerReadsIsRefused)
{
    const std::vector<uint8_t> bytes = BusyMovie(3);
    swf::DecodeLimits limits;
    limits.maxInflatedBytes = bytes.size() - 9;
    EXPECT_THROW(swf::RequireShowable(bytes, 0, limits), SwfError);
}

TEST_F(ShowableMovie, WriteMovieRefusesAStageThePlayerCannotShowAndWritesNothing)
{
    TempDir dir;
    movie.SetSize(40000 * 20, 2000);
    movie.AddObject(NewRectangle());
    const auto path = dir / "wide.swf";
    try {
        movie.WriteMovie(path.string());
        ADD_FAILURE() << "written";
    } catch (const SwfError& e) {
        EXPECT_NE(std::string(e.what()).find("unusable stage size"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace glimmora::test
