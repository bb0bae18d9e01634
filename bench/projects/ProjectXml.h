#pragma once
// The XML of generated projects: the movie's properties and one object of
// each kind, with every element a project file holds.

#include <string>

namespace glimmora::bench {

struct MovieFields {
    int width = 800, height = 600, rate = 12;
    int bgColor = 16777215;
};

struct TextFields {
    std::string name;
    int start = 0, end = 9;
    std::string content;
    std::string font = "DejaVu Sans";
    int size = 18;
    int color = 255;
    int x = 0, y = 0;
    std::string effect = "-- None --";
};

struct PictureFields {
    std::string name;
    int start = 0, end = 24;
    std::string content = "chosen.bmp";
    int x = 0, y = 0, width = 320, height = 240;
    std::string effect = "-- None --";
};

// The XML declaration, <Movie> and its properties; the objects follow, then MovieEnd().
std::string MovieStart(const MovieFields& movie);
inline std::string MovieEnd() { return "</Movie>\n"; }

std::string TextObjectXml(const TextFields& text);
std::string PictureObjectXml(const PictureFields& picture);
std::string SoundObjectXml(const std::string& name, const std::string& content);

}  // namespace glimmora::bench
