#pragma once
// The typed binding of the movie document. Each class is a light handle on
// one element; its properties are the element's child elements.
//
// Reading a property finds the first child of that name, appending an empty
// one (as the parent's last child, with no added whitespace) when there is
// none. Text properties return the text unchanged (UTF-8); integer properties
// convert it and throw ConversionError when it is not a decimal integer.
// Writing finds or appends the child the same way and replaces its text.

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <vector>

namespace glimmora {

class IXMLNode {
public:
    IXMLNode() = default;
    explicit IXMLNode(pugi::xml_node node) : node_(node) {}
    pugi::xml_node Node() const { return node_; }
    explicit operator bool() const { return bool(node_); }

    // The whole text of the first child element `name`, or nothing when
    // there is none; unlike the properties, never appends an element.
    std::optional<std::string> FindText(const char* name) const;

    // Any property by its element name, as text: the typed properties below
    // are these with a conversion.
    std::string PropertyText(const char* name) const { return ReadText(name); }
    void SetPropertyText(const char* name, const std::string& value) const { WriteText(name, value); }

protected:
    pugi::xml_node Child(const char* name) const;  // find or append
    std::string ReadText(const char* name) const;
    int ReadInteger(const char* name) const;
    void WriteText(const char* name, const std::string& value) const;
    void WriteInteger(const char* name, int value) const;

    pugi::xml_node node_;
};

class IXMLObjText : public IXMLNode {
public:
    using IXMLNode::IXMLNode;
    std::string Content() const { return ReadText("Content"); }
    std::string FontName() const { return ReadText("FontName"); }
    int FontSize() const { return ReadInteger("FontSize"); }
    std::string FontColor() const { return ReadText("FontColor"); }
    int PositionX() const { return ReadInteger("PositionX"); }
    int PositionY() const { return ReadInteger("PositionY"); }
    std::string EffectName() const { return ReadText("EffectName"); }
    std::string EffectValue() const { return ReadText("EffectValue"); }
    int TextUnit() const { return ReadInteger("TextUnit"); }
    int ExScale() const { return ReadInteger("ExScale"); }
    int ExRotate() const { return ReadInteger("ExRotate"); }
    int ExShock() const { return ReadInteger("ExShock"); }
    int ExColor() const { return ReadInteger("ExColor"); }
    int ExAlpha() const { return ReadInteger("ExAlpha"); }
    int ExSpeed() const { return ReadInteger("ExSpeed"); }

    void SetContent(const std::string& v) const { WriteText("Content", v); }
    void SetFontName(const std::string& v) const { WriteText("FontName", v); }
    void SetFontSize(int v) const { WriteInteger("FontSize", v); }
    void SetFontColor(const std::string& v) const { WriteText("FontColor", v); }
    void SetPositionX(int v) const { WriteInteger("PositionX", v); }
    void SetPositionY(int v) const { WriteInteger("PositionY", v); }
    void SetEffectName(const std::string& v) const { WriteText("EffectName", v); }
    void SetEffectValue(const std::string& v) const { WriteText("EffectValue", v); }
    void SetTextUnit(int v) const { WriteInteger("TextUnit", v); }
    void SetExScale(int v) const { WriteInteger("ExScale", v); }
    void SetExRotate(int v) const { WriteInteger("ExRotate", v); }
    void SetExShock(int v) const { WriteInteger("ExShock", v); }
    void SetExColor(int v) const { WriteInteger("ExColor", v); }
    void SetExAlpha(int v) const { WriteInteger("ExAlpha", v); }
    void SetExSpeed(int v) const { WriteInteger("ExSpeed", v); }
};

class IXMLObjPic : public IXMLNode {
public:
    using IXMLNode::IXMLNode;
    std::string Content() const { return ReadText("Content"); }
    int PositionX() const { return ReadInteger("PositionX"); }
    int PositionY() const { return ReadInteger("PositionY"); }
    int Width() const { return ReadInteger("Width"); }
    int Height() const { return ReadInteger("Height"); }
    int ExScale() const { return ReadInteger("ExScale"); }
    int ExRotate() const { return ReadInteger("ExRotate"); }
    int ExShock() const { return ReadInteger("ExShock"); }
    int ExAlpha() const { return ReadInteger("ExAlpha"); }
    int ExSpeed() const { return ReadInteger("ExSpeed"); }
    std::string EffectName() const { return ReadText("EffectName"); }
    std::string EffectValue() const { return ReadText("EffectValue"); }

