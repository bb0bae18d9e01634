// A movie read as one this program has just written (DecodeWrittenMovie):
// its main timeline's display operations stay in the file's tags and are
// read as they are gone through. Every frame must then hold exactly what
// DecodeMovie gives, for hand-made movies of every display tag and for the
// builder's own movies; a damaged tag ends its frame's operations.

#include "projects/BusyMovie.h"
#include "projects/LongMovies.h"
#include "support/ActionBytes.h"
#include "support/BuiltMovie.h"
#include "support/SwfBytes.h"
#include "support/TempDir.h"

#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace glimmora::swf {
namespace {

using test::Bytes;
using test::ByteVector;

std::vector<DisplayOp> OpsOf(const DisplayOpList& list)
{
    return std::vector<DisplayOp>(list.begin(), list.end());
}

void ExpectSameFrames(const std::vector<FrameRecord>& read, const std::vector<FrameRecord>& kept)
{
    ASSERT_EQ(read.size(), kept.size());
    for (size_t f = 0; f < read.size(); ++f) {
        SCOPED_TRACE("frame " + std::to_string(f));
        EXPECT_EQ(kept[f].ops.size(), read[f].ops.size());
        EXPECT_EQ(OpsOf(kept[f].ops), OpsOf(read[f].ops));
        ASSERT_EQ(kept[f].scripts.size(), read[f].scripts.size());
        for (size_t s = 0; s < read[f].scripts.size(); ++s)
            EXPECT_EQ(kept[f].scripts[s].beforeOp, read[f].scripts[s].beforeOp);
        EXPECT_EQ(kept[f].sounds.size(), read[f].sounds.size());
        EXPECT_EQ(kept[f].label, read[f].label);
    }
}

void ExpectSameMovie(const ByteVector& file)
{
    const DecodedMovie read = DecodeMovie(file.data(), file.size());
    const DecodedMovie kept = DecodeWrittenMovie(std::make_shared<const ByteVector>(file));
    EXPECT_EQ(kept.header.frameCount, read.header.frameCount);
    EXPECT_EQ(kept.dictionary.size(), read.dictionary.size());
    EXPECT_EQ(kept.tagCounts, read.tagCounts);
    ExpectSameFrames(read.frames, kept.frames);
    for (const auto& [id, character] : read.dictionary) {
        if (const auto* sprite = std::get_if<Sprite>(character.get())) {
            SCOPED_TRACE("sprite " + std::to_string(id));
            ExpectSameFrames(sprite->frames, std::get<Sprite>(*kept.dictionary.at(id)).frames);
        }
    }
}

ByteVector SpriteTag(uint16_t id, const std::vector<ByteVector>& inner, uint16_t frames)
{
    Bytes b;
    b.U16(id).U16(frames);
    for (const ByteVector& t : inner) b.Add(t);
    return test::Tag(39, b);
}

// PlaceObject3 of character 1 at depth 4 with a class name, a matrix, a clip
// depth, one blur filter and a blend mode: an operation kept whole.
ByteVector RichPlace3()
{
    Bytes po3;
    po3.U8(0x02 | 0x04 | 0x40).U8(0x08 | 0x01 | 0x02).U16(4).Str("Cls").U16(1).Add(test::TranslateMatrix(100, 0));
    po3.U16(6);
    po3.U8(1).U8(1).Add(ByteVector(9, 0x11));
    po3.U8(3);
    return test::Tag(70, po3);
}

struct HandMadeCase {
    const char* name;
    std::vector<ByteVector> tags;
    uint16_t frames;
    bool compressed = false;
};

TEST(WrittenMovie, EveryFrameHoldsWhatAFullReadGives)
{
    const ByteVector doAction = test::ActionBytes().Stop().Tag();
    const HandMadeCase cases[] = {
        {"place, modify, replace, remove, ignored place",
         {test::BoxShape(1), test::BoxShape(2), test::PlaceNew(1, 1, test::TranslateMatrix(2000, 1000)),
          test::PlaceNew(5, 2, {}, {}, "b"), test::ShowFrame(), test::Modify(1, test::TranslateMatrix(40, 60)),
          test::PlaceNew(5, 1, test::TranslateMatrix(99, 99)), test::ShowFrame(),
          test::Replace(1, 2, {}, {0x69, 0x00, 0x40, 0x10, 0x02, 0x00}), test::ShowFrame(), test::RemoveObject2(5),
          test::ShowFrame(), test::ShowFrame()},
         5},
        {"scripts between operations",
         {test::BoxShape(1), doAction, test::PlaceNew(1, 1), doAction,
          test::PlaceNew(2, 1), test::ShowFrame(), test::RemoveObject2(1), doAction, test::ShowFrame()},
         2},
        {"PlaceObject and RemoveObject of the first version, PlaceObject3 kept whole",
         {test::BoxShape(1), test::Tag(4, Bytes().U16(1).U16(3).Add(test::TranslateMatrix(10, 20))), RichPlace3(),
          test::ShowFrame(), test::Tag(5, Bytes().U16(1).U16(3)), test::ShowFrame()},
         2},
        {"a PlaceObject2 that neither moves nor places, and a label",
         {test::BoxShape(1), test::Tag(26, Bytes().U8(0x04).U16(2).Add(test::TranslateMatrix(5, 5))),
          test::Tag(43, Bytes().Str("here")), test::PlaceNew(2, 1), test::ShowFrame()},
         1},
        {"a sprite's frames, read at once",
         {test::BoxShape(1),
          SpriteTag(6, {test::PlaceNew(1, 1), test::ShowFrame(), test::Modify(1, test::TranslateMatrix(7, 7)),
                        test::ShowFrame(), test::EndTag()},
                    2),
          test::PlaceNew(1, 6), test::ShowFrame(), test::ShowFrame()},
         2},
        {"compressed",
         {test::BoxShape(1), test::PlaceNew(1, 1), test::ShowFrame(), test::Modify(1, test::TranslateMatrix(3, 4)),
          test::ShowFrame()},
         2,
         true},
        {"frames without operations", {test::ShowFrame(), test::ShowFrame(), test::ShowFrame()}, 3},
    };
    for (const HandMadeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSameMovie(test::Movie(c.tags, c.frames, c.compressed));
    }
}

TEST(WrittenMovie, TheBuildersMoviesReadAlike)
{
    test::TempDir dir;
    const std::filesystem::path projects[] = {
        bench::WriteBusyProject(dir.Path() / "busy"),
        bench::WriteTextMovie(dir.Path() / "texts", "texts", bench::TextMovieShape{.texts = 36, .effects = {}}),
    };
    for (const auto& project : projects) {
        SCOPED_TRACE(project.string());
        test::BuiltMovie(project);
        std::ifstream in(project.parent_path() / "working.swf", std::ios::binary);
        const ByteVector file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_GT(file.size(), 1000u);
        ExpectSameMovie(file);
    }
}

TEST(WrittenMovie, ADamagedOperationEndsItsFrameThere)
{
    // Frame 1's second PlaceObject2 says a matrix follows, but its tag ends.
    const ByteVector file = test::Movie({test::BoxShape(1), test::PlaceNew(1, 1), test::ShowFrame(),
                                         test::PlaceNew(2, 1), test::Tag(26, Bytes().U8(0x06).U16(3).U16(1)),
                                         test::PlaceNew(4, 1), test::ShowFrame(), test::RemoveObject2(1),
                                         test::ShowFrame()},
                                        3);
    EXPECT_THROW(DecodeMovie(file.data(), file.size()), DecodeError);
    const DecodedMovie kept = DecodeWrittenMovie(std::make_shared<const ByteVector>(file));
    ASSERT_EQ(kept.FrameCount(), 3);
    EXPECT_EQ(kept.frames[1].ops.size(), 3u);  // as counted
    const std::vector<DisplayOp> shown = OpsOf(kept.frames[1].ops);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].depth, 2);
    EXPECT_EQ(OpsOf(kept.frames[2].ops).size(), 1u);
    EXPECT_EQ(kept.DisplayListAt(2).count(2), 1u);
}

