// The renderer against the independent player Ruffle, on a movie written by
// our own builder: a picture and a line of text.

#include "RenderFixture.h"

#include "effects/picture/import/JpegEncoder.h"
#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"
#include "support/ProcessRunner.h"
#include "support/SwfCheck.h"
#include "support/TempDir.h"

#include <fstream>

namespace glimmora::test {
namespace {

const char* const kProject = R"(<?xml version="1.0" encoding="UTF-8"?>
<Movie><BgColor>16777215</BgColor><Width>320</Width><Height>240</Height><Rate>12</Rate>)"
    R"(<Obj><ObjName>Text_1</ObjName><StartTime>0</StartTime><EndTime>9</EndTime><Layer>2</Layer>)"
    R"(<ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content>Hello Qg</Content><TextUnit>1</TextUnit>)"
    R"(<FontName>DejaVu Sans</FontName><FontSize>36</FontSize><FontColor>255</FontColor><PositionX>10</PositionX>)"
    R"(<PositionY>120</PositionY><EffectName>-- None --</EffectName><EffectValue></EffectValue><ExScale>0</ExScale>)"
    R"(<ExRotate>0</ExRotate><ExShock>0</ExShock><ExColor>0</ExColor><ExAlpha>0</ExAlpha><ExSpeed>9</ExSpeed>)"
    R"(</ObjText></ObjType></Obj><Obj><ObjName>Pic_1</ObjName><StartTime>0</StartTime><EndTime>9</EndTime>)"
    R"(<Layer>2</Layer><ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content>chosen.bmp</Content>)"
    R"(<PositionX>40</PositionX><PositionY>30</PositionY><Width>128</Width><Height>64</Height>)"
    R"(<EffectName>-- None --</EffectName></ObjPic></ObjType></Obj></Movie>
)";

void WriteGradientJpeg(const std::filesystem::path& file)
{
    RgbImage image = AllocateRgbImage(128, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) {
            uint8_t* p = image.Row(y) + 3 * x;
            p[0] = uint8_t(x * 2);
            p[1] = uint8_t(y * 4);
            p[2] = uint8_t((x + y) % 256);
        }
    }
    const std::vector<uint8_t> jpeg = EncodeJpeg(image, 90);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
}

TEST(RuffleAgreement, StillTextAndPictureLookTheSame)
{
    GLIMMORA_REQUIRE_SWFCHECK();
    TempDir dir;
    std::ofstream(dir / "still.gmr") << kProject;
    WriteGradientJpeg(dir / "Pic_1.jpg");
    const auto swf = dir / "still.swf";
    const ProcessResult build = RunProcess({ProgramPath("glimmora-cli").string(), "build",
                                            (dir / "still.gmr").string(), "-o", swf.string()});
    ASSERT_EQ(build.exitCode, 0) << build.err;

    // A late frame of the still movie (the tool counts from 1): on a busy
    // machine the checker's clock can overshoot early times ("Cannot
    // fast-forward to the past"), so it also gets a second try.
    constexpr int kFrame = 8;
    std::string errors;
    bool rendered = false;
    for (int attempt = 0; attempt < 2 && !rendered; ++attempt) {
        rendered = SwfCheckRender(swf, kFrame + 1, dir / "ruffle.png", &errors);
    }
    ASSERT_TRUE(rendered) << errors;
    const QImage theirs = QImage(QString::fromStdString((dir / "ruffle.png").string()))
                              .convertToFormat(QImage::Format_RGB32);

    auto movie = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovieFile(swf.string()));
    player::StageCursor cursor(movie);
    player::FrameRenderer renderer(movie);
    const QImage ours = renderer.Render(cursor.Seek(kFrame), QSize(320, 240)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ours.size(), theirs.size());

    // Anti-aliasing differs along edges; filled areas must agree.
    long long total = 0;
    int farApart = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            total += d;
            farApart += d > 32;
        }
    }
    const double pixels = double(ours.width()) * ours.height();
    EXPECT_LT(double(total) / pixels, 1.5);
    EXPECT_LT(farApart / pixels, 0.01);
    // And the picture's inside matches closely.
    EXPECT_TRUE(ColorNear(ours.pixelColor(104, 62), theirs.pixelColor(104, 62), 12));
}

}  // namespace
}  // namespace glimmora::test
