#pragma once
// Objects as they travel on the clipboard after Cut or Copy, from one editor
// to another too: each object's `Obj` element and the bytes of its picture or
// sound, in an XML text of their own (the media in base64):
//
//   <GlimmoraObjects Version="1">
//     <Item><Obj>...</Obj><Media Extension=".png">iVBORw0...</Media></Item>
//   </GlimmoraObjects>
//
// The clipboard may hold anything under that type, so reading it checks
// everything a paste relies on.

#include <string>
#include <string_view>
#include <vector>

namespace glimmora {

// The clipboard's format name for these texts.
inline constexpr char kClippedObjectsType[] = "application/x-glimmora-object";

struct ClippedObject {
    std::string element;         // the `Obj` element as XML text (UTF-8)
    std::string mediaExtension;  // ".jpg" or ".png" of a picture, ".wav" of a sound; empty: none
    std::string mediaBytes;

    bool operator==(const ClippedObject&) const = default;
};

std::string PackClippedObjects(const std::vector<ClippedObject>& objects);

// The objects of a packed text. Throws DocumentError saying what is wrong when
// it is no such text, holds no object, an element is not an `Obj` of a text,
// picture or sound, or media do not suit their object.
std::vector<ClippedObject> UnpackClippedObjects(std::string_view text);

}  // namespace glimmora
