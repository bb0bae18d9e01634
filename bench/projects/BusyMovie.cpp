#include "projects/BusyMovie.h"

#include "projects/MediaFiles.h"
#include "projects/ProjectXml.h"

#include <fstream>
#include <string>

namespace glimmora::bench {

namespace {

const char* const kLetterEffects[] = {"Come In", "Come Out", "Roll In", "Heart Beat", "Kerning", "Rainbow", "Sin"};
const char* const kWholeEffects[] = {"-- None --", "Fade In", "Fade Out", "Radiation", "Rotate", "Move"};
const char* const kPictureEffects[] = {"Move Up", "Zoom In -r", "Zoom Out Left -s", "Come In xl", "Move Down r -s",
                                       "Zoom In Up", "Come Out yb", "-- None --", "Fade In", "Move Left -r"};

TextFields BusyText(int i)
{
    TextFields text;
    text.name = "Text_" + std::to_string(i + 1);
    // Three of four texts use a letter effect; "Sin" (241 steps) only once.
    text.effect = (i % 4 == 3) ? kWholeEffects[(i / 4) % 6] : kLetterEffects[i % 6];
    if (i == 0) text.effect = "Sin";
    text.start = (i * 7) % 200;
    text.end = text.start + 9;
    for (int k = 0; k < 20; ++k) text.content += char('A' + (i + k) % 26);
    text.size = 12 + i % 24;
    text.color = int((i * 2654435761u) & 0xFFFFFF);
    text.x = 20 + (i * 53) % 400;
    text.y = 20 + (i * 97) % 520;
    return text;
}

PictureFields BusyPicture(int i)
{
    PictureFields picture;
    picture.name = "Pic_" + std::to_string(i + 1);
    picture.start = (i * 11) % 200;
    picture.end = picture.start + 24;
    picture.content = "picture" + std::to_string(i + 1) + ".bmp";
    picture.x = (i * 41) % 480;
    picture.y = (i * 29) % 360;
    picture.effect = kPictureEffects[i % 10];
    return picture;
}

}  // namespace

std::filesystem::path WriteBusyProject(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    std::string xml = MovieStart({});
    for (int i = 0; i < 40; ++i) xml += TextObjectXml(BusyText(i));
    for (int i = 0; i < 20; ++i) {
        xml += PictureObjectXml(BusyPicture(i));
        WriteJpeg(folder / ("Pic_" + std::to_string(i + 1) + ".jpg"), 320, 240, i);
    }
    for (int i = 0; i < 2; ++i) {
        const std::string name = "Sound_" + std::to_string(i + 1);
        xml += SoundObjectXml(name, "sound.wav");
        WriteWave(folder / (name + ".wav"), 22050, 3.0 + i, 440.0 * (i + 1));
    }
    xml += MovieEnd();
    const auto project = folder / "busy.gmr";
    std::ofstream(project, std::ios::binary) << xml;
    return project;
}

}  // namespace glimmora::bench
