#include "projects/ProjectXml.h"

namespace glimmora::bench {

namespace {

std::string Element(const char* name, const std::string& value)
{
    return std::string("<") + name + ">" + value + "</" + name + ">";
}

std::string Element(const char* name, int value) { return Element(name, std::to_string(value)); }

std::string ObjectStart(const std::string& name, int start, int end, const char* kind)
{
    return "<Obj>" + Element("ObjName", name) + Element("StartTime", start) + Element("EndTime", end) +
           Element("Layer", 2) + Element("ObjTypeName", kind) + "<ObjType>";
}

}  // namespace

std::string MovieStart(const MovieFields& movie)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie>" + Element("BgColor", movie.bgColor) +
           Element("Width", movie.width) + Element("Height", movie.height) + Element("Rate", movie.rate) +
           Element("Loop", "False") + "\n";
}

std::string TextObjectXml(const TextFields& text)
{
    return ObjectStart(text.name, text.start, text.end, "Text") + "<ObjText>" + Element("Content", text.content) +
           Element("TextUnit", 1) + Element("FontName", text.font) + Element("FontSize", text.size) +
           Element("FontColor", text.color) + Element("PositionX", text.x) + Element("PositionY", text.y) +
           Element("EffectName", text.effect) + Element("EffectValue", "") + Element("ExScale", 0) +
           Element("ExRotate", 0) + Element("ExShock", 0) + Element("ExColor", 0) + Element("ExAlpha", 0) +
           Element("ExSpeed", 9) + "</ObjText></ObjType></Obj>\n";
}

std::string PictureObjectXml(const PictureFields& picture)
{
    return ObjectStart(picture.name, picture.start, picture.end, "Pic") + "<ObjPic>" +
           Element("Content", picture.content) + Element("PositionX", picture.x) + Element("PositionY", picture.y) +
           Element("Width", picture.width) + Element("Height", picture.height) +
           Element("EffectName", picture.effect) + "</ObjPic></ObjType></Obj>\n";
}

std::string SoundObjectXml(const std::string& name, const std::string& content)
{
    return ObjectStart(name, 0, 1, "Sound") + "<ObjSound>" + Element("Content", content) +
           "</ObjSound></ObjType></Obj>\n";
}

}  // namespace glimmora::bench