    void SetContent(const std::string& v) const { WriteText("Content", v); }
    void SetPositionX(int v) const { WriteInteger("PositionX", v); }
    void SetPositionY(int v) const { WriteInteger("PositionY", v); }
    void SetWidth(int v) const { WriteInteger("Width", v); }
    void SetHeight(int v) const { WriteInteger("Height", v); }
    void SetExScale(int v) const { WriteInteger("ExScale", v); }
    void SetExRotate(int v) const { WriteInteger("ExRotate", v); }
    void SetExShock(int v) const { WriteInteger("ExShock", v); }
    void SetExAlpha(int v) const { WriteInteger("ExAlpha", v); }
    void SetExSpeed(int v) const { WriteInteger("ExSpeed", v); }
    void SetEffectName(const std::string& v) const { WriteText("EffectName", v); }
    void SetEffectValue(const std::string& v) const { WriteText("EffectValue", v); }
};

class IXMLObjSound : public IXMLNode {
public:
    using IXMLNode::IXMLNode;
    std::string Content() const { return ReadText("Content"); }
    void SetContent(const std::string& v) const { WriteText("Content", v); }
};

class IXMLObjType : public IXMLNode {
public:
    using IXMLNode::IXMLNode;
    IXMLObjText ObjText() const { return IXMLObjText(Child("ObjText")); }
    IXMLObjPic ObjPic() const { return IXMLObjPic(Child("ObjPic")); }
    IXMLObjSound ObjSound() const { return IXMLObjSound(Child("ObjSound")); }
};

class IXMLObj : public IXMLNode {
public:
    using IXMLNode::IXMLNode;
    std::string ObjName() const { return ReadText("ObjName"); }
    int StartTime() const { return ReadInteger("StartTime"); }
    int EndTime() const { return ReadInteger("EndTime"); }
    int Layer() const { return ReadInteger("Layer"); }
    std::string ObjTypeName() const { return ReadText("ObjTypeName"); }
    IXMLObjType ObjType() const { return IXMLObjType(Child("ObjType")); }

    void SetObjName(const std::string& v) const { WriteText("ObjName", v); }
    void SetStartTime(int v) const { WriteInteger("StartTime", v); }
    void SetEndTime(int v) const { WriteInteger("EndTime", v); }
    void SetLayer(int v) const { WriteInteger("Layer", v); }
    void SetObjTypeName(const std::string& v) const { WriteText("ObjTypeName", v); }
};

// The `Obj` children of `Movie`, counted from 0 in document order.
class IXMLObjList : public IXMLNode {
public:
    using IXMLNode::IXMLNode;  // the node is the `Movie` element
    int Count() const;
    IXMLObj Items(int index) const;   // throws std::out_of_range
    std::vector<IXMLObj> All() const;  // every one, in order
    IXMLObj Add() const;              // new empty `Obj` as the last child of `Movie`
    IXMLObj Insert(int index) const;  // new empty `Obj` before the index-th
    void Delete(int index) const;     // removes the index-th `Obj` with its subtree
    void Remove(const IXMLObj& obj) const;
    void Clear() const;
};

class IXMLMovie : public IXMLNode {
public:
    using IXMLNode::IXMLNode;
    std::string BgColor() const { return ReadText("BgColor"); }
    std::string BgPic() const { return ReadText("BgPic"); }
    int Width() const { return ReadInteger("Width"); }
    int Height() const { return ReadInteger("Height"); }
    int Rate() const { return ReadInteger("Rate"); }
    int TotalFrames() const { return ReadInteger("TotalFrames"); }
    int Times() const { return ReadInteger("Times"); }
    int FileSize() const { return ReadInteger("FileSize"); }
    std::string MovieName() const { return ReadText("MovieName"); }
    std::string Author() const { return ReadText("Author"); }
    std::string Loop() const { return ReadText("Loop"); }
    IXMLObjList Obj() const { return IXMLObjList(node_); }

    void SetBgColor(const std::string& v) const { WriteText("BgColor", v); }
    void SetBgPic(const std::string& v) const { WriteText("BgPic", v); }
    void SetWidth(int v) const { WriteInteger("Width", v); }
    void SetHeight(int v) const { WriteInteger("Height", v); }
    void SetRate(int v) const { WriteInteger("Rate", v); }
    void SetTotalFrames(int v) const { WriteInteger("TotalFrames", v); }
    void SetTimes(int v) const { WriteInteger("Times", v); }
    void SetFileSize(int v) const { WriteInteger("FileSize", v); }
    void SetMovieName(const std::string& v) const { WriteText("MovieName", v); }
    void SetAuthor(const std::string& v) const { WriteText("Author", v); }
    void SetLoop(const std::string& v) const { WriteText("Loop", v); }
};

}  // namespace glimmora
