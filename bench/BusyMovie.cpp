#include "BusyMovie.h"

#include "effects/picture/import/JpegEncoder.h"
#include "effects/picture/import/RgbImage.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>


namespace glimmora::bench {

void WriteJpeg(const std::filesystem::path& file, int width, int height, int seed)
{
    RgbImage image = AllocateRgbImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.Row(y) + size_t(x) * 3;
            p[0] = uint8_t((x * 255 / width + seed * 37) & 0xFF);
            p[1] = uint8_t((y * 255 / height + seed * 71) & 0xFF);
            p[2] = uint8_t(((x ^ y) + seed * 13) & 0xFF);
        }
    const std::vector<uint8_t> jpeg = EncodeJpeg(image, 75);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
}

void WriteWave(const std::filesystem::path& file, int rate, double seconds, double hz)
{
    const uint32_t samples = uint32_t(rate * seconds);
    std::vector<int16_t> data(samples);
    for (uint32_t i = 0; i < samples; ++i)
        data[i] = int16_t(12000 * std::sin(2 * M_PI * hz * i / rate));
    auto u32 = [](std::ofstream& o, uint32_t v) { o.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](std::ofstream& o, uint16_t v) { o.write(reinterpret_cast<const char*>(&v), 2); };
    std::ofstream o(file, std::ios::binary);
    o.write("RIFF", 4);
    u32(o, 36 + samples * 2);
    o.write("WAVEfmt ", 8);
    u32(o, 16);
    u16(o, 1);
    u16(o, 1);
    u32(o, uint32_t(rate));
    u32(o, uint32_t(rate * 2));
    u16(o, 2);
    u16(o, 16);
    o.write("data", 4);
    u32(o, samples * 2);
    o.write(reinterpret_cast<const char*>(data.data()), std::streamsize(samples * 2));
}

namespace {

const char* const kLetterEffects[] = {"Come In", "Come Out", "Roll In", "Heart Beat", "Kerning", "Rainbow", "Sin"};
const char* const kWholeEffects[] = {"-- None --", "Fade In", "Fade Out", "Radiation", "Rotate", "Move"};
const char* const kPictureEffects[] = {"Move Up", "Zoom In -r", "Zoom Out Left -s", "Come In xl", "Move Down r -s",
                                       "Zoom In Up", "Come Out yb", "-- None --", "Fade In", "Move Left -r"};

std::string TextObject(int i)
{
    // Three of four texts use a letter effect; "Sin" (241 steps) only once.
    std::string effect = (i % 4 == 3) ? kWholeEffects[(i / 4) % 6] : kLetterEffects[i % 6];
    if (i == 0) effect = "Sin";
    const int start = (i * 7) % 200;
    std::string content;
    for (int k = 0; k < 20; ++k) content += char('A' + (i + k) % 26);
    return "<Obj><ObjName>Text_" + std::to_string(i + 1) + "</ObjName><StartTime>" + std::to_string(start) +
           "</StartTime><EndTime>" + std::to_string(start + 9) +
           "</EndTime><Layer>2</Layer><ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content>" + content +
           "</Content><TextUnit>1</TextUnit><FontName>DejaVu Sans</FontName><FontSize>" +
           std::to_string(12 + i % 24) + "</FontSize><FontColor>" + std::to_string((i * 2654435761u) & 0xFFFFFF) +
           "</FontColor><PositionX>" + std::to_string(20 + (i * 53) % 400) + "</PositionX><PositionY>" +
           std::to_string(20 + (i * 97) % 520) + "</PositionY><EffectName>" + effect +
           "</EffectName><EffectValue></EffectValue><ExScale>0</ExScale><ExRotate>0</ExRotate><ExShock>0</ExShock>"
           "<ExColor>0</ExColor><ExAlpha>0</ExAlpha><ExSpeed>9</ExSpeed></ObjText></ObjType></Obj>\n";
}

std::string PictureObject(int i)
{
    const int start = (i * 11) % 200;
    return "<Obj><ObjName>Pic_" + std::to_string(i + 1) + "</ObjName><StartTime>" + std::to_string(start) +
           "</StartTime><EndTime>" + std::to_string(start + 24) +
           "</EndTime><Layer>2</Layer><ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content>picture" +
           std::to_string(i + 1) + ".bmp</Content><PositionX>" + std::to_string((i * 41) % 480) +
           "</PositionX><PositionY>" + std::to_string((i * 29) % 360) +
           "</PositionY><Width>320</Width><Height>240</Height><EffectName>" + kPictureEffects[i % 10] +
           "</EffectName></ObjPic></ObjType></Obj>\n";
}

std::string SoundObject(int i)
{
    return "<Obj><ObjName>Sound_" + std::to_string(i + 1) +
           "</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer><ObjTypeName>Sound</ObjTypeName>"
           "<ObjType><ObjSound><Content>sound.wav</Content></ObjSound></ObjType></Obj>\n";
}

}  // namespace

std::filesystem::path WriteBusyProject(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie><BgColor>16777215</BgColor><Width>800</Width>"
        "<Height>600</Height><Rate>12</Rate><Loop>False</Loop>\n";
    for (int i = 0; i < 40; ++i) xml += TextObject(i);
    for (int i = 0; i < 20; ++i) {
        xml += PictureObject(i);
        WriteJpeg(folder / ("Pic_" + std::to_string(i + 1) + ".jpg"), 320, 240, i);
    }
    for (int i = 0; i < 2; ++i) {
        xml += SoundObject(i);
        WriteWave(folder / ("Sound_" + std::to_string(i + 1) + ".wav"), 22050, 3.0 + i, 440.0 * (i + 1));
    }
    xml += "</Movie>\n";
    const auto project = folder / "busy.gmr";
    std::ofstream(project, std::ios::binary) << xml;
    return project;
}

}  // namespace glimmora::bench
