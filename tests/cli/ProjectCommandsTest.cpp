// glimmora-cli new, add-text, set, list and effects: a script makes and
// changes a whole movie without the editor, every value checked as the
// editors check it, and nothing written when a command is refused.

#include "effects/picture/PicEffectTable.h"
#include "effects/text/TextEffects.h"
#include "support/ProjectFixtures.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "swf/reader/DecodedMovie.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <variant>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

QJsonObject ListJson(const fs::path& project)
{
    const ProcessResult run = RunCli({"list", project.string(), "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << run.out;
    return json.object();
}

QJsonObject ObjectNamed(const QJsonObject& list, const QString& name)
{
    for (const QJsonValue& obj : list["objects"].toArray())
        if (obj.toObject()["ObjName"].toString() == name) return obj.toObject();
    ADD_FAILURE() << "no object " << name.toStdString();
    return {};
}

class CliProject : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ProcessResult made = RunCli({"new", project.string()});
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    TempDir dir;
    fs::path project = dir / "show.gmr";
};

TEST(CliNew, CopiesTheChosenTemplateAndKeepsAnExistingProject)
{
    TempDir dir;
    const fs::path templates = fs::path(GLIMMORA_PROGRAM_DIR) / "template";
    const auto project = dir / "p.gmr";

    ProcessResult run = RunCli({"new", project.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, project.string())) << run.out;
    EXPECT_EQ(ReadFile(project), ReadFile(templates / "blank.gmr"));

    run = RunCli({"new", project.string(), "--template", "normal"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "exists already")) << run.err;
    EXPECT_EQ(ReadFile(project), ReadFile(templates / "blank.gmr")) << "kept";

    run = RunCli({"new", project.string(), "--template=normal", "--force"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(project), ReadFile(templates / "normal.gmr"));

    const ProcessResult build = RunCli({"build", project.string()});
    EXPECT_EQ(build.exitCode, 0) << build.err;
    EXPECT_TRUE(fs::exists(dir / "p.swf"));
}

TEST(CliNew, RefusesUnknownTemplatesAndOtherExtensions)
{
    TempDir dir;
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"new", (dir / "a.gmr").string(), "--template", "fancy"}, "there is no template 'fancy' (the templates: blank, normal)"},
        {{"new", (dir / "a.gmr").string(), "--template", "../template/blank"}, "there is no template"},
        {{"new", (dir / "a.txt").string()}, "a.txt does not end in .gmr"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
    }
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST_F(CliProject, AddTextTakesTheEditorsValuesAndTheOptions)
{
    ProcessResult run = RunCli({"add-text", project.string(), "Hello"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Text_1 added to")) << run.out;
    run = RunCli({"add-text", project.string(), "Welcome", "--effect", "Come In", "--font", "DejaVu Sans", "--size",
                  "48", "--colour", "#FF0000", "--at", "-20,80", "--name", "Title"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunCli({"add-text", project.string(), "Bye", "--effect", "Fade Out", "--frames", "30-40", "--colour", "$FF0000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Text_2 added")) << run.out;

    const QJsonObject list = ListJson(project);
    struct Expect {
        const char* object;
        const char* property;
        QJsonValue value;
    };
    const Expect expected[] = {
        // Insert Text's values.
        {"Text_1", "Content", "Hello"},    {"Text_1", "FontName", "Microsoft Sans Serif"},
        {"Text_1", "FontSize", 18},        {"Text_1", "FontColor", "$FF0000"},
        {"Text_1", "PositionX", 50},       {"Text_1", "EffectName", "-- None --"},
        {"Text_1", "StartTime", 0},        {"Text_1", "EndTime", 9},
        {"Text_1", "ExSpeed", 9},          {"Text_1", "ObjTypeName", "Text"},
        // "Come In" lasts 25 frames; #RRGGBB red is 255, stored in decimal.
        {"Title", "EffectName", "Come In"}, {"Title", "ExSpeed", 24},
        {"Title", "EndTime", 24},          {"Title", "FontName", "DejaVu Sans"},
        {"Title", "FontSize", 48},         {"Title", "FontColor", "255"},
        {"Title", "PositionX", -20},       {"Title", "PositionY", 80},
        // Chosen frames set the length; $FF0000 is blue.
        {"Text_2", "StartTime", 30},       {"Text_2", "EndTime", 40},
        {"Text_2", "ExSpeed", 10},         {"Text_2", "FontColor", "16711680"},
    };
    for (const Expect& e : expected)
        EXPECT_EQ(ObjectNamed(list, e.object)[e.property], e.value) << e.object << "." << e.property;

    const ProcessResult build = RunCli({"build", project.string()});
    ASSERT_EQ(build.exitCode, 0) << build.err;
    const auto movie = swf::DecodeMovieFile((dir / "show.swf").string());
    EXPECT_GE(movie.FrameCount(), 41) << "the last text runs to frame 40";
}

TEST_F(CliProject, AddTextRefusesBadValuesAndWritesNothing)
{
    const std::string before = ReadFile(project);
    const std::string p = project.string();
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {{"add-text", p, "x", "--effect", "come in"}, 2, "there is no text effect 'come in' (did you mean 'Come In'?)"},
        {{"add-text", p, "x", "--effect", "Zoom In"}, 2, "glimmora-cli effects"},
        {{"add-text", p, "x", "--size", "15"}, 2, "'15' is no FontSize (allowed: one of 8, 9,"},
        {{"add-text", p, "x", "--colour", "red"}, 2, "'red' is no FontColor"},
        {{"add-text", p, "x", "--colour", "$1000000"}, 2, "is no FontColor"},
        {{"add-text", p, "x", "--at", "5"}, 2, "'5' is not a position X,Y"},
        {{"add-text", p, "x", "--at", "5,20000"}, 2, "'20000' is no PositionY (allowed: -10000 to 10000)"},
        {{"add-text", p, "x", "--frames", "9-3"}, 2, "the frame range 9-3 is backwards"},
        {{"add-text", p, "x", "--frames", "0-10000"}, 2, "is no EndTime (allowed: 0 to 9999)"},
        {{"add-text", p, std::string(128, 'a')}, 2, "the text has 128 characters"},
        {{"add-text", p, "x", "--name", "a/b"}, 2, "'a/b' cannot name an object"},
        {{"add-text", p}, 2, "add-text takes a project and a text"},
        {{"add-text", (dir / "none.gmr").string(), "x"}, 1, "none.gmr: no such file"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message << ": " << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
        EXPECT_EQ(ReadFile(project), before) << c.message;
    }
    ASSERT_EQ(RunCli({"add-text", p, "x", "--name", "Title"}).exitCode, 0);
    const ProcessResult taken = RunCli({"add-text", p, "y", "--name", "Title"});
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_TRUE(Contains(taken.err, "show.gmr already has an object named 'Title'")) << taken.err;
}

TEST_F(CliProject, SetChangesOnePropertyAsTheFileStoresIt)
{
    ASSERT_EQ(RunCli({"add-text", project.string(), "Hi"}).exitCode, 0);
    struct Case {
        std::vector<std::string> where;  // object (or --movie)
        std::string property, value;
        const char* key;  // as list --json names it
        QJsonValue stored;
    };
    const Case cases[] = {
        {{"Text_1"}, "Content", "你好", "Content", "你好"},
        {{"Text_1"}, "positionx", "-40", "PositionX", -40},
        {{"Text_1"}, "FontColor", "$00FF00", "FontColor", "65280"},
        {{"Text_1"}, "EffectName", "Heart Beat", "EffectName", "Heart Beat"},
        {{"Text_1"}, "ExAlpha", "-255", "ExAlpha", -255},
        {{"Text_1"}, "EndTime", "99", "EndTime", 99},
        {{"Text_1"}, "StartTime", "50", "StartTime", 50},
        {{"--movie"}, "Width", "640", "Width", 640},
        {{"--movie"}, "Loop", "yes", "Loop", "True"},
        {{"--movie"}, "BgColor", "#000080", "BgColor", "8388608"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"set", project.string()};
        args.insert(args.end(), c.where.begin(), c.where.end());
        args.push_back(c.property);
        args.push_back(c.value);
        const ProcessResult run = RunCli(args);
        ASSERT_EQ(run.exitCode, 0) << c.property << ": " << run.err;
        EXPECT_TRUE(Contains(run.out, std::string(c.key) + " is ")) << run.out;
        const QJsonObject list = ListJson(project);
        const QJsonObject holder = c.where[0] == "--movie" ? list["movie"].toObject() : ObjectNamed(list, "Text_1");
        EXPECT_EQ(holder[c.key], c.stored) << c.property;
    }
    const ProcessResult build = RunCli({"build", project.string()});
    EXPECT_EQ(build.exitCode, 0) << build.err;
}

TEST_F(CliProject, SetRefusesWhatTheEditorsWouldNotTake)
{
    const std::string p = project.string();
    ASSERT_EQ(RunCli({"add-text", p, "Hi", "--frames", "10-20"}).exitCode, 0);
    WriteSolidBmp(dir / "photo.bmp", 8, 8, 0, 0, 255);
    ASSERT_EQ(RunCli({"import-picture", p, "Pic_1", (dir / "photo.bmp").string(), "--new"}).exitCode, 0);
    const std::string before = ReadFile(project);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {{"Nobody", "Content", "x"}, 1, "show.gmr has no object named 'Nobody'"},
        {{"Text_1", "Colour", "1"}, 2, "Text_1 has no property 'Colour' (it has: ObjName, StartTime,"},
        {{"Text_1", "StartTime", "21"}, 2, "StartTime 21 would come after EndTime 20 (set EndTime first)"},
        {{"Text_1", "EndTime", "9"}, 2, "EndTime 9 would come before StartTime 10"},
        {{"Text_1", "ExSpeed", "201"}, 2, "'201' is no ExSpeed (allowed: 0 to 200)"},
        {{"Text_1", "PositionX", "1e3"}, 2, "'1e3' is no PositionX"},
        {{"Text_1", "EffectName", "Zoom In Up l -r"}, 2, "there is no text effect"},
        {{"Pic_1", "EffectName", "Come In"}, 2, "there is no picture effect 'Come In'"},
        {{"Pic_1", "Content", "x.bmp"}, 2, "Content is not set by this command (import-picture sets it)"},
        {{"Text_1", "ObjTypeName", "Pic"}, 2, "ObjTypeName is not set by this command"},
        {{"Text_1", "ObjName", "Pic_1"}, 1, "already has an object named 'Pic_1'"},
        {{"--movie", "Width", "801"}, 2, "The movie: '801' is no Width (allowed: 1 to 800)"},
        {{"--movie", "Loop", "maybe"}, 2, "is no Loop (allowed: True or False)"},
        {{"Text_1", "Content"}, 2, "set takes a project, an object, a property and a value"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"set", p};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult run = RunCli(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message << ": " << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
        EXPECT_EQ(ReadFile(project), before) << c.message;
    }
}

TEST_F(CliProject, RenamingAPictureCarriesItsFileAlong)
{
    const std::string p = project.string();
    WriteSolidBmp(dir / "photo.bmp", 8, 8, 0, 0, 255);
    ASSERT_EQ(RunCli({"import-picture", p, "Pic_1", (dir / "photo.bmp").string(), "--new"}).exitCode, 0);
    const std::string picture = ReadFile(dir / "Pic_1.jpg");

    const ProcessResult run = RunCli({"set", p, "Pic_1", "ObjName", "Cover"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Pic_1.jpg is now Cover.jpg")) << run.out;
    EXPECT_FALSE(fs::exists(dir / "Pic_1.jpg"));
    EXPECT_EQ(ReadFile(dir / "Cover.jpg"), picture);

    const ProcessResult build = RunCli({"build", p});
    EXPECT_EQ(build.exitCode, 0) << "the renamed picture is found: " << build.err;

    // A file already under the new name is never overwritten.
    WriteFile(dir / "Back.jpg", "mine");
    const std::string before = ReadFile(project);
    const ProcessResult refused = RunCli({"set", p, "Cover", "ObjName", "Back"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Contains(refused.err, "Back.jpg exists already")) << refused.err;
    EXPECT_EQ(ReadFile(dir / "Back.jpg"), "mine");
    EXPECT_EQ(ReadFile(project), before);
}

TEST(CliList, ShowsTheMovieAndEachObjectWithoutChangingTheFile)
{
    TempDir dir;
    const auto project = dir / "l.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hello", 10, 10, "255", "Come In") +
                                StaticPictureXml("Pic_1", 0, 0, 8, 8, 5, 20, "Zoom In Up l -r") +
                                "<Obj><ObjName>Sound_1</ObjName><ObjTypeName>Sound</ObjTypeName><ObjType><ObjSound>"
                                "<Content>a \"loud\" one.wav</Content></ObjSound></ObjType></Obj>"));
    const std::string before = ReadFile(project);

    const ProcessResult run = RunCli({"list", project.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "l.gmr: 320 x 240 pixels, 12 frames a second, 3 objects\n"
              "NAME     KIND   FRAMES  EFFECT           CONTENT\n"
              "Text_1   Text   0-9     Come In          Hello\n"
              "Pic_1    Pic    5-20    Zoom In Up l -r  chosen.bmp\n"
              "Sound_1  Sound  from 0                   a \"loud\" one.wav\n");

    const QJsonObject list = ListJson(project);
    EXPECT_EQ(list["file"].toString().toStdString(), project.string());
    EXPECT_EQ(list["movie"].toObject()["Rate"], 12);
    const QJsonArray objects = list["objects"].toArray();
    ASSERT_EQ(objects.size(), 3);
    EXPECT_EQ(objects[1].toObject()["EffectName"], "Zoom In Up l -r");
    EXPECT_EQ(objects[1].toObject()["Width"], 8);
    EXPECT_EQ(objects[2].toObject()["Content"], "a \"loud\" one.wav");
    EXPECT_EQ(ReadFile(project), before);
}

TEST(CliEffects, ListsEveryNameTheBuilderKnows)
{
    ProcessResult run = RunCli({"effects", "--text"});
    ASSERT_EQ(run.exitCode, 0);
    std::string expected;
    for (const std::string& name : TextEffectNames()) expected += name + "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_TRUE(Contains(run.out, "Heart Beat\n") && Contains(run.out, "Sin\n")) << run.out;

    run = RunCli({"effects", "--picture"});
    expected.clear();
    for (const std::string& name : PicEffectNames()) expected += name + "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(PicEffectNames().size(), 93u);

    run = RunCli({"effects"});
    EXPECT_TRUE(Contains(run.out, "Text effects:\n  -- None --\n  Come In\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Picture effects:\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n  Zoom In Up l -r\n")) << run.out;
}

}  // namespace
}  // namespace glimmora::test
