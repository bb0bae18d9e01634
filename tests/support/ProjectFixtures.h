#pragma once
// Projects written from XML text for the tests that build whole movies,
// files read back, the tool run.

#include "support/ProcessRunner.h"

#include <filesystem>
#include <string>

namespace glimmora::test {

inline std::string MovieXml(const std::string& objects, const std::string& properties =
                                "<BgColor>16777215</BgColor><Width>320</Width><Height>240</Height><Rate>12</Rate>")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie>" + properties + objects + "</Movie>\n";
}

inline std::string StaticTextXml(const std::string& name, const std::string& content, int x, int y,
                                 const std::string& color = "255", const std::string& effect = "-- None --")
{
    return "<Obj><ObjName>" + name +
           "</ObjName><StartTime>0</StartTime><EndTime>9</EndTime><Layer>2</Layer><ObjTypeName>Text</ObjTypeName>"
           "<ObjType><ObjText><Content>" +
           content +
           "</Content><TextUnit>1</TextUnit><FontName>DejaVu Sans</FontName><FontSize>36</FontSize><FontColor>" +
           color + "</FontColor><PositionX>" + std::to_string(x) + "</PositionX><PositionY>" + std::to_string(y) +
           "</PositionY><EffectName>" + effect +
           "</EffectName><EffectValue></EffectValue><ExScale>0</ExScale><ExRotate>0</ExRotate><ExShock>0</ExShock>"
           "<ExColor>0</ExColor><ExAlpha>0</ExAlpha><ExSpeed>9</ExSpeed></ObjText></ObjType></Obj>";
}

inline std::string StaticPictureXml(const std::string& name, int x, int y, int w, int h, int start = 0, int end = 9,
                                    const std::string& effect = "-- None --")
{
    return "<Obj><ObjName>" + name + "</ObjName><StartTime>" + std::to_string(start) + "</StartTime><EndTime>" +
           std::to_string(end) +
           "</EndTime><Layer>2</Layer><ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content>chosen.bmp</Content>"
           "<PositionX>" +
           std::to_string(x) + "</PositionX><PositionY>" + std::to_string(y) + "</PositionY><Width>" +
           std::to_string(w) + "</Width><Height>" + std::to_string(h) + "</Height><EffectName>" + effect +
           "</EffectName></ObjPic></ObjType></Obj>";
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& file);
// The names of the files in `folder`, sorted.
std::vector<std::string> FileNames(const std::filesystem::path& folder);

// A width x height JPEG of one colour (quality 95).
void WriteSolidJpeg(const std::filesystem::path& file, int width, int height, int r, int g, int b);
// A 24-bit bottom-up BMP of one colour.
void WriteSolidBmp(const std::filesystem::path& file, int width, int height, int r, int g, int b);

inline ProcessResult RunCli(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{ProgramPath("glimmora-cli").string()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
}

}  // namespace glimmora::test
