#include "projects/LongMovies.h"

#include "effects/picture/PicEffectTable.h"
#include "projects/MediaFiles.h"
#include "projects/ProjectXml.h"

#include <cstdint>
#include <fstream>

namespace glimmora::bench {

namespace {

constexpr int kPictureSpacing = 6;
constexpr int kPictureLength = 25;

// A small deterministic generator, so that every text differs from its neighbours.
class Sequence {
public:
    explicit Sequence(uint32_t seed) : state_(seed * 2654435761u + 1) {}
    uint32_t Next(uint32_t bound)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

private:
    uint32_t state_;
};

std::string Letters(Sequence& random)
{
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text;
    for (int k = 0; k < 20; ++k) text += kAlphabet[random.Next(52)];
    return text;
}

void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

}  // namespace

const std::vector<std::string>& TwelveTextEffects()
{
    static const std::vector<std::string> effects{"Come In",  "Fade In",    "Come Out", "Fade Out",
                                                  "Roll In",  "Radiation",  "Heart Beat", "Rotate",
                                                  "Kerning",  "Move",       "Rainbow",  "Sin"};
    return effects;
}

std::string TextMovieXml(const TextMovieShape& shape)
{
    const std::vector<std::string>& effects = shape.effects.empty() ? TwelveTextEffects() : shape.effects;
    std::string xml = MovieStart({});
    xml.reserve(size_t(shape.texts) * 600 + 200);
    for (int i = 0; i < shape.texts; ++i) {
        Sequence random{uint32_t(i)};
        TextFields text;
        text.name = "Text_" + std::to_string(i + 1);
        text.start = i * shape.spacing;
        text.end = text.start + 9;
        text.content = Letters(random);
        text.size = 12 + int(random.Next(17));
        text.color = int(random.Next(0x1000000));
        text.x = 10 + int(random.Next(380));
        text.y = 10 + int(random.Next(540));
        text.effect = effects[size_t(i) % effects.size()];
        xml += TextObjectXml(text);
    }
    return xml + MovieEnd();
}

std::string PictureMovieXml(int pictures)
{
    const std::vector<std::string>& effects = PicEffectNames();
    std::string xml = MovieStart({});
    for (int i = 0; i < pictures; ++i) {
        PictureFields picture;
        picture.name = "Pic_" + std::to_string(i + 1);
        picture.start = i * kPictureSpacing;
        picture.end = picture.start + kPictureLength - 1;
        picture.content = "picture" + std::to_string(i + 1) + ".jpg";
        picture.x = (i * 41) % 480;
        picture.y = (i * 29) % 360;
        picture.effect = effects[size_t(i) % effects.size()];
        xml += PictureObjectXml(picture);
    }
    return xml + MovieEnd();
}

std::filesystem::path WriteTextMovie(const std::filesystem::path& folder, const std::string& name,
                                     const TextMovieShape& shape)
{
    std::filesystem::create_directories(folder);
    const auto project = folder / (name + ".gmr");
    WriteText(project, TextMovieXml(shape));
    return project;
}

std::filesystem::path WritePictureMovie(const std::filesystem::path& folder, const std::string& name, int pictures)
{
    std::filesystem::create_directories(folder);
    for (int i = 0; i < pictures; ++i) WriteJpeg(folder / ("Pic_" + std::to_string(i + 1) + ".jpg"), 320, 240, i);
    const auto project = folder / (name + ".gmr");
    WriteText(project, PictureMovieXml(pictures));
    return project;
}

}  // namespace glimmora::bench