TEST(WrittenMovie, TheMovieKeepsTheBytesItReadsFrom)
{
    auto bytes = std::make_shared<const ByteVector>(
        test::Movie({test::BoxShape(1), test::PlaceNew(1, 1, test::TranslateMatrix(30, 40)), test::ShowFrame()}, 1));
    std::weak_ptr<const ByteVector> watch = bytes;
    const DecodedMovie kept = DecodeWrittenMovie(std::move(bytes));
    EXPECT_FALSE(watch.expired());
    ASSERT_EQ(kept.frames[0].ops.size(), 1u);
    EXPECT_EQ(kept.frames[0].ops.begin()->matrix->translateX, 30);
}

DecodedMovie ReadWritten(const ByteVector& file, const DecodedMovie* previous = nullptr)
{
    return DecodeWrittenMovie(std::make_shared<const ByteVector>(file), {}, previous);
}

const Character* CharacterOf(const DecodedMovie& movie, uint16_t id) { return movie.dictionary.at(id).get(); }

Rgba FirstFill(const DecodedMovie& movie, uint16_t id)
{
    return std::get<Shape>(*movie.dictionary.at(id)).fillStyles.at(0).color;
}

TEST(WrittenMovie, ADefinitionRepeatedByteForByteIsSharedWithThePreviousMovie)
{
    const DecodedMovie before = ReadWritten(test::Movie(
        {test::BoxShape(1), test::BoxShape(2, 200, 100, {0, 0, 255}), test::PlaceNew(1, 1), test::ShowFrame()}));
    // Shape 1 again; shape 2 in another colour; shape 3 with shape 2's old bytes but its own id.
    const ByteVector after = test::Movie({test::BoxShape(1), test::BoxShape(2, 200, 100, {0, 255, 0}),
                                          test::BoxShape(3, 200, 100, {0, 0, 255}), test::PlaceNew(1, 1),
                                          test::ShowFrame()});
    const DecodedMovie now = ReadWritten(after, &before);
    EXPECT_EQ(CharacterOf(now, 1), CharacterOf(before, 1));
    EXPECT_NE(CharacterOf(now, 2), CharacterOf(before, 2));
    EXPECT_EQ(FirstFill(now, 2), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(FirstFill(before, 2), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(FirstFill(now, 3), (Rgba{0, 0, 255, 255}));
    // What a full read of the new movie gives, shared or not.
    const DecodedMovie read = DecodeMovie(after.data(), after.size());
    for (uint16_t id : {1, 2, 3}) EXPECT_EQ(FirstFill(now, id), FirstFill(read, id)) << "shape " << id;
}

TEST(WrittenMovie, FontInfoChangesOnlyTheNewMoviesCopyOfASharedFont)
{
    // DefineFont2 5 "F" with one empty glyph, no layout.
    Bytes font;
    font.U16(5).U8(0).U8(1).U8(1).Add({'F'}).U16(1).U16(4).U16(6).Add({0x10, 0x00}).U16('A');
    const DecodedMovie before = ReadWritten(test::Movie({test::Tag(48, font), test::ShowFrame()}));
    ASSERT_EQ(std::get<Font>(*before.dictionary.at(5)).name, "F");

    Bytes info;
    info.U16(5).U8(4).Add({'S', 'a', 'n', 's'}).U8(0x01).U16('B');
    const DecodedMovie now = ReadWritten(test::Movie({test::Tag(48, font), test::Tag(13, info), test::ShowFrame()}), &before);
    EXPECT_EQ(std::get<Font>(*now.dictionary.at(5)).name, "Sans");
    EXPECT_EQ(std::get<Font>(*before.dictionary.at(5)).name, "F");
    EXPECT_EQ(std::get<Font>(*before.dictionary.at(5)).glyphs.at(0).code, 'A');
}

}  // namespace
}  // namespace glimmora::swf
