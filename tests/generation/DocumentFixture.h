#pragma once
// A movie document written to a fresh temporary folder and bound, with small
// builders for the XML of movies and objects.

#include "document/XmlDocument.h"
#include "objects/TGlobalVars.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace glimmora::test {

struct TextFields {
    std::string name = "Text_1";
    std::string kind = "Text";
    std::string content = "Hi";
    std::string fontColor = "$FF0000";
    std::string effect = "-- None --";
    int start = 0;
    int exSpeed = 9;
};

inline std::string TextObjXml(const TextFields& f)
{
    return "<Obj><ObjName>" + f.name + "</ObjName><StartTime>" + std::to_string(f.start) +
           "</StartTime><EndTime>" + std::to_string(f.start + 9) + "</EndTime><Layer>2</Layer><ObjTypeName>" + f.kind +
           "</ObjTypeName><ObjType><ObjText><Content>" + f.content +
           "</Content><TextUnit>1</TextUnit><FontName>Sans</FontName><FontSize>18</FontSize><FontColor>" + f.fontColor +
           "</FontColor><PositionX>50</PositionX><PositionY>50</PositionY><EffectName>" + f.effect +
           "</EffectName><EffectValue></EffectValue><ExScale>0</ExScale><ExRotate>0</ExRotate><ExShock>0</ExShock>"
           "<ExColor>0</ExColor><ExAlpha>0</ExAlpha><ExSpeed>" +
           std::to_string(f.exSpeed) + "</ExSpeed></ObjText></ObjType></Obj>";
}

inline std::string PicObjXml(const std::string& name, const std::string& content = "C:\\photo.bmp",
                             const std::string& effect = "-- None --", int start = 5, int end = 20)
{
    return "<Obj><ObjName>" + name + "</ObjName><StartTime>" + std::to_string(start) + "</StartTime><EndTime>" +
           std::to_string(end) + "</EndTime><Layer>3</Layer><ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content>" +
           content +
           "</Content><PositionX>10</PositionX><PositionY>20</PositionY><Width>100</Width><Height>50</Height>"
           "<EffectName>" +
           effect + "</EffectName></ObjPic></ObjType></Obj>";
}

inline std::string SoundObjXml(const std::string& name, const std::string& content = "C:\\tune.wav")
{
    return "<Obj><ObjName>" + name +
           "</ObjName><StartTime>5</StartTime><EndTime>9</EndTime><Layer>2</Layer><ObjTypeName>Sound</ObjTypeName>"
           "<ObjType><ObjSound><Content>" +
           content + "</Content></ObjSound></ObjType></Obj>";
}

inline std::string MovieXml(const std::string& objects = "", const std::string& bgColor = "16777215",
                            const std::string& size = "<Width>550</Width><Height>400</Height><Rate>12</Rate>",
                            const std::string& extra = "")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Movie><BgColor>" + bgColor + "</BgColor>" + size + extra +
           objects + "</Movie>";
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest()
    {
        ResetGlobalVars();
        GlobalVars().UntitledBase = (dir / "Untitled").string();
    }
    ~DocumentTest() override { ResetGlobalVars(); }

    void Load(const std::string& xml)
    {
        const auto file = dir / "Untitled.gmr";
        std::ofstream(file, std::ios::binary) << xml;
        doc.SetFileName(file);
        root = GetMovie(doc);
    }

    // The raw XML of the i-th object, or of the whole root.
    std::string ObjXml(int i) const { return Print(root.Obj().Items(i).Node()); }
    std::string RootXml() const { return Print(root.Node()); }

    static std::string Print(pugi::xml_node node)
    {
        struct Sink : pugi::xml_writer {
            std::string out;
            void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
        } sink;
        node.print(sink, "", pugi::format_raw | pugi::format_no_empty_element_tags);
        return sink.out;
    }

    TempDir dir;
    TXMLDocument doc;
    IXMLMovie root;
};

}  // namespace glimmora::test
