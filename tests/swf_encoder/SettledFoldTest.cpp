// A frame that would show more objects than a movie holds at once folds the
// objects that no longer change into sprites: every frame still draws the
// same placements in the same order, the display list stays within the
// limit, and a movie that fits is written exactly as before. A lowered limit
// tries the folding on small movies.

#include "EncoderFixture.h"
#include "support/DrawingOrder.h"
#include "support/SwfCheck.h"
#include "support/TempDir.h"

#include "swf/encoder/MovieEncoder.h"
#include "swf/reader/DecodedMovie.h"
#include "swf/reader/RecordCount.h"

#include <algorithm>
#include <fstream>
#include <variant>

namespace glimmora::test {
namespace {

// Runs of letters as a letter effect leaves them: run r begins at frame
// r * spacing; its letter k comes in at frame start + k, moves for `steps`
// frames and then stays to the end. Depth classes cycle through `classes` by
// run (0: no class). With `passers`, each run is followed (in call order, so
// in rank) by a rectangle of the same class shown for `passerLength` frames
// while later runs arrive: objects ranked between settled letters that are
// still on the stage when frames fold. With `under`, a rectangle of class 1
// placed first stays to the end.
struct LetterRuns {
    const char* what;
    int runs;
    int letters;
    int steps;
    int spacing;
    std::vector<int> classes;
    bool passers;
    int passerLength;
    bool under;
    uint32_t limit;  // objects at once before folding
};

void PrintTo(const LetterRuns& s, std::ostream* os) { *os << s.what; }

// Encodes the fixture's movie folding beyond `limit` objects at once.
class FoldFixture : public EncoderFixture {
protected:
    swf::EncodedMovie EncodeCounting(uint32_t limit) const
    {
        swf::MovieSettings settings = movie.Settings();
        settings.mostShownAtOnce = limit;
        return swf::EncodeMovie(settings, movie.GetTimeline());
    }
    std::vector<uint8_t> Encode(uint32_t limit) const { return EncodeCounting(limit).bytes; }

};

class SettledFold : public FoldFixture, public ::testing::WithParamInterface<LetterRuns> {
protected:
    void Place(const LetterRuns& s)
    {
        if (s.under) {
            auto& below = NewRectangle(400, 400);
            below.SetDepth(1);
            below.SetSolidFill(0, 0, 255, 255);
            movie.AddObject(below);
        }
        auto& font = NewHolder();
        font.MakeFont("Sans");
        for (int r = 0; r < s.runs; ++r) {
            const int start = r * s.spacing;
            const int depthClass = s.classes[size_t(r) % s.classes.size()];
            for (int k = 0; k < s.letters; ++k) {
                const char32_t code = char32_t(1 + (r * s.letters + k) % 40);
                font.AddGlyph("Sans", std::u32string(1, U'a' + char32_t(code % 26)), int(code));
                auto& letter = NewHolder();
                letter.MakeText(std::u32string(1, code), font);
                if (depthClass) letter.SetDepth(depthClass);
                letter.SetSolidFill(40 * k % 256, 30 * r % 256, 100, 255);
                for (int step = 0; step <= s.steps; ++step) {
                    movie.GotoFrame(start + k + step);
                    if (step > 0) movie.RemoveObject(letter);
                    letter.Translate(300.0 * k + 200.0 * (s.steps - step), 600.0 * r);
                    movie.AddObject(letter);
                }
            }
            if (s.passers) {
                auto& passer = NewRectangle(150.0 * r, 100);
                if (depthClass) passer.SetDepth(depthClass);
                passer.SetSolidFill(0, 200, 0, 128);
                movie.GotoFrame(start);
                movie.AddObject(passer);
                movie.GotoFrame(start + s.passerLength);
                movie.RemoveObject(passer);
            }
        }
    }
};

TEST_P(SettledFold, CrowdedFramesFoldSettledObjectsAndDrawTheSame)
{
    const LetterRuns& s = GetParam();
    Place(s);
    const std::vector<uint8_t> unfolded = movie.EncodeMovie();
    const swf::DecodedMovie plain = swf::DecodeMovie(unfolded.data(), unfolded.size());
    ASSERT_EQ(plain.TagCount(swf::TagCode::DefineSprite), 0u);
    ASSERT_GT(MostShownAtOnce(plain), s.limit) << "the case must need folding";

    const swf::EncodedMovie encoded = EncodeCounting(s.limit);
    const std::vector<uint8_t>& bytes = encoded.bytes;
    const swf::DecodedMovie folded = swf::DecodeMovie(bytes.data(), bytes.size());
    EXPECT_GT(folded.TagCount(swf::TagCode::DefineSprite), 0u);
    EXPECT_LE(MostShownAtOnce(folded), s.limit);
    EXPECT_TRUE(DrawsAsPlaced(movie.GetTimeline(), folded));

    // The count the writer checks is the reader's, sprites included.
    const size_t count = swf::CountDecodedRecords(bytes.data(), bytes.size());
    EXPECT_EQ(encoded.records, count) << "counted while writing";
    swf::DecodeLimits limits;
    limits.maxRecords = count;
    EXPECT_NO_THROW(swf::DecodeMovie(bytes.data(), bytes.size(), limits));
    limits.maxRecords = count - 1;
    EXPECT_THROW(swf::DecodeMovie(bytes.data(), bytes.size(), limits), swf::DecodeError);
}

TEST_P(SettledFold, OnlyAFrameOverTheLimitFolds)
{
    const LetterRuns& s = GetParam();
    Place(s);
    const std::vector<uint8_t> unfolded = movie.EncodeMovie();
    const swf::DecodedMovie plain = swf::DecodeMovie(unfolded.data(), unfolded.size());
    const uint32_t most = uint32_t(MostShownAtOnce(plain));
    EXPECT_EQ(Encode(most), unfolded) << "a movie within the limit is written as it always was";
    const std::vector<uint8_t> over = Encode(most - 1);
    EXPECT_NE(over, unfolded);
    const swf::DecodedMovie folded = swf::DecodeMovie(over.data(), over.size());
    EXPECT_GT(folded.TagCount(swf::TagCode::DefineSprite), 0u);
    EXPECT_TRUE(DrawsAsPlaced(movie.GetTimeline(), folded));
}

TEST_P(SettledFold, TheIndependentParserTakesTheSprites)
{
    GLIMMORA_REQUIRE_SWFCHECK();
    Place(GetParam());
    TempDir dir;
    const auto path = dir.Path() / "folded.swf";
    const std::vector<uint8_t> bytes = Encode(GetParam().limit);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    const SwfCheckResult result = SwfCheckParse(path);
    EXPECT_TRUE(result.ok) << result.report;
    EXPECT_EQ(result.warnings, 0) << result.report;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettledFold,
    ::testing::Values(
        // One class: consecutive runs fold together, frame after frame.
        LetterRuns{"letters that stay", 14, 6, 4, 3, {2}, false, 0, false, 20},
        // Classes draw apart: a sprite holds one class only.
        LetterRuns{"runs of three classes", 14, 6, 4, 3, {2, 1, 0}, false, 0, true, 24},
        // Objects still shown between settled runs keep them in separate sprites.
        LetterRuns{"passers between the runs", 14, 5, 3, 2, {2}, true, 9, false, 22},
        LetterRuns{"passers and classes", 16, 5, 3, 2, {0, 2}, true, 7, true, 26}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

class CrowdedByMovers : public FoldFixture {};

// Objects that never settle keep every frame over the limit: each frame would
// fold the one object that settled since into the sprite before, writing the
// sprite again, bigger, frame after frame. The folding stops while the
// children written stay in proportion to the movie.
TEST_F(CrowdedByMovers, FoldingStopsBeforeTheFileGrowsWithTheSquareOfItsLength)
{
    constexpr int kFrames = 800, kMovers = 8;
    std::vector<swf::EncoderObject*> movers;
    for (int m = 0; m < kMovers; ++m) movers.push_back(&NewRectangle());
    for (int f = 0; f < kFrames; ++f) {
        movie.GotoFrame(f);
        for (int m = 0; m < kMovers; ++m) {
            if (f > 0) movie.RemoveObject(*movers[size_t(m)]);
            movers[size_t(m)]->Translate(20.0 * f, 400.0 * m);
            movie.AddObject(*movers[size_t(m)]);
        }
        auto& still = NewRectangle(20.0 * (f % 200), 20.0 * (f / 200));
        movie.AddObject(still);
    }
    const std::vector<uint8_t> bytes = Encode(kMovers + 2);
    const swf::DecodedMovie folded = swf::DecodeMovie(bytes.data(), bytes.size());
    size_t children = 0;
    for (const auto& [id, character] : folded.dictionary)
        if (const auto* sprite = std::get_if<swf::Sprite>(character.get())) children += sprite->frames[0].ops.size();
    const size_t chains = kMovers + kFrames;
    EXPECT_GT(children, 0u);
    EXPECT_LE(children, 2 * chains + 2 * 65535) << "about " << kFrames * kFrames / 2 << " without a bound";
    EXPECT_TRUE(DrawsAsPlaced(movie.GetTimeline(), folded));
}

class FullStage : public EncoderFixture {};

// Beyond what the format holds, with the limit it has: 70,000 rectangles that
// stay, 2,000 placed in each frame.
TEST_F(FullStage, SeventyThousandObjectsThatStayFitInOneMovie)
{
    auto& holder = NewRectangle();
    for (int i = 0; i < 70000; ++i) {
        movie.GotoFrame(i / 2000);
        holder.Translate(20 * (i % 997), 20 * (i % 89));
        holder.SetSolidFill(i % 251, 0, 0, 255);
        movie.AddObject(holder);
    }
    const std::vector<uint8_t> bytes = movie.EncodeMovie();
    swf::DecodeLimits limits;
    limits.maxRecords = 16u << 20;
    const swf::DecodedMovie decoded = swf::DecodeMovie(bytes.data(), bytes.size(), limits);
    EXPECT_GT(decoded.TagCount(swf::TagCode::DefineSprite), 0u);
    EXPECT_TRUE(DrawsAsPlaced(movie.GetTimeline(), decoded));
}

}  // namespace
}  // namespace glimmora::test
