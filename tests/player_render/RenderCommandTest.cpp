// `glimmora-cli render` on a small movie written with the SWF tag writers.

#include "RenderFixture.h"

#include "support/ActionBytes.h"
#include "support/ProcessRunner.h"
#include "support/SwfBytes.h"
#include "support/TempDir.h"
#include "swf/writer/BitWriter.h"
#include "swf/writer/ControlTags.h"
#include "swf/writer/DisplayListTags.h"
#include "swf/writer/ShapeTags.h"

#include <filesystem>
#include <fstream>

namespace glimmora::test {
namespace {

// 100x50 px, blue background; a 20x20 red square that moves 30 px right each frame.
void WriteMovingSquare(const std::filesystem::path& path, int frames)
{
    swf::BitWriter out, scratch;
    swf::MovieHeader header;
    header.frameSize = {0, Px(100), 0, Px(50)};
    header.frameCount = uint16_t(frames);
    const size_t lengthAt = swf::WriteMovieHeader(out, header);
    swf::WriteFileAttributes(out, 0);
    swf::WriteSetBackgroundColor(out, kBlue);
    swf::RectangleFill fill;
    fill.color = kRed;
    swf::WriteRectangleShape(out, scratch, 1, Px(20), Px(20), fill);
    for (int frame = 0; frame < frames; ++frame) {
        swf::PlaceObject2 place;
        place.depth = 1;
        place.move = frame > 0;
        if (frame == 0) place.characterId = 1;
        place.matrix = Translate(5 + 30 * frame, 10);
        swf::WritePlaceObject2(out, scratch, place);
        swf::WriteShowFrame(out);
    }
    swf::WriteEnd(out);
    out.Align();
    out.PatchUI32(lengthAt, uint32_t(out.Size()));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(out.Data().data()), std::streamsize(out.Size()));
}

ProcessResult Render(const std::vector<std::string>& args)
{
    std::vector<std::string> argv = {ProgramPath("glimmora-cli").string(), "render"};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
}

TEST(RenderCommand, WritesOneFrame)
{
    TempDir dir;
    WriteMovingSquare(dir / "movie.swf", 3);
    const auto result = Render({(dir / "movie.swf").string(), "--frame", "1", "-o", (dir / "one.png").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    QImage image(QString::fromStdString((dir / "one.png").string()));
    ASSERT_EQ(image.size(), QSize(100, 50));
    EXPECT_PIXEL(image, 45, 20, Q(kRed));
    EXPECT_PIXEL(image, 15, 20, Q(kBlue));
}

TEST(RenderCommand, WritesARangeOfFramesAtAGivenSize)
{
    TempDir dir;
    WriteMovingSquare(dir / "movie.swf", 3);
    const auto result = Render({(dir / "movie.swf").string(), "--frames", "0-2", "--size", "200x100",
                                "-o", (dir / "f_%d.png").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (int frame = 0; frame < 3; ++frame) {
        SCOPED_TRACE(frame);
        QImage image(QString::fromStdString((dir / ("f_" + std::to_string(frame) + ".png")).string()));
        ASSERT_EQ(image.size(), QSize(200, 100));
        EXPECT_PIXEL(image, 2 * (15 + 30 * frame), 40, Q(kRed));
    }
}

TEST(RenderCommand, RefusesBadRequests)
{
    TempDir dir;
    WriteMovingSquare(dir / "movie.swf", 2);
    std::ofstream(dir / "junk.swf") << "this is no movie";
    const std::string movie = (dir / "movie.swf").string();
    const std::string png = (dir / "out.png").string();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
    };
    for (const Case& c : std::vector<Case>{
             {"frame past the end", {movie, "--frame", "2", "-o", png}, 1},
             {"not a movie", {(dir / "junk.swf").string(), "--frame", "0", "-o", png}, 1},
             {"missing file", {(dir / "none.swf").string(), "--frame", "0", "-o", png}, 1},
             {"unwritable output", {movie, "--frame", "0", "-o", (dir / "no/such/dir.png").string()}, 1},
             {"no output", {movie, "--frame", "0"}, 2},
             {"no frame", {movie, "-o", png}, 2},
             {"bad frame", {movie, "--frame", "x", "-o", png}, 2},
             {"range without %d", {movie, "--frames", "0-1", "-o", png}, 2},
             {"backwards range", {movie, "--frames", "1-0", "-o", (dir / "f%d.png").string()}, 2},
             {"bad size", {movie, "--frame", "0", "--size", "0x5", "-o", png}, 2},
             {"frame and ticks", {movie, "--frame", "0", "--ticks", "3", "-o", png}, 2},
             {"bad ticks", {movie, "--ticks", "-3", "-o", png}, 2},
             {"tick range without %d", {movie, "--ticks", "1-3", "-o", png}, 2}}) {
        SCOPED_TRACE(c.name);
        const auto result = Render(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(png));
}

// Four main frames; sprite 5 moves a red box (10 x 5 px) 30 px right on each
// of its three frames, from main frame 0 on; main frame 1 stops the main
// timeline; main frame 2 places a green box at (0, 100).
void WriteScriptedMovie(const std::filesystem::path& path)
{
    Bytes sprite;
    sprite.U16(5).U16(3);
    for (int frame = 0; frame < 3; ++frame) {
        sprite.Add(frame == 0 ? PlaceNew(1, 1) : Modify(1, TranslateMatrix(600 * frame, 0))).Add(ShowFrame());
    }
    sprite.Add(EndTag());
    const ByteVector file = Movie({BoxShape(1), BoxShape(2, 200, 100, {0, 255, 0}), Tag(39, sprite), PlaceNew(1, 5),
                                   ShowFrame(), ActionBytes().Stop().Tag(), ShowFrame(),
                                   PlaceNew(2, 2, TranslateMatrix(0, 2000)), ShowFrame(), ShowFrame()},
                                  4);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
}

TEST(RenderCommand, TicksPlayTheMovieFramesSeekIt)
{
    TempDir dir;
    WriteScriptedMovie(dir / "movie.swf");
    struct Case {
        std::vector<std::string> choice;
        int redBoxAt;  // which of the sprite's three places
        bool green;    // main frame 2 reached
    };
    // Ticks: the main timeline stops in frame 1, the sprite plays on.
    // Frames: the main timeline shows frame N, the sprite the frame it reached by then.
    for (const Case& c : {Case{{"--ticks", "0"}, 0, false}, Case{{"--ticks", "5"}, 2, false},
                          Case{{"--ticks", "7"}, 1, false}, Case{{"--frame", "1"}, 1, false},
                          Case{{"--frame", "3"}, 0, true}}) {
        SCOPED_TRACE(c.choice[0] + " " + c.choice[1]);
        std::vector<std::string> args = {(dir / "movie.swf").string()};
        args.insert(args.end(), c.choice.begin(), c.choice.end());
        args.insert(args.end(), {"-o", (dir / "out.png").string()});
        const auto result = Render(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QImage image(QString::fromStdString((dir / "out.png").string()));
        for (int place = 0; place < 3; ++place) {
            EXPECT_PIXEL(image, 5 + 30 * place, 2, Q(place == c.redBoxAt ? kRed : kWhite));
        }
        EXPECT_PIXEL(image, 5, 102, Q(c.green ? kGreen : kWhite));
    }
    // A range of ticks writes one picture per tick.
    const auto range = Render({(dir / "movie.swf").string(), "--ticks", "2-4", "-o", (dir / "t%d.png").string()});
    ASSERT_EQ(range.exitCode, 0) << range.err;
    for (int tick = 2; tick <= 4; ++tick) EXPECT_TRUE(std::filesystem::exists(dir / ("t" + std::to_string(tick) + ".png")));
    EXPECT_FALSE(std::filesystem::exists(dir / "t1.png"));
}

}  // namespace
}  // namespace glimmora::test
